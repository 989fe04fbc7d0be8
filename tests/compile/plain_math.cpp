// A caller's own arithmetic beside the whole library: compiled with
// -Wall -Wextra -pedantic-errors -Werror, nothing here may be caught by the
// library's pow or invert, nor be ambiguous with them.
#include <qelunits/QelUnits.h>

#include <cmath>

double plainMath() {
    const double a = pow(2.0, 3);
    const double b = pow(2, 3);
    const double c = std::pow(2.0, 0.5);
    const double d = std::sqrt(2.0);
    const float e = std::pow(2.0F, 2.0F);
    return a + b + c + d + static_cast<double>(e);
}

// The library's own overloads are still found for its types.
QelUnitVar quantityMath(const QelUnitVar& q, const QelUnitType& t) {
    return pow(q, 3) * invert(q) / QelUnitVar(1.0, pow(invert(t), 2));
}
