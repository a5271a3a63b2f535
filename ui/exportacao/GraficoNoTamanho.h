#pragma once

// The fitness chart, or any chart widget, laid out again at the size of a picture instead of
// enlarged from the screen: text and lines are drawn at the picture's resolution.

#include <QImage>
#include <QSize>

#include <memory>

class QPainter;
class QWidget;
class TChart;
class TCursorGrafico;

/// The widget drawn into a picture of `pixels`: for a moment it takes the size, in window
/// pixels, that the picture stands for (EscalaImagem), is painted into the picture, and gets
/// its own size back before anything reaches the screen.
QImage ImagemNoTamanho(QWidget& widget, QSize pixels);

/// A copy of the fitness chart that the screen never shows, with the replay's cursor, to
/// draw a movie's frames at any size while the window's chart goes on with its own life.
class TGraficoForaDaTela {
public:
    /// Copies the points and labels the chart holds now.
    explicit TGraficoForaDaTela(const TChart& modelo);
    ~TGraficoForaDaTela();
    TGraficoForaDaTela(const TGraficoForaDaTela&) = delete;
    TGraficoForaDaTela& operator=(const TGraficoForaDaTela&) = delete;

    /// Lays the copy out for pictures of `pixels`.
    void DefineTamanho(QSize pixels);
    /// The chart with its cursor on generation g, in a picture of the size set.
    [[nodiscard]] QImage Imagem(int geracao);

private:
    std::unique_ptr<TChart> Grafico;
    TCursorGrafico* Cursor;
    QSize Pixels;
};
