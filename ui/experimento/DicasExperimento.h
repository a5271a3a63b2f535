#pragma once

class QWidget;

/// Gives each control of the page "Experimento" its one-line explanation, as a GA teacher
/// would put it, in the status line and as its tooltip. The chart and the summary table keep
/// their own, richer tooltips (the chosen view; each column and each line), the chart all of
/// its own.
void DaDicasExperimento(QWidget& janela);
