// Texts of units and quantities: the shortest number that reads back, and the
// unit in the world's symbols ("kWh", "L/s", "kJ/(kg·K)", "m²"), or by its names.

#include "api/value/ValueCore.h"

#include "common/Utf8.h"
#include "parse/ReadName.h"
#include "parse/Terms.h"
#include "parse/Vocabulary.h"

#include <cctype>
#include <iterator>
#include <ostream>
#include <sstream>
#include <vector>

namespace qelunits {
namespace {

using qelunits_detail::kNoPrefix;

std::string utf8(const wchar_t* text) {
    std::string out;
    qelunits_detail::appendUtf8(out, text);
    return out;
}

// A power as superscript digits: "²", "⁻¹".
std::string superscript(int power) {
    static constexpr const char* kDigits[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                              "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    const std::string digits = std::to_string(power < 0 ? -power : power);
    std::string out = power < 0 ? "\u207B" : "";
    for (const char d : digits) {
        out += kDigits[d - '0'];
    }
    return out;
}

// The prefixed symbol whose power-th power writes scale times the unit of id ("kJ", "mg", "kΩ", "km" of
// "km²"), or "" where none does: an
// engineering prefix (a power of ten that is a multiple of 3), or a binary one on bits and bytes. A unit that
// takes prefixes is the unit of id itself, or a scaled catalogue unit of it ("g", 1e-3 kg).
std::string prefixed(std::uint16_t id, int power, double scale) {
    for (std::uint16_t row = 0; row < std::size(qelunits_detail::kPrefixableUnits); ++row) {
        const qelunits_detail::PrefixableUnit& unit = qelunits_detail::kPrefixableUnits[row];
        const qelunits_detail::Meaning base = qelunits_detail::prefixedMeaningOf(row, kNoPrefix);
        const bool itself = qelunits_detail::prefixableTerm(row) == id;
        const bool scaledUnit = base.units[0].unit == id && base.units[0].power == 1 && base.units[1].power == 0;
        for (std::uint8_t p = 0; (itself || scaledUnit) && p < std::size(qelunits_detail::kPrefixes); ++p) {
            const qelunits_detail::Prefix& prefix = qelunits_detail::kPrefixes[p];
            const bool usable =
                prefix.symbol != nullptr && (prefix.binary ? unit.binaryPrefixes : prefix.exponent % 3 == 0);
            const double written =
                itself ? qelunits_detail::prefixFactor(p) : qelunits_detail::prefixedMeaningOf(row, p).scale;
            if (usable && qelunits_detail::scaledBy(1.0, written, power) == scale) {
                return utf8(prefix.symbol) + utf8(unit.symbols[0]);
            }
        }
    }
    return "";
}

// Whether a symbol holds an operator, so that a power or a divisor needs it in parentheses.
bool compound(const std::string& text) {
    return text.find_first_of("/*-^(") != std::string::npos || text.find("\u00B7") != std::string::npos;
}

// The order a unit's parts are written in: derived units before units of one base dimension, as people
// write them ("N·m", "kW·h", "lbf·ft"), each group by id.
std::vector<std::size_t> writingOrder(const Unit& unit) {
    std::vector<std::size_t> order;
    for (const bool base : {false, true}) {
        for (std::size_t i = 0; i < unit.size(); ++i) {
            // A unit of one base dimension to the power 1 (m, ft, h, kg) is a base unit here.
            const qelunits_detail::ExponentRow& e =
                qelunits_detail::exponentsOfId(static_cast<std::uint16_t>(unit.unit(i)));
            int nonzero = 0;
            int sum = 0;
            for (const std::int8_t x : e) {
                nonzero += x != 0 ? 1 : 0;
                sum += x;
            }
            if ((nonzero == 1 && sum == 1) == base) {
                order.push_back(i);
            }
        }
    }
    return order;
}

void append(std::string& out, const std::string& text, int power, bool wrap) {
    out += out.empty() ? "" : "\u00B7";
    const bool parenthesised = wrap || (power != 1 && compound(text));
    out += parenthesised ? "(" + text + ")" : text;
    out += power == 1 ? "" : superscript(power);
}

/// A quantity as it is written: a unit whose scale no prefix writes ("1000.0000000000001 m/sec", left by a
/// division of scaled units) is folded into the number ("200 m/sec"), which reads back as the same quantity.
struct Written {
    double value;
    Unit unit;
};

Written written(const Quantity& quantity) {
    const Unit& unit = quantity.unit();
    const std::string symbol = unit.symbol();
    const bool numbered = !symbol.empty() && (std::isdigit(static_cast<unsigned char>(symbol[0])) != 0);
    if (!numbered || symbol == "1" || unit.isTemperaturePoint()) {
        return {quantity.value(), unit};
    }
    const Result<Unit> bare = UnitAccess::withScale(unit, 1.0);
    return bare ? Written{quantity.value() * unit.scale(), *bare} : Written{quantity.value(), unit};
}

} // namespace

std::string Unit::symbol() const {
    std::string prefix;
    std::size_t folded = mCount; // the unit written with a prefix, where one writes the scale
    for (std::size_t i = 0; mScale != 1.0 && folded == mCount && i < mCount; ++i) {
        prefix = mPowers[i] > 0 ? prefixed(mUnits[i], mPowers[i], mScale) : "";
        folded = prefix.empty() ? mCount : i;
    }
    std::string above;
    std::string below;
    std::size_t divisors = 0;
    for (std::size_t i = 0; i < mCount; ++i) {
        divisors += mPowers[i] < 0 ? 1U : 0U;
    }
    const bool soleAbove = mCount - divisors == 1;
    for (const std::size_t i : writingOrder(*this)) {
        const std::string& text = i == folded ? prefix : qelunits_detail::symbolOf(mUnits[i]);
        if (mPowers[i] > 0) {
            append(above, text, mPowers[i], !soleAbove && compound(text) && divisors > 0);
        } else {
            append(below, text, -mPowers[i], compound(text));
        }
    }
    std::string text = above.empty() ? "1" : above;
    if (divisors > 0) {
        text += divisors == 1 ? "/" + below : "/(" + below + ")";
    }
    if (mScale != 1.0 && folded == mCount) {
        const std::string number = numberText(mScale);
        text = text == "1" ? number : text.compare(0, 2, "1/") == 0 ? number + text.substr(1) : number + ' ' + text;
    }
    return mDifference ? "\u0394" + text : text;
}

std::string toString(const Unit& unit, UnitStyle style) {
    return style == UnitStyle::Name ? unit.name() : unit.symbol();
}

std::string toString(const Quantity& quantity, UnitStyle style) {
    const Written q = written(quantity);
    const std::string unit = toString(q.unit, style);
    return unit.empty() || unit == "1" ? numberText(q.value) : numberText(q.value) + ' ' + unit;
}

std::ostream& operator<<(std::ostream& out, const Unit& unit) { return out << unit.symbol(); }

std::ostream& operator<<(std::ostream& out, const Quantity& quantity) {
    // One string, so that a width pads the whole.
    const Written q = written(quantity);
    std::ostringstream line;
    line.flags(out.flags());
    line.precision(out.precision());
    line.imbue(out.getloc());
    line << q.value;
    const std::string unit = q.unit.symbol();
    if (unit != "1") {
        line << ' ' << unit;
    }
    return out << line.str();
}

} // namespace qelunits
