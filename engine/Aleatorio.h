#pragma once

#include <array>
#include <cstdint>

/// k draws of the generator map a seed s to Mult * s + Soma (mod 2^32).
struct TSaltoLcg {
    std::uint32_t Mult;
    std::uint32_t Soma;
};

/// The maps of 1, 2, 3 and 4 draws.
constexpr std::array<TSaltoLcg, 4> SaltosLcg(std::uint32_t multiplicador) {
    std::array<TSaltoLcg, 4> saltos{};
    TSaltoLcg atual{1u, 0u};
    for (auto& salto : saltos) {
        atual = {atual.Mult * multiplicador, atual.Soma * multiplicador + 1u};
        salto = atual;
    }
    return saltos;
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

    /// True with probability limite / 2^32, drawing once. Random(n) < k is the same test as
    /// seed < ceil(k * 2^32 / n), which the mutation loop uses to skip the multiplication.
    bool SorteiaAbaixo(std::uint64_t limite) {
        Avanca();
        return Semente < limite;
    }

    /// The next four seeds, as four draws would leave them, advancing the state past them.
    /// Each is computed from the current seed with its own jump-ahead constants, so the four
    /// multiplications do not wait on each other as four chained draws would.
    std::array<std::uint32_t, 4> Proximas4() {
        const std::uint32_t s = Semente;
        Semente = Salto[3].Mult * s + Salto[3].Soma;
        return {Salto[0].Mult * s + Salto[0].Soma, Salto[1].Mult * s + Salto[1].Soma,
                Salto[2].Mult * s + Salto[2].Soma, Semente};
    }

private:
    void Avanca() { Semente = Semente * Multiplicador + 1u; }

    static constexpr std::array<TSaltoLcg, 4> Salto = SaltosLcg(Multiplicador);

    std::uint32_t Semente = 0;
};
