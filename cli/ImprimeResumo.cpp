#include "ImprimeResumo.h"

#include "CodigosSaida.h"
#include "ResumoCsv.h"
#include "SaidaPadrao.h"
#include "Sementes.h"
#include "TabelaArtigo.h"
#include "TabelaResumo.h"
#include "Variacao.h"

#include <algorithm>
#include <iostream>

namespace {

// The base seed, or the base seed of each configuration where they differ: the experiment's
// when they are its independent seeds.
std::string SementesBase(const std::vector<std::uint32_t>& sementes,
                         const std::vector<int>& configuracoes) {
    if (std::all_of(sementes.begin(), sementes.end(),
                    [&](std::uint32_t s) { return s == sementes.front(); }))
        return "base seed: " + std::to_string(sementes.front());
    if (const auto base = BaseDeSementesIndependentes(sementes, configuracoes))
        return "base seed: " + std::to_string(*base) + " (--seeds independent)";
    std::string texto = "base seeds by configuration:";
    for (const std::uint32_t s : sementes)
        texto.append(" ").append(std::to_string(s));
    return texto;
}

// With --compare all, the pairs of configurations that both have runs.
std::vector<TLinhaPar> ParesMostrados(const TResumoMostrado& mostrado, const TResumo& resumo) {
    const auto temExecucoes = [&](int configuracao) {
        return std::any_of(mostrado.Linhas.begin(), mostrado.Linhas.end(),
                           [&](const TLinhaResumo& l) { return l.Configuracao == configuracao; });
    };
    std::vector<TLinhaPar> pares;
    for (const TLinhaPar& par : resumo.Pares())
        if (temExecucoes(par.Configuracao) && temExecucoes(par.Contra))
            pares.push_back(par);
    return pares;
}

}  // namespace

int ImprimeResumo(const TResumoMostrado& mostrado, const TResumo& resumo, const std::string& tempo,
                  const std::string& separador, const TOpcoesExperimento& e, TSaidas& saidas) {
    const std::vector<TLinhaPar> pares =
        e.CompararTodos ? ParesMostrados(mostrado, resumo) : std::vector<TLinhaPar>{};
    // An interrupted experiment shows configurations that no run reached; the test is across
    // the others only.
    const auto configuracoes = static_cast<std::size_t>(
        std::count_if(mostrado.Linhas.begin(), mostrado.Linhas.end(),
                      [](const TLinhaResumo& l) { return l.Execucoes > 0; }));
    std::ostream& saida = e.SaidaNaPadrao() ? std::cerr : std::cout;
    saida << mostrado.Parcial
          << TabelaResumo(mostrado.Linhas, RotulosVariacao(mostrado.Configuracoes, separador),
                          mostrado.Planejadas, separador);
    if (configuracoes >= 3)
        saida << LinhaKruskalWallis(resumo.KruskalWallis(), configuracoes, separador);
    if (!pares.empty())
        saida << "\n" << TabelaPares(pares, separador);
    std::vector<int> numeros;  // of the configurations shown
    for (const TLinhaResumo& l : mostrado.Linhas)
        numeros.push_back(l.Configuracao);
    saida << SementesBase(mostrado.SementesBase, numeros) << "\n"
          << "total time: " << tempo << "\n";
    const bool mostrou = SaidaCompleta(saida);
    try {
        if (saidas.Ecdf) {
            // Without targets, no rows over "all" of none.
            saidas.Ecdf->Escreve(resumo.Alvos().empty()
                                     ? DistribuicoesCsv(resumo.Distribuicoes())
                                     : DistribuicoesCsv(resumo.Distribuicoes(),
                                                        resumo.DistribuicoesAlvos(),
                                                        resumo.Alvos()));
            saidas.Ecdf->Fecha();
        }
        if (saidas.ResumoCsv) {
            saidas.ResumoCsv->Escreve(
                ResumoCsv(mostrado.Linhas, RotulosVariacao(mostrado.Configuracoes, "."),
                          mostrado.Planejadas, pares, FatoresVariados(mostrado.Configuracoes)));
            saidas.ResumoCsv->Fecha();
        }
        for (auto [arquivo, tabela] : {std::pair(saidas.ResumoTex.get(), &TabelaLatex),
                                       std::pair(saidas.ResumoMd.get(), &TabelaMarkdown)})
            if (arquivo != nullptr) {
                arquivo->Escreve(
                    tabela(mostrado.Linhas, RotulosVariacao(mostrado.Configuracoes, ".")));
                arquivo->Fecha();
            }
    } catch (const EGravacao& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return CodigoSaida::Gravacao;
    }
    return mostrou ? CodigoSaida::Sucesso : CodigoSaida::Gravacao;
}

std::string Segundos(double segundos, const std::string& separador) {
    return FormataDecimais(segundos, 3, separador) + " s";
}
