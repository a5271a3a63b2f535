#include "Cromossomo.h"
#include "Registro.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

// Packing reads every byte of a gene array and keeps positions 1..n only: each length packs
// bit for bit as a byte-at-a-time reading would, whatever the bytes past n hold.
TEST(Empacota, KeepsPositionsOneToNWhateverLiesBeyond) {
    std::array<std::uint8_t, MaxGenes> bytes{};
    std::uint32_t semente = 12345;
    for (int n = 0; n <= MaxGenes; ++n) {
        for (auto& b : bytes) {
            semente = semente * 1103515245u + 12345u;
            b = static_cast<std::uint8_t>(semente >> 24);  // any value past n
        }
        for (int k = 0; k < n; ++k)
            bytes[static_cast<std::size_t>(k)] &= 1u;
        const TPosicoes p = Empacota(bytes.data(), n);
        TPosicoes esperado;
        for (int k = 0; k < n; ++k)
            if (bytes[static_cast<std::size_t>(k)] == 1)
                esperado.Bits[static_cast<std::size_t>(k / 64)] |= std::uint64_t{1} << (k % 64);
        ASSERT_EQ(p, esperado) << "n = " << n;
    }
}
