// qelunits::Unit: construction, algebra on the inline factor list, and texts.

#include "api/ValueCore.h"

#include "catalog/TypeTable.h"
#include "unittype/Dimensions.h"
#include "unittype/FactorList.h"
#include "unittype/UnitTypeAccess.h"

#include <qelunits/QelUnitsUtf8.h>

#include <cmath>
#include <cstdint>
#include <cstring>

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

// Exponents over the base dimensions.
struct Exponents {
    std::int64_t e[qelunits_detail::kBaseDimensionCount] = {};

    explicit Exponents(const Unit& unit) noexcept {
        for (std::size_t i = 0; i < unit.size(); ++i) {
            const auto& type = qelunits_detail::kTypeTable[qelunits_detail::kUnitTable[unit.unit(i)].type];
            for (int k = 0; k < qelunits_detail::kBaseDimensionCount; ++k) {
                e[k] += static_cast<std::int64_t>(type.baseExponents[k]) * unit.power(i);
            }
        }
    }
    bool matches(const qelunits_detail::TypeRecord& type) const noexcept {
        for (int k = 0; k < qelunits_detail::kBaseDimensionCount; ++k) {
            if (e[k] != type.baseExponents[k]) {
                return false;
            }
        }
        return true;
    }
};

std::string term(const Unit& unit, std::size_t i, int sign) {
    std::string text = singularName(unit.unit(i));
    const int power = unit.power(i) * sign;
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
    return Result<Unit>(difference ? asDifference(unit) : unit);
}

Unit UnitAccess::asDifference(Unit unit) noexcept {
    unit.mDifference = isLoneTemperature(unit);
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

bool Unit::isCompatible(const Unit& other) const noexcept {
    const Exponents a(*this);
    const Exponents b(other);
    return std::memcmp(a.e, b.e, sizeof a.e) == 0;
}

std::string Unit::symbol() const { return toString(expression()); }

std::string Unit::name() const {
    std::string above;
    std::string below;
    for (std::size_t i = 0; i < mCount; ++i) {
        std::string& side = mPowers[i] > 0 ? above : below;
        side += (side.empty() ? "" : " ") + term(*this, i, mPowers[i] > 0 ? 1 : -1);
    }
    std::string text = above.empty() && !below.empty() ? "1" : above;
    text += below.empty() ? "" : " per " + below;
    if (mScale != 1.0) {
        text = numberText(mScale) + (text.empty() ? "" : " " + text);
    }
    return mDifference ? "delta_" + text : text;
}

std::string Unit::dimension() const { return qelunits::dimension(expression().type()); }

QelUnit::BuiltinTypes Unit::dimensionType() const noexcept {
    const Exponents exponents(*this);
    for (const qelunits_detail::TypeRecord& type : qelunits_detail::kTypeTable) {
        if (exponents.matches(type)) {
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
    // As QelUnitExpression::pow raises the scale.
    const double s = a.scale();
    const double scale = s == 1.0 || n == 1 ? s : n == -1 ? 1.0 / s : std::pow(s, static_cast<double>(n));
    return UnitAccess::make(scale, list, a.size(), a.isTemperatureDifference() && n == 1);
}

bool operator==(const Unit& a, const Unit& b) noexcept {
    if (a.scale() != b.scale() || a.size() != b.size() || a.isTemperatureDifference() != b.isTemperatureDifference()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a.unit(i) != b.unit(i) || a.power(i) != b.power(i)) {
            return false;
        }
    }
    return true;
}

} // namespace qelunits

namespace {
std::size_t mix(std::size_t seed, std::uint64_t value) noexcept {
    return seed ^ (static_cast<std::size_t>(value) + 0x9e3779b97f4a7c15ULL + (seed << 6U) + (seed >> 2U));
}
} // namespace

std::size_t std::hash<qelunits::Unit>::operator()(const qelunits::Unit& unit) const noexcept {
    // +0.0 and -0.0 never occur: scales are positive.
    std::uint64_t bits = 0;
    const double scale = unit.scale();
    std::memcpy(&bits, &scale, sizeof bits);
    std::size_t seed = mix(unit.isTemperatureDifference() ? 1U : 0U, bits);
    for (std::size_t i = 0; i < unit.size(); ++i) {
        seed = mix(seed, static_cast<std::uint64_t>(unit.unit(i)) << 16U ^ static_cast<std::uint16_t>(unit.power(i)));
    }
    return seed;
}

std::size_t std::hash<qelunits::Quantity>::operator()(const qelunits::Quantity& quantity) const noexcept {
    const qelunits::Unit& unit = quantity.unit();
    qelunits_detail::DimensionKey key{};
    for (std::size_t i = 0; i < unit.size(); ++i) {
        key.addTimes(qelunits_detail::kDimensions.unit[unit.unit(i)].key, unit.power(i));
    }
    return mix(mix(unit.isTemperaturePoint() ? 1U : 0U, key.word[0]), key.word[1]);
}
