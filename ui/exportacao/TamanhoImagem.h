#pragma once

// The sizes offered for pictures and movies, and how a view is drawn at any of them.

#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

/// The sizes offered besides the view's own: HD, Full HD and 4K, for slides and screens.
const QList<QSize>& TamanhosPadrao();

/// "1920 × 1080".
QString TextoTamanho(QSize tamanho);

/// The largest side a typed size may have.
inline constexpr int LadoMaximo = 7680;

/// How many picture pixels stand for one window pixel when a view is drawn `pixels` high:
/// the picture is drawn as a screen whose height in window pixels is the 3D view's designed
/// 300 (never less than 1), so text, points and lines keep the proportions they have in the
/// window, only sharper.
qreal EscalaImagem(QSize pixels);

/// Asks for a size in a small dialog over `janela`, starting from `inicial`; even sides only
/// when `par` (for movies). Empty when the user gives up.
QSize PedeTamanho(QWidget& janela, QSize inicial, bool par);

/// Fills `menu` with the sizes: as on the screen (an empty QSize), the standard ones and one
/// typed by the user in a dialog over `janela`; `escolhido` gets the chosen one.
void AcrescentaTamanhos(QMenu& menu, QWidget& janela, const std::function<void(QSize)>& escolhido);
