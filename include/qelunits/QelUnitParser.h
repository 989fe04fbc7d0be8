#ifndef QELUNITS_QELUNITPARSER_H
#define QELUNITS_QELUNITPARSER_H

#include <qelunits/Export.h>
#include <qelunits/QelCommon.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitType.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Unit expressions: text such as "ft/min", "kg*m/s^2", "W/(m²·K)" or "us ft"
// read as a QelUnitType, and types written back as such text.
//
// Reading, in order:
//  1. The whole input (blanks at both ends ignored) that is one name of a unit
//     is that unit: an abbreviation, Vellum form, internal, singular or plural
//     name, compared as the lookup by name does (A to Z folded): "m/s",
//     "kg/cu m", "in-wg/100 ft", "gal(lmp)/d", "Kn(UK)".
//  2. Otherwise an expression: terms joined by '*', '·' or '/', grouped by
//     parentheses, with integer exponents "^N", "^-N", "**N" or superscripts
//     ("²", "³", "⁻¹", any of ⁻⁰¹²³⁴⁵⁶⁷⁸⁹). Exponents bind tighter than '*' and
//     '/', which associate left to right: "m/s^2" is m·s⁻², "a/b/c" is a/(b·c).
//     An exponent of 0 gives the dimensionless type. The number 1 alone stands
//     for the dimensionless unit ("1/s"); other numbers are refused, as a unit
//     type has no numeric factor.
//  3. A term is the text between operators, blanks and hyphens included
//     ("sq ft", "ft-lbf"). A unit name that itself holds operator characters
//     ("m/s", "m²", "Kn(UK)") is taken whole inside an expression where no
//     exponent follows it and, if it holds '/', '*' or '·', where it does not
//     directly follow '/' (there it would change the grouping). Write
//     "(m/s)^2" or "1/(m/s)" to raise or divide by such a unit.
//  4. Where no unit has the name, these aliases apply (exact case):
//     "s" second, "h" hour, "K" kelvin, "deg" and "°" angle_degree,
//     "degC" celsius, "degF" fahrenheit, "degR" rankine.
//  5. A name several units share: a unit whose text matches in exact case
//     goes before one that matches only with case folded; then a unit of an
//     SI base quantity (mass, length, time, temperature, current, amount of
//     substance, luminous intensity) before the others; then the lowest code.
//     So "min" is minute (not minim), "m" meter (not angle_minute), "g" gram,
//     "d" day, "yr" sidereal_year, "M" millenium, "cal" caliber.
//  6. No guessing: no prefixes ("gramm" is not gram·m), no multiplication by
//     juxtaposition ("kg m"); such input is an error.
//
// Failures are values, never exceptions (other than std::bad_alloc). Nesting
// deeper than kMaxNesting and powers beyond ±kMaxPower are errors. Positions
// count wide characters from 0 (code points of UTF-8 input).

/// The outcome of reading a unit expression: the type, or the error with its place and message.
class QELUNITS_EXPORT QelUnitParseResult {
public:
    /// What went wrong in a unit expression.
    enum class Error : std::int32_t {
        None = 0,                  ///< success
        NullText = 1,              ///< a null pointer was given
        Empty = 2,                 ///< nothing but blanks
        InvalidEncoding = 3,       ///< input that is not UTF-8
        UnknownUnit = 4,           ///< a term that names no unit
        UnexpectedText = 5,        ///< an operator, parenthesis or term where it cannot stand
        MissingOperand = 6,        ///< an operator without a unit after it, or "()"
        UnbalancedParenthesis = 7, ///< '(' without ')', or ')' without '('
        NestingTooDeep = 8,        ///< more than kMaxNesting open parentheses
        BadExponent = 9,           ///< an exponent without digits, or one after another
        PowerOutOfRange = 10,      ///< an exponent or resulting power beyond ±kMaxPower
        NumberNotOne = 11,         ///< no longer given: parse() reports numbers as ScaledUnit
        ScaledUnit = 12,       ///< parse() of a text with a scale other than 1 ("mg", "100 ft"): use parseExpression
        AmbiguousCase = 13,    ///< a name that matches only with case folded, and then means different units ("mpa")
        RefusedUnit = 14,      ///< a spelling refused on purpose, such as a gauge pressure ("psig")
        NumberOutOfRange = 15, ///< a number or resulting scale that is zero or beyond the range of a double
    };

    /// A success holding the dimensionless type.
    QelUnitParseResult() noexcept = default;
    /// A success holding 1 × type.
    explicit QelUnitParseResult(const QelUnitType& type) : mExpression(type) {}
    /// A success holding expression.
    explicit QelUnitParseResult(const QelUnitExpression& expression) : mExpression(expression) {}
    /// A failure.
    QelUnitParseResult(Error error, std::size_t position, const QelStringP& message);

    /// True on success.
    bool ok() const noexcept { return mError == Error::None; }
    /// True on success.
    explicit operator bool() const noexcept { return ok(); }
    /// The type read; dimensionless on failure.
    const QelUnitType& type() const noexcept { return mExpression.type(); }
    /// The scale read (1 from parse()); 1 on failure.
    double scale() const noexcept { return mExpression.scale(); }
    /// Scale and type read; 1 × dimensionless on failure.
    const QelUnitExpression& expression() const noexcept { return mExpression; }
    /// None on success.
    Error error() const noexcept { return mError; }
    /// Character index the error refers to; 0 on success.
    std::size_t position() const noexcept { return mPosition; }
    /// "unknown unit 'fot' at 0; did you mean 'ft'?"; "" on success.
    const wchar_t* message() const noexcept { return mMessage.c_str(); }

private:
    friend class QelUnitParser; // builds the expression in place

    QelUnitExpression mExpression;
    Error mError = Error::None;
    std::size_t mPosition = 0;
    QelStringP mMessage;
};

/// One unit a name can mean, and which of its texts matched.
struct QELUNITS_EXPORT QelUnitCandidate {
    /// The unit.
    QelUnit::BuiltinUnits unit;
    /// The kind of text that matched (Abbreviation for an alias).
    QelUnit::NameType matched;
    /// True when the text matched in exact case.
    bool exactCase;
    /// True for an entry of the everyday vocabulary ("s", "mph", "lbs").
    bool alias;
};

/// Every unit a name can mean, the one the parser picks first.
struct QELUNITS_EXPORT QelUnitCandidates {
    /// More than any name of the catalogue has.
    static constexpr std::size_t kCapacity = 16;
    /// Number of entries in use.
    std::size_t count = 0;
    /// Entries, in order of preference.
    QelUnitCandidate items[kCapacity] = {};
    /// For a short spelling whose catalogue meaning is kept although most people
    /// mean another unit: "'t' is the short ton here; the metric tonne is 'tonne'". Null otherwise.
    const wchar_t* note = nullptr;

    /// The first entry, for range-for.
    const QelUnitCandidate* begin() const noexcept { return items; }
    /// Past the last entry in use (count, at most kCapacity).
    const QelUnitCandidate* end() const noexcept { return items + (count < kCapacity ? count : kCapacity); }
};

/// Reads unit expressions and writes unit types as text. A class of static members only.
class QELUNITS_EXPORT QelUnitParser {
public:
    /// Deepest nesting of parentheses accepted.
    static constexpr int kMaxNesting = 64;
    /// Largest magnitude of an exponent or of a power in the result.
    static constexpr int kMaxPower = 1000;

    QelUnitParser() = delete;

    /// Reads a wide-character expression; allocates nothing on success for up to 8 units.
    static QelUnitParseResult parse(std::wstring_view text);
    /// Reads a null-terminated wide expression; null gives the error NullText.
    static QelUnitParseResult parse(const wchar_t* text);
    /// Reads a UTF-8 expression; positions count code points.
    static QelUnitParseResult parseUtf8(std::string_view text);
    /// Reads a null-terminated UTF-8 expression; null gives the error NullText.
    static QelUnitParseResult parseUtf8(const char* text);

    /// Reads an expression that may carry a scale ("mg", "L/100 km", "kJ/(kg·K)");
    /// allocates nothing on success for up to 8 units.
    static QelUnitParseResult parseExpression(std::wstring_view text);
    /// Reads a null-terminated wide expression with a scale; null gives the error NullText.
    static QelUnitParseResult parseExpression(const wchar_t* text);
    /// Reads a UTF-8 expression with a scale; positions count code points.
    static QelUnitParseResult parseExpressionUtf8(std::string_view text);
    /// Reads a null-terminated UTF-8 expression with a scale; null gives the error NullText.
    static QelUnitParseResult parseExpressionUtf8(const char* text);

    /// The unit one name means (no operators), by the rules above; false and dimensionless when none.
    static bool resolveName(std::wstring_view name, QelUnit::BuiltinUnits& unit) noexcept;
    /// Every unit a name can mean, preferred first; empty when none.
    static QelUnitCandidates candidates(std::wstring_view name) noexcept;

    /// The shortest text of a unit that reads back as that unit: its Vellum form,
    /// else its abbreviation, else its internal name.
    static const wchar_t* unitText(QelUnit::BuiltinUnits unit) noexcept;
    /// Text that reads back as an equal type: "ft", "kg·m/sec^2", "W/(m²·°K)", "1/hr", "(m/s)^2", "1".
    static QelStringP format(const QelUnitType& type);
    /// Text that parseExpression reads back as the same scale and type: "1e-06 kg", "0.01 l/km", "ft".
    static QelStringP format(const QelUnitExpression& expression);
    /// What the short spellings in an expression mean here when most people mean
    /// another unit ("'t' is the short ton here; the metric tonne is 'tonne'"),
    /// joined by "; "; empty when none.
    static QelStringP notes(std::wstring_view expression);
    /// The base dimensions of a type in symbols kg, m, s, K, A, mol, cd, rad, sr, Hz: "kg·m/s^2"; "1" if none.
    static QelStringP formatDimension(const QelUnitType& type);
    /// The base unit of a type (its factor is 1 by definition); dimensionless for a type without one.
    static QelUnit::BuiltinUnits baseUnit(QelUnit::BuiltinTypes type) noexcept;

    /// UTF-8 text of a wide text.
    static std::string toUtf8(std::wstring_view text);
    /// Wide text of UTF-8 text; false (and out unchanged) when it is not UTF-8.
    static bool fromUtf8(std::string_view text, std::wstring& out);
};

#endif
