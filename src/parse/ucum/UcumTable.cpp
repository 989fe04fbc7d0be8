// Look-ups in UCUM's tables, and the one rounding of an exact scale to a double.

#include "parse/ucum/UcumTable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace qelunits_detail::ucum {
namespace {

// The atoms' indexes in the order of their codes, made once: a look-up is a binary search.
struct AtomIndex {
    std::array<std::size_t, kAtomCount> order{};

    AtomIndex() {
        for (std::size_t i = 0; i < kAtomCount; ++i) {
            order[i] = i;
        }
        std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
            return std::string_view(kAtoms[a].code) < std::string_view(kAtoms[b].code);
        });
    }
};

const AtomIndex& atomIndex() {
    static const AtomIndex index;
    return index;
}

constexpr std::int64_t kExactInDouble = std::int64_t{1} << 53;

// 10^k for 0 <= k <= 15 as a whole number.
constexpr std::int64_t powerOfTen(std::int64_t k) {
    std::int64_t p = 1;
    for (std::int64_t i = 0; i < k; ++i) {
        p *= 10;
    }
    return p;
}

} // namespace

std::size_t findAtom(const char* text, std::size_t length) noexcept {
    const std::string_view wanted(text, length);
    const auto& order = atomIndex().order;
    const auto* found = std::lower_bound(order.begin(), order.end(), wanted, [](std::size_t i, std::string_view w) {
        return std::string_view(kAtoms[i].code) < w;
    });
    return found != order.end() && wanted == kAtoms[*found].code ? *found : kAtomCount;
}

int findPrefix(const char* text, std::size_t length) noexcept {
    const std::string_view wanted(text, length);
    for (std::size_t i = 0; i < sizeof kPrefixes / sizeof kPrefixes[0]; ++i) {
        if (wanted == kPrefixes[i].code) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QelUnit::BuiltinUnits prefixedUnit(int prefix, std::size_t atom) noexcept {
    if (prefix < 0 || atom >= kAtomCount) {
        return QelUnit::dimensionless;
    }
    const std::string_view prefixCode = kPrefixes[prefix].code;
    const std::string_view atomCode = kAtoms[atom].code;
    for (const PrefixedUnit& p : kPrefixedUnits) {
        if (prefixCode == p.prefix && atomCode == p.atom) {
            return p.unit;
        }
    }
    return QelUnit::dimensionless;
}

double toDouble(const Scale& s) {
    if (s.exact && s.pi == 0 && s.den == 1) {
        // A decimal: from_chars rounds it correctly, whatever its length.
        const std::string digits = std::to_string(s.num) + 'e' + std::to_string(s.pow10);
        double value = 0.0;
        const std::from_chars_result r = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (r.ec == std::errc::result_out_of_range) {
            return s.pow10 > 0 ? HUGE_VAL : 0.0;
        }
        return value;
    }
    if (s.exact && s.pi == 0 && s.num <= kExactInDouble && s.den <= kExactInDouble) {
        // A ratio of doubles that are whole and exact rounds once, and so does a power of ten up to 10^15 that
        // keeps them below 2^53.
        const std::int64_t shift = s.pow10 < 0 ? -s.pow10 : s.pow10;
        const std::int64_t p = shift <= 15 ? powerOfTen(shift) : 0;
        const bool fits =
            p != 0 && (s.pow10 <= 0 || s.num <= kExactInDouble / p) && (s.pow10 >= 0 || s.den <= kExactInDouble / p);
        if (fits) {
            const std::int64_t n = s.pow10 > 0 ? s.num * p : s.num;
            const std::int64_t d = s.pow10 < 0 ? s.den * p : s.den;
            return static_cast<double>(n) / static_cast<double>(d);
        }
    }
    constexpr long double kPi = 3.141592653589793238462643383279502884L;
    const long double ratio = s.exact ? static_cast<long double>(s.num) / static_cast<long double>(s.den) : s.approx;
    const long double value =
        ratio * std::pow(10.0L, static_cast<long double>(s.pow10)) * std::pow(kPi, static_cast<long double>(s.pi));
    // Beyond the largest double the conversion would have no defined result.
    return value > static_cast<long double>(std::numeric_limits<double>::max()) ? HUGE_VAL : static_cast<double>(value);
}

} // namespace qelunits_detail::ucum
