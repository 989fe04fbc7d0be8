// Lookup, parsing and conversion from UTF-8 text.

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitsUtf8.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace qelunits {
namespace {

constexpr bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

std::string at(const char* what, std::size_t position) { return what + (" at " + std::to_string(position)); }

template <class T>
Result<T> parseFailure(const QelUnitParseResult& parsed) {
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

// The unit text after a number, parsed; on failure the message counts positions from the start of the whole text.
QelUnitParseResult parseUnitAfter(std::string_view text, std::size_t unitStart) {
    QelUnitParseResult unit = QelUnitParser::parseExpressionUtf8(text.substr(unitStart));
    if (!unit) {
        // The number is ASCII, so blanking it keeps every later position as the parser counts it.
        std::string blanked(text);
        blanked.replace(0, unitStart, unitStart, ' ');
        unit = QelUnitParser::parseExpressionUtf8(blanked);
    }
    return unit;
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
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    const std::size_t numberStart = start;
    if (start + 1 < text.size() && text[start] == '+' && text[start + 1] != '-') {
        ++start; // from_chars takes no plus sign
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const std::from_chars_result number = std::from_chars(text.data() + start, end, value);
    if (number.ec == std::errc::result_out_of_range) {
        return Result<QelUnitVar>(QelUnit::InvalidUnit, at("number out of the range of a double", numberStart));
    }
    if (number.ec != std::errc() || !std::isfinite(value)) {
        return Result<QelUnitVar>(QelUnit::InvalidUnit, at("expected a finite number", numberStart));
    }
    const auto unitStart = static_cast<std::size_t>(number.ptr - text.data());
    if (std::all_of(number.ptr, end, isBlank)) {
        return Result<QelUnitVar>(QelUnitVar(value));
    }
    const QelUnitParseResult unit = parseUnitAfter(text, unitStart);
    if (!unit) {
        return parseFailure<QelUnitVar>(unit);
    }
    const QelUnit::ErrorStatus status = convertFinite(unit.expression(), QelUnitExpression(unit.type()), value);
    if (status != QelUnit::Ok) {
        return Result<QelUnitVar>(status,
                                  "cannot take the value into " + toString(unit.type()) + ": " + reason(status));
    }
    return Result<QelUnitVar>(QelUnitVar(value, unit.type()));
}

Result<double> convert(double value, std::string_view from, std::string_view to) {
    const QelUnitParseResult source = QelUnitParser::parseExpressionUtf8(from);
    if (!source) {
        return parseFailure<double>(source);
    }
    const QelUnitParseResult target = QelUnitParser::parseExpressionUtf8(to);
    if (!target) {
        return parseFailure<double>(target);
    }
    const QelUnit::ErrorStatus status = convertFinite(source.expression(), target.expression(), value);
    if (status != QelUnit::Ok) {
        return Result<double>(status,
                              "cannot convert " + std::string(from) + " to " + std::string(to) + ": " + reason(status));
    }
    return Result<double>(value);
}

std::string toString(const QelUnitVar& quantity) {
    char number[64];
    const std::to_chars_result written = std::to_chars(number, number + sizeof number, quantity.GetValue());
    return std::string(number, written.ptr) + ' ' + toString(quantity.GetType());
}

} // namespace qelunits
