#pragma once

#include "ArquivoSaida.h"
#include "Execucao.h"

/// The long CSV of each run's trajectory: config, run, seed, evaluations, best_so_far, one row
/// at each improvement of the best so far and one at the run's last evaluation. Each run's rows
/// are written as it arrives, in one record, so that nothing of a run is kept after it and the
/// file always ends after a whole run.
class TEscritaTrajetorias {
public:
    /// Writes the header.
    explicit TEscritaTrajetorias(TArquivoSaida& arquivo);

    /// Writes the run's rows (its Melhoras), numbers as in the experiment CSV.
    void Acrescenta(const TResultadoExecucao& r);

private:
    TArquivoSaida& Arquivo;
};
