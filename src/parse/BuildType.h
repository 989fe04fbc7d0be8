#ifndef QELUNITS_SRC_PARSE_BUILDTYPE_H
#define QELUNITS_SRC_PARSE_BUILDTYPE_H

// Stage 3 of reading a unit expression: the grammar, building the QelUnitType.

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitType.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace qelunits_detail {

/// Refinements of an error code that change its message.
enum class FailureDetail : std::uint8_t {
    None,
    MissingOperator,   // two units side by side
    EmptyParentheses,  // "()"
    NotClosed,         // '(' without ')'
    NotOpened,         // ')' without '('
    SecondExponent,    // "m^2^3"
    WholeNameRejected, // "Kn(UK)^2": a name with operators could not be read whole here
};

/// Where and why reading failed; [position, end) is the offending text.
struct ParseFailure {
    QelUnitParseResult::Error code = QelUnitParseResult::Error::None;
    std::size_t position = 0;
    std::size_t end = 0;
    FailureDetail detail = FailureDetail::None;
};

/// Reads text[0, length) as an expression into type; false with failure filled in.
bool buildType(const wchar_t* text, std::size_t length, QelUnitType& type, ParseFailure& failure);

/// The shortest decimal text that reads back as value ("1e-06", "0.01").
std::wstring shortestNumber(double value);

/// The message for a failure ("unknown unit 'fot' at 0; did you mean 'ft'?").
QelStringP describeFailure(const wchar_t* text, std::size_t length, const ParseFailure& failure);

} // namespace qelunits_detail

#endif
