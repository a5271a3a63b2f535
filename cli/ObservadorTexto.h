#pragma once

#include "ObservadorAG.h"

#include <string>

class TRastroJson;

/// The command line's observer of a single run: the report (or, with --series, the chart's
/// four series) collected as text, and each generation's record handed to the trace.
class TObservadorTexto : public TObservadorAG {
public:
    /// `separador` writes the series' numbers; `rastro`, when given, takes every record.
    TObservadorTexto(bool series, std::string separador, TRastroJson* rastro = nullptr);

    /// The report, or with --series the four series; every line ends in "\n".
    [[nodiscard]] const std::string& Saida() const { return Texto; }

    [[nodiscard]] bool QuerRelatorio() const override { return !Series; }
    [[nodiscard]] TRegistroGeracao* OndeRegistrar(int /*geracao*/) override {
        return Rastro != nullptr ? &Registro : nullptr;
    }
    void Linha(const std::string& linha) override;
    TContinuacao Avaliada(const TGeracaoAvaliada& geracao) override;

private:
    bool Series;
    std::string Separador;
    TRastroJson* Rastro;
    TRegistroGeracao Registro;  // each generation's in turn, for the trace
    std::string Texto;
};
