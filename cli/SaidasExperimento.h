#pragma once

#include "ArquivoSaida.h"
#include "OpcoesLinha.h"

#include <cstdint>
#include <memory>
#include <optional>

/// The files an experiment or a summary writes, each locked while open and closed when this
/// goes, however the program leaves.
struct TSaidas {
    std::unique_ptr<TArquivoSaida> Csv;
    std::unique_ptr<TArquivoSaida> Curvas;
    std::unique_ptr<TArquivoSaida> Trajetorias;
    std::unique_ptr<TArquivoSaida> Ecdf;
    std::unique_ptr<TArquivoSaida> ResumoCsv;
    std::unique_ptr<TArquivoSaida> ResumoTex;
    std::unique_ptr<TArquivoSaida> ResumoMd;
    /// --ioh's folder, checked absent or empty by Abre and created as the runs start; or empty.
    std::string Ioh;

    /// Opens every file the options name and then locks them, emptying none. Throws EGravacao and
    /// EArquivoEmUso; false, having said why, when two options name one file by different
    /// paths or --ioh's folder holds something.
    bool Abre(const TOpcoesExperimento& e);
    /// Empties every open file, the CSV of a resumed experiment cut back to `retomarEm`
    /// instead (a torn last line goes). Nothing is emptied unless every file can be written,
    /// so that a failure leaves them all as they were. Throws EGravacao.
    void Prepara(std::optional<std::uint64_t> retomarEm = {});
};
