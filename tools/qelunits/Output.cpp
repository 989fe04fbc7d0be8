// What the tool prints: numbers with the digits they vouch for, notes and messages.

#include "Tool.h"

#include <qelunits/QelUnitsUtf8.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

namespace qelunits_cli {

std::string written(double value, int digits, bool exact) {
    char buffer[64];
    char* const end = buffer + sizeof(buffer);
    const std::to_chars_result r = exact ? std::to_chars(buffer, end, value)
                                         : std::to_chars(buffer, end, value, std::chars_format::general, digits);
    return std::string(buffer, r.ptr);
}

std::string symbolOf(QelUnit::BuiltinUnits unit) {
    const qelunits::Result<qelunits::Unit> read = qelunits::Unit::fromCode(unit);
    return read ? read->symbol() : qelunits::unitText(unit);
}

int Output::usage(const std::string& message) {
    mErr << "qelunits: " << mWhere << message << "\nTry 'qelunits --help'.\n";
    return kUsageError;
}

int Output::fail(const std::string& message) {
    mErr << "qelunits: " << mWhere << message << '\n';
    return kConversionError;
}

void Output::note(const std::string& text) { mErr << "qelunits: " << mWhere << "note: " << text << '\n'; }

// The note says whether the catalogue's rounded factors (codes) or measured definitions (texts) limit the digits.
std::string Output::shown(const qelunits::Result<double>& result) {
    const bool chosen = mExact || mChosen;
    const int wanted = mExact ? kMaxDigits : chosen ? mDigits : kDefaultDigits;
    const int vouched = result.digits(wanted);
    const int printed = chosen ? wanted : std::max(vouched, 1);
    const std::string digits = std::to_string(vouched) + " significant digit" + (vouched == 1 ? "" : "s");
    if (vouched < printed && result.relativeError() != 0.0) {
        note("the catalogue vouches for " + digits + " here (the factors used part from their definitions by " +
             written(std::fabs(result.relativeError()), 2, false) + ")");
    } else if (vouched < printed && result.uncertainty() > 0.0) {
        note(digits + " are known here (measured definitions, ±" + written(result.uncertainty(), 2, false) +
             " relative)");
    }
    return written(*result, printed, mExact);
}

int Output::print(const qelunits::Result<double>& result, const std::string& lead, const std::string& unit) {
    if (!std::isfinite(*result)) {
        return fail("the result is out of the range of a double");
    }
    mOut << lead << shown(result) << unit << '\n';
    return kOk;
}

} // namespace qelunits_cli
