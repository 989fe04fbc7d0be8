#ifndef QELUNITS_SRC_PARSE_TOKENISE_H
#define QELUNITS_SRC_PARSE_TOKENISE_H

// Stage 1 of reading a unit expression: the text cut into tokens, one at a time.

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

enum class TokenKind : std::uint8_t {
    End,
    Term,     // a run of text between operators, or a unit name taken whole
    Number,   // digits and points only
    Times,    // '*' or '·'
    Divide,   // '/'
    Open,     // '('
    Close,    // ')'
    Power,    // "^N", "**N" or superscripts
    BadPower, // an exponent marker without digits
};

struct Token {
    std::size_t begin = 0; // [begin, end) in the input
    std::size_t end = 0;
    int exponent = 0; // Power: the value, clamped just past the largest accepted
    TokenKind kind = TokenKind::End;
    bool exponentTooLarge = false;
    bool wholeNameRejected = false; // Term: a unit name with operators started here but could not be read whole
};

constexpr bool isBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r') || c == L'\u00A0'; }
/// Characters that end a term: '*', '·', '/', '(', ')', '^' and the superscript exponent characters.
constexpr bool isOperatorChar(wchar_t c) {
    return c == L'*' || c == L'/' || c == L'(' || c == L')' || c == L'^' || c == L'\u00B7' || c == L'\u00B2' ||
           c == L'\u00B3' || c == L'\u00B9' || c == L'\u207A' || c == L'\u207B' ||
           (c >= L'\u2070' && c <= L'\u2079' && c != L'\u2071' && c != L'\u2072' && c != L'\u2073');
}

/// Cuts an expression into tokens; next() gives them in order, then End forever.
class Lexer {
public:
    Lexer(const wchar_t* text, std::size_t length) noexcept : mText(text), mLength(length) {}
    /// Overwrites token with the next one (in place: a token is larger than two registers).
    void next(Token& token) noexcept;

private:
    void lexExponent(Token& token, std::size_t digitsFrom, bool superscript) const noexcept;
    void lexTerm(Token& token) const noexcept;
    std::size_t wholeNameEnd(std::size_t firstOperator, bool& rejected) const noexcept;
    bool exponentFollows(std::size_t at) const noexcept;
    std::size_t skipBlanks(std::size_t at) const noexcept;

    const wchar_t* mText;
    std::size_t mLength;
    // Between the two sizes: adjacent, the compiler loads both in one 16-byte
    // read that stalls on the 8-byte store of mPos just before.
    TokenKind mPrevious = TokenKind::End;
    std::size_t mPos = 0;
};

} // namespace qelunits_detail

#endif
