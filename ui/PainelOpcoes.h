#pragma once

// The parameter panel as the table of options describes it: its spin edits' ranges, steps and
// start values, and the interlocks between its controls.

struct TConfiguracao;
class QWidget;

/// Gives each spin edit of the panel (the tolerance's arrows included) its range, step and
/// start value. Called before the handlers are connected: no rule runs for these values.
void AplicaFaixas(QWidget& painel);

/// Applies the interlocks: each lock whose option has its value sets the controls it fixes
/// (lists by a programmatic selection, which raises no handler) and disables them; a control
/// that no holding lock fixes is enabled again, with the value it has. The locks go in their
/// table's order, so one may set what the next reads.
void AplicaTravas(QWidget& painel);

/// After a change of the option `nome`'s control: every spin edit whose maximum follows that
/// option takes its value as maximum and goes back to its start value.
void SegueMaximo(QWidget& painel, const char* nome);

/// Sets every control of the panel to the configuration's value: the bounds that follow
/// another option once that option holds its value (raised to it where the value needs, as
/// if that option had been changed), the tolerance's arrows to its nearest hundredth without
/// writing over its text, and the interlocks last.
void PoeConfiguracao(QWidget& painel, const TConfiguracao& c);
