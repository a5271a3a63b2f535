#pragma once

#include <array>
#include <cstdint>

/// Decoding of a half of a chromosome: its genes read as a binary number S (the lowest
/// position most significant) map linearly onto ValMin..ValMax and round to an integer,
/// Round((ValMax - ValMin) / MaxDecod * S + ValMin), in extended precision, halves to even.
///
/// The result rises (or stays) with S, so across most runs of consecutive S it is one and the
/// same integer: a table of the top 12 bits of S gives it wherever those bits decide it, and
/// the arithmetic is done only for the few top-bit buckets (about ValMax - ValMin of 4096)
/// in which the result steps.
class TDecodificacao {
public:
    /// Fits the table to a half of `meio` genes and the interval; does nothing when they are
    /// those of the last call.
    void Prepara(int meio, int valMin, int valMax);

    /// The integer that the half's value `s` decodes to.
    [[nodiscard]] std::int32_t operator()(std::uint64_t s) const {
        const std::int32_t x = Tabela[static_cast<std::size_t>(s >> Deslocamento)];
        return x != Indecisa ? x : Calcula(s);
    }

    /// The arithmetic itself, without the table.
    [[nodiscard]] std::int32_t Calcula(std::uint64_t s) const;

private:
    static constexpr int BitsTabela = 12;
    static constexpr std::int32_t Indecisa = INT32_MIN;  ///< a bucket in which the result steps

    int Meio = -1;
    int ValMin = 0;
    int ValMax = 0;
    int Deslocamento = 0;
    long double Escala = 0;
    std::array<std::int32_t, std::size_t{1} << BitsTabela> Tabela{};
};
