#pragma once

#include "ArquivoSaida.h"
#include "OpcoesLinha.h"

#include <cstdint>
#include <memory>
#include <optional>

/// The files an experiment or a summary writes, each closed when this goes, however the
/// program leaves.
struct TSaidas {
    std::unique_ptr<TArquivoSaida> Csv;
    std::unique_ptr<TArquivoSaida> Curvas;
    std::unique_ptr<TArquivoSaida> Ecdf;
    std::unique_ptr<TArquivoSaida> ResumoCsv;

    /// Opens every file the options name before it empties any, so that a failure leaves them
    /// all as they were; the CSV of a resumed experiment keeps the rows before `retomarEm`
    /// instead (a torn last line goes). Throws EGravacao; false, having said why, when two
    /// options name one file by different paths.
    bool Abre(const TOpcoesExperimento& e, std::optional<std::int64_t> retomarEm = {});
};
