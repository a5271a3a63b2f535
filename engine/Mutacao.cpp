#include "MotorAG.h"

#include <utility>

namespace {

// Random(101) <= taxa is the same test as seed < ceil((taxa + 1) * 2^32 / 101): one
// comparison per bit instead of a multiplication, in the loop that dominates a run.
std::uint64_t LimiteAcerto(int taxa) {
    constexpr std::uint64_t n = 101;
    return ((static_cast<std::uint64_t>(taxa + 1) << 32) + n - 1) / n;
}

// One test per gene position de..ate of c, in ascending order; `muta(b)` runs on each hit.
// Hits do not depend on the genes, so drawing four tests at a time changes nothing but speed.
template <typename F>
void Testa(TAleatorio& aleatorio, std::uint64_t limite, int de, int ate, F muta) {
    int b = de;
    for (; b + 3 <= ate; b += 4) {
        const auto sementes = aleatorio.Proximas4();
        for (int j = 0; j < 4; ++j)
            if (sementes[static_cast<std::size_t>(j)] < limite)
                muta(b + j);
    }
    for (; b <= ate; ++b)
        if (aleatorio.SorteiaAbaixo(limite))
            muta(b);
}

}  // namespace

// Each test hits with probability (rate + 1) / 101, so even rate 0 mutates now and then.
void TMotorAG::MutaDesc(const std::string& tipoMut, int taxaMut) {
    const int filhos = 2 * NumPares;
    const int tamCrom = Param.TamCrom;
    const std::uint64_t limite = LimiteAcerto(taxaMut);

    if (tipoMut == Legenda::Flip || tipoMut == Legenda::MutarPara1 ||
        tipoMut == Legenda::MutarPara0) {
        const bool flip = tipoMut == Legenda::Flip;
        const std::int32_t alvo = tipoMut == Legenda::MutarPara1 ? 1 : 0;
        for (int m = 1; m <= filhos; ++m) {
            TCromossomo& c = *Descendencia->Crom[m];
            Testa(Aleatorio, limite, 1, tamCrom,
                  [&](int b) { c.Gene[b] = flip ? 1 - c.Gene[b] : alvo; });
        }
        return;
    }
    // Inversion ("Inversão" and any other text): neighbours swap, in ascending order, so a
    // bit can travel several places towards the end in one pass.
    for (int m = 1; m <= filhos; ++m) {
        TCromossomo& c = *Descendencia->Crom[m];
        Testa(Aleatorio, limite, 1, tamCrom - 1,
              [&](int b) { std::swap(c.Gene[b], c.Gene[b + 1]); });
    }
}
