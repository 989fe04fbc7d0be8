#ifndef QELUNITS_QELUNITSUTF8_H
#define QELUNITS_QELUNITSUTF8_H

// The library in UTF-8: std::string forms of its texts, lookup and parsing from
// std::string_view, and conversion between two unit texts in one call. Texts go
// in and out as UTF-8; input that is not UTF-8 is an error, never a guess.

#include <qelunits/Export.h>
#include <qelunits/QelCommon.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/QelUnitVar.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

/// The UTF-8 layer and the conveniences of the library.
namespace qelunits {

/// How many significant digits of value are true, where the true value is value / (1 + relativeError) and
/// the double arithmetic rounded a few times on the way (rounding times 2^-50 of the value): the most digits,
/// at most atMost (1 to 17), with which both ends of the interval between them print alike, so that every
/// value in it, the true one included, prints the same; 0 when not even one digit does. A value of 0 prints
/// as 0 with any number of digits.
QELUNITS_EXPORT int trueDigits(double value, double relativeError, int atMost, double rounding = 1.0);

/// A value, or the reason there is none: a status and a message in UTF-8.
template <class T>
class Result {
public:
    /// A success holding value.
    explicit Result(T value) : mValue(std::move(value)) {}
    /// A success holding value that a conversion produced, with the conversion's relative error (see
    /// relativeError) and how much it magnifies the rounding of the double arithmetic (1 for a product; more
    /// where terms of a sum cancel or a temperature reading nears the zero of its scale).
    Result(T value, double relativeError, double rounding)
        : mValue(std::move(value)), mRelativeError(relativeError), mRounding(rounding) {}
    /// A failure with status (not Ok) and message.
    Result(QelUnit::ErrorStatus status, std::string message) : mStatus(status), mMessage(std::move(message)) {}

    /// True on success.
    bool ok() const noexcept { return mValue.has_value(); }
    /// True on success.
    explicit operator bool() const noexcept { return ok(); }
    /// The value; throws std::bad_optional_access on failure.
    const T& value() const { return mValue.value(); }
    /// The value, or fallback on failure.
    T value_or(T fallback) const { return mValue.value_or(std::move(fallback)); }
    /// The value; only on success.
    const T& operator*() const noexcept { return *mValue; }
    /// The value's members; only on success.
    const T* operator->() const noexcept { return &*mValue; }
    /// Ok on success; InvalidUnit for text that is not a number or a unit expression; else the conversion's status.
    QelUnit::ErrorStatus status() const noexcept { return mStatus; }
    /// What went wrong ("unknown unit 'fot' at 4; did you mean 'ft'?"); empty on success.
    const std::string& message() const noexcept { return mMessage; }
    /// The relative error of the conversion that produced the value: the value over what the units'
    /// definitions give, minus 1, so that its magnitude bounds how far the value is from that (see
    /// QelUnitExpression::relativeError); 0 where the value came from no conversion or an exact one, and on
    /// failure.
    double relativeError() const noexcept { return mRelativeError; }
    /// How many significant digits of the value are true, at most atMost (see trueDigits), counting the
    /// relative error and the double arithmetic's rounding; atMost for a value that came from no conversion,
    /// 0 on failure. Only for a Result<double>.
    int digits(int atMost = 15) const {
        return !mValue ? 0 : mRounding == 0.0 ? atMost : trueDigits(*mValue, mRelativeError, atMost, mRounding);
    }

private:
    std::optional<T> mValue;
    QelUnit::ErrorStatus mStatus = QelUnit::Ok;
    std::string mMessage;
    double mRelativeError = 0.0;
    double mRounding = 0.0;
};

// Texts. Each answers as the wide query of the same name, in UTF-8.

/// UTF-8 of a wide text.
QELUNITS_EXPORT std::string toUtf8(std::wstring_view text);
/// UTF-8 of a wide text; null gives "".
QELUNITS_EXPORT std::string toUtf8(const wchar_t* text);
/// UTF-8 of a text; the null text gives "".
QELUNITS_EXPORT std::string toUtf8(const QelStringP& text);

/// QelUnit::internalName.
QELUNITS_EXPORT std::string internalName(QelUnit::BuiltinUnits unit);
/// QelUnit::singularName.
QELUNITS_EXPORT std::string singularName(QelUnit::BuiltinUnits unit, bool localized = false);
/// QelUnit::pluralName.
QELUNITS_EXPORT std::string pluralName(QelUnit::BuiltinUnits unit, bool localized = false);
/// QelUnit::defaultAbbreviation.
QELUNITS_EXPORT std::string defaultAbbreviation(QelUnit::BuiltinUnits unit, bool localized = false,
                                                QelUnit::AbbreviationFormats format = QelUnit::AsStored);
/// QelUnit::defaultAbbreviationAsVellum.
QELUNITS_EXPORT std::string defaultAbbreviationAsVellum(QelUnit::BuiltinUnits unit, bool localized = false,
                                                        QelUnit::AbbreviationFormats format = QelUnit::AsStored);
/// QelUnit::localizedAbbreviation.
QELUNITS_EXPORT std::string localizedAbbreviation(QelUnit::BuiltinUnits unit, unsigned int index,
                                                  QelUnit::AbbreviationFormats format = QelUnit::AsStored);
/// QelUnit::localizedAbbreviationAsVellum.
QELUNITS_EXPORT std::string localizedAbbreviationAsVellum(QelUnit::BuiltinUnits unit, unsigned int index,
                                                          QelUnit::AbbreviationFormats format = QelUnit::AsStored);
/// QelUnit::displayName; "" for a type outside 0 to 30.
QELUNITS_EXPORT std::string displayName(QelUnit::BuiltinTypes type, bool localized = false);
/// QelUnit::metricKeyword.
QELUNITS_EXPORT std::string metricKeyword(bool localized = false);
/// QelUnit::imperialKeyword.
QELUNITS_EXPORT std::string imperialKeyword(bool localized = false);
/// QelUnitBase::GetStatusMessage: "Types Not Compatible"; "" for Ok.
QELUNITS_EXPORT std::string statusMessage(QelUnit::ErrorStatus status);
/// QelUnitParser::unitText: the shortest text that reads back as the unit.
QELUNITS_EXPORT std::string unitText(QelUnit::BuiltinUnits unit);

/// QelUnitType::internalName.
QELUNITS_EXPORT std::string internalName(const QelUnitType& type);
/// QelUnitType::singularName.
QELUNITS_EXPORT std::string singularName(const QelUnitType& type, bool localized = false);
/// QelUnitType::pluralName.
QELUNITS_EXPORT std::string pluralName(const QelUnitType& type, bool localized = false);
/// QelUnitType::defaultAbbreviation.
QELUNITS_EXPORT std::string defaultAbbreviation(const QelUnitType& type, bool localized = false,
                                                QelUnit::AbbreviationFormats format = QelUnit::AsStored);
/// QelUnitType::defaultAbbreviationAsVellum.
QELUNITS_EXPORT std::string defaultAbbreviationAsVellum(const QelUnitType& type, bool localized = false,
                                                        QelUnit::AbbreviationFormats format = QelUnit::AsStored);
/// QelUnitType::localizedAbbreviation.
QELUNITS_EXPORT std::string localizedAbbreviation(const QelUnitType& type, unsigned int index,
                                                  QelUnit::AbbreviationFormats format = QelUnit::AsStored);
/// QelUnitType::localizedAbbreviationAsVellum.
QELUNITS_EXPORT std::string localizedAbbreviationAsVellum(const QelUnitType& type, unsigned int index,
                                                          QelUnit::AbbreviationFormats format = QelUnit::AsStored);
/// QelUnitType::getTypeDisplayName: "Length", "**Compound unit**".
QELUNITS_EXPORT std::string typeDisplayName(const QelUnitType& type, bool localized = false);
/// QelUnitParser::formatDimension: "kg·m/s^2".
QELUNITS_EXPORT std::string dimension(const QelUnitType& type);
/// QelUnitParser::notes of a UTF-8 expression; "" when none or when it is not UTF-8.
QELUNITS_EXPORT std::string notes(std::string_view expression);

// Written forms, as the qelunits tool writes them (a number as with --exact); parsing reads them back.

/// The type as QelUnitParser::format writes it: "ft", "W/(m²·K)", "1".
QELUNITS_EXPORT std::string toString(const QelUnitType& type);
/// The expression as QelUnitParser::format writes it: "1e-06 kg", "ft".
QELUNITS_EXPORT std::string toString(const QelUnitExpression& expression);
/// The shortest number that reads back as the value, a blank and the type: "3.280839895013123 ft".
QELUNITS_EXPORT std::string toString(const QelUnitVar& quantity);

// Lookup, parsing and conversion.

/// The unit a name means, by the parser's rules for one name ("ft", "Meter",
/// "°F", "min"); std::nullopt when no unit has that name or it is not UTF-8.
QELUNITS_EXPORT std::optional<QelUnit::BuiltinUnits> findUnit(std::string_view name);
/// A unit expression as QelUnitParser::parseUtf8 reads it ("m/s", "kg*m/s^2"); a scale is an error.
QELUNITS_EXPORT Result<QelUnitType> parseType(std::string_view text);
/// A unit expression with its scale, as QelUnitParser::parseExpressionUtf8 reads it ("mg", "L/100 km").
QELUNITS_EXPORT Result<QelUnitExpression> parseExpression(std::string_view text);
/// A number and the unit expression after it: "3.5 ft", "12 m/s", "-40 °F",
/// "1e3 kg"; a number alone is dimensionless, a unit alone is 1 of it. The number
/// is read as std::from_chars reads it (a leading '+' allowed) and must be
/// finite; "1|3" is a fraction of two numbers, and a '/' after the number divides
/// by what follows ("1/2" is 0.5, "1/2 m" 0.5 per meter). A scale of the
/// expression is taken into the value ("3 mg" is 3e-6 kg). Terms joined by '+',
/// or by '-' between blanks, add up in the first term's type ("5 ft + 10 in" is
/// 5.83333 ft), with the error of their conversions (Result::relativeError).
/// Blanks at both ends are ignored.
QELUNITS_EXPORT Result<QelUnitVar> parseQuantity(std::string_view text);
/// value in from, converted to to (both unit expressions, scales allowed; a
/// temperature as a reading), with the conversion's error (Result::relativeError).
/// Fails with InvalidUnit for text that does not parse, the conversion's status
/// (TypesNotCompatible) for units that do not convert, Underflow for a
/// temperature reading below absolute zero, and Overflow
/// for a finite value whose result is not finite. Allocates nothing on success
/// for short expressions.
QELUNITS_EXPORT Result<double> convert(double value, std::string_view from, std::string_view to);
/// A quantity text, as parseQuantity reads it ("5 ft + 10 in", "1|3 m"), converted to to, with the error of
/// both steps; fails as parseQuantity and the other convert do.
QELUNITS_EXPORT Result<double> convert(std::string_view quantity, std::string_view to);

/// What the catalogue knows of a unit's factor to the base unit of its type.
struct FactorDefinition {
    /// The factor the catalogue stores and every conversion uses.
    double stored = 1.0;
    /// The value the unit's definition gives; stored where stored is the definition.
    double defined = 1.0;
    /// stored / defined - 1: 0 for an exact factor, -8.2e-07 for the ounce's 0.0283495 kg.
    double difference = 0.0;
    /// The definition in words ("lb/16"); empty where stored is the definition.
    std::string text;
};
/// The stored factor of a builtin unit beside its definition; a unit outside 0 to 348 gives the defaults.
QELUNITS_EXPORT FactorDefinition factorDefinition(QelUnit::BuiltinUnits unit);

} // namespace qelunits

#endif
