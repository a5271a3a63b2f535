#pragma once

// The genetic-algorithm engine. It maximises Schaffer's F6 over the integer points of a
// square interval, evolving bit-string chromosomes; it uses nothing but the standard library.
//
// Pieces and their names:
//   TParametros   - the run parameters, a snapshot of the panel (Parametros.h)
//   TCromossomo   - one individual: its genes (bits), decoded point X, Y and fitness values
//   Populacao     - the current generation (TPopulacao), slots 1..TamPop
//   Descendencia  - this generation's children (TDescendencia), slots 1..2 * NumPares
//   Elite         - the store of the best individual (TElite), slot 1
//   Geracao       - the number of the generation being produced or last evaluated
//   MelhorGer1/2  - best fitness of each generation, population 1 (x) and 2 (y)
//   MediaGer1/2   - average fitness of each generation
//   MelhorXGer/YGer - coordinates of each generation's best individual
//   NumPares      - number of parent pairs that mate in this generation
//   Pai1X, Pai2X, Pai1Y, Pai2Y - the parents of each pair, as population slots
//   TAleatorio    - the one random generator (Aleatorio.h)
//   TDecodificacao - a half's genes into the integer X or Y (Decodificacao.h)
//   TConfiguracaoAG - everything a run reads besides its seed (ConfiguracaoAG.h)
//   TObservadorAG - whoever runs it: report lines and evaluated generations out, go on or stop
//                   in; TResultadoAG, how the run ended (ObservadorAG.h)
//   TRegistroGeracao - a generation's work, for an observer that asks for it (Registro.h)
//
// The operations, in the order a generation runs them: InicializaPop (random population),
// AvaliaPop (decode, score, record, scale, report), SelecionaPais (parents), CruzaPais
// (children), MutaDesc (mutation of the children), SubstituiPop (children into the population,
// elite into slot 1). Executa is the whole run: a function of its configuration and its seed.

#include "Aleatorio.h"
#include "ConfiguracaoAG.h"
#include "Cromossomo.h"
#include "Decodificacao.h"
#include "F6.h"
#include "ObservadorAG.h"
#include "Registro.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

/// The tables of one run, indexed by generation 0..1000.
using TTabelaReal = std::array<double, MaxGeracoes + 1>;
using TTabelaInteira = std::array<std::int32_t, MaxGeracoes + 1>;
/// Parent lists, positions 1..100.
using TListaPais = std::array<std::int32_t, MaxIndividuos / 2 + 1>;

/// The engine state and its operations. A run depends only on its configuration and seed: it
/// starts from scratch, and the engine keeps its storage from run to run only to reuse it.
/// The state is public for the tests, which set it up directly and call single operations;
/// everyone else learns of a run through its observer and its result.
class TMotorAG {
public:
    /// The whole run, from generation 0 to the stop criterion, the generation limit or the
    /// observer's stop, told to `observador` as it goes.
    TResultadoAG Executa(const TConfiguracaoAG& config, std::uint32_t semente,
                         TObservadorAG& observador);

    /// Creates `Populacao` with `count` random individuals (and `Elite` with elitism),
    /// seeding the generator with the run's `Semente`.
    void InicializaPop(int count);
    /// Scores slots 1..count for generation `Geracao` and appends the best individual's line.
    void AvaliaPop(int count);
    /// Chooses `NumPares` parent pairs by roulette ("Roleta") or tournament ("Torneio").
    void SelecionaPais(TTipoSel tipoSel, int taxaCruz);
    /// Builds 2 * `NumPares` children into a new `Descendencia`.
    void CruzaPais(TTipoCruz tipoCruz, int taxaCruz);
    /// Mutates the children in place.
    void MutaDesc(TTipoMut tipoMut, int taxaMut);
    /// Moves the children into the population and, with elitism, the elite into slot 1.
    void SubstituiPop(TTipoSubs tipoSubs);

    TConfiguracaoAG Param;
    std::uint32_t Semente = 0;  ///< the seed of the current run
    std::unique_ptr<TPopulacao> Populacao;
    std::unique_ptr<TDescendencia> Descendencia;
    std::unique_ptr<TElite> Elite;

    TTabelaReal MelhorGer1{};
    TTabelaReal MelhorGer2{};
    TTabelaReal MediaGer1{};
    TTabelaReal MediaGer2{};
    TTabelaInteira MelhorXGer{};
    TTabelaInteira MelhorYGer{};
    std::int32_t Geracao = 0;

    std::int32_t NumPares = 0;
    TListaPais Pai1X{};
    TListaPais Pai2X{};
    TListaPais Pai1Y{};
    TListaPais Pai2Y{};

    TAleatorio Aleatorio;
    /// Where report lines and generations go: the run's observer, else one that wants nothing.
    TObservadorAG* Observador;
    /// Where the current generation's work is recorded: the observer's storage, or nullptr.
    TRegistroGeracao* Registro = nullptr;
    bool Relata = false;  ///< the observer takes the report's lines

    TMotorAG();

private:
    void ReiniciaTabelas();
    void EscreveCabecalho();
    void PassoGeracao();
    [[nodiscard]] TContinuacao Avaliada();
    void ComecaRegistro();
    [[nodiscard]] TDadosGeracao DadosDaGeracao() const;
    [[nodiscard]] TResultadoAG Resultado(TMotivoFim motivo) const;
    void RegistraPopulacao(const TPosicoes& genesSlot1, bool slot1EhElite);

    void DecodificaEPontua(TCromossomo& c, bool paralelo);
    void AtualizaElite();
    void Escalona(bool paralelo, int count);
    void EscreveLinhaMelhor(bool paralelo);
    void EscolheRoleta(bool paralelo);
    void EscolheTorneio(bool paralelo);

    // Chromosomes that no slot refers to any more are kept here and handed out again as new
    // ones, instead of being freed and allocated anew in every generation.
    PCromossomo NovoCromossomo();
    void Solta(PCromossomo& slot);
    void Aponta(PCromossomo& slot, const PCromossomo& cromossomo);
    void NovaDescendencia(int filhos);

    TTabelaF6 TabelaF6;
    TDecodificacao Decodificacao;
    std::vector<PCromossomo> Livres;
    // What a reused chromosome is cleared to. Copied from here rather than zeroed in place:
    // the compiler clears a zero it knows of with a slow-starting string instruction, and
    // copies this one, whose value it cannot see at the copy, with a few vector moves.
    const TCromossomo Vazio{};
    double MelhorAteAgora1 = 0;  // the highest MelhorGer1 of the run so far
    double MelhorAteAgora2 = 0;
};
