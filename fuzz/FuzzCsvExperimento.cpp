// Fuzzes the readers of experiment CSVs. The first byte picks what reads the rest: 0 the
// summary of one file (--summarize FILE), 1 of two files cut at the first NUL byte
// (--summarize A B), 2 the resuming of a shard (--resume), whose plan the next three bytes
// give: 1..8 runs of two configurations (mutation rates 3 and 10, as `--vary
// mutation-rate=3,10`), shard K of 1..4. A reader returns or throws EEntradaExperimento,
// nothing else. What it returns holds together: runs in index order within the plan, seeds
// from their base, times that are times; the summary then made of them (tables, CSVs, total
// time) holds no byte that is not text.
#include "ExperimentoLido.h"
#include "Falha.h"
#include "Resumo.h"
#include "ResumoCsv.h"
#include "RetomadaCsv.h"
#include "TabelaResumo.h"
#include "Variacao.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Text: no control byte but the line ends, no NUL left by a conversion.
void ConfereTexto(const std::string& texto, const char* oque) {
    for (const char c : texto)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\r')
            Falha(std::string(oque) + " holds a control byte");
}

void ConfereResultado(const TResultadoExecucao& r, const TConfiguracao& c, std::uint32_t base) {
    if (r.Semente != base + static_cast<std::uint32_t>(r.Execucao))
        Falha("a seed that is not its base plus its run");
    if (r.Geracoes < 1 || r.Geracoes > c.Painel.Valores.LimGer)
        Falha("generations outside the configuration's limit");
    if (r.Atingiu != (r.PrimeiraAtingida >= 0) || r.PrimeiraAtingida > r.Geracoes)
        Falha("a first reach that does not fit the run");
    if (!(r.Milissegundos >= 0 && r.Milissegundos <= MaxMilissegundos))
        Falha("a time that is no time");
}

void Resume(const std::vector<std::string>& arquivos, const std::vector<std::string>& textos) {
    TExperimentoLido lido;
    try {
        lido = LeCsvExperimento(arquivos, [&](const std::string& nome) {
            return textos[nome == arquivos.front() ? 0 : 1];
        });
    } catch (const EEntradaExperimento&) {
        return;
    }
    const std::size_t configuracoes = lido.Configuracoes.size();
    if (lido.Resultados.empty() || lido.SementesBase.size() != configuracoes ||
        (!lido.Planejadas.empty() && lido.Planejadas.size() != configuracoes))
        Falha("a reading whose parts do not match");
    double milissegundos = 0;
    for (std::size_t i = 0; i < lido.Resultados.size(); ++i) {
        const TResultadoExecucao& r = lido.Resultados[i];
        if (r.Configuracao < 1 || static_cast<std::size_t>(r.Configuracao) > configuracoes)
            Falha("a run of a configuration that is not there");
        const auto k = static_cast<std::size_t>(r.Configuracao - 1);
        if (i > 0 &&
            std::pair(lido.Resultados[i - 1].Configuracao, lido.Resultados[i - 1].Execucao) >=
                std::pair(r.Configuracao, r.Execucao))
            Falha("runs out of index order, or twice");
        if (!lido.Planejadas.empty() && r.Execucao >= lido.Planejadas[k])
            Falha("a run beyond its plan");
        ConfereResultado(r, lido.Configuracoes[k], lido.SementesBase[k]);
        milissegundos += r.Milissegundos;
    }

    TResumo resumo(lido.Configuracoes, lido.Alvos, lido.Orcamentos);
    for (const auto& r : lido.Resultados)
        resumo.Acrescenta(r);
    const std::vector<TLinhaResumo> linhas = resumo.Linhas();
    const std::vector<TLinhaPar> pares = resumo.Pares();
    for (const TLinhaPar& par : pares)
        if (linhas[static_cast<std::size_t>(par.Configuracao - 1)].Execucoes == 0 ||
            linhas[static_cast<std::size_t>(par.Contra - 1)].Execucoes == 0)
            Falha("a pair with a configuration that has no runs");
    const std::vector<std::string> rotulos = RotulosVariacao(lido.Configuracoes, ".");
    ConfereTexto(TabelaResumo(linhas, rotulos, lido.Planejadas, ","), "the summary's table");
    ConfereTexto(TabelaPares(pares, "."), "the table of pairs");
    ConfereTexto(LinhaKruskalWallis(resumo.KruskalWallis(), linhas.size(), "."),
                 "the Kruskal-Wallis line");
    ConfereTexto(
        ResumoCsv(linhas, rotulos, lido.Planejadas, pares, FatoresVariados(lido.Configuracoes)),
        "--summary-csv");
    ConfereTexto(DistribuicoesCsv(resumo.Distribuicoes()), "--ecdf");
    const std::string tempo = FormataDecimais(milissegundos / 1000, 3, ".");
    if (tempo.size() < 5 || tempo.find_first_not_of("0123456789.") != std::string::npos ||
        tempo.find('.') != tempo.size() - 4)
        Falha("the total time reads '" + tempo + "'");
}

void Retoma(const std::uint8_t* plano3, std::string texto) {
    TPlanoExperimento plano;
    for (const char* taxa : {"3", "10"}) {
        TConfiguracao c = ConfiguracaoPadrao(".");
        AplicaOpcao(c, "mutation-rate", taxa);
        plano.Configuracoes.push_back(c);
    }
    plano.Execucoes = plano3[0] % 8 + 1;
    plano.Fatias = plano3[1] % 4 + 1;
    plano.Fatia = plano3[2] % plano.Fatias + 1;
    const std::size_t tamanho = texto.size();
    std::vector<TResultadoExecucao> recebidos;
    TRetomada retomada;
    try {
        retomada = LeRetomada(std::move(texto), "shard.csv", plano, true,
                              [&](const TResultadoExecucao& r) { recebidos.push_back(r); });
    } catch (const EEntradaExperimento&) {
        return;
    }
    if (retomada.Tamanho > tamanho)
        Falha("resumes after the end of the file");
    if (retomada.Execucoes != static_cast<std::int64_t>(recebidos.size()) ||
        retomada.Execucoes > ExecucoesDaFatia(plano) ||
        (retomada.Execucoes > 0 && !retomada.Cabecalho))
        Falha("runs that the shard does not have");
    for (std::size_t j = 0; j < recebidos.size(); ++j) {
        const TPosicaoExecucao posicao = PosicaoNaFatia(plano, static_cast<std::int64_t>(j));
        const TResultadoExecucao& r = recebidos[j];
        if (r.Configuracao != posicao.Configuracao || r.Execucao != posicao.Execucao)
            Falha("a run out of the shard's order");
        ConfereResultado(r, plano.Configuracoes[static_cast<std::size_t>(r.Configuracao - 1)],
                         retomada.SementeBase);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho < 1)
        return 0;
    const std::string resto(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);
    switch (dados[0] % 3) {
        case 0:
            Resume({"a.csv"}, {resto});
            break;
        case 1: {
            const std::size_t corte = resto.find('\0');
            if (corte == std::string::npos)
                return 0;
            Resume({"a.csv", "b.csv"}, {resto.substr(0, corte), resto.substr(corte + 1)});
            break;
        }
        default:
            if (tamanho < 4)
                return 0;
            Retoma(dados + 1, resto.substr(3));
    }
    return 0;
}
