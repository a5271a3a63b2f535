#pragma once

#include "DonoMotor.h"
#include "OpcoesLinha.h"

#include <string>

/// The command line's owner of a run: the switches come from the options, the report (or the
/// chart's series) is collected as text.
class TDonoTexto : public TDonoMotor {
public:
    explicit TDonoTexto(const TOpcoes& opcoes);

    /// The report, or with --series the four series; every line ends in "\n".
    [[nodiscard]] const std::string& Saida() const { return Texto; }

    [[nodiscard]] bool AGParalelo() const override { return Opcoes.Paralelo; }
    [[nodiscard]] bool UsaElitismo() const override { return Opcoes.Elitismo; }
    [[nodiscard]] bool UsaEscalonamento() const override { return Opcoes.Escalonamento; }
    [[nodiscard]] int QuantTorneio() const override { return Opcoes.Torneio; }
    std::uint32_t LeRelogio() override;
    void LimpaRelatorio() override;
    void AdicionaLinha(const std::string& linha) override;
    void LimpaGrafico() override;
    void PlotaGeracao(int geracao, double melhor1, double melhor2, double media1,
                      double media2) override;
    void Redesenha() override {}

private:
    const TOpcoes& Opcoes;
    std::string Texto;
};
