#include "EscritaFormula.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace {

QFont Fonte(double pixels, bool italico) {
    QFont fonte("Liberation Serif");
    fonte.setPixelSize(qRound(pixels));
    fonte.setItalic(italico);
    fonte.setHintingPreference(QFont::PreferFullHinting);
    return fonte;
}

}  // namespace

TEscritaFormula::TEscritaFormula(QPainter* pintor, double corpo, QPointF base)
    : pintor(pintor),
      corpo(corpo),
      x(base.x()),
      linhaBase(base.y()),
      normal(Fonte(corpo, false)),
      italico(Fonte(corpo, true)),
      pequeno(Fonte(corpo * 0.7, false)) {}

double TEscritaFormula::Largura(double corpo, const TTrecho& trecho) {
    TEscritaFormula medida(nullptr, corpo, QPointF(0, 0));
    trecho(medida);
    return medida.x;
}

void TEscritaFormula::Escreve(const QString& texto, const QFont& fonte, double dy) {
    if (pintor) {
        pintor->setFont(fonte);
        pintor->drawText(QPointF(x, linhaBase + dy), texto);
    }
    x += QFontMetricsF(fonte).horizontalAdvance(texto);
}

void TEscritaFormula::Texto(const QString& texto) {
    Escreve(texto, normal, 0);
}

void TEscritaFormula::Variavel(const QString& nome) {
    Escreve(nome, italico, 0);
    x += 0.04 * corpo;  // italic correction: the slanted letter leans into what follows
}

void TEscritaFormula::Expoente(const QString& texto) {
    Escreve(texto, pequeno, -0.42 * corpo);
}

void TEscritaFormula::Espacado(const QString& simbolo, double em) {
    Espaco(em);
    Texto(simbolo);
    Espaco(em);
}

void TEscritaFormula::Operador(const QString& simbolo) {
    Espacado(simbolo, 0.2);
}

void TEscritaFormula::Relacao(const QString& simbolo) {
    Espacado(simbolo, 0.28);
}

void TEscritaFormula::Espaco(double em) {
    x += em * corpo;
}

void TEscritaFormula::Raiz(const TTrecho& radicando) {
    // The sign: a short rising tick, a stroke down to just under the baseline, a long stroke
    // up to the height of the radicand, then the bar over the radicand.
    const double largura = Largura(corpo, radicando);
    const double topo = linhaBase - 1.08 * corpo;
    const double inicio = x;
    const double subida = x + 0.55 * corpo;
    if (pintor) {
        QPainterPath sinal;
        sinal.moveTo(inicio, linhaBase - 0.32 * corpo);
        sinal.lineTo(inicio + 0.12 * corpo, linhaBase - 0.40 * corpo);
        sinal.lineTo(inicio + 0.30 * corpo, linhaBase + 0.10 * corpo);
        sinal.lineTo(subida, topo);
        sinal.lineTo(subida + 0.08 * corpo + largura, topo);
        pintor->save();
        pintor->setPen(
            QPen(pintor->pen().color(), 0.09 * corpo, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        pintor->setBrush(Qt::NoBrush);
        pintor->drawPath(sinal);
        pintor->restore();
    }
    x = subida + 0.06 * corpo;
    radicando(*this);
    x += 0.06 * corpo;
}

void TEscritaFormula::Parenteses(double escala, const TTrecho& dentro) {
    // A taller parenthesis keeps its middle where a normal one has it, on the formula's axis.
    const QFont grande = Fonte(corpo * escala, false);
    const double meioNormal = QFontMetricsF(normal).tightBoundingRect("(").center().y();
    const double meioGrande = QFontMetricsF(grande).tightBoundingRect("(").center().y();
    const double dy = meioNormal - meioGrande;
    Escreve("(", grande, dy);
    dentro(*this);
    Escreve(")", grande, dy);
}
