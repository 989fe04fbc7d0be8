// Value-API units as UCUM texts: each catalogue unit by its spelling in UCUM
// atoms (UcumTable.h), the scale and the spellings' numbers multiplied exactly
// and written once, as a prefix where one fits ("mg"), else as a whole number
// or a power of ten ("100.[ft_i]3", "10*-6.[lb_av]"). What is written is read
// back before it is returned.

#include "parse/ucum/UcumSyntax.h"
#include "parse/ucum/UcumTable.h"

#include <qelunits/QelUnitType.h>
#include <qelunits/Ucum.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace qelunits {
namespace {

using qelunits_detail::ucum::Component;
using qelunits_detail::ucum::kAtoms;
using qelunits_detail::ucum::kPrefixes;
using qelunits_detail::ucum::kSpellings;
using qelunits_detail::ucum::Scale;

// One atom of the text, with its prefix (-1 for none) and power.
struct Term {
    int prefix = -1;
    std::size_t atom = 0;
    std::int64_t power = 0;
};

// A spelling read into its number, atoms and annotations.
struct Spelled {
    Scale scale;
    std::vector<Term> terms;
    std::vector<std::string> notes;
};

Spelled spell(const char* text) {
    std::vector<Component> components;
    qelunits_detail::ucum::SyntaxError error;
    Spelled out;
    if (!qelunits_detail::ucum::readComponents(text, components, error)) {
        return out; // every spelling reads: a test reads them all
    }
    for (const Component& c : components) {
        if (c.kind == Component::Kind::Number) {
            out.scale.multiply(Scale::whole(c.number), c.sign);
        } else if (c.kind == Component::Kind::Annotation) {
            out.notes.emplace_back(text + c.begin, c.end - c.begin);
        } else if (kAtoms[c.atom].units[0].unit == QelUnit::dimensionless && c.prefix < 0) {
            out.scale.multiply(kAtoms[c.atom].scale, c.exponent * c.sign); // 10*, [pi]: numbers
        } else {
            out.terms.push_back(Term{c.prefix, c.atom, c.exponent * c.sign});
        }
    }
    return out;
}

// Every catalogue unit's spelling, read once; then the degrees that Cel and [degF] are inside compound units.
struct SpellingCache {
    std::vector<Spelled> units;
    Spelled celsiusDegree;
    Spelled fahrenheitDegree;

    SpellingCache()
        : celsiusDegree(spell(qelunits_detail::ucum::kCelsiusDegree)),
          fahrenheitDegree(spell(qelunits_detail::ucum::kFahrenheitDegree)) {
        units.reserve(QelUnit::kUnitCount);
        for (const qelunits_detail::ucum::Spelling& s : kSpellings) {
            units.push_back(spell(s.text));
        }
    }
};

const SpellingCache& spellings() {
    static const SpellingCache cache;
    return cache;
}

void addTerm(std::vector<Term>& terms, const Term& t) {
    for (Term& existing : terms) {
        if (existing.atom == t.atom && existing.prefix == t.prefix) {
            existing.power += t.power;
            return;
        }
    }
    terms.push_back(t);
}

// A positive finite double as digits × 10^exponent, to precision significant digits (0: the shortest that reads
// back), digits without trailing zeros.
void decimalOf(double x, std::int64_t& digits, std::int64_t& exponent, int precision = 0) {
    char buffer[64];
    const std::to_chars_result r =
        precision > 0 ? std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, precision - 1)
                      : std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
    digits = 0;
    int fraction = 0;
    const char* p = buffer;
    for (bool after = false; p < r.ptr && *p != 'e'; ++p) {
        if (*p == '.') {
            after = true;
            continue;
        }
        digits = digits * 10 + (*p - '0');
        fraction += after ? 1 : 0;
    }
    std::int64_t e = 0;
    const bool negative = p + 1 < r.ptr && p[1] == '-';
    for (p += 2; p < r.ptr; ++p) {
        e = e * 10 + (*p - '0');
    }
    exponent = (negative ? -e : e) - fraction;
    while (digits != 0 && digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
}

// The simplest ratio n/d (d up to 10^6) whose quotient is x exactly, by continued fractions; false when none.
bool smallRatio(double x, std::int64_t& n, std::int64_t& d) {
    std::int64_t h0 = 1;
    std::int64_t h1 = 0;
    std::int64_t k0 = 0;
    std::int64_t k1 = 1;
    double rest = x;
    for (int step = 0; step < 40 && rest < 9e15; ++step) {
        const double whole = std::floor(rest);
        const auto a = static_cast<std::int64_t>(whole);
        std::int64_t h = 0;
        std::int64_t k = 0;
        if (__builtin_mul_overflow(a, h0, &h) || __builtin_add_overflow(h, h1, &h) ||
            __builtin_mul_overflow(a, k0, &k) || __builtin_add_overflow(k, k1, &k) || k > 1000000 ||
            h > (std::int64_t{1} << 53)) {
            return false;
        }
        h1 = h0;
        h0 = h;
        k1 = k0;
        k0 = k;
        if (static_cast<double>(h) / static_cast<double>(k) == x) {
            n = h;
            d = k;
            return true;
        }
        if (rest == whole) {
            return false;
        }
        rest = 1.0 / (rest - whole);
    }
    return false;
}

// x as a short decimal times π^pi (pi 1 or -1), to within its last bit ("4.[pi].10*-7" read back); false if none.
bool multipleOfPi(double x, int pi, Scale& out) {
    constexpr double kPi = 3.141592653589793;
    const double rest = pi > 0 ? x / kPi : x * kPi;
    if (!(rest > 0.0) || !std::isfinite(rest)) {
        return false;
    }
    for (int precision = 1; precision <= 9; ++precision) {
        std::int64_t digits = 0;
        std::int64_t exponent = 0;
        decimalOf(rest, digits, exponent, precision);
        Scale s = Scale::whole(digits);
        s.pow10 += exponent;
        s.pi = pi;
        if (std::fabs(qelunits_detail::ucum::toDouble(s) - x) <= std::nextafter(x, HUGE_VAL) - x) {
            out = s;
            return true;
        }
    }
    return false;
}

// A unit's scale as an exact number: its shortest decimal, a small ratio where that reads better (1/8, 1/3), or a
// short decimal times π.
Scale scaleOf(double x, bool withPi = true) {
    if (!(x > 0.0) || !std::isfinite(x)) {
        return Scale::powerOfTen(100000); // no double: what is written of it does not read back
    }
    std::int64_t digits = 0;
    std::int64_t exponent = 0;
    decimalOf(x, digits, exponent);
    std::int64_t n = 0;
    std::int64_t d = 0;
    const bool longDecimal = digits >= 1000000000000;
    Scale s;
    if (withPi && longDecimal && (multipleOfPi(x, 1, s) || multipleOfPi(x, -1, s))) {
        return s;
    }
    if ((longDecimal || exponent < 0) && smallRatio(x, n, d) && (longDecimal || d <= 100) && d % 10 != 0) {
        s = Scale::whole(n);
        s.multiply(Scale::whole(d), -1);
        return s;
    }
    s = Scale::whole(digits);
    s.pow10 += exponent;
    return s;
}

// The decimal prefix of 10^exponent; -1 for none.
int decimalPrefix(std::int64_t exponent) {
    for (std::size_t i = 0; i < sizeof kPrefixes / sizeof kPrefixes[0]; ++i) {
        if (kPrefixes[i].pow2 == 0 && kPrefixes[i].pow10 == exponent) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool isDecimalTerm(const Term& t) { return kAtoms[t.atom].metric && (t.prefix < 0 || kPrefixes[t.prefix].pow2 == 0); }

// The prefix exponent t takes when 10^shift goes into it; false where no prefix makes it (or none stays).
bool shiftedPrefix(const Term& t, std::int64_t shift, int& prefix) {
    if (!isDecimalTerm(t) || shift % t.power != 0) {
        return false;
    }
    const std::int64_t exponent = (t.prefix < 0 ? 0 : kPrefixes[t.prefix].pow10) + shift / t.power;
    prefix = exponent == 0 ? -1 : decimalPrefix(exponent);
    return exponent == 0 || prefix >= 0;
}

// Deci-, centi-, deka- and hecto- go where people write them: cm, dL, dag, har.
bool takesAnyPrefix(const Term& t) {
    const std::string_view code = kAtoms[t.atom].code;
    return code == "m" || code == "L" || code == "l" || code == "g" || code == "ar";
}

bool isEngineering(int prefix) { return prefix < 0 || kPrefixes[prefix].pow10 % 3 == 0; }

// One term takes the whole power of ten, its prefix a multiple of 3 ("kg" and 1e-6 make "mg"), or where anyPrefix is
// set and the atom takes them, deci- to hecto- ("cm").
bool absorbInOne(Scale& scale, std::vector<Term>& terms, bool anyPrefix) {
    // Counts per volume keep their power of ten ("10*9/L", not "/nL"): a denominator takes none alone.
    bool numerator = false;
    for (const Term& t : terms) {
        numerator = numerator || t.power > 0;
    }
    for (int pass = 0; pass < (numerator ? 4 : 0); ++pass) {
        for (Term& t : terms) {
            const bool wanted = pass == 0   ? t.power == 1
                                : pass == 1 ? t.power > 1
                                : pass == 2 ? t.power == -1
                                            : t.power < -1;
            int prefix = -1;
            if (wanted && shiftedPrefix(t, scale.pow10, prefix) &&
                (isEngineering(prefix) || (anyPrefix && takesAnyPrefix(t)))) {
                t.prefix = prefix;
                scale.pow10 = 0;
                return true;
            }
        }
    }
    return false;
}

// A numerator term to a multiple of 3 and a denominator term to deci or centi, as mg/dL is written.
bool absorbInTwo(Scale& scale, std::vector<Term>& terms) {
    for (Term& below : terms) {
        for (const std::int64_t shift : {std::int64_t{1}, std::int64_t{2}}) { // d and c on a unit to the power -1
            int belowPrefix = -1;
            if (below.power != -1 || below.prefix >= 0 || !shiftedPrefix(below, shift, belowPrefix)) {
                continue;
            }
            for (Term& above : terms) {
                int abovePrefix = -1;
                if (above.power == 1 && shiftedPrefix(above, scale.pow10 - shift, abovePrefix) &&
                    isEngineering(abovePrefix)) {
                    above.prefix = abovePrefix;
                    below.prefix = belowPrefix;
                    scale.pow10 = 0;
                    return true;
                }
            }
        }
    }
    return false;
}

// A scale's power of ten goes into prefixes where they take it; 10, 100 and 1000 stay numbers rather than hecto-
// and deka-.
void absorbPowerOfTen(Scale& scale, std::vector<Term>& terms) {
    if (!scale.exact || scale.pow10 == 0) {
        return;
    }
    if (absorbInOne(scale, terms, false) || absorbInTwo(scale, terms)) {
        return; // "125.ng/h" too
    }
    if (scale.isPowerOfTen() && (scale.pow10 < 1 || scale.pow10 > 3)) {
        absorbInOne(scale, terms, true);
    }
}

std::string termText(const Term& t) {
    std::string text = t.prefix < 0 ? std::string() : std::string(kPrefixes[t.prefix].code);
    text += kAtoms[t.atom].code;
    const std::int64_t power = t.power < 0 ? -t.power : t.power;
    return power == 1 ? text : text + std::to_string(power);
}

std::string powerOfTenText(std::int64_t e) {
    return e >= 1 && e <= 3 ? std::string("1000").substr(0, static_cast<std::size_t>(1 + e))
                            : "10*" + std::to_string(e);
}

// The scale's number in the numerator and denominator: a whole number, a power of ten, a ratio; its power of π
// is the caller's.
void numberTexts(const Scale& s, std::vector<std::string>& above, std::vector<std::string>& below) {
    if (!s.exact) {
        // Long ratios are written as the decimal of their double, which reads back as that double.
        Scale ratio = s;
        ratio.pi = 0;
        numberTexts(scaleOf(qelunits_detail::ucum::toDouble(ratio), false), above, below);
        return;
    }
    std::int64_t limit = 1000000000000000; // whole numbers up to 10^15 are written out
    for (std::int64_t k = 0; k < s.pow10 && k < 16; ++k) {
        limit /= 10;
    }
    if (s.den == 1 && s.num != 1 && s.pow10 > 0 && s.pow10 <= 15 && s.num <= limit) {
        above.push_back(std::to_string(s.num) + std::string(static_cast<std::size_t>(s.pow10), '0'));
        return;
    }
    // A ratio takes its power of ten back where it stays short: atm/760, not 10*-1.atm/76.
    std::int64_t num = s.num;
    std::int64_t den = s.den;
    std::int64_t pow10 = s.pow10;
    for (; pow10 < 0 && den != 1 && den <= 100000000000000; ++pow10) {
        den *= 10;
    }
    for (; pow10 > 0 && num != 1 && num <= 100000000000000; --pow10) {
        num *= 10;
    }
    if (num != 1) {
        above.push_back(std::to_string(num));
    }
    if (den != 1) {
        below.push_back(std::to_string(den));
    }
    if (pow10 != 0) {
        above.push_back(num == 1 && den == 1 ? powerOfTenText(pow10) : "10*" + std::to_string(pow10));
    }
}

std::string join(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& p : parts) {
        text += (text.empty() ? "" : ".") + p;
    }
    return text;
}

std::string compose(const Scale& scale, const std::vector<Term>& terms, const std::vector<std::string>& notes) {
    std::vector<std::string> above;
    std::vector<std::string> below;
    numberTexts(scale, above, below);
    above.insert(above.end(), notes.begin(), notes.end());
    std::size_t pi = std::string::npos;
    for (std::size_t i = 0; i < qelunits_detail::ucum::kAtomCount; ++i) {
        pi = std::string_view(kAtoms[i].code) == "[pi]" ? i : pi;
    }
    std::vector<Term> all;
    if (scale.pi != 0) {
        all.push_back(Term{-1, pi, scale.pi});
    }
    // Metric atoms before the others, as "kW.h" is written; otherwise in the catalogue's order.
    for (const bool metric : {true, false}) {
        for (const Term& t : terms) {
            if (kAtoms[t.atom].metric == metric) {
                all.push_back(t);
            }
        }
    }
    for (const Term& t : all) {
        if (t.power != 0) {
            (t.power > 0 ? above : below).push_back(termText(t));
        }
    }
    std::string text = join(above);
    if (below.size() == 1) {
        text += "/" + below.front();
    } else if (below.size() > 1) {
        text += "/(" + join(below) + ")";
    }
    return text.empty() ? "1" : text;
}

// The dimensionless scales that UCUM names.
const char* namedFraction(const Scale& s) {
    if (!s.isPowerOfTen()) {
        return nullptr;
    }
    switch (s.pow10) {
    case 0:
        return "1";
    case -2:
        return "%";
    case -3:
        return "[ppth]";
    case -6:
        return "[ppm]";
    case -9:
        return "[ppb]";
    case -12:
        return "[pptr]";
    default:
        return nullptr;
    }
}

// An atom whose number is no power of ten, with its prefix, as the unit it reads to: what "mm[Hg]", "u", "eV" or
// "[car_m]" read to is written as them again.
struct Numbered {
    std::string code;
    double scale = 1.0;
    std::vector<QelUnitFactor> units; // ascending
};

void addNumbered(std::vector<Numbered>& out, const qelunits_detail::ucum::Atom& atom, int prefix) {
    Scale scale = atom.scale;
    if (prefix >= 0) {
        scale.multiply(Scale::powerOfTen(kPrefixes[prefix].pow10), 1);
    }
    if (scale.isPowerOfTen()) {
        return; // prefixes write these
    }
    Numbered n;
    n.code = (prefix >= 0 ? std::string(kPrefixes[prefix].code) : std::string()) + atom.code;
    n.scale = qelunits_detail::ucum::toDouble(scale);
    for (const qelunits_detail::ucum::CatalogueFactor& f : atom.units) {
        if (f.unit != QelUnit::dimensionless) {
            n.units.push_back(QelUnitFactor{f.unit, f.power});
        }
    }
    std::sort(n.units.begin(), n.units.end(),
              [](const QelUnitFactor& a, const QelUnitFactor& b) { return a.unit < b.unit; });
    out.push_back(n);
}

const std::vector<Numbered>& numberedAtoms() {
    static const std::vector<Numbered> atoms = [] {
        std::vector<Numbered> out;
        for (const qelunits_detail::ucum::Atom& atom : kAtoms) {
            if (atom.kind != qelunits_detail::ucum::AtomKind::Ratio || atom.units[0].unit == QelUnit::dimensionless) {
                continue;
            }
            addNumbered(out, atom, -1);
            for (int p = 0; atom.metric && p < static_cast<int>(sizeof kPrefixes / sizeof kPrefixes[0]); ++p) {
                if (kPrefixes[p].pow2 == 0) {
                    addNumbered(out, atom, p);
                }
            }
        }
        return out;
    }();
    return atoms;
}

const char* numberedAtom(const Unit& unit) {
    for (const Numbered& n : numberedAtoms()) {
        bool same = n.scale == unit.scale() && n.units.size() == unit.size();
        for (std::size_t i = 0; same && i < unit.size(); ++i) {
            same = n.units[i].unit == unit.unit(i) && n.units[i].power == unit.power(i);
        }
        if (same) {
            return n.code.c_str();
        }
    }
    return nullptr;
}

bool isDegree(QelUnit::BuiltinUnits u) { return u == QelUnit::celsius || u == QelUnit::fahrenheit; }

Result<std::string> readsBack(const std::string& text, const Unit& unit) {
    const Result<Unit> back = fromUcum(text);
    const double a = unit.factor();
    const double b = back ? back->factor() : 0.0;
    // Within 4 ulps: the catalogue's definitions and UCUM's are rounded apart, a few times at most.
    const bool close = std::fabs(a - b) <= 4.0 * (std::nextafter(a, HUGE_VAL) - a);
    // A difference of degrees reads back as a reading in them: UCUM has no differences.
    if (back && back->exponents() == unit.exponents() && close &&
        (back->isTemperaturePoint() || !unit.isTemperaturePoint())) {
        return Result<std::string>(text);
    }
    return Result<std::string>(ErrorKind::InvalidArgument, "'" + text + "' would not read back as " + unit.symbol());
}

// A lone °C or °F reading: UCUM's scale, prefixed where a power of ten scales it, else after its number.
Result<std::string> reading(const Unit& unit) {
    const std::string atom = unit.unit(0) == QelUnit::celsius ? "Cel" : "[degF]";
    const Scale s = scaleOf(unit.scale(), false);
    const int prefix = unit.unit(0) == QelUnit::celsius && s.isPowerOfTen() ? decimalPrefix(s.pow10) : -1;
    if (s.isOne() || prefix >= 0) {
        return readsBack((prefix >= 0 ? std::string(kPrefixes[prefix].code) : std::string()) + atom, unit);
    }
    std::vector<std::string> above;
    std::vector<std::string> below;
    numberTexts(s, above, below);
    above.push_back(atom);
    return readsBack(join(above) + (below.empty() ? "" : "/" + join(below)), unit);
}

} // namespace

Result<std::string> toUcum(const Unit& unit) {
    for (std::size_t i = 0; i < unit.size(); ++i) {
        if (unit.unit(i) >= QelUnit::kUnitCount) { // a named unit ("mg", "%", "eV"): what it is in catalogue units
            const Result<Unit> expanded = Unit::fromExpression(unit.expression());
            return expanded ? toUcum(*expanded) : Result<std::string>::failureOf(expanded);
        }
    }
    if (unit.isTemperaturePoint() && isDegree(unit.unit(0))) {
        return reading(unit);
    }
    if (const char* code = unit.scale() != 1.0 ? numberedAtom(unit) : nullptr) {
        return readsBack(code, unit);
    }
    const SpellingCache& cache = spellings();
    Scale scale = scaleOf(unit.scale());
    std::vector<Term> terms;
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < unit.size(); ++i) {
        const QelUnit::BuiltinUnits u = unit.unit(i);
        if (u <= QelUnit::dimensionless || u >= QelUnit::kUnitCount) {
            return Result<std::string>(ErrorKind::InvalidArgument,
                                       "'" + unit.symbol() + "' holds a named unit of its own (id " +
                                           std::to_string(static_cast<int>(u)) +
                                           "), not a catalogue unit: it has no UCUM code here");
        }
        // Inside a compound unit, or as a difference, °C and °F are degrees: those of K and [degR].
        const Spelled& spelled = u == QelUnit::celsius      ? cache.celsiusDegree
                                 : u == QelUnit::fahrenheit ? cache.fahrenheitDegree
                                                            : cache.units[static_cast<std::size_t>(u)];
        const std::int64_t power = static_cast<std::int64_t>(unit.power(i)) *
                                   (isDegree(u) ? 1 : kSpellings[static_cast<std::size_t>(u)].power);
        scale.multiply(spelled.scale, power);
        for (const Term& t : spelled.terms) {
            addTerm(terms, Term{t.prefix, t.atom, t.power * power});
        }
        for (const std::string& note : spelled.notes) {
            notes.push_back(note);
        }
    }
    std::vector<Term> kept;
    for (const Term& t : terms) {
        if (t.power != 0) {
            kept.push_back(t);
        }
    }
    absorbPowerOfTen(scale, kept);
    const char* fraction = kept.empty() && notes.empty() ? namedFraction(scale) : nullptr;
    return readsBack(fraction != nullptr ? std::string(fraction) : compose(scale, kept, notes), unit);
}

} // namespace qelunits
