// Experiment CSVs read back for a summary: the whole or the shards of one experiment, and the
// window's saved experiments side by side.
#include "ExperimentoLido.h"

#include "LinhasExperimento.h"

#include <cerrno>
#include <cstring>
#include <map>
#include <optional>

namespace {

// What the files say of each configuration, and where they first said it.
struct TConfiguracaoLida {
    TConfiguracao Config;
    std::vector<std::string> Valores;
    std::uint32_t SementeBase;
    int Planejadas;
    TOrigem Origem;
};

// The checks of files written before rows recorded the plan: every configuration from 1 on,
// each with its runs from 0 up to the last one seen, and the configurations of one base seed
// (one experiment; the window saves experiments of their own seeds side by side) with as many
// runs each.
void ConfereSemPlano(const std::string& nomes, const std::map<int, TConfiguracaoLida>& lidas,
                     const std::vector<TResultadoExecucao>& resultados) {
    std::map<std::uint32_t, std::pair<int, int>> porBase;  // runs, first configuration
    auto r = resultados.begin();
    for (int config = 1; config <= lidas.rbegin()->first; ++config) {
        const auto c = lidas.find(config);
        if (c == lidas.end())
            throw EEntradaExperimento(nomes + ": configuration " + std::to_string(config) +
                                      " is in none of the files; are all the shards there?");
        int runs = 0;
        for (; r != resultados.end() && r->Configuracao == config; ++runs, ++r)
            if (r->Execucao != runs)
                throw EEntradaExperimento(nomes + ": run " + std::to_string(runs) +
                                          " of configuration " + std::to_string(config) +
                                          " is in none of the files; are all the shards there?");
        const auto [outra, primeira] = porBase.try_emplace(c->second.SementeBase, runs, config);
        if (!primeira && outra->second.first != runs)
            throw EEntradaExperimento(
                nomes + ": configuration " + std::to_string(config) + " has " +
                std::to_string(runs) + " runs, configuration " +
                std::to_string(outra->second.second) + " of the same base seed has " +
                std::to_string(outra->second.first) + "; are all the shards there?");
    }
}

}  // namespace

std::string LeArquivoExperimento(const std::string& arquivo) {
    std::optional<std::string> texto = ConteudoArquivo(arquivo);
    if (!texto)
        throw EEntradaExperimento(arquivo + ": cannot be read: " + std::strerror(errno));
    return std::move(*texto);
}

TExperimentoLido LeCsvExperimento(const std::vector<std::string>& arquivos,
                                  const std::function<std::string(const std::string&)>& le) {
    std::map<int, TConfiguracaoLida> configuracoes;
    std::map<std::pair<int, int>, std::pair<TResultadoExecucao, TOrigem>> execucoes;
    std::optional<bool> comPlano;                   // as the first file says
    std::vector<double> alvos;                      // as the first file says
    std::vector<std::int64_t> orcamentos;           // as the first file says
    std::optional<std::pair<int, TOrigem>> planos;  // the planned configurations, and where

    for (const auto& arquivo : arquivos) {
        TLinhasExperimento linhas(le(arquivo), arquivo);
        const TCabecalhoLido& cabecalho = linhas.Cabecalho();
        if (comPlano && *comPlano != cabecalho.ComPlano)
            throw EEntradaExperimento(arquivo + ":1: " + (cabecalho.ComPlano ? "has" : "lacks") +
                                      " the planned runs that " + arquivos.front() + " " +
                                      (cabecalho.ComPlano ? "lacks" : "has") +
                                      "; not one experiment");
        comPlano = cabecalho.ComPlano;
        if (&arquivo == &arquivos.front()) {
            alvos = cabecalho.Alvos;
            orcamentos = cabecalho.Orcamentos;
        } else if (cabecalho.Alvos != alvos)
            throw EEntradaExperimento(arquivo + ":1: gives the evaluations of other targets than " +
                                      arquivos.front() + "; not one experiment");
        else if (cabecalho.Orcamentos != orcamentos)
            throw EEntradaExperimento(arquivo + ":1: gives the best so far at other budgets than " +
                                      arquivos.front() + "; not one experiment");
        while (const std::optional<TLinhaLida> lida = linhas.Proxima()) {
            const TLinhaLida& linha = *lida;
            const TOrigem& origem = linha.Origem();
            TConfiguracao config = linha.Configuracao();
            const TResultadoExecucao r = linha.Resultado(config.Painel.Valores.LimGer);
            const TPlanejado plano = cabecalho.ComPlano ? linha.Planejado() : TPlanejado{};
            if (cabecalho.ComPlano) {
                if (!planos)
                    planos.emplace(plano.Configuracoes, origem);
                if (plano.Configuracoes != planos->first)
                    RecusaLinha(origem, "planned_configs is " +
                                            std::to_string(plano.Configuracoes) + ", " +
                                            std::to_string(planos->first) + " at " +
                                            planos->second.Texto());
                if (r.Configuracao > plano.Configuracoes || r.Execucao >= plano.Execucoes)
                    RecusaLinha(origem,
                                "run " + std::to_string(r.Execucao) + " of configuration " +
                                    std::to_string(r.Configuracao) + " is not in the plan of " +
                                    std::to_string(plano.Configuracoes) + " configurations of " +
                                    std::to_string(plano.Execucoes) + " runs");
            }

            std::vector<std::string> valores = ParametrosCsv(config);
            const std::uint32_t base = r.Semente - static_cast<std::uint32_t>(r.Execucao);
            const auto [c, nova] = configuracoes.try_emplace(
                r.Configuracao,
                TConfiguracaoLida{std::move(config), valores, base, plano.Execucoes, origem});
            if (!nova && c->second.Valores != valores)
                RecusaLinha(origem, "configuration " + std::to_string(r.Configuracao) +
                                        " has other parameters at " + c->second.Origem.Texto());
            if (!nova && c->second.SementeBase != base)
                RecusaLinha(origem, "seed " + std::to_string(r.Semente) + " of run " +
                                        std::to_string(r.Execucao) + " is not base seed " +
                                        std::to_string(c->second.SementeBase) +
                                        " plus the run, as at " + c->second.Origem.Texto());
            if (!nova && c->second.Planejadas != plano.Execucoes)
                RecusaLinha(origem, "configuration " + std::to_string(r.Configuracao) + " plans " +
                                        std::to_string(plano.Execucoes) + " runs, " +
                                        std::to_string(c->second.Planejadas) + " at " +
                                        c->second.Origem.Texto());

            const auto [e, unica] = execucoes.try_emplace({r.Configuracao, r.Execucao}, r, origem);
            if (!unica)
                RecusaLinha(origem, "run " + std::to_string(r.Execucao) + " of configuration " +
                                        std::to_string(r.Configuracao) + " is also at " +
                                        e->second.second.Texto());
        }
    }

    std::string nomes;
    for (const auto& arquivo : arquivos)
        nomes += (nomes.empty() ? "" : ", ") + arquivo;
    if (execucoes.empty())
        throw EEntradaExperimento(nomes + ": no runs");

    TExperimentoLido lido;
    lido.Alvos = alvos;
    lido.Orcamentos = orcamentos;
    for (const auto& [chave, execucao] : execucoes)
        lido.Resultados.push_back(execucao.first);
    if (!*comPlano)
        ConfereSemPlano(nomes, configuracoes, lido.Resultados);
    const int ultima = *comPlano ? planos->first : configuracoes.rbegin()->first;
    for (int config = 1; config <= ultima; ++config) {
        const auto c = configuracoes.find(config);
        const bool lida = c != configuracoes.end();
        lido.Configuracoes.push_back(lida ? c->second.Config : ConfiguracaoPadrao("."));
        lido.SementesBase.push_back(lida ? c->second.SementeBase : 0);
        if (*comPlano)
            lido.Planejadas.push_back(lida ? c->second.Planejadas : 0);
    }
    return lido;
}
