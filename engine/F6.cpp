#include "F6.h"

#include <cmath>

double F6(std::int32_t r2) {
    const long double r = r2;
    const long double s = sinl(sqrtl(r));
    const long double d = 1.0L + 0.001L * r;
    return static_cast<double>(0.5L - (s * s - 0.5L) / (d * d));
}
