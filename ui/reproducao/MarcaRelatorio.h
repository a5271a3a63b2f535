#pragma once

#include <QObject>
#include <QTextBlock>

class QPlainTextEdit;

/// The shown generation on the page "Relatório": its heading and best-individual lines are
/// marked and scrolled into view, and a click on any line of a generation picks it. The
/// report's text is not touched.
///
/// The report's layout is fixed: eight header lines, then for every generation g an empty
/// line, the separator, "Geração g" and the best individual's line (generation 0 included),
/// so generation g holds lines 4g + 6 to 4g + 9, counted from 0. The user may edit the
/// report, though, so a generation is known by its heading's text, never by a line number.
class TMarcaRelatorio : public QObject {
    Q_OBJECT
public:
    explicit TMarcaRelatorio(QPlainTextEdit& relatorio);

    /// Marks generation g's heading and best line and scrolls them into view.
    void Mostra(int geracao);
    /// Removes the mark.
    void Esconde();

signals:
    /// The user clicked on one of generation g's lines.
    void Escolhida(int geracao);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    /// Generation g's heading "Geração g"; not valid if the report has none.
    [[nodiscard]] QTextBlock BlocoDoCabecalho(int geracao) const;

    QPlainTextEdit& Relatorio;
};
