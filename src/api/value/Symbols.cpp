// Texts of units and quantities: the shortest number that reads back, and the
// unit in the world's symbols ("kWh", "L/s", "kJ/(kg·K)", "m²"), in ASCII, LaTeX or HTML, or by its names.

#include "api/value/ValueCore.h"

#include "common/Utf8.h"
#include "parse/ReadName.h"
#include "parse/Terms.h"
#include "parse/Vocabulary.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string_view>
#include <utility>
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

// Whether a prefixed symbol reads back as the prefix times its unit: "ft" is the foot, not a femtotonne.
bool readsAsPrefixed(const std::string& symbol, const std::string& unit, double prefix) {
    const Result<Unit> back = Unit::parse(symbol);
    const Result<Unit> plain = Unit::parse(unit);
    if (!plain) {
        return true; // a symbol refused alone may still read with a prefix
    }
    return back && back->exponents() == plain->exponents() &&
           std::fabs(back->factor() - plain->factor() * prefix) <= 1e-12 * back->factor();
}

// The prefixed symbol whose power-th power writes scale times the unit of id ("kJ", "mg", "kΩ", "km" of
// "km²"), or "" where none does: an
// engineering prefix (a power of ten that is a multiple of 3), or a binary one on bits and bytes. A unit that
// takes prefixes is the unit of id itself, or a scaled catalogue unit of it ("g", 1e-3 kg).
std::string prefixed(std::uint16_t id, int power, double scale) {
    for (std::size_t index = 0; index < std::size(qelunits_detail::kPrefixableUnits); ++index) {
        const auto row = static_cast<std::uint16_t>(index);
        const qelunits_detail::PrefixableUnit& unit = qelunits_detail::kPrefixableUnits[row];
        const qelunits_detail::Meaning base = qelunits_detail::prefixedMeaningOf(row, kNoPrefix);
        const bool itself = qelunits_detail::prefixableTerm(row) == id;
        const bool scaledUnit = base.units[0].unit == id && base.units[0].power == 1 && base.units[1].power == 0;
        if (scaledUnit && !itself && qelunits_detail::scaledBy(1.0, base.scale, power) == scale) {
            return utf8(unit.symbols[0]); // the scaled unit itself: "g" for 1e-3 kg
        }
        for (std::uint8_t p = 0; (itself || scaledUnit) && p < std::size(qelunits_detail::kPrefixes); ++p) {
            const qelunits_detail::Prefix& prefix = qelunits_detail::kPrefixes[p];
            const bool usable =
                prefix.symbol != nullptr && (prefix.binary ? unit.binaryPrefixes : prefix.exponent % 3 == 0);
            const double written =
                itself ? qelunits_detail::prefixFactor(p) : qelunits_detail::prefixedMeaningOf(row, p).scale;
            if (usable && qelunits_detail::scaledBy(1.0, written, power) == scale) {
                std::string symbol = utf8(prefix.symbol) + utf8(unit.symbols[0]);
                if (readsAsPrefixed(symbol, utf8(unit.symbols[0]), qelunits_detail::prefixFactor(p))) {
                    return symbol;
                }
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

// How a style writes a unit's parts: a product, a power, one catalogue unit's symbol, parentheses, a quotient.
struct Notation {
    const char* times;
    std::string (*power)(int);
    std::string (*symbol)(const std::string&);
    const char* open;
    const char* close;
    const char* difference;
    const char* gap; // between a scale no prefix writes and the units
    bool fraction;   // a quotient as \frac{above}{below}
};

std::string asIs(const std::string& text) { return text; }

// ASCII for the few characters the catalogue's symbols hold beyond it: "°C" is "degC", "µm" "um", "m²" "m**2".
std::string ascii(const std::string& text) {
    static constexpr const char* kSuperscripts[] = {"\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
                                                    "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
    static constexpr std::pair<const char*, const char*> kWords[] = {
        {"\u00B0", "deg"}, {"\u2126", "ohm"},    {"\u03A9", "ohm"}, {"\u00B5", "u"},  {"\u03BC", "u"},
        {"\u00B7", "*"},   {"\u0394", "delta_"}, {"\u2032", "'"},   {"\u2033", "\""}, {"\u00C5", "angstrom"}};
    std::string out;
    bool raised = false; // within a run of superscript digits
    for (std::size_t i = 0; i < text.size();) {
        std::size_t taken = 0;
        for (std::size_t d = 0; d < std::size(kSuperscripts) && taken == 0; ++d) {
            const std::string_view digit = kSuperscripts[d];
            if (text.compare(i, digit.size(), digit) == 0) {
                out += raised ? "" : "**";
                out += static_cast<char>('0' + d);
                taken = digit.size();
            }
        }
        const bool minus = taken == 0 && text.compare(i, 3, "\u207B") == 0;
        if (minus) {
            out += raised ? "-" : "**-";
            taken = 3;
        }
        raised = taken != 0;
        for (const auto& [from, to] : kWords) {
            const std::string_view word = from;
            if (taken == 0 && text.compare(i, word.size(), word) == 0) {
                out += to;
                taken = word.size();
            }
        }
        if (taken == 0) {
            out += text[i];
            taken = 1;
        }
        i += taken;
    }
    return out;
}

std::string asciiPower(int power) { return "**" + std::to_string(power); }

std::string latexSymbol(const std::string& text) {
    std::string out = "\\mathrm{";
    for (const char c : text) {
        out += std::string_view("%_#&$").find(c) != std::string_view::npos ? std::string("\\") + c : std::string(1, c);
    }
    return out + "}";
}

std::string latexPower(int power) { return "^{" + std::to_string(power) + "}"; }

std::string htmlSymbol(const std::string& text) {
    std::string out;
    for (const char c : text) {
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    }
    return out;
}

std::string htmlPower(int power) { return "<sup>" + std::to_string(power) + "</sup>"; }

constexpr Notation kSymbols{"\u00B7", superscript, asIs, "(", ")", "\u0394", " ", false};
constexpr Notation kAscii{"*", asciiPower, ascii, "(", ")", "delta_", " ", false};
constexpr Notation kLatex{" \\cdot ", latexPower, latexSymbol, "\\left(", "\\right)", "\\Delta ", "\\ ", true};
constexpr Notation kHtml{" ", htmlPower, htmlSymbol, "(", ")", "\u0394", " ", false};

void append(std::string& out, const std::string& text, int power, bool wrap, const Notation& notation) {
    out += out.empty() ? "" : notation.times;
    const bool parenthesised = wrap || (power != 1 && compound(text));
    const std::string symbol = notation.symbol(text);
    out += parenthesised ? notation.open + symbol + notation.close : symbol;
    out += power == 1 ? "" : notation.power(power);
}

// The unit's symbols in a notation: catalogue units in writing order, a prefix where one writes the scale,
// divisors after one '/'.
std::string unitText(const Unit& unit, const Notation& notation) {
    const std::size_t count = unit.size();
    const double scale = unit.scale();
    std::string prefix;
    std::size_t folded = count; // the unit written with a prefix, where one writes the scale
    for (std::size_t i = 0; scale != 1.0 && folded == count && i < count; ++i) {
        prefix = unit.power(i) > 0 ? prefixed(UnitAccess::idOf(unit, i), unit.power(i), scale) : "";
        folded = prefix.empty() ? count : i;
    }
    std::string above;
    std::string below;
    std::size_t divisors = 0;
    for (std::size_t i = 0; i < count; ++i) {
        divisors += unit.power(i) < 0 ? 1U : 0U;
    }
    const bool soleAbove = count - divisors == 1;
    for (const std::size_t i : writingOrder(unit)) {
        const std::string& text = i == folded ? prefix : qelunits_detail::symbolOf(UnitAccess::idOf(unit, i));
        const int power = unit.power(i);
        if (power > 0) {
            append(above, text, power, !soleAbove && compound(text) && divisors > 0 && !notation.fraction, notation);
        } else {
            append(below, text, -power, compound(text) && !notation.fraction, notation);
        }
    }
    std::string text = above.empty() ? "1" : above;
    if (divisors > 0) {
        text = notation.fraction ? "\\frac{" + text + "}{" + below + "}"
               : divisors == 1   ? text + "/" + below
                                 : text + "/" + notation.open + below + notation.close;
    }
    if (scale != 1.0 && folded == count) {
        const std::string number = numberText(scale);
        text = text == "1"                     ? number
               : text.compare(0, 2, "1/") == 0 ? number + text.substr(1)
                                               : number + notation.gap + text;
    }
    return unit.isTemperatureDifference() ? notation.difference + text : text;
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

std::string Unit::symbol() const { return unitText(*this, kSymbols); }

Result<Unit> baseUnit(const Unit& a) {
    const Result<Unit> base = Unit::parse(a.dimension());
    return base && a.isTemperatureDifference() ? Result<Unit>(base->difference()) : base;
}

// Whether two ids have the same exponents over the base dimensions.
bool sameExponents(std::uint16_t a, std::uint16_t b) {
    const qelunits_detail::ExponentRow& x = qelunits_detail::exponentsOfId(a);
    const qelunits_detail::ExponentRow& y = qelunits_detail::exponentsOfId(b);
    return std::equal(std::begin(x), std::end(x), std::begin(y));
}

Result<Unit> reducedUnit(const Unit& a) {
    // Each catalogue unit's power goes to the first one of the same exponents, in ascending order.
    QelUnitFactor factors[Unit::kMaxFactors] = {};
    std::size_t count = 0;
    bool folded = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::uint16_t id = UnitAccess::idOf(a, i);
        std::size_t into = count;
        for (std::size_t j = 0; j < count && into == count; ++j) {
            into = sameExponents(static_cast<std::uint16_t>(factors[j].unit), id) ? j : count;
        }
        folded = folded || into != count;
        if (into == count) {
            factors[count++] = {static_cast<QelUnit::BuiltinUnits>(id), 0};
        }
        factors[into].power += a.power(i);
    }
    return folded ? UnitAccess::make(a.scale(), factors, count, a.isTemperatureDifference()) : Result<Unit>(a);
}

Result<Quantity> toCompact(const Quantity& quantity) {
    const Unit& unit = quantity.unit();
    const double value = quantity.value();
    if (unit.isTemperaturePoint() || unit.size() == 0 || value == 0.0 || !std::isfinite(value)) {
        return Result<Quantity>(quantity);
    }
    // Every engineering prefix (or none) on each unit of a positive power, as the symbol's writer folds a scale
    // into a prefix; the first that puts the magnitude in [1, 1000) wins, else the one nearest that range.
    Result<Quantity> best(quantity);
    double bestDistance = HUGE_VAL;
    for (const std::size_t i : writingOrder(unit)) {
        const std::uint16_t id = UnitAccess::idOf(unit, i);
        const int power = unit.power(i);
        for (std::size_t index = 0; power > 0 && index < std::size(qelunits_detail::kPrefixableUnits); ++index) {
            const auto row = static_cast<std::uint16_t>(index);
            const qelunits_detail::Meaning plain = qelunits_detail::prefixedMeaningOf(row, kNoPrefix);
            const bool itself = qelunits_detail::prefixableTerm(row) == id;
            const bool scaledUnit = plain.units[0].unit == id && plain.units[0].power == 1 && plain.units[1].power == 0;
            for (std::uint8_t p = 0; (itself || scaledUnit) && p <= std::size(qelunits_detail::kPrefixes); ++p) {
                const bool none = p == std::size(qelunits_detail::kPrefixes);
                const std::uint8_t prefix = none ? kNoPrefix : p;
                if (!none && (qelunits_detail::kPrefixes[p].symbol == nullptr || qelunits_detail::kPrefixes[p].binary ||
                              qelunits_detail::kPrefixes[p].exponent % 3 != 0)) {
                    continue;
                }
                const double written = itself ? (none ? 1.0 : qelunits_detail::prefixFactor(prefix))
                                              : qelunits_detail::prefixedMeaningOf(row, prefix).scale;
                const Result<Unit> candidate =
                    UnitAccess::withScale(unit, qelunits_detail::scaledBy(1.0, written, power));
                const Result<Quantity> converted =
                    candidate ? quantity.tryTo(*candidate) : Result<Quantity>::failureOf(candidate);
                const std::string symbol = candidate ? candidate->symbol() : std::string();
                if (!converted || symbol.empty() || std::isdigit(static_cast<unsigned char>(symbol[0])) != 0) {
                    continue; // a scale no prefix writes
                }
                const double magnitude = std::fabs(converted->value());
                const double distance = magnitude < 1.0       ? -std::log10(magnitude)
                                        : magnitude >= 1000.0 ? std::log10(magnitude / 1000.0) + 1e-9
                                                              : 0.0;
                if (distance < bestDistance) {
                    best = converted;
                    bestDistance = distance;
                }
                if (distance == 0.0) {
                    return best;
                }
            }
        }
    }
    return best;
}

std::string toString(const Unit& unit, UnitStyle style) {
    switch (style) {
    case UnitStyle::Name:
        return unit.name();
    case UnitStyle::Ascii:
        return unitText(unit, kAscii);
    case UnitStyle::Latex:
        return unitText(unit, kLatex);
    case UnitStyle::Html:
        return unitText(unit, kHtml);
    case UnitStyle::Symbol:
        break;
    }
    return unit.symbol();
}

std::string toString(const Quantity& quantity, UnitStyle style) {
    const Written q = written(quantity);
    const std::string unit = toString(q.unit, style);
    const char* gap = style == UnitStyle::Latex ? "\\ " : " ";
    return unit.empty() || unit == "1" ? numberText(q.value) : numberText(q.value) + gap + unit;
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
