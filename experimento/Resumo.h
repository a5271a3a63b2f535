#pragma once

#include "Estatistica.h"
#include "Execucao.h"

#include <cstdint>
#include <string>
#include <vector>

/// The summary of one configuration of an experiment.
struct TLinhaResumo {
    int Configuracao = 0;
    std::int64_t Execucoes = 0;
    std::int64_t Atingiram = 0;  ///< runs that came within the tolerance
    double Taxa = 0;             ///< Atingiram / Execucoes
    TIntervalo Wilson;           ///< 95 % interval of the rate
    TQuartis Melhor1;            ///< of the last generation's best fitness (population 1)
    double MedianaPrimeira = 0;  ///< median first generation within the tolerance; NaN if none
    double PMannWhitney = 0;     ///< best fitness against configuration 1; NaN for it
    double PFisher = 0;          ///< reached counts against configuration 1; NaN for it
};

/// Gathers what the summary needs of each run: its best fitness and when it reached the
/// tolerance, by configuration. Memory grows by a few bytes per run, nothing more.
class TResumo {
public:
    explicit TResumo(int configuracoes);

    void Acrescenta(const TResultadoExecucao& r);

    /// One line per configuration, in their order.
    [[nodiscard]] std::vector<TLinhaResumo> Linhas() const;

private:
    struct TAmostra {
        std::vector<double> Melhor1;
        std::vector<double> Primeira;  ///< of the runs that reached the tolerance
    };
    std::vector<TAmostra> Amostras;
};

/// A summary's number with `algarismos` significant digits as %g writes it ("0.98973",
/// "4.097e-21"), with the given decimal separator.
std::string FormataAlgarismos(double valor, int algarismos, const std::string& separador);
