#ifndef QELUNITS_QELUNITPARSER_H
#define QELUNITS_QELUNITPARSER_H

#include <qelunits/Export.h>
#include <qelunits/QelCommon.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/QelUnitVar.h>

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string_view>

// Unit expressions: text such as "ft/min", "kg*m/s^2", "W/(m²·K)", "us ft",
// "kJ/(kg·K)", "kg m-2 s-1" or "joule per kilogram kelvin" read as a scale times
// a QelUnitType, and written back as such text.
//
// Grammar, tightest first:
//  1. Exponents: "^N", "^-N", "**N", superscripts ("²", "⁻¹"), digits right
//     after a unit ("m2", "s-1"), the words "squared" and "cubed", and "to the
//     fourth power" ("to the 4th power", "to the power of minus 2"); "sq",
//     "square", "cu", "cubic", "reciprocal" and "inverse" raise the unit after
//     them ("sq. ft.", "reciprocal second").
//  2. Units joined by '-' ("N-mm", "Btu/hr-ft2-°F"), written without a blank
//     after an exponent ("W/m2K"), or after a number ("L/100 km", "100km"):
//     one product, tighter than '/'.
//  3. '*', '/' (or "per"), '.', '·' and units side by side, left to right:
//     "a/b/c" is a/(b·c), "a/b*c" and "m.m/m.s" are a·c/b and m. Units side by
//     side or joined by '·' right after a divisor ("J/kg K", "W/m·K") are
//     refused: readers take them for J·K/kg, writers mostly mean J/(kg·K).
//     Names written in words after "per" are the exception, as the SI writes
//     them: "per" divides by every name after it ("watt per square meter
//     kelvin" is W/(m²·K), "joule per kilogram kelvin" J/(kg·K)); a name
//     holding "per" ("Meter per second") is read in parts where names follow.
//     A leading '/' is 1/ ("/s").
//  Parentheses group. A positive decimal number ("100", "2.5", "1e3") scales
//  the expression; the leading one may be negative ("-1 degree_east").
//
// A unit name, in order:
//  1. A known spelling: the everyday spellings and the catalogue's texts. A
//     symbol (an abbreviation, a Vellum form, "mph", "kWh") is read in its own
//     case only; a name (internal, singular or plural, "tablespoon") in any.
//     Where the references of the field agree on what a short spelling means,
//     it means that, even where the catalogue gives it another unit: "t" is the
//     tonne, "C" the coulomb, "cal" the thermochemical calorie, "nmi" 1852 m,
//     "bbl" the 42-gallon barrel, "M" mol/l, "At" the ampere-turn ("at" the
//     technical atmosphere), "nt" the nit. The year by text ("yr", "year", "a",
//     "annum") is the Julian year, 365.25 d, and "month", "decade", "century"
//     and "millennium" a twelfth and multiples of it; west and south count
//     negative ("degree_west" is -1 degree east). The catalogue's unit is
//     reached by an unambiguous text ("short ton", "sidereal year", "tropical
//     century", "caliber", "dry barrel"). Where two fields read one spelling as
//     two units and neither plainly prevails, it is refused with both named
//     ("kt": the knot or the kilotonne; "RT"; "kiloton"); logarithmic units
//     ("dB", "dBm", "Np") are refused for qelunits::Level.
//     Among catalogue units that share a text, a unit of an SI base quantity
//     goes first, then the lowest code ("min" is the minute). A lone "C" or "F"
//     is refused (a coulomb or a degree?), as are gauge pressures ("psig").
//  2. An SI prefix (q r y z a f p n µ μ u m c d da h k M G T P E Z R Q) on the
//     symbol of a unit that takes one, or a prefix word on its name, written
//     apart or not: "kJ", "µs", "mg", "kilojoule", "megawatts", "kilo electron
//     volt", "milli gram" ("kilo" alone is the kilogram; before a name that takes
//     no prefix, "kilo foot", it reads two ways and is refused); binary prefixes
//     (Ki, Mi, ...) on bits and bytes. No prefix attaches to a refused or
//     unknown symbol.
//  3. A name written with underscores reads as with blanks ("degree_Celsius");
//     "Δ" or "delta_" before a temperature makes a difference ("Δ°C"); a
//     qualifier in parentheses picks a kind ("gal (UK)", "ft (US)", "ton (short)").
//  A symbol that matches only in another case is an error that names the
//  spellings that exist ("'kpa': did you mean 'kPa'?"); nothing is guessed.
//
// parse() reads a unit type and refuses a text whose scale is not 1 ("mg",
// "100 ft"); parseExpression() reads both. Failures are values, never
// exceptions (other than std::bad_alloc). Nesting deeper than kMaxNesting and
// powers beyond ±kMaxPower are errors. Positions count wide characters from 0
// (code points of UTF-8 input).
//
// All members may be called from several threads at once: they read constant
// tables and keep no state.

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
        AmbiguousCase = 13,    ///< no longer given: a symbol in another case is WrongCase
        RefusedUnit = 14,      ///< a spelling refused on purpose, such as a gauge pressure ("psig") or a lone "C"
        NumberOutOfRange = 15, ///< a number or resulting scale that is zero or beyond the range of a double
        WrongCase = 16,        ///< a symbol written in another case than its own ("kpa", "MHZ"); the message names it
        AmbiguousProduct = 17, ///< units side by side, or joined by '·', after '/' ("J/kg K"): readers differ
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

/// Every catalogue unit a name can mean, its text matched with case folded (a symbol of one
/// character only in exact case), the parser's reading first where that is one unit.
struct QELUNITS_EXPORT QelUnitCandidates {
    /// More than any name of the catalogue has.
    static constexpr std::size_t kCapacity = 16;
    /// Number of entries in use.
    std::size_t count = 0;
    /// Entries, in order of preference.
    QelUnitCandidate items[kCapacity] = {};
    /// For a short spelling whose meaning here is not the one every reference gives it:
    /// what it means and what to write for the other. Null otherwise.
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

    /// The unit one name means by the rules above, when it means one unit unscaled; false and dimensionless otherwise.
    static bool resolveName(std::wstring_view name, QelUnit::BuiltinUnits& unit) noexcept;
    /// Every catalogue unit a name can mean, the parser's reading first; empty when none.
    static QelUnitCandidates candidates(std::wstring_view name) noexcept;

    /// The shortest text of a unit that reads back as that unit: its Vellum form,
    /// else its abbreviation, else its internal name.
    static const wchar_t* unitText(QelUnit::BuiltinUnits unit) noexcept;
    /// Text that reads back as an equal type: "ft", "kg·m/sec^2", "W/(m²·°K)", "1/hr", "(m/s)^2", "1".
    static QelStringP format(const QelUnitType& type);
    /// Text that parseExpression reads back as the same scale and type: "1e-06 kg", "0.01 l/km", "ft".
    static QelStringP format(const QelUnitExpression& expression);
    /// What the short spellings in an expression mean here where references read
    /// them otherwise ("'yr' is the Julian year here; ..."), joined by "; "; empty when none.
    static QelStringP notes(std::wstring_view expression);

private:
    static void readInto(std::wstring_view text, QelUnitParseResult& result, bool scaled);
};

// Written forms of the library's values, as format() writes them (the number as the stream would).

/// Writes the type as QelUnitParser::format does, in UTF-8.
QELUNITS_EXPORT std::ostream& operator<<(std::ostream& out, const QelUnitType& type);
/// Writes the type as QelUnitParser::format does.
QELUNITS_EXPORT std::wostream& operator<<(std::wostream& out, const QelUnitType& type);
/// Writes the expression as QelUnitParser::format does ("1e-06 kg"), in UTF-8.
QELUNITS_EXPORT std::ostream& operator<<(std::ostream& out, const QelUnitExpression& expression);
/// Writes the expression as QelUnitParser::format does.
QELUNITS_EXPORT std::wostream& operator<<(std::wostream& out, const QelUnitExpression& expression);
/// Writes the value as the stream would, a blank and the type, as one field (a width pads the whole), in UTF-8.
QELUNITS_EXPORT std::ostream& operator<<(std::ostream& out, const QelUnitVar& quantity);
/// Writes the value as the stream would, a blank and the type, as one field.
QELUNITS_EXPORT std::wostream& operator<<(std::wostream& out, const QelUnitVar& quantity);

#endif
