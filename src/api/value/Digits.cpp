// The digits a result can show: how many of them are true.

#include <qelunits/Error.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace qelunits {
namespace {

// The double arithmetic of a conversion rounds a few times: the value and the factor as read, the
// product, a power. Four units in the last place, 2^-50, cover them.
constexpr double kRounding = 0x1p-50;

// True when a and b print alike with digits significant digits.
bool printAlike(double a, double b, int digits) {
    char textA[40];
    char textB[40];
    const std::to_chars_result endA = std::to_chars(textA, textA + sizeof textA, a, std::chars_format::general, digits);
    const std::to_chars_result endB = std::to_chars(textB, textB + sizeof textB, b, std::chars_format::general, digits);
    return endA.ptr - textA == endB.ptr - textB &&
           std::memcmp(textA, textB, static_cast<std::size_t>(endA.ptr - textA)) == 0;
}

} // namespace

int trueDigits(double value, double relativeError, int atMost, double rounding, double uncertainty) {
    const int most = std::clamp(atMost, 1, 17);
    // Where the value itself is 0 it prints as 0 with any number of digits.
    if (value == 0.0) {
        return most;
    }
    const double defined = value / (1.0 + relativeError);
    if (!std::isfinite(defined) || !(relativeError > -1.0)) {
        return 0;
    }
    // Twice the standard uncertainty: the true value lies within it but in one case of twenty.
    const double reach = std::max(std::fabs(value), std::fabs(defined)) * (rounding * kRounding + 2.0 * uncertainty);
    const double low = std::min(value, defined) - reach;
    const double high = std::max(value, defined) + reach;
    for (int digits = most; digits > 0; --digits) {
        if (printAlike(low, high, digits)) {
            return digits;
        }
    }
    return 0;
}

} // namespace qelunits
