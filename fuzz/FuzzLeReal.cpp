// Fuzzes LeReal, the reader of the tolerance text. The first byte picks the decimal separator
// ("," or "."; any other byte the Arabic one, U+066B, two bytes in UTF-8), the rest is the
// text. Every text either converts to a finite number or is refused with exactly
// "'TEXT' is not a valid floating point value.". Which texts convert is checked against the
// documented notation, parsed here on its own, and each value against the C library's strtod.
#include "Falha.h"
#include "FormatoNumero.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

std::string Separador(char c) {
    return c == ',' ? "," : c == '.' ? "." : "\u066b";
}

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

// The documented notation: blanks, an optional sign, digits with at most one separator and at
// least one digit, an optional exponent (E or e, an optional sign, at least one digit), blanks.
// Returns the number in the C library's notation, or nothing for a text outside the notation.
std::optional<std::string> NotacaoC(std::string_view t, const std::string& separador) {
    std::string c;
    const auto toma = [&] {
        c += t.front();
        t.remove_prefix(1);
    };
    const auto digitos = [&] {
        std::size_t n = 0;
        for (; !t.empty() && Digito(t.front()); ++n)
            toma();
        return n;
    };
    const auto sinal = [&] {
        if (!t.empty() && (t.front() == '+' || t.front() == '-'))
            toma();
    };
    const auto brancos = [&] {
        while (!t.empty() && t.front() == ' ')
            t.remove_prefix(1);
    };

    brancos();
    sinal();
    std::size_t mantissa = digitos();
    if (t.substr(0, separador.size()) == separador) {
        c += '.';
        t.remove_prefix(separador.size());
        mantissa += digitos();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (!t.empty() && (t.front() == 'E' || t.front() == 'e')) {
        toma();
        sinal();
        if (digitos() == 0)
            return std::nullopt;
    }
    brancos();
    if (!t.empty())
        return std::nullopt;
    return c;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0)
        return 0;
    const std::string separador = Separador(static_cast<char>(dados[0]));
    const std::string texto(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);
    // Neither a command line nor the tolerance edit carries a NUL character.
    if (texto.find('\0') != std::string::npos)
        return 0;
    const std::optional<std::string> notacaoC = NotacaoC(texto, separador);

    errno = 0;
    const double esperado = notacaoC ? std::strtod(notacaoC->c_str(), nullptr) : 0;
    const bool estoura = errno == ERANGE;

    try {
        const double valor = LeReal(texto, separador);
        if (!notacaoC)
            Falha("converted a text outside the notation: '" + texto + "'");
        if (!std::isfinite(valor))
            Falha("converted '" + texto + "' to a value that is not finite");
        // Rounded to extended precision first, then to double: one unit in the last place off
        // the directly rounded value at most.
        if (valor != esperado && std::nextafter(valor, esperado) != esperado)
            Falha("'" + texto + "' read as " + FormataReal(valor, ".") + ", strtod says " +
                  FormataReal(esperado, "."));
    } catch (const EConversao& e) {
        if (e.what() != "'" + texto + "' is not a valid floating point value.")
            Falha("refused '" + texto + "' with the message: " + e.what());
        // A text in the notation may be refused only for a value beyond the range of double
        // (or so small that even extended precision underflows); the largest double itself may
        // round up past the range on the way through extended precision.
        const bool foraDaFaixa =
            std::isinf(esperado) || (estoura && esperado == 0) || std::fabs(esperado) == DBL_MAX;
        if (notacaoC && !foraDaFaixa)
            Falha("refused '" + texto + "', which strtod reads as " + FormataReal(esperado, "."));
    }
    return 0;
}
