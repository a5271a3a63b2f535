#pragma once

#include "Configuracao.h"
#include "DistribuicaoTempo.h"
#include "EfeitoA12.h"
#include "Estatistica.h"
#include "Execucao.h"
#include "Intervalos.h"
#include "KruskalWallis.h"
#include "TempoEsperado.h"

#include <cstdint>
#include <string>
#include <vector>

/// The paired tests of two configurations whose runs share their seeds, run i with run i.
/// Pares is 0 and the rest NaN when the seeds are not shared (or no run index is in both).
struct TPareados {
    std::int64_t Pares = 0;             ///< runs of the same index in both
    double PPostosSinalizados = 0;      ///< Wilcoxon signed-rank on the best fitness
    double PMcNemar = 0;                ///< exact McNemar on reached
    double PPostosSinalizadosHolm = 0;  ///< adjusted as the other tests are
    double PMcNemarHolm = 0;
};

/// One target of a configuration's summary, read from its runs' trajectories.
struct TResumoAlvo {
    double Alvo = 0;             ///< the tolerance
    std::int64_t Atingiram = 0;  ///< runs that reached it
    double Taxa = 0;             ///< Atingiram / runs
    TIntervalo Wilson;           ///< 95 % interval of the rate
    /// Expected running time to it: the evaluations of all runs, each counted up to its first
    /// reach or, for a run that never reached, all it spent, over Atingiram; Inf for none.
    double ERT = 0;
};

/// One budget of a configuration's summary: the quartiles of its runs' best so far there
/// (NaN when the budget is below their generation 0).
struct TResumoOrcamento {
    std::int64_t Orcamento = 0;  ///< in evaluations
    TQuartis Melhor;
};

/// The summary of one configuration of an experiment.
struct TLinhaResumo {
    int Configuracao = 0;
    std::int64_t Execucoes = 0;
    std::int64_t Atingiram = 0;      ///< runs that came within the tolerance
    double Taxa = 0;                 ///< Atingiram / Execucoes
    TIntervalo Wilson;               ///< 95 % interval of the rate
    TQuartis Melhor1;                ///< of the last generation's best fitness (population 1)
    double MedianaPrimeira = 0;      ///< median first generation within the tolerance; NaN if none
    double PMannWhitney = 0;         ///< best fitness against configuration 1; NaN for it
    double PFisher = 0;              ///< reached counts against configuration 1; NaN for it
    TTempoEsperado ERT;              ///< in evaluations, with its bootstrap percentiles
    TA12 A12;                        ///< best fitness against configuration 1; NaN for it
    double PMannWhitneyHolm = 0;     ///< PMannWhitney adjusted over configurations 2 on
    double PFisherHolm = 0;          ///< PFisher adjusted over configurations 2 on
    TIntervalo ERTIntervalo;         ///< 95 % bootstrap interval of ERT.Valor
    TDiferencaTaxas Diferenca;       ///< the rate minus configuration 1's; NaN for it
    TIntervalo A12Intervalo;         ///< of A12; NaN for configuration 1
    TPareados Pareados;              ///< against configuration 1; NaN for it
    std::vector<TResumoAlvo> Alvos;  ///< by the experiment's target
    std::vector<TResumoOrcamento> Orcamentos;  ///< by the experiment's budget
};

/// Configuration `Configuracao` against an earlier one, `Contra`: the same tests as against
/// configuration 1, with Holm's adjustment over every pair.
struct TLinhaPar {
    int Configuracao = 0;
    int Contra = 0;
    double PMannWhitney = 0;
    double PFisher = 0;
    TA12 A12;
    double PMannWhitneyHolm = 0;
    double PFisherHolm = 0;
    TDiferencaTaxas Diferenca;
    TIntervalo A12Intervalo;
    TPareados Pareados;
};

/// Gathers what the summary needs of each run: its best fitness and when it reached the
/// tolerance, by configuration, and its number for the paired tests. Memory grows by 16 bytes
/// and a bit per run, 8 bytes per run and target it reached and 8 per run and budget, nothing
/// more.
class TResumo {
public:
    /// The experiment's configurations, in order: their population sizes turn generations into
    /// evaluations; its targets, whose evaluations every run then gives, and its budgets, whose
    /// best so far every run then gives.
    explicit TResumo(const std::vector<TConfiguracao>& configuracoes,
                     const std::vector<double>& alvos = {},
                     const std::vector<std::int64_t>& orcamentos = {});

    /// Runs come in index order (configuration, then run), as experiments hand them over and
    /// as experiment CSVs are read back; the bootstrap of each configuration draws from its
    /// runs in that order, seeded with its base seed (a run's seed minus its number).
    void Acrescenta(const TResultadoExecucao& r);

    /// One line per configuration, in their order.
    [[nodiscard]] std::vector<TLinhaResumo> Linhas() const;
    /// Every pair of configurations that both have runs, by Contra and then by Configuracao: 2
    /// against 1, 3 against 1, ..., 3 against 2, ... A pair with no runs on one side has nothing
    /// to compare, so the work follows the configurations present, not the ones planned.
    [[nodiscard]] std::vector<TLinhaPar> Pares() const;
    /// Of the last generation's best fitness across the configurations.
    [[nodiscard]] TKruskalWallis KruskalWallis() const;
    /// The run-time distribution of each configuration, in evaluations.
    [[nodiscard]] std::vector<std::vector<TPontoDistribuicao>> Distribuicoes() const;
    /// The experiment's targets.
    [[nodiscard]] const std::vector<double>& Alvos() const { return ListaAlvos; }
    /// By configuration, the run-time distribution to each target, in their order, and last the
    /// one over all of them: the share of its (run, target) pairs reached by each number of
    /// evaluations, as COCO's and IOHanalyzer's ECDFs aggregate targets.
    [[nodiscard]] std::vector<std::vector<std::vector<TPontoDistribuicao>>> DistribuicoesAlvos()
        const;

private:
    struct TAmostra {
        int TamPop = 0;
        std::uint32_t SementeBase = 0;
        std::vector<double> Melhor1;
        std::vector<std::int32_t> Primeira;  ///< of the runs that reached the tolerance
        std::vector<std::int32_t> Falhas;    ///< last generation of the runs that did not
        std::vector<std::int32_t> Execucao;  ///< each run's number, ascending
        std::vector<bool> Atingiu;           ///< each run's reached
        /// By target: the evaluations at which the runs that reached it did.
        std::vector<std::vector<std::int64_t>> SucessosAlvo;
        std::vector<std::int64_t> AvaliacoesAlvo;  ///< by target: the evaluations ERT sums
        /// By budget: the runs' best so far there, of those whose generation 0 it holds.
        std::vector<std::vector<double>> MelhoresOrcamento;
        [[nodiscard]] std::int64_t Execucoes() const;
        /// The evaluations of runs that stopped (or first reached) at these generations.
        [[nodiscard]] std::vector<std::int64_t> Avaliacoes(
            const std::vector<std::int32_t>& geracoes) const;
    };
    struct TComparacao {
        double PMannWhitney = 0;
        double PFisher = 0;
        TA12 A12;
        TDiferencaTaxas Diferenca;
        TIntervalo A12Intervalo;
        TPareados Pareados;
    };
    /// `a` against `b`, given their best fitness sorted (Ordenados), which the rank measures
    /// take as they are.
    [[nodiscard]] static TComparacao Compara(const TAmostra& a, const TAmostra& b,
                                             const std::vector<double>& ordenadosA,
                                             const std::vector<double>& ordenadosB);
    /// Each configuration's best fitness, sorted ascending: once for all its comparisons.
    [[nodiscard]] std::vector<std::vector<double>> Ordenados() const;
    [[nodiscard]] static TPareados ComparaPareados(const TAmostra& a, const TAmostra& b);

    std::vector<TAmostra> Amostras;
    std::vector<double> ListaAlvos;
    std::vector<std::int64_t> Orcamentos;
};

/// A summary's number with `algarismos` significant digits as %g writes it ("0.98973",
/// "4.097e-21"), with the given decimal separator.
std::string FormataAlgarismos(double valor, int algarismos, const std::string& separador);
/// A number with `casas` decimals ("1.040"), with the given decimal separator.
std::string FormataDecimais(double valor, int casas, const std::string& separador);
