// Conversions between two Units, prepared once: a plain pair of catalogue units
// takes the direct table as the type's conversion does; everything else goes
// through QelUnitExpression itself, so that each path gives its bits.

#include "api/ValueCore.h"

#include "factors/DirectFactors.h"
#include "unittype/Conversion.h"

#include <charconv>

namespace qelunits {
namespace {

// A status of the type's conversion, taken into a plan of unscaled units.
ErrorKind takeStatus(QelUnit::ErrorStatus status, const ConversionFactor& factor, Plan& plan) {
    if (status == QelUnit::CustomConversion) {
        plan.kind = Plan::Kind::Function;
        plan.function = factor.customConversion;
        return ErrorKind::None;
    }
    if (status != QelUnit::Ok) {
        return ErrorKind::IncompatibleUnits;
    }
    plan.kind = factor.isIdentity ? Plan::Kind::Identity : Plan::Kind::Factor;
    plan.factor = factor.factor;
    return ErrorKind::None;
}

ErrorKind generalPlan(const Unit& from, const Unit& to, Plan& plan) {
    const QelUnitExpression a = from.expression();
    const QelUnitExpression b = to.expression();
    double factor = 1.0;
    const QelUnit::ErrorStatus status = a.GetConversionFactor(b, factor);
    if (status == QelUnit::CustomConversion) {
        // Only two temperature scales convert by a function, and their direct entry holds it.
        const qelunits_detail::DirectEntry& entry = qelunits_detail::findDirect(from.unit(0), to.unit(0));
        plan.kind = Plan::Kind::Function;
        plan.function = entry.function;
        plan.each = entry.each;
        plan.fromScale = from.scale();
        plan.toScale = to.scale();
        return ErrorKind::None;
    }
    if (status != QelUnit::Ok) {
        return ErrorKind::IncompatibleUnits;
    }
    // Convert multiplies by this same factor, but leaves an unscaled identity's value alone.
    const bool unscaled = from.scale() == 1.0 && to.scale() == 1.0;
    plan.kind = unscaled && factor == 1.0 ? Plan::Kind::Identity : Plan::Kind::Factor;
    plan.factor = factor;
    return ErrorKind::None;
}

} // namespace

ErrorKind makePlan(const Unit& from, const Unit& to, Plan& plan) {
    if (from.isTemperaturePoint() != to.isTemperaturePoint()) {
        return from.isCompatible(to) ? ErrorKind::TemperaturePoint : ErrorKind::IncompatibleUnits;
    }
    plan = Plan();
    if (UnitAccess::isPlain(from) && UnitAccess::isPlain(to)) {
        ConversionFactor factor;
        const QelUnit::ErrorStatus status =
            qelunits_detail::unitConversionFactor(from.unit(0), 1, to.unit(0), 1, factor);
        const ErrorKind kind = takeStatus(status, factor, plan);
        plan.each =
            plan.kind == Plan::Kind::Function ? qelunits_detail::findDirect(from.unit(0), to.unit(0)).each : nullptr;
        return kind;
    }
    return generalPlan(from, to, plan);
}

std::string planMessage(ErrorKind kind, const Unit& from, const Unit& to) {
    const std::string pair = from.symbol() + " and " + to.symbol();
    if (kind == ErrorKind::TemperaturePoint) {
        return "a temperature reading and a difference do not convert into each other: " + pair;
    }
    return "incompatible units: " + pair + " (" + from.dimension() + "; " + to.dimension() + ")";
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
