#include "ObservadorTexto.h"

#include "FormatoNumero.h"
#include "RastroJson.h"

#include <utility>

namespace {
const std::string CabecalhoSeries = "Geração;BestFitness_1;BestFitness_2;AveFitness_1;AveFitness_2";
}

TObservadorTexto::TObservadorTexto(bool series, std::string separador, TRastroJson* rastro)
    : Series(series), Separador(std::move(separador)), Rastro(rastro) {
    if (Series)
        Texto = CabecalhoSeries + "\n";
}

void TObservadorTexto::Linha(const std::string& linha) {
    Texto.append(linha).append("\n");
}

// The series get a point per generation from 1 on, as the chart does.
TContinuacao TObservadorTexto::Avaliada(const TGeracaoAvaliada& geracao) {
    if (Rastro != nullptr)
        Rastro->Acrescenta(*geracao.Registro);
    const TDadosGeracao& d = geracao.Dados;
    if (Series && d.Geracao > 0) {
        Texto.append(std::to_string(d.Geracao));
        for (const double valor : {d.Melhor1, d.Melhor2, d.Media1, d.Media2})
            Texto.append(";").append(FormataReal(valor, Separador));
        Texto.append("\n");
    }
    return TContinuacao::Segue;
}
