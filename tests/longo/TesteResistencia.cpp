// Soak: the largest runs the panel allows (200 individuals of 100 bits, 1000 generations, "n
// Gerações"), one after another in one process, through one engine as the window keeps it and
// through a fresh engine per run. Memory must stay flat: once a warm-up of every variant has
// brought each store to its full size, further runs leave the resident set within 2 MiB of
// where it was (under AddressSanitizer, the live heap). LeakSanitizer, on in the sanitizer
// build, checks at exit that nothing was lost.
#include "Memoria.h"
#include "ObservadorTeste.h"

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

namespace {

#ifdef QUIVORA_ASAN
// A largest run takes about half a second under the sanitizers: 100 runs per test keep the
// two soaks near three minutes together there; the optimised build makes all 200.
constexpr int Execucoes = 100;
#else
constexpr int Execucoes = 200;
#endif
constexpr int Variantes = 4;

// The largest run in four variants that between them take every kind of store through its
// life: the simple and the parallel elite, shared children under insertion, no elite at all.
void Prepara(int n, TPainel& painel, TChavesPainel& chaves, std::uint32_t& semente) {
    painel = PainelPadrao(",");
    TParametros& p = painel.Valores;
    p.TamPop = 200;
    p.TamCrom = 100;
    p.LimGer = 1000;
    p.CritParada = Legenda::NGeracoes;
    semente = 1000u + static_cast<std::uint32_t>(n);
    chaves.Paralelo = false;
    chaves.Elitismo = true;
    chaves.Escalonamento = true;
    switch (n % Variantes) {
        case 0:
            break;  // "Roleta", "1 ponto", "Flip", "Imediata"
        case 1:
            chaves.Paralelo = true;
            chaves.QuantTorneio = 200;
            p.TipoSel = Legenda::Torneio;
            p.TipoMut = Legenda::Inversao;
            p.TaxaMut = 30;
            break;
        case 2:
            chaves.QuantTorneio = 10;
            p.TipoSel = Legenda::Torneio;
            p.TipoCruz = Legenda::DoisPontos;
            p.TipoMut = Legenda::MutarPara1;
            p.TipoSubs = Legenda::Insercao;
            p.TaxaCruz = 60;
            break;
        default:
            chaves.Elitismo = false;
            chaves.Escalonamento = false;
            p.TipoCruz = Legenda::Uniforme;
            p.TipoMut = Legenda::MutarPara0;
            p.TipoSubs = "";
            break;
    }
}

void Executa(int n, TMotorAG& motor, TObservadorTeste& observador) {
    TPainel painel;
    TChavesPainel chaves;
    std::uint32_t semente = 0;
    Prepara(n, painel, chaves, semente);
    observador.Executa(motor, ConfiguracaoAG(painel, chaves), semente);
    ASSERT_EQ(motor.Geracao, 1000) << "run " << n;
    ASSERT_EQ(observador.Pontos.size(), 1000u) << "run " << n;
}

// Runs `executa` for every variant to warm up, then for the soak; checks and reports memory.
template <typename F>
void Mede(const char* nome, F executa) {
    for (int n = 0; n < Variantes; ++n)
        ASSERT_NO_FATAL_FAILURE(executa(n));
    const long antes = MemoriaEmUsoKiB();
    [[maybe_unused]] const long residenteAntes = MemoriaResidenteKiB();
    for (int n = 0; n < Execucoes; ++n)
        ASSERT_NO_FATAL_FAILURE(executa(n));
    const long depois = MemoriaEmUsoKiB();
    std::cout << "[ soak     ] " << nome << ", " << Execucoes
              << " largest runs: " << NomeMemoriaEmUso << " " << antes << " KiB before, " << depois
              << " KiB after";
#ifdef QUIVORA_ASAN
    // For the record: the resident set, which the quarantine makes grow.
    std::cout << "; resident set " << residenteAntes << " KiB before, " << MemoriaResidenteKiB()
              << " KiB after";
#endif
    std::cout << '\n';
    ::testing::Test::RecordProperty("before_kib", std::to_string(antes));
    ::testing::Test::RecordProperty("after_kib", std::to_string(depois));
    EXPECT_LT(depois - antes, CrescimentoMaximoKiB) << NomeMemoriaEmUso;
}

TEST(Resistencia, OneEngineForEveryRunKeepsMemoryFlat) {
    TObservadorTeste observador;
    TMotorAG motor;
    Mede("one engine", [&](int n) { Executa(n, motor, observador); });
}

TEST(Resistencia, AFreshEngineForEveryRunKeepsMemoryFlat) {
    Mede("a fresh engine per run", [](int n) {
        auto observador = std::make_unique<TObservadorTeste>();
        auto motor = std::make_unique<TMotorAG>();
        Executa(n, *motor, *observador);
    });
}

}  // namespace
