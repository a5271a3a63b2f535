#include "DonoTexto.h"

#include "FormatoNumero.h"
#include "Relogio.h"

namespace {
const std::string CabecalhoSeries = "Geração;BestFitness_1;BestFitness_2;AveFitness_1;AveFitness_2";
}

TDonoTexto::TDonoTexto(const TOpcoes& opcoes) : Opcoes(opcoes) {}

std::uint32_t TDonoTexto::LeRelogio() {
    return Opcoes.Semente ? *Opcoes.Semente : MilissegundosDoDiaUtc();
}

void TDonoTexto::LimpaRelatorio() {
    if (!Opcoes.Series)
        Texto.clear();
}

void TDonoTexto::AdicionaLinha(const std::string& linha) {
    if (!Opcoes.Series)
        Texto.append(linha).append("\n");
}

void TDonoTexto::LimpaGrafico() {
    if (Opcoes.Series)
        Texto = CabecalhoSeries + "\n";
}

void TDonoTexto::PlotaGeracao(int geracao, double melhor1, double melhor2, double media1,
                              double media2) {
    if (!Opcoes.Series)
        return;
    Texto.append(std::to_string(geracao));
    for (const double valor : {melhor1, melhor2, media1, media2})
        Texto.append(";").append(FormataReal(valor, Opcoes.Painel.SeparadorDecimal));
    Texto.append("\n");
}
