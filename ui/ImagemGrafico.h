#pragma once

// Pictures of the window's parts for slides and documents: a widget as the screen shows it
// (a chart, for example), saved as PNG at the screen's pixel ratio or as SVG drawn by the
// widget's own paint code, or copied to the clipboard. Files are written whole or not at
// all: a failed write leaves an existing file as it was.

#include <QImage>
#include <QString>

#include <functional>

class QWidget;

/// The widget as the screen shows it, in device pixels (its device pixel ratio is set).
QImage ImagemDoWidget(QWidget& widget);

/// Writes the picture as PNG. On failure returns false and says why in `erro`.
bool GravaPng(const QImage& imagem, const QString& caminho, QString& erro);

/// Writes the widget as SVG, in its logical size, with the given title. On failure returns
/// false and says why in `erro`.
bool GravaSvg(QWidget& widget, const QString& caminho, const QString& titulo, QString& erro);

/// Puts the picture on the clipboard.
void CopiaImagem(const QImage& imagem);

/// The file format a picture is saved in: its file filter and suffix.
enum class TFormatoImagem { Png, Svg };

/// Asks for a file name in a save dialog over `janela`, proposing `nome` in the user's
/// pictures folder, and writes it with `grava`; a failure is shown in a warning box.
void SalvaImagemComo(QWidget& janela, const QString& nome, TFormatoImagem formato,
                     const std::function<bool(const QString& caminho, QString& erro)>& grava);

/// Saves the picture as PNG, asking for the file name over `janela` with `nome` proposed.
void SalvaPngComo(QWidget& janela, const QImage& imagem, const QString& nome);

/// Saves the widget as it shows now, as PNG at the screen's pixel ratio or as SVG, asking for
/// the file name over `janela` with `nome` (without its suffix) proposed.
void SalvaWidgetComo(QWidget& janela, QWidget& widget, const QString& nome, TFormatoImagem formato);
