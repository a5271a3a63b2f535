#pragma once

// quivora-run --trace: a run's record as JSON Lines, one object per generation, generation 0
// first. Generation g's object holds its population as the evaluation scored it and, under
// "next", how generation g + 1 was made from it (selection, crossover, mutation,
// replacement): applying "next" to "population" gives the next object's population. The last
// object has no "next" and says why the run ended.

#include "ConfiguracaoAG.h"
#include "ObservadorAG.h"
#include "Registro.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class TRastroJson {
public:
    /// `escreve` takes whole lines, each ending in "\n".
    TRastroJson(const TConfiguracaoAG& config, std::uint32_t semente,
                std::function<void(const std::string&)> escreve);

    /// The record of the generation just evaluated.
    void Acrescenta(const TRegistroGeracao& registro);
    /// Writes the last generation's object, with the run's end.
    void Termina(const TResultadoAG& resultado);

private:
    void EscreveGeracao(const TPassoRegistrado* proximo, const TResultadoAG* fim);

    TConfiguracaoAG Config;
    std::uint32_t Semente;
    std::function<void(const std::string&)> Escreve;
    std::optional<TPopulacaoRegistrada> Anterior;  // the generation whose "next" is not known yet
    std::string Linha;                             // reused from line to line
};

/// The text of --help that describes the trace's fields.
const char* AjudaRastro();
