#include "FormatoNumero.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int Precisao = 15;

// Exponents (of the leading digit) that are written in fixed notation.
constexpr int MenorExpoenteFixo = -4;
constexpr int MaiorExpoenteFixo = Precisao - 1;

std::string Fixo(const std::string& digitos, int expoente, const std::string& separador) {
    if (expoente < 0)
        return "0" + separador + std::string(static_cast<std::size_t>(-expoente - 1), '0') +
               digitos;
    const std::size_t inteiros = static_cast<std::size_t>(expoente) + 1;
    if (digitos.size() <= inteiros)
        return digitos + std::string(inteiros - digitos.size(), '0');
    return digitos.substr(0, inteiros) + separador + digitos.substr(inteiros);
}

std::string Exponencial(const std::string& digitos, int expoente, const std::string& separador) {
    std::string texto = digitos.substr(0, 1);
    if (digitos.size() > 1)
        texto += separador + digitos.substr(1);
    return texto + "E" + std::to_string(expoente);
}

bool EhDigito(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void Recusa(const std::string& texto) {
    throw EConversao("'" + texto + "' is not a valid floating point value.");
}

}  // namespace

std::string FormataReal(double valor, const std::string& separador) {
    if (std::isnan(valor))
        return "NAN";
    if (std::isinf(valor))
        return valor < 0 ? "-INF" : "INF";
    if (valor == 0)
        return "0";

    // Scientific notation with 14 decimals rounds correctly to 15 significant digits, as
    // printf's %.14e does: d.dddddddddddddde±XX.
    char buffer[32];
    const auto fim = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(valor),
                                   std::chars_format::scientific, Precisao - 1)
                         .ptr;
    const std::string cientifico(buffer, fim);
    const std::size_t posE = cientifico.find('e');
    std::string digitos = cientifico.substr(0, 1) + cientifico.substr(2, posE - 2);
    const int expoente = std::atoi(cientifico.c_str() + posE + 1);
    digitos.erase(digitos.find_last_not_of('0') + 1);

    const bool fixo = expoente >= MenorExpoenteFixo && expoente <= MaiorExpoenteFixo;
    const std::string corpo =
        fixo ? Fixo(digitos, expoente, separador) : Exponencial(digitos, expoente, separador);
    return valor < 0 ? "-" + corpo : corpo;
}

double LeReal(const std::string& texto, const std::string& separador) {
    std::size_t i = 0;
    const std::size_t fim = texto.find_last_not_of(' ') + 1;  // npos + 1 == 0 for all blanks
    while (i < fim && texto[i] == ' ')
        ++i;

    // Rebuild the number in the one notation std::from_chars reads, whatever the separator.
    std::string normal;
    if (i < fim && (texto[i] == '+' || texto[i] == '-')) {
        if (texto[i] == '-')
            normal += '-';
        ++i;
    }
    std::size_t digitosMantissa = 0;
    for (; i < fim && EhDigito(texto[i]); ++i, ++digitosMantissa)
        normal += texto[i];
    if (!separador.empty() && texto.compare(i, separador.size(), separador) == 0) {
        normal += '.';
        for (i += separador.size(); i < fim && EhDigito(texto[i]); ++i, ++digitosMantissa)
            normal += texto[i];
    }
    if (digitosMantissa == 0)
        Recusa(texto);
    if (i < fim && (texto[i] == 'E' || texto[i] == 'e')) {
        normal += 'e';
        ++i;
        if (i < fim && (texto[i] == '+' || texto[i] == '-'))
            normal += texto[i++];
        std::size_t digitosExpoente = 0;
        for (; i < fim && EhDigito(texto[i]); ++i, ++digitosExpoente)
            normal += texto[i];
        if (digitosExpoente == 0)
            Recusa(texto);
    }
    if (i != fim)
        Recusa(texto);

    long double valor = 0;
    const auto [resto, erro] = std::from_chars(normal.data(), normal.data() + normal.size(), valor);
    const auto duplo = static_cast<double>(valor);
    if (erro != std::errc() || resto != normal.data() + normal.size() || std::isinf(duplo))
        Recusa(texto);
    return duplo;
}
