#pragma once

#include "Amostra.h"
#include "ObservadorTeste.h"

#include <string>
#include <vector>

/// Watches one run and checks, after every generation, what a finished generation must
/// satisfy: the parents, the genes, the decoded points, every fitness value recomputed from
/// the points, the best individual and the tables, the averages, the scaled fitness, the
/// replacement and the elite, the chart point and the report's last line; and, once the run is
/// over, that it stopped where the stop criterion says. Keeps the first violation found.
///
/// AposGeracao is meant for the observer's hook, which the run calls once per generation.
class TVerificador {
public:
    TVerificador(const TMotorAG& motor, const TObservadorTeste& observador, const TCaso& caso);

    void AposGeracao();
    void AposExecucao();

    /// Empty while every check held; otherwise the generation and the first check that failed.
    [[nodiscard]] const std::string& Falha() const { return Erro; }
    /// Generations seen so far.
    [[nodiscard]] int Geracoes() const { return Ultima; }

private:
    [[nodiscard]] std::string ConfereGeracao() const;
    [[nodiscard]] std::string ConfereSequencia() const;
    [[nodiscard]] std::string ConferePais() const;
    [[nodiscard]] std::string ConfereCromossomos() const;
    [[nodiscard]] std::string ConfereAvaliacao() const;
    [[nodiscard]] std::string ConfereMedias() const;
    [[nodiscard]] std::string ConfereEscalonamento() const;
    [[nodiscard]] std::string ConfereSubstituicao() const;
    [[nodiscard]] std::string ConfereElite() const;
    [[nodiscard]] std::string ConfereSaidas() const;
    [[nodiscard]] bool CriterioAtingido() const;

    const TMotorAG& Motor;
    const TObservadorTeste& Observador;
    const TCaso& Caso;
    double Tolerancia;  ///< the tolerance text, read here independently of the engine

    int Ultima = 0;                     ///< the last generation checked
    bool Atingido = false;              ///< whether the stop criterion held at it
    std::vector<PCromossomo> Anterior;  ///< its population, slot by slot
    PCromossomo EliteAnterior;          ///< its elite
    std::string Erro;
};
