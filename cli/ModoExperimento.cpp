// quivora-run's experiments: many runs on worker threads, their rows and curves written as
// they finish, in index order, and the summary at the end. The steps: the plan from the
// options (and from the CSV it resumes), the files opened, the runs handed to one sink under
// a guard of the signals, the summary.
#include "ModoExperimento.h"

#include "CodigosSaida.h"
#include "DestinoExecucoes.h"
#include "FormatoNumero.h"
#include "GuardaSinais.h"
#include "ImprimeResumo.h"
#include "Orcamentos.h"
#include "Relogio.h"
#include "RetomadaCsv.h"
#include "Sementes.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <optional>

namespace {

// Every tolerance converts before anything runs, as a single run would require: the
// conversion's message otherwise.
std::optional<std::string> ToleranciaQueNaoConverte(const std::vector<TConfiguracao>& configs) {
    for (const auto& c : configs) {
        try {
            (void)Diferenca(c);
        } catch (const EConversao& erro) {
            return erro.what();
        }
    }
    return std::nullopt;
}

TPlanoExperimento PlanoDasOpcoes(const TOpcoes& opcoes) {
    const TOpcoesExperimento& e = opcoes.Experimento;
    TPlanoExperimento plano;
    plano.Configuracoes = opcoes.Configuracoes;
    plano.Execucoes = e.Execucoes;
    plano.SementeBase = opcoes.Semente ? *opcoes.Semente : MilissegundosDoDiaUtc();
    plano.Tarefas = e.Tarefas;
    plano.Fatia = e.Fatia;
    plano.Fatias = e.Fatias;
    plano.GuardaTrajetorias = !e.Curvas.empty();
    plano.Alvos = e.Alvos;
    plano.Orcamentos = e.Orcamentos;
    plano.GuardaMelhoras =
        !e.Trajetorias.empty() || !e.Ioh.empty() || !e.Alvos.empty() || !e.Orcamentos.empty();
    plano.Sementes = e.Sementes;
    return plano;
}

// Writes the headers, hands every missing run of the shard to one sink, and closes the files
// the runs wrote. Returns the runs done, fewer than planned when interrupted. Throws EGravacao.
std::int64_t Executa(const TPlanoExperimento& plano, TResumo& resumo, TSaidas& saidas,
                     TProgresso& progresso, bool cabecalho) {
    TDestinoExecucoes destino(plano, resumo, saidas, progresso, cabecalho);
    std::int64_t feitas = 0;
    {
        const TGuardaSinais guarda;
        feitas = ExecutaExperimento(
            plano, [&](TResultadoExecucao&& r) { destino.Recebe(std::move(r)); },
            TGuardaSinais::Interrompido());
    }
    progresso.Apaga();
    destino.Conclui();
    if (saidas.Csv)
        saidas.Csv->Fecha();
    if (saidas.Curvas)
        saidas.Curvas->Fecha();
    if (saidas.Trajetorias)
        saidas.Trajetorias->Fecha();
    return feitas;
}

// After a failed write: the CSV's rows still buffered go after the ones written, if they can,
// and the message says how many runs the file holds.
void DizOQueOCsvGuarda(TArquivoSaida& csv, const TOpcoesExperimento& e,
                       const TPlanoExperimento& plano, bool cabecalhoNovo) {
    try {
        csv.Fecha();
    } catch (const EGravacao&) {
    }
    const std::int64_t linhas = csv.Gravados() - (cabecalhoNovo ? 1 : 0);
    std::cerr << "quivora-run: " << e.Csv << " ends after its last whole row; it holds "
              << plano.Feitas + std::max<std::int64_t>(linhas, 0) << " of the "
              << ExecucoesDaFatia(plano) << " runs"
              << (e.Curvas.empty() && e.Trajetorias.empty() && e.Ioh.empty()
                      ? " (--resume goes on from there)"
                      : "")
              << "\n";
}

// Opens and locks the outputs; when they cannot be, or the CSV holds rows it was not asked to
// go on with or to start again, the exit status, having said why.
std::optional<int> AbreSaidas(const TOpcoesExperimento& e, TSaidas& saidas) {
    try {
        if (!saidas.Abre(e))
            return CodigoSaida::EntradaInvalida;
    } catch (const EArquivoEmUso& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return CodigoSaida::EntradaInvalida;
    } catch (const EGravacao& erro) {
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return CodigoSaida::Gravacao;
    }
    if (saidas.Csv && saidas.Csv->TemConteudo() && !e.Retomar && !e.Forcar) {
        std::cerr << "quivora-run: " << e.Csv
                  << " already holds rows; --resume goes on with them, --force starts it again\n";
        return CodigoSaida::EntradaInvalida;
    }
    return std::nullopt;
}

// A shard's summary, printed where the recipes gather every shard's output, must not pass for
// the experiment's.
std::string AvisoDeFatia(const TPlanoExperimento& plano) {
    if (plano.Fatias == 1)
        return {};
    return "shard " + std::to_string(plano.Fatia) + "/" + std::to_string(plano.Fatias) +
           " only: the summary of the whole experiment is that of --summarize with every "
           "shard's CSV\n";
}

// The steps in order; SemAbortar around them.
int Experimento(const TOpcoes& opcoes, const std::string& separador) {
    const TOpcoesExperimento& e = opcoes.Experimento;
    if (const auto erro = ToleranciaQueNaoConverte(opcoes.Configuracoes)) {
        std::cerr << *erro << '\n';
        return CodigoSaida::ToleranciaInvalida;
    }
    TPlanoExperimento plano = PlanoDasOpcoes(opcoes);
    if (plano.GuardaTrajetorias)
        if (const auto excesso = CurvasExcedemOLimite(plano)) {
            std::cerr << "quivora-run: " << *excesso << '\n';
            return CodigoSaida::EntradaInvalida;
        }
    if (const auto alem = OrcamentoAlemDasExecucoes(plano.Configuracoes, plano.Orcamentos)) {
        std::cerr << "quivora-run: " << *alem << '\n';
        return CodigoSaida::EntradaInvalida;
    }

    TSaidas saidas;
    if (const auto estado = AbreSaidas(e, saidas))
        return *estado;

    // A resumed experiment takes the runs its CSV holds, and their base seed unless one is
    // given; a file of another experiment stays as it is.
    TResumo resumo(plano.Configuracoes, plano.Alvos, plano.Orcamentos);
    const std::int64_t total = ExecucoesDaFatia(plano);
    std::optional<TRetomada> retomada;
    if (e.Retomar) {
        try {
            retomada = LeRetomada(saidas.Csv->Conteudo(), e.Csv, plano, !opcoes.Semente,
                                  [&](const TResultadoExecucao& r) { resumo.Acrescenta(r); });
        } catch (const EEntradaExperimento& erro) {
            std::cerr << "quivora-run: " << erro.what() << '\n';
            return CodigoSaida::EntradaInvalida;
        }
        plano.SementeBase = retomada->SementeBase;
        plano.Feitas = retomada->Execucoes;
        // A finished experiment is only summed up: its file need not be writable.
        if (plano.Feitas == total && !saidas.Csv->Gravavel())
            saidas.Csv.reset();
    }
    try {
        saidas.Prepara(retomada && saidas.Csv ? std::optional(retomada->Tamanho) : std::nullopt);
    } catch (const EGravacao& erro) {
        // The CSV is left as it was: no rows of this experiment to speak of.
        std::cerr << "quivora-run: " << erro.what() << '\n';
        return CodigoSaida::Gravacao;
    }

    const bool cabecalhoNovo = !retomada || !retomada->Cabecalho;
    TProgresso progresso(total - plano.Feitas);
    const auto inicio = std::chrono::steady_clock::now();
    std::int64_t feitas = 0;
    try {
        feitas = Executa(plano, resumo, saidas, progresso, cabecalhoNovo);
    } catch (const std::exception& erro) {
        progresso.Apaga();
        const int estado = DizFalha(erro);
        if (estado == 0)
            throw;
        if (saidas.Csv && saidas.Csv->Regular())
            DizOQueOCsvGuarda(*saidas.Csv, e, plano, cabecalhoNovo);
        return estado;
    }

    const std::chrono::duration<double> duracao = std::chrono::steady_clock::now() - inicio;
    std::vector<std::uint32_t> sementesBase;
    for (int k = 1; k <= static_cast<int>(plano.Configuracoes.size()); ++k)
        sementesBase.push_back(SementeBaseDaConfiguracao(plano.SementeBase, k, plano.Sementes));
    const TResumoMostrado mostrado{plano.Configuracoes, resumo.Linhas(),
                                   std::vector<int>(plano.Configuracoes.size(), plano.Execucoes),
                                   sementesBase, AvisoDeFatia(plano)};
    const int estado =
        ImprimeResumo(mostrado, resumo, Segundos(duracao.count(), separador), separador, e, saidas);
    if (plano.Feitas + feitas < total) {
        std::cerr << "quivora-run: interrupted after " << plano.Feitas + feitas << " of " << total
                  << " runs\n";
        return estado != CodigoSaida::Sucesso ? estado : CodigoSaida::Interrompido;
    }
    return estado;
}

}  // namespace

int ExecutaModoExperimento(const TOpcoes& opcoes, const std::string& separador) {
    return SemAbortar([&] { return Experimento(opcoes, separador); });
}
