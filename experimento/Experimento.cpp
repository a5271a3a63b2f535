#include "Experimento.h"

#include <exception>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace {

// The results that finished ahead of their turn wait here until the ones before them arrive.
class TEntrega {
public:
    TEntrega(const std::function<void(TResultadoExecucao&&)>& recebe, std::int64_t primeiro)
        : Recebe(recebe), Primeiro(primeiro), Proximo(primeiro) {}

    void Entrega(std::int64_t indice, TResultadoExecucao&& resultado) {
        const std::lock_guard trava(Mutex);
        Pendentes.emplace(indice, std::move(resultado));
        while (!Falhou && !Pendentes.empty() && Pendentes.begin()->first == Proximo) {
            auto no = Pendentes.extract(Pendentes.begin());
            ++Proximo;
            try {
                Recebe(std::move(no.mapped()));
            } catch (...) {
                Erro = std::current_exception();
                Falhou = true;
            }
        }
    }

    /// A run that failed (out of memory, say) stops the experiment as a failing Recebe does.
    void Falha(std::exception_ptr erro) {
        const std::lock_guard trava(Mutex);
        if (!Erro)
            Erro = std::move(erro);
        Falhou = true;
    }

    [[nodiscard]] bool Interrompida() const { return Falhou.load(); }
    [[nodiscard]] std::int64_t Entregues() const { return Proximo - Primeiro; }
    void RelancaErro() const {
        if (Erro)
            std::rethrow_exception(Erro);
    }

private:
    const std::function<void(TResultadoExecucao&&)>& Recebe;
    std::mutex Mutex;
    std::map<std::int64_t, TResultadoExecucao> Pendentes;
    std::int64_t Primeiro;
    std::int64_t Proximo;
    std::atomic<bool> Falhou = false;
    std::exception_ptr Erro;
};

}  // namespace

std::int64_t ExecucoesDaFatia(const TPlanoExperimento& plano) {
    const std::int64_t total =
        static_cast<std::int64_t>(plano.Configuracoes.size()) * plano.Execucoes;
    const std::int64_t primeira = plano.Fatia - 1;
    return total <= primeira ? 0 : (total - primeira + plano.Fatias - 1) / plano.Fatias;
}

TPosicaoExecucao PosicaoNaFatia(const TPlanoExperimento& plano, std::int64_t j) {
    const std::int64_t indice = plano.Fatia - 1 + j * plano.Fatias;
    return {static_cast<int>(indice / plano.Execucoes) + 1,
            static_cast<int>(indice % plano.Execucoes)};
}

std::int64_t ExecutaExperimento(const TPlanoExperimento& plano,
                                const std::function<void(TResultadoExecucao&&)>& recebe,
                                const std::atomic<bool>& cancela) {
    const std::int64_t total = ExecucoesDaFatia(plano);
    std::atomic<std::int64_t> proxima = plano.Feitas;  // the shard's next run, counted from 0
    TEntrega entrega(recebe, plano.Feitas);

    // A worker's exception goes to the caller, whatever the number of threads.
    const auto trabalha = [&] {
        try {
            TExecutor executor;
            for (;;) {
                if (cancela.load() || entrega.Interrompida())
                    return;
                const std::int64_t j = proxima.fetch_add(1);
                if (j >= total)
                    return;
                const auto [config, execucao] = PosicaoNaFatia(plano, j);
                const std::uint32_t semente =
                    SementeBaseDaConfiguracao(plano.SementeBase, config, plano.Sementes) +
                    static_cast<std::uint32_t>(execucao);
                std::optional<TResultadoExecucao> r = executor.Executa(
                    plano.Configuracoes[static_cast<std::size_t>(config - 1)], semente,
                    {plano.GuardaTrajetorias, plano.GuardaMelhoras}, cancela);
                if (!r)
                    return;  // abandoned: cancelled
                r->Configuracao = config;
                r->Execucao = execucao;
                entrega.Entrega(j, std::move(*r));
            }
        } catch (...) {
            entrega.Falha(std::current_exception());
        }
    };

    const auto tarefas =
        static_cast<int>(std::min<std::int64_t>(plano.Tarefas, total - plano.Feitas));
    if (tarefas <= 1) {
        trabalha();
    } else {
        std::vector<std::jthread> trabalhadores;
        trabalhadores.reserve(static_cast<std::size_t>(tarefas));
        for (int t = 0; t < tarefas; ++t)
            trabalhadores.emplace_back(trabalha);
    }
    entrega.RelancaErro();
    return entrega.Entregues();
}
