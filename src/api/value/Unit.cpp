// qelunits::Unit: construction, algebra on the inline factor list, and texts.

#include "api/value/ValueCore.h"

#include <qelunits/Definitions.h>

#include "catalog/DefinedFactor.h"
#include "catalog/TypeTable.h"
#include "catalog/UnitExponents.h"
#include "common/Utf8.h"
#include "parse/Read.h"
#include "parse/Terms.h"
#include "parse/UnitSink.h"
#include "unittype/Dimensions.h"
#include "unittype/FactorList.h"
#include "unittype/UnitTypeAccess.h"

#include <qelunits/QelUnitsUtf8.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <numeric>
#include <string_view>
#include <utility>

namespace qelunits {
namespace {

using qelunits_detail::FixedFactors;

// Room for the merge of two full units before the result is checked.
using Scratch = FixedFactors<2 * Unit::kMaxFactors>;

std::string tooLarge(const char* what) {
    return std::string(what) + ": a unit holds at most " + std::to_string(Unit::kMaxFactors) +
           " catalogue units, each to a power of at most " + std::to_string(Unit::kMaxPower);
}

void readFactors(const Unit& unit, Scratch& list) {
    for (std::size_t i = 0; i < unit.size(); ++i) {
        list.insertAt(list.size(), QelUnitFactor{unit.unit(i), unit.power(i)});
    }
}

// a · b^sign, the difference kept as QelUnitExpression keeps it.
Result<Unit> combine(const Unit& a, const Unit& b, std::int32_t sign, const char* what) {
    Scratch list;
    readFactors(a, list);
    Scratch other;
    readFactors(b, other);
    qelunits_detail::addPowers(list, other.data(), other.size(), sign);
    const double scale = sign > 0 ? a.scale() * b.scale() : a.scale() / b.scale();
    const bool difference = a.isTemperatureDifference() || b.isTemperatureDifference();
    Result<Unit> result = UnitAccess::make(scale, list.data(), list.size(), difference);
    return result ? result : Result<Unit>(ErrorKind::OutOfRange, tooLarge(what));
}

std::string term(const Unit& unit, std::size_t i, bool inverted) {
    const qelunits_detail::Term* named = qelunits_detail::termOf(static_cast<std::uint16_t>(unit.unit(i)));
    std::string text = named != nullptr ? named->name : singularName(unit.unit(i));
    const int power = inverted ? -unit.power(i) : unit.power(i);
    return power == 1 ? text : text + '^' + std::to_string(power);
}

using qelunits_detail::kUnitExponents;

// An id a unit may hold: a catalogue unit (1 to 348) or a term.
bool isId(std::int32_t id) {
    return qelunits_detail::isStorableUnit(id) || (id >= qelunits_detail::kFirstTerm && id < qelunits_detail::kNoTerm &&
                                                   qelunits_detail::termOf(static_cast<std::uint16_t>(id)) != nullptr);
}

// What kind of temperature scale an id is alone: none (0), absolute (K, °R) or with an offset zero (°C, °F).
std::uint8_t scaleKindOf(std::uint16_t id) {
    if (id >= qelunits_detail::kFirstTerm || qelunits_detail::kUnitTable[id].type != QelUnit::Temperature) {
        return 0;
    }
    return qelunits_detail::kUnitTable[id].zero == 0.0 ? UnitAccess::kAbsoluteScale : UnitAccess::kOffsetScale;
}

} // namespace

// Each catalogue unit alone, made once, so that a plain text's unit is a copy.
struct CodeUnits {
    Unit unit[qelunits_detail::kUnitCount];
};

constexpr CodeUnits UnitAccess::makeCodeUnits() {
    CodeUnits table{};
    for (int u = 1; u < qelunits_detail::kUnitCount; ++u) {
        const qelunits_detail::UnitRecord& record = qelunits_detail::kUnitTable[u];
        Unit& unit = table.unit[u];
        unit.mUnits[0] = static_cast<std::uint16_t>(u);
        unit.mPowers[0] = 1;
        unit.mCount = 1;
        unit.mTemperature = record.type != QelUnit::Temperature ? 0
                            : record.zero == 0.0                ? kAbsoluteScale
                                                                : kOffsetScale;
        for (std::size_t k = 0; k < Dimension::kCount; ++k) {
            unit.mDimension.mExponents[k] = kUnitExponents.unit[u][k];
        }
        unit.mFactor = record.definition;
        unit.mNumerator = record.exact.numerator;
        unit.mDenominator = record.exact.denominator;
        unit.mPi = static_cast<std::int8_t>(record.exact.pi);
    }
    return table;
}

namespace {
constexpr CodeUnits kCodeUnits = UnitAccess::makeCodeUnits();
} // namespace

Result<Unit> UnitAccess::make(double scale, const QelUnitFactor* factors, std::size_t count, bool difference) {
    Unit unit;
    unit.mScale = scale;
    for (std::size_t i = 0; i < count; ++i) {
        const QelUnitFactor f = factors[i];
        if (f.power == 0) {
            continue;
        }
        if (unit.mCount == Unit::kMaxFactors || f.power > Unit::kMaxPower || f.power < -Unit::kMaxPower ||
            !isId(f.unit)) {
            return Result<Unit>(ErrorKind::OutOfRange, tooLarge("the unit is too large"));
        }
        unit.mUnits[unit.mCount] = static_cast<std::uint16_t>(f.unit);
        unit.mPowers[unit.mCount] = static_cast<std::int16_t>(f.power);
        ++unit.mCount;
    }
    unit.mTemperature = unit.mCount == 1 && unit.mPowers[0] == 1 ? scaleKindOf(unit.mUnits[0]) : 0;
    unit.mDifference = difference && unit.mTemperature != 0;
    return derive(unit);
}

Result<Unit> UnitAccess::fromDraft(const qelunits_detail::UnitDraft& draft) {
    if (draft.count > Unit::kMaxFactors) {
        return Result<Unit>(ErrorKind::OutOfRange, tooLarge("the unit is too large"));
    }
    QelUnitFactor factors[Unit::kMaxFactors];
    for (std::size_t i = 0; i < draft.count; ++i) {
        factors[i] = QelUnitFactor{static_cast<QelUnit::BuiltinUnits>(draft.ids[i]), draft.powers[i]};
    }
    return make(draft.scale, factors, draft.count, draft.difference);
}

Result<Unit> UnitAccess::plain(const QelUnitFactor* units, std::size_t count) {
    if (count == 1) {
        return Result<Unit>(kCodeUnits.unit[units[0].unit]);
    }
    Unit unit;
    unit.mCount = static_cast<std::uint8_t>(count);
    // Ascending, a unit over itself gone, as the reader merges them.
    const bool swapped = count == 2 && units[1].unit < units[0].unit;
    for (std::size_t i = 0; i < count; ++i) {
        const QelUnitFactor f = units[swapped ? 1 - i : i];
        unit.mUnits[i] = static_cast<std::uint16_t>(f.unit);
        unit.mPowers[i] = static_cast<std::int16_t>(f.power);
    }
    if (count == 2 && units[0].unit == units[1].unit) {
        return Result<Unit>(Unit());
    }
    return derive(unit);
}

Result<Unit> UnitAccess::derive(Unit& unit) {
    if (unit.mCount == 1 && unit.mPowers[0] == 1 && unit.mScale == 1.0 && !unit.mDifference &&
        unit.mUnits[0] < qelunits_detail::kFirstTerm) {
        return Result<Unit>(kCodeUnits.unit[unit.mUnits[0]]); // one catalogue unit alone
    }
    // Exponents summed wide, then checked, so that no power of a unit wraps a lane.
    std::int32_t exponents[Dimension::kCount] = {};
    qelunits_detail::DefinedFactor values[Unit::kMaxFactors];
    std::int32_t powers[Unit::kMaxFactors];
    for (std::size_t i = 0; i < unit.mCount; ++i) {
        const std::uint16_t id = unit.mUnits[i];
        const qelunits_detail::Term* term = qelunits_detail::termOf(id);
        values[i] = term != nullptr ? term->value : qelunits_detail::definedOfUnit(id);
        powers[i] = unit.mPowers[i];
        const std::int8_t* row = qelunits_detail::exponentsOfId(id);
        for (std::size_t k = 0; k < Dimension::kCount; ++k) {
            exponents[k] += row[k] * powers[i];
        }
    }
    bool inRange = true;
    for (std::size_t k = 0; k < Dimension::kCount; ++k) {
        inRange = inRange && exponents[k] <= Dimension::kMaxExponent && exponents[k] >= -Dimension::kMaxExponent;
        unit.mDimension.mExponents[k] = static_cast<std::int8_t>(exponents[k]);
    }
    if (!inRange) {
        return Result<Unit>(ErrorKind::OutOfRange,
                            "the unit's dimension has a power beyond " + std::to_string(Dimension::kMaxExponent));
    }
    // From the units' values in ascending order of their ids, so that equal units get equal bits.
    const qelunits_detail::DefinedFactor defined =
        qelunits_detail::definedProduct(unit.mScale, values, powers, unit.mCount);
    if (defined.factor == 0.0 || !std::isfinite(defined.factor)) { // negative only for west and south
        return Result<Unit>(ErrorKind::OutOfRange, "the unit's factor to SI is beyond the range of a double");
    }
    unit.mFactor = defined.factor;
    unit.mNumerator = defined.numerator;
    unit.mDenominator = defined.denominator;
    unit.mPi = static_cast<std::int8_t>(defined.pi);
    return Result<Unit>(unit);
}

Unit UnitAccess::asDifference(Unit unit) noexcept {
    unit.mDifference = isLoneTemperature(unit);
    return unit;
}

Result<Unit> UnitAccess::withScale(Unit unit, double scale) {
    unit.mScale = scale;
    return derive(unit);
}

double UnitAccess::siValueOf(double value, const Unit& unit) noexcept {
    const double n = unit.mNumerator;
    const double d = unit.mDenominator;
    if (unit.isTemperaturePoint() && unit.mScale == 1.0) {
        // (value + zero) × degree, with the zero a ratio p/q: ((value × q + p) × n) / (q × d).
        const qelunits_detail::UnitRecord& record = qelunits_detail::kUnitTable[unit.mUnits[0]];
        const double q = record.zeroDenominator;
        return (value * q + record.zeroNumerator) * n / (q * d);
    }
    if (unit.isTemperaturePoint()) {
        return value * unit.mFactor + unit.offset();
    }
    return unit.mPi == 0 ? value * n / d : value * unit.mFactor;
}

Unit UnitAccess::asReading(Unit unit) noexcept {
    unit.mDifference = false;
    return unit;
}

#if QELUNITS_HAS_EXCEPTIONS
Unit::Unit(std::string_view text) : Unit(parse(text).value()) {}

Unit::Unit(QelUnit::BuiltinUnits unit, int power) : Unit(fromCode(unit, power).value()) {}
#endif

Result<Unit> Unit::parse(std::string_view text) {
    qelunits_detail::PlainUnits plain;
    if (qelunits_detail::readPlainAscii(text, plain)) {
        return UnitAccess::plain(plain.units, plain.count);
    }
    return readUnitUtf8(text, 0, text.size());
}

Result<Unit> Unit::parse(std::string_view text, const Definitions& definitions) {
    const Definitions::Scope scope(definitions);
    return parse(text);
}

bool UnitAccess::isExpandable(const Unit& unit) noexcept {
    for (std::size_t i = 0; i < unit.mCount; ++i) {
        const qelunits_detail::Term* term = qelunits_detail::termOf(unit.mUnits[i]);
        if (term != nullptr && !term->expandable) {
            return false;
        }
    }
    return true;
}

Result<Unit> readUnitUtf8(std::string_view text, std::size_t from, std::size_t to) {
    qelunits_detail::WideText wide;
    std::size_t bad{}; // set where decoding fails
    if (!wide.decode(text.substr(0, to), bad)) {
        return Result<Unit>(ErrorKind::InvalidText, "not UTF-8 at " + std::to_string(bad), bad);
    }
    std::size_t start = 0; // code points before from
    for (std::size_t i = 0; i < from; ++i) {
        start += (static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U ? 1U : 0U;
    }
    const std::wstring_view view = wide.view();
    qelunits_detail::UnitDraft draft;
    qelunits_detail::ParseFailure failure;
    if (!qelunits_detail::readUnit(view.data(), start, view.size(), draft, failure)) {
        return Result<Unit>(kindOf(failure.code),
                            toUtf8(qelunits_detail::describeFailure(view.data(), view.size(), failure)),
                            failure.position);
    }
    return UnitAccess::fromDraft(draft);
}

Result<Unit> Unit::fromCode(QelUnit::BuiltinUnits unit, int power) {
    if (!qelunits_detail::isUnitCode(unit)) {
        return Result<Unit>(ErrorKind::InvalidArgument,
                            "no catalogue unit has the code " + std::to_string(static_cast<int>(unit)));
    }
    const QelUnitFactor factor{unit, power};
    return UnitAccess::make(1.0, &factor, unit == QelUnit::dimensionless ? 0 : 1, false);
}

Result<Unit> Unit::fromExpression(const QelUnitExpression& expression) {
    const QelUnitType& type = expression.type();
    return UnitAccess::make(expression.scale(), type.begin(), type.size(), expression.isTemperatureDifference());
}

QelUnitExpression Unit::expression() const {
    // A term is written as what it means in catalogue units.
    double scale = mScale;
    QelUnitType type;
    for (std::size_t i = 0; i < mCount; ++i) {
        const qelunits_detail::Term* term = qelunits_detail::termOf(mUnits[i]);
        if (term == nullptr) {
            type *= QelUnitType(unit(i), mPowers[i]);
            continue;
        }
        scale *= std::pow(term->expansion.scale(), static_cast<double>(mPowers[i]));
        type *= pow(term->expansion.type(), mPowers[i]);
    }
    return QelUnitExpression(scale, type, mDifference);
}

Unit Unit::difference() const noexcept { return UnitAccess::asDifference(*this); }

bool Unit::isCompatible(const Unit& other) const noexcept { return mDimension == other.mDimension; }

double Unit::offset() const noexcept {
    return isTemperaturePoint() ? qelunits_detail::kUnitTable[mUnits[0]].zero : 0.0;
}

double Unit::uncertainty() const noexcept {
    // The same measurement as often as its power: a sum, not a root of squares.
    double sum = 0.0;
    for (std::size_t i = 0; i < mCount; ++i) {
        const qelunits_detail::Term* term = qelunits_detail::termOf(mUnits[i]);
        sum += (term != nullptr ? term->uncertainty : qelunits_detail::kUnitTable[mUnits[i]].uncertainty) *
               std::abs(mPowers[i]);
    }
    return sum;
}

std::string Unit::name() const {
    std::string above;
    std::string below;
    for (std::size_t i = 0; i < mCount; ++i) {
        std::string& side = mPowers[i] > 0 ? above : below;
        side += (side.empty() ? "" : " ") + term(*this, i, mPowers[i] < 0);
    }
    std::string text = above.empty() && !below.empty() ? "1" : above;
    text += below.empty() ? "" : " per " + below;
    if (mScale != 1.0) {
        text = numberText(mScale) + (text.empty() ? "" : " " + text);
    }
    return mDifference ? "delta_" + text : text;
}

QelUnit::BuiltinTypes Unit::dimensionType() const noexcept {
    for (const qelunits_detail::TypeRecord& type : qelunits_detail::kTypeTable) {
        qelunits_detail::ExponentRow row = {};
        qelunits_detail::exponentsOf(type, row);
        bool same = true;
        for (std::size_t k = 0; k < Dimension::kCount; ++k) {
            same = same && mDimension[k] == row[k];
        }
        if (same) {
            return type.type;
        }
    }
    return static_cast<QelUnit::BuiltinTypes>(QelUnit::kTypeCount);
}

std::string Unit::dimensionName() const {
    const QelUnit::BuiltinTypes type = dimensionType();
    if (type == QelUnit::Dimensionless) {
        return "Dimensionless"; // the catalogue's display text for it is "(none)"
    }
    if (type == QelUnit::ElectricalFrequency) {
        return "Frequency"; // the catalogue's display text keeps a misspelling its callers rely on
    }
    return type == QelUnit::kTypeCount ? std::string() : displayName(type);
}

Result<Unit> tryMultiply(const Unit& a, const Unit& b) { return combine(a, b, 1, "the product is too large"); }

Result<Unit> tryDivide(const Unit& a, const Unit& b) { return combine(a, b, -1, "the quotient is too large"); }

Result<Unit> tryPow(const Unit& a, int n) {
    if (n == 0) {
        return Result<Unit>(Unit());
    }
    QelUnitFactor list[Unit::kMaxFactors] = {};
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::int64_t power = static_cast<std::int64_t>(a.power(i)) * n;
        if (power > Unit::kMaxPower || power < -Unit::kMaxPower) {
            return Result<Unit>(ErrorKind::OutOfRange, tooLarge("the power is too large"));
        }
        list[i] = QelUnitFactor{a.unit(i), static_cast<std::int32_t>(power)};
    }
    QelUnitExpression scale(a.scale(), QelUnitType()); // raised as expressions raise it
    scale.pow(n);
    return UnitAccess::make(scale.scale(), list, a.size(), a.isTemperatureDifference() && n == 1);
}

Result<Unit> tryPow(const Unit& a, int numerator, int denominator) {
    if (denominator == 0) {
        return Result<Unit>(ErrorKind::InvalidArgument, "a power's denominator of 0");
    }
    const std::int64_t sign = denominator < 0 ? -1 : 1;
    const std::int64_t g = std::gcd(static_cast<std::int64_t>(numerator), static_cast<std::int64_t>(denominator));
    const std::int64_t num = sign * numerator / (g == 0 ? 1 : g);
    const std::int64_t den = sign * denominator / (g == 0 ? 1 : g);
    if (den == 1) {
        return num >= -Unit::kMaxPower && num <= Unit::kMaxPower
                   ? tryPow(a, static_cast<int>(num))
                   : Result<Unit>(ErrorKind::OutOfRange, tooLarge("the power is too large"));
    }
    QelUnitFactor list[Unit::kMaxFactors] = {};
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::int64_t raised = static_cast<std::int64_t>(a.power(i)) * num;
        if (raised % den != 0) {
            return Result<Unit>(ErrorKind::FractionalPower, a.symbol() + " to the power " + std::to_string(num) + "/" +
                                                                std::to_string(den) +
                                                                ": the unit would have a fractional power");
        }
        list[i] = QelUnitFactor{a.unit(i), static_cast<std::int32_t>(raised / den)};
    }
    const double root = den == 2   ? std::sqrt(a.scale())
                        : den == 3 ? std::cbrt(a.scale())
                                   : std::pow(a.scale(), 1.0 / static_cast<double>(den));
    const double scale = num == 1 ? root : std::pow(root, static_cast<double>(num));
    return UnitAccess::make(scale, list, a.size(), false);
}

namespace detail {
double uncertaintyOf(const Unit& from, const Unit& to) {
    if (from.uncertainty() == 0.0 && to.uncertainty() == 0.0) {
        return 0.0;
    }
    const Result<Unit> quotient = tryDivide(from, to);
    return quotient ? quotient->uncertainty() : from.uncertainty() + to.uncertainty();
}
} // namespace detail

bool operator==(const Unit& a, const Unit& b) noexcept {
    // Units that convert into each other by the identity: J and N·m, % and 0.01, Δ°C and ΔK.
    return a.mDimension == b.mDimension && a.mFactor == b.mFactor && a.mDifference == b.mDifference &&
           a.isTemperaturePoint() == b.isTemperaturePoint() && (!a.isTemperaturePoint() || a.offset() == b.offset());
}

} // namespace qelunits

namespace {
// The bytes of a value, hashed as a string: units are built from zeroed storage, so equal units have equal
// bytes up to their last member (the padding after it is left out).
template <class T>
std::size_t hashBytes(const T& value, std::size_t count) noexcept {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof bytes);
    return std::hash<std::string_view>()(std::string_view(bytes, count));
}
} // namespace

std::size_t std::hash<qelunits::Unit>::operator()(const qelunits::Unit& unit) const noexcept {
    // What == compares: the dimension, the factor, and what kind of temperature it is.
    struct Key {
        qelunits::Dimension dimension;
        double factor;
        double offset;
        std::uint64_t kind;
    };
    const Key key{unit.exponents(), unit.factor() == 0.0 ? 0.0 : unit.factor(), unit.offset(),
                  (unit.isTemperaturePoint() ? 1U : 0U) | (unit.isTemperatureDifference() ? 2U : 0U)};
    return hashBytes(key, sizeof key);
}

std::size_t std::hash<qelunits::Quantity>::operator()(const qelunits::Quantity& quantity) const noexcept {
    // What == compares: the dimension and the value in SI (0 for -0).
    struct Key {
        qelunits::Dimension dimension;
        double value;
    };
    const double si = qelunits::detail::siValue(quantity);
    const Key key{quantity.unit().exponents(), si == 0.0 ? 0.0 : si};
    return hashBytes(key, sizeof key);
}
