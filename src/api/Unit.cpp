// qelunits::Unit: construction, algebra on the inline factor list, and texts.

#include "api/ValueCore.h"

#include "catalog/DefinedFactor.h"
#include "catalog/TypeTable.h"
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
    std::string text = singularName(unit.unit(i));
    const int power = inverted ? -unit.power(i) : unit.power(i);
    return power == 1 ? text : text + '^' + std::to_string(power);
}

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
            !qelunits_detail::isStorableUnit(f.unit)) {
            return Result<Unit>(ErrorKind::OutOfRange, tooLarge("the unit is too large"));
        }
        unit.mUnits[unit.mCount] = static_cast<std::uint16_t>(f.unit);
        unit.mPowers[unit.mCount] = static_cast<std::int16_t>(f.power);
        ++unit.mCount;
    }
    unit.mTemperature = unit.mCount == 1 && unit.mPowers[0] == 1 &&
                        qelunits_detail::kUnitTable[unit.mUnits[0]].type == QelUnit::Temperature;
    unit.mDifference = difference && unit.mTemperature;
    return derive(unit);
}

Result<Unit> UnitAccess::derive(Unit& unit) {
    // Exponents summed wide, then checked, so that no power of a unit wraps a lane.
    std::int32_t exponents[Dimension::kCount] = {};
    QelUnitFactor units[Unit::kMaxFactors];
    for (std::size_t i = 0; i < unit.mCount; ++i) {
        units[i] = QelUnitFactor{unit.unit(i), unit.mPowers[i]};
        const auto& type = qelunits_detail::kTypeTable[qelunits_detail::kUnitTable[unit.mUnits[i]].type];
        for (int k = 0; k < qelunits_detail::kBaseDimensionCount; ++k) {
            exponents[k] += type.baseExponents[k] * unit.mPowers[i];
        }
    }
    for (std::size_t k = 0; k < Dimension::kCount; ++k) {
        if (exponents[k] > Dimension::kMaxExponent || exponents[k] < -Dimension::kMaxExponent) {
            return Result<Unit>(ErrorKind::OutOfRange,
                                "the unit's dimension has a power beyond " + std::to_string(Dimension::kMaxExponent));
        }
        unit.mDimension.mExponents[k] = static_cast<std::int8_t>(exponents[k]);
    }
    // From the units' definitions in ascending code order, so that equal units get equal bits.
    const qelunits_detail::DefinedFactor defined = qelunits_detail::definedFactor(unit.mScale, units, unit.mCount);
    if (!(defined.factor > 0.0) || !std::isfinite(defined.factor)) {
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

Unit UnitAccess::asReading(Unit unit) noexcept {
    unit.mDifference = false;
    return unit;
}

#if QELUNITS_HAS_EXCEPTIONS
Unit::Unit(std::string_view text) : Unit(parse(text).value()) {}

Unit::Unit(QelUnit::BuiltinUnits unit, int power) : Unit(fromCode(unit, power).value()) {}
#endif

Result<Unit> Unit::parse(std::string_view text) {
    const QelUnitParseResult parsed = QelUnitParser::parseExpressionUtf8(text);
    if (!parsed) {
        return parseFailure<Unit>(parsed);
    }
    return fromExpression(parsed.expression());
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
    QelUnitFactor factors[kMaxFactors];
    for (std::size_t i = 0; i < mCount; ++i) {
        factors[i] = QelUnitFactor{unit(i), mPowers[i]};
    }
    QelUnitType type;
    qelunits_detail::UnitTypeAccess{type}.assign(factors, mCount); // ascending already; inline storage holds 7
    return QelUnitExpression(mScale, type, mDifference);
}

Unit Unit::difference() const noexcept { return UnitAccess::asDifference(*this); }

bool Unit::isCompatible(const Unit& other) const noexcept { return mDimension == other.mDimension; }

double Unit::offset() const noexcept {
    return isTemperaturePoint() ? qelunits_detail::kUnitTable[mUnits[0]].zero : 0.0;
}

double Unit::uncertainty() const noexcept {
    QelUnitFactor units[kMaxFactors];
    for (std::size_t i = 0; i < mCount; ++i) {
        units[i] = QelUnitFactor{unit(i), mPowers[i]};
    }
    return qelunits_detail::definedUncertainty(units, mCount);
}

std::string Unit::symbol() const { return toString(expression()); }

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
        bool same = true;
        for (std::size_t k = 0; k < Dimension::kCount; ++k) {
            const int e = k < qelunits_detail::kBaseDimensionCount ? type.baseExponents[k] : 0;
            same = same && mDimension[k] == e;
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

bool operator==(const Unit& a, const Unit& b) noexcept {
    // Places past the count hold zeros in every unit, so the whole arrays compare.
    return a.mScale == b.mScale && a.mCount == b.mCount && a.mDifference == b.mDifference &&
           std::memcmp(a.mUnits, b.mUnits, sizeof a.mUnits) == 0 &&
           std::memcmp(a.mPowers, b.mPowers, sizeof a.mPowers) == 0;
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
    return hashBytes(unit, qelunits::UnitAccess::kHashedBytes);
}

std::size_t std::hash<qelunits::Quantity>::operator()(const qelunits::Quantity& quantity) const noexcept {
    const qelunits::Unit& unit = quantity.unit();
    qelunits_detail::DimensionKey key{};
    for (std::size_t i = 0; i < unit.size(); ++i) {
        key.addTimes(qelunits_detail::kDimensions.unit[unit.unit(i)].key, unit.power(i));
    }
    key.word[0] ^= unit.isTemperaturePoint() ? 1U : 0U; // the lowest lane holds mass, never 1 for a reading
    return hashBytes(key, sizeof key);
}
