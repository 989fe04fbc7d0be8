// Lookup, parsing and conversion from UTF-8 text, by the value API.

#include "api/value/ValueCore.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitsUtf8.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace qelunits {
namespace {

// value in from converted to to, as convert converts: a temperature as a reading unless either side is a
// difference. Messages name from and to as given; fromHoldsValue where from is a quantity's text. The
// uncertainty and rounding of a sum (sumRounding not 0) go through the conversion, magnified as its own
// rounding is.
Result<double> convertUnits(double value, const Unit& from, const Unit& to, std::string_view fromText,
                            std::string_view toText, bool fromHoldsValue, double sumRounding = 0.0,
                            double sumUncertainty = 0.0) {
    const bool difference = from.isTemperatureDifference() || to.isTemperatureDifference();
    const Unit source = difference ? from.difference() : from;
    const Unit target = difference ? to.difference() : to;
    double converted = 0.0;
    const ErrorKind kind = detail::numberInto(Quantity(value, source), target, converted);
    switch (kind) {
    case ErrorKind::None:
        break;
    case ErrorKind::BelowAbsoluteZero:
        return Result<double>(kind, (fromHoldsValue ? "" : numberText(value) + ' ') + std::string(fromText) +
                                        " is below absolute zero");
    default:
        return Result<double>(
            kind, "cannot convert " + std::string(fromText) + " to " + std::string(toText) + ": " +
                      statusMessage(statusOf(kind)) +
                      (kind == ErrorKind::OutOfRange ? ": the result is beyond the range of a double" : ""));
    }
    // Between readings, result = a·value + b: (|a·value| + |b|) / |result| grows as the result nears its zero.
    double offset = 0.0;
    const bool readings = source.isTemperaturePoint() && converted != 0.0 &&
                          detail::numberInto(Quantity(0.0, source), target, offset) == ErrorKind::None;
    const double magnified =
        readings ? (std::fabs(converted - offset) + std::fabs(offset)) / std::fabs(converted) : 1.0;
    const double uncertainty = detail::uncertaintyOf(source, target);
    return sumRounding == 0.0 ? Result<double>(converted, 0.0, magnified, uncertainty)
                              : Result<double>(converted, 0.0, magnified * (sumRounding + 1.0),
                                               sumUncertainty * magnified + uncertainty);
}

// value in from as the reciprocal value in to, where the dimensions are reciprocal; the reciprocal keeps the
// factor's relative uncertainty.
Result<double> reciprocalUnits(double value, const Unit& from, const Unit& to, std::string_view fromText,
                               std::string_view toText) {
    Plan plan;
    const ErrorKind kind = reciprocalPlan(from, to, plan);
    const double reciprocal = 1.0 / (value * plan.factor);
    if (kind != ErrorKind::None || !std::isfinite(reciprocal)) {
        const ErrorKind failed = kind != ErrorKind::None ? kind : ErrorKind::OutOfRange;
        return Result<double>(
            failed,
            "cannot convert " + std::string(fromText) + " to " + std::string(toText) + " reciprocally: " +
                (failed == ErrorKind::OutOfRange && value == 0.0
                     ? std::string("0 has no reciprocal")
                     : statusMessage(statusOf(failed)) +
                           (failed == ErrorKind::OutOfRange ? ": the result is beyond the range of a double" : "")));
    }
    const Unit inverse = tryPow(to, -1).value_or(to);
    return Result<double>(reciprocal, 0.0, 1.0, detail::uncertaintyOf(from, inverse));
}

// from and to read, then then(source, target); the first unreadable text fails with its kind and position.
template <class Then>
Result<double> withUnits(std::string_view from, std::string_view to, Then then) {
    const Result<Unit> source = Unit::parse(from);
    if (!source) {
        return Result<double>::failureOf(source);
    }
    const Result<Unit> target = Unit::parse(to);
    return target ? then(*source, *target) : Result<double>::failureOf(target);
}

// The quantity of text; a value the words nan or inf wrote is refused here, where the catalogue's conversions
// and their callers expect a finite number (the value API keeps them).
Result<detail::QuantityRead> readFiniteQuantity(std::string_view text) {
    Result<detail::QuantityRead> read = detail::readQuantity(text);
    if (read && !std::isfinite(read->quantity.value())) {
        return Result<detail::QuantityRead>(ErrorKind::OutOfRange,
                                            "'" + std::string(text) + "' is not a finite quantity");
    }
    return read;
}

// quantity and to read, then then(read, target); the first unreadable text fails with its kind and position.
template <class Then>
Result<double> withQuantity(std::string_view quantity, std::string_view to, Then then) {
    const Result<detail::QuantityRead> read = readFiniteQuantity(quantity);
    if (!read) {
        return Result<double>::failureOf(read);
    }
    const Result<Unit> target = Unit::parse(to);
    return target ? then(*read, *target) : Result<double>::failureOf(target);
}

} // namespace

std::optional<QelUnit::BuiltinUnits> findUnit(std::string_view name) {
    const std::optional<std::wstring> wide = fromUtf8(name);
    QelUnit::BuiltinUnits unit = QelUnit::dimensionless;
    if (wide && QelUnitParser::resolveName(*wide, unit)) {
        return unit;
    }
    return std::nullopt;
}

Result<QelUnitType> parseType(std::string_view text) {
    const QelUnitParseResult parsed = QelUnitParser::parseUtf8(text);
    return parsed ? Result<QelUnitType>(parsed.type()) : parseFailure<QelUnitType>(parsed);
}

Result<QelUnitExpression> parseExpression(std::string_view text) {
    const QelUnitParseResult parsed = QelUnitParser::parseExpressionUtf8(text);
    return parsed ? Result<QelUnitExpression>(parsed.expression()) : parseFailure<QelUnitExpression>(parsed);
}

Result<QelUnitVar> parseQuantity(std::string_view text) {
    const Result<detail::QuantityRead> read = readFiniteQuantity(text);
    if (!read) {
        return Result<QelUnitVar>::failureOf(read);
    }
    const Quantity& q = read->quantity;
    if (q.unit().isTemperatureDifference()) {
        // A QelUnitVar of one temperature unit is a reading: the difference would be misread.
        return Result<QelUnitVar>(ErrorKind::InvalidArgument,
                                  "'" + std::string(text) +
                                      "' is a temperature difference, which a QelUnitVar holds only as a reading: "
                                      "use convert or Quantity::parse");
    }
    if (!UnitAccess::isExpandable(q.unit())) {
        return Result<QelUnitVar>(ErrorKind::IncompatibleUnits,
                                  "'" + std::string(text) +
                                      "' is of a dimension the program added, which no catalogue type holds: use "
                                      "Quantity::parse");
    }
    const QelUnitExpression unit = q.unit().expression();
    const QelUnitVar quantity(q.value() * unit.scale(), unit.type());
    return read->rounding == 0.0 ? Result<QelUnitVar>(quantity)
                                 : Result<QelUnitVar>(quantity, 0.0, read->rounding, read->uncertainty);
}

Result<QelUnitExpression> quantityUnit(std::string_view text) {
    const Result<Quantity> read = Quantity::parse(text);
    return read ? Result<QelUnitExpression>(read->unit().expression()) : Result<QelUnitExpression>::failureOf(read);
}

Result<double> convert(double value, std::string_view from, std::string_view to) {
    return withUnits(from, to, [&](const Unit& source, const Unit& target) {
        return convertUnits(value, source, target, from, to, false);
    });
}

Result<double> convert(std::string_view quantity, std::string_view to) {
    return withQuantity(quantity, to, [&](const detail::QuantityRead& read, const Unit& target) {
        return convertUnits(read.quantity.value(), read.quantity.unit(), target, quantity, to, true, read.rounding,
                            read.uncertainty);
    });
}

Result<double> convertReciprocal(double value, std::string_view from, std::string_view to) {
    return withUnits(from, to, [&](const Unit& source, const Unit& target) {
        return reciprocalUnits(value, source, target, from, to);
    });
}

Result<double> convertReciprocal(std::string_view quantity, std::string_view to) {
    return withQuantity(quantity, to, [&](const detail::QuantityRead& read, const Unit& target) {
        const Result<double> converted =
            reciprocalUnits(read.quantity.value(), read.quantity.unit(), target, quantity, to);
        return converted && read.rounding != 0.0
                   ? Result<double>(*converted, 0.0, read.rounding + 1.0, read.uncertainty + converted.uncertainty())
                   : converted;
    });
}

std::string toString(const QelUnitVar& quantity) {
    return numberText(quantity.GetValue()) + ' ' + toString(quantity.GetType());
}

} // namespace qelunits
