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
#include "RetomadaCsv.h"
#include "TabelaArtigo.h"
#include "TabelaResumo.h"
#include "Variacao.h"

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
// order, configuration by configuration). Only one configuration's trajectories are kept at a
// time, in compact form.
class TEscritaCurvas {
public:
    TEscritaCurvas(TArquivoSaida& arquivo, const TPlanoExperimento& plano)
        : Arquivo(arquivo), Plano(plano) {
        std::vector<std::string> colunas{"config", "generation"};
        for (const char* serie :
             {"best_fitness_1", "average_fitness_1", "best_fitness_2", "average_fitness_2"})
            for (const char* quartil : {"_q1", "_median", "_q3"})
                colunas.push_back(std::string(serie) + quartil);
        Arquivo.Escreve(RegistroCsv(colunas));
    }

    void Acrescenta(TResultadoExecucao& r) {
        if (r.Configuracao != Configuracao) {
            Conclui();
            Configuracao = r.Configuracao;
            const TConfiguracao& c =
                Plano.Configuracoes[static_cast<std::size_t>(Configuracao - 1)];
            Trajetorias.emplace(c.Paralelo);
            Trajetorias->Reserva(Plano.Execucoes, c.Painel.Valores.LimGer + 1);
        }
        Trajetorias->Acrescenta(r.Trajetoria);
        r.Trajetoria = {};
    }

    void Conclui() {
        if (!Trajetorias || Trajetorias->Vazia())
            return;
        const std::vector<TPontoCurva> curva = Trajetorias->Curva();
        Trajetorias.reset();
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
    }

private:
    TArquivoSaida& Arquivo;
    const TPlanoExperimento& Plano;
    int Configuracao = 0;
    std::optional<TTrajetorias> Trajetorias;
};

// The curves keep every run of a configuration until it is complete: an experiment whose
// trajectories would not fit their bound is refused before anything runs or is written.
std::string CurvasExcedemOLimite(const TPlanoExperimento& plano) {
    for (std::size_t i = 0; i < plano.Configuracoes.size(); ++i) {
        const TConfiguracao& c = plano.Configuracoes[i];
        const std::int64_t bytes = BytesDasCurvas(c, plano.Execucoes);
        if (bytes <= MaxBytesCurvas)
            continue;
        char texto[320];
        std::snprintf(texto, sizeof texto,
                      "--curves would keep %.2f GiB of trajectories for configuration %zu (%d "
                      "runs of up to %d generations), more than its limit of %.0f GiB; ask for "
                      "fewer runs or generations",
                      static_cast<double>(bytes) / (1 << 30), i + 1, plano.Execucoes,
                      c.Painel.Valores.LimGer + 1, static_cast<double>(MaxBytesCurvas) / (1 << 30));
        return texto;
    }
    return {};
}

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

// The files an experiment or a summary writes.
struct TSaidas {
    std::unique_ptr<TArquivoSaida> Csv;
    std::unique_ptr<TArquivoSaida> Curvas;
    std::unique_ptr<TArquivoSaida> Ecdf;
    std::unique_ptr<TArquivoSaida> ResumoCsv;
    std::unique_ptr<TArquivoSaida> ResumoTex;
    std::unique_ptr<TArquivoSaida> ResumoMd;

    // Opens every file the options name before it empties any, so that a failure leaves them
    // all as they were; the CSV of a resumed experiment keeps the rows before `retomarEm`
    // instead (a torn last line goes). Throws EGravacao; false, having said why, when two
    // options name one file by different paths.
    bool Abre(const TOpcoesExperimento& e, std::optional<std::int64_t> retomarEm = {}) {
        struct TSaida {
            const char* Opcao;
            const std::string& Caminho;
            std::unique_ptr<TArquivoSaida>& Arquivo;
        };
        const std::array<TSaida, 6> saidas{{{"--csv", e.Csv, Csv},
                                            {"--curves", e.Curvas, Curvas},
                                            {"--ecdf", e.Ecdf, Ecdf},
                                            {"--summary-csv", e.ResumoCsv, ResumoCsv},
                                            {"--summary-tex", e.ResumoTex, ResumoTex},
                                            {"--summary-md", e.ResumoMd, ResumoMd}}};
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
        for (const TSaida& s : saidas) {
            if (!s.Arquivo)
                continue;
            if (&s.Arquivo == &Csv && retomarEm)
                Csv->Continua(*retomarEm);
            else
                s.Arquivo->Esvazia();
        }
        return true;
    }
};

// What the summary shows: the configurations that have runs (a summary of files may lack
// some), with what is known of each.
struct TResumoMostrado {
    std::vector<TConfiguracao> Configuracoes;
    std::vector<TLinhaResumo> Linhas;
    std::vector<int> Planejadas;  ///< empty when the rows do not say
    std::vector<std::uint32_t> SementesBase;
};

// Prints the summary (on stderr when an output file is standard output) and writes its
// files. Returns 0, or 3 when a file cannot be written.
int ConcluiResumo(const TResumoMostrado& mostrado, const TResumo& resumo, const std::string& tempo,
                  const std::string& separador, const TOpcoesExperimento& e, TSaidas& saidas) {
    std::vector<TLinhaPar> pares;
    if (e.CompararTodos) {
        const auto temExecucoes = [&](int configuracao) {
            return std::any_of(
                mostrado.Linhas.begin(), mostrado.Linhas.end(),
                [&](const TLinhaResumo& l) { return l.Configuracao == configuracao; });
        };
        for (const TLinhaPar& par : resumo.Pares())
            if (temExecucoes(par.Configuracao) && temExecucoes(par.Contra))
                pares.push_back(par);
    }
    const std::size_t configuracoes = mostrado.Linhas.size();
    std::ostream& saida = e.SaidaNaPadrao() ? std::cerr : std::cout;
    saida << TabelaResumo(mostrado.Linhas, RotulosVariacao(mostrado.Configuracoes, separador),
                          mostrado.Planejadas, separador);
    if (configuracoes >= 3)
        saida << LinhaKruskalWallis(resumo.KruskalWallis(), configuracoes, separador);
    if (!pares.empty())
        saida << "\n" << TabelaPares(pares, separador);
    std::vector<int> numeros;  // of the configurations shown
    for (const TLinhaResumo& l : mostrado.Linhas)
        numeros.push_back(l.Configuracao);
    saida << SementesBase(mostrado.SementesBase, numeros) << "\n"
          << "total time: " << tempo << "\n"
          << std::flush;
    try {
        if (saidas.Ecdf) {
            saidas.Ecdf->Escreve(DistribuicoesCsv(resumo.Distribuicoes()));
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

std::string Segundos(double segundos, const std::string& separador) {
    return FormataDecimais(segundos, 3, separador) + " s";
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
    plano.Sementes = e.Sementes;
    const std::int64_t total = ExecucoesDaFatia(plano);
    const auto configuracoes = static_cast<int>(plano.Configuracoes.size());
    TResumo resumo(plano.Configuracoes);

    // A resumed experiment takes the runs its CSV holds, and their base seed unless one is
    // given; a file of another experiment stays as it is.
    std::optional<TRetomada> retomada;
    if (e.Retomar) {
        try {
            retomada = LeRetomada(e.Csv, plano, !opcoes.Semente,
                                  [&](const TResultadoExecucao& r) { resumo.Acrescenta(r); });
        } catch (const EEntradaExperimento& erro) {
            std::cerr << "quivora-run: " << erro.what() << '\n';
            return 2;
        }
        plano.SementeBase = retomada->SementeBase;
        plano.Feitas = retomada->Execucoes;
    }

    if (plano.GuardaTrajetorias) {
        if (const std::string excesso = CurvasExcedemOLimite(plano); !excesso.empty()) {
            std::cerr << "quivora-run: " << excesso << '\n';
            return 2;
        }
    }

    std::vector<std::vector<std::string>> parametros;  // each configuration's CSV fields
    for (const auto& c : plano.Configuracoes)
        parametros.push_back(ParametrosCsv(c));
    TSaidas saidas;
    std::unique_ptr<TArquivoSaida>& csv = saidas.Csv;
    std::optional<TEscritaCurvas> curvas;
    bool cabecalhoNovo = false;
    bool abertas = false;  // every output opened, and emptied or cut back for this experiment
    TProgresso progresso(total - plano.Feitas);
    const auto inicio = std::chrono::steady_clock::now();
    std::int64_t feitas = 0;
    try {
        if (!saidas.Abre(e, retomada ? std::optional(retomada->Tamanho) : std::nullopt))
            return 2;
        abertas = true;
        if (csv) {
            cabecalhoNovo = !retomada || !retomada->Cabecalho;
            if (cabecalhoNovo)
                csv->Escreve(CabecalhoCsvExperimento());
        }
        if (saidas.Curvas)
            curvas.emplace(*saidas.Curvas, plano);
        Interrompido = false;
        std::signal(SIGINT, AoInterromper);
        std::signal(SIGTERM, AoInterromper);
        // A file size limit fails the write that passes it, as a full disk does, instead of
        // killing the program in the middle of a row.
        std::signal(SIGXFSZ, SIG_IGN);
        feitas = ExecutaExperimento(
            plano,
            [&](TResultadoExecucao&& r) {
                ArredondaComoNoCsv(r);
                resumo.Acrescenta(r);
                if (csv)
                    csv->Escreve(LinhaCsvExperimento(
                        parametros[static_cast<std::size_t>(r.Configuracao - 1)], r,
                        {configuracoes, plano.Execucoes}));
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
        // A CSV left as it was, when another output could not be opened, is not spoken of.
        if (abertas && csv && csv->Regular()) {
            // The rows still buffered go after the ones written, if they can.
            try {
                csv->Fecha();
            } catch (const EGravacao&) {
            }
            const std::int64_t linhas = csv->Gravados() - (cabecalhoNovo ? 1 : 0);
            std::cerr << "quivora-run: " << e.Csv << " ends after its last whole row; it holds "
                      << plano.Feitas + std::max<std::int64_t>(linhas, 0) << " of the " << total
                      << " runs" << (e.Curvas.empty() ? " (--resume goes on from there)" : "")
                      << "\n";
        }
        return 3;
    }

    const std::chrono::duration<double> duracao = std::chrono::steady_clock::now() - inicio;
    std::vector<std::uint32_t> sementesBase;
    for (int k = 1; k <= configuracoes; ++k)
        sementesBase.push_back(SementeBaseDaConfiguracao(plano.SementeBase, k, plano.Sementes));
    const TResumoMostrado mostrado{plano.Configuracoes, resumo.Linhas(),
                                   std::vector<int>(plano.Configuracoes.size(), plano.Execucoes),
                                   sementesBase};
    const int estado =
        ConcluiResumo(mostrado, resumo, Segundos(duracao.count(), separador), separador, e, saidas);
    if (plano.Feitas + feitas < total) {
        std::cerr << "quivora-run: interrupted after " << plano.Feitas + feitas << " of " << total
                  << " runs\n";
        return estado != 0 ? estado : 130;
    }
    return estado;
}

int ResumeExperimento(const TOpcoes& opcoes, const std::string& separador) {
    const TOpcoesExperimento& e = opcoes.Experimento;
    // A summary written over the runs it sums up would lose them.
    for (const auto& [opcao, caminho] : e.Saidas())
        if (UmDosArquivos(caminho, e.Resumir)) {
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

    // The configurations with runs in the files; the others are named in the warning.
    TResumoMostrado mostrado;
    std::vector<std::int64_t> encontradas;
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
    const int estado =
        ConcluiResumo(mostrado, resumo,
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
