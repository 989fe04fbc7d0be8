// qelunits::Quantity: conversion, arithmetic with the rules for temperature
// readings, comparison, and reading from text.

#include "api/ValueCore.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace qelunits {
namespace {

using R = Result<Quantity>;

constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

R pointMisuse(const char* what, const Quantity& a) {
    return R(ErrorKind::TemperaturePoint, std::string(what) + ": " + toString(a) +
                                              " is a temperature reading; write a difference as Δ" + a.unit().symbol() +
                                              " or use fromAbsoluteZero()");
}

// A result of finite operands that is not finite is out of range.
R finished(double value, const Unit& unit, double x, double y) {
    if (!std::isfinite(value) && std::isfinite(x) && std::isfinite(y)) {
        return R(ErrorKind::OutOfRange, "the result is beyond the range of a double");
    }
    if (belowAbsoluteZero(unit, value)) {
        return R(ErrorKind::BelowAbsoluteZero, belowZeroMessage(value, unit));
    }
    return R(Quantity(value, unit));
}

// A product's or quotient's unit: a temperature left alone there is a difference, as readings never multiply.
R product(double value, const Result<Unit>& unit, double x, double y) {
    if (!unit) {
        return R::failureOf(unit);
    }
    return finished(value, UnitAccess::asDifference(*unit), x, y);
}

// Reads the unit text after a number; a failure counts positions from the start of text.
Result<Unit> unitAfter(std::string_view text, std::size_t unitStart) {
    Result<Unit> unit = Unit::parse(text.substr(unitStart));
    if (!unit) {
        // The number is ASCII, so blanking it keeps every later position as the parser counts it.
        std::string blanked(text);
        blanked.replace(0, unitStart, unitStart, ' ');
        unit = Unit::parse(blanked);
    }
    return unit;
}

} // namespace

#if QELUNITS_HAS_EXCEPTIONS
Quantity::Quantity(std::string_view text) : Quantity(parse(text).value()) {}
#endif

Result<Quantity> Quantity::parse(std::string_view text) {
    const std::size_t start =
        static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), isBlank) - text.begin());
    const bool plus = start + 1 < text.size() && text[start] == '+' && text[start + 1] != '-';
    double value = 0.0;
    const char* end = text.data() + text.size();
    const std::from_chars_result number = std::from_chars(text.data() + start + (plus ? 1 : 0), end, value);
    if (number.ec == std::errc::result_out_of_range) {
        return R(ErrorKind::OutOfRange, "number out of the range of a double at " + std::to_string(start), start);
    }
    if (number.ec != std::errc() || !std::isfinite(value)) {
        return R(ErrorKind::InvalidNumber, "expected a finite number at " + std::to_string(start), start);
    }
    if (std::all_of(number.ptr, end, isBlank)) {
        return R(Quantity(value, Unit()));
    }
    const Result<Unit> unit = unitAfter(text, static_cast<std::size_t>(number.ptr - text.data()));
    return unit ? R(Quantity(value, *unit)) : R::failureOf(unit);
}

Result<double> Quantity::tryIn(const Unit& unit) const {
    Plan plan;
    const ErrorKind kind = makePlan(mUnit, unit, plan);
    if (kind != ErrorKind::None) {
        return Result<double>(kind, planMessage(kind, mUnit, unit));
    }
    if (plan.kind == Plan::Kind::Function && belowAbsoluteZero(mUnit, mValue)) {
        return Result<double>(ErrorKind::BelowAbsoluteZero, belowZeroMessage(mValue, mUnit));
    }
    const double value = plan.apply(mValue);
    if (!std::isfinite(value) && std::isfinite(mValue)) {
        return Result<double>(ErrorKind::OutOfRange, "the result is beyond the range of a double");
    }
    return Result<double>(value);
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
    const bool aPoint = a.unit().isTemperaturePoint();
    const bool bPoint = b.unit().isTemperaturePoint();
    if (aPoint && bPoint) {
        return pointMisuse("two temperature readings do not add", a);
    }
    if (bPoint) { // a difference plus a reading: the reading moved, in its unit
        return tryAdd(b, a);
    }
    const Result<double> x = b.tryIn(aPoint ? a.unit().difference() : a.unit());
    return x ? finished(a.value() + *x, a.unit(), a.value(), *x) : R::failureOf(x);
}

Result<Quantity> trySubtract(const Quantity& a, const Quantity& b) {
    const bool aPoint = a.unit().isTemperaturePoint();
    const bool bPoint = b.unit().isTemperaturePoint();
    if (bPoint && !aPoint) {
        return pointMisuse("a temperature reading is not subtracted from a difference", b);
    }
    // Reading − reading converts as readings and is a difference; reading − difference stays a reading.
    const Result<double> x = b.tryIn(aPoint && !bPoint ? a.unit().difference() : a.unit());
    if (!x) {
        return R::failureOf(x);
    }
    const Unit unit = aPoint && bPoint ? a.unit().difference() : a.unit();
    return finished(a.value() - *x, unit, a.value(), *x);
}

Result<Quantity> tryMultiply(const Quantity& a, const Quantity& b) {
    if (a.unit().isTemperaturePoint() || b.unit().isTemperaturePoint()) {
        return pointMisuse("a temperature reading does not multiply", a.unit().isTemperaturePoint() ? a : b);
    }
    return product(a.value() * b.value(), tryMultiply(a.unit(), b.unit()), a.value(), b.value());
}

Result<Quantity> tryDivide(const Quantity& a, const Quantity& b) {
    if (a.unit().isTemperaturePoint() || b.unit().isTemperaturePoint()) {
        return pointMisuse("a temperature reading does not divide", a.unit().isTemperaturePoint() ? a : b);
    }
    return product(a.value() / b.value(), tryDivide(a.unit(), b.unit()), a.value(), b.value());
}

Result<Quantity> tryScale(const Quantity& a, double factor) {
    if (a.unit().isTemperaturePoint()) {
        return pointMisuse("a temperature reading does not scale", a);
    }
    return finished(a.value() * factor, a.unit(), a.value(), factor);
}

Result<Quantity> tryPow(const Quantity& a, int n) {
    if (n == 1) {
        return R(a);
    }
    if (a.unit().isTemperaturePoint()) {
        return pointMisuse("a temperature reading is not raised to a power", a);
    }
    return product(std::pow(a.value(), static_cast<double>(n)), tryPow(a.unit(), n), a.value(), 1.0);
}

Result<Quantity> trySqrt(const Quantity& a) {
    if (a.unit().isTemperaturePoint()) {
        return pointMisuse("a temperature reading has no square root", a);
    }
    const Unit& unit = a.unit();
    QelUnitFactor halves[Unit::kMaxFactors];
    for (std::size_t i = 0; i < unit.size(); ++i) {
        if (unit.power(i) % 2 != 0) {
            return R(ErrorKind::FractionalPower, "the square root of " + unit.symbol() + " has a fractional power");
        }
        halves[i] = QelUnitFactor{unit.unit(i), unit.power(i) / 2};
    }
    const Result<Unit> root = UnitAccess::make(std::sqrt(unit.scale()), halves, unit.size(), false);
    return product(std::sqrt(a.value()), root, a.value(), 1.0);
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
