#pragma once

#include "ExportacaoVideo.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

/// "Exportar vídeo": the generations g1..g2 of a copied run as an MP4 or animated GIF movie,
/// at a chosen pace and size, showing the 3D view, the chart with its cursor, or both side by
/// side. While the movie is written, a progress bar and "Cancelar"; the window stays in use.
/// A format this build or machine cannot write shows disabled, its hint saying why.
class TJanelaVideo : public QDialog {
    Q_OBJECT
public:
    /// For the run in `cena`; the pace starts at `ritmo` generations per second.
    TJanelaVideo(TCenaVideo cena, int ritmo, QWidget* parent = nullptr);
    ~TJanelaVideo() override;

    /// Starts writing the movie to `caminho` with the choices shown, without asking for a
    /// file (the "Exportar…" button asks, then calls this).
    void Exporta(const QString& caminho);
    /// The choices shown, for the file `caminho`.
    [[nodiscard]] TPedidoVideo Pedido(const QString& caminho) const;

signals:
    /// The movie under way ended (see TExportacaoVideo::Terminou).
    void Terminou(bool gravado, const QString& erro);

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void CriaControles(int ritmo);
    void btExportarClick();
    void pcTamanhoVideoChange();
    void MostraTamanhoProprio();
    void Termina(bool gravado, const QString& erro);
    void MostraExportando(bool exportando);
    [[nodiscard]] QSize TamanhoEscolhido() const;
    [[nodiscard]] TConteudoVideo ConteudoEscolhido() const;
    [[nodiscard]] TFormatoVideo FormatoEscolhido() const;

    TCenaVideo Cena;
    QSize Digitado;        // the size typed under "Outro tamanho…"
    QString CaminhoVideo;  // of the movie under way or last written
    QSpinBox* pcGeracaoInicial;
    QSpinBox* pcGeracaoFinal;
    QComboBox* pcRitmoVideo;
    QComboBox* pcConteudo;
    QComboBox* pcTamanhoVideo;
    QComboBox* pcFormato;
    QProgressBar* ProgressoVideo;
    QLabel* SituacaoVideo;
    QPushButton* btExportar;
    QPushButton* btCancelarVideo;
    QPushButton* btFechar;
    std::unique_ptr<TExportacaoVideo> Exportacao;
};

/// Opens the dialog over `janela` for the run in `cena`, unless no format can be written.
void AbreJanelaVideo(QWidget& janela, TCenaVideo cena, int ritmo);

/// Why no movie can be written at all (neither MP4 nor GIF), briefly; empty when one can.
QString MotivoSemVideo();
