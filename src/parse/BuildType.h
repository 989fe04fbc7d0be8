#ifndef QELUNITS_SRC_PARSE_BUILDTYPE_H
#define QELUNITS_SRC_PARSE_BUILDTYPE_H

// Stage 3 of reading a unit expression: the grammar, building scale and type.

#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitParser.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace qelunits_detail {

/// Refinements of an error code that change its message.
enum class FailureDetail : std::uint8_t {
    None,
    MissingOperator,   // '(' right after a unit
    EmptyParentheses,  // "()"
    NotClosed,         // '(' without ')'
    NotOpened,         // ')' without '('
    SecondExponent,    // "m^2^3"
    WholeNameRejected, // "Kn(UK)^2": a name with operators could not be read whole here
    Scale,             // a product or power whose scale leaves the range of a double
};

/// Where and why reading failed; [position, end) is the offending text.
struct ParseFailure {
    QelUnitParseResult::Error code = QelUnitParseResult::Error::None;
    std::size_t position = 0;
    std::size_t end = 0;
    FailureDetail detail = FailureDetail::None;
};

/// The notes of the kept short spellings an expression uses, each once.
struct NoteSink {
    static constexpr std::size_t kCapacity = 8;
    const wchar_t* notes[kCapacity] = {};
    std::size_t count = 0;
    void add(const wchar_t* note) noexcept;
};

/// Adds note where there is one and a sink takes notes.
inline void addNote(NoteSink* notes, const wchar_t* note) noexcept {
    if (note != nullptr && notes != nullptr) {
        notes->add(note);
    }
}

/// Whether a power lies within ±QelUnitParser::kMaxPower.
constexpr bool powerInRange(std::int64_t power) {
    return power >= -QelUnitParser::kMaxPower && power <= QelUnitParser::kMaxPower;
}

/// type times unit^delta; false, and type unchanged, when the power would leave the range.
bool addPowerInRange(QelUnitType& type, QelUnit::BuiltinUnits unit, std::int64_t delta);

/// scale times factor^power, rounded once where power is 1 or -1.
double scaledBy(double scale, double factor, std::int64_t power);

/// text[0, length), whose hashFolded is hash, as one catalogue text: out becomes that unit and its note goes to
/// notes; false, and out untouched, where it is none.
bool readCatalogueName(const wchar_t* text, std::size_t length, std::uint32_t hash, QelUnitExpression& out,
                       NoteSink* notes);

/// A short input that is one catalogue text ("m", "ft", "m/s", "sq ft"), as the
/// grammar reads it, in one lookup; false where the text needs more.
bool readShortName(const wchar_t* text, std::size_t length, QelUnitExpression& out, NoteSink* notes);

/// The common forms of an expression, read in one pass as the grammar reads them: a
/// unit name ("m", "m/s"), or names joined by '*', '/' or '·', each with an optional
/// "^N" or superscript exponent ("ft/min", "kg*m/s^2"); false, and out untouched,
/// where the text needs the grammar (the notes of what was read may stay).
bool readQuickly(const wchar_t* text, std::size_t length, QelUnitExpression& out, NoteSink* notes);

/// Reads text[0, length) into out (which arrives as 1 × dimensionless); false with failure filled in.
bool buildExpression(const wchar_t* text, std::size_t length, QelUnitExpression& out, ParseFailure& failure,
                     NoteSink* notes = nullptr);

/// The same by the grammar alone, without the one-pass readings of common forms.
bool buildWithGrammar(const wchar_t* text, std::size_t length, QelUnitExpression& out, ParseFailure& failure,
                      NoteSink* notes = nullptr);

/// The shortest decimal text that reads back as value ("1e-06", "0.01").
std::wstring shortestNumber(double value);

/// The message for a failure ("unknown unit 'fot' at 0; did you mean 'ft'?").
QelStringP describeFailure(const wchar_t* text, std::size_t length, const ParseFailure& failure);

} // namespace qelunits_detail

#endif
