#pragma once

#include "ArquivoSaida.h"
#include "Experimento.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

/// An experiment's runs in IOHprofiler's data format, so that IOHanalyzer loads the folder as
/// it is: F6 as function 6 of the suite 'Quivora', in two dimensions, maximised, each
/// configuration an algorithm of its own. The folder holds IOHprofiler_f6_F6.info, with a block
/// of three lines per configuration, and data_f6_F6/ with one .dat file per configuration,
/// where each run is a header line and its best so far at each improvement and at its last
/// evaluation. Runs arrive configuration by configuration and are written as they arrive.
class TEscritaIoh {
public:
    /// Creates the folder (absent or empty, as PastaIohRecusada checks) and the .info file.
    /// Throws EGravacao.
    TEscritaIoh(const std::string& pasta, const TPlanoExperimento& plano);

    /// Writes the run's lines, starting its configuration's block and .dat file when it is the
    /// first run of that configuration.
    void Acrescenta(const TResultadoExecucao& r);
    /// Ends the last block and closes the files.
    void Conclui();

private:
    void ComecaConfiguracao(int configuracao);
    void ConcluiConfiguracao();

    std::string Pasta;
    std::vector<std::string> Rotulos;  ///< what sets each configuration apart
    TArquivoSaida Info;
    std::unique_ptr<TArquivoSaida> Dat;  ///< the current configuration's
    int Configuracao = 0;
};

/// Why `pasta` cannot take --ioh's files (it holds something, or is no folder), or nothing.
std::optional<std::string> PastaIohRecusada(const std::string& pasta);
