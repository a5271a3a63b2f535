#include "Decodificacao.h"

#include <algorithm>
#include <limits>

namespace {

// Sum of 2^k for k = 0..meio-1: the value of a half whose genes are all 1. That sum is exact
// in double for meio up to 53, so it is 2^meio - 1 (meio is at most 50).
double MaxDecod(int meio) {
    return static_cast<double>((std::uint64_t{1} << meio) - 1);
}

// 1.5 * 2^(p - 1) for the p-bit mantissa of long double: a sum with it has no fraction bits left.
constexpr long double Arredondador() {
    long double m = 1.5L;
    for (int i = 1; i < std::numeric_limits<long double>::digits; ++i)
        m *= 2;
    return m;
}

}  // namespace

void TDecodificacao::Prepara(int meio, int valMin, int valMax) {
    if (meio == Meio && valMin == ValMin && valMax == ValMax)
        return;
    Meio = meio;
    ValMin = valMin;
    ValMax = valMax;
    Escala = static_cast<long double>(valMax - valMin) / MaxDecod(meio);
    Deslocamento = std::max(0, meio - BitsTabela);
    const std::uint64_t baldes = std::uint64_t{1} << (meio - Deslocamento);
    for (std::uint64_t b = 0; b < baldes; ++b) {
        const std::int32_t primeiro = Calcula(b << Deslocamento);
        const std::int32_t ultimo = Calcula(((b + 1) << Deslocamento) - 1);
        Tabela[b] = primeiro == ultimo ? primeiro : Indecisa;
    }
}

// Adding and taking away 1.5 * 2^63 rounds in the default mode, to nearest and halves to even,
// exactly as llrint would, without its library call; the whole number that results (|x| is at
// most 100) passes through double exactly, whose conversion to an integer needs no change of
// the x87 rounding mode.
std::int32_t TDecodificacao::Calcula(std::uint64_t s) const {
    const long double x = Escala * static_cast<double>(s) + ValMin;
    constexpr long double m = Arredondador();
    return static_cast<std::int32_t>(static_cast<double>((x + m) - m));
}
