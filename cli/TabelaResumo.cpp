#include "TabelaResumo.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Numero(double valor, int algarismos, const std::string& separador) {
    return std::isnan(valor) ? "NA" : FormataAlgarismos(valor, algarismos, separador);
}

// Characters on screen: UTF-8 continuation bytes take no column.
std::size_t Largura(const std::string& texto) {
    return static_cast<std::size_t>(std::count_if(texto.begin(), texto.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

std::string TabelaResumo(const std::vector<TLinhaResumo>& linhas,
                         const std::vector<std::string>& rotulos,
                         const std::vector<int>& planejadas, const std::string& separador) {
    std::vector<std::vector<std::string>> tabela{
        {"config", "varies", "runs", "reached", "rate", "wilson_low", "wilson_high", "best_q1",
         "best_median", "best_q3", "first_reach_median", "p_mann_whitney", "p_fisher"}};
    for (std::size_t k = 0; k < linhas.size(); ++k) {
        const TLinhaResumo& l = linhas[k];
        const auto p = [&](double valor) { return k == 0 ? "-" : Numero(valor, 4, separador); };
        tabela.push_back(
            {std::to_string(l.Configuracao), rotulos[k], std::to_string(l.Execucoes),
             std::to_string(l.Atingiram) + "/" + std::to_string(l.Execucoes),
             Numero(l.Taxa, 4, separador), Numero(l.Wilson.Inferior, 4, separador),
             Numero(l.Wilson.Superior, 4, separador), Numero(l.Melhor1.Q1, 6, separador),
             Numero(l.Melhor1.Mediana, 6, separador), Numero(l.Melhor1.Q3, 6, separador),
             Numero(l.MedianaPrimeira, 6, separador), p(l.PMannWhitney), p(l.PFisher)});
    }
    if (!planejadas.empty()) {
        tabela.front().insert(tabela.front().begin() + 3, "planned");
        for (std::size_t k = 0; k < linhas.size(); ++k)
            tabela[k + 1].insert(tabela[k + 1].begin() + 3, std::to_string(planejadas[k]));
    }
    std::vector<std::size_t> larguras(tabela.front().size());
    for (const auto& linha : tabela)
        for (std::size_t c = 0; c < linha.size(); ++c)
            larguras[c] = std::max(larguras[c], Largura(linha[c]));

    // The label column reads left-aligned, the numbers right-aligned.
    std::string texto;
    for (const auto& linha : tabela) {
        std::string saida;
        for (std::size_t c = 0; c < linha.size(); ++c) {
            const std::string enchimento(larguras[c] - Largura(linha[c]), ' ');
            saida +=
                (c == 0 ? "" : "  ") + (c == 1 ? linha[c] + enchimento : enchimento + linha[c]);
        }
        saida.erase(saida.find_last_not_of(' ') + 1);
        texto += saida + "\n";
    }
    return texto;
}
