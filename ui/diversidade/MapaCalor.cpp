#include "MapaCalor.h"

#include "GraficoAparencia.h"
#include "PassoEixo.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor Fundo(0, 0, 0);
const QColor CorTexto(0, 255, 255);   // as the chart's labels
const QColor CorCursor(255, 255, 0);  // as the chart's cursor
const QColor Zero(40, 70, 255);
const QColor Meio(255, 255, 255);
const QColor Um(255, 40, 40);

constexpr int MargemEsquerda = 56;
constexpr int MargemDireita = 48;  // the legend
constexpr int MargemTopo = 16;     // the title
constexpr int MargemBase = 18;     // the generations' labels
constexpr int Vao = 6;             // between the x half and the y half
constexpr int LarguraLegenda = 10;

QColor Mistura(const QColor& de, const QColor& para, double t) {
    const auto canal = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return {canal(de.red(), para.red()), canal(de.green(), para.green()),
            canal(de.blue(), para.blue())};
}

// The colour of a share of 1s, 0..1.
QColor CorDaFracao(double fracao) {
    return fracao < 0.5 ? Mistura(Zero, Meio, fracao * 2) : Mistura(Meio, Um, fracao * 2 - 1);
}

}  // namespace

TMapaCalor::TMapaCalor(QWidget* parent) : QWidget(parent) {
    setMinimumSize(MargemEsquerda + MargemDireita + 100, MargemTopo + MargemBase + 60);
    setFont(FonteLegenda());
}

void TMapaCalor::Mostra(const std::vector<TDiversidadeGeracao>& medidas) {
    const int geracoes = static_cast<int>(medidas.size());
    const int posicoes = medidas.empty() ? 0 : medidas.front().TamCrom;
    Paralelo = !medidas.empty() && medidas.front().Paralelo;
    Imagem = QImage(geracoes, posicoes, QImage::Format_RGB32);
    // The colours a count can take, worked out once for each population size (a run keeps
    // one); each pixel is then a look-up.
    QRgb cores[256];
    int coresPara = -1;  // the population size `cores` holds the colours of
    for (int g = 0; g < geracoes; ++g) {
        const TDiversidadeGeracao& d = medidas[static_cast<std::size_t>(g)];
        if (d.Individuos != coresPara) {
            for (int c = 0; c <= d.Individuos; ++c)
                cores[c] = CorDaFracao(d.Individuos == 0 ? 0.0 : c / double(d.Individuos)).rgb();
            coresPara = d.Individuos;
        }
        for (int b = 0; b < posicoes; ++b)
            reinterpret_cast<QRgb*>(Imagem.scanLine(b))[g] = cores[d.Uns[std::size_t(b)]];
    }
    update();
}

void TMapaCalor::MostraCursor(int geracao) {
    Geracao = geracao;
    update();
}

TMapaCalor::TAreas TMapaCalor::Areas() const {
    const QRect todo(MargemEsquerda, MargemTopo, width() - MargemEsquerda - MargemDireita,
                     height() - MargemTopo - MargemBase);
    const int posicoes = std::max(Imagem.height(), 1);
    const int alturaX = (todo.height() - Vao) * (posicoes / 2) / posicoes;
    return {QRect(todo.left(), todo.top(), todo.width(), alturaX),
            QRect(todo.left(), todo.top() + alturaX + Vao, todo.width(),
                  todo.height() - Vao - alturaX)};
}

QPoint TMapaCalor::CentroDaGeracao(int geracao) const {
    if (Geracoes() == 0)
        return {};
    const TAreas a = Areas();
    return {a.X.left() + static_cast<int>((geracao + 0.5) * a.X.width() / Geracoes()),
            a.X.center().y()};
}

void TMapaCalor::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), Fundo);
    pintor.setPen(CorTexto);
    if (Imagem.isNull()) {
        pintor.drawText(rect(), Qt::AlignCenter,
                        QStringLiteral("Execute o AG para ver a diversidade de cada geração"));
        return;
    }
    const int meio = Imagem.height() / 2;
    const QString titulo =
        Paralelo
            ? QStringLiteral("Pop. X (bits 1–%1) e Pop. Y (bits %2–%3): fração de 1s, por geração")
                  .arg(meio)
                  .arg(meio + 1)
                  .arg(Imagem.height())
            : QStringLiteral("Fração de 1s em cada posição, por geração");
    const QRect linhaTitulo(MargemEsquerda, 0, width() - MargemEsquerda - MargemDireita,
                            MargemTopo);
    pintor.drawText(linhaTitulo, Qt::AlignLeft | Qt::AlignVCenter,
                    pintor.fontMetrics().elidedText(titulo, Qt::ElideRight, linhaTitulo.width()));
    const TAreas a = Areas();
    PintaMetade(pintor, a.X, 1, meio, Paralelo ? QStringLiteral("Pop. X") : QStringLiteral("x"));
    PintaMetade(pintor, a.Y, meio + 1, Imagem.height(),
                Paralelo ? QStringLiteral("Pop. Y") : QStringLiteral("y"));
    PintaEixoGeracoes(pintor, a.Y);
    PintaLegenda(pintor, QRect(width() - MargemDireita + 6, a.X.top(), LarguraLegenda,
                               a.Y.bottom() - a.X.top() + 1));
    if (Geracao >= 0 && Geracao < Geracoes()) {
        const int x0 = a.X.left() + Geracao * a.X.width() / Geracoes();
        const int x1 = a.X.left() + (Geracao + 1) * a.X.width() / Geracoes();
        pintor.setPen(QPen(CorCursor, 1));
        pintor.setBrush(Qt::NoBrush);
        for (const QRect& metade : {a.X, a.Y})
            pintor.drawRect(QRect(QPoint(x0 - 1, metade.top() - 1),
                                  QPoint(std::max(x1, x0 + 1), metade.bottom() + 1)));
    }
}

// Rows de..ate of the picture, one position each, with the half's name and its first and
// last position beside it.
void TMapaCalor::PintaMetade(QPainter& pintor, const QRect& area, int de, int ate,
                             const QString& nome) const {
    // A copy of the rows: the SVG painter would draw the whole picture, not the part asked for.
    pintor.drawImage(area, Imagem.copy(0, de - 1, Imagem.width(), ate - de + 1));
    const int altura = pintor.fontMetrics().height();
    const QRect coluna(4, area.top(), MargemEsquerda - 8, area.height());
    pintor.drawText(coluna, Qt::AlignLeft | Qt::AlignVCenter, nome);
    pintor.drawText(QRect(coluna.left(), area.top(), coluna.width(), altura),
                    Qt::AlignRight | Qt::AlignTop, QString::number(de));
    pintor.drawText(QRect(coluna.left(), area.bottom() - altura + 1, coluna.width(), altura),
                    Qt::AlignRight | Qt::AlignBottom, QString::number(ate));
}

// Under the y half: a label at the centre of the columns of every few generations.
void TMapaCalor::PintaEixoGeracoes(QPainter& pintor, const QRect& area) const {
    const int ultima = Geracoes() - 1;
    const int largura = pintor.fontMetrics().horizontalAdvance(QString::number(ultima)) + 16;
    const int passo = PassoEixo(ultima, std::max(2, area.width() / largura));
    const int altura = pintor.fontMetrics().height();
    for (int g = 0; g <= ultima; g += passo) {
        const int x = CentroDaGeracao(g).x();
        pintor.drawLine(x, area.bottom() + 2, x, area.bottom() + 5);
        pintor.drawText(QRect(x - largura / 2, area.bottom() + 6, largura, altura),
                        Qt::AlignHCenter | Qt::AlignTop, QString::number(g));
    }
    pintor.drawText(QRect(2, area.bottom() + 6, MargemEsquerda - 4, altura), Qt::AlignLeft,
                    QStringLiteral("Geração"));
}

// The colour bar, 100 % at the top, with its title above it.
void TMapaCalor::PintaLegenda(QPainter& pintor, const QRect& area) const {
    QLinearGradient escala(area.topLeft(), area.bottomLeft());
    escala.setColorAt(0, CorDaFracao(1));
    escala.setColorAt(0.5, CorDaFracao(0.5));
    escala.setColorAt(1, CorDaFracao(0));
    pintor.fillRect(area, escala);
    const int altura = pintor.fontMetrics().height();
    const int x = area.right() + 4;
    pintor.drawText(QRect(area.left(), 0, MargemDireita, MargemTopo),
                    Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("1s"));
    pintor.drawText(QRect(x, area.top(), 50, altura), Qt::AlignLeft | Qt::AlignTop,
                    QStringLiteral("100%"));
    pintor.drawText(QRect(x, area.center().y() - altura / 2, 50, altura), Qt::AlignLeft,
                    QStringLiteral("50%"));
    pintor.drawText(QRect(x, area.bottom() - altura + 1, 50, altura),
                    Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("0%"));
}

void TMapaCalor::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton)
        Escolhe(evento->position().toPoint());
}

void TMapaCalor::mouseMoveEvent(QMouseEvent* evento) {
    if (evento->buttons() & Qt::LeftButton)
        Escolhe(evento->position().toPoint());
}

// The column under the pointer, the first or the last when it is beside the map.
void TMapaCalor::Escolhe(QPoint ponto) {
    if (Imagem.isNull())
        return;
    const QRect area = Areas().X;
    const int g = (ponto.x() - area.left()) * Geracoes() / std::max(area.width(), 1);
    emit Escolhida(std::clamp(g, 0, Geracoes() - 1));
}
