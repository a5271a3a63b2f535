// quivora-run's summary for a study: independent seeds through shards and --resume, the
// varied options as typed columns, the tables for a paper, and their bad input.
#include "RodaQuivoraRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

// Each test's files in a folder of its own: a CSV left by an earlier run would be refused as
// one that already holds rows.
std::string Arquivo(const std::string& nome) {
    static const std::string pasta = PastaNova("quivora-estudo");
    return pasta + "/" + nome;
}

std::vector<std::string> Campos(const std::string& linha) {
    std::vector<std::string> campos;
    std::istringstream s(linha);
    for (std::string campo; std::getline(s, campo, ',');)
        campos.push_back(campo);
    return campos;
}

// The field of `coluna` in every record of a CSV (the header's names).
std::vector<std::string> Coluna(const std::string& csv, const std::string& coluna) {
    std::vector<std::string> linhas = Linhas(csv);
    for (auto& l : linhas)
        l.erase(l.find_last_not_of('\r') + 1);
    const std::vector<std::string> cabecalho = Campos(linhas.front());
    const auto c = static_cast<std::size_t>(std::find(cabecalho.begin(), cabecalho.end(), coluna) -
                                            cabecalho.begin());
    std::vector<std::string> valores;
    for (std::size_t i = 1; i < linhas.size(); ++i)
        valores.push_back(c < cabecalho.size() ? Campos(linhas[i]).at(c) : "absent");
    return valores;
}

std::string SemTempoTotal(const std::string& resumo) {
    return resumo.substr(0, resumo.find("total time:"));
}

const std::vector<std::string> Independentes{"--runs", "6",         "--seed",  "42",
                                             "--vary", "pop=20,30", "--seeds", "independent"};

TEST(Estudo, IndependentSeedsThroughShardsAndResume) {
    std::vector<std::string> inteiro = Independentes;
    inteiro.insert(inteiro.end(),
                   {"--csv", Arquivo("inteiro.csv"), "--summary-csv", Arquivo("inteiro-resumo.csv"),
                    "--summary-md", Arquivo("inteiro.md")});
    const TSaida todo = Roda(inteiro);
    ASSERT_EQ(todo.Status, 0) << todo.Err;
    // Configuration 2's runs from seed 42 + 100000 on.
    const std::vector<std::string> sementes = Coluna(Le(Arquivo("inteiro.csv")), "seed");
    EXPECT_EQ(sementes[0], "42");
    EXPECT_EQ(sementes[6], "100042");
    EXPECT_EQ(sementes[11], "100047");
    EXPECT_NE(todo.Out.find("base seed: 42 (--seeds independent)\n"), std::string::npos)
        << todo.Out;
    EXPECT_EQ(Coluna(Le(Arquivo("inteiro-resumo.csv")), "paired_runs"),
              (std::vector<std::string>{"NA", "NA"}));

    // Two shards put together are the whole experiment, and say how its seeds were drawn.
    for (const char* fatia : {"1", "2"}) {
        std::vector<std::string> args = Independentes;
        args.insert(args.end(), {"--shard", std::string(fatia) + "/2", "--csv",
                                 Arquivo(std::string("fatia") + fatia)});
        ASSERT_EQ(Roda(args).Status, 0);
    }
    const TSaida juntas = Roda({"--summarize", Arquivo("fatia1"), Arquivo("fatia2"), "--summary-md",
                                Arquivo("juntas.md")});
    ASSERT_EQ(juntas.Status, 0) << juntas.Err;
    EXPECT_EQ(SemTempoTotal(juntas.Out), SemTempoTotal(todo.Out));
    EXPECT_EQ(Le(Arquivo("juntas.md")), Le(Arquivo("inteiro.md")));

    // A file cut after 8 runs goes on with the same seeds, the base seed taken from its rows;
    // resumed as shared seeds it is refused and left as it was.
    const std::string completo = Le(Arquivo("inteiro.csv"));
    std::size_t fim = 0;
    for (int linha = 0; linha < 9; ++linha)
        fim = completo.find('\n', fim) + 1;
    std::ofstream(Arquivo("retomado.csv"), std::ios::binary) << completo.substr(0, fim);
    const TSaida compartilhadas =
        Roda({"--runs", "6", "--vary", "pop=20,30", "--csv", Arquivo("retomado.csv"), "--resume"});
    EXPECT_EQ(compartilhadas.Status, 2);
    EXPECT_NE(compartilhadas.Err.find("(the rows were run with --seeds independent)"),
              std::string::npos)
        << compartilhadas.Err;
    EXPECT_EQ(Le(Arquivo("retomado.csv")), completo.substr(0, fim));
    std::vector<std::string> retomar(Independentes.begin() + 4, Independentes.end());
    retomar.insert(retomar.end(), {"--runs", "6", "--csv", Arquivo("retomado.csv"), "--resume"});
    ASSERT_EQ(Roda(retomar).Status, 0);
    EXPECT_EQ(Coluna(Le(Arquivo("retomado.csv")), "seed"), sementes);
}

TEST(Estudo, VariedOptionsAreTypedColumnsAtTheEnd) {
    const TSaida s = Roda({"--runs", "3", "--seed", "1", "--vary", "pop=20,30", "--vary",
                           "elitism=on,off", "--vary", "tolerance=0.01", "--compare", "all",
                           "--summary-csv", Arquivo("fatores.csv")});
    ASSERT_EQ(s.Status, 0) << s.Err;
    const std::string csv = Le(Arquivo("fatores.csv"));
    const std::string cabecalho = Linhas(csv).front();
    EXPECT_TRUE(cabecalho.ends_with(",p_mcnemar_holm,pop,elitism\r")) << cabecalho;
    EXPECT_EQ(Coluna(csv, "pop"), (std::vector<std::string>{"20", "20", "30", "30", "NA", "NA",
                                                            "NA", "NA", "NA", "NA"}));
    EXPECT_EQ(Coluna(csv, "elitism")[1], "0");
    // Shared seeds: every configuration's 3 runs pair with configuration 1's and each other's.
    EXPECT_EQ(Coluna(csv, "paired_runs"),
              (std::vector<std::string>{"NA", "3", "3", "3", "3", "3", "3", "3", "3", "3"}));
    EXPECT_EQ(Coluna(csv, "tolerance")[0], "absent");  // the same in every configuration
}

TEST(Estudo, TablesForAPaper) {
    const TSaida s = Roda({"--runs", "20", "--seed", "5", "--vary", "mutation-rate=3,20", "--vary",
                           "replacement=Imediata,Inserção", "--summary-tex", Arquivo("tabela.tex"),
                           "--summary-md", Arquivo("tabela.md")});
    ASSERT_EQ(s.Status, 0) << s.Err;
    const std::string md = Le(Arquivo("tabela.md"));
    // Header, alignment, four configurations, a blank line and the note.
    EXPECT_EQ(Linhas(md).size(), 2u + 4 + 2) << md;
    EXPECT_NE(md.find("| 1 | mutation-rate=3 replacement=Imediata | 20 | "), std::string::npos)
        << md;
    EXPECT_NE(md.find("**"), std::string::npos) << md;
    const std::string tex = Le(Arquivo("tabela.tex"));
    EXPECT_NE(tex.find("\\toprule"), std::string::npos) << tex;
    EXPECT_NE(tex.find("replacement=Inserção"), std::string::npos) << tex;

    // pdflatex, where there is one, typesets it in a document that loads booktabs.
    if (std::system("command -v pdflatex >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no pdflatex";
    const std::filesystem::path pasta = Arquivo("latex");
    std::filesystem::create_directories(pasta);
    std::ofstream(pasta / "artigo.tex")
        << "\\documentclass{article}\n\\usepackage{booktabs}\n\\begin{document}\n\\input{"
        << Arquivo("tabela.tex") << "}\n\\end{document}\n";
    const std::string comando = "cd " + Aspas(pasta.string()) +
                                " && pdflatex -interaction=nonstopmode -halt-on-error artigo.tex "
                                ">saida.txt 2>&1";
    EXPECT_EQ(std::system(comando.c_str()), 0) << Le((pasta / "saida.txt").string());
    EXPECT_TRUE(std::filesystem::exists(pasta / "artigo.pdf"));
}

TEST(Estudo, BadOptionsOfAStudyWriteNothing) {
    const std::string tabela = Arquivo("nunca.tex");
    std::remove(tabela.c_str());
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--runs", "2", "--seeds", "sometimes", "--summary-tex", tabela},
          std::vector<std::string>{"--runs", "2", "--summary-md", "", "--summary-tex", tabela},
          std::vector<std::string>{"--runs", "2", "--summary-md", tabela, "--summary-tex", tabela},
          std::vector<std::string>{"--summarize", Arquivo("inteiro.csv"), "--seeds", "shared",
                                   "--summary-tex", tabela}}) {
        const TSaida s = Roda(args);
        EXPECT_EQ(s.Status, 2) << args[2];
        EXPECT_EQ(Linhas(s.Err).size(), 1u) << s.Err;
        EXPECT_TRUE(s.Out.empty());
        EXPECT_FALSE(std::filesystem::exists(tabela)) << args[2];
    }
}

}  // namespace
