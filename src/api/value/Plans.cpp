// Conversions between two Units, prepared once: the ratio of their factors, or
// between temperature readings of two scales the function of the scales.

#include "api/value/ContextHint.h"
#include "api/value/ValueCore.h"

#include "factors/DirectFactors.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace qelunits {
namespace {

// Two dimensions that differ in the power of the angle alone: from's power less to's.
bool apartByAngle(const Unit& from, const Unit& to, int& angle) {
    const Dimension& a = from.exponents();
    const Dimension& b = to.exponents();
    for (std::size_t k = 0; k < Dimension::kCount; ++k) {
        if (k != Dimension::Angle && a[k] != b[k]) {
            return false;
        }
    }
    angle = a[Dimension::Angle] - b[Dimension::Angle];
    return angle != 0;
}

// A rate of cycles (Hz, rpm, 1/s) and a rate of angle (rad/s, °/s) convert as 2π rad a cycle: from's power of
// the angle is 1 more (-1) or 1 less (1) than to's, and the rest is 1/s.
bool cyclesAndAngle(const Unit& from, const Unit& to, int& angle) {
    if (!apartByAngle(from, to, angle) || (angle != 1 && angle != -1)) {
        return false;
    }
    const Dimension& a = from.exponents();
    for (std::size_t k = 0; k < Dimension::kCount; ++k) {
        if (k != Dimension::Angle && a[k] != (k == Dimension::Time ? -1 : 0)) {
            return false;
        }
    }
    return true;
}

} // namespace

ErrorKind makePlan(const Unit& from, const Unit& to, Plan& plan) {
    int angle = 0;
    if (!from.isTemperaturePoint() && !to.isTemperaturePoint() && cyclesAndAngle(from, to, angle)) {
        plan = Plan();
        plan.kind = Plan::Kind::Factor;
        // One cycle is 2π rad: rad/s to Hz divides by 2π, Hz to rad/s multiplies.
        plan.factor = angle > 0 ? detail::ratio(from, to) / (2.0 * 3.141592653589793)
                                : detail::ratio(from, to) * (2.0 * 3.141592653589793);
        return ErrorKind::None;
    }
    if (!from.isCompatible(to)) {
        return ErrorKind::IncompatibleUnits;
    }
    // A reading on an offset scale converts to readings and to absolute temperatures, and only to them.
    const bool readings = from.isTemperaturePoint() || to.isTemperaturePoint();
    if (readings && !((from.isTemperaturePoint() || from.isAbsoluteTemperature()) &&
                      (to.isTemperaturePoint() || to.isAbsoluteTemperature()))) {
        return ErrorKind::TemperaturePoint;
    }
    plan = Plan();
    plan.readings = readings;
    if (readings) {
        // Readings of two scales convert by the function of their direct entry: the scales' definitions.
        const qelunits_detail::DirectEntry& entry = qelunits_detail::findDirect(from.unit(0), to.unit(0));
        if (entry.kind == qelunits_detail::DirectKind::Function) {
            plan.kind = Plan::Kind::Function;
            plan.function = entry.function;
            plan.each = entry.each;
            plan.eachBelow = entry.eachBelow;
            plan.fromScale = from.scale();
            plan.toScale = to.scale();
            return ErrorKind::None;
        }
    }
    // Readings of one scale share their zero, so they too convert by the ratio of the factors.
    plan.factor = detail::ratio(from, to);
    plan.kind = plan.factor == 1.0 ? Plan::Kind::Identity : Plan::Kind::Factor;
    return ErrorKind::None;
}

std::string planMessage(ErrorKind kind, const Unit& from, const Unit& to) {
    const std::string pair = from.symbol() + " and " + to.symbol();
    if (kind == ErrorKind::TemperaturePoint) {
        // The target of the other kind is what the caller most likely meant.
        const Unit other = to.isTemperatureDifference() ? UnitAccess::asReading(to) : to.difference();
        return "a temperature reading and a difference do not convert into each other: " + pair + " (" + from.symbol() +
               " converts to " + other.symbol() + ")";
    }
    int angle = 0;
    return "incompatible units: " + pair + " (" + from.dimension() + "; " + to.dimension() + ")" +
           (apartByAngle(from, to, angle) ? ": an angle is a dimension of its own; only a rate of cycles (Hz, rpm) "
                                            "and one of angle (rad/s) convert, as 2π rad a cycle"
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
           (reciprocal ? ": the dimensions are reciprocal, which convert only when asked" : "") +
           contextHint(kind, from, to);
}

bool belowAbsoluteZero(const Unit& unit, double value) {
    // The margin absorbs the rounding of the scales' zeros: -459.67 °F comes to 0 K only up to it.
    constexpr double kMargin = -1e-9;
    return (unit.isTemperaturePoint() || unit.isAbsoluteTemperature()) &&
           value * unit.factor() + unit.offset() < kMargin;
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
