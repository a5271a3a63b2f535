#pragma once

#include <QLabel>
#include <QObject>

class QAction;
class QComboBox;
class QStatusBar;
class QToolButton;

/// A label that shows as much of its text as fits, ending in "…", and the whole text as its
/// tooltip; it gives up its width to the status line's other widgets first. A hint, while
/// there is one, shows in place of the text.
class TRotuloElidido : public QLabel {
    Q_OBJECT
public:
    explicit TRotuloElidido(QWidget* parent = nullptr);
    void DefineTexto(const QString& texto);
    /// Shows the hint instead of the text; an empty hint brings the text back.
    void DefineDica(const QString& dica);
    [[nodiscard]] const QString& TextoCompleto() const { return Completo; }
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Elide();
    QString Completo;
    QString Dica;
};

/// The replay's controls in the status line, the one control of the window that stretches:
/// on the left the text about the run and the shown generation, on the right first,
/// previous, play/pause, next, last, the pace, "Geração g de N", "Copiar comando" and
/// "Salvar imagem…", whose menu ends with "Exportar vídeo…". It only shows and reports; the
/// replay decides.
///
/// The hint of a control elsewhere in the window covers the whole status line while the
/// pointer is on that control (the status bar hides these widgets under its message), so it
/// has the window's width; the hint of one of these controls shows in the place of the text,
/// beside them.
class TBarraReproducao : public QObject {
    Q_OBJECT
public:
    /// The paces offered, in generations per second, and the one chosen at start.
    static constexpr int Ritmos[] = {1, 2, 5, 10, 25};
    static constexpr int RitmoInicial = 10;

    explicit TBarraReproducao(QStatusBar& linha);

    /// Nothing to replay: every control disabled, no text.
    void Limpa();
    /// Generation g of 0..ultima is shown; the buttons that would not move are disabled.
    void MostraPosicao(int geracao, int ultima);
    void MostraTexto(const QString& texto);
    /// The play button shows pause while playing.
    void MostraTocando(bool tocando);
    /// Says briefly, beside "Copiar comando", what it copied.
    void AvisaCopia(const QString& comando);

signals:
    void Primeira();
    void Anterior();
    void TocaOuPausa();
    void Proxima();
    void Ultima();
    void RitmoEscolhido(int geracoesPorSegundo);
    void CopiaComando();
    /// Save the 3D view or the chart as PNG at a size (empty: the view's own, as shown).
    void SalvaVista(QSize tamanho);
    void CopiaVista();
    void SalvaGraficoPng(QSize tamanho);
    void SalvaGraficoSvg();
    void CopiaGrafico();
    void ExportaVideo();

private:
    QToolButton* Botao(const char* nome, const QString& dica);
    void CriaMenuImagens();
    void CriaAcaoVideo();

    QStatusBar& Linha;
    TRotuloElidido* Texto;
    QWidget* Controles;
    QToolButton* btPrimeira;
    QToolButton* btAnterior;
    QToolButton* btTocar;
    QToolButton* btProxima;
    QToolButton* btUltima;
    QComboBox* pcRitmo;
    QLabel* Posicao;
    QToolButton* btCopiarComando;
    QToolButton* btSalvarImagem;
    QAction* acExportarVideo;
    bool VideoPossivel;
};
