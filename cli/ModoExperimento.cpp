// quivora-run's experiments: many runs on worker threads, their rows and curves written as
// they finish, in index order, and the summary at the end.
#include "ModoExperimento.h"

#include "ArquivoSaida.h"
#include "Csv.h"
#include "CsvExperimento.h"
#include "Curvas.h"
#include "Experimento.h"
#include "FormatoNumero.h"
#include "Progresso.h"
#include "Relogio.h"
#include "Resumo.h"
#include "ResumoCsv.h"
#include "TabelaResumo.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

namespace {

// Set by Ctrl-C or a termination request: no new run starts, the ones under way are abandoned,
// the rows of the runs done are written, and the summary covers them.
std::atomic<bool> Interrompido = false;
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void AoInterromper(int /*sinal*/) {
    Interrompido.store(true);
}

// The curves of each configuration, written once its last run has arrived (runs arrive in
// order, configuration by configuration).
class TEscritaCurvas {
public:
    explicit TEscritaCurvas(TArquivoSaida& arquivo) : Arquivo(arquivo) {
        std::vector<std::string> colunas{"config", "generation"};
        for (const char* serie :
             {"best_fitness_1", "average_fitness_1", "best_fitness_2", "average_fitness_2"})
            for (const char* quartil : {"_q1", "_median", "_q3"})
                colunas.push_back(std::string(serie) + quartil);
        Arquivo.Escreve(RegistroCsv(colunas));
    }

    void Acrescenta(TResultadoExecucao& r) {
        if (r.Configuracao != Configuracao)
            Conclui();
        Configuracao = r.Configuracao;
        Trajetorias.push_back(std::move(r.Trajetoria));
    }

    void Conclui() {
        if (Trajetorias.empty())
            return;
        const std::vector<TPontoCurva> curva = CalculaCurva(Trajetorias);
        std::string registros;
        for (std::size_t g = 0; g < curva.size(); ++g) {
            std::vector<std::string> campos{std::to_string(Configuracao), std::to_string(g)};
            for (const TQuartis& q :
                 {curva[g].Melhor1, curva[g].Media1, curva[g].Melhor2, curva[g].Media2})
                for (const double v : {q.Q1, q.Mediana, q.Q3})
                    campos.push_back(FormataReal(v, "."));
            registros += RegistroCsv(campos);
        }
        Arquivo.Escreve(registros);
        Trajetorias.clear();
    }

private:
    TArquivoSaida& Arquivo;
    int Configuracao = 0;
    std::vector<std::vector<TPontoGeracao>> Trajetorias;
};

// The base seed, or the base seed of each configuration where they differ.
std::string SementesBase(const std::vector<std::uint32_t>& sementes) {
    if (std::all_of(sementes.begin(), sementes.end(),
                    [&](std::uint32_t s) { return s == sementes.front(); }))
        return "base seed: " + std::to_string(sementes.front());
    std::string texto = "base seeds by configuration:";
    for (const std::uint32_t s : sementes)
        texto.append(" ").append(std::to_string(s));
    return texto;
}

// The files an experiment or a summary writes.
struct TSaidas {
    std::unique_ptr<TArquivoSaida> Csv;
    std::unique_ptr<TArquivoSaida> Curvas;
    std::unique_ptr<TArquivoSaida> Ecdf;
    std::unique_ptr<TArquivoSaida> ResumoCsv;

    // Opens every file the options name before it empties any, so that a failure leaves them
    // all as they were. Throws EGravacao; false, having said why, when two options name one
    // file by different paths.
    bool Abre(const TOpcoesExperimento& e) {
        struct TSaida {
            const char* Opcao;
            const std::string& Caminho;
            std::unique_ptr<TArquivoSaida>& Arquivo;
        };
        const std::array<TSaida, 4> saidas{{{"--csv", e.Csv, Csv},
                                            {"--curves", e.Curvas, Curvas},
                                            {"--ecdf", e.Ecdf, Ecdf},
                                            {"--summary-csv", e.ResumoCsv, ResumoCsv}}};
        for (const TSaida& s : saidas)
            if (!s.Caminho.empty())
                s.Arquivo = std::make_unique<TArquivoSaida>(s.Caminho);
        for (std::size_t i = 0; i < saidas.size(); ++i)
            for (std::size_t j = i + 1; j < saidas.size(); ++j)
                if (saidas[i].Arquivo && saidas[j].Arquivo &&
                    saidas[i].Arquivo->MesmoArquivo(*saidas[j].Arquivo)) {
                    std::cerr << "quivora-run: " << saidas[i].Opcao << " and " << saidas[j].Opcao
                              << " name the same file\n";
                    return false;
                }
        for (const TSaida& s : saidas)
            if (s.Arquivo)
                s.Arquivo->Esvazia();
        return true;
    }
};

// Prints the summary and writes its files. Returns 0, or 3 when a file cannot be written.
int ConcluiResumo(const std::vector<TConfiguracao>& configuracoes, const TResumo& resumo,
                  const std::vector<std::uint32_t>& sementesBase, const std::string& tempo,
                  const std::string& separador, const TOpcoesExperimento& e, TSaidas& saidas) {
    const std::vector<TLinhaResumo> linhas = resumo.Linhas();
    const std::vector<TLinhaPar> pares =
        e.CompararTodos ? resumo.Pares() : std::vector<TLinhaPar>{};
    std::cout << TabelaResumo(linhas, RotulosVariacao(configuracoes, separador), separador);
    if (configuracoes.size() >= 3)
        std::cout << LinhaKruskalWallis(resumo.KruskalWallis(), configuracoes.size(), separador);
    if (!pares.empty())
        std::cout << "\n" << TabelaPares(pares, separador);
    std::cout << SementesBase(sementesBase) << "\n"
              << "total time: " << tempo << "\n"
              << std::flush;
    try {
        if (saidas.Ecdf) {
            saidas.Ecdf->Escreve(DistribuicoesCsv(resumo.Distribuicoes()));
            saidas.Ecdf->Fecha();
        }
        if (saidas.ResumoCsv) {
            saidas.ResumoCsv->Escreve(
                ResumoCsv(linhas, RotulosVariacao(configuracoes, "."), pares));
            saidas.ResumoCsv->Fecha();
        }
    } catch (const EGravacao& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return 3;
    }
    return 0;
}

// True when `caminho` is one of `arquivos`, whatever the paths look like.
bool UmDosArquivos(const std::string& caminho, const std::vector<std::string>& arquivos) {
    struct stat saida {};
    if (::stat(caminho.c_str(), &saida) != 0)
        return false;
    return std::any_of(arquivos.begin(), arquivos.end(), [&](const std::string& arquivo) {
        struct stat entrada {};
        return ::stat(arquivo.c_str(), &entrada) == 0 && entrada.st_dev == saida.st_dev &&
               entrada.st_ino == saida.st_ino;
    });
}

std::string Segundos(double segundos, const std::string& separador) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.3f", segundos);
    std::string resultado = texto;
    resultado.replace(resultado.find('.'), 1, separador);
    return resultado + " s";
}

}  // namespace

int ExecutaExperimento(const TOpcoes& opcoes, const std::string& separador) {
    const TOpcoesExperimento& e = opcoes.Experimento;
    // Every tolerance converts before anything runs, as a single run would require.
    for (const auto& c : opcoes.Configuracoes) {
        try {
            (void)Diferenca(c);
        } catch (const EConversao& erro) {
            std::cerr << erro.what() << '\n';
            return 1;
        }
    }

    TPlanoExperimento plano;
    plano.Configuracoes = opcoes.Configuracoes;
    plano.Execucoes = e.Execucoes;
    plano.SementeBase = opcoes.Semente ? *opcoes.Semente : MilissegundosDoDiaUtc();
    plano.Tarefas = e.Tarefas;
    plano.Fatia = e.Fatia;
    plano.Fatias = e.Fatias;
    plano.GuardaTrajetorias = !e.Curvas.empty();
    const std::int64_t total = ExecucoesDaFatia(plano);

    std::vector<std::vector<std::string>> parametros;  // each configuration's CSV fields
    for (const auto& c : plano.Configuracoes)
        parametros.push_back(ParametrosCsv(c));
    TSaidas saidas;
    std::unique_ptr<TArquivoSaida>& csv = saidas.Csv;
    std::optional<TEscritaCurvas> curvas;
    TResumo resumo(plano.Configuracoes);
    TProgresso progresso(total);
    const auto inicio = std::chrono::steady_clock::now();
    std::int64_t feitas = 0;
    try {
        if (!saidas.Abre(e))
            return 2;
        if (csv)
            csv->Escreve(CabecalhoCsvExperimento());
        if (saidas.Curvas)
            curvas.emplace(*saidas.Curvas);
        Interrompido = false;
        std::signal(SIGINT, AoInterromper);
        std::signal(SIGTERM, AoInterromper);
        feitas = ExecutaExperimento(
            plano,
            [&](TResultadoExecucao&& r) {
                resumo.Acrescenta(r);
                if (csv)
                    csv->Escreve(LinhaCsvExperimento(
                        parametros[static_cast<std::size_t>(r.Configuracao - 1)], r));
                if (curvas)
                    curvas->Acrescenta(r);
                progresso.Avanca();
            },
            Interrompido);
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        progresso.Apaga();
        if (curvas)
            curvas->Conclui();
        if (csv)
            csv->Fecha();
        if (saidas.Curvas)
            saidas.Curvas->Fecha();
    } catch (const EGravacao& erro) {
        progresso.Apaga();
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return 3;
    }

    const std::chrono::duration<double> duracao = std::chrono::steady_clock::now() - inicio;
    const int estado =
        ConcluiResumo(plano.Configuracoes, resumo,
                      std::vector<std::uint32_t>(plano.Configuracoes.size(), plano.SementeBase),
                      Segundos(duracao.count(), separador), separador, e, saidas);
    if (feitas < total) {
        std::cerr << "quivora-run: interrupted after " << feitas << " of " << total << " runs\n";
        return estado != 0 ? estado : 130;
    }
    return estado;
}

int ResumeExperimento(const TOpcoes& opcoes, const std::string& separador) {
    const TOpcoesExperimento& e = opcoes.Experimento;
    // A summary written over the runs it sums up would lose them.
    for (const auto& [opcao, caminho] :
         {std::pair{"--ecdf", e.Ecdf}, {"--summary-csv", e.ResumoCsv}})
        if (!caminho.empty() && UmDosArquivos(caminho, e.Resumir)) {
            std::cerr << "quivora-run: " << opcao << " names one of the files to summarize, '"
                      << caminho << "'\n";
            return 2;
        }
    TExperimentoLido lido;
    try {
        lido = LeCsvExperimento(e.Resumir);
    } catch (const EEntradaExperimento& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return 2;
    }
    TSaidas saidas;
    try {
        if (!saidas.Abre(e))
            return 2;
    } catch (const EGravacao& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return 3;
    }
    TResumo resumo(lido.Configuracoes);
    double milissegundos = 0;
    for (const auto& r : lido.Resultados) {
        resumo.Acrescenta(r);
        milissegundos += r.Milissegundos;
    }
    return ConcluiResumo(
        lido.Configuracoes, resumo, lido.SementesBase,
        Segundos(milissegundos / 1000, separador) + " (the runs' own times added up)", separador, e,
        saidas);
}
