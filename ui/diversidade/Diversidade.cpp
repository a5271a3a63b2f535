#include "Diversidade.h"

#include "Cromossomo.h"

#include <algorithm>
#include <limits>

namespace {

static_assert(MaxIndividuos <= std::numeric_limits<std::uint8_t>::max(),
              "a position's count of 1s fits a byte");

// Different gene strings under the mask, by sorting.
int Distintos(const std::vector<TIndividuoRegistrado>& individuos, const TPosicoes& mascara) {
    std::vector<std::array<std::uint64_t, 2>> genes;
    genes.reserve(individuos.size());
    for (const TIndividuoRegistrado& ind : individuos)
        genes.push_back({ind.Genes.Bits[0] & mascara.Bits[0], ind.Genes.Bits[1] & mascara.Bits[1]});
    std::sort(genes.begin(), genes.end());
    return static_cast<int>(std::unique(genes.begin(), genes.end()) - genes.begin());
}

// Mean Hamming distance over all n(n - 1)/2 pairs of n individuals, positions de..ate, from
// the count of 1s at each position: a position with c ones differs in c(n - c) pairs. 0 for
// fewer than two individuals.
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

}  // namespace

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
    const TPosicoes todas = PosicoesAte(d.TamCrom);
    const TPosicoes x = PosicoesAte(meio);
    TPosicoes y;
    for (std::size_t p = 0; p < 2; ++p)
        y.Bits[p] = todas.Bits[p] & ~x.Bits[p];
    d.DistintosX = Distintos(populacao.Individuos, x);
    d.DistintosY = Distintos(populacao.Individuos, y);
    d.Distintos = Distintos(populacao.Individuos, todas);
    return d;
}
