#pragma once

#include "Configuracao.h"

#include <string>
#include <vector>

/// One varied option and the values it takes, in the order given.
struct TEixo {
    const TOpcaoExecucao* Opcao = nullptr;
    std::vector<std::string> Valores;
};

/// The most configurations an experiment may have.
inline constexpr std::size_t MaxConfiguracoes = 10000;

/// Splits a list of whole numbers as --vary splits one: at commas, or at semicolons when the
/// list holds one.
std::vector<std::string> DivideLista(const std::string& lista);

/// Splits a list of tolerances as --vary splits a tolerance's values: at commas, or at
/// semicolons when the list holds one; under the decimal separator "," a list without a
/// semicolon nor a decimal point is one value.
std::vector<std::string> DivideTolerancias(const std::string& lista,
                                           const std::string& separadorDecimal);

/// Reads a variation "NAME=V1,V2,...": NAME is a run option without its dashes. The values are
/// split at commas, or at semicolons when the list holds one; tolerances under the decimal
/// separator "," without a semicolon are one value unless written with decimal points, so
/// that "tolerance=0,01;0,05", "tolerance=0,05" and "tolerance=0.01,0.05" read as written. Throws
/// EOpcaoInvalida for an unknown name or an empty list; the values themselves are checked by
/// Configuracoes.
TEixo LeEixo(const std::string& texto, const std::string& separadorDecimal);

/// The Cartesian product of the axes over the base configuration, the first axis varying
/// slowest. A tournament size is applied after the other values, so that it is checked against
/// its own configuration's population. Every configuration passes ConfereTravas and
/// ConfereTolerancia; when one fails, the message names it ("configuration 3 (pop=10
/// selection=Torneio): ...") if there is more than one. No axis may give one value twice.
/// Throws EOpcaoInvalida; a tolerance text that does not convert is left to the run.
std::vector<TConfiguracao> Configuracoes(const TConfiguracao& base,
                                         const std::vector<TEixo>& eixos);

/// What sets each configuration apart from the others: "name=value" (as the option takes it,
/// the tolerance with the given decimal separator) for every option whose value is not the
/// same in all of them, in the options' order, joined by blanks; "-" when none differs.
/// The tolerance texts must convert.
std::vector<std::string> RotulosVariacao(const std::vector<TConfiguracao>& configuracoes,
                                         const std::string& separador);
