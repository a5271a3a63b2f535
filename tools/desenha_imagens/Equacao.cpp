#include "Equacao.h"

#include "EscritaFormula.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int Largura = 250;
constexpr int Altura = 62;
constexpr double Corpo = 14.0;  // pixel size of the main text

const QString Menos = QStringLiteral("\u2212");

void SomaDosQuadrados(TEscritaFormula& e) {
    e.Parenteses(1.0, [](TEscritaFormula& d) {
        d.Variavel("x");
        d.Expoente("2");
        d.Operador("+");
        d.Variavel("y");
        d.Expoente("2");
    });
}

void Esquerda(TEscritaFormula& e) {
    e.Variavel("f");
    e.Parenteses(1.0, [](TEscritaFormula& d) {
        d.Variavel("x");
        d.Texto(",");
        d.Espaco(0.15);
        d.Variavel("y");
    });
    e.Relacao("=");
    e.Texto("0.5");
    e.Operador(Menos);
}

void Numerador(TEscritaFormula& e) {
    e.Parenteses(1.3, [](TEscritaFormula& d) {
        d.Texto("sin");
        d.Espaco(0.15);
        d.Raiz(SomaDosQuadrados);
    });
    e.Expoente("2");
    e.Operador(Menos);
    e.Texto("0.5");
}

void Denominador(TEscritaFormula& e) {
    e.Parenteses(1.15, [](TEscritaFormula& d) {
        d.Texto("1.0");
        d.Operador("+");
        d.Texto("0.001");
        d.Operador(QStringLiteral("\u00b7"));
        SomaDosQuadrados(d);
    });
    e.Expoente("2");
}

}  // namespace

QImage DesenhaEquacao(int escala) {
    // Drawn in the 250 x 62 layout; the painter maps it onto the image's pixels.
    QImage imagem(Largura * escala, Altura * escala, QImage::Format_RGB32);
    imagem.setDevicePixelRatio(escala);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);

    const double larguraEsquerda = TEscritaFormula::Largura(Corpo, Esquerda);
    const double larguraNum = TEscritaFormula::Largura(Corpo, Numerador);
    const double larguraDen = TEscritaFormula::Largura(Corpo, Denominador);
    const double larguraBarra = std::max(larguraNum, larguraDen) + 0.3 * Corpo;
    const double margem = (Largura - larguraEsquerda - larguraBarra) / 2.0;

    // The fraction bar lies on the axis, the height of the minus sign; the left-hand side's
    // baseline is set so that its minus sign lines up with the bar.
    const double eixo = Altura / 2.0 - 0.5;
    QFont texto("Liberation Serif");
    texto.setPixelSize(qRound(Corpo));
    const double alturaMenos = -QFontMetricsF(texto).tightBoundingRect(Menos).center().y();

    TEscritaFormula esquerda(&p, Corpo, QPointF(margem, eixo + alturaMenos));
    Esquerda(esquerda);

    const double inicioBarra = esquerda.X();
    p.fillRect(QRectF(inicioBarra, eixo - 0.5, larguraBarra, 1.0), Qt::black);
    TEscritaFormula num(&p, Corpo,
                        QPointF(inicioBarra + (larguraBarra - larguraNum) / 2.0, eixo - 7.0));
    Numerador(num);
    TEscritaFormula den(&p, Corpo,
                        QPointF(inicioBarra + (larguraBarra - larguraDen) / 2.0, eixo + 15.0));
    Denominador(den);
    return imagem;
}
