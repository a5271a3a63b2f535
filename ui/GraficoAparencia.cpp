#include "GraficoAparencia.h"

#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QLinearGradient>
#include <QLogValueAxis>
#include <QPen>
#include <QValueAxis>

namespace {

const QColor Agua(0, 255, 255);
const QColor LinhaEixo(128, 128, 255);
const QColor Cinza(128, 128, 128);
const QColor GradeInferior(128, 128, 192);

// Stands in for Arial, with the same metrics.
const QString Familia = QStringLiteral("Liberation Sans");

QFont FonteGrafico(int pixels, bool negrito) {
    QFont fonte(Familia);
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

// Ticks between two labels.
constexpr int MarcasMenores = 3;

void ConfiguraEixo(QAbstractAxis& eixo, const QColor& corGrade) {
    // TMarcasEixos draws the line together with the ticks, which QtCharts hides with it.
    eixo.setLineVisible(false);
    eixo.setGridLinePen(QPen(corGrade, 1, Qt::DotLine));
    eixo.setLabelsFont(FonteRotulosEixo());
    eixo.setLabelsBrush(Agua);
    eixo.setShadesVisible(false);
    eixo.setTruncateLabels(false);
}

// A bottom axis that QtCharts draws with its line, in the bottom axis's pen.
void ConfiguraEixoInferiorProprio(QAbstractAxis& eixo) {
    ConfiguraEixo(eixo, GradeInferior);
    eixo.setLineVisible(true);
    eixo.setLinePen(MarcasEixoInferior().Linha);
}

}  // namespace

QFont FonteRotulosEixo() {
    return FonteGrafico(8, false);
}

QFont FonteLegenda() {
    QFont fonte(Familia);
    fonte.setPointSize(8);
    return fonte;
}

void ConfiguraGrafico(QChart& grafico) {
    QLinearGradient gradiente(0, 0, 0, 1);
    gradiente.setCoordinateMode(QGradient::ObjectMode);
    gradiente.setColorAt(0, Qt::black);
    gradiente.setColorAt(1, QColor(0, 0, 160));
    grafico.setBackgroundBrush(gradiente);
    grafico.setBackgroundPen(Qt::NoPen);
    grafico.setBackgroundRoundness(0);
    grafico.setDropShadowEnabled(false);
    grafico.setPlotAreaBackgroundVisible(false);
    grafico.setAnimationOptions(QChart::NoAnimation);
    grafico.setLocalizeNumbers(true);
}

QLineSeries* CriaSerie(const QString& titulo, const QColor& cor, bool pontilhada) {
    auto* serie = new QLineSeries;
    serie->setName(titulo);
    serie->setPen(pontilhada ? QPen(cor, 1, Qt::DotLine) : QPen(cor, 2));
    serie->setPointsVisible(false);
    serie->setPointLabelsVisible(false);
    // The OpenGL path draws every pen solid, and a second OpenGL surface next to the 3D
    // view's native window is not safe; the raster path is fast enough for 1000 points.
    serie->setUseOpenGL(false);
    return serie;
}

void TitulaEixo(QAbstractAxis& eixo, const QString& titulo) {
    eixo.setTitleText(titulo);
    eixo.setTitleFont(FonteGrafico(11, true));
    eixo.setTitleBrush(Agua);
}

QValueAxis* CriaEixoEsquerdo() {
    auto* eixo = new QValueAxis;
    ConfiguraEixo(*eixo, Cinza);
    eixo->setRange(0, 1);
    eixo->setTickCount(11);
    eixo->setMinorTickCount(MarcasMenores);
    eixo->setMinorGridLineVisible(false);
    // The pattern "#,##0.###" (at most three decimals, no trailing zeros, the locale's
    // separators) writes the tenths of 0..1 as three significant digits do.
    eixo->setLabelFormat(QStringLiteral("%.3g"));
    return eixo;
}

QCategoryAxis* CriaEixoInferior() {
    auto* eixo = new QCategoryAxis;
    ConfiguraEixo(*eixo, GradeInferior);
    eixo->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    eixo->setMinorTickCount(MarcasMenores);
    eixo->setMinorGridLineVisible(false);
    TitulaEixo(*eixo, QStringLiteral("Geração"));
    return eixo;
}

TAparenciaMarcas MarcasEixoEsquerdo() {
    return {QPen(LinhaEixo, 2), Cinza, 4, Cinza, 2};
}

TAparenciaMarcas MarcasEixoInferior() {
    return {QPen(LinhaEixo, 2), LinhaEixo, 4, GradeInferior, 2};
}

QValueAxis* CriaEixoGeracoes() {
    auto* eixo = new QValueAxis;
    ConfiguraEixoInferiorProprio(*eixo);
    eixo->setTickType(QValueAxis::TicksDynamic);
    eixo->setTickAnchor(0);
    eixo->setLabelFormat(QStringLiteral("%.0f"));
    return eixo;
}

QLogValueAxis* CriaEixoAvaliacoes() {
    auto* eixo = new QLogValueAxis;
    ConfiguraEixoInferiorProprio(*eixo);
    eixo->setBase(10);
    eixo->setMinorTickCount(-1);
    eixo->setMinorGridLineVisible(false);
    eixo->setLabelFormat(QStringLiteral("%.0f"));
    return eixo;
}

QBarCategoryAxis* CriaEixoCategorias() {
    auto* eixo = new QBarCategoryAxis;
    ConfiguraEixoInferiorProprio(*eixo);
    eixo->setGridLineVisible(false);
    return eixo;
}
