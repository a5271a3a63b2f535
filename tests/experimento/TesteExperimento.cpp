#include "Csv.h"
#include "Curvas.h"
#include "Experimento.h"

#include <gtest/gtest.h>

namespace {

TEST(Experimento, CancellingKeepsTheRunsAlreadyStartedInOrder) {
    TPlanoExperimento plano;
    plano.Configuracoes = {ConfiguracaoPadrao(".")};
    plano.Execucoes = MaxExecucoes;
    plano.Tarefas = 2;
    std::atomic<bool> cancela = false;
    std::vector<int> recebidas;
    const std::int64_t n = ExecutaExperimento(
        plano,
        [&](TResultadoExecucao&& r) {
            recebidas.push_back(r.Execucao);
            if (recebidas.size() == 5)
                cancela = true;
        },
        cancela);
    ASSERT_GE(recebidas.size(), 5u);
    EXPECT_LT(recebidas.size(), 1000u);  // the runs under way at the time, no more
    EXPECT_EQ(n, static_cast<std::int64_t>(recebidas.size()));
    for (std::size_t i = 0; i < recebidas.size(); ++i)
        EXPECT_EQ(recebidas[i], static_cast<int>(i));
}

TEST(Experimento, ShardsTakeEveryMthIndex) {
    TPlanoExperimento plano;
    plano.Configuracoes = {ConfiguracaoPadrao("."), ConfiguracaoPadrao(".")};
    plano.Execucoes = 5;
    plano.SementeBase = 4294967294u;
    plano.Fatia = 2;
    plano.Fatias = 3;
    std::vector<std::pair<int, std::uint32_t>> vistas;
    const std::atomic<bool> nunca = false;
    ExecutaExperimento(
        plano,
        [&](TResultadoExecucao&& r) {
            vistas.emplace_back(r.Configuracao * 10 + r.Execucao, r.Semente);
        },
        nunca);
    // Indices 1, 4, 7: configuration 1 runs 1 and 4, configuration 2 run 2; seeds wrap at 2^32.
    const std::vector<std::pair<int, std::uint32_t>> esperadas{
        {11, 4294967295u}, {14, 2u}, {22, 0u}};
    EXPECT_EQ(vistas, esperadas);
}

TEST(Experimento, ARunThatStoppedEarlyHoldsItsLastValues) {
    const std::vector<std::vector<TPontoGeracao>> trajetorias{
        {{0.1, 0, 0.05, 0}, {0.9, 0, 0.5, 0}},
        {{0.2, 0, 0.1, 0}, {0.3, 0, 0.2, 0}, {0.4, 0, 0.3, 0}, {0.5, 0, 0.4, 0}},
        {{0.3, 0, 0.2, 0}, {0.6, 0, 0.3, 0}, {0.7, 0, 0.35, 0}}};
    const std::vector<TPontoCurva> curva = CalculaCurva(trajetorias);
    ASSERT_EQ(curva.size(), 4u);
    EXPECT_DOUBLE_EQ(curva[3].Melhor1.Mediana, 0.7);  // 0.9 held, 0.5, 0.7 held
    EXPECT_DOUBLE_EQ(curva[3].Melhor1.Q1, 0.6);
    EXPECT_DOUBLE_EQ(curva[3].Media1.Q3, 0.45);
}

TEST(Csv, QuotedFieldsSurviveTheRoundTrip) {
    const std::vector<std::string> campos{"1 ponto", "a,b", "diz \"sim\"", "", "linha\nnova"};
    const std::string registro = RegistroCsv(campos);
    EXPECT_EQ(registro, "1 ponto,\"a,b\",\"diz \"\"sim\"\"\",,\"linha\nnova\"\r\n");
    TLeitorCsv leitor(registro + "x\n" + "\"aberto");
    std::vector<std::string> lidos;
    ASSERT_TRUE(leitor.Proximo(lidos));
    EXPECT_EQ(lidos, campos);
    ASSERT_TRUE(leitor.Proximo(lidos));
    EXPECT_EQ(leitor.Linha(), 3);
    EXPECT_THROW(leitor.Proximo(lidos), EFormatoCsv);
}

}  // namespace
