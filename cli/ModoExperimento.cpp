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
#include "TabelaResumo.h"

#include <algorithm>
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

void ImprimeResumo(const std::vector<TConfiguracao>& configuracoes, const TResumo& resumo,
                   const std::vector<std::uint32_t>& sementesBase, const std::string& tempo,
                   const std::string& separador) {
    std::cout << TabelaResumo(resumo.Linhas(), RotulosVariacao(configuracoes, separador), separador)
              << SementesBase(sementesBase) << "\n"
              << "total time: " << tempo << "\n"
              << std::flush;
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

    if (plano.GuardaTrajetorias) {
        if (const std::string excesso = CurvasExcedemOLimite(plano); !excesso.empty()) {
            std::cerr << "quivora-run: " << excesso << '\n';
            return 2;
        }
    }

    std::vector<std::vector<std::string>> parametros;  // each configuration's CSV fields
    for (const auto& c : plano.Configuracoes)
        parametros.push_back(ParametrosCsv(c));
    std::unique_ptr<TArquivoSaida> csv;
    std::unique_ptr<TArquivoSaida> arquivoCurvas;
    std::optional<TEscritaCurvas> curvas;
    TResumo resumo(static_cast<int>(plano.Configuracoes.size()));
    TProgresso progresso(total);
    const auto inicio = std::chrono::steady_clock::now();
    std::int64_t feitas = 0;
    try {
        // Both files open before either is emptied, so that a failure leaves both as they were.
        if (!e.Csv.empty())
            csv = std::make_unique<TArquivoSaida>(e.Csv);
        if (!e.Curvas.empty())
            arquivoCurvas = std::make_unique<TArquivoSaida>(e.Curvas);
        if (csv && arquivoCurvas && csv->MesmoArquivo(*arquivoCurvas)) {
            std::cerr << "quivora-run: --csv and --curves name the same file\n";
            return 2;
        }
        if (csv) {
            csv->Esvazia();
            csv->Escreve(CabecalhoCsvExperimento());
        }
        if (arquivoCurvas) {
            arquivoCurvas->Esvazia();
            curvas.emplace(*arquivoCurvas, plano);
        }
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
        if (arquivoCurvas)
            arquivoCurvas->Fecha();
    } catch (const EGravacao& erro) {
        progresso.Apaga();
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return 3;
    }

    const std::chrono::duration<double> duracao = std::chrono::steady_clock::now() - inicio;
    ImprimeResumo(plano.Configuracoes, resumo,
                  std::vector<std::uint32_t>(plano.Configuracoes.size(), plano.SementeBase),
                  Segundos(duracao.count(), separador), separador);
    if (feitas < total) {
        std::cerr << "quivora-run: interrupted after " << feitas << " of " << total << " runs\n";
        return 130;
    }
    return 0;
}

int ResumeExperimento(const TOpcoes& opcoes, const std::string& separador) {
    TExperimentoLido lido;
    try {
        lido = LeCsvExperimento(opcoes.Experimento.Resumir);
    } catch (const EEntradaExperimento& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return 2;
    }
    TResumo resumo(static_cast<int>(lido.Configuracoes.size()));
    double milissegundos = 0;
    for (const auto& r : lido.Resultados) {
        resumo.Acrescenta(r);
        milissegundos += r.Milissegundos;
    }
    ImprimeResumo(lido.Configuracoes, resumo, lido.SementesBase,
                  Segundos(milissegundos / 1000, separador) + " (the runs' own times added up)",
                  separador);
    return 0;
}
