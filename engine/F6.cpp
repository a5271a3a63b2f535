#include "F6.h"

#include <cmath>
#include <limits>

double F6(std::int32_t r2) {
    const long double r = r2;
    const long double s = sinl(sqrtl(r));
    const long double d = 1.0L + 0.001L * r;
    return static_cast<double>(0.5L - (s * s - 0.5L) / (d * d));
}

TTabelaF6::TTabelaF6() {
    Valor.fill(std::numeric_limits<double>::quiet_NaN());
}

double TTabelaF6::operator()(std::int32_t r2) {
    if (r2 < 0 || r2 > MaiorRaio2)
        return F6(r2);
    double& v = Valor[static_cast<std::size_t>(r2)];
    if (std::isnan(v))
        v = F6(r2);
    return v;
}
