#pragma once

// A run's configuration and its written form. The same option names serve quivora-run's
// options ("--pop 50"), the experiment's variations ("--vary pop=30,50"), the experiment CSV's
// columns and the command that repeats an experiment; the checks below are the panel's
// ranges, steps and interlocks, so no front end can run what the panel would not.

#include "Parametros.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
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

/// A spin edit's range, step and start value.
struct TFaixa {
    int Minimo = 0;
    int Maximo = 0;
    int Passo = 1;
    int Inicial = 0;
};

/// One option of the panel, as every front end sees it: the window (its control, caption,
/// range, list items and hints), quivora-run (its name, flag and --help line), the experiment
/// CSV (its column) and the checks. The rows live in TabelaOpcoes.cpp.
struct TOpcaoExecucao {
    std::string Nome{};    ///< without dashes: "--pop", "--vary pop=..."
    std::string Coluna{};  ///< the experiment CSV's column
    TTipoOpcao Tipo = TTipoOpcao::Numero;
    std::string Controle{};  ///< the panel's control
    std::string Rotulo{};    ///< the label in front of it; empty for a check box or none
    std::string Legenda{};   ///< the label's or the check box's caption
    /// Numero: the spin edit's; Tolerancia: its arrows' (SpinEdit1), in hundredths.
    TFaixa Faixa{};
    /// Numero: the option whose value bounds this one's maximum on the command line always,
    /// and in the window once that option's control has changed; empty when none.
    std::string MaximoSegue{};
    std::vector<std::string> Itens{};       ///< Item: the list's items, in the panel's order
    std::string NaoImplementado{};          ///< Item: an item the panel offers but refuses
    std::string Recusa{};                   ///< ... with this message
    std::string Padrao{};                   ///< start value, as the option takes it
    std::string Dica{};                     ///< the hint; for a list, the hint of its caption
    std::vector<std::string> DicasItens{};  ///< Item: each item's hint
    std::string Setas{};                    ///< Tolerancia: the arrows' spin edit
    std::string DicaSetas{};                ///< ... and its hint
    std::string Bandeira{};                 ///< Chave: the flag that turns it from its start value
    std::string Ajuda{};                    ///< what --help says of it, before the values it takes
    std::string NotaAjuda{};                ///< ... and after them, if anything
    /// Takes the option's text into a configuration (throwing EOpcaoInvalida) and writes it
    /// back as the experiment CSV does.
    std::function<void(TConfiguracao&, const std::string&)> Le{};
    std::function<std::string(const TConfiguracao&)> Escreve{};

    /// The command-line flag: "--" and the name.
    [[nodiscard]] std::string Opcao() const { return "--" + Nome; }
};

/// An interlock of the panel: while option `Opcao` has value `Valor` (as the option takes
/// it), each option of `Fixa` holds its value. The window sets those values and disables their
/// controls; quivora-run and the CSV readers refuse a configuration that breaks it.
struct TTrava {
    std::string Opcao;
    std::string Valor;
    std::vector<std::pair<std::string, std::string>> Fixa;
};

/// The interlocks, in the order the window applies them (one may set what the next reads).
const std::vector<TTrava>& Travas();

/// The run options in the order of the experiment CSV's parameter columns.
const std::vector<TOpcaoExecucao>& OpcoesExecucao();

/// The option called `nome`, or nullptr.
const TOpcaoExecucao* ProcuraOpcao(const std::string& nome);

/// Sets option `nome` from its text (switches from "on"/"off"); "tournament" is checked
/// against the population size the configuration holds now. Throws EOpcaoInvalida.
void AplicaOpcao(TConfiguracao& c, const std::string& nome, const std::string& valor);

/// The checks that need the whole configuration: the bounds that follow another option (the
/// tournament size within the population) and the interlocks (Travas). Throws EOpcaoInvalida.
void ConfereTravas(const TConfiguracao& c);

/// quivora-run's own check of the tolerance: a text that converts must be at least 0 and
/// below 1, or every run would count as reaching the optimum at generation 0. The window
/// runs whatever its edit holds, and the CSV readers read what it wrote. Throws
/// EOpcaoInvalida; a text that does not convert is left to the run's conversion error.
void ConfereTolerancia(const TConfiguracao& c);

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
