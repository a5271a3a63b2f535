#include "EfeitoA12.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

TA12 A12(std::vector<double> x, std::vector<double> y) {
    if (x.empty() || y.empty())
        return {std::numeric_limits<double>::quiet_NaN(), TMagnitudeA12::Indefinida};
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    // Twice U: 2 for every pair with x above, 1 for every tie; whole numbers, so exact.
    std::int64_t duasVezesU = 0;
    std::size_t abaixo = 0;    // values of y below the current x
    std::size_t ateIgual = 0;  // values of y not above it
    for (const double v : x) {
        while (abaixo < y.size() && y[abaixo] < v)
            ++abaixo;
        ateIgual = std::max(ateIgual, abaixo);
        while (ateIgual < y.size() && y[ateIgual] == v)
            ++ateIgual;
        duasVezesU += static_cast<std::int64_t>(abaixo + ateIgual);
    }
    const auto pares = static_cast<std::int64_t>(x.size()) * static_cast<std::int64_t>(y.size());
    // |A12 - 0.5| = |2U - mn| / (2mn), set against the thresholds 0.06, 0.14 and 0.21.
    const std::int64_t desvio = std::llabs(duasVezesU - pares);
    const TMagnitudeA12 magnitude = 100 * desvio < 12 * pares   ? TMagnitudeA12::Desprezivel
                                    : 100 * desvio < 28 * pares ? TMagnitudeA12::Pequena
                                    : 100 * desvio < 42 * pares ? TMagnitudeA12::Media
                                                                : TMagnitudeA12::Grande;
    return {static_cast<double>(duasVezesU) / (2 * static_cast<double>(pares)), magnitude};
}

std::string NomeMagnitude(TMagnitudeA12 magnitude) {
    switch (magnitude) {
        case TMagnitudeA12::Desprezivel:
            return "negligible";
        case TMagnitudeA12::Pequena:
            return "small";
        case TMagnitudeA12::Media:
            return "medium";
        case TMagnitudeA12::Grande:
            return "large";
        case TMagnitudeA12::Indefinida:
            break;
    }
    return "NA";
}
