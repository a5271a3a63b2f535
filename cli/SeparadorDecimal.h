#pragma once

#include <functional>
#include <string>
#include <string_view>

/// The decimal separator (UTF-8) of the locale named `nome` ("pt_BR.UTF-8", "de_CH", "C"), as
/// the window's Qt gives it for that name: the language code with an optional script and
/// territory, any codeset or modifier ignored, "." for "C", "POSIX" and unknown languages.
std::string SeparadorDoNome(std::string_view nome);

/// The name of the locale that numbers follow in an environment: LC_ALL, else LC_NUMERIC,
/// else LANG, else "C" (a variable set to nothing counts as unset). `variavel` gives a
/// variable's value, or nullptr when it is not set.
std::string NomeLocalNumerico(const std::function<const char*(const char*)>& variavel);

/// The decimal separator of this process's environment, as the window's
/// QLocale::system().decimalPoint() gives it, without loading Qt.
std::string SeparadorDoAmbiente();
