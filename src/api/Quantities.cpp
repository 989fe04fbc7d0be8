// Lookup, parsing and conversion from UTF-8 text.

#include "api/ValueCore.h"
#include "parse/ReadUtf8.h"

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

constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string at(const char* what, std::size_t position) { return what + (" at " + std::to_string(position)); }

// This layer's callers tell failures apart by status: every unreadable text is InvalidUnit.
template <class T>
Result<T> unreadable(const QelUnitParseResult& parsed) {
    return Result<T>(QelUnit::InvalidUnit, toUtf8(parsed.message()));
}

std::string reason(QelUnit::ErrorStatus status) {
    return statusMessage(status) + (status == QelUnit::Overflow ? ": the result is beyond the range of a double" : "");
}

// Converts value; Overflow when a finite value does not stay finite.
QelUnit::ErrorStatus convertFinite(const QelUnitExpression& from, const QelUnitExpression& to, double& value) {
    const double given = value;
    const QelUnit::ErrorStatus status = from.Convert(to, value);
    return status == QelUnit::Ok && std::isfinite(given) && !std::isfinite(value) ? QelUnit::Overflow : status;
}

// A temperature scale to the power 1, whose values convert as readings.
bool isReading(const QelUnitExpression& unit) {
    const QelUnitType& type = unit.type();
    return type.size() == 1 && type[0].power == 1 && QelUnit::getType(type[0].unit) == QelUnit::Temperature;
}

// How much a conversion magnifies the rounding of its arithmetic: 1 for a factor; between readings,
// result = a·value + b, (|a·value| + |b|) / |result|, which grows as the result nears its scale's zero.
double magnification(const QelUnitExpression& from, const QelUnitExpression& to, double result) {
    if (result == 0.0 || !isReading(from) || !isReading(to)) {
        return 1.0;
    }
    double offset = 0.0; // b: 0 converted, never below absolute zero
    static_cast<void>(from.Convert(to, offset));
    return (std::fabs(result - offset) + std::fabs(offset)) / std::fabs(result);
}

std::size_t skipBlanks(std::string_view text, std::size_t i, std::size_t end) {
    while (i < end && isBlank(text[i])) {
        ++i;
    }
    return i;
}

std::string badNumber(NumberRead number, std::size_t start) {
    return number == NumberRead::OutOfRange ? at("number out of the range of a double", start)
                                            : at("expected a finite number", start);
}

// A number, or a fraction "a|b" of two; 1 where none starts. False with the message for a bad one.
bool readValue(std::string_view text, std::size_t& i, std::size_t end, double& value, std::string& message) {
    const std::size_t start = i;
    const NumberRead number = readNumber(text, i, end, value);
    if (number != NumberRead::Read) {
        value = 1.0;
        message = number == NumberRead::None ? "" : badNumber(number, start);
        return number == NumberRead::None;
    }
    const std::size_t bar = skipBlanks(text, i, end);
    if (bar == end || text[bar] != '|') {
        return true;
    }
    double denominator = 0.0;
    i = skipBlanks(text, bar + 1, end);
    const std::size_t second = i;
    const NumberRead read = readNumber(text, i, end, denominator);
    if (read != NumberRead::Read || denominator == 0.0) {
        message = read == NumberRead::Read || read == NumberRead::None ? at("expected a number other than 0", second)
                                                                       : badNumber(read, second);
        return false;
    }
    value /= denominator;
    return true;
}

/// One term of a quantity: its value, with the expression's scale taken in, and its unit at scale 1.
struct Term {
    double value = 1.0;
    QelUnitExpression unit;
};

// One term of a quantity, text[begin, end): a value, then a unit expression, either optional.
Result<Term> parseTerm(std::string_view text, std::size_t begin, std::size_t end) {
    std::size_t i = skipBlanks(text, begin, end);
    const std::size_t valueStart = i;
    double value = 1.0;
    std::string message;
    if (!readValue(text, i, end, value, message) || (i == valueStart && i == end)) {
        return Result<Term>(QelUnit::InvalidUnit, message.empty() ? at("expected a quantity", i) : message);
    }
    i = skipBlanks(text, i, end);
    if (i == end) {
        return Result<Term>(Term{value, {}});
    }
    // "1/2 m" divides 1 by 2 m: a leading '/' reads as 1/.
    const QelUnitParseResult unit = qelunits_detail::readExpressionUtf8(text, i, end);
    if (!unit) {
        return unreadable<Term>(unit);
    }
    const QelUnitExpression& read = unit.expression();
    const double scaled = value * read.scale();
    if (!std::isfinite(scaled)) {
        return Result<Term>(QelUnit::Overflow,
                            "cannot take the value into " + toString(read.type()) + ": " + reason(QelUnit::Overflow));
    }
    return Result<Term>(Term{scaled, QelUnitExpression(1.0, read.type(), read.isTemperatureDifference())});
}

// Where the term that starts at begin ends: at a '+', or a '-' between blanks, that follows some text
// and is no sign of an exponent ("1e+3", "m^+2").
std::size_t termEnd(std::string_view text, std::size_t begin) {
    bool started = false;
    for (std::size_t i = begin; i < text.size(); ++i) {
        const char c = text[i];
        const char before = i > begin ? text[i - 1] : ' ';
        const bool exponent =
            before == '^' || ((before == 'e' || before == 'E') && i >= begin + 2 &&
                              (std::isdigit(static_cast<unsigned char>(text[i - 2])) != 0 || text[i - 2] == '.'));
        const bool minus = c == '-' && isBlank(before) && i + 1 < text.size() && isBlank(text[i + 1]);
        if (started && !exponent && (c == '+' || minus)) {
            return i;
        }
        started = started || !isBlank(c);
    }
    return text.size();
}

/// A quantity with the uncertainty of the conversions that summed it and how much the sum magnifies rounding.
struct Reading {
    double value = 0.0;
    QelUnitExpression unit;   // the first term's, a temperature difference kept
    double uncertainty = 0.0; // relative, as Result::uncertainty
    double rounding = 0.0;    // 0: a single term, read without a conversion
};

// A term's value, signed, in unit, with the uncertainty of its conversion. Differences added to a
// reading make a reading, in whichever order they come: unit becomes one then. A reading taken from a
// difference means nothing.
Result<double> termInto(const Term& term, double sign, QelUnitExpression& unit) {
    const QelUnitExpression& from = term.unit;
    const bool reading = unit.isTemperatureDifference() && from.isTemperature() && !from.isTemperatureDifference();
    if (reading && sign < 0.0) {
        return Result<double>(QelUnit::InvalidUnit,
                              "cannot take a temperature reading, " + toString(from.type()) + ", from a difference");
    }
    if (reading) {
        unit = QelUnitExpression(1.0, unit.type(), false);
    }
    double factor = 1.0;
    double value = term.value;
    const QelUnit::ErrorStatus status = reading ? from.Convert(unit, value) : from.GetConversionFactor(unit, factor);
    if (status == QelUnit::Underflow) {
        return Result<double>(status, numberText(value) + " " + toString(from.type()) + " is below absolute zero");
    }
    if (status != QelUnit::Ok) {
        return Result<double>(status, "cannot add " + toString(from.type()) + " to " + toString(unit.type()) + ": " +
                                          reason(status));
    }
    return Result<double>(sign * value * factor, 0.0, 1.0, from.uncertainty(unit));
}

Result<Reading> readQuantity(std::string_view text) {
    std::size_t end = termEnd(text, 0);
    const Result<Term> first = parseTerm(text, 0, end);
    if (!first) {
        return Result<Reading>(first.status(), first.message());
    }
    QelUnitExpression unit = first->unit;
    double sum = first->value;
    double magnitudes = std::fabs(sum); // of the terms
    double spread = 0.0;                // of the terms, from their uncertainties
    const bool summed = end < text.size();
    while (end < text.size()) {
        const double sign = text[end] == '-' ? -1.0 : 1.0;
        const std::size_t begin = end + 1;
        end = termEnd(text, begin);
        const Result<Term> term = parseTerm(text, begin, end);
        if (!term) {
            return Result<Reading>(term.status(), term.message());
        }
        const Result<double> value = termInto(*term, sign, unit);
        if (!value) {
            return Result<Reading>(value.status(), value.message());
        }
        sum += *value;
        magnitudes += std::fabs(*value);
        spread += std::fabs(*value) * value.uncertainty();
    }
    if (!std::isfinite(sum)) {
        return Result<Reading>(QelUnit::Overflow, "the sum is beyond the range of a double");
    }
    Reading reading{sum, unit};
    if (summed) {
        reading.uncertainty = spread == 0.0 ? 0.0
                              : sum != 0.0  ? spread / std::fabs(sum)
                                            : std::numeric_limits<double>::infinity();
        reading.rounding = sum == 0.0 ? 1.0 : magnitudes / std::fabs(sum);
    }
    return Result<Reading>(reading);
}

// value converted, with the conversion's uncertainty. Messages name from and to as given: units, or from a
// quantity that holds its value.
Result<double> convertValue(double value, const QelUnitExpression& source, const QelUnitExpression& target,
                            std::string_view from, std::string_view to, bool fromHoldsValue) {
    const double given = value;
    const QelUnit::ErrorStatus status = convertFinite(source, target, value);
    if (status == QelUnit::Underflow) {
        return Result<double>(status, (fromHoldsValue ? "" : numberText(given) + " ") + std::string(from) +
                                          " is below absolute zero");
    }
    if (status != QelUnit::Ok) {
        return Result<double>(status,
                              "cannot convert " + std::string(from) + " to " + std::string(to) + ": " + reason(status));
    }
    return Result<double>(value, 0.0, magnification(source, target, value), source.uncertainty(target));
}

// value in source as the reciprocal value in target; the reciprocal keeps the factor's relative uncertainty.
Result<double> reciprocalValue(double value, const QelUnitExpression& source, const QelUnitExpression& target,
                               std::string_view from, std::string_view to) {
    const double given = value;
    const QelUnit::ErrorStatus status = source.ConvertReciprocal(target, value);
    if (status != QelUnit::Ok) {
        return Result<double>(
            status, "cannot convert " + std::string(from) + " to " + std::string(to) + " reciprocally: " +
                        (status == QelUnit::Overflow && given == 0.0 ? "0 has no reciprocal" : reason(status)));
    }
    QelUnitExpression inverse = target;
    inverse.pow(-1);
    return Result<double>(value, 0.0, 1.0, source.uncertainty(inverse));
}

// from and to read, then then(source, target); the first unreadable text fails.
template <class Then>
Result<double> withUnits(std::string_view from, std::string_view to, Then then) {
    const QelUnitParseResult source = QelUnitParser::parseExpressionUtf8(from);
    if (!source) {
        return unreadable<double>(source);
    }
    const QelUnitParseResult target = QelUnitParser::parseExpressionUtf8(to);
    return target ? then(source.expression(), target.expression()) : unreadable<double>(target);
}

// quantity and to read, then then(reading, target); the first unreadable text fails.
template <class Then>
Result<double> withQuantity(std::string_view quantity, std::string_view to, Then then) {
    const Result<Reading> read = readQuantity(quantity);
    if (!read) {
        return Result<double>(read.status(), read.message());
    }
    const QelUnitParseResult target = QelUnitParser::parseExpressionUtf8(to);
    return target ? then(*read, target.expression()) : unreadable<double>(target);
}

// value in from converted to to, as convert converts: a temperature as a reading unless either side is a
// difference. Messages name from and to as given.
Result<double> convertUnits(double value, const Unit& from, const Unit& to, std::string_view fromText,
                            std::string_view toText) {
    const bool difference = from.isTemperatureDifference() || to.isTemperatureDifference();
    const Unit source = difference ? from.difference() : from;
    const Unit target = difference ? to.difference() : to;
    double converted = 0.0;
    switch (detail::numberInto(Quantity(value, source), target, converted)) {
    case ErrorKind::None:
        break;
    case ErrorKind::BelowAbsoluteZero:
        return Result<double>(QelUnit::Underflow,
                              numberText(value) + ' ' + std::string(fromText) + " is below absolute zero");
    case ErrorKind::OutOfRange:
        return Result<double>(QelUnit::Overflow, "cannot convert " + std::string(fromText) + " to " +
                                                     std::string(toText) + ": " + reason(QelUnit::Overflow));
    default:
        return Result<double>(QelUnit::TypesNotCompatible, "cannot convert " + std::string(fromText) + " to " +
                                                               std::string(toText) + ": " +
                                                               reason(QelUnit::TypesNotCompatible));
    }
    // Between readings, result = a·value + b: (|a·value| + |b|) / |result| grows as the result nears its zero.
    double offset = 0.0;
    const bool readings = source.isTemperaturePoint() && converted != 0.0 &&
                          detail::numberInto(Quantity(0.0, source), target, offset) == ErrorKind::None;
    const double magnified =
        readings ? (std::fabs(converted - offset) + std::fabs(offset)) / std::fabs(converted) : 1.0;
    return Result<double>(converted, 0.0, magnified, detail::uncertaintyOf(source, target));
}

} // namespace

NumberRead readNumber(std::string_view text, std::size_t& i, std::size_t end, double& value) noexcept {
    const std::size_t digits = i + 1 < end && text[i] == '+' && text[i + 1] != '-' ? i + 1 : i; // no '+' for from_chars
    const std::size_t first = digits < end && text[digits] == '-' ? digits + 1 : digits;
    if (first == end || (std::isdigit(static_cast<unsigned char>(text[first])) == 0 && text[first] != '.')) {
        return NumberRead::None;
    }
    double read = 0.0;
    const std::from_chars_result number = std::from_chars(text.data() + digits, text.data() + end, read);
    if (number.ec == std::errc::invalid_argument) { // "." or "-.": no digit
        return NumberRead::None;
    }
    i = static_cast<std::size_t>(number.ptr - text.data());
    if (number.ec == std::errc::result_out_of_range) {
        return NumberRead::OutOfRange;
    }
    value = read;
    return std::isfinite(read) ? NumberRead::Read : NumberRead::NotFinite;
}

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
    return parsed ? Result<QelUnitType>(parsed.type()) : unreadable<QelUnitType>(parsed);
}

Result<QelUnitExpression> parseExpression(std::string_view text) {
    const QelUnitParseResult parsed = QelUnitParser::parseExpressionUtf8(text);
    return parsed ? Result<QelUnitExpression>(parsed.expression()) : unreadable<QelUnitExpression>(parsed);
}

Result<QelUnitVar> parseQuantity(std::string_view text) {
    const Result<Reading> read = readQuantity(text);
    if (!read) {
        return Result<QelUnitVar>(read.status(), read.message());
    }
    if (read->unit.isTemperatureDifference()) {
        // A QelUnitVar of one temperature unit is a reading: the difference would be misread.
        return Result<QelUnitVar>(QelUnit::InvalidUnit, "'" + std::string(text) +
                                                            "' is a temperature difference, which a QelUnitVar "
                                                            "holds only as a reading: use convert or Quantity::parse");
    }
    const QelUnitVar quantity(read->value, read->unit.type());
    return read->rounding == 0.0 ? Result<QelUnitVar>(quantity)
                                 : Result<QelUnitVar>(quantity, 0.0, read->rounding, read->uncertainty);
}

Result<QelUnitExpression> quantityUnit(std::string_view text) {
    const Result<Reading> read = readQuantity(text);
    return read ? Result<QelUnitExpression>(read->unit) : Result<QelUnitExpression>(read.status(), read.message());
}

Result<double> convert(double value, std::string_view from, std::string_view to) {
    const Result<Unit> source = Unit::parse(from);
    if (!source) {
        return Result<double>(QelUnit::InvalidUnit, source.message());
    }
    const Result<Unit> target = Unit::parse(to);
    if (!target) {
        return Result<double>(QelUnit::InvalidUnit, target.message());
    }
    return convertUnits(value, *source, *target, from, to);
}

Result<double> convert(std::string_view quantity, std::string_view to) {
    return withQuantity(quantity, to, [&](const Reading& read, const QelUnitExpression& target) {
        const QelUnitExpression& source = read.unit;
        Result<double> converted = convertValue(read.value, source, target, quantity, to, true);
        if (!converted) {
            return converted;
        }
        // The sum's uncertainty and rounding go through the conversion, magnified as its own rounding is.
        const double m = magnification(source, target, *converted);
        return Result<double>(*converted, 0.0, m * (read.rounding + 1.0),
                              read.uncertainty * m + converted.uncertainty());
    });
}

Result<double> convertReciprocal(double value, std::string_view from, std::string_view to) {
    return withUnits(from, to, [&](const QelUnitExpression& source, const QelUnitExpression& target) {
        return reciprocalValue(value, source, target, from, to);
    });
}

Result<double> convertReciprocal(std::string_view quantity, std::string_view to) {
    return withQuantity(quantity, to, [&](const Reading& read, const QelUnitExpression& target) {
        Result<double> converted = reciprocalValue(read.value, read.unit, target, quantity, to);
        if (!converted) {
            return converted;
        }
        return Result<double>(*converted, 0.0, read.rounding + 1.0, read.uncertainty + converted.uncertainty());
    });
}

std::string toString(const QelUnitVar& quantity) {
    return numberText(quantity.GetValue()) + ' ' + toString(quantity.GetType());
}

} // namespace qelunits
