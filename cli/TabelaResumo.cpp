#include "TabelaResumo.h"

#include "Alvos.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Numero(double valor, int algarismos, const std::string& separador) {
    if (std::isnan(valor))
        return "NA";
    if (std::isinf(valor))
        return valor > 0 ? "Inf" : "-Inf";
    return FormataAlgarismos(valor, algarismos, separador);
}

// Characters on screen: UTF-8 continuation bytes take no column.
std::size_t Largura(const std::string& texto) {
    return static_cast<std::size_t>(std::count_if(texto.begin(), texto.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The rows with their columns aligned: the label column `esquerda` reads left-aligned, the
// numbers right-aligned.
std::string Alinha(const std::vector<std::vector<std::string>>& tabela, std::size_t esquerda) {
    std::vector<std::size_t> larguras(tabela.front().size());
    for (const auto& linha : tabela)
        for (std::size_t c = 0; c < linha.size(); ++c)
            larguras[c] = std::max(larguras[c], Largura(linha[c]));

    std::string texto;
    for (const auto& linha : tabela) {
        std::string saida;
        for (std::size_t c = 0; c < linha.size(); ++c) {
            const std::string enchimento(larguras[c] - Largura(linha[c]), ' ');
            saida += (c == 0 ? "" : "  ") +
                     (c == esquerda ? linha[c] + enchimento : enchimento + linha[c]);
        }
        saida.erase(saida.find_last_not_of(' ') + 1);
        texto += saida + "\n";
    }
    return texto;
}

}  // namespace

std::vector<std::string> ColunasResumo() {
    std::vector<std::string> colunas{"varies",
                                     "runs",
                                     "reached",
                                     "rate",
                                     "wilson_low",
                                     "wilson_high",
                                     "best_q1",
                                     "best_median",
                                     "best_q3",
                                     "first_reach_median",
                                     "p_mann_whitney",
                                     "p_fisher",
                                     "ert",
                                     "ert_p10",
                                     "ert_p90",
                                     "a12",
                                     "a12_magnitude",
                                     "p_mann_whitney_holm",
                                     "p_fisher_holm",
                                     "ert_ci_low",
                                     "ert_ci_high"};
    const std::vector<std::string> comparacao = ColunasComparacao();
    colunas.insert(colunas.end(), comparacao.begin(), comparacao.end());
    return colunas;
}

std::vector<std::string> ColunasComparacao() {
    return {"rate_diff",          "rate_diff_ci_low", "rate_diff_ci_high", "a12_ci_low",
            "a12_ci_high",        "paired_runs",      "p_signed_rank",     "p_mcnemar",
            "p_signed_rank_holm", "p_mcnemar_holm"};
}

std::vector<std::string> CamposComparacao(const TDiferencaTaxas& diferenca, const TIntervalo& a12,
                                          const TPareados& pareados,
                                          const std::function<std::string(double)>& numero) {
    return {numero(diferenca.Diferenca),
            numero(diferenca.Intervalo.Inferior),
            numero(diferenca.Intervalo.Superior),
            numero(a12.Inferior),
            numero(a12.Superior),
            pareados.Pares > 0 ? std::to_string(pareados.Pares) : "NA",
            numero(pareados.PPostosSinalizados),
            numero(pareados.PMcNemar),
            numero(pareados.PPostosSinalizadosHolm),
            numero(pareados.PMcNemarHolm)};
}

std::vector<std::string> ColunasAcrescidas(const std::vector<TLinhaResumo>& linhas) {
    std::vector<std::string> colunas;
    if (linhas.empty())
        return colunas;
    for (const TResumoAlvo& a : linhas.front().Alvos)
        for (const char* medida : {"reached_", "rate_", "wilson_low_", "wilson_high_", "ert_"})
            colunas.push_back(medida + NomeAlvo(a.Alvo));
    for (const TResumoOrcamento& o : linhas.front().Orcamentos)
        for (const char* medida : {"q1_at_", "median_at_", "q3_at_"})
            colunas.push_back(medida + std::to_string(o.Orcamento));
    return colunas;
}

std::vector<std::string> CamposAcrescidos(const TLinhaResumo& linha,
                                          const std::function<std::string(double)>& numero) {
    std::vector<std::string> campos;
    for (const TResumoAlvo& a : linha.Alvos)
        campos.insert(campos.end(),
                      {std::to_string(a.Atingiram), numero(a.Taxa), numero(a.Wilson.Inferior),
                       numero(a.Wilson.Superior), numero(a.ERT)});
    for (const TResumoOrcamento& o : linha.Orcamentos)
        campos.insert(campos.end(),
                      {numero(o.Melhor.Q1), numero(o.Melhor.Mediana), numero(o.Melhor.Q3)});
    return campos;
}

std::string TabelaResumo(const std::vector<TLinhaResumo>& linhas,
                         const std::vector<std::string>& rotulos,
                         const std::vector<int>& planejadas, const std::string& separador) {
    const auto numero = [&](double valor) { return Numero(valor, 4, separador); };
    const auto numeroAcrescido = [&](double valor) { return Numero(valor, 6, separador); };
    std::vector<std::string> cabecalho = ColunasResumo();
    cabecalho.insert(cabecalho.begin(), "config");
    std::vector<std::vector<std::string>> tabela{cabecalho};
    for (std::size_t k = 0; k < linhas.size(); ++k) {
        const TLinhaResumo& l = linhas[k];
        // A summary of files may lack configuration 1: the others are still compared with it.
        const auto contra = [&](const std::string& texto) {
            return l.Configuracao == 1 ? "-" : texto;
        };
        const auto p = [&](double valor) { return contra(Numero(valor, 4, separador)); };
        tabela.push_back({std::to_string(l.Configuracao),
                          rotulos[k],
                          std::to_string(l.Execucoes),
                          std::to_string(l.Atingiram) + "/" + std::to_string(l.Execucoes),
                          Numero(l.Taxa, 4, separador),
                          Numero(l.Wilson.Inferior, 4, separador),
                          Numero(l.Wilson.Superior, 4, separador),
                          Numero(l.Melhor1.Q1, 6, separador),
                          Numero(l.Melhor1.Mediana, 6, separador),
                          Numero(l.Melhor1.Q3, 6, separador),
                          Numero(l.MedianaPrimeira, 6, separador),
                          p(l.PMannWhitney),
                          p(l.PFisher),
                          Numero(l.ERT.Valor, 6, separador),
                          Numero(l.ERT.P10, 6, separador),
                          Numero(l.ERT.P90, 6, separador),
                          p(l.A12.Valor),
                          contra(NomeMagnitude(l.A12.Magnitude)),
                          p(l.PMannWhitneyHolm),
                          p(l.PFisherHolm),
                          Numero(l.ERTIntervalo.Inferior, 6, separador),
                          Numero(l.ERTIntervalo.Superior, 6, separador)});
        for (const std::string& campo :
             CamposComparacao(l.Diferenca, l.A12Intervalo, l.Pareados, numero))
            tabela.back().push_back(contra(campo));
        for (std::string& campo : CamposAcrescidos(l, numeroAcrescido))
            tabela.back().push_back(std::move(campo));
    }
    for (std::string& coluna : ColunasAcrescidas(linhas))
        tabela.front().push_back(std::move(coluna));
    if (!planejadas.empty()) {
        tabela.front().insert(tabela.front().begin() + 3, "planned");
        for (std::size_t k = 0; k < linhas.size(); ++k)
            tabela[k + 1].insert(tabela[k + 1].begin() + 3, std::to_string(planejadas[k]));
    }
    return Alinha(tabela, 1);
}

std::string TabelaPares(const std::vector<TLinhaPar>& pares, const std::string& separador) {
    std::vector<std::vector<std::string>> tabela{{"config", "against", "p_mann_whitney", "p_fisher",
                                                  "a12", "a12_magnitude", "p_mann_whitney_holm",
                                                  "p_fisher_holm"}};
    for (const std::string& coluna : ColunasComparacao())
        tabela.front().push_back(coluna);
    const auto numero = [&](double valor) { return Numero(valor, 4, separador); };
    for (const TLinhaPar& par : pares) {
        tabela.push_back({std::to_string(par.Configuracao), std::to_string(par.Contra),
                          Numero(par.PMannWhitney, 4, separador), Numero(par.PFisher, 4, separador),
                          Numero(par.A12.Valor, 4, separador), NomeMagnitude(par.A12.Magnitude),
                          Numero(par.PMannWhitneyHolm, 4, separador),
                          Numero(par.PFisherHolm, 4, separador)});
        for (std::string& campo :
             CamposComparacao(par.Diferenca, par.A12Intervalo, par.Pareados, numero))
            tabela.back().push_back(std::move(campo));
    }
    return Alinha(tabela, tabela.front().size());
}

std::string LinhaKruskalWallis(const TKruskalWallis& teste, std::size_t configuracoes,
                               const std::string& separador) {
    return "Kruskal-Wallis test of best_fitness_1 across the " + std::to_string(configuracoes) +
           " configurations: chi-squared = " + Numero(teste.H, 6, separador) +
           ", df = " + std::to_string(teste.GrausLiberdade) +
           ", p-value = " + Numero(teste.P, 4, separador) + "\n";
}
