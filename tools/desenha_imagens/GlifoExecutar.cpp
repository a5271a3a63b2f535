#include "GlifoExecutar.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Lado = 76;
const QColor Fundo(128, 128, 128);

/// Letters in relief: the outline is stamped `profundidade` times, one pixel further down and
/// to the right each time, in the colour of the letters' side; then the face goes on top.
void DesenhaRelevo(QPainter& p, const QPainterPath& letras, int profundidade, const QColor& lado,
                   const QBrush& face, const QColor& contorno) {
    p.setPen(Qt::NoPen);
    for (int i = profundidade; i >= 1; --i) {
        p.setBrush(lado.darker(100 + 12 * i));
        p.drawPath(letras.translated(i, i));
    }
    p.setBrush(face);
    p.setPen(QPen(contorno, 0.8));
    p.drawPath(letras);
}

/// The path of a text in the given font, centred on the origin.
QPainterPath Letras(const QString& texto, const QFont& fonte) {
    QPainterPath caminho;
    caminho.addText(0, 0, fonte, texto);
    const QRectF caixa = caminho.boundingRect();
    return caminho.translated(-caixa.center());
}

void DesenhaEmblema(QPainter& p) {
    QFont fonte("Liberation Sans");
    fonte.setBold(true);
    fonte.setPixelSize(45);
    fonte.setLetterSpacing(QFont::AbsoluteSpacing, -2);
    const QPainterPath letras = Letras("QV", fonte).translated(Lado / 2.0 - 2.5, Lado / 2.0 - 5);

    QLinearGradient face(0, 12, 0, 64);
    face.setColorAt(0, QColor(255, 120, 110));
    face.setColorAt(0.45, QColor(240, 20, 20));
    face.setColorAt(1, QColor(175, 0, 0));
    DesenhaRelevo(p, letras, 4, QColor(150, 0, 0), face, QColor(90, 0, 0));
}

void DesenhaExecutarDiagonal(QPainter& p) {
    QFont fonte("Liberation Sans");
    fonte.setBold(true);
    fonte.setPixelSize(16);
    const QPainterPath texto = Letras("Executar", fonte);

    p.save();
    p.translate(Lado / 2.0, Lado / 2.0 + 5);
    p.rotate(-30);
    // A light rim around the blue letters keeps them readable where they cross the red ones.
    p.setPen(QPen(QColor(235, 240, 255), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(texto.translated(1, 1));
    p.drawPath(texto);
    QLinearGradient face(0, -6, 0, 6);
    face.setColorAt(0, QColor(90, 140, 255));
    face.setColorAt(1, QColor(0, 0, 200));
    DesenhaRelevo(p, texto, 2, QColor(0, 0, 140), face, QColor(0, 0, 90));
    p.restore();
}

/// The glyph drawn at `lado` pixels: the 76-pixel design scaled as vectors.
QImage DesenhaEscalado(int lado) {
    QImage desenho(lado, lado, QImage::Format_ARGB32_Premultiplied);
    desenho.fill(Qt::transparent);
    QPainter p(&desenho);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / double(Lado), lado / double(Lado));
    DesenhaEmblema(p);
    DesenhaExecutarDiagonal(p);
    return desenho;
}

}  // namespace

QImage DesenhaIcone(int lado) {
    return DesenhaEscalado(lado).convertToFormat(QImage::Format_ARGB32);
}

QImage DesenhaExecutar(int escala) {
    const QImage desenho = DesenhaEscalado(Lado * escala);
    // Pixels left untouched are the background: they keep the grey as their colour and get an
    // alpha of 0. Smoothed edges keep their partial alpha, so no grey fringe shows on the button.
    QImage glifo = desenho.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < glifo.height(); ++y)
        for (int x = 0; x < glifo.width(); ++x)
            if (qAlpha(glifo.pixel(x, y)) == 0)
                glifo.setPixel(x, y, qRgba(Fundo.red(), Fundo.green(), Fundo.blue(), 0));
    return glifo;
}
