#include "DonoTexto.h"

#include "FormatoNumero.h"
#include "Relogio.h"

namespace {
const std::string CabecalhoSeries = "Geração;BestFitness_1;BestFitness_2;AveFitness_1;AveFitness_2";
}

TDonoTexto::TDonoTexto(const TConfiguracao& config, std::optional<std::uint32_t> semente,
                       bool series)
    : Config(config), Semente(semente), Series(series) {}

std::uint32_t TDonoTexto::LeRelogio() {
    return Semente ? *Semente : MilissegundosDoDiaUtc();
}

void TDonoTexto::LimpaRelatorio() {
    if (!Series)
        Texto.clear();
}

void TDonoTexto::AdicionaLinha(const std::string& linha) {
    Texto.append(linha).append("\n");
}

void TDonoTexto::LimpaGrafico() {
    if (Series)
        Texto = CabecalhoSeries + "\n";
}

void TDonoTexto::PlotaGeracao(int geracao, double melhor1, double melhor2, double media1,
                              double media2) {
    if (!Series)
        return;
    Texto.append(std::to_string(geracao));
    for (const double valor : {melhor1, melhor2, media1, media2})
        Texto.append(";").append(FormataReal(valor, Config.Painel.SeparadorDecimal));
    Texto.append("\n");
}
