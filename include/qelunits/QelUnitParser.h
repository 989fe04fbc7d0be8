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

// Unit expressions: text such as "ft/min", "kg*m/s^2", "W/(m²·K)", "us ft",
// "kJ/(kg·K)" or "kg m-2 s-1" read as a scale times a QelUnitType, and written
// back as such text.
//
// Grammar, tightest first:
//  1. Exponents: "^N", "^-N", "**N", superscripts ("²", "⁻¹"), digits right
//     after a unit ("m2", "s-1"), and the words "squared" and "cubed"; "sq",
//     "square", "cu" and "cubic" raise the unit after them ("sq. ft.").
//  2. A product of units side by side, joined by blanks, '·', or '-' or '.'
//     between two words: "N m", "N-mm", "m.s-1", "W/m·K" is W/(m·K), "J/kg K"
//     is J/(kg·K), "L/100 km" is L/(100 km).
//  3. '*' and '/' (or "per"), left to right: "a/b/c" is a/(b·c), "W/m*K" is W·K/m.
//  Parentheses group. A positive decimal number ("100", "2.5", "1e3") scales
//  the expression; a number right before a unit binds to it ("100km").
//
// A unit name, in order:
//  1. A text of the catalogue (abbreviation and Vellum form in exact case;
//     internal, singular and plural names with case folded): "m/s", "kg/cu m",
//     "in-wg/100 ft", "Kn(UK)", "Cubic feet per minute". A name holding
//     operators is read whole where no exponent follows it and, holding '/' or
//     '*', where it would not regroup a quotient: write "(m/s)^2", "1/(m/s)".
//  2. An everyday spelling: "s", "h", "K", "°", "degC", "mph", "lbs", "cc",
//     "Nm", "ft-lb", "ppm", "%", "cup", "tbsp", "psia", "inHg", "℃", ...
//  3. An SI prefix (q r y z a f p n µ μ u m c d da h k M G T P E Z R Q) on the
//     symbol of a unit of the SI or accepted with it (m g s sec A K mol cd rad
//     sr Hz N J Pa W V lx lm L l bar Wh eV VA Ah Ω S F H Wb T Gy Sv Bq Da), or
//     a prefix word on its name: "kJ", "µs", "mg", "kilojoule", "megawatts".
//     Temperature scales with an offset and units outside the SI take none.
//  4. Only if nothing matched so: the symbols with case folded, where every
//     spelling that matches means the same ("kwh" is the kWh; "mpa" is an
//     error that names MPa and mPa). A symbol of one character is never folded.
//  Among catalogue units that share a name, a unit of an SI base quantity goes
//  first, then the lowest code: "min" is the minute, "m" the meter, "g" the
//  gram, "yr" the sidereal year, "M" the millenium. A few short spellings keep
//  the catalogue's meaning although people often mean another unit ("t" is the
//  short ton, "C" the century, "cal" the caliber, "bbl" the dry barrel, "nmi"
//  the UK nautical mile): candidates() and notes() say what to write instead.
//  Gauge pressures ("psig", "barg") are refused: read as absolute they would be
//  wrong by an atmosphere.
//
// parse() reads a unit type and refuses a text whose scale is not 1 ("mg",
// "100 ft"); parseExpression() reads both. Failures are values, never
// exceptions (other than std::bad_alloc). Nesting deeper than kMaxNesting and
// powers beyond ±kMaxPower are errors. Positions count wide characters from 0
// (code points of UTF-8 input).

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

/// Every catalogue unit a name can mean (a symbol of one character only in exact case),
/// the parser's reading first where that is one unit.
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

private:
    static void readInto(std::wstring_view text, QelUnitParseResult& result, bool scaled);
};

#endif
