#include "Registro.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Sixteen bytes at a time where the processor has SSE2: shifted left by 7, a byte 0 or 1
// becomes 0 or 0x80 (a 16-bit shift carries nothing across, the low byte being at most 1),
// and movemask gathers the sixteen top bits, the first byte lowest. Then eight at a time:
// with byte j of a little-endian word 0 or 1, the product with 0x0102040810204080 holds byte
// j at bit 56 + j (the partial products never overlap, so nothing carries), and its top byte
// is the eight bytes as bits, the first one lowest. The bits gather in two registers and any
// last bytes are shifted in without a branch: genes, masks and test results are 0 or 1.
TPosicoes Empacota(const std::uint8_t* bytes, int n) {
    std::uint64_t baixo = 0;
    std::uint64_t alto = 0;
    const auto poe = [&](std::uint64_t bits, int k) {
        if (k < 64)
            baixo |= bits << k;
        else
            alto |= bits << (k - 64);
    };
    int k = 0;
#if defined(__SSE2__)
    for (; k + 16 <= n; k += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + k));
        poe(static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_slli_epi16(v, 7))), k);
    }
    if (k < n && n >= 16) {  // the last bytes: the last sixteen, less those already taken
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + n - 16));
        const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_slli_epi16(v, 7)));
        poe(bits >> (16 - (n - k)), k);
        k = n;
    }
#endif
    for (; k + 8 <= n; k += 8) {
        std::uint64_t oito = 0;
        std::memcpy(&oito, bytes + k, sizeof oito);
        if constexpr (std::endian::native == std::endian::big)
            oito = __builtin_bswap64(oito);
        poe((oito * 0x0102040810204080ULL) >> 56, k);
    }
    for (; k < n; ++k)
        poe(std::uint64_t{bytes[k]}, k);
    return {{baixo, alto}};
}

void TPassoRegistrado::Limpa() {
    NumPares = 0;
    Escolhidos.clear();
    Sorteios.clear();
    TamTorneio = 0;
    Entrantes.clear();
    Pares.clear();
    Mutacoes.clear();
    Slots.clear();
    EliteNoSlot1 = false;
}

std::size_t BytesOcupados(const TRegistroGeracao& r) {
    const TPassoRegistrado& p = r.Passo;
    return sizeof r + r.Populacao.Individuos.capacity() * sizeof(TIndividuoRegistrado) +
           p.Escolhidos.capacity() + p.Sorteios.capacity() * sizeof(double) +
           p.Entrantes.capacity() + p.Pares.capacity() * sizeof(TPassoRegistrado::TPar) +
           p.Mutacoes.capacity() * sizeof(TPosicoes) + p.Slots.capacity();
}
