// The seam between the module and the library: today the expression layer and
// the reader; the value API's Unit, Quantity and Converter answer the same
// questions once they are there.

#include "Core.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitsUtf8.h>

#include <charconv>
#include <cmath>
#include <system_error>

namespace qelpy {
namespace {

constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

Kind kindOf(QelUnitParseResult::Error error) {
    using E = QelUnitParseResult::Error;
    switch (error) {
    case E::UnknownUnit:
        return Kind::UnknownUnit;
    case E::AmbiguousCase:
        return Kind::Ambiguous;
    case E::RefusedUnit:
        return Kind::Refused;
    case E::NumberOutOfRange:
    case E::PowerOutOfRange:
        return Kind::OutOfRange;
    default:
        return Kind::Syntax;
    }
}

bool fail(Failure& failure, Kind kind, std::string message, long position = -1) {
    failure.kind = kind;
    failure.message = std::move(message);
    failure.position = position;
    return false;
}

bool fromParsed(const QelUnitParseResult& parsed, Unit& unit, Failure& failure) {
    if (!parsed) {
        return fail(failure, kindOf(parsed.error()), qelunits::toUtf8(parsed.message()),
                    static_cast<long>(parsed.position()));
    }
    unit = parsed.expression();
    return true;
}

bool incompatible(const Unit& a, const Unit& b, Failure& failure) {
    return fail(failure, Kind::Incompatible,
                "cannot convert " + symbol(a) + " to " + symbol(b) + ": " + dimension(a) + " is not " + dimension(b));
}

bool pointMisused(const char* what, Failure& failure) { return fail(failure, Kind::TemperaturePoint, what); }

// The same temperature unit as a difference ("°C" gives "Δ°C").
Unit differenceOf(const Unit& point) { return Unit(point.scale(), point.type(), true); }

std::string powerText(std::string text, int power) {
    if (power != 1) {
        text += '^' + std::to_string(power);
    }
    return text;
}

} // namespace

bool parseUnit(std::string_view text, Unit& unit, Failure& failure) {
    return fromParsed(QelUnitParser::parseExpressionUtf8(text), unit, failure);
}

bool parseQuantity(std::string_view text, double& value, Unit& unit, std::string_view& unitText, Failure& failure) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    const auto numberAt = static_cast<long>(start);
    if (start + 1 < text.size() && text[start] == '+' && text[start + 1] != '-') {
        ++start; // from_chars takes no plus sign
    }
    const char* end = text.data() + text.size();
    const std::from_chars_result number = std::from_chars(text.data() + start, end, value);
    if (number.ec == std::errc::result_out_of_range) {
        return fail(failure, Kind::OutOfRange, "number out of the range of a double at " + std::to_string(numberAt),
                    numberAt);
    }
    if (number.ec != std::errc() || !std::isfinite(value)) {
        return fail(failure, Kind::Syntax, "expected a finite number at " + std::to_string(numberAt), numberAt);
    }
    const auto unitStart = static_cast<std::size_t>(number.ptr - text.data());
    bool onlyBlanks = true;
    for (const char* p = number.ptr; p != end; ++p) {
        onlyBlanks = onlyBlanks && isBlank(*p);
    }
    if (onlyBlanks) {
        unit = Unit();
        unitText = {};
        return true;
    }
    unitText = text.substr(unitStart);
    while (!unitText.empty() && isBlank(unitText.front())) {
        unitText.remove_prefix(1);
    }
    while (!unitText.empty() && isBlank(unitText.back())) {
        unitText.remove_suffix(1);
    }
    if (parseUnit(text.substr(unitStart), unit, failure)) {
        return true;
    }
    // The number is ASCII: blanked, every later position stays where the reader counts it in the whole text.
    std::string blanked(text);
    blanked.replace(0, unitStart, unitStart, ' ');
    return parseUnit(blanked, unit, failure);
}

std::string symbol(const Unit& unit) { return qelunits::toString(unit); }

std::string name(const Unit& unit) {
    std::string above;
    std::string below;
    for (const QelUnitFactor& f : unit.type()) {
        std::string& side = f.power > 0 ? above : below;
        side += (side.empty() ? "" : " ") + powerText(qelunits::singularName(f.unit), f.power > 0 ? f.power : -f.power);
    }
    std::string text = above.empty() ? (below.empty() ? "dimensionless" : "1") : above;
    if (!below.empty()) {
        text += " per " + below;
    }
    if (unit.isScaled()) {
        char scale[32];
        const std::to_chars_result written = std::to_chars(scale, scale + sizeof scale, unit.scale());
        text = std::string(scale, written.ptr) + ' ' + text;
    }
    return unit.isTemperatureDifference() ? "delta " + text : text;
}

std::string dimension(const Unit& unit) { return qelunits::dimension(unit.type()); }

bool isPoint(const Unit& unit) noexcept { return unit.isTemperature() && !unit.isTemperatureDifference(); }

bool isDifference(const Unit& unit) noexcept { return unit.isTemperatureDifference(); }

bool isCompatible(const Unit& a, const Unit& b) noexcept { return a.isCompatible(b); }

bool isEqual(const Unit& a, const Unit& b) noexcept { return a.isEqualTo(b); }

Unit one() { return Unit(); }

bool Converter::make(const Unit& from, const Unit& to, Failure& failure) {
    mFrom = from;
    mTo = to;
    if (from.isTemperature() && to.isTemperature() && isPoint(from) != isPoint(to)) {
        return pointMisused("cannot convert between a temperature reading and a difference", failure);
    }
    const QelUnit::ErrorStatus status = from.GetConversionFactor(to, mFactor);
    if (status == QelUnit::TypesNotCompatible) {
        return incompatible(from, to, failure);
    }
    if (status != QelUnit::Ok && status != QelUnit::CustomConversion) {
        return fail(failure, Kind::OutOfRange, "cannot convert " + symbol(from) + " to " + symbol(to));
    }
    mLinear = status == QelUnit::Ok;
    mCheckZero = isPoint(from);
    if (mCheckZero) {
        // Readings well above absolute zero need no exact check (most do).
        double zero = 0.0;
        Unit(QelUnitType(QelUnit::kelvin)).Convert(from, zero);
        mGuard = zero + 1e-6 * (1.0 + std::fabs(zero));
    }
    return true;
}

bool Converter::apply(double& value, Failure& failure) const { return apply(&value, &value, 1, failure); }

bool Converter::apply(const double* source, double* target, std::size_t count, Failure& failure) const {
    if (mCheckZero && !checkAbsoluteZero(source, count, failure)) {
        return false;
    }
    if (mLinear) {
        // value * 1.0 keeps the bits, so the identity needs no branch of its own.
        const double k = mFactor;
        for (std::size_t i = 0; i < count; ++i) {
            target[i] = source[i] * k;
        }
    } else if (!mFrom.isScaled() && !mTo.isScaled()) {
        const QelUnitConverter scales(mFrom.type()[0].unit, mTo.type()[0].unit);
        scales.ConvertUnits(source, target, count);
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            double v = source[i];
            mFrom.Convert(mTo, v);
            target[i] = v;
        }
    }
    return true;
}

bool Converter::checkAbsoluteZero(const double* source, std::size_t count, Failure& failure) const {
    std::size_t near = 0;
    for (std::size_t i = 0; i < count; ++i) {
        near += source[i] < mGuard ? 1U : 0U;
    }
    for (std::size_t i = 0; near > 0 && i < count; ++i) {
        if (source[i] < mGuard && mFrom.isBelowAbsoluteZero(source[i])) {
            char number[32];
            const std::to_chars_result written = std::to_chars(number, number + sizeof number, source[i]);
            return fail(failure, Kind::BelowAbsoluteZero,
                        std::string(number, written.ptr) + " " + symbol(mFrom) + " is below absolute zero");
        }
    }
    return true;
}

bool convert(double& value, const Unit& from, const Unit& to, Failure& failure) {
    Converter converter;
    return converter.make(from, to, failure) && converter.apply(value, failure);
}

bool planSum(const Unit& a, const Unit& b, bool subtract, SumPlan& plan, Failure& failure) {
    if (!a.isCompatible(b)) {
        return incompatible(b, a, failure);
    }
    const bool pointA = isPoint(a);
    const bool pointB = isPoint(b);
    if (pointA && pointB && !subtract) {
        return pointMisused("cannot add two temperature readings; add a difference (Δ°C) to a reading", failure);
    }
    if (!pointA && pointB) {
        return pointMisused(subtract ? "cannot subtract a temperature reading from a difference"
                                     : "cannot add a temperature reading to a difference; add the difference to it",
                            failure);
    }
    // reading − reading is a difference; reading ± difference a reading; the rest in a's unit.
    plan.rhs = pointA && !pointB ? differenceOf(a) : a;
    plan.result = pointA && pointB ? differenceOf(a) : a;
    return true;
}

bool checkProduct(const Unit& a, const Unit& b, bool divide, Failure& failure) {
    return !(isPoint(a) || isPoint(b)) ||
           pointMisused(divide ? "cannot divide a temperature reading; use a difference (Δ°C) or kelvin"
                               : "cannot multiply a temperature reading; use a difference (Δ°C) or kelvin",
                        failure);
}

Unit product(const Unit& a, const Unit& b, bool divide) { return divide ? a / b : a * b; }

bool checkPower(const Unit& a, int n, Failure& failure) {
    return !isPoint(a) || n == 1 || pointMisused("cannot raise a temperature reading to a power", failure);
}

Unit power(const Unit& a, int n) { return pow(a, n); }

bool root(const Unit& a, int n, Unit& result, Failure& failure) {
    if (isPoint(a)) {
        return pointMisused("cannot take a root of a temperature reading", failure);
    }
    QelUnitType type;
    for (const QelUnitFactor& f : a.type()) {
        if (n == 0 || f.power % n != 0) {
            return fail(failure, Kind::Incompatible,
                        "cannot take root " + std::to_string(n) + " of " + symbol(a) + ": its powers do not divide");
        }
        type *= QelUnitType(f.unit, f.power / n);
    }
    result = Unit(n == 2 ? std::sqrt(a.scale()) : std::pow(a.scale(), 1.0 / n), type, a.isTemperatureDifference());
    return true;
}

bool checkScale(const Unit& a, Failure& failure) {
    return !isPoint(a) || pointMisused("cannot scale a temperature reading; use a difference (Δ°C) or kelvin", failure);
}

} // namespace qelpy
