#include "ResumoCsv.h"

#include "Alvos.h"
#include "Csv.h"
#include "FormatoNumero.h"
#include "TabelaResumo.h"

#include <cmath>

namespace {

std::string Numero(double valor) {
    if (std::isnan(valor))
        return "NA";
    if (std::isinf(valor))
        return valor > 0 ? "Inf" : "-Inf";
    return FormataReal(valor, ".");
}

const std::string NA = "NA";
// After kind, config, against, varies and runs.
constexpr std::ptrdiff_t ColunaPlanejadas = 5;

}  // namespace

std::string ResumoCsv(const std::vector<TLinhaResumo>& linhas,
                      const std::vector<std::string>& rotulos, const std::vector<int>& planejadas,
                      const std::vector<TLinhaPar>& pares, const std::vector<TFator>& fatores) {
    std::vector<std::string> cabecalho = ColunasResumo();
    cabecalho.insert(cabecalho.begin(), {"kind", "config", "against"});
    cabecalho.insert(cabecalho.begin() + ColunaPlanejadas, "planned");
    for (const TFator& fator : fatores)
        cabecalho.push_back(fator.Coluna);
    const std::vector<std::string> acrescidas = ColunasAcrescidas(linhas);
    cabecalho.insert(cabecalho.end(), acrescidas.begin(), acrescidas.end());
    std::string texto = RegistroCsv(cabecalho);
    for (std::size_t k = 0; k < linhas.size(); ++k) {
        const TLinhaResumo& l = linhas[k];
        std::vector<std::string> campos{"config",
                                        std::to_string(l.Configuracao),
                                        l.Configuracao == 1 ? NA : "1",
                                        rotulos[k],
                                        std::to_string(l.Execucoes),
                                        planejadas.empty() ? NA : std::to_string(planejadas[k]),
                                        std::to_string(l.Atingiram),
                                        Numero(l.Taxa),
                                        Numero(l.Wilson.Inferior),
                                        Numero(l.Wilson.Superior),
                                        Numero(l.Melhor1.Q1),
                                        Numero(l.Melhor1.Mediana),
                                        Numero(l.Melhor1.Q3),
                                        Numero(l.MedianaPrimeira),
                                        Numero(l.PMannWhitney),
                                        Numero(l.PFisher),
                                        Numero(l.ERT.Valor),
                                        Numero(l.ERT.P10),
                                        Numero(l.ERT.P90),
                                        Numero(l.A12.Valor),
                                        NomeMagnitude(l.A12.Magnitude),
                                        Numero(l.PMannWhitneyHolm),
                                        Numero(l.PFisherHolm),
                                        Numero(l.ERTIntervalo.Inferior),
                                        Numero(l.ERTIntervalo.Superior)};
        for (std::string& campo : CamposComparacao(l.Diferenca, l.A12Intervalo, l.Pareados, Numero))
            campos.push_back(std::move(campo));
        for (const TFator& fator : fatores)
            campos.push_back(fator.Valores[k]);
        for (std::string& campo : CamposAcrescidos(l, Numero))
            campos.push_back(std::move(campo));
        texto += RegistroCsv(campos);
    }
    for (const TLinhaPar& par : pares) {
        std::vector<std::string> campos{"pair",
                                        std::to_string(par.Configuracao),
                                        std::to_string(par.Contra),
                                        NA,
                                        NA,
                                        NA,
                                        NA,
                                        NA,
                                        NA,
                                        NA,
                                        NA,
                                        NA,
                                        NA,
                                        NA,
                                        Numero(par.PMannWhitney),
                                        Numero(par.PFisher),
                                        NA,
                                        NA,
                                        NA,
                                        Numero(par.A12.Valor),
                                        NomeMagnitude(par.A12.Magnitude),
                                        Numero(par.PMannWhitneyHolm),
                                        Numero(par.PFisherHolm),
                                        NA,
                                        NA};
        for (std::string& campo :
             CamposComparacao(par.Diferenca, par.A12Intervalo, par.Pareados, Numero))
            campos.push_back(std::move(campo));
        campos.insert(campos.end(), fatores.size() + acrescidas.size(), NA);
        texto += RegistroCsv(campos);
    }
    return texto;
}

std::string DistribuicoesCsv(
    const std::vector<std::vector<TPontoDistribuicao>>& distribuicoes,
    const std::vector<std::vector<std::vector<TPontoDistribuicao>>>& porAlvo,
    const std::vector<double>& alvos) {
    const bool comAlvos = !alvos.empty();
    std::vector<std::string> cabecalho{"config", "evaluations", "reached", "share"};
    if (comAlvos)
        cabecalho.emplace_back("target");
    std::string texto = RegistroCsv(cabecalho);
    const auto linhas = [&](std::size_t k, const std::vector<TPontoDistribuicao>& distribuicao,
                            const std::string& alvo) {
        for (const TPontoDistribuicao& p : distribuicao) {
            std::vector<std::string> campos{std::to_string(k + 1), std::to_string(p.Avaliacoes),
                                            std::to_string(p.Atingiram), Numero(p.Fracao)};
            if (comAlvos)
                campos.push_back(alvo);
            texto += RegistroCsv(campos);
        }
    };
    for (std::size_t k = 0; k < distribuicoes.size(); ++k)
        linhas(k, distribuicoes[k], "tolerance");
    for (std::size_t k = 0; k < porAlvo.size(); ++k)
        for (std::size_t i = 0; i < porAlvo[k].size(); ++i)
            linhas(k, porAlvo[k][i], i < alvos.size() ? NomeAlvo(alvos[i]) : "all");
    return texto;
}
