// qelunits::Quantity: conversion, arithmetic with the rules for temperature
// readings, comparison, and reading from text.

#include "api/value/ValueCore.h"
#include "parse/QuantityText.h"

#include <qelunits/Definitions.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qelunits {
namespace {

using R = Result<Quantity>;

// Why a reading on an offset scale does not take part: what it takes, and, in a product, the kelvin that
// multiplies (with the reading's value where there is one).
std::string pointReason(const Unit& scale, const Quantity* reading, bool product) {
    std::string text = "a reading on the " + scale.symbol() + " scale only takes or gives a difference (" +
                       scale.difference().symbol() + ")";
    double kelvin = 0.0;
    const Result<Unit> k = Unit::fromCode(QelUnit::kelvin);
    if (product && reading == nullptr) {
        text += "; an absolute temperature (K) multiplies";
    } else if (product && k && detail::numberInto(*reading, *k, kelvin) == ErrorKind::None) {
        text += "; as an absolute temperature, " + numberText(kelvin) + " K, it multiplies";
    }
    return text;
}

bool isProduct(const char* op) { return *op != '+' && *op != '-'; }

// Why a op b failed, for units alone (a plan for many values): what names the operands.
std::string explainUnits(ErrorKind kind, const std::string& what, const Unit& a, const char* op, const Unit& b) {
    switch (kind) {
    case ErrorKind::IncompatibleUnits:
        return planMessage(kind, a, b);
    case ErrorKind::TemperaturePoint:
        return what + ": " + pointReason(a.isTemperaturePoint() ? a : b, nullptr, isProduct(op));
    default:
        return what + ": the root of the unit has a fractional power";
    }
}

// Why a op b failed; b is a unit's number 1 for conversions.
std::string explain(ErrorKind kind, const Quantity& a, const char* op, const Quantity& b) {
    const std::string what = toString(a) + ' ' + op + ' ' + toString(b);
    switch (kind) {
    case ErrorKind::IncompatibleUnits:
        return planMessage(kind, a.unit(), b.unit());
    case ErrorKind::TemperaturePoint: {
        const Quantity& reading = a.unit().isTemperaturePoint() ? a : b;
        return what + ": " + pointReason(reading.unit(), &reading, isProduct(op));
    }
    case ErrorKind::BelowAbsoluteZero:
        return what + ": a temperature below absolute zero";
    case ErrorKind::FractionalPower:
        return what + ": the root of the unit has a fractional power";
    case ErrorKind::InvalidArgument:
        return what + ": the result is not a number";
    default:
        return what + ": the result is beyond the range of a double";
    }
}

// A result of finite operands that is not finite is out of range, or no number at all (the root of a negative
// value, 0 / 0); a reading below absolute zero is none.
ErrorKind check(double value, const Unit& unit, double x, double y) {
    if (!std::isfinite(value) && std::isfinite(x) && std::isfinite(y)) {
        return std::isnan(value) ? ErrorKind::InvalidArgument : ErrorKind::OutOfRange;
    }
    return unit.isTemperaturePoint() && belowAbsoluteZero(unit, value) ? ErrorKind::BelowAbsoluteZero : ErrorKind::None;
}

// A scale with an offset zero left alone in a product or power is a difference (readings never multiply);
// kelvin stays kelvin.
Unit alone(const Unit& unit) noexcept { return unit.isTemperaturePoint() ? UnitAccess::asDifference(unit) : unit; }

// A product's or quotient's result.
R product(double value, const Result<Unit>& unit, const Quantity& a, const char* op, const Quantity& b) {
    if (!unit) {
        return R::failureOf(unit);
    }
    const Unit result = alone(*unit);
    const ErrorKind kind = check(value, result, a.value(), b.value());
    return kind == ErrorKind::None ? R(Quantity(value, result)) : R(kind, explain(kind, a, op, b));
}

// Refuses a reading as an operand of op.
bool refused(const Quantity& a, const Quantity& b) {
    return a.unit().isTemperaturePoint() || b.unit().isTemperaturePoint();
}

} // namespace

#if QELUNITS_HAS_EXCEPTIONS
Quantity::Quantity(std::string_view text) : Quantity(parse(text).value()) {}
#endif

namespace {

// The terms of a quantity's text summed in the first one's unit, with what the sum adds to the digits of a
// conversion of it.
class TermSum final : public qelunits_detail::QuantityTermSink {
public:
    bool take(std::string_view text, const qelunits_detail::QuantityTerm& term) override {
        Quantity q(term.number, Unit());
        if (term.unitBegin != term.unitEnd) {
            const Result<Unit> unit = readUnitUtf8(text, term.unitBegin, term.unitEnd);
            if (!unit) {
                failure = R::failureOf(unit);
                return false;
            }
            q = Quantity(term.number, *unit);
        }
        const double magnitude = std::fabs(q.value() * q.unit().factor()); // coherent SI, as a difference
        if (count++ == 0) {
            read.quantity = q;
            magnitudes = magnitude;
            return true;
        }
        const Result<Quantity> sum = term.sign < 0.0 ? trySubtract(read.quantity, q) : tryAdd(read.quantity, q);
        if (!sum) {
            failure = R(sum.kind(), sum.message(), term.begin);
            return false;
        }
        spread += magnitude * detail::uncertaintyOf(q.unit(), sum->unit());
        magnitudes += magnitude;
        read.quantity = *sum;
        return true;
    }

    detail::QuantityRead finish() {
        if (count > 1) {
            const double sum = std::fabs(read.quantity.value() * read.quantity.unit().factor());
            read.uncertainty = spread == 0.0 ? 0.0
                               : sum != 0.0  ? spread / sum
                                             : std::numeric_limits<double>::infinity();
            read.rounding = sum == 0.0 ? 1.0 : magnitudes / sum;
        }
        return read;
    }

    R failure{ErrorKind::InvalidText, ""};

private:
    detail::QuantityRead read;
    std::size_t count = 0;
    double magnitudes = 0.0; // of the terms
    double spread = 0.0;     // of the terms, from their uncertainties
};

} // namespace

Result<Quantity> Quantity::parse(std::string_view text) {
    const Result<detail::QuantityRead> read = detail::readQuantity(text);
    return read ? R(read->quantity) : R::failureOf(read);
}

Result<Quantity> Quantity::parse(std::string_view text, const Definitions& definitions) {
    const Definitions::Scope scope(definitions);
    return parse(text);
}

namespace detail {

Result<QuantityRead> readQuantity(std::string_view text) {
    TermSum sum;
    qelunits_detail::QuantityTextFailure failure;
    if (qelunits_detail::readQuantityText(text, sum, failure)) {
        return Result<QuantityRead>(sum.finish());
    }
    return failure.kind != ErrorKind::None ? Result<QuantityRead>(failure.kind, failure.message, failure.position)
                                           : Result<QuantityRead>::failureOf(sum.failure);
}

} // namespace detail

namespace detail {

ErrorKind numberInto(const Quantity& q, const Unit& unit, double& out) noexcept {
    if (byFactor(q.unit(), unit)) {
        const double value = q.value() * ratio(q.unit(), unit);
        if (!std::isfinite(value) && std::isfinite(q.value())) {
            return ErrorKind::OutOfRange;
        }
        out = value;
        return ErrorKind::None;
    }
    Plan plan;
    const ErrorKind kind = makePlan(q.unit(), unit, plan);
    if (kind != ErrorKind::None) {
        return kind;
    }
    if (plan.readings && belowAbsoluteZero(q.unit(), q.value())) { // readings above 0 K only
        return ErrorKind::BelowAbsoluteZero;
    }
    const double value = plan.apply(q.value());
    if (!std::isfinite(value) && std::isfinite(q.value())) {
        return ErrorKind::OutOfRange;
    }
    out = value;
    return ErrorKind::None;
}

ErrorKind sumPlan(const Unit& a, const Unit& b, bool subtract, SumPlan& plan) noexcept {
    const bool aPoint = a.isTemperaturePoint();
    const bool bPoint = b.isTemperaturePoint();
    if (bPoint && !subtract && (aPoint || !a.isTemperatureDifference())) {
        return ErrorKind::TemperaturePoint; // readings do not add; a difference moves one
    }
    if (bPoint && subtract && !aPoint && !a.isAbsoluteTemperature()) {
        return ErrorKind::TemperaturePoint; // minus a reading means nothing but to an absolute temperature
    }
    if (bPoint && !aPoint && !subtract) { // a difference plus a reading moves the reading, in its unit
        plan = SumPlan{b.difference(), b, b};
    } else if (!aPoint) { // a reading taken from an absolute temperature converts as a reading
        plan = SumPlan{a, a, a};
    } else { // a difference or an absolute temperature moves a reading; reading − reading is a difference
        plan = bPoint ? SumPlan{a, a, a.difference()} : SumPlan{a, a.difference(), a};
    }
    Plan check;
    const ErrorKind kind = makePlan(b, plan.rhs, check);
    return kind != ErrorKind::None ? kind : makePlan(a, plan.lhs, check);
}

ErrorKind addInto(const Quantity& a, const Quantity& b, double sign, Quantity& out) noexcept {
    SumPlan plan;
    ErrorKind kind = sumPlan(a.unit(), b.unit(), sign < 0.0, plan);
    double x = 0.0;
    double y = 0.0;
    if (kind == ErrorKind::None) {
        kind = numberInto(a, plan.lhs, x);
    }
    if (kind == ErrorKind::None) {
        kind = numberInto(b, plan.rhs, y);
    }
    const double value = x + sign * y; // sign * y is exact: x - y has the same bits
    const ErrorKind checked = kind == ErrorKind::None ? check(value, plan.result, x, y) : kind;
    if (checked == ErrorKind::None) {
        out = Quantity(value, plan.result);
    }
    return checked;
}

} // namespace detail

Result<double> Quantity::tryIn(const Unit& unit) const {
    double value = 0.0;
    const ErrorKind kind = detail::numberInto(*this, unit, value);
    switch (kind) {
    case ErrorKind::None:
        return Result<double>(value);
    case ErrorKind::BelowAbsoluteZero:
        return Result<double>(kind, belowZeroMessage(mValue, mUnit));
    case ErrorKind::OutOfRange:
        return Result<double>(kind, explain(kind, *this, "in", Quantity(1.0, unit)));
    default:
        return Result<double>(kind, conversionMessage(kind, mUnit, unit));
    }
}

Result<Quantity> Quantity::tryTo(const Unit& unit) const {
    const Result<double> value = tryIn(unit);
    return value ? R(Quantity(*value, unit)) : R::failureOf(value);
}

Result<Quantity> Quantity::tryFromAbsoluteZero() const {
    if (!mUnit.isTemperaturePoint()) {
        return R(*this);
    }
    const Unit kelvin = Unit::fromCode(QelUnit::kelvin).value_or(Unit());
    const Result<double> absolute = tryIn(kelvin);
    if (!absolute) {
        return R::failureOf(absolute);
    }
    return Quantity(*absolute, kelvin.difference()).tryTo(mUnit.difference());
}

Result<Quantity> tryAdd(const Quantity& a, const Quantity& b) {
    Quantity out;
    const ErrorKind kind = detail::addInto(a, b, 1.0, out);
    return kind == ErrorKind::None ? R(out) : R(kind, explain(kind, a, "+", b));
}

Result<Quantity> trySubtract(const Quantity& a, const Quantity& b) {
    Quantity out;
    const ErrorKind kind = detail::addInto(a, b, -1.0, out);
    return kind == ErrorKind::None ? R(out) : R(kind, explain(kind, a, "-", b));
}

Result<Quantity> tryMultiply(const Quantity& a, const Quantity& b) {
    if (refused(a, b)) {
        return R(ErrorKind::TemperaturePoint, explain(ErrorKind::TemperaturePoint, a, "*", b));
    }
    return product(a.value() * b.value(), tryMultiply(a.unit(), b.unit()), a, "*", b);
}

Result<Quantity> tryDivide(const Quantity& a, const Quantity& b) {
    if (refused(a, b)) {
        return R(ErrorKind::TemperaturePoint, explain(ErrorKind::TemperaturePoint, a, "/", b));
    }
    return product(a.value() / b.value(), tryDivide(a.unit(), b.unit()), a, "/", b);
}

Result<Quantity> tryScale(const Quantity& a, double factor) { return tryMultiply(a, Quantity(factor, Unit())); }

Result<Quantity> tryPow(const Quantity& a, int n) {
    const Quantity power(n, Unit());
    if (n == 1 || refused(a, power)) {
        return n == 1 ? R(a) : R(ErrorKind::TemperaturePoint, explain(ErrorKind::TemperaturePoint, a, "^", power));
    }
    return product(std::pow(a.value(), static_cast<double>(n)), tryPow(a.unit(), n), a, "^", power);
}

Result<Quantity> tryPow(const Quantity& a, int numerator, int denominator) {
    const Quantity power(denominator == 0 ? 0.0 : static_cast<double>(numerator) / denominator, Unit());
    if (numerator != denominator && refused(a, power)) {
        return R(ErrorKind::TemperaturePoint, explain(ErrorKind::TemperaturePoint, a, "^", power));
    }
    const Result<Unit> unit = tryPow(a.unit(), numerator, denominator);
    if (!unit) {
        return unit.kind() == ErrorKind::FractionalPower
                   ? R(ErrorKind::FractionalPower, explain(ErrorKind::FractionalPower, a, "^", power))
                   : R::failureOf(unit);
    }
    // An even root of a negative value is no number; an odd one keeps the sign.
    const int den = denominator < 0 ? -denominator : denominator;
    const int num = denominator < 0 ? -numerator : numerator;
    const double v = a.value();
    const double root = den == 1                  ? v
                        : den == 2                ? std::sqrt(v)
                        : den == 3                ? std::cbrt(v)
                        : den % 2 == 1 && v < 0.0 ? -std::pow(-v, 1.0 / den)
                                                  : std::pow(v, 1.0 / den);
    return product(num == 1 ? root : std::pow(root, static_cast<double>(num)), unit, a, "^", power);
}

Result<Quantity> trySqrt(const Quantity& a) { return tryPow(a, 1, 2); }

namespace detail {
double siValue(const Quantity& q) noexcept { return UnitAccess::siValueOf(q.value(), q.unit()); }

ErrorKind comparable(const Quantity& a, const Quantity& b, double& x, double& y) noexcept {
    const Unit& ua = a.unit();
    const Unit& ub = b.unit();
    if (!ua.isCompatible(ub)) {
        return ErrorKind::IncompatibleUnits;
    }
    // Readings compare with readings and absolute temperatures only, all in kelvin.
    const bool readings = ua.isTemperaturePoint() || ub.isTemperaturePoint();
    if (readings && !((ua.isTemperaturePoint() || ua.isAbsoluteTemperature()) &&
                      (ub.isTemperaturePoint() || ub.isAbsoluteTemperature()))) {
        return ErrorKind::TemperaturePoint;
    }
    x = siValue(a);
    y = siValue(b);
    return ErrorKind::None;
}
} // namespace detail

Result<SumPlan> planSum(const Unit& a, const Unit& b, bool subtract) {
    SumPlan plan;
    const ErrorKind kind = detail::sumPlan(a, b, subtract, plan);
    const char* op = subtract ? "-" : "+";
    return kind == ErrorKind::None
               ? Result<SumPlan>(plan)
               : Result<SumPlan>(kind, explainUnits(kind, a.symbol() + ' ' + op + ' ' + b.symbol(), a, op, b));
}

Result<Unit> productUnit(const Unit& a, const Unit& b, bool divide) {
    const char* op = divide ? "/" : "*";
    if (a.isTemperaturePoint() || b.isTemperaturePoint()) {
        return Result<Unit>(
            ErrorKind::TemperaturePoint,
            explainUnits(ErrorKind::TemperaturePoint, a.symbol() + ' ' + op + ' ' + b.symbol(), a, op, b));
    }
    const Result<Unit> unit = divide ? tryDivide(a, b) : tryMultiply(a, b);
    return unit ? Result<Unit>(alone(*unit)) : unit;
}

Result<Unit> powerUnit(const Unit& a, int numerator, int denominator) {
    if (numerator == denominator && denominator != 0) {
        return Result<Unit>(a);
    }
    const std::string what =
        a.symbol() + " ^ " +
        (denominator == 1 ? std::to_string(numerator) : numberText(static_cast<double>(numerator) / denominator));
    if (a.isTemperaturePoint()) {
        return Result<Unit>(ErrorKind::TemperaturePoint, explainUnits(ErrorKind::TemperaturePoint, what, a, "^", a));
    }
    const Result<Unit> unit = tryPow(a, numerator, denominator);
    if (!unit) {
        return unit.kind() == ErrorKind::FractionalPower
                   ? Result<Unit>(unit.kind(), explainUnits(unit.kind(), what, a, "^", a))
                   : unit;
    }
    return Result<Unit>(alone(*unit));
}

Result<Unit> scaleUnit(const Unit& a, std::string_view operation) {
    return a.isTemperaturePoint()
               ? Result<Unit>(ErrorKind::TemperaturePoint,
                              explainUnits(ErrorKind::TemperaturePoint, std::string(operation) + '(' + a.symbol() + ')',
                                           a, "*", a))
               : Result<Unit>(a);
}

Result<int> tryCompare(const Quantity& a, const Quantity& b) {
    double x = 0.0;
    double y = 0.0;
    const ErrorKind kind = detail::comparable(a, b, x, y);
    if (kind != ErrorKind::None) {
        return Result<int>(kind, kind == ErrorKind::IncompatibleUnits ? planMessage(kind, a.unit(), b.unit())
                                                                      : conversionMessage(kind, a.unit(), b.unit()));
    }
    if (std::isnan(x) || std::isnan(y)) {
        return Result<int>(ErrorKind::InvalidNumber, "NaN is not ordered");
    }
    return Result<int>(x < y ? -1 : x > y ? 1 : 0);
}

bool operator==(const Quantity& a, const Quantity& b) {
    double x = 0.0;
    double y = 0.0;
    return detail::comparable(a, b, x, y) == ErrorKind::None && x == y;
}

bool approxEqual(const Quantity& a, const Quantity& b, double relativeTolerance) {
    double x = 0.0;
    double y = 0.0;
    return detail::comparable(a, b, x, y) == ErrorKind::None &&
           std::fabs(x - y) <= relativeTolerance * std::max(std::fabs(x), std::fabs(y));
}

} // namespace qelunits
