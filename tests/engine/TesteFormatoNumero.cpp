#include "FormatoNumero.h"

#include <gtest/gtest.h>

#include <algorithm>

struct TCasoFormato {
    // Names the case in test listings instead of dumping its bytes.
    friend void PrintTo(const TCasoFormato& c, std::ostream* os) { *os << c.Nome; }
    const char* Nome;
    double Valor;
    const char* Virgula;  // written with ","
};

class FormatoGeral : public ::testing::TestWithParam<TCasoFormato> {};

TEST_P(FormatoGeral, WritesFifteenSignificantDigits) {
    const auto& caso = GetParam();
    EXPECT_EQ(FormataReal(caso.Valor, ","), caso.Virgula);
    std::string ponto = caso.Virgula;
    std::replace(ponto.begin(), ponto.end(), ',', '.');
    EXPECT_EQ(FormataReal(caso.Valor, "."), ponto);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, FormatoGeral,
    ::testing::Values(TCasoFormato{"Zero", 0.0, "0"}, TCasoFormato{"One", 1.0, "1"},
                      TCasoFormato{"NegativeInteger", -37.0, "-37"},
                      TCasoFormato{"Hundred", 100.0, "100"}, TCasoFormato{"Half", 0.5, "0,5"},
                      TCasoFormato{"Tolerance", 0.01, "0,01"}, TCasoFormato{"Tenth", 0.1, "0,1"},
                      TCasoFormato{"Third", 1.0 / 3, "0,333333333333333"},
                      TCasoFormato{"TwoThirds", 2.0 / 3, "0,666666666666667"},
                      TCasoFormato{"RoundsUpIntoCarry", 0.9999999999999999, "1"},
                      TCasoFormato{"FifteenDigitInteger", 123456789012345.0, "123456789012345"},
                      TCasoFormato{"SixteenDigits", 1234567890123456.0, "1,23456789012346E15"},
                      TCasoFormato{"LargeWhole", 1e15, "1E15"},
                      TCasoFormato{"SmallestFixed", 0.0001, "0,0001"},
                      TCasoFormato{"FirstExponent", 0.00001, "1E-5"},
                      TCasoFormato{"SmallFraction", 1.5e-7, "1,5E-7"},
                      TCasoFormato{"NegativeFraction", -0.25, "-0,25"}),
    [](const auto& info) { return std::string(info.param.Nome); });

TEST(FormatoGeral, MultiByteSeparator) {
    EXPECT_EQ(FormataReal(2.5, "\u066b"), "2\u066b5");
}

struct TCasoLeitura {
    // Names the case in test listings instead of dumping its bytes.
    friend void PrintTo(const TCasoLeitura& c, std::ostream* os) { *os << c.Nome; }
    const char* Nome;
    const char* Texto;
    double Valor;
};

class LeituraValida : public ::testing::TestWithParam<TCasoLeitura> {};

TEST_P(LeituraValida, Converts) {
    EXPECT_EQ(LeReal(GetParam().Texto, ","), GetParam().Valor);
}

INSTANTIATE_TEST_SUITE_P(Tabela, LeituraValida,
                         ::testing::Values(TCasoLeitura{"Default", "0,01", 0.01},
                                           TCasoLeitura{"Whole", "3", 3.0},
                                           TCasoLeitura{"Blanks", "  0,5  ", 0.5},
                                           TCasoLeitura{"Plus", "+2", 2.0},
                                           TCasoLeitura{"NegativeNoInteger", "-,5", -0.5},
                                           TCasoLeitura{"TrailingSeparator", "1,", 1.0},
                                           TCasoLeitura{"Exponent", "1E-2", 0.01},
                                           TCasoLeitura{"LowerExponent", "2,5e+3", 2500.0},
                                           TCasoLeitura{"Zero", "0", 0.0}),
                         [](const auto& info) { return std::string(info.param.Nome); });

class LeituraRecusada : public ::testing::TestWithParam<const char*> {};

TEST_P(LeituraRecusada, ThrowsWithTheUsersMessage) {
    const std::string texto = GetParam();
    try {
        LeReal(texto, ",");
        FAIL() << "accepted '" << texto << "'";
    } catch (const EConversao& e) {
        EXPECT_EQ(std::string(e.what()), "'" + texto + "' is not a valid floating point value.");
    }
}

INSTANTIATE_TEST_SUITE_P(Tabela, LeituraRecusada,
                         ::testing::Values("", "   ", "0.01", "abc", ",", "-", "1e", "1e+", "1 2",
                                           "1,2,3", "1,000.5", "1e5000", "INF", "NAN", "0x10",
                                           "1,5%"));

TEST(LeituraValida, PointLocaleReadsPointAndRefusesComma) {
    EXPECT_EQ(LeReal("0.01", "."), 0.01);
    EXPECT_THROW(LeReal("0,01", "."), EConversao);
}

// Every tolerance the arrows can write must read back as the arrows' value.
TEST(LeituraValida, WhatTheArrowsWriteReadsBack) {
    for (const char* sep : {",", "."}) {
        for (int v = 0; v <= 10; ++v) {
            const double valor = v / 100.0;
            EXPECT_EQ(LeReal(FormataReal(valor, sep), sep), valor) << v << sep;
        }
    }
}
