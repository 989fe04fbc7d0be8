#ifndef QELUNITS_SRC_PARSE_UCUM_UCUMSCALE_H
#define QELUNITS_SRC_PARSE_UCUM_UCUMSCALE_H

// The numbers of UCUM texts, kept exact: a ratio of whole numbers times a
// power of ten and a power of π, so that "mm[Hg]" is 133322 × 10^-3 Pa and a
// unit's scale is rounded to a double once, at the end. Powers of ten stay
// apart from the ratio, so that prefixes and "10*-30" never overflow it; a
// ratio that leaves 64 bits goes on as a long double.

#include <cstdint>

namespace qelunits_detail::ucum {

/// num / den × 10^pow10 × π^pi, exactly while exact is set; otherwise approx stands for num / den.
struct Scale {
    std::int64_t num = 1;
    std::int64_t den = 1;
    std::int64_t pow10 = 0;
    std::int64_t pi = 0;
    bool exact = true;
    long double approx = 1.0L;

    /// The whole number n (n > 0).
    static constexpr Scale whole(std::int64_t n) {
        Scale s;
        s.num = n;
        s.approx = static_cast<long double>(n);
        s.normalize();
        return s;
    }
    /// 10^k.
    static constexpr Scale powerOfTen(std::int64_t k) {
        Scale s;
        s.pow10 = k;
        return s;
    }

    /// True for exactly 1.
    constexpr bool isOne() const { return exact && num == 1 && den == 1 && pow10 == 0 && pi == 0; }
    /// True for an exact power of ten (1 included).
    constexpr bool isPowerOfTen() const { return exact && num == 1 && den == 1 && pi == 0; }

    /// this × n / d (n, d > 0).
    constexpr void times(std::int64_t n, std::int64_t d) {
        if (exact) {
            // Reduced crosswise first, so that the products stay as small as they can.
            const std::int64_t g1 = gcd(n, den);
            const std::int64_t g2 = gcd(d, num);
            std::int64_t a = 0;
            std::int64_t b = 0;
            if (!__builtin_mul_overflow(num / g2, n / g1, &a) && !__builtin_mul_overflow(den / g1, d / g2, &b)) {
                num = a;
                den = b;
                normalize();
                return;
            }
            loseExactness();
        }
        approx = approx * static_cast<long double>(n) / static_cast<long double>(d);
    }

    /// this × other.
    constexpr void times(const Scale& other) {
        pow10 += other.pow10;
        pi += other.pi;
        if (other.exact) {
            times(other.num, other.den);
            return;
        }
        loseExactness();
        approx *= other.approx;
    }

    /// this × x, a number known only approximately.
    void timesApproximately(long double x) {
        loseExactness();
        approx *= x;
    }

    /// 1 / this.
    constexpr Scale reciprocal() const {
        Scale r = *this;
        r.num = den;
        r.den = num;
        r.pow10 = -pow10;
        r.pi = -pi;
        r.approx = 1.0L / approx;
        return r;
    }

    /// this × other^power, by squaring: a power of a few hundred takes a few steps.
    constexpr void multiply(const Scale& other, std::int64_t power) {
        if (other.exact && other.num == 1 && other.den == 1) {
            pow10 += other.pow10 * power;
            pi += other.pi * power;
            return;
        }
        Scale base = power < 0 ? other.reciprocal() : other;
        for (std::int64_t left = power < 0 ? -power : power; left > 0; left >>= 1) {
            if ((left & 1) != 0) {
                times(base);
            }
            if (left > 1) {
                const Scale copy = base;
                base.times(copy);
            }
        }
    }

private:
    static constexpr std::int64_t gcd(std::int64_t a, std::int64_t b) {
        while (b != 0) {
            const std::int64_t t = a % b;
            a = b;
            b = t;
        }
        return a;
    }

    constexpr void loseExactness() {
        if (exact) {
            exact = false;
            approx = static_cast<long double>(num) / static_cast<long double>(den);
        }
    }

    // Trailing zeros of the ratio move into the power of ten, so that decimals stay small.
    constexpr void normalize() {
        while (num != 0 && num % 10 == 0) {
            num /= 10;
            ++pow10;
        }
        while (den != 0 && den % 10 == 0) {
            den /= 10;
            --pow10;
        }
    }
};

/// The nearest double of s, rounded once where s is a decimal or a ratio of whole numbers below 2^53 (a few
/// roundings else); 0 or infinity where s leaves the range of a double.
double toDouble(const Scale& s);

} // namespace qelunits_detail::ucum

#endif
