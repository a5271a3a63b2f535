#pragma once

// Resuming an interrupted experiment: what its CSV already holds.

#include "Experimento.h"
#include "LinhaCsvLida.h"

#include <cstdint>
#include <functional>
#include <string>

/// What a CSV holds of an experiment that is to go on: the first runs of its shard.
struct TRetomada {
    std::uint64_t Tamanho = 0;      ///< the bytes of its whole lines; a torn last line follows
    bool Cabecalho = false;         ///< it starts with the header (else empty, or torn in it)
    std::uint32_t SementeBase = 0;  ///< the plan's, or the rows' when the plan takes theirs
    std::int64_t Execucoes = 0;     ///< the shard's runs in it
};

/// Reads `texto`, what the experiment CSV `arquivo` holds (empty for a file not there yet), as
/// the start of shard plano.Fatia of the experiment `plano`: the header, then the shard's runs
/// in order from its first, each with the plan's parameters, seed and planned numbers, each
/// handed to `recebe`. A last line without its line end is torn, and left out; a byte order
/// mark before the header is kept. With `sementeDasLinhas` the base seed is the one the rows
/// were run from (the plan's when there are none). Throws EEntradaExperimento, naming the file
/// and the line, for anything else: a file of another experiment is to be left as it is.
TRetomada LeRetomada(std::string texto, const std::string& arquivo, const TPlanoExperimento& plano,
                     bool sementeDasLinhas,
                     const std::function<void(const TResultadoExecucao&)>& recebe);
