#include <qelunits/ConversionFactor.h>

#include <cmath>
#include <limits>

void ConversionFactor::SetFactor(double f) noexcept {
    factor = f;
    isIdentity = false;
}

void ConversionFactor::SetIdentity() noexcept {
    isIdentity = true;
    factor = 1.0;
}

void ConversionFactor::SetCustomConversion(CustomFunction fn) noexcept {
    if (fn == nullptr) {
        return;
    }
    customConversion = fn;
    factor = 1.0;
    isIdentity = false;
}

ConversionFactor::operator double() const noexcept { return isIdentity ? 1.0 : factor; }

const ConversionFactor& ConversionFactor::operator/=(const ConversionFactor& rhs) noexcept {
    if (rhs.isIdentity) {
        return *this;
    }
    const double d = rhs.factor;
    // A divisor this small (or NaN) is taken as a failed conversion, whatever its sign.
    if (std::fabs(d) > QelUnit::kEpsilon) {
        factor = isIdentity ? 1.0 / d : factor / d;
    } else {
        factor = std::numeric_limits<double>::infinity();
    }
    isIdentity = false;
    return *this;
}

bool ConversionFactor::isEqualTo(const ConversionFactor& rhs) const noexcept {
    if (isIdentity != rhs.isIdentity || customConversion != nullptr || rhs.customConversion != nullptr) {
        return false;
    }
    return isIdentity || std::fabs(factor - rhs.factor) < QelUnit::kEpsilon;
}
