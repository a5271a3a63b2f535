#pragma once

// What a run tells whoever runs it (the window, quivora-run, an experiment, a test): the
// report's lines, each generation as it is evaluated, and at the end how the run went. The
// observer answers each generation with go on or stop; nothing else steers a run.

#include "Cromossomo.h"
#include "Registro.h"

#include <cstdint>
#include <string>

/// A generation that has just been evaluated.
struct TGeracaoAvaliada {
    TDadosGeracao Dados;
    /// The population, slots 1..TamPop, as the evaluation left it. Valid during the call only.
    const TPopulacao* Populacao = nullptr;
    int TamPop = 0;
    /// The generation's record, for an observer that asked for it; else nullptr. Valid during
    /// the call only.
    const TRegistroGeracao* Registro = nullptr;
};

/// The observer's answer to a generation.
enum class TContinuacao { Segue, Para };

/// Why a run ended.
enum class TMotivoFim {
    Tolerancia,      ///< "Primeira situação encontrada": the best came within the tolerance
    LimiteGeracoes,  ///< the generation limit
    Interrompida,    ///< the observer said stop
};

/// How a run went: its end and its last generation's best, as the report's last line shows it.
struct TResultadoAG {
    TMotivoFim Motivo = TMotivoFim::LimiteGeracoes;
    int Geracao = 0;              ///< the last generation evaluated
    double Melhor1 = 0;           ///< its best fitness (Z(x) in parallel mode)
    double Melhor2 = 0;           ///< its best Z(y), parallel mode
    std::int32_t MelhorX = 0;     ///< X of its best individual
    std::int32_t MelhorY = 0;     ///< Y of its best individual (parallel mode: of the best y)
    std::int64_t Avaliacoes = 0;  ///< individuals evaluated, generation 0 included
};

class TObservadorAG {
public:
    virtual ~TObservadorAG() = default;

    /// Whether the run builds its report and hands its lines to Linha. Asked as a run starts.
    [[nodiscard]] virtual bool QuerRelatorio() const { return false; }
    /// Where the run writes generation g's record (TGeracaoAvaliada::Registro): storage of the
    /// observer's, asked before the run makes the generation, which stays in place until
    /// Avaliada has returned; the observer may keep it, and a slot it hands out again is
    /// reused without a new allocation. nullptr, the default, asks for no record.
    [[nodiscard]] virtual TRegistroGeracao* OndeRegistrar(int /*geracao*/) { return nullptr; }
    /// One whole report line (UTF-8, no line break), in the report's order.
    virtual void Linha(const std::string& /*linha*/) {}
    /// Generation g has been evaluated and its report line written: generation 0 first, then
    /// each one after its step, before the stop test. Stop ends the run here.
    virtual TContinuacao Avaliada(const TGeracaoAvaliada& geracao) = 0;
};
