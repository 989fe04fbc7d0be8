#ifndef QELUNITS_SRC_PARSE_TOKENISE_H
#define QELUNITS_SRC_PARSE_TOKENISE_H

// Stage 1 of reading a unit expression: the text cut into tokens, one at a time.

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

enum class TokenKind : std::uint8_t {
    End,
    Term,      // a word, or a unit name taken whole ("sq ft", "m/s", "deg C")
    Number,    // a decimal number: 12, 0.5, 1e-3
    BadNumber, // a number that runs on: "1.2.3"
    Times,     // '*' or '×'
    Dot,       // '·', or '-' or '.' joining two units: a product tighter than '/'
    Divide,    // '/' or "per"
    Open,      // '('
    Close,     // ')'
    Power,     // "^N", "**N", superscripts, digits after a unit ("m2", "s-1"), "squared", "cubed"
    BadPower,  // an exponent marker without digits
    Modifier,  // "sq", "square", "cu", "cubic": the next unit to the power in exponent
    Stray,     // a character that cannot stand where it is
};

struct Token {
    std::size_t begin = 0; // [begin, end) in the input
    std::size_t end = 0;
    int exponent = 0; // Power and Modifier: the value, clamped just past the largest accepted
    TokenKind kind = TokenKind::End;
    bool exponentTooLarge = false;
    bool wholeNameRejected = false; // Term: a unit name with operators started here but could not be read whole
    bool hashed = false;            // Term: hash holds the folded hash of the word (a plain word, not a whole name)
    std::uint32_t hash = 0;
};

/// The end of the longest unit name of the table of whole names ("m/s", "sq ft",
/// "ft-lbf") that starts at text[start], whose first word ends at start + firstBreak
/// (wordHash its hashFolded), and that the grammar reads whole there (inDivisor: the
/// product there follows '/'); 0 when none. rejected tells that a name was passed over.
std::size_t wholeNameEnd(const wchar_t* text, std::size_t length, std::size_t start, std::size_t firstBreak,
                         std::uint32_t wordHash, bool inDivisor, bool& rejected) noexcept;

/// Cuts an expression into tokens; next() gives them in order, then End forever.
class Lexer {
public:
    Lexer(const wchar_t* text, std::size_t length) noexcept : mText(text), mLength(length) {}
    /// Overwrites token with the next one (in place: a token is larger than two registers).
    void next(Token& token) noexcept;

private:
    bool lexAfterUnit(Token& token) noexcept;
    void lexOperator(Token& token, wchar_t c) noexcept;
    void lexExponent(Token& token, std::size_t digitsFrom, bool superscript) const noexcept;
    void lexNumber(Token& token) const noexcept;
    void lexTerm(Token& token) const noexcept;
    std::size_t wholeNameEnd(std::size_t firstBreak, std::uint32_t wordHash, bool& rejected) const noexcept;
    std::size_t skipBlanks(std::size_t at) const noexcept;
    void track(TokenKind kind) noexcept;

    const wchar_t* mText;
    std::size_t mLength;
    // Between the two sizes: adjacent, the compiler loads both in one 16-byte
    // read that stalls on the 8-byte store of mPos just before.
    TokenKind mPrevious = TokenKind::End;
    bool mInDivisor = false; // the current product follows '/'
    std::size_t mPos = 0;
    std::uint64_t mOuterDivisors = 0; // mInDivisor of each enclosing group, innermost in bit 0
};

} // namespace qelunits_detail

#endif
