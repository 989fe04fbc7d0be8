// Conversions between two Units, prepared once: a plain pair of catalogue units
// takes the direct table as the type's conversion does; everything else goes
// through QelUnitExpression itself, so that each path gives its bits.

#include "api/ValueCore.h"

#include "catalog/TypeTable.h"
#include "factors/DirectFactors.h"
#include "unittype/Conversion.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace qelunits {
namespace {

// A status of the type's conversion between plain units other than two temperature scales.
ErrorKind takeStatus(QelUnit::ErrorStatus status, const ConversionFactor& factor, Plan& plan) {
    if (status != QelUnit::Ok) {
        return ErrorKind::IncompatibleUnits;
    }
    plan.kind = factor.isIdentity ? Plan::Kind::Identity : Plan::Kind::Factor;
    plan.factor = factor.factor;
    return ErrorKind::None;
}

// The function of two temperature scales, from their direct entry.
ErrorKind takeFunction(const qelunits_detail::DirectEntry& entry, Plan& plan) {
    plan.kind = Plan::Kind::Function;
    plan.function = entry.function;
    plan.each = entry.each;
    plan.eachBelow = entry.eachBelow;
    return ErrorKind::None;
}

ErrorKind generalPlan(const Unit& from, const Unit& to, Plan& plan) {
    const QelUnitExpression a = from.expression();
    const QelUnitExpression b = to.expression();
    double factor = 1.0;
    const QelUnit::ErrorStatus status = a.GetConversionFactor(b, factor);
    if (status == QelUnit::CustomConversion) {
        // Only two temperature scales convert by a function, and their direct entry holds it.
        plan.fromScale = from.scale();
        plan.toScale = to.scale();
        return takeFunction(qelunits_detail::findDirect(from.unit(0), to.unit(0)), plan);
    }
    if (status != QelUnit::Ok) {
        return ErrorKind::IncompatibleUnits;
    }
    // Convert multiplies by this same factor (an unscaled identity's 1 leaves the value as it is).
    plan.kind = Plan::Kind::Factor;
    plan.factor = factor;
    return ErrorKind::None;
}

// The powers of the base dimensions below the angles, with the catalogue's frequency counted as 1/s, and the
// power of frequency itself.
struct FrequencyAsTime {
    std::array<std::int64_t, QelUnit::radian> powers{};
    std::int64_t frequency = 0;
};

FrequencyAsTime frequencyAsTime(const Unit& unit) {
    constexpr QelUnit::BuiltinUnits frequency =
        qelunits_detail::kBaseDimensions[qelunits_detail::kBaseDimensionCount - 1].unit;
    QelUnitType reduced;
    ConversionFactor factor;
    unit.expression().type().GetMetricConversion(reduced, factor);
    FrequencyAsTime out;
    for (const QelUnitFactor& f : reduced) {
        if (f.unit == frequency) {
            out.powers[static_cast<std::size_t>(QelUnit::second)] -= f.power;
            out.frequency += f.power;
        } else if (f.unit < QelUnit::radian) {
            out.powers[static_cast<std::size_t>(f.unit)] += f.power;
        }
    }
    return out;
}

// Hz and 1/s, rpm and rad/s: the catalogue keeps frequency apart, where other readers take 1/s.
bool apartByFrequency(const Unit& from, const Unit& to) {
    const FrequencyAsTime a = frequencyAsTime(from);
    const FrequencyAsTime b = frequencyAsTime(to);
    return a.frequency != b.frequency && a.powers == b.powers;
}

} // namespace

ErrorKind makePlan(const Unit& from, const Unit& to, Plan& plan) {
    if (from.isTemperaturePoint() != to.isTemperaturePoint()) {
        return from.isCompatible(to) ? ErrorKind::TemperaturePoint : ErrorKind::IncompatibleUnits;
    }
    plan = Plan();
    if (UnitAccess::isPlain(from) && UnitAccess::isPlain(to)) {
        // Two temperature scales convert by the function of their direct entry, as the type's conversion does.
        const qelunits_detail::DirectEntry& entry = qelunits_detail::findDirect(from.unit(0), to.unit(0));
        if (entry.kind == qelunits_detail::DirectKind::Function) {
            return takeFunction(entry, plan);
        }
        ConversionFactor factor;
        return takeStatus(qelunits_detail::unitConversionFactor(from.unit(0), 1, to.unit(0), 1, factor), factor, plan);
    }
    return generalPlan(from, to, plan);
}

std::string planMessage(ErrorKind kind, const Unit& from, const Unit& to) {
    const std::string pair = from.symbol() + " and " + to.symbol();
    if (kind == ErrorKind::TemperaturePoint) {
        // The target of the other kind is what the caller most likely meant.
        const QelUnitExpression target = to.expression();
        const Result<Unit> other =
            Unit::fromExpression(QelUnitExpression(target.scale(), target.type(), !target.isTemperatureDifference()));
        return "a temperature reading and a difference do not convert into each other: " + pair +
               (other ? " (" + from.symbol() + " converts to " + other->symbol() + ")" : "");
    }
    return "incompatible units: " + pair + " (" + from.dimension() + "; " + to.dimension() + ")" +
           (apartByFrequency(from, to) ? ": a frequency (Hz, rpm) is a dimension of its own, apart from 1/s and rad/s"
                                       : "");
}

ErrorKind reciprocalPlan(const Unit& from, const Unit& to, Plan& plan) {
    const Result<Unit> inverse = tryPow(to, -1);
    const ErrorKind kind = inverse ? makePlan(from, *inverse, plan) : ErrorKind::IncompatibleUnits;
    return plan.kind == Plan::Kind::Function ? ErrorKind::IncompatibleUnits : kind; // a function has no reciprocal
}

std::string conversionMessage(ErrorKind kind, const Unit& from, const Unit& to) {
    Plan plan;
    const bool reciprocal = kind == ErrorKind::IncompatibleUnits && reciprocalPlan(from, to, plan) == ErrorKind::None;
    return planMessage(kind, from, to) +
           (reciprocal ? ": the dimensions are reciprocal, which convert only when asked" : "");
}

bool belowAbsoluteZero(const Unit& unit, double value) {
    return unit.isTemperaturePoint() && unit.expression().isBelowAbsoluteZero(value);
}

std::string belowZeroMessage(double value, const Unit& unit) {
    return numberText(value) + ' ' + unit.symbol() + " is below absolute zero";
}

std::string numberText(double value) {
    char number[32];
    const std::to_chars_result written = std::to_chars(number, number + sizeof number, value);
    return std::string(number, written.ptr);
}

} // namespace qelunits
