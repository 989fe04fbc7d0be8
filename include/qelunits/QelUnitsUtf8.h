#ifndef QELUNITS_QELUNITSUTF8_H
#define QELUNITS_QELUNITSUTF8_H

// Thread safety: every function is safe from any threads at once; Result is a plain value.

// The library in UTF-8: std::string forms of its texts, lookup and parsing from
// std::string_view, and conversion between two unit texts in one call. Texts go
// in and out as UTF-8; input that is not UTF-8 is an error, never a guess.

#include <qelunits/Error.h>
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

// Texts. Each answers as the wide query of the same name, in UTF-8.

/// UTF-8 of a wide text.
QELUNITS_EXPORT std::string toUtf8(std::wstring_view text);
/// UTF-8 of a wide text; null gives "".
QELUNITS_EXPORT std::string toUtf8(const wchar_t* text);
/// UTF-8 of a text; the null text gives "".
QELUNITS_EXPORT std::string toUtf8(const QelStringP& text);
/// Wide text of UTF-8 text; std::nullopt when it is not UTF-8.
QELUNITS_EXPORT std::optional<std::wstring> fromUtf8(std::string_view text);

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
/// The base unit of a type (its factor is 1 by definition); dimensionless for a type without one.
QELUNITS_EXPORT QelUnit::BuiltinUnits baseUnit(QelUnit::BuiltinTypes type) noexcept;

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
/// The base dimensions of a type in symbols kg, m, s, K, A, mol, cd, rad, sr, Hz: "kg·m/s^2"; "1" if none.
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
/// 5.83333 ft), with the error of their conversions (Result::relativeError);
/// temperature differences added to a reading make a reading ("1 Δ°F + 10 °C" is 51 °F).
/// Blanks at both ends are ignored. A temperature difference ("1 Δ°F") fails with
/// InvalidUnit: a QelUnitVar of one temperature unit is a reading, and would
/// convert 1 Δ°F as 1 °F. convert(quantity, to) and Quantity::parse keep it a difference.
QELUNITS_EXPORT Result<QelUnitVar> parseQuantity(std::string_view text);
/// The unit of a quantity text, as parseQuantity reads it: its first term's, at scale 1, a temperature
/// difference kept ("1 Δ°F" gives Δ°F, "3 mg" kg). Fails as parseQuantity does, but for the difference.
QELUNITS_EXPORT Result<QelUnitExpression> quantityUnit(std::string_view text);
/// value in from, converted to to (both unit expressions, scales allowed; a
/// temperature as a reading), with the conversion's error (Result::relativeError).
/// Fails with InvalidUnit for text that does not parse, the conversion's status
/// (TypesNotCompatible) for units that do not convert, Underflow for a
/// temperature reading below absolute zero, and Overflow
/// for a finite value whose result is not finite. Allocates nothing on success
/// for short expressions.
QELUNITS_EXPORT Result<double> convert(double value, std::string_view from, std::string_view to);
/// A quantity text, as parseQuantity reads it ("5 ft + 10 in", "1|3 m", and a difference "1 Δ°F"), converted
/// to to, with the error of both steps; fails as parseQuantity and the other convert do.
QELUNITS_EXPORT Result<double> convert(std::string_view quantity, std::string_view to);
/// value in from as the reciprocal value in to, where the two are of reciprocal dimensions: 30 mpg is
/// 7.84 L/100 km. convert refuses such pairs, so that no reciprocal is taken unasked. Fails with
/// TypesNotCompatible where the dimensions are not reciprocal, Overflow for 0 and for a reciprocal
/// beyond the range of a double, and as convert for text that does not parse.
QELUNITS_EXPORT Result<double> convertReciprocal(double value, std::string_view from, std::string_view to);
/// A quantity text, as parseQuantity reads it, converted reciprocally to to.
QELUNITS_EXPORT Result<double> convertReciprocal(std::string_view quantity, std::string_view to);

/// What the catalogue knows of a unit's factor to the base unit of its type.
struct FactorDefinition {
    /// The factor the catalogue stores, which conversions by code use: QelUnitType, QelUnitVar, QelUnitBase.
    double stored = 1.0;
    /// The value the unit's definition gives, the nearest double, which conversions of texts use: the value
    /// API (qelunits::Unit), the parser's expressions, convert, the tool's texts and the Python module.
    double defined = 1.0;
    /// stored / defined - 1 where stored rounds the definition: -8.2e-07 for the ounce's 0.0283495 kg; 0 where
    /// stored is the definition (but for the last bits of a decimal, within 1e-15).
    double difference = 0.0;
    /// The definition in words ("lb/16"); empty where stored is the definition.
    std::string text;
    /// The relative standard uncertainty of a measured definition (the dalton's 3.1e-10); 0 for an exact one.
    double uncertainty = 0.0;
};
/// The stored factor of a builtin unit beside its definition; a unit outside 0 to 348 gives the defaults.
QELUNITS_EXPORT FactorDefinition factorDefinition(QelUnit::BuiltinUnits unit);

} // namespace qelunits

#endif
