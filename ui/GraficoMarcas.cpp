#include "GraficoMarcas.h"

#include <QCategoryAxis>
#include <QChart>
#include <QPainter>
#include <QValueAxis>

#include <cmath>

namespace {

// Where the ticks of one axis fall, in axis values: a tick at every whole multiple of Passo
// from 0 up to UltimoMaior, and Menores minor ticks in each step, all within Minimo..Maximo.
struct TEscala {
    double Minimo = 0;
    double Maximo = 0;
    double Passo = 0;
    double UltimoMaior = 0;
    int Menores = 0;
};

// Calls marca(valor, maior) for every tick of the scale, minor ticks included.
template <typename TMarca>
void PercorreMarcas(const TEscala& escala, TMarca marca) {
    if (escala.Passo <= 0 || escala.Maximo <= escala.Minimo)
        return;
    const int divisoes = escala.Menores + 1;
    const double passoMenor = escala.Passo / divisoes;
    // A ten-thousandth of a minor step absorbs the rounding of 0.1 steps.
    const double folga = 1e-4 * passoMenor;
    const auto primeira = static_cast<long>(std::ceil((escala.Minimo - folga) / passoMenor));
    const auto ultima = static_cast<long>(std::floor((escala.Maximo + folga) / passoMenor));
    for (long i = primeira; i <= ultima; ++i) {
        const double valor = i * passoMenor;
        const bool maior = i % divisoes == 0;
        if (maior && (i < 0 || valor > escala.UltimoMaior + folga))
            continue;
        marca(valor, maior);
    }
}

void Desenha(QPainter& pintor, const QList<QLineF>& linhas, const QColor& cor) {
    pintor.setPen(QPen(cor, 1, Qt::SolidLine, Qt::FlatCap));
    pintor.drawLines(linhas);
}

}  // namespace

TMarcasEixos::TMarcasEixos(QChart* grafico, const QValueAxis* esquerdo,
                           const QCategoryAxis* inferior)
    : QGraphicsObject(grafico),
      Grafico(grafico),
      Esquerdo(esquerdo),
      Inferior(inferior),
      AparenciaEsquerdo(MarcasEixoEsquerdo()),
      AparenciaInferior(MarcasEixoInferior()) {
    connect(grafico, &QChart::plotAreaChanged, this, [this] { prepareGeometryChange(); });
}

void TMarcasEixos::DefineRotulados(int passo, int numPontos) {
    Passo = passo;
    NumPontos = numPontos;
}

QRectF TMarcasEixos::boundingRect() const {
    const qreal alem = AparenciaEsquerdo.Linha.widthF() + AparenciaEsquerdo.TamanhoMaior;
    return Grafico->plotArea().adjusted(-alem, -alem, alem, alem);
}

void TMarcasEixos::paint(QPainter* pintor, const QStyleOptionGraphicsItem* /*opcao*/,
                         QWidget* /*alvo*/) {
    const QRectF area = Grafico->plotArea();

    // Left axis: the ticks end at the line's outer edge.
    const double fimEsquerdo = area.left() - AparenciaEsquerdo.Linha.widthF() / 2;
    TEscala esquerda{Esquerdo->min(), Esquerdo->max(),
                     (Esquerdo->max() - Esquerdo->min()) / (Esquerdo->tickCount() - 1),
                     Esquerdo->max(), Esquerdo->minorTickCount()};
    Maiores.clear();
    Menores.clear();
    PercorreMarcas(esquerda, [&](double valor, bool maior) {
        const double y = area.bottom() - (valor - esquerda.Minimo) /
                                             (esquerda.Maximo - esquerda.Minimo) * area.height();
        const int tamanho = maior ? AparenciaEsquerdo.TamanhoMaior : AparenciaEsquerdo.TamanhoMenor;
        (maior ? Maiores : Menores).append(QLineF(fimEsquerdo - tamanho, y, fimEsquerdo, y));
    });
    Desenha(*pintor, Maiores, AparenciaEsquerdo.CorMaior);
    Desenha(*pintor, Menores, AparenciaEsquerdo.CorMenor);

    // Bottom axis: a tick under each labelled point.
    const double inicioInferior = area.bottom() + AparenciaInferior.Linha.widthF() / 2;
    TEscala inferior{Inferior->min(), Inferior->max(), double(Passo), double(NumPontos - 1),
                     Inferior->minorTickCount()};
    Maiores.clear();
    Menores.clear();
    PercorreMarcas(inferior, [&](double valor, bool maior) {
        const double x = area.left() + (valor - inferior.Minimo) /
                                           (inferior.Maximo - inferior.Minimo) * area.width();
        const int tamanho = maior ? AparenciaInferior.TamanhoMaior : AparenciaInferior.TamanhoMenor;
        (maior ? Maiores : Menores).append(QLineF(x, inicioInferior, x, inicioInferior + tamanho));
    });
    Desenha(*pintor, Maiores, AparenciaInferior.CorMaior);
    Desenha(*pintor, Menores, AparenciaInferior.CorMenor);

    // The lines last, over the ticks' inner ends.
    pintor->setPen(AparenciaEsquerdo.Linha);
    pintor->drawLine(area.topLeft(), area.bottomLeft());
    pintor->setPen(AparenciaInferior.Linha);
    pintor->drawLine(area.bottomLeft(), area.bottomRight());
}
