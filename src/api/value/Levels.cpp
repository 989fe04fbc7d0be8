// Logarithmic units: ratios and levels, read, converted and combined.

#include "parse/QuantityText.h"

#include <qelunits/Levels.h>
#include <qelunits/QelUnitsUtf8.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

namespace qelunits {

namespace {

// How a unit reads: how many decibels one of it is, and the reference of a level.
struct LevelRow {
    const char* symbol;
    LevelKind kind;
    double decibels;
    double reference;          // in referenceUnit; 0 for a ratio
    const char* referenceUnit; // a text Unit reads
    const char* quantity;      // what a level measures
};

constexpr double kDecibelsPerNeper = 8.6858896380650365530225783783321; // 20 / ln 10

// clang-format off
constexpr LevelRow kRows[] = {
    {"dB", LevelKind::Ratio, 1.0, 0.0, "", ""},
    {"B", LevelKind::Ratio, 10.0, 0.0, "", ""},
    {"Np", LevelKind::Ratio, kDecibelsPerNeper, 0.0, "", ""},
    {"dBi", LevelKind::Ratio, 1.0, 0.0, "", ""}, // gain over an isotropic antenna
    {"dBm", LevelKind::PowerLevel, 1.0, 1.0, "mW", "a power"},
    {"dBW", LevelKind::PowerLevel, 1.0, 1.0, "W", "a power"},
    {"dBV", LevelKind::FieldLevel, 1.0, 1.0, "V", "a voltage"},
    {"dB\u00B5V", LevelKind::FieldLevel, 1.0, 1.0, "\u00B5V", "a voltage"},
    {"dB(SPL)", LevelKind::FieldLevel, 1.0, 2e-5, "Pa", "a sound pressure"},
};
// clang-format on
constexpr std::uint8_t kRowCount = sizeof(kRows) / sizeof(kRows[0]);

struct Spelling {
    const char* text;
    std::uint8_t row;
    bool name; // a name reads in any case, a symbol in its own
};

constexpr Spelling kSpellings[] = {
    {"dB", 0, false},   {"decibel", 0, true},  {"decibels", 0, true}, {"B", 1, false},         {"bel", 1, true},
    {"bels", 1, true},  {"Np", 2, false},      {"neper", 2, true},    {"nepers", 2, true},     {"dBi", 3, false},
    {"dBm", 4, false},  {"dBW", 5, false},     {"dBV", 6, false},     {"dB\u00B5V", 7, false}, {"dB\u03BCV", 7, false},
    {"dBuV", 7, false}, {"dB(SPL)", 8, false}, {"dBSPL", 8, false},   {"dB SPL", 8, false},
};

struct Refusal {
    const char* text;
    const char* reason;
};

constexpr const char* kAWeighted = "it names an A-weighted sound level: the weighting filters the sound and is no "
                                   "unit; write the level in dB(SPL) and say that it is A-weighted";
constexpr const char* kCWeighted = "it names a C-weighted sound level: the weighting filters the sound and is no "
                                   "unit; write the level in dB(SPL) and say that it is C-weighted";

constexpr Refusal kRefused[] = {
    {"dBA", kAWeighted},
    {"dB(A)", kAWeighted},
    {"dBC", kCWeighted},
    {"dB(C)", kCWeighted},
    {"pH", "the pH is a logarithm of an activity, not a unit of it"},
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool foldedEqual(std::string_view a, std::string_view b) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return fold(x) == fold(y); });
}

// Code points in text, which is UTF-8.
std::size_t codePoints(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }));
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string numberText(double value) {
    char buffer[32];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

// 10 for a power level, 20 for a field level: the decibels of a factor 10 of the quantity.
double decadeOf(LevelKind kind) { return kind == LevelKind::PowerLevel ? 10.0 : 20.0; }

// "dBm (a power, against 1 mW)".
std::string described(const LevelRow& row) {
    return row.kind == LevelKind::Ratio ? quoted(row.symbol) + " (a ratio)"
                                        : quoted(row.symbol) + " (" + row.quantity + ", against " +
                                              numberText(row.reference) + " " + row.referenceUnit + ")";
}

template <class T>
Result<T> outOfRange(const std::string& what) {
    return Result<T>(ErrorKind::OutOfRange, what + " is beyond the range of a double");
}

} // namespace

// The library's own access to a unit's row.
struct LevelAccess {
    static const LevelRow& row(LevelUnit unit) noexcept { return kRows[unit.mIndex < kRowCount ? unit.mIndex : 0]; }
    static LevelUnit make(std::uint8_t index) noexcept {
        LevelUnit unit;
        unit.mIndex = index;
        return unit;
    }
    // The unit of text, trimmed already; position is where text starts in what was read.
    static Result<LevelUnit> read(std::string_view text, std::size_t position);
};

Result<LevelUnit> LevelAccess::read(std::string_view text, std::size_t position) {
    using R = Result<LevelUnit>;
    for (const Spelling& s : kSpellings) {
        if (s.name ? foldedEqual(text, s.text) : text == s.text) {
            return R(make(s.row));
        }
    }
    for (const Refusal& r : kRefused) {
        if (foldedEqual(text, r.text)) {
            return R(ErrorKind::RefusedText,
                     quoted(text) + " at " + std::to_string(position) + " is not read: " + r.reason, position);
        }
    }
    for (const Spelling& s : kSpellings) {
        if (foldedEqual(text, s.text)) {
            return R(ErrorKind::AmbiguousText,
                     quoted(text) + " at " + std::to_string(position) + ": did you mean " + quoted(s.text) +
                         "? A symbol is read in its own case only",
                     position);
        }
    }
    return R(ErrorKind::UnknownUnit,
             "unknown logarithmic unit " + quoted(text) + " at " + std::to_string(position) +
                 ": the ratios are dB, B, Np and dBi, the levels dBm, dBW, dBV, dB\u00B5V and dB(SPL)",
             position);
}

#if QELUNITS_HAS_EXCEPTIONS
LevelUnit::LevelUnit(std::string_view text) : LevelUnit(parse(text).value()) {}
#endif

Result<LevelUnit> LevelUnit::parse(std::string_view text) {
    const std::size_t first =
        static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), isBlank) - text.begin());
    const std::size_t last =
        static_cast<std::size_t>(std::find_if_not(text.rbegin(), text.rend(), isBlank).base() - text.begin());
    if (first >= last) {
        return Result<LevelUnit>(ErrorKind::InvalidText, "empty logarithmic unit", 0);
    }
    if (!fromUtf8(text)) {
        return Result<LevelUnit>(ErrorKind::InvalidText, "the text of a logarithmic unit is not UTF-8", 0);
    }
    return LevelAccess::read(text.substr(first, last - first), codePoints(text.substr(0, first)));
}

const char* LevelUnit::symbol() const noexcept { return LevelAccess::row(*this).symbol; }

LevelKind LevelUnit::kind() const noexcept { return LevelAccess::row(*this).kind; }

double LevelUnit::decibels() const noexcept { return LevelAccess::row(*this).decibels; }

Result<Quantity> LevelUnit::tryReference() const {
    const LevelRow& row = LevelAccess::row(*this);
    if (row.kind == LevelKind::Ratio) {
        return Result<Quantity>(ErrorKind::InvalidArgument, quoted(row.symbol) + " is a ratio: it has no reference");
    }
    const Result<Unit> unit = Unit::parse(row.referenceUnit);
    return unit ? Result<Quantity>(Quantity(row.reference, *unit)) : Result<Quantity>::failureOf(unit);
}

namespace {

using qelunits_detail::NumberRead;
using qelunits_detail::readNumber;

bool isNeper(const LevelRow& row) { return row.decibels == kDecibelsPerNeper; }

// How many of the reference of to the reference of from is; IncompatibleUnits between references of
// different quantities, or between a ratio and a level.
Result<double> referenceRatio(const LevelRow& from, const LevelRow& to) {
    if (from.kind != to.kind || from.kind == LevelKind::Ratio) {
        return Result<double>(ErrorKind::IncompatibleUnits,
                              described(from) + " and " + described(to) +
                                  (from.kind == LevelKind::Ratio || to.kind == LevelKind::Ratio
                                       ? ": a ratio has no reference, so it converts to no level nor a level to it"
                                       : ": they are levels of different quantities"));
    }
    const Result<Unit> fromUnit = Unit::parse(from.referenceUnit);
    const Result<Unit> toUnit = Unit::parse(to.referenceUnit);
    if (!fromUnit || !toUnit) {
        return Result<double>::failureOf(fromUnit ? toUnit : fromUnit);
    }
    const Result<double> in = Quantity(from.reference, *fromUnit).tryIn(*toUnit);
    if (!in) {
        return Result<double>(ErrorKind::IncompatibleUnits,
                              described(from) + " and " + described(to) + ": they are levels of different quantities");
    }
    return Result<double>(*in / to.reference);
}

Result<Level> finite(double value, LevelUnit unit) {
    return std::isfinite(value) ? Result<Level>(Level(value, unit)) : outOfRange<Level>("the result");
}

// ratio as a number of unit, a ratio unit: decade·log10(ratio) decibels.
Result<Level> fromRatio(double ratio, LevelUnit unit, double decade) {
    const LevelRow& row = LevelAccess::row(unit);
    if (row.kind != LevelKind::Ratio) {
        return Result<Level>(ErrorKind::InvalidArgument,
                             described(row) + " is a level: a ratio is a number of dB, B, Np or dBi");
    }
    if (!(ratio > 0.0)) {
        return Result<Level>(ErrorKind::InvalidArgument,
                             "a ratio of " + numberText(ratio) + " has no logarithm: only a ratio above 0 has one");
    }
    if (!std::isfinite(ratio)) {
        return outOfRange<Level>("the logarithm of an infinite ratio");
    }
    // The neper is a natural logarithm: ln taken directly, so that a field ratio e is 1 Np.
    const double value = isNeper(row) ? decade / 20.0 * std::log(ratio) : decade * std::log10(ratio) / row.decibels;
    return Result<Level>(Level(value, unit));
}

// A ratio's value as a power (decade 10) or field (decade 20) ratio.
Result<double> asRatio(const Level& level, double decade) {
    const LevelRow& row = LevelAccess::row(level.unit());
    if (row.kind != LevelKind::Ratio) {
        return Result<double>(ErrorKind::InvalidArgument, toString(level) +
                                                              " is a level: its quantity, not a ratio, is what it "
                                                              "stands for (tryToQuantity)");
    }
    const double ratio =
        isNeper(row) ? std::exp(20.0 / decade * level.value()) : std::pow(10.0, level.value() * row.decibels / decade);
    return std::isfinite(ratio) && ratio > 0.0 ? Result<double>(ratio) : outOfRange<double>("the ratio");
}

} // namespace

#if QELUNITS_HAS_EXCEPTIONS
Level::Level(std::string_view text) : Level(parse(text).value()) {}
#endif

Result<Level> Level::parse(std::string_view text) {
    using R = Result<Level>;
    if (!fromUtf8(text)) {
        return R(ErrorKind::InvalidText, "the text of a level is not UTF-8", 0);
    }
    std::size_t i = static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), isBlank) - text.begin());
    if (i == text.size()) {
        return R(ErrorKind::InvalidText, "empty level: expected a number and a logarithmic unit ('3 dB')", 0);
    }
    const std::size_t start = i; // the text up to the unit is ASCII: its bytes are its code points
    double value = 0.0;
    const NumberRead number = readNumber(text, i, text.size(), value);
    if (number == NumberRead::OutOfRange) {
        return R(ErrorKind::OutOfRange, "number out of the range of a double at " + std::to_string(start), start);
    }
    if (number != NumberRead::Read) {
        return R(ErrorKind::InvalidNumber, "expected a finite number at " + std::to_string(start), start);
    }
    const std::size_t first = static_cast<std::size_t>(
        std::find_if_not(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(), isBlank) - text.begin());
    const std::size_t last =
        static_cast<std::size_t>(std::find_if_not(text.rbegin(), text.rend(), isBlank).base() - text.begin());
    if (first >= last) {
        return R(ErrorKind::Syntax,
                 "expected a logarithmic unit after the number at " + std::to_string(first) + " ('3 dB', '20 dBm')",
                 first);
    }
    const Result<LevelUnit> unit = LevelAccess::read(text.substr(first, last - first), first);
    return unit ? R(Level(value, *unit)) : R::failureOf(unit);
}

Result<Level> Level::fromQuantity(const Quantity& quantity, LevelUnit unit) {
    using R = Result<Level>;
    const LevelRow& row = LevelAccess::row(unit);
    if (row.kind == LevelKind::Ratio) {
        return R(ErrorKind::InvalidArgument, described(row) +
                                                 ": a quantity has a level against a reference only (dBm, dBV, ...); "
                                                 "fromPowerRatio and fromFieldRatio give ratios");
    }
    const Result<Quantity> reference = unit.tryReference();
    const Result<double> in = reference ? quantity.tryIn(reference->unit()) : Result<double>::failureOf(reference);
    if (!in) {
        return R(ErrorKind::IncompatibleUnits, toString(quantity) + " has no level in " + described(row));
    }
    const double ratio = *in / row.reference;
    if (!(ratio > 0.0)) {
        return R(ErrorKind::InvalidArgument,
                 toString(quantity) + " has no level: only a quantity above 0 has a logarithm");
    }
    if (!std::isfinite(ratio)) {
        return outOfRange<Level>("the quantity over the reference");
    }
    return R(Level(decadeOf(row.kind) * std::log10(ratio), unit));
}

Result<Level> Level::fromQuantity(const Quantity& quantity, std::string_view unit) {
    const Result<LevelUnit> read = LevelUnit::parse(unit);
    return read ? fromQuantity(quantity, *read) : Result<Level>::failureOf(read);
}

Result<Level> Level::fromPowerRatio(double ratio, LevelUnit unit) { return fromRatio(ratio, unit, 10.0); }

Result<Level> Level::fromFieldRatio(double ratio, LevelUnit unit) { return fromRatio(ratio, unit, 20.0); }

Result<Quantity> Level::tryToQuantity() const {
    const LevelRow& row = LevelAccess::row(mUnit);
    if (row.kind == LevelKind::Ratio) {
        return Result<Quantity>(ErrorKind::InvalidArgument,
                                toString(*this) + " is a ratio: only a level stands for a quantity (tryPowerRatio and "
                                                  "tryFieldRatio give the ratio)");
    }
    Result<Quantity> reference = mUnit.tryReference();
    if (!reference) {
        return reference;
    }
    const double quantity = row.reference * std::pow(10.0, mValue / decadeOf(row.kind));
    if (!std::isfinite(quantity) || quantity == 0.0) {
        return outOfRange<Quantity>("the quantity of " + toString(*this));
    }
    return Result<Quantity>(Quantity(quantity, reference->unit()));
}

Result<double> Level::tryPowerRatio() const { return asRatio(*this, 10.0); }

Result<double> Level::tryFieldRatio() const { return asRatio(*this, 20.0); }

Result<Level> Level::tryTo(LevelUnit unit) const {
    const LevelRow& from = LevelAccess::row(mUnit);
    const LevelRow& to = LevelAccess::row(unit);
    if (unit == mUnit) {
        return Result<Level>(*this);
    }
    if (from.kind == LevelKind::Ratio && to.kind == LevelKind::Ratio) {
        return finite(mValue * from.decibels / to.decibels, unit);
    }
    const Result<double> ratio = referenceRatio(from, to);
    if (!ratio) {
        return Result<Level>::failureOf(ratio);
    }
    return finite(mValue + decadeOf(from.kind) * std::log10(*ratio), unit);
}

Result<Level> tryAdd(const Level& a, const Level& b) {
    if (!a.isRatio() && !b.isRatio()) {
        return Result<Level>(ErrorKind::InvalidArgument,
                             toString(a) + " + " + toString(b) +
                                 ": levels do not add (a sum of levels would multiply the quantities they stand "
                                 "for); powerSum adds the powers, and a level plus a ratio is a level");
    }
    // A ratio joins the other term's unit when that is a level; level units are 1 dB each.
    const bool swap = a.isRatio() && !b.isRatio();
    const Level& base = swap ? b : a;
    const Level& other = swap ? a : b;
    return finite(base.value() + other.value() * other.unit().decibels() / base.unit().decibels(), base.unit());
}

Result<Level> trySubtract(const Level& a, const Level& b) {
    if (a.isRatio() && !b.isRatio()) {
        return Result<Level>(ErrorKind::InvalidArgument,
                             toString(a) + " - " + toString(b) +
                                 ": a ratio less a level has no meaning (a level less a ratio is a level, a level "
                                 "less a level a ratio)");
    }
    if (!a.isRatio()) {
        if (b.isRatio()) {
            return finite(a.value() - b.value() * b.unit().decibels(), a.unit());
        }
        const Result<Level> same = b.tryTo(a.unit());
        return same ? finite(a.value() - same->value(), LevelUnit()) : same;
    }
    return finite(a.value() - b.value() * b.unit().decibels() / a.unit().decibels(), a.unit());
}

Result<Level> tryScale(const Level& a, double factor) {
    if (!a.isRatio()) {
        return Result<Level>(ErrorKind::InvalidArgument,
                             toString(a) + " * " + numberText(factor) +
                                 ": a level times a number depends on its reference; only a ratio scales");
    }
    if (!std::isfinite(factor)) {
        return Result<Level>(ErrorKind::InvalidArgument, "a ratio scales by a finite number only");
    }
    return finite(a.value() * factor, a.unit());
}

Result<Level> tryPowerSum(const Level& a, const Level& b) {
    if (a.isRatio() || b.isRatio()) {
        return Result<Level>(ErrorKind::InvalidArgument,
                             "a power sum takes two levels: " + toString(a.isRatio() ? a : b) + " is a ratio");
    }
    Result<Level> same = b.tryTo(a.unit());
    if (!same) {
        return same;
    }
    // The larger level plus the decibels the smaller power adds to it: no power is formed, none overflows.
    const double high = std::max(a.value(), same->value());
    const double low = std::min(a.value(), same->value());
    const double added = 10.0 * std::log1p(std::pow(10.0, (low - high) / 10.0)) / std::log(10.0);
    return finite(high + added, a.unit());
}

bool operator==(const Level& a, const Level& b) {
    const Result<Level> same = b.tryTo(a.unit());
    return same && same->value() == a.value();
}

bool approxEqual(const Level& a, const Level& b, double tolerance) {
    const Result<Level> same = b.tryTo(a.unit());
    return same && std::fabs(same->value() - a.value()) <= tolerance;
}

std::string toString(const Level& level) { return numberText(level.value()) + " " + level.unit().symbol(); }

std::ostream& operator<<(std::ostream& out, const Level& level) {
    return out << level.value() << ' ' << level.unit().symbol();
}

} // namespace qelunits
