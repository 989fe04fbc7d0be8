// The definitions of catalogue units multiplied, as a double and as an exact ratio while it stays one.

#include "catalog/DefinedFactor.h"

#include "catalog/UnitTable.h"

#include <qelunits/Quantity.h>

#include <cmath>
#include <cstdint>
#include <numeric>

namespace qelunits_detail {
namespace {

constexpr std::int64_t kExactInDouble = std::int64_t{1} << 53;
constexpr int kMaxPiPower = 100;

bool isWhole(double x) { return x >= 1.0 && x <= static_cast<double>(kExactInDouble) && std::floor(x) == x; }

// A factor as a ratio of whole numbers times a power of π, while it stays one.
struct Rational {
    std::int64_t num = 1;
    std::int64_t den = 1;
    int pi = 0;
    bool exact = true;

    void times(std::int64_t n, std::int64_t d) {
        std::int64_t a = 0;
        std::int64_t b = 0;
        if (!__builtin_mul_overflow(num, n, &a) && !__builtin_mul_overflow(den, d, &b)) {
            num = a;
            den = b;
            return;
        }
        // Reduced crosswise only where the plain products overflow: most products of units never do.
        const std::int64_t g1 = std::gcd(n, den);
        const std::int64_t g2 = std::gcd(d, num);
        exact =
            exact && !__builtin_mul_overflow(num / g2, n / g1, &num) && !__builtin_mul_overflow(den / g1, d / g2, &den);
    }
    void reduce() {
        const std::int64_t g = num == 1 || den == 1 ? 1 : std::gcd(num, den);
        num /= g;
        den /= g;
    }
    // this × (parts)^power.
    void multiply(const qelunits_detail::ExactParts& parts, std::int32_t power) {
        exact = exact && isWhole(parts.numerator) && isWhole(parts.denominator);
        const auto n = static_cast<std::int64_t>(exact ? parts.numerator : 1.0);
        const auto d = static_cast<std::int64_t>(exact ? parts.denominator : 1.0);
        for (std::int32_t k = 0; exact && k < (power < 0 ? -power : power); ++k) {
            power > 0 ? times(n, d) : times(d, n);
        }
        pi += parts.pi * power;
        exact = exact && pi <= kMaxPiPower && pi >= -kMaxPiPower;
    }
    bool fitsDoubles() const { return exact && num <= kExactInDouble && den <= kExactInDouble; }
};

// The simplest ratio of whole numbers below 2^53 whose quotient rounds to x (1e-06 is 1/1000000): a continued
// fraction's convergents, each checked exactly; not exact where none is.
Rational rationalOf(double x) {
    Rational r;
    if (isWhole(x)) {
        r.num = static_cast<std::int64_t>(x);
        return r;
    }
    std::int64_t h0 = 1;
    std::int64_t h1 = 0;
    std::int64_t k0 = 0;
    std::int64_t k1 = 1;
    double rest = x;
    for (int step = 0; step < 64 && rest > 0.0 && rest < static_cast<double>(kExactInDouble); ++step) {
        const double whole = std::floor(rest);
        const auto a = static_cast<std::int64_t>(whole);
        std::int64_t h = 0;
        std::int64_t k = 0;
        if (__builtin_mul_overflow(a, h0, &h) || __builtin_add_overflow(h, h1, &h) ||
            __builtin_mul_overflow(a, k0, &k) || __builtin_add_overflow(k, k1, &k) || h > kExactInDouble ||
            k > kExactInDouble) {
            break;
        }
        h1 = h0;
        h0 = h;
        k1 = k0;
        k0 = k;
        if (h > 0 && static_cast<double>(h) / static_cast<double>(k) == x) {
            r.num = h;
            r.den = k;
            return r;
        }
        rest = rest - whole == 0.0 ? 0.0 : 1.0 / (rest - whole);
    }
    r.exact = false;
    return r;
}

} // namespace

DefinedFactor definedProduct(double scale, const DefinedFactor* values, const std::int32_t* powers,
                             std::size_t count) noexcept {
    if (count == 1 && powers[0] == 1 && scale == 1.0) { // one unit alone: its own value, to the bit
        return values[0];
    }
    double factor = scale;
    Rational exact = rationalOf(scale);
    for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t power = powers[i];
        const double d = values[i].factor;
        factor = power == 1 ? factor * d : power == -1 ? factor / d : factor * std::pow(d, static_cast<double>(power));
        exact.multiply(ExactParts{values[i].numerator, values[i].denominator, values[i].pi}, power);
    }
    if (!exact.fitsDoubles()) {
        exact.reduce(); // only where the whole numbers grew too large: a reduced ratio rounds the same
    }
    DefinedFactor out;
    if (!exact.fitsDoubles()) {
        out.factor = factor;
        out.numerator = factor;
        return out;
    }
    out.numerator = static_cast<double>(exact.num);
    out.denominator = static_cast<double>(exact.den);
    out.pi = exact.pi;
    out.factor = qelunits::detail::ratioWithPi(out.numerator, out.denominator, out.pi);
    return out;
}

DefinedFactor definedOfUnit(std::int32_t unit) noexcept {
    const UnitRecord& record = kUnitTable[unit];
    return DefinedFactor{record.definition, record.exact.numerator, record.exact.denominator, record.exact.pi};
}

DefinedFactor definedFactor(double scale, const QelUnitFactor* units, std::size_t count) noexcept {
    constexpr std::size_t kMost = 16;
    DefinedFactor values[kMost];
    std::int32_t powers[kMost];
    if (count > kMost) { // beyond any unit a text makes: as doubles alone
        double factor = scale;
        for (std::size_t i = 0; i < count; ++i) {
            factor *= std::pow(kUnitTable[units[i].unit].definition, static_cast<double>(units[i].power));
        }
        return DefinedFactor{factor, factor, 1.0, 0};
    }
    for (std::size_t i = 0; i < count; ++i) {
        values[i] = definedOfUnit(units[i].unit);
        powers[i] = units[i].power;
    }
    return definedProduct(scale, values, powers, count);
}

double definedRatio(const DefinedFactor& a, const DefinedFactor& b) noexcept {
    // Both products are exact while the whole numbers stay below 2^53, and then the division rounds once.
    const double n = a.numerator * b.denominator;
    const double d = a.denominator * b.numerator;
    return a.pi == b.pi ? n / d : qelunits::detail::ratioWithPi(n, d, a.pi - b.pi);
}

bool anyMeasured(const QelUnitFactor* units, std::size_t count) noexcept {
    for (std::size_t i = 0; i < count; ++i) {
        if (kUnitTable[units[i].unit].uncertainty != 0.0) {
            return true;
        }
    }
    return false;
}

double definedUncertainty(const QelUnitFactor* units, std::size_t count) noexcept {
    // The same measurement as often as its power: a sum, not a root of squares.
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        sum += kUnitTable[units[i].unit].uncertainty * std::abs(units[i].power);
    }
    return sum;
}

} // namespace qelunits_detail

namespace qelunits::detail {
double ratioWithPi(double n, double d, int k) noexcept {
    constexpr double kPi = 3.141592653589793;
    if (k == 0) {
        return n / d;
    }
    const double p = k == 1 || k == -1 ? kPi : std::pow(kPi, static_cast<double>(k < 0 ? -k : k));
    return k > 0 ? n * p / d : n / (d * p);
}
} // namespace qelunits::detail
