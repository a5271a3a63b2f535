#include "RetomadaCsv.h"

#include "LinhasExperimento.h"
#include "Sementes.h"

#include <optional>

namespace {

std::string Texto(std::int64_t n) {
    return std::to_string(n);
}

}  // namespace

TRetomada LeRetomada(std::string texto, const std::string& arquivo, const TPlanoExperimento& plano,
                     bool sementeDasLinhas,
                     const std::function<void(const TResultadoExecucao&)>& recebe) {
    TRetomada retomada;
    const std::size_t fimLinhas = texto.rfind('\n');
    retomada.Tamanho = fimLinhas == std::string::npos ? 0 : fimLinhas + 1;
    retomada.SementeBase = plano.SementeBase;
    // A file that holds no whole line is empty, or holds the start of the header.
    if (retomada.Tamanho == 0) {
        if (CabecalhoCsvExperimento(plano.Alvos, plano.Orcamentos)
                .rfind(SemMarcaDeOrdem(texto), 0) != 0)
            throw EEntradaExperimento(arquivo + ":1: not an experiment CSV of quivora-run");
        return retomada;
    }
    texto.resize(retomada.Tamanho);
    TLinhasExperimento linhas(std::move(texto), arquivo);
    const TCabecalhoLido& cabecalho = linhas.Cabecalho();
    if (!cabecalho.ComPlano)
        throw EEntradaExperimento(arquivo +
                                  ":1: written before rows recorded the planned runs, so "
                                  "it cannot be resumed");
    // The rows it would go on with have no row numbers, as R and pandas write back: the
    // file would hold rows of two shapes, and no reader would take it.
    if (cabecalho.Alvos != plano.Alvos)
        throw EEntradaExperimento(arquivo +
                                  ":1: gives the evaluations of other targets than --targets asks "
                                  "for, so it cannot be resumed with them");
    if (cabecalho.Orcamentos != plano.Orcamentos)
        throw EEntradaExperimento(arquivo +
                                  ":1: gives the best so far at other budgets than --budgets asks "
                                  "for, so it cannot be resumed with them");
    if (cabecalho.Campos !=
        ColunasCsvExperimento(true).size() + plano.Alvos.size() + plano.Orcamentos.size())
        throw EEntradaExperimento(arquivo +
                                  ":1: has a first column of row numbers, which the rows "
                                  "added to it would lack, so it cannot be resumed");
    retomada.Cabecalho = true;

    const auto configuracoes = static_cast<int>(plano.Configuracoes.size());
    const std::int64_t total = ExecucoesDaFatia(plano);
    std::vector<std::vector<std::string>> parametrosDoPlano;
    for (const TConfiguracao& c : plano.Configuracoes)
        parametrosDoPlano.push_back(ParametrosCsv(c));
    for (std::int64_t j = 0; const std::optional<TLinhaLida> lida = linhas.Proxima(); ++j) {
        const TLinhaLida& linha = *lida;
        const TOrigem& origem = linha.Origem();
        const TPlanejado planejado = linha.Planejado();
        if (planejado.Configuracoes != configuracoes || planejado.Execucoes != plano.Execucoes)
            RecusaLinha(origem, "planned_configs,planned_runs are " +
                                    Texto(planejado.Configuracoes) + "," +
                                    Texto(planejado.Execucoes) + ", this experiment's " +
                                    Texto(configuracoes) + "," + Texto(plano.Execucoes));
        const auto [config, execucao] = PosicaoNaFatia(plano, j);
        const auto linhaConfig = linha.Inteiro("config", 1, configuracoes);
        const auto linhaExecucao = linha.Inteiro("run", 0, plano.Execucoes - 1);
        if (j >= total || linhaConfig != config || linhaExecucao != execucao)
            RecusaLinha(origem, "run " + Texto(linhaExecucao) + " of configuration " +
                                    Texto(linhaConfig) + ", where shard " + Texto(plano.Fatia) +
                                    "/" + Texto(plano.Fatias) +
                                    (j >= total ? " has no more runs"
                                                : " goes on with run " + Texto(execucao) +
                                                      " of configuration " + Texto(config)));

        const TConfiguracao& esperada = plano.Configuracoes[static_cast<std::size_t>(config - 1)];
        const std::vector<std::string> valores = ParametrosCsv(linha.Configuracao());
        const std::vector<std::string>& esperados =
            parametrosDoPlano[static_cast<std::size_t>(config - 1)];
        for (std::size_t k = 0; k < valores.size(); ++k)
            if (valores[k] != esperados[k])
                RecusaLinha(origem, "configuration " + Texto(config) + " has " +
                                        OpcoesExecucao()[k].Coluna + " '" + valores[k] +
                                        "', this experiment '" + esperados[k] + "'");

        TResultadoExecucao r = linha.Resultado(esperada.Painel.Valores.LimGer);
        const auto deslocada = static_cast<std::uint32_t>(execucao);
        if (j == 0 && sementeDasLinhas)
            retomada.SementeBase =
                SementeBaseDoExperimento(r.Semente - deslocada, config, plano.Sementes);
        // config is a structured binding, which Clang 14 cannot capture: copied in.
        const auto semente = [&, c = config](TSementes sementes) {
            return SementeBaseDaConfiguracao(retomada.SementeBase, c, sementes) + deslocada;
        };
        if (r.Semente != semente(plano.Sementes)) {
            const TSementes outras = plano.Sementes == TSementes::Compartilhadas
                                         ? TSementes::Independentes
                                         : TSementes::Compartilhadas;
            RecusaLinha(
                origem,
                "seed " + Texto(r.Semente) + ", where base seed " + Texto(retomada.SementeBase) +
                    " gives " + Texto(semente(plano.Sementes)) +
                    (r.Semente == semente(outras)
                         ? std::string(" (the rows were run with --seeds ") +
                               (outras == TSementes::Independentes ? "independent" : "shared") + ")"
                         : ""));
        }
        recebe(r);
        ++retomada.Execucoes;
    }
    return retomada;
}
