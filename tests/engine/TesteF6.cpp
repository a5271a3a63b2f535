#include "F6.h"
#include "FormatoNumero.h"

#include <gtest/gtest.h>

// Reference values worked to 40 digits, rounded to the report's 15 significant digits.
struct TCasoF6 {
    // Names the case in test listings instead of dumping its bytes.
    friend void PrintTo(const TCasoF6& c, std::ostream* os) { *os << c.Nome; }
    const char* Nome;
    std::int32_t Raio2;
    const char* Texto;
};

class F6Conhecido : public ::testing::TestWithParam<TCasoF6> {};

TEST_P(F6Conhecido, MatchesReferenceTo15Digits) {
    const TCasoF6& caso = GetParam();
    EXPECT_EQ(FormataReal(F6(caso.Raio2), "."), caso.Texto);
}

INSTANTIATE_TEST_SUITE_P(Tabela, F6Conhecido,
                         ::testing::Values(TCasoF6{"Origin", 0, "1"},
                                           TCasoF6{"One", 1, "0.292342105173976"},
                                           TCasoF6{"Two", 2, "0.0262154691984059"},
                                           TCasoF6{"Fifty", 50, "0.49774663848862"},
                                           TCasoF6{"Hundred", 100, "0.668628951162559"},
                                           TCasoF6{"Thousand", 1000, "0.614454955136436"},
                                           TCasoF6{"Odd", 12345, "0.498119710143893"},
                                           TCasoF6{"Corner", 20000, "0.501128193311343"}),
                         [](const auto& info) { return std::string(info.param.Nome); });

TEST(F6, LiesInOpenZeroToOneAndReachesOneOnlyAtOrigin) {
    for (std::int32_t r2 = 1; r2 <= TTabelaF6::MaiorRaio2; ++r2) {
        const double v = F6(r2);
        ASSERT_GT(v, 0.0) << r2;
        ASSERT_LT(v, 1.0) << r2;
    }
}

TEST(F6, TableRemembersTheSameValues) {
    TTabelaF6 tabela;
    for (std::int32_t r2 : {0, 1, 2, 5000, 20000, 20000, 1})
        EXPECT_EQ(tabela(r2), F6(r2));
    EXPECT_EQ(tabela(20001), F6(20001));  // outside the table: computed directly
}
