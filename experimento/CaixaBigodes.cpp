#include "CaixaBigodes.h"

#include "Estatistica.h"

#include <algorithm>
#include <iterator>
#include <limits>

TCaixaBigodes CaixaBigodes(std::vector<double> valores) {
    TCaixaBigodes caixa;
    if (valores.empty()) {
        const double NaN = std::numeric_limits<double>::quiet_NaN();
        caixa.BigodeInferior = caixa.Q1 = caixa.Mediana = caixa.Q3 = caixa.BigodeSuperior = NaN;
        return caixa;
    }
    std::sort(valores.begin(), valores.end());
    caixa.Q1 = QuantilOrdenado(valores, 0.25);
    caixa.Mediana = QuantilOrdenado(valores, 0.5);
    caixa.Q3 = QuantilOrdenado(valores, 0.75);
    const double alcance = 1.5 * (caixa.Q3 - caixa.Q1);
    const auto primeiro = std::lower_bound(valores.begin(), valores.end(), caixa.Q1 - alcance);
    const auto depois = std::upper_bound(valores.begin(), valores.end(), caixa.Q3 + alcance);
    // Where no value lies between a fence and its quartile the whisker ends at the box.
    caixa.BigodeInferior = std::min(*primeiro, caixa.Q1);
    caixa.BigodeSuperior = std::max(*(depois - 1), caixa.Q3);
    std::unique_copy(valores.begin(), primeiro, std::back_inserter(caixa.Atipicos));
    std::unique_copy(depois, valores.end(), std::back_inserter(caixa.Atipicos));
    return caixa;
}
