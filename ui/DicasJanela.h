#pragma once

class QMainWindow;
class QString;
class QWidget;

/// Gives a control its one-line explanation: in the status line (its status tip) and as its
/// tooltip.
void Dica(QWidget& controle, const QString& texto);

/// Gives the window's controls their one-line explanations, as a GA teacher would put them:
/// each control of the parameter panel with its caption, the plot type, the view buttons,
/// the run button, the tabs of the pages and the controls of the page "Experimento". Each shows in
/// the status line (as the control's status tip, which the window's hint handler writes there) and
/// as the control's tooltip. A list explains the choice it shows, and each item of its open list
/// its own choice. The panel's options take theirs from the table of options.
void DaDicas(QMainWindow& janela);
