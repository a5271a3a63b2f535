// quivora-run --summarize: the summary of experiment CSVs, the shards of one experiment put
// together or the experiments the window saved.
#include "ModoResumo.h"

#include "CodigosSaida.h"
#include "ExperimentoLido.h"
#include "ImprimeResumo.h"

#include <sys/stat.h>

#include <algorithm>
#include <iostream>

namespace {

// True when `caminho` is one of `arquivos`, whatever the paths look like.
bool UmDosArquivos(const std::string& caminho, const std::vector<std::string>& arquivos) {
    struct stat saida {};
    if (::stat(caminho.c_str(), &saida) != 0)
        return false;
    return std::any_of(arquivos.begin(), arquivos.end(), [&](const std::string& arquivo) {
        struct stat entrada {};
        return ::stat(arquivo.c_str(), &entrada) == 0 && MesmoArquivo(entrada, saida);
    });
}

// The configurations whose runs are not all there, as "2 (180 of 200)" or "3 (none)".
std::string Faltas(const std::vector<std::int64_t>& encontradas,
                   const std::vector<int>& planejadas) {
    constexpr int MaxNomeadas = 10;
    std::string texto;
    int nomeadas = 0;
    for (std::size_t k = 0; k < encontradas.size(); ++k) {
        if (encontradas[k] > 0 && encontradas[k] >= planejadas[k])
            continue;
        if (nomeadas++ == MaxNomeadas)
            return texto + ", ...";
        texto += (texto.empty() ? "" : ", ") + std::to_string(k + 1) +
                 (encontradas[k] == 0 ? " (none)"
                                      : " (" + std::to_string(encontradas[k]) + " of " +
                                            std::to_string(planejadas[k]) + ")");
    }
    return texto;
}

// The configurations with runs in the files; how many each has, for the warning on the others.
TResumoMostrado Mostrado(const TExperimentoLido& lido, const TResumo& resumo,
                         std::vector<std::int64_t>& encontradas) {
    TResumoMostrado mostrado;
    for (const TLinhaResumo& l : resumo.Linhas()) {
        const auto k = static_cast<std::size_t>(l.Configuracao - 1);
        encontradas.push_back(l.Execucoes);
        if (l.Execucoes == 0)
            continue;
        mostrado.Linhas.push_back(l);
        mostrado.Configuracoes.push_back(lido.Configuracoes[k]);
        mostrado.SementesBase.push_back(lido.SementesBase[k]);
        if (!lido.Planejadas.empty())
            mostrado.Planejadas.push_back(lido.Planejadas[k]);
    }
    return mostrado;
}

// The summary; SemAbortar around it.
int Resumo(const TOpcoes& opcoes, const std::string& separador) {
    const TOpcoesExperimento& e = opcoes.Experimento;
    // A summary written over the runs it sums up would lose them.
    for (const auto& [opcao, caminho] : e.Saidas())
        if (UmDosArquivos(caminho, e.Resumir)) {
            std::cerr << "quivora-run: " << opcao << " names one of the files to summarize, '"
                      << caminho << "'\n";
            return CodigoSaida::EntradaInvalida;
        }
    TExperimentoLido lido;
    try {
        lido = LeCsvExperimento(e.Resumir);
    } catch (const EEntradaExperimento& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return CodigoSaida::EntradaInvalida;
    }
    TSaidas saidas;
    try {
        if (!saidas.Abre(e))
            return CodigoSaida::EntradaInvalida;
        saidas.Prepara();
    } catch (const EArquivoEmUso& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return CodigoSaida::EntradaInvalida;
    } catch (const EGravacao& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return CodigoSaida::Gravacao;
    }
    TResumo resumo(lido.Configuracoes, lido.Alvos, lido.Orcamentos);
    double milissegundos = 0;
    for (const auto& r : lido.Resultados) {
        resumo.Acrescenta(r);
        milissegundos += r.Milissegundos;
    }

    std::vector<std::int64_t> encontradas;
    const TResumoMostrado mostrado = Mostrado(lido, resumo, encontradas);
    const int estado =
        ImprimeResumo(mostrado, resumo,
                      Segundos(milissegundos / 1000, separador) + " (the runs' own times added up)",
                      separador, e, saidas);
    if (!lido.Planejadas.empty()) {
        const std::string faltas = Faltas(encontradas, lido.Planejadas);
        if (!faltas.empty())
            std::cerr << "quivora-run: warning: planned runs are missing from configurations "
                      << faltas << "; the summary covers the runs found\n";
    }
    return estado;
}

}  // namespace

int ExecutaModoResumo(const TOpcoes& opcoes, const std::string& separador) {
    return SemAbortar([&] { return Resumo(opcoes, separador); });
}
