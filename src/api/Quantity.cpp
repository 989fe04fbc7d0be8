// qelunits::Quantity: conversion, arithmetic with the rules for temperature
// readings, comparison, and reading from text.

#include "api/ValueCore.h"
#include "parse/ReadUtf8.h"

#include <algorithm>
#include <cmath>

namespace qelunits {
namespace {

using R = Result<Quantity>;

constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Why a op b failed; b is a unit's number 1 for conversions.
std::string explain(ErrorKind kind, const Quantity& a, const char* op, const Quantity& b) {
    const std::string what = toString(a) + ' ' + op + ' ' + toString(b);
    switch (kind) {
    case ErrorKind::IncompatibleUnits:
        return planMessage(kind, a.unit(), b.unit());
    case ErrorKind::TemperaturePoint:
        return what + ": a temperature reading only takes or gives a difference (Δ" +
               (a.unit().isTemperaturePoint() ? a : b).unit().symbol() + "); fromAbsoluteZero() multiplies";
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

// A product's or quotient's result: a temperature left alone there is a difference, as readings never multiply.
R product(double value, const Result<Unit>& unit, const Quantity& a, const char* op, const Quantity& b) {
    if (!unit) {
        return R::failureOf(unit);
    }
    const Unit result = UnitAccess::asDifference(*unit);
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

Result<Quantity> Quantity::parse(std::string_view text) {
    std::size_t i = static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), isBlank) - text.begin());
    const std::size_t start = i;
    double value = 0.0;
    const NumberRead number = readNumber(text, i, text.size(), value);
    if (number == NumberRead::OutOfRange) {
        return R(ErrorKind::OutOfRange, "number out of the range of a double at " + std::to_string(start), start);
    }
    if (number != NumberRead::Read) {
        return R(ErrorKind::InvalidNumber, "expected a finite number at " + std::to_string(start), start);
    }
    if (std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(), isBlank)) {
        return R(Quantity(value, Unit()));
    }
    const Result<Unit> unit = readUnitUtf8(text, i, text.size());
    return unit ? R(Quantity(value, *unit)) : R::failureOf(unit);
}

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
    if (q.unit().isTemperaturePoint() && belowAbsoluteZero(q.unit(), q.value())) { // readings above 0 K only
        return ErrorKind::BelowAbsoluteZero;
    }
    const double value = plan.apply(q.value());
    if (!std::isfinite(value) && std::isfinite(q.value())) {
        return ErrorKind::OutOfRange;
    }
    out = value;
    return ErrorKind::None;
}

ErrorKind addInto(const Quantity& a, const Quantity& b, double sign, Quantity& out) noexcept {
    const bool aPoint = a.unit().isTemperaturePoint();
    const bool bPoint = b.unit().isTemperaturePoint();
    if (aPoint && bPoint && sign > 0) {
        return ErrorKind::TemperaturePoint; // readings do not add
    }
    if (bPoint && !aPoint) { // a difference plus a reading moves the reading; minus it means nothing
        return sign > 0 ? addInto(b, a, sign, out) : ErrorKind::TemperaturePoint;
    }
    double x = 0.0;
    if (!aPoint) { // without copying a unit
        const ErrorKind kind = numberInto(b, a.unit(), x);
        const double value = a.value() + sign * x; // sign * x is exact: a - x has the same bits
        const ErrorKind checked = kind == ErrorKind::None ? check(value, a.unit(), a.value(), x) : kind;
        if (checked == ErrorKind::None) {
            out = Quantity(value, a.unit());
        }
        return checked;
    }
    // A difference moves a reading; reading − reading converts as readings and is a difference.
    const Unit difference = a.unit().difference();
    const ErrorKind kind = numberInto(b, bPoint ? a.unit() : difference, x);
    const double value = a.value() + sign * x;
    const Unit& unit = bPoint ? difference : a.unit();
    const ErrorKind checked = kind == ErrorKind::None ? check(value, unit, a.value(), x) : kind;
    if (checked == ErrorKind::None) {
        out = Quantity(value, unit);
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

Result<Quantity> trySqrt(const Quantity& a) {
    const Quantity half(0.5, Unit());
    if (refused(a, half)) {
        return R(ErrorKind::TemperaturePoint, explain(ErrorKind::TemperaturePoint, a, "^", half));
    }
    const Unit& unit = a.unit();
    QelUnitFactor halves[Unit::kMaxFactors];
    for (std::size_t i = 0; i < unit.size(); ++i) {
        if (unit.power(i) % 2 != 0) {
            return R(ErrorKind::FractionalPower, explain(ErrorKind::FractionalPower, a, "^", half));
        }
        halves[i] = QelUnitFactor{unit.unit(i), unit.power(i) / 2};
    }
    const Result<Unit> root = UnitAccess::make(std::sqrt(unit.scale()), halves, unit.size(), false);
    return product(std::sqrt(a.value()), root, a, "^", half);
}

Result<int> tryCompare(const Quantity& a, const Quantity& b) {
    const Result<double> x = b.tryIn(a.unit());
    if (!x) {
        return Result<int>::failureOf(x);
    }
    if (std::isnan(a.value()) || std::isnan(*x)) {
        return Result<int>(ErrorKind::InvalidNumber, "NaN is not ordered");
    }
    return Result<int>(a.value() < *x ? -1 : a.value() > *x ? 1 : 0);
}

bool operator==(const Quantity& a, const Quantity& b) {
    const Result<double> x = b.tryIn(a.unit());
    return x && a.value() == *x;
}

bool approxEqual(const Quantity& a, const Quantity& b, double relativeTolerance) {
    const Result<double> x = b.tryIn(a.unit());
    return x && std::fabs(a.value() - *x) <= relativeTolerance * std::max(std::fabs(a.value()), std::fabs(*x));
}

} // namespace qelunits
