#ifndef QELUNITS_SRC_PARSE_LEXER_H
#define QELUNITS_SRC_PARSE_LEXER_H

// The tokens of a unit expression. The lexer keeps no state of its own: the
// reader tells it what came before, and it cuts the next token. Inline, as the
// reader calls it for every token.

#include "catalog/HashedTexts.h"
#include "parse/CharClass.h"
#include "parse/Lexicon.h"
#include "parse/Vocabulary.h"

#include <qelunits/QelUnitParser.h>

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

enum class TokenKind : std::uint8_t {
    End,
    Term,      // a word, or a name holding blanks or operators taken whole ("sq ft", "m/s", "deg C"), or a prefix
               // word and the unit name after it ("kilo electron volt")
    Number,    // a decimal number: 12, 0.5, 1e-3
    BadNumber, // a number that runs on: "1.2.3"
    Times,     // '*' or '×'
    Divide,    // '/' or "per" (with kPerWord)
    Dot,       // '·', '⋅', or '.' between two units: a product, as '*' is
    Join,      // '-' between two units ("N-mm", "hr-ft2-°F"): a product tighter than '/'
    Open,      // '('
    Close,     // ')'
    Power,     // "^N", "**N", superscripts, digits right after a unit ("m2", "s-1"), "squared", "cubed",
               // "to the fourth power"
    BadPower,  // an exponent marker without a whole number
    Modifier,  // "sq", "square", "cu", "cubic", "reciprocal": the next unit to the power in exponent
    Stray,     // a character that cannot stand where it is
};

// begin and end lie apart, so that the compiler reads them as two words, each from the store that wrote it: one
// wide load across the lexer's separate stores would wait for them to retire.
struct Token {
    std::size_t begin{};  // [begin, end) in the input
    std::uint32_t hash{}; // Term with Hashed: the folded hash of the word
    int exponent{};       // Power and Modifier: the value, clamped just past the largest accepted
    std::size_t end{};
    TokenKind kind = TokenKind::End;
    std::uint8_t flags{}; // set afresh for every token

    static constexpr std::uint8_t kAdjacent = 1;          // no blank between the token before and this one
    static constexpr std::uint8_t kHashed = 2;            // Term: a plain word, with its hash
    static constexpr std::uint8_t kWholeNameRejected = 4; // Term: a name with operators started here but was not
                                                          // read whole
    static constexpr std::uint8_t kTooLarge = 8;          // Power: beyond the largest power accepted
    static constexpr std::uint8_t kPerWord = 16;          // Divide: the word "per", which names write
    static constexpr std::uint8_t kUnboundPrefix = 32;    // Term: "kilo" and a unit name that takes no prefix

    bool adjacent() const noexcept { return (flags & kAdjacent) != 0; }
    bool hashed() const noexcept { return (flags & kHashed) != 0; }
    bool wholeNameRejected() const noexcept { return (flags & kWholeNameRejected) != 0; }
    bool exponentTooLarge() const noexcept { return (flags & kTooLarge) != 0; }
    bool perWord() const noexcept { return (flags & kPerWord) != 0; }
    bool unboundPrefix() const noexcept { return (flags & kUnboundPrefix) != 0; }
};

/// What the reader knows at the place of the next token.
struct LexContext {
    TokenKind previous = TokenKind::End;
    bool inDivisor = false; // the tight product being read follows '/'
};

/// Whether a token starts a product of its own after the one before: a blank
/// after a unit, an exponent or a parenthesis ("kg m", "m2 s"). Without a blank,
/// and after a number ("100 km"), it joins the product before.
constexpr bool startsLooseProduct(TokenKind previous, bool adjacent) {
    return !adjacent && (previous == TokenKind::Term || previous == TokenKind::Power || previous == TokenKind::Close);
}

/// The end of the blanks from at.
inline std::size_t skipBlanks(const wchar_t* text, std::size_t length, std::size_t at) noexcept {
    while (at < length && isBlank(text[at])) {
        ++at;
    }
    return at;
}

/// A character that starts a word: not a blank, operator, joiner, sign or digit.
constexpr bool startsWord(wchar_t c) { return !endsWord(c) && !isSign(c); }

/// Cuts tokens other than words: operators, numbers and exponents. Out of line: words are the common case.
void cutOther(const wchar_t* text, std::size_t length, const LexContext& context, bool inDivisor,
              Token& token) noexcept;

/// Cuts the word or whole name at token.begin, or the operator word it is ("per", "squared", "sq").
void cutTerm(const wchar_t* text, std::size_t length, bool inDivisor, Token& token) noexcept;

/// The token at or after text[pos] (blanks skipped), given what came before.
inline void nextToken(const wchar_t* text, std::size_t length, std::size_t pos, const LexContext& context,
                      Token& token) noexcept {
    std::size_t at = skipBlanks(text, length, pos);
    bool adjacent = at == pos;
    // A period right after a unit abbreviates it ("ft.", "sq. ft.", "sq.ft").
    if (adjacent && at < length && text[at] == L'.' &&
        (context.previous == TokenKind::Term || context.previous == TokenKind::Modifier) &&
        (at + 1 == length || isBlank(text[at + 1]) || isOperatorChar(text[at + 1]) ||
         context.previous == TokenKind::Modifier)) {
        at = skipBlanks(text, length, at + 1);
        adjacent = false;
    }
    token.begin = at;
    token.end = at;
    token.kind = TokenKind::End;
    token.flags = adjacent ? Token::kAdjacent : 0;
    if (at >= length) {
        return;
    }
    const bool inDivisor = context.inDivisor && !startsLooseProduct(context.previous, adjacent);
    if (startsWord(text[at])) {
        cutTerm(text, length, inDivisor, token);
    } else {
        cutOther(text, length, context, inDivisor, token);
    }
}

} // namespace qelunits_detail

#endif
