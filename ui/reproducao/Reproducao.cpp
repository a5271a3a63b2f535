#include "Reproducao.h"

#include "BarraReproducao.h"
#include "CenaVideo.h"
#include "ControleVista.h"
#include "CursorGrafico.h"
#include "GLPanel.h"
#include "Grafico.h"
#include "ImagemGrafico.h"
#include "JanelaVideo.h"
#include "MarcaRelatorio.h"
#include "VistaForaDaTela.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

constexpr int PassoLongo = 10;  // PageUp and PageDown

}  // namespace

TReproducao::TReproducao(const TControlesReproducao& controles, QObject* parent)
    : QObject(parent),
      Controles(controles),
      Barra(new TBarraReproducao(*controles.StatusLine)),
      Cursor(new TCursorGrafico(*controles.Chart1)),
      Marca(new TMarcaRelatorio(*controles.Visualizar)),
      Ritmo(TBarraReproducao::RitmoInicial) {
    Relogio.setSingleShot(true);
    Relogio.setTimerType(Qt::PreciseTimer);
    connect(&Relogio, &QTimer::timeout, this, &TReproducao::Passo);

    connect(Barra, &TBarraReproducao::Primeira, this, [this] { Escolhe(0); });
    connect(Barra, &TBarraReproducao::Anterior, this, [this] { Escolhe(Mostrada - 1); });
    connect(Barra, &TBarraReproducao::TocaOuPausa, this, &TReproducao::TocaOuPausa);
    connect(Barra, &TBarraReproducao::Proxima, this, [this] { Escolhe(Mostrada + 1); });
    connect(Barra, &TBarraReproducao::Ultima, this, [this] { Escolhe(Fim.Ultima); });
    connect(Barra, &TBarraReproducao::RitmoEscolhido, this, &TReproducao::DefineRitmo);
    connect(Barra, &TBarraReproducao::CopiaComando, this, &TReproducao::CopiaComando);
    connect(Barra, &TBarraReproducao::SalvaVista, this, &TReproducao::SalvaVista);
    connect(Barra, &TBarraReproducao::CopiaVista, this,
            [this] { CopiaImagem(Controles.GLPanel1->Imagem()); });
    connect(Barra, &TBarraReproducao::SalvaGraficoPng, this,
            [this](QSize tamanho) { SalvaGrafico(false, tamanho); });
    connect(Barra, &TBarraReproducao::SalvaGraficoSvg, this, [this] { SalvaGrafico(true); });
    connect(Barra, &TBarraReproducao::CopiaGrafico, this,
            [this] { CopiaImagem(ImagemDoWidget(*Controles.Chart1)); });
    connect(Barra, &TBarraReproducao::ExportaVideo, this, &TReproducao::ExportaVideo);

    connect(Cursor, &TCursorGrafico::Escolhida, this, &TReproducao::Escolhe);
    connect(Marca, &TMarcaRelatorio::Escolhida, this, &TReproducao::Escolhe);
    connect(Controles.GLPanel1, &TGLPanel::OnKeyDown, this, &TReproducao::Tecla);
    // The chart takes the keyboard focus from a click, for the keys that step.
    Controles.Chart1->setFocusPolicy(Qt::ClickFocus);
    Controles.Chart1->installEventFilter(this);
}

// The view must not keep drawing a frame that goes with this object.
TReproducao::~TReproducao() {
    Controles.Vista->FixaPopulacao(nullptr);
}

void TReproducao::Recomeca() {
    Pausa();
    FGeracoes.Recomeca();
    Fim = {};
    Mostrada = -1;
    Controles.Vista->FixaPopulacao(nullptr);
    Cursor->Esconde();
    Marca->Esconde();
    Barra->Limpa();
    emit Recomecada();
}

void TReproducao::Termina(const TFimExecucao& fim) {
    Fim = fim;
    Mostra(Fim.Ultima);
}

void TReproducao::Escolhe(int geracao) {
    const int alvo = std::clamp(geracao, 0, Fim.Ultima);
    // A drag over the chart picks the same generation many times: draw it once.
    if (!HaExecucao() || (alvo == Mostrada && !Tocando()))
        return;
    Mostra(alvo);
    if (Tocando())
        TocaDaqui();
}

void TReproducao::Mostra(int geracao) {
    Mostrada = geracao;
    const TPopulacaoRegistrada& guardada = FGeracoes.Geracao(geracao).Populacao;
    Controles.Vista->FixaPopulacao(&guardada);
    emit Mostrou(geracao);  // before the redraw, which draws what the pick's followers mark
    Controles.GLPanel1->Redraw();
    Cursor->Mostra(geracao);
    Marca->Mostra(geracao);
    Barra->MostraPosicao(geracao, Fim.Ultima);
    Barra->MostraTexto(QString::fromStdString(TextoGeracao(geracao, MelhorDe(guardada.Dados),
                                                           guardada.Paralelo, Fim.Separador)),
                       QString::fromStdString(TextoFim(Fim)));
}

bool TReproducao::Tecla(int tecla) {
    if (!HaExecucao())
        return false;
    switch (tecla) {
        case Qt::Key_Left:
            Escolhe(Mostrada - 1);
            return true;
        case Qt::Key_Right:
            Escolhe(Mostrada + 1);
            return true;
        case Qt::Key_PageUp:
            Escolhe(Mostrada - PassoLongo);
            return true;
        case Qt::Key_PageDown:
            Escolhe(Mostrada + PassoLongo);
            return true;
        case Qt::Key_Home:
            Escolhe(0);
            return true;
        case Qt::Key_End:
            Escolhe(Fim.Ultima);
            return true;
        case Qt::Key_Space:
            TocaOuPausa();
            return true;
        default:
            return false;
    }
}

// From the last generation, playing starts over from the first.
void TReproducao::TocaOuPausa() {
    if (Tocando()) {
        Pausa();
        return;
    }
    if (!HaExecucao())
        return;
    Mostra(Mostrada == Fim.Ultima ? 0 : Mostrada);
    Barra->MostraTocando(true);
    TocaDaqui();
}

// Playing goes on from the generation shown, its pace counted from now.
void TReproducao::TocaDaqui() {
    InicioToque = Mostrada;
    Cronometro.start();
    AgendaPasso();
}

void TReproducao::Pausa() {
    Relogio.stop();
    Barra->MostraTocando(false);
}

// The generation due now, which skips any whose time has passed while the window was busy.
void TReproducao::Passo() {
    const qint64 decorrido = Cronometro.nsecsElapsed();
    const auto devida = static_cast<int>(InicioToque + decorrido * Ritmo / 1'000'000'000);
    if (devida > Mostrada)
        Mostra(std::min(devida, Fim.Ultima));
    if (Mostrada == Fim.Ultima)
        Pausa();
    else
        AgendaPasso();
}

void TReproducao::AgendaPasso() {
    const qint64 proxima = (Mostrada - InicioToque + 1) * 1'000'000'000LL / Ritmo;
    const qint64 falta = proxima - Cronometro.nsecsElapsed();
    Relogio.start(static_cast<int>(std::max<qint64>(0, (falta + 999'999) / 1'000'000)));
}

void TReproducao::DefineRitmo(int geracoesPorSegundo) {
    Ritmo = geracoesPorSegundo;
    if (Tocando())
        Escolhe(Mostrada);  // the new pace counts from the generation shown
}

QMenu& TReproducao::MenuImagens() const {
    return Barra->MenuImagens();
}

void TReproducao::CopiaComando() {
    const QString comando = QString::fromStdString(Fim.Comando);
    QApplication::clipboard()->setText(comando);
    Barra->AvisaCopia(comando);
}

// At the view's own size the picture is the panel's; at another it is drawn again off screen.
void TReproducao::SalvaVista(QSize tamanho) {
    SalvaPngComo(*Controles.Janela,
                 tamanho.isEmpty() ? Controles.GLPanel1->Imagem()
                                   : ImagemDaVistaNoTamanho(*Controles.Vista, tamanho),
                 HaExecucao() ? QStringLiteral("quivora-geracao-%1.png").arg(Mostrada)
                              : QStringLiteral("quivora-vista.png"));
}

void TReproducao::SalvaGrafico(bool svg, QSize tamanho) {
    if (!tamanho.isEmpty()) {
        SalvaPngComo(*Controles.Janela, ImagemNoTamanho(*Controles.Chart1, tamanho),
                     QStringLiteral("quivora-grafico.png"));
        return;
    }
    SalvaWidgetComo(*Controles.Janela, *Controles.Chart1, QStringLiteral("quivora-grafico"),
                    svg ? TFormatoImagem::Svg : TFormatoImagem::Png);
}

// The movie is of the run kept now, copied as the window shows it.
void TReproducao::ExportaVideo() {
    if (!HaExecucao())
        return;
    AbreJanelaVideo(*Controles.Janela,
                    CenaDaJanela(FGeracoes, Fim.Separador, *Controles.Vista, *Controles.GLPanel1,
                                 *Controles.Chart1),
                    Ritmo);
}

bool TReproducao::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && Tecla(static_cast<QKeyEvent*>(evento)->key()))
        return true;
    return QObject::eventFilter(objeto, evento);
}
