// A population's diversity, worked out by hand for populations small enough to count pair
// by pair.
#include "Cromossomo.h"
#include "Diversidade.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// Individuals from their genes written as text, position 1 first.
TPopulacaoRegistrada Populacao(const std::vector<std::string>& genes) {
    TPopulacaoRegistrada p;
    p.TamCrom = static_cast<int>(genes.front().size());
    for (const std::string& g : genes) {
        std::array<std::uint8_t, MaxGenes> bytes{};  // packing reads MaxGenes bytes
        for (std::size_t k = 0; k < g.size(); ++k)
            bytes[k] = g[k] == '1' ? 1 : 0;
        TIndividuoRegistrado ind;
        ind.Genes = Empacota(bytes.data(), p.TamCrom);
        p.Individuos.push_back(ind);
    }
    return p;
}

}  // namespace

// x halves 11, 11, 11 (one kind); y halves 00, 10, 00 (two kinds). Pairs (1,2) and (2,3)
// differ at position 3 only, pair (1,3) nowhere: 2 differences over 3 pairs.
TEST(Diversidade, PopulacaoContadaParAPar) {
    const TDiversidadeGeracao d = DiversidadeDe(Populacao({"1100", "1110", "1100"}));
    EXPECT_DOUBLE_EQ(d.Fracao(1), 1.0);
    EXPECT_DOUBLE_EQ(d.Fracao(2), 1.0);
    EXPECT_DOUBLE_EQ(d.Fracao(3), 1.0 / 3);
    EXPECT_DOUBLE_EQ(d.Fracao(4), 0.0);
    EXPECT_DOUBLE_EQ(d.HammingX, 0.0);
    EXPECT_DOUBLE_EQ(d.HammingY, 2.0 / 3);
    EXPECT_DOUBLE_EQ(d.HammingMedio(), 2.0 / 3);
    EXPECT_EQ(d.DistintosX, 1);
    EXPECT_EQ(d.DistintosY, 2);
    EXPECT_EQ(d.Distintos, 2);
}

// 100 genes: the two differ only at position 90, in the chromosome's second word and in its
// y half; the single pair differs once.
TEST(Diversidade, PosicaoAlemDos64Bits) {
    std::string zeros(100, '0');
    std::string um = zeros;
    um[89] = '1';
    const TDiversidadeGeracao d = DiversidadeDe(Populacao({zeros, um}));
    EXPECT_DOUBLE_EQ(d.Fracao(90), 0.5);
    EXPECT_DOUBLE_EQ(d.Fracao(89), 0.0);
    EXPECT_DOUBLE_EQ(d.HammingX, 0.0);
    EXPECT_DOUBLE_EQ(d.HammingY, 1.0);
    EXPECT_EQ(d.DistintosX, 1);
    EXPECT_EQ(d.DistintosY, 2);
    EXPECT_EQ(d.Distintos, 2);
}
