#pragma once

// How one option's text is read, by the kind of its row in the table of options: the checks
// are the panel's own (its spin edits' ranges and steps, its lists' items), and each refusal
// is one line naming the option and what it accepts.

#include "Configuracao.h"

#include <string>

/// A whole number within `faixa` (its step counted from the minimum).
int LeInteiro(const std::string& opcao, const std::string& texto, const TFaixa& faixa);

/// One of the row's items, except the one the panel refuses (with the row's message).
std::string LeItem(const TOpcaoExecucao& linha, const std::string& texto);

/// "on" or "off".
bool LeChave(const std::string& opcao, const std::string& texto);

/// The tolerance text in the configuration's decimal notation: read with the given separator,
/// or else with a decimal point or a decimal comma (the number format groups no digits, so
/// neither mark can mean anything else), so that a command reads the same under any locale.
/// A text that reads in none is kept as it is, for the run's own conversion message.
std::string NaNotacao(const std::string& texto, const std::string& separador);
