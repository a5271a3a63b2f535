#include "Execucao.h"

#include <algorithm>
#include <chrono>

namespace {

// The observer of an experiment's runs: no report, no record; after every generation it notes
// what the row and the curves need and looks whether the experiment was cancelled, so that a
// long run does not keep it waiting.
class TObservadorExecucao final : public TObservadorAG {
public:
    TObservadorExecucao(const TConfiguracaoAG& config, TGuardaExecucao guarda,
                        const std::atomic<bool>& cancela, TResultadoExecucao& resultado)
        : Config(config), Guarda(guarda), Cancela(cancela), R(resultado) {}

    TContinuacao Avaliada(const TGeracaoAvaliada& geracao) override {
        const TDadosGeracao& d = geracao.Dados;
        if (!R.Atingiu && DentroDaTolerancia(Config, d.Melhor1, d.Melhor2)) {
            R.Atingiu = true;
            R.PrimeiraAtingida = d.Geracao;
        }
        if (Guarda.Trajetoria)
            R.Trajetoria.push_back({d.Melhor1, d.Melhor2, d.Media1, d.Media2});
        if (Guarda.Melhoras && (R.Melhoras.empty() || d.MelhorAteAgora1 > R.Melhoras.back().Melhor))
            R.Melhoras.push_back({d.Avaliacoes, d.MelhorAteAgora1});
        R.MaiorAptidao1 = d.MelhorAteAgora1;
        R.MaiorAptidao2 = d.MelhorAteAgora2;
        return Cancela.load() ? TContinuacao::Para : TContinuacao::Segue;
    }

private:
    const TConfiguracaoAG& Config;
    TGuardaExecucao Guarda;
    const std::atomic<bool>& Cancela;
    TResultadoExecucao& R;
};

}  // namespace

TExecutor::TExecutor() : Motor(std::make_unique<TMotorAG>()) {}

TExecutor::~TExecutor() = default;

std::optional<TResultadoExecucao> TExecutor::Executa(const TConfiguracao& c, std::uint32_t semente,
                                                     TGuardaExecucao guarda,
                                                     const std::atomic<bool>& cancela) {
    const TConfiguracaoAG config =
        ConfiguracaoAG(c.Painel, {c.Paralelo, c.Elitismo, c.Escalonamento, c.Torneio});
    TResultadoExecucao r;
    r.Semente = semente;
    if (guarda.Trajetoria)
        r.Trajetoria.reserve(static_cast<std::size_t>(config.LimGer) + 1);
    TObservadorExecucao observador(config, guarda, cancela, r);
    const auto inicio = std::chrono::steady_clock::now();
    const TResultadoAG fim = Motor->Executa(config, semente, observador);
    if (fim.Motivo == TMotivoFim::Interrompida)
        return std::nullopt;
    const std::chrono::duration<double, std::milli> duracao =
        std::chrono::steady_clock::now() - inicio;
    r.Geracoes = fim.Geracao;
    r.Milissegundos = duracao.count();
    r.MelhorAptidao1 = fim.Melhor1;
    r.MelhorAptidao2 = fim.Melhor2;  // 0 in simple mode
    r.MelhorX = fim.MelhorX;
    r.MelhorY = fim.MelhorY;
    // The last evaluation closes the trajectory unless it was an improvement itself.
    if (guarda.Melhoras && r.Melhoras.back().Avaliacoes != fim.Avaliacoes)
        r.Melhoras.push_back({fim.Avaliacoes, r.Melhoras.back().Melhor});
    return r;
}
