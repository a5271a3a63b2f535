#pragma once

// A run's configuration and its written form. The same option names serve quivora-run's
// options ("--pop 50"), the experiment's variations ("--vary pop=30,50"), the experiment CSV's
// columns and the command that repeats an experiment; the checks below are the panel's
// ranges, steps and interlocks, so no front end can run what the panel would not.

#include "Parametros.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

/// Everything a run reads besides its seed: the panel's values (the tolerance still as text)
/// and the three check boxes and the tournament size, which the run reads from its owner.
struct TConfiguracao {
    TPainel Painel;
    bool Elitismo = false;
    bool Escalonamento = true;
    bool Paralelo = false;
    int Torneio = 2;
};

/// The panel's start values; the tolerance text is written with the given decimal separator.
TConfiguracao ConfiguracaoPadrao(const std::string& separadorDecimal);

/// An option value (or combination) that the panel would never allow. what() is one line,
/// naming the option and what it accepts.
class EOpcaoInvalida : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// How an option's value is written.
enum class TTipoOpcao {
    Numero,      ///< a whole number in the range and step of its spin edit
    Item,        ///< one of its list's captions
    Tolerancia,  ///< the tolerance text, with the configuration's separator, '.' or ','
    Chave,       ///< a check box: "on" or "off"
};

/// One run option: its name (without dashes), its CSV column, and how a configuration takes
/// its text (throwing EOpcaoInvalida) and writes it back as the experiment CSV does.
struct TOpcaoExecucao {
    std::string Nome;
    std::string Coluna;
    TTipoOpcao Tipo;
    std::function<void(TConfiguracao&, const std::string&)> Le;
    std::function<std::string(const TConfiguracao&)> Escreve;
};

/// The run options in the order of the experiment CSV's parameter columns.
const std::vector<TOpcaoExecucao>& OpcoesExecucao();

/// The option called `nome`, or nullptr.
const TOpcaoExecucao* ProcuraOpcao(const std::string& nome);

/// Sets option `nome` from its text (switches from "on"/"off"); "tournament" is checked
/// against the population size the configuration holds now. Throws EOpcaoInvalida.
void AplicaOpcao(TConfiguracao& c, const std::string& nome, const std::string& valor);

/// The checks that need the whole configuration: the tournament size within the population,
/// and the locks of "Imediata" (rate 100) and of the parallel mode ("1 ponto", "Imediata",
/// rate 100). Throws EOpcaoInvalida.
void ConfereTravas(const TConfiguracao& c);

/// The option's value as the experiment CSV writes it: whole numbers and captions as they
/// are, the tolerance as a number with a '.' decimal point, switches as 1 or 0.
/// The tolerance text must convert (see Diferenca).
std::string ValorColuna(const TConfiguracao& c, const TOpcaoExecucao& opcao);

/// The option's value as an option takes it: the tolerance with the given decimal separator,
/// switches as "on"/"off", everything else as ValorColuna.
std::string ValorOpcao(const TConfiguracao& c, const TOpcaoExecucao& opcao,
                       const std::string& separador);

/// The tolerance as the run converts it. Throws EConversao, with the run's own message, when
/// the text is not a number in the configuration's decimal notation.
double Diferenca(const TConfiguracao& c);
