#ifndef QELUNITS_SRC_CATALOG_EXACT_H
#define QELUNITS_SRC_CATALOG_EXACT_H

// Exact numbers for the catalogue's definitions: a rational times a power of π,
// worked out while compiling, so that a definition built of several decimals
// ("cube(0.0254_x) * 231.0_x") is rounded to a double once, and a conversion
// between units of rational definitions can be exact (1 ft is 12 in, not
// 12.000000000000002). Where a rational leaves 64 bits, the number goes on as a
// long double and is no longer exact.

#include <cstdint>

namespace qelunits_detail {

constexpr std::int64_t gcd64(std::int64_t a, std::int64_t b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const std::int64_t t = a % b;
        a = b;
        b = t;
    }
    return a;
}

/// num / den × π^pi, exactly while rational is set; approx is the value in any case.
struct Exact {
    std::int64_t num = 1;
    std::int64_t den = 1;
    int pi = 0;
    bool rational = true;
    long double approx = 1.0L;

    /// The integer n.
    static constexpr Exact whole(std::int64_t n) { return Exact{n, 1, 0, true, static_cast<long double>(n)}; }
    /// π.
    static constexpr Exact piOnce() { return Exact{1, 1, 1, true, 3.14159265358979323846264338327950288L}; }
    /// A value known only approximately.
    static constexpr Exact approximately(long double value) { return Exact{1, 1, 0, false, value}; }

    /// The nearest double where num and den are exact in doubles and no π enters (a division of exact
    /// operands rounds once); else the long double, rounded.
    constexpr double nearest() const {
        constexpr std::int64_t kExactInDouble = std::int64_t{1} << 53;
        if (rational && pi == 0 && num <= kExactInDouble && num >= -kExactInDouble && den <= kExactInDouble) {
            return static_cast<double>(num) / static_cast<double>(den);
        }
        return static_cast<double>(approx);
    }
};

constexpr Exact operator*(const Exact& a, const Exact& b) {
    Exact r;
    r.approx = a.approx * b.approx;
    r.pi = a.pi + b.pi;
    r.rational = a.rational && b.rational;
    if (r.rational) {
        // Cross-reduced first, so that the products stay as small as they can.
        const std::int64_t g1 = gcd64(a.num, b.den);
        const std::int64_t g2 = gcd64(b.num, a.den);
        r.rational = !__builtin_mul_overflow(a.num / g1, b.num / g2, &r.num) &&
                     !__builtin_mul_overflow(a.den / g2, b.den / g1, &r.den);
    }
    if (!r.rational) {
        r.num = 1;
        r.den = 1;
    }
    return r;
}

constexpr Exact reciprocal(const Exact& a) {
    Exact r = a;
    r.approx = 1.0L / a.approx;
    r.pi = -a.pi;
    r.num = a.num < 0 ? -a.den : a.den;
    r.den = a.num < 0 ? -a.num : a.num;
    return r;
}

constexpr Exact operator/(const Exact& a, const Exact& b) { return a * reciprocal(b); }
constexpr Exact sq(const Exact& x) { return x * x; }
constexpr Exact cube(const Exact& x) { return x * x * x; }

/// A decimal literal read exactly: 0.3048_x is 3048/10000, 1e-10_x is 1/10^10, 1.66053906892e-27_x is
/// approximate (its denominator leaves 64 bits).
template <char... Chars>
constexpr Exact operator""_x() {
    constexpr char text[] = {Chars..., '\0'};
    std::int64_t digits = 0;
    int scale = 0; // the power of ten the digits are multiplied by
    bool fraction = false;
    bool exact = true;
    int i = 0;
    for (; text[i] != '\0' && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            fraction = true;
            continue;
        }
        exact = exact && !__builtin_mul_overflow(digits, 10, &digits) &&
                !__builtin_add_overflow(digits, text[i] - '0', &digits);
        scale -= fraction ? 1 : 0;
    }
    if (text[i] != '\0') {
        const bool negative = text[i + 1] == '-';
        int exponent = 0;
        for (int j = i + 1 + ((text[i + 1] == '-' || text[i + 1] == '+') ? 1 : 0); text[j] != '\0'; ++j) {
            exponent = exponent * 10 + (text[j] - '0');
        }
        scale += negative ? -exponent : exponent;
    }
    // 10^k is exact in a long double up to k = 27, so that the approximation rounds once or twice.
    const int steps = scale < 0 ? -scale : scale;
    long double power = 1.0L;
    std::int64_t whole = 1;
    for (int k = 0; k < steps; ++k) {
        power *= 10.0L;
        exact = exact && !__builtin_mul_overflow(whole, 10, &whole);
    }
    const auto value = static_cast<long double>(digits);
    Exact r = Exact::approximately(scale < 0 ? value / power : value * power);
    if (exact) {
        const Exact ten = Exact::whole(whole);
        r = scale < 0 ? Exact::whole(digits) / ten : Exact::whole(digits) * ten;
        r.approx = scale < 0 ? value / power : value * power;
    }
    return r;
}

} // namespace qelunits_detail

#endif
