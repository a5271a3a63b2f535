#include "Execucao.h"

#include <algorithm>
#include <chrono>

namespace {

// Thrown through the engine, from the owner, to abandon a run that is no longer wanted.
struct TExecucaoAbandonada {};

}  // namespace

// The owner of an experiment's runs: the configuration's switches, the run's seed as the
// clock, and nowhere for the report, the chart or the view to go. After every generation it
// looks whether the experiment was cancelled, so that a long run does not keep it waiting.
class TExecutor::TDono : public TDonoMotor {
public:
    const TConfiguracao* Config = nullptr;
    std::uint32_t Semente = 0;
    const std::atomic<bool>* Cancela = nullptr;

    [[nodiscard]] bool AGParalelo() const override { return Config->Paralelo; }
    [[nodiscard]] bool UsaElitismo() const override { return Config->Elitismo; }
    [[nodiscard]] bool UsaEscalonamento() const override { return Config->Escalonamento; }
    [[nodiscard]] int QuantTorneio() const override { return Config->Torneio; }
    std::uint32_t LeRelogio() override { return Semente; }
    [[nodiscard]] bool GuardaRelatorio() const override { return false; }
    void LimpaRelatorio() override {}
    void AdicionaLinha(const std::string& /*linha*/) override {}
    void LimpaGrafico() override {}
    void PlotaGeracao(int /*geracao*/, double /*melhor1*/, double /*melhor2*/, double /*media1*/,
                      double /*media2*/) override {
        if (Cancela->load())
            throw TExecucaoAbandonada{};
    }
    void Redesenha() override {}
};

TExecutor::TExecutor()
    : Dono(std::make_unique<TDono>()), Motor(std::make_unique<TMotorAG>(*Dono)) {}

TExecutor::~TExecutor() = default;

std::optional<TResultadoExecucao> TExecutor::Executa(const TConfiguracao& c, std::uint32_t semente,
                                                     bool guardaTrajetoria,
                                                     const std::atomic<bool>& cancela) {
    Dono->Config = &c;
    Dono->Semente = semente;
    Dono->Cancela = &cancela;
    const auto inicio = std::chrono::steady_clock::now();
    try {
        Motor->Executa(c.Painel);
    } catch (const TExecucaoAbandonada&) {
        return std::nullopt;  // the engine starts every run afresh: nothing is left to undo
    }
    const std::chrono::duration<double, std::milli> duracao =
        std::chrono::steady_clock::now() - inicio;

    // The run leaves its tables and its last population in the engine until the next run.
    const TMotorAG& m = *Motor;
    TResultadoExecucao r;
    r.Semente = semente;
    r.Geracoes = m.Geracao;
    r.Milissegundos = duracao.count();
    if (guardaTrajetoria)
        r.Trajetoria.reserve(static_cast<std::size_t>(m.Geracao) + 1);
    for (int g = 0; g <= m.Geracao; ++g) {
        if (!r.Atingiu && m.DentroDaTolerancia(m.MelhorGer1[g], m.MelhorGer2[g])) {
            r.Atingiu = true;
            r.PrimeiraAtingida = g;
        }
        r.MaiorAptidao1 = std::max(r.MaiorAptidao1, m.MelhorGer1[g]);
        r.MaiorAptidao2 = std::max(r.MaiorAptidao2, m.MelhorGer2[g]);
        if (guardaTrajetoria)
            r.Trajetoria.push_back(
                {m.MelhorGer1[g], m.MelhorGer2[g], m.MediaGer1[g], m.MediaGer2[g]});
    }
    // The individuals of the report's last line: the best x and, in parallel mode, the best y.
    const TCromossomo& melhor = *m.Populacao->Crom[m.Populacao->IndMelhor];
    r.MelhorAptidao1 = melhor.Aptidao;
    r.MelhorX = melhor.X;
    r.MelhorY = melhor.Y;
    if (c.Paralelo) {
        const TCromossomo& melhorY = *m.Populacao->Crom[m.Populacao->IndMelhorY];
        r.MelhorAptidao2 = melhorY.AptidaoY;
        r.MelhorY = melhorY.Y;
    }
    return r;
}
