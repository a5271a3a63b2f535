#include "ComandoRepeticao.h"
#include "OpcoesLinha.h"
#include "TextoAjuda.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TOpcoes Le(const std::vector<std::string>& args) {
    return LeOpcoes(args, ",");
}

TEST(Opcoes, DefaultsAreThePanelsStartValues) {
    const TOpcoes o = Le({});
    const TParametros& p = o.Config().Painel.Valores;
    EXPECT_EQ(p.TamPop, 30);
    EXPECT_EQ(p.TamCrom, 20);
    EXPECT_EQ(p.TipoSel, "Roleta");
    EXPECT_EQ(p.TipoCruz, "1 ponto");
    EXPECT_EQ(p.TaxaCruz, 100);
    EXPECT_EQ(p.TipoMut, "Flip");
    EXPECT_EQ(p.TaxaMut, 3);
    EXPECT_EQ(p.LimGer, 60);
    EXPECT_EQ(p.TipoSubs, "Imediata");
    EXPECT_EQ(p.ValMin, -100);
    EXPECT_EQ(p.ValMax, 100);
    EXPECT_EQ(o.Config().Painel.TextoDiferenca, "0,01");
    EXPECT_EQ(LeOpcoes({}, ".").Config().Painel.TextoDiferenca, "0.01");
    EXPECT_EQ(p.CritParada, "Primeira situação encontrada");
    EXPECT_FALSE(o.Config().Elitismo);
    EXPECT_TRUE(o.Config().Escalonamento);
    EXPECT_FALSE(o.Config().Paralelo);
    EXPECT_EQ(o.Config().Torneio, 2);
    EXPECT_FALSE(o.Semente.has_value());
}

TEST(Opcoes, SeparateAndJoinedValuesAreTheSame) {
    const TOpcoes a = Le({"--pop", "50", "--mutation", "Mutar para 1", "--seed", "4294967295"});
    const TOpcoes b = Le({"--pop=50", "--mutation=Mutar para 1", "--seed=4294967295"});
    EXPECT_EQ(a.Config().Painel.Valores.TamPop, 50);
    EXPECT_EQ(b.Config().Painel.Valores.TamPop, 50);
    EXPECT_EQ(a.Config().Painel.Valores.TipoMut, "Mutar para 1");
    EXPECT_EQ(b.Config().Painel.Valores.TipoMut, "Mutar para 1");
    EXPECT_EQ(*a.Semente, 4294967295u);
    EXPECT_EQ(*b.Semente, 4294967295u);
}

TEST(Opcoes, SwitchesAndEmptyReplacementItem) {
    const TOpcoes o = Le({"--elitism", "--no-scaling", "--replacement=", "--crossover-rate", "40",
                          "--tournament", "30", "--selection", "Torneio"});
    EXPECT_TRUE(o.Config().Elitismo);
    EXPECT_FALSE(o.Config().Escalonamento);
    EXPECT_EQ(o.Config().Painel.Valores.TipoSubs, "");
    EXPECT_EQ(o.Config().Painel.Valores.TaxaCruz, 40);
    EXPECT_EQ(o.Config().Torneio, 30);
}

TEST(Opcoes, TournamentBoundFollowsThePopulationInAnyOrder) {
    EXPECT_EQ(Le({"--tournament", "100", "--pop", "100"}).Config().Torneio, 100);
    EXPECT_THROW(Le({"--tournament", "31"}), EOpcaoInvalida);
    EXPECT_THROW(Le({"--pop", "2", "--tournament", "3"}), EOpcaoInvalida);
}

struct TCasoRecusa {
    // Names the case in test listings instead of dumping its bytes.
    friend void PrintTo(const TCasoRecusa& c, std::ostream* os) { *os << c.Nome; }
    const char* Nome;
    std::vector<std::string> Args;
    const char* Trecho;  // the message names the option and what it accepts
};

class Recusa : public ::testing::TestWithParam<TCasoRecusa> {};

TEST_P(Recusa, NamesTheOptionAndWhatItAccepts) {
    try {
        Le(GetParam().Args);
        FAIL() << "accepted";
    } catch (const EOpcaoInvalida& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().Trecho), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, Recusa,
    ::testing::Values(
        TCasoRecusa{"Unknown", {"--bogus"}, "unknown option '--bogus'"},
        TCasoRecusa{"Positional", {"30"}, "unknown option '30'"},
        TCasoRecusa{"MissingValue", {"--pop"}, "--pop needs a value"},
        TCasoRecusa{"SwitchWithValue", {"--elitism=yes"}, "--elitism takes no value"},
        TCasoRecusa{
            "PopOdd", {"--pop", "31"}, "--pop accepts a whole number from 2 to 200 in steps of 2"},
        TCasoRecusa{"PopHigh", {"--pop", "202"}, "--pop accepts"},
        TCasoRecusa{"PopText", {"--pop", "3x"}, "not '3x'"},
        TCasoRecusa{"PopEmpty", {"--pop="}, "--pop accepts"},
        TCasoRecusa{"ChromLow", {"--chrom", "16"}, "--chrom accepts a whole number from 18 to 100"},
        TCasoRecusa{"RateStep",
                    {"--crossover-rate", "55", "--replacement", "Inserção"},
                    "--crossover-rate accepts"},
        TCasoRecusa{"MutationHigh",
                    {"--mutation-rate", "31"},
                    "--mutation-rate accepts a whole number from 0 to 30"},
        TCasoRecusa{"GenerationsStep", {"--generations", "12"}, "in steps of 5"},
        TCasoRecusa{"MinPositive", {"--min", "10"}, "--min accepts a whole number from -100 to 0"},
        TCasoRecusa{"MaxStep", {"--max", "55"}, "--max accepts"},
        TCasoRecusa{
            "SeedNegative", {"--seed", "-1"}, "--seed accepts a whole number from 0 to 4294967295"},
        TCasoRecusa{"SeedHuge", {"--seed", "4294967296"}, "--seed accepts"},
        TCasoRecusa{"TournamentEmpty",
                    {"--tournament="},
                    "--tournament accepts a whole number from 1 to 30, not ''"},
        TCasoRecusa{"TournamentZero",
                    {"--tournament", "0"},
                    "--tournament accepts a whole number from 1 to 30"},
        TCasoRecusa{"SelectionCase",
                    {"--selection", "roleta"},
                    "--selection accepts one of \"Roleta\", \"Torneio\""},
        TCasoRecusa{
            "NMelhores", {"--selection", "n Melhores"}, "Tipo de Seleção não implementado."},
        TCasoRecusa{"Crossover", {"--crossover", "3 pontos"}, "--crossover accepts one of"},
        TCasoRecusa{"MutationAccent", {"--mutation", "Inversao"}, "--mutation accepts one of"},
        TCasoRecusa{"Replacement", {"--replacement", "Insercao"}, "--replacement accepts one of"},
        TCasoRecusa{"Stop", {"--stop", "n Geracoes"}, "--stop accepts one of"},
        TCasoRecusa{"ImmediateRate",
                    {"--crossover-rate", "60"},
                    "--crossover-rate accepts only 100 with --replacement \"Imediata\""},
        TCasoRecusa{"ParallelCrossover",
                    {"--parallel", "--crossover", "Uniforme"},
                    "--parallel accepts only"},
        TCasoRecusa{"ParallelInsertion",
                    {"--parallel", "--replacement", "Inserção", "--crossover-rate", "100"},
                    "--parallel accepts only"},
        // Every run would reach at generation 0, or never.
        TCasoRecusa{"ToleranceNegative",
                    {"--tolerance", "-0.01"},
                    "--tolerance accepts a number from 0 to below 1, not -0.01"},
        TCasoRecusa{"ToleranceOne", {"--tolerance", "1"}, "--tolerance accepts a number from 0"},
        TCasoRecusa{"VaryAndGiven",
                    {"--vary", "mutation-rate=1,3", "--mutation-rate", "5"},
                    "--mutation-rate and --vary mutation-rate are both given"},
        TCasoRecusa{"VarySwitchAndGiven",
                    {"--no-scaling", "--vary", "scaling=on,off"},
                    "--no-scaling and --vary scaling are both given"},
        TCasoRecusa{"VarySameValue",
                    {"--vary", "mutation-rate=1,1"},
                    "--vary mutation-rate gives the same value twice ('1' and '1')"},
        TCasoRecusa{"ParallelRate",
                    {"--parallel", "--replacement", "", "--crossover-rate", "50"},
                    "--parallel accepts only"}),
    [](const auto& info) { return std::string(info.param.Nome); });

// --help has an entry for every panel option, with its start value, in lines that help2man
// reads as option entries.
TEST(Opcoes, HelpHasAnEntryForEveryPanelOption) {
    const std::string ajuda = TextoAjuda();
    for (const auto& opcao : OpcoesExecucao()) {
        const std::string cabeca =
            "\n  " + (opcao.Tipo == TTipoOpcao::Chave ? opcao.Bandeira + " " : opcao.Opcao() + " ");
        const std::size_t entrada = ajuda.find(cabeca);
        ASSERT_NE(entrada, std::string::npos) << opcao.Nome;
        const std::size_t fim = ajuda.find("\n  -", entrada + 1);
        const std::string texto = ajuda.substr(entrada + 1, fim - entrada);
        const std::string fecho = opcao.Tipo == TTipoOpcao::Item ? "\")" : ")";
        EXPECT_NE(texto.find(opcao.Padrao + fecho), std::string::npos) << opcao.Nome;
        std::istringstream linhas(texto);
        for (std::string linha; std::getline(linhas, linha);)
            EXPECT_LE(linha.size(), 90u) << linha;
    }
}

// A command handed out under one locale runs under the other.
TEST(Opcoes, TheRepeatingCommandReadsBackAsTheSameExperiment) {
    for (const auto& [separador, outro] : {std::pair{",", "."}, std::pair{".", ","}}) {
        TConfiguracao c = ConfiguracaoPadrao(separador);
        for (const auto& [nome, valor] :
             std::vector<std::pair<std::string, std::string>>{{"pop", "50"},
                                                              {"selection", "Torneio"},
                                                              {"replacement", "Inserção"},
                                                              {"crossover-rate", "40"},
                                                              {"mutation", "Mutar para 0"},
                                                              {"tournament", "7"},
                                                              {"elitism", "on"},
                                                              {"scaling", "off"},
                                                              {"stop", "n Gerações"}})
            AplicaOpcao(c, nome, valor);
        c.Painel.TextoDiferenca = std::string("0") + separador + "05";
        const std::vector<std::string> args = ArgumentosRepeticao(c, 30, 4000000000u);
        const TOpcoes o = LeOpcoes(args, outro);
        EXPECT_EQ(o.Experimento.Execucoes, 30);
        EXPECT_EQ(*o.Semente, 4000000000u);
        for (const auto& opcao : OpcoesExecucao())
            EXPECT_EQ(ValorColuna(o.Config(), opcao), ValorColuna(c, opcao)) << opcao.Nome;
        EXPECT_EQ(LeOpcoes(ArgumentosRepeticao(ConfiguracaoPadrao(separador), 2, 1), outro)
                      .Configuracoes.size(),
                  1u);
    }
    // The tolerance as the shortest text that reads back as the same double (Python's repr
    // of each value gives the expected text).
    for (const auto& [texto, esperado] :
         {std::pair{"0.30000000000000004", "0.30000000000000004"},
          std::pair{"0.333333333333333314829616256247", "0.3333333333333333"},
          std::pair{"0.00001", "1e-05"}}) {
        TConfiguracao c = ConfiguracaoPadrao(".");
        AplicaOpcao(c, "tolerance", texto);
        const auto args = ArgumentosExecucao(c, 1);
        ASSERT_EQ(args.size(), 4u);
        EXPECT_EQ(args[3], esperado);
        EXPECT_EQ(Diferenca(LeOpcoes(args, ",").Config()), Diferenca(c));
    }
    EXPECT_EQ(LinhaDeComando({"--runs", "2", "--mutation", "Mutar para 1", "--x", "it's"}),
              "quivora-run --runs 2 --mutation 'Mutar para 1' --x 'it'\\''s'");
}

}  // namespace
