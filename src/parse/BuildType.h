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

/// Reads text[0, length) into out (which arrives as 1 × dimensionless); false with failure filled in.
bool buildExpression(const wchar_t* text, std::size_t length, QelUnitExpression& out, ParseFailure& failure,
                     NoteSink* notes = nullptr);

/// The shortest decimal text that reads back as value ("1e-06", "0.01").
std::wstring shortestNumber(double value);

/// The message for a failure ("unknown unit 'fot' at 0; did you mean 'ft'?").
QelStringP describeFailure(const wchar_t* text, std::size_t length, const ParseFailure& failure);

} // namespace qelunits_detail

#endif
