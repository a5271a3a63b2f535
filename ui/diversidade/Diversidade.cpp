#include "Diversidade.h"

#include "Cromossomo.h"

#include <algorithm>
#include <limits>

namespace {

static_assert(MaxIndividuos <= std::numeric_limits<std::uint8_t>::max(),
              "a position's count of 1s fits a byte");

// Positions 1..n as the mask of their bits.
TPosicoes Ate(int n) {
    TPosicoes mascara;
    for (int palavra = 0; palavra < 2; ++palavra) {
        const int bits = std::clamp(n - 64 * palavra, 0, 64);
        mascara.Bits[static_cast<std::size_t>(palavra)] =
            bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
    }
    return mascara;
}

// Different gene strings under the mask, by sorting.
int Distintos(const std::vector<TIndividuoRegistrado>& individuos, const TPosicoes& mascara) {
    std::vector<std::array<std::uint64_t, 2>> genes;
    genes.reserve(individuos.size());
    for (const TIndividuoRegistrado& ind : individuos)
        genes.push_back({ind.Genes.Bits[0] & mascara.Bits[0], ind.Genes.Bits[1] & mascara.Bits[1]});
    std::sort(genes.begin(), genes.end());
    return static_cast<int>(std::unique(genes.begin(), genes.end()) - genes.begin());
}

}  // namespace

double HammingMedio(const std::vector<std::uint8_t>& uns, int de, int ate, int individuos) {
    if (individuos < 2)
        return 0;
    double diferencas = 0;
    for (int b = de; b <= ate; ++b) {
        const int c = uns[static_cast<std::size_t>(b - 1)];
        diferencas += static_cast<double>(c) * (individuos - c);
    }
    return diferencas / (individuos * (individuos - 1.0) / 2.0);
}

TDiversidadeGeracao DiversidadeDe(const TPopulacaoRegistrada& populacao) {
    TDiversidadeGeracao d;
    d.Individuos = static_cast<int>(populacao.Individuos.size());
    d.TamCrom = populacao.TamCrom;
    d.Paralelo = populacao.Paralelo;
    d.Uns.assign(static_cast<std::size_t>(d.TamCrom), 0);
    for (const TIndividuoRegistrado& ind : populacao.Individuos)
        for (int b = 1; b <= d.TamCrom; ++b)
            d.Uns[static_cast<std::size_t>(b - 1)] += ind.Genes.Tem(b) ? 1 : 0;
    const int meio = d.TamCrom / 2;
    d.HammingX = HammingMedio(d.Uns, 1, meio, d.Individuos);
    d.HammingY = HammingMedio(d.Uns, meio + 1, d.TamCrom, d.Individuos);
    const TPosicoes todas = Ate(d.TamCrom);
    const TPosicoes x = Ate(meio);
    TPosicoes y;
    for (std::size_t p = 0; p < 2; ++p)
        y.Bits[p] = todas.Bits[p] & ~x.Bits[p];
    d.DistintosX = Distintos(populacao.Individuos, x);
    d.DistintosY = Distintos(populacao.Individuos, y);
    d.Distintos = Distintos(populacao.Individuos, todas);
    return d;
}
