#include "Registro.h"

#include "Cromossomo.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

TPosicoes PosicoesAte(int n) {
    const auto primeiros = [](int m) {  // the lowest m bits, 0 <= m <= 64
        return m >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << m) - 1;
    };
    return {{primeiros(std::clamp(n, 0, 64)), primeiros(std::clamp(n - 64, 0, 64))}};
}

// Where the processor has SSE2, sixteen bytes at a time: shifted left by 7 within 16-bit
// lanes, bit 0 of every byte lands on the byte's top bit, and movemask gathers the sixteen top
// bits, the first byte lowest. All MaxGenes bytes are read without a branch on n (the last
// four from an overlapping load) and the positions past n are cleared at the end; the bytes
// past n may hold anything. Elsewhere, one byte at a time.
TPosicoes Empacota(const std::uint8_t* bytes, int n) {
    static_assert(MaxGenes == 100, "the loads below cover exactly 100 bytes");
    std::uint64_t baixo = 0;
    std::uint64_t alto = 0;
#if defined(__SSE2__)
    const auto dezesseis = [bytes](int k) -> std::uint64_t {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + k));
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_slli_epi16(v, 7)));
    };
    baixo = dezesseis(0) | dezesseis(16) << 16 | dezesseis(32) << 32 | dezesseis(48) << 48;
    alto = dezesseis(64) | dezesseis(80) << 16 | (dezesseis(84) >> 12) << 32;
#else
    for (int k = 0; k < n; ++k) {
        const std::uint64_t bit = bytes[k] & 1u;
        if (k < 64)
            baixo |= bit << k;
        else
            alto |= bit << (k - 64);
    }
#endif
    const TPosicoes ate = PosicoesAte(n);
    return {{baixo & ate.Bits[0], alto & ate.Bits[1]}};
}

void TPassoRegistrado::Limpa() {
    NumPares = 0;
    Escolhidos.clear();
    Sorteios.clear();
    TamTorneio = 0;
    Entrantes.clear();
    Pares.clear();
    Mascaras.clear();
    Mutacoes.clear();
    Slots.clear();
    EliteNoSlot1 = false;
}

void TPassoRegistrado::ComecaPares(int numPares, bool uniforme) {
    Pares.resize(static_cast<std::size_t>(numPares));
    Mascaras.resize(uniforme ? Pares.size() : 0);
}

std::size_t BytesOcupados(const TRegistroGeracao& r) {
    const TPassoRegistrado& p = r.Passo;
    return sizeof r + r.Populacao.Individuos.capacity() * sizeof(TIndividuoRegistrado) +
           r.Populacao.IndividuosY.capacity() * sizeof(TAptidoesY) + p.Escolhidos.capacity() +
           p.Sorteios.capacity() * sizeof(double) + p.Entrantes.capacity() +
           p.Pares.capacity() * sizeof(TPassoRegistrado::TPar) +
           p.Mascaras.capacity() * sizeof(TPosicoes) + p.Mutacoes.capacity() * sizeof(TPosicoes) +
           p.Slots.capacity();
}
