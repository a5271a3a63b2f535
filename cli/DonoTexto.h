#pragma once

#include "Configuracao.h"
#include "DonoMotor.h"

#include <cstdint>
#include <optional>
#include <string>

/// The command line's owner of a single run: the switches come from the configuration, the
/// seed from --seed or the clock, and the report (or the chart's series) is collected as text.
class TDonoTexto : public TDonoMotor {
public:
    TDonoTexto(const TConfiguracao& config, std::optional<std::uint32_t> semente, bool series);

    /// The report, or with --series the four series; every line ends in "\n".
    [[nodiscard]] const std::string& Saida() const { return Texto; }

    [[nodiscard]] bool AGParalelo() const override { return Config.Paralelo; }
    [[nodiscard]] bool UsaElitismo() const override { return Config.Elitismo; }
    [[nodiscard]] bool UsaEscalonamento() const override { return Config.Escalonamento; }
    [[nodiscard]] int QuantTorneio() const override { return Config.Torneio; }
    std::uint32_t LeRelogio() override;
    [[nodiscard]] bool GuardaRelatorio() const override { return !Series; }
    void LimpaRelatorio() override;
    void AdicionaLinha(const std::string& linha) override;
    void LimpaGrafico() override;
    void PlotaGeracao(int geracao, double melhor1, double melhor2, double media1,
                      double media2) override;
    void Redesenha() override {}

private:
    const TConfiguracao& Config;
    std::optional<std::uint32_t> Semente;
    bool Series;
    std::string Texto;
};
