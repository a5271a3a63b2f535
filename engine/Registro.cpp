#include "Registro.h"

#include <bit>
#include <cstring>

// Eight bytes at a time: with byte j of a little-endian word 0 or 1, the product with
// 0x0102040810204080 holds byte j at bit 56 + j (the partial products never overlap, so
// nothing carries), and its top byte is the eight bytes as bits, the first one lowest.
TPosicoes Empacota(const std::uint8_t* bytes, int n) {
    TPosicoes p;
    int k = 0;
    for (; k + 8 <= n; k += 8) {
        std::uint64_t oito = 0;
        std::memcpy(&oito, bytes + k, sizeof oito);
        if constexpr (std::endian::native == std::endian::big)
            oito = __builtin_bswap64(oito);
        const std::uint64_t byte = (oito * 0x0102040810204080ULL) >> 56;
        p.Bits[static_cast<std::size_t>(k / 64)] |= byte << (k % 64);
    }
    for (; k < n; ++k)
        if (bytes[k] != 0)
            p.Bits[static_cast<std::size_t>(k / 64)] |= std::uint64_t{1} << (k % 64);
    return p;
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
