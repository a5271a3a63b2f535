#pragma once

#include <QStringList>

class QPlainTextEdit;

/// The run report as the page "Relatório" shows it. A run appends thousands of lines while
/// the window paints nothing but the chart and the surface view, so lines are gathered and
/// go into the text box in one insertion: appending them one by one would lay out and
/// update the box once per line.
class TRelatorio {
public:
    explicit TRelatorio(QPlainTextEdit& caixa) : Caixa(caixa) {}

    /// Empties the text box and the lines not yet shown.
    void Limpa();
    /// Appends one whole line; it shows at the next Descarrega.
    void Adiciona(const QString& linha);
    /// Puts the gathered lines into the text box.
    void Descarrega();

private:
    QPlainTextEdit& Caixa;
    QStringList Pendentes;
    bool Vazio = false;  ///< no line since Limpa: the first line goes into the empty block
};
