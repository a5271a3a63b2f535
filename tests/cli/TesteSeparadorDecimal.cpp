// quivora-run's decimal separator against the window's: SeparadorDoNome against QLocale for
// every locale that Qt knows, in the spellings an environment variable can have, and odd names;
// then whole processes under environments, quivora-run against QLocale::system().
#include "RodaQuivoraRun.h"
#include "SeparadorDecimal.h"

#include <QLocale>
#include <QString>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::string DoQt(const std::string& nome) {
    return QLocale(QString::fromStdString(nome)).decimalPoint().toStdString();
}

std::set<std::string> Nomes() {
    std::set<std::string> nomes{"C",           "POSIX",
                                "C.UTF-8",     "",
                                "1234",        "x",
                                "xx_YY",       "de__DE",
                                "de_DE_X",     "uz_arab",
                                "uz_Abcd",     "en_Arab",
                                "sr_RS@latin", "pt.UTF-8",
                                "ar_Latn_EG",  "DE_de",
                                "deu_DE",      "ger",
                                "en_150",      "es_419",
                                "-de",         "de_DE.ISO-8859-15@euro",
                                "zh-Hant-TW"};
    for (const QLocale& l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                     QLocale::AnyTerritory)) {
        const std::string nome = l.name().toStdString();
        const std::string lingua = QLocale::languageToCode(l.language()).toStdString();
        const std::string terr = QLocale::territoryToCode(l.territory()).toStdString();
        const std::string escrita = QLocale::scriptToCode(l.script()).toStdString();
        std::string minusculas = nome;
        for (char& c : minusculas)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (const std::string& n :
             {nome, l.bcp47Name().toStdString(), nome + ".UTF-8", nome + "@euro", minusculas,
              lingua, lingua + "-" + terr, lingua + "_" + escrita,
              lingua + "_" + escrita + "_" + terr,
              QLocale::languageToCode(l.language(), QLocale::ISO639Part3).toStdString() + "_" +
                  terr})
            nomes.insert(n);
    }
    return nomes;
}

TEST(SeparadorDecimal, EveryLocaleNameGivesQtsSeparator) {
    const std::set<std::string> nomes = Nomes();
    ASSERT_GT(nomes.size(), 3000u);
    std::set<std::string> separadores;
    for (const std::string& nome : nomes) {
        EXPECT_EQ(SeparadorDoNome(nome), DoQt(nome)) << "'" << nome << "'";
        separadores.insert(DoQt(nome));
    }
    EXPECT_GE(separadores.size(), 3u);  // ".", "," and the Arabic one at least
}

TEST(SeparadorDecimal, TheEnvironmentNamesTheLocaleAsQtReadsIt) {
    const std::vector<std::pair<std::map<std::string, std::string>, std::string>> casos{
        {{}, "C"},
        {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR.UTF-8"},
        {{{"LC_NUMERIC", "de_DE"}, {"LANG", "C"}}, "de_DE"},
        {{{"LC_ALL", "en_US"}, {"LC_NUMERIC", "de_DE"}}, "en_US"},
        {{{"LC_ALL", ""}, {"LC_NUMERIC", "de_DE"}, {"LANG", "en_US"}}, "de_DE"},
        {{{"LC_MESSAGES", "de_DE"}, {"LANGUAGE", "de"}, {"LANG", "en_US"}}, "en_US"},
    };
    for (const auto& [ambiente, nome] : casos)
        EXPECT_EQ(NomeLocalNumerico([&](const char* variavel) -> const char* {
                      const auto achada = ambiente.find(variavel);
                      return achada == ambiente.end() ? nullptr : achada->second.c_str();
                  }),
                  nome);
}

// Whole processes: the separator in quivora-run's report is the one the window's Qt reports for
// the same environment.
TEST(SeparadorDecimal, QuivoraRunWritesTheWindowsSeparator) {
    for (const std::string ambiente :
         {"LANG=pt_BR.UTF-8", "LANG=C", "LC_ALL=ar_EG.UTF-8 LANG=C", "LC_NUMERIC=de_CH LANG=pt_BR",
          "LC_ALL= LC_NUMERIC=fr_FR LANG=en_US", "LC_MESSAGES=de_DE LANG=en_GB", "LANG=fa_IR",
          "LANG=xx_YY.UTF-8"}) {
        const std::string base = ::testing::TempDir() + "quivora-separador";
        ASSERT_EQ(std::system(("env -i " + ambiente + " " + MOSTRA_SEPARADOR + " >" + base +
                               ".qt && env -i " + ambiente + " " + QUIVORA_RUN +
                               " --seed 1 --generations 10 >" + base + ".run")
                                  .c_str()),
                  0);
        const std::string doQt = Linhas(Le(base + ".qt")).at(0);
        const std::string linha = Linhas(Le(base + ".run")).back();
        const std::size_t inicio = linha.find("Fitness=0") + 9;
        EXPECT_EQ(linha.substr(inicio, doQt.size()), doQt) << ambiente << ": " << linha;
    }
}

}  // namespace
