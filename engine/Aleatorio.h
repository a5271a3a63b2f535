#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

/// The most draws that one block call of TAleatorio hands out: a chromosome's worth.
inline constexpr int MaxBlocoSorteios = 100;

/// Jump-ahead constants: k + 1 draws map a seed s to Mult[k] * s + Soma[k] (mod 2^32).
struct TSaltosLcg {
    std::array<std::uint32_t, MaxBlocoSorteios> Mult;
    std::array<std::uint32_t, MaxBlocoSorteios> Soma;
};

constexpr TSaltosLcg SaltosLcg(std::uint32_t multiplicador) {
    TSaltosLcg saltos{};
    std::uint32_t mult = 1u;
    std::uint32_t soma = 0u;
    for (std::size_t k = 0; k < MaxBlocoSorteios; ++k) {
        mult *= multiplicador;
        soma = soma * multiplicador + 1u;
        saltos.Mult[k] = mult;
        saltos.Soma[k] = soma;
    }
    return saltos;
}

/// abaixo[k] = 1 where the seed k + 1 draws after `semente` lies below `limite`, else 0, for
/// k < n <= MaxBlocoSorteios. Each seed comes from `semente` through its own constants, so
/// they do not wait on each other as chained draws would, and the loop runs on vectors.
void SementesAbaixo(const TSaltosLcg& saltos, std::uint32_t semente, std::uint32_t limite,
                    std::uint8_t* abaixo, int n);

/// The seeds below which the next draw gives Random(101) <= taxa: seed < ceil((taxa + 1) *
/// 2^32 / 101), one comparison instead of a multiplication, for the mutation's tests. The
/// result lies in 0..2^32: no seed passes below rate 0 - 1, every seed from rate 100 on.
constexpr std::uint64_t LimiteAcerto(int taxa) {
    constexpr std::uint64_t n = 101;
    if (taxa < -1)
        return 0;
    if (taxa >= 100)
        return std::uint64_t{1} << 32;
    return ((static_cast<std::uint64_t>(taxa + 1) << 32) + n - 1) / n;
}

/// The engine's only source of random numbers: a 32-bit linear congruential generator.
///
/// Every draw first advances the seed to seed * 134775813 + 1 (mod 2^32), the multiplier of
/// Borland's Delphi/Turbo Pascal runtime, so that a seed reproduces the same run bit for bit.
class TAleatorio {
public:
    static constexpr std::uint32_t Multiplicador = 134775813u;

    /// Sets the state; the next draw advances from this value.
    void Semeia(std::uint32_t semente) { Semente = semente; }
    [[nodiscard]] std::uint32_t LeSemente() const { return Semente; }

    /// Uniform integer 0..n-1: the high 32 bits of the 64-bit product of the new seed and n.
    std::uint32_t Random(std::uint32_t n) {
        Avanca();
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(Semente) * n) >> 32);
    }

    /// Uniform real in [0, 1): the new seed divided by 2^32 (exact in any floating type).
    long double RandomReal() {
        Avanca();
        return static_cast<long double>(Semente) * 0x1p-32L;
    }

    /// n draws at once (n <= MaxBlocoSorteios): abaixo[k] is 1 where draw k + 1 leaves a
    /// seed below `limite`, else 0. Random(n) <= k for a divisor n is such a test of the seed.
    void ProximasAbaixo(std::uint8_t* abaixo, int n, std::uint32_t limite) {
        if (n <= 0)
            return;
        SementesAbaixo(Salto, Semente, limite, abaixo, n);
        const auto ultimo = static_cast<std::size_t>(n - 1);
        Semente = Salto.Mult[ultimo] * Semente + Salto.Soma[ultimo];
    }

    /// n draws at once (n <= MaxBlocoSorteios): bit[k] is Random(2) of draw k + 1, the top
    /// bit of its seed.
    void ProximosBits(std::uint8_t* bit, int n) {
        ProximasAbaixo(bit, n, 1u << 31);
        for (std::size_t k = 0; k < static_cast<std::size_t>(std::max(n, 0)); ++k)
            bit[k] ^= 1u;
    }

private:
    void Avanca() { Semente = Semente * Multiplicador + 1u; }

    static constexpr TSaltosLcg Salto = SaltosLcg(Multiplicador);

    std::uint32_t Semente = 0;
};
