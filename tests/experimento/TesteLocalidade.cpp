// Files and summaries write '.' decimals whatever the C library's numeric locale, which the
// window sets to the user's: under pt_BR (a comma) and ps_AF (a two-byte separator).
#include "CsvExperimento.h"
#include "FormatoNumero.h"
#include "Resumo.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

TEST(Localidade, NumbersForFilesIgnoreTheCLibrarysLocale) {
    TResultadoExecucao r;
    r.Milissegundos = 1.04;
    for (const char* localidade : {"pt_BR.UTF-8", "ps_AF.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_NUMERIC, localidade), nullptr) << localidade;
        EXPECT_EQ(FormataReal(2.5, "."), "2.5") << localidade;
        EXPECT_EQ(FormataReal(1.5e-7, "."), "1.5E-7") << localidade;
        EXPECT_EQ(FormataAlgarismos(0.98973, 4, "."), "0.9897") << localidade;
        const std::string linha = LinhaCsvExperimento({}, r, {1, 1});
        EXPECT_NE(linha.find(",1.040,1,1\r\n"), std::string::npos) << localidade;
    }
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
