// qelunits::Dimension: exponents and their text.

#include "defs/UserTerms.h"

#include <qelunits/Dimension.h>

#include <cstdint>
#include <string>

namespace qelunits {
namespace {

// The symbols of the base dimensions; a dimension a program adds is named by its slot until it names itself.
constexpr const char* kSymbols[Dimension::kFirstAdded] = {"kg", "m", "s", "K", "A", "mol", "cd", "rad", "sr"};

std::string symbolOf(std::size_t base) {
    if (base < Dimension::kFirstAdded) {
        return kSymbols[base];
    }
    const std::string added = qelunits_detail::addedDimensionSymbol(base);
    return added.empty() ? "[dimension " + std::to_string(base) + "]" : added;
}

void append(std::string& text, std::size_t base, int power) {
    text += text.empty() ? "" : "\u00B7";
    text += symbolOf(base);
    if (power != 1) {
        text += '^' + std::to_string(power);
    }
}

} // namespace

bool Dimension::tryAdd(const Dimension& other, int times) noexcept {
    Dimension sum;
    for (std::size_t k = 0; k < kCount; ++k) {
        const long e = static_cast<long>(mExponents[k]) + static_cast<long>(other.mExponents[k]) * times;
        if (e > kMaxExponent || e < -kMaxExponent) {
            return false;
        }
        sum.mExponents[k] = static_cast<std::int8_t>(e);
    }
    *this = sum;
    return true;
}

std::string Dimension::text() const {
    std::string above;
    std::string below;
    std::size_t divisors = 0;
    for (std::size_t k = 0; k < kCount; ++k) {
        if (mExponents[k] > 0) {
            append(above, k, mExponents[k]);
        } else if (mExponents[k] < 0) {
            append(below, k, -mExponents[k]);
            ++divisors;
        }
    }
    if (divisors == 0) {
        return above.empty() ? "1" : above;
    }
    return (above.empty() ? "1" : above) + (divisors == 1 ? "/" + below : "/(" + below + ")");
}

} // namespace qelunits
