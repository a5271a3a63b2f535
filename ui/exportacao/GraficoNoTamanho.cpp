#include "GraficoNoTamanho.h"

#include "CursorGrafico.h"
#include "Grafico.h"
#include "TamanhoImagem.h"

#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QLineSeries>

namespace {

QSize Logico(QSize pixels) {
    const qreal escala = EscalaImagem(pixels);
    return {qRound(pixels.width() / escala), qRound(pixels.height() / escala)};
}

// A chart lays out its axes on a posted request: do that now, for the chart views in it.
void Assenta(QWidget& widget) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QList<QChartView*> vistas = widget.findChildren<QChartView*>();
    if (auto* propria = qobject_cast<QChartView*>(&widget))
        vistas.append(propria);
    for (QChartView* vista : vistas)
        vista->chart()->layout()->activate();
}

QImage Desenha(QWidget& widget, QSize pixels) {
    QImage imagem(pixels, QImage::Format_RGB32);
    imagem.setDevicePixelRatio(EscalaImagem(pixels));
    imagem.fill(Qt::black);
    widget.render(&imagem);
    return imagem;
}

}  // namespace

QImage ImagemNoTamanho(QWidget& widget, QSize pixels) {
    const QSize proprio = widget.size();
    widget.resize(Logico(pixels));
    Assenta(widget);
    QImage imagem = Desenha(widget, pixels);
    widget.resize(proprio);
    Assenta(widget);
    return imagem;
}

TGraficoForaDaTela::TGraficoForaDaTela(const TChart& modelo)
    : Grafico(std::make_unique<TChart>()), Cursor(new TCursorGrafico(*Grafico)) {
    // Shown, so that it lays itself out at once, but never on the screen; and no window of the
    // user's: closing the main window must still end the program.
    Grafico->setAttribute(Qt::WA_DontShowOnScreen);
    Grafico->setAttribute(Qt::WA_QuitOnClose, false);
    Grafico->show();
    for (int serie = 1; serie <= 4; ++serie) {
        const QList<QPointF> pontos = modelo.Serie(serie)->points();
        const QStringList& rotulos = modelo.Rotulos(serie);
        for (qsizetype i = 0; i < pontos.size(); ++i)
            Grafico->AnexaPonto(serie, pontos[i].y(), rotulos[i]);
    }
    Grafico->Atualiza();
}

TGraficoForaDaTela::~TGraficoForaDaTela() = default;

void TGraficoForaDaTela::DefineTamanho(QSize pixels) {
    Pixels = pixels;
    Grafico->resize(Logico(pixels));
    Assenta(*Grafico);
}

QImage TGraficoForaDaTela::Imagem(int geracao) {
    Cursor->Mostra(geracao);
    return Desenha(*Grafico, Pixels);
}
