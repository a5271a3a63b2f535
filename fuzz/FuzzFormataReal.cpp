// Fuzzes FormataReal, the general number format of the report and of the tolerance text. The
// first eight bytes are a double (missing bytes are zero). For both separators the text holds
// at most 15 significant digits and no trailing zeros, and LeReal reads it back to a value that
// differs from the double by no more than the rounding to 15 digits and that is written as the
// same text again. Texts of non-finite values are "NAN", "INF" and "-INF".
#include "Falha.h"
#include "FormatoNumero.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

// The mantissa (the part before any exponent) in digits, with the separator and the sign left
// out; it must be digits around at most one separator, with no trailing zero after it.
std::string Mantissa(const std::string& texto, const std::string& separador) {
    std::string m = texto.substr(0, texto.find('E'));
    if (!m.empty() && m.front() == '-')
        m.erase(0, 1);
    const auto posicao = m.find(separador);
    if (posicao != std::string::npos) {
        if (posicao + separador.size() == m.size() || m.back() == '0')
            Falha("'" + texto + "' ends its decimal part in a zero or in nothing");
        m.erase(posicao, separador.size());
    }
    for (const char c : m)
        if (!Digito(c))
            Falha("'" + texto + "' is not digits around one separator");
    return m;
}

// The double nearest to the text, as the C library reads it, or infinity out of range.
double Strtod(std::string texto, const std::string& separador) {
    const auto posicao = texto.find(separador);
    if (posicao != std::string::npos)
        texto.replace(posicao, separador.size(), ".");
    return std::strtod(texto.c_str(), nullptr);
}

void Confere(double valor, const std::string& separador) {
    const std::string texto = FormataReal(valor, separador);
    const std::string digitos = Mantissa(texto, separador);
    const auto significativos =
        digitos.size() - std::min(digitos.find_first_not_of('0'), digitos.size());
    if (significativos > 15)
        Falha("'" + texto + "' has " + std::to_string(significativos) + " significant digits");

    double lido = 0;
    try {
        lido = LeReal(texto, separador);
    } catch (const EConversao& e) {
        // From 1.797693134862315E308 on, the 15-digit text rounds past the largest double and out
        // of the reader's range: the one place where a written number does not read back.
        if (std::isinf(Strtod(texto, separador)))
            return;
        Falha(std::string("the text of a finite double does not read back: ") + e.what());
    }
    const std::string deNovo = FormataReal(lido, separador);
    if (deNovo != texto)
        Falha("'" + texto + "' reads back as a value written '" + deNovo + "'");
    // Half a unit in the 15th significant digit, plus the reader's own rounding to double.
    const long double erro = std::fabs(static_cast<long double>(lido) - valor);
    const long double limite = 5.2e-15L * std::fabs(static_cast<long double>(valor)) +
                               std::numeric_limits<double>::denorm_min();
    if (erro > limite)
        Falha("'" + texto + "' reads back too far from the value written");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    std::uint8_t bytes[sizeof(double)] = {};
    std::memcpy(bytes, dados, std::min(tamanho, sizeof bytes));
    double valor = 0;
    std::memcpy(&valor, bytes, sizeof valor);

    for (const std::string separador : {",", "."}) {
        if (std::isnan(valor)) {
            if (FormataReal(valor, separador) != "NAN")
                Falha("NaN is not written NAN");
        } else if (std::isinf(valor)) {
            if (FormataReal(valor, separador) != (valor < 0 ? "-INF" : "INF"))
                Falha("an infinity is not written INF or -INF");
        } else {
            Confere(valor, separador);
        }
    }
    return 0;
}
