#pragma once

#include <QLabel>
#include <QObject>

class QAction;
class QComboBox;
class QIcon;
class QMenu;
class QStatusBar;
class QToolButton;

/// A label that shows as much of its text as fits and the whole text as its tooltip; it gives
/// up its width to the status line's other widgets first. Its text has two parts: the first
/// is cut short, ending in "…", before anything of the second, which is cut only when it
/// does not fit alone.
class TRotuloElidido : public QLabel {
    Q_OBJECT
public:
    explicit TRotuloElidido(QWidget* parent = nullptr);
    void DefineTexto(const QString& primeira, const QString& segunda);
    /// The two parts, joined by " · ".
    [[nodiscard]] const QString& TextoCompleto() const { return Completo; }
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Elide();
    QString Primeira;
    QString Segunda;
    QString Completo;
};

/// The replay's controls in the status line, the one control of the window that stretches:
/// on the left the text about the shown generation and how the run ended, on the right
/// first, previous, play/pause, next, last, the pace, "Geração g de N", "Copiar comando" and
/// "Salvar imagem…", whose menu ends with "Exportar vídeo…". It only shows and reports; the
/// replay decides.
///
/// The controls are the status line's permanent widgets: a hint (the status line's message)
/// takes the text's place while it shows, never theirs. Where the line cannot hold the
/// controls with their captions beside room for the longest hints, as in the restored
/// window, "Copiar comando" and "Salvar imagem…" show only their icons.
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
    /// The shown generation's text and how the run ended; the former gives way first.
    void MostraTexto(const QString& geracao, const QString& fim);
    /// The play button shows pause while playing.
    void MostraTocando(bool tocando);
    /// Says briefly, beside "Copiar comando", what it copied.
    void AvisaCopia(const QString& comando);
    /// The menu of "Salvar imagem…", at whose end other actions on the run may go: it costs
    /// the status line no width.
    [[nodiscard]] QMenu& MenuImagens() const;

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

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QToolButton* Botao(const char* nome, const QString& dica);
    QToolButton* BotaoComLegenda(const char* nome, const QString& legenda, const QIcon& icone,
                                 const QString& dica);
    void CriaMenuImagens();
    void CriaAcaoVideo();
    /// Captions or icons only, after the line's width.
    void AjustaLegendas();

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
    int LarguraComLegendas = 0;
};
