#include "parse/Lexer.h"
#include "parse/ReadName.h"
#include "parse/Terms.h"

#include <algorithm>

namespace qelunits_detail {
namespace {

wchar_t charAt(const wchar_t* text, std::size_t length, std::size_t i) { return i < length ? text[i] : L'\0'; }

void cutOperator(wchar_t c, Token& token) {
    token.end = token.begin + 1;
    token.kind = c == L'/'        ? TokenKind::Divide
                 : c == L'('      ? TokenKind::Open
                 : c == L')'      ? TokenKind::Close
                 : isMiddleDot(c) ? TokenKind::Dot
                                  : TokenKind::Times;
}

// One reader of exponents: after '^' or "**" (blanks allowed around the sign), superscripts, or digits right
// after a unit.
void cutExponent(const wchar_t* text, std::size_t length, std::size_t digitsFrom, bool superscript, Token& token) {
    const bool blanks = !superscript && digitsFrom != token.begin;
    std::size_t i = blanks ? skipBlanks(text, length, digitsFrom) : digitsFrom;
    // An exponent in parentheses after its marker: "**(-1)", "^(2)".
    const bool parenthesised = blanks && charAt(text, length, i) == L'(';
    i = parenthesised ? skipBlanks(text, length, i + 1) : i;
    bool negative = false;
    if (i < length && (superscript ? text[i] == L'\u207B' || text[i] == L'\u207A' : isSign(text[i]))) {
        negative = text[i] != L'+' && text[i] != L'\u207A';
        i = blanks ? skipBlanks(text, length, i + 1) : i + 1;
    }
    const std::size_t digits = i;
    int value = 0;
    for (; i < length; ++i) {
        const int d = superscript ? superscriptDigit(text[i]) : (isDigit(text[i]) ? text[i] - L'0' : -1);
        if (d < 0) {
            break;
        }
        // Saturates just past the limit: no overflow however many digits follow.
        value = value > QelUnitParser::kMaxPower ? value : value * 10 + d;
    }
    const bool fraction = !superscript && charAt(text, length, i) == L'.' && isDigit(charAt(text, length, i + 1));
    if (parenthesised && i != digits && !fraction) {
        i = skipBlanks(text, length, i);
        if (charAt(text, length, i) != L')') {
            i = digits; // not closed: no whole number
        } else {
            ++i;
        }
    }
    if (i == digits || fraction) {
        while (fraction && i < length && (isDigit(text[i]) || text[i] == L'.')) {
            ++i;
        }
        token.kind = TokenKind::BadPower;
        token.end = i;
        return;
    }
    token.kind = TokenKind::Power;
    token.end = i;
    token.flags |= value > QelUnitParser::kMaxPower ? Token::kTooLarge : 0;
    token.exponent = negative ? -value : value;
}

// The number at token.begin, its digits from start (past a leading '-').
void cutNumber(const wchar_t* text, std::size_t length, std::size_t start, Token& token) {
    const auto digitsFrom = [text, length](std::size_t i) {
        while (i < length && isDigit(text[i])) {
            ++i;
        }
        return i;
    };
    std::size_t i = digitsFrom(start);
    if (charAt(text, length, i) == L'.' && isDigit(charAt(text, length, i + 1))) {
        i = digitsFrom(i + 1);
    }
    const wchar_t e = charAt(text, length, i);
    if (e == L'e' || e == L'E') {
        const wchar_t sign = charAt(text, length, i + 1);
        const std::size_t skip = sign == L'+' || sign == L'-' ? 1 : 0;
        if (isDigit(charAt(text, length, i + 1 + skip))) {
            i = digitsFrom(i + 1 + skip);
        }
    }
    token.kind = TokenKind::Number;
    if (charAt(text, length, i) == L'.') {
        token.kind = TokenKind::BadNumber; // "1.2.3", "1."
        while (i < length && (isDigit(text[i]) || text[i] == L'.')) {
            ++i;
        }
    }
    token.end = i;
}

// Right after a unit: digits raise it ("m2", "s-1"); '-' before a word joins ("N-mm"), also after its
// exponent ("hr-ft2-°F"); '.' before a word multiplies ("m.s-1"). False where none of these follows.
bool cutAfterUnit(const wchar_t* text, std::size_t length, TokenKind previous, Token& token) {
    const wchar_t c = text[token.begin];
    const wchar_t next = charAt(text, length, token.begin + 1);
    // A zero does not start such an exponent: "g0" is not g to the power 0.
    if (previous == TokenKind::Term && ((isDigit(c) && c != L'0') || (isSign(c) && isDigit(next) && next != L'0'))) {
        cutExponent(text, length, token.begin, false, token);
        return true;
    }
    if (isJoiner(c) && token.begin + 1 < length && startsWord(next)) {
        token.kind = c == L'-' ? TokenKind::Join : TokenKind::Dot;
        token.end = token.begin + 1;
        return true;
    }
    return false;
}

// The shortest prefix word ("kilo", "deca", "kibi").
constexpr std::size_t kShortestPrefixWord = 4;

// A prefix word (or a word that starts with one) and the unit name after a blank, read as one name: "kilo
// electron volt", "Kilo Gram Force", "kiloelectron volt". The end of that name, 0 where there is none; unbound
// tells that the word is "kilo", a unit alone, before a name that takes no prefix ("kilo foot"), whose end is
// given: that reads two ways. Off the common path: only words of a prefix's length before a blank come here.
[[gnu::noinline]] std::size_t prefixedNameEnd(const wchar_t* text, std::size_t length, std::size_t start,
                                              std::size_t wordEnd, std::uint32_t wordHash, bool inDivisor,
                                              bool& unbound) {
    const std::size_t prefix = prefixWordLength(text + start, wordEnd - start);
    const std::size_t next = skipBlanks(text, length, wordEnd);
    if (prefix == 0 || next >= length || !startsWord(text[next])) {
        return 0;
    }
    std::size_t nextEnd = next;
    std::uint32_t hash = kHashSeed;
    for (; nextEnd < length && !endsWord(text[nextEnd]); ++nextEnd) {
        hash = hashStep(hash, text[nextEnd]);
    }
    if (operatorWord(text + next, nextEnd - next) != OperatorWord::None) {
        return 0;
    }
    bool rejected = false;
    const std::size_t whole =
        nextEnd < length ? wholeNameEnd(text, length, next, nextEnd - next, hash, inDivisor, rejected) : 0;
    for (const std::size_t end : {std::max(whole, nextEnd), nextEnd}) {
        const Reading reading = readName(text + start, end - start);
        if (reading.status == ReadStatus::Found && reading.source.kind == ReadingSource::Kind::Prefixed &&
            reading.source.byName) {
            return end;
        }
    }
    const LexEntry* alone = findSpelling(text + start, wordEnd - start, wordHash);
    const LexEntry* after = findSpelling(text + next, nextEnd - next, hash);
    unbound = prefix == wordEnd - start && alone != nullptr && after != nullptr && !after->exact;
    return unbound ? std::max(whole, nextEnd) : 0;
}

// A word that is an operator ("per", "squared", "cubic", "to the fourth power") as the token it makes.
void applyOperatorWord(const wchar_t* text, std::size_t length, std::size_t start, std::size_t runEnd,
                       Token& token) noexcept {
    switch (operatorWord(text + start, runEnd - start)) {
    case OperatorWord::None:
        token.flags |= Token::kHashed;
        break;
    case OperatorWord::Per:
        token.kind = TokenKind::Divide;
        token.flags |= Token::kPerWord;
        break;
    case OperatorWord::Squared:
        token.kind = TokenKind::Power;
        token.exponent = 2;
        break;
    case OperatorWord::Cubed:
        token.kind = TokenKind::Power;
        token.exponent = 3;
        break;
    case OperatorWord::Square:
        token.kind = TokenKind::Modifier;
        token.exponent = 2;
        break;
    case OperatorWord::Cubic:
        token.kind = TokenKind::Modifier;
        token.exponent = 3;
        break;
    case OperatorWord::Reciprocal:
        token.kind = TokenKind::Modifier;
        token.exponent = -1;
        break;
    case OperatorWord::To: {
        int power = 0;
        const std::size_t end = powerPhraseEnd(text, length, start, power);
        if (end == 0) {
            token.flags |= Token::kHashed; // "to" alone is a word like another
            break;
        }
        token.kind = TokenKind::Power;
        token.end = end;
        token.flags |= power > QelUnitParser::kMaxPower || power < -QelUnitParser::kMaxPower ? Token::kTooLarge : 0;
        token.exponent = power;
        break;
    }
    }
}

} // namespace

void cutTerm(const wchar_t* text, std::size_t length, bool inDivisor, Token& token) noexcept {
    const std::size_t start = token.begin;
    std::uint32_t hash = kHashSeed;
    std::size_t runEnd = start;
    // Digits belong to a word once it holds an underscore ("cal_15", "inch_Hg_32F"): such a word is a name.
    bool underscored = false;
    for (; runEnd < length && (!endsWord(text[runEnd]) || (underscored && isDigit(text[runEnd]))); ++runEnd) {
        underscored = underscored || text[runEnd] == L'_';
        hash = hashStep(hash, text[runEnd]);
    }
    // Digits that end a known spelling belong to it ("mu0", "a0", "R_K90"), where they would raise a unit.
    std::size_t digitsEnd = runEnd;
    std::uint32_t digitsHash = hash;
    for (; digitsEnd < length && isDigit(text[digitsEnd]); ++digitsEnd) {
        digitsHash = hashStep(digitsHash, text[digitsEnd]);
    }
    if (digitsEnd != runEnd && (digitsEnd == length || endsWord(text[digitsEnd])) &&
        (findSpelling(text + start, digitsEnd - start, digitsHash) != nullptr ||
         namedTerm(text + start, digitsEnd - start) != kNoTerm)) {
        runEnd = digitsEnd;
        hash = digitsHash;
    }
    token.kind = TokenKind::Term;
    if (runEnd < length) {
        bool rejected = false;
        const std::size_t whole = wholeNameEnd(text, length, start, runEnd - start, hash, inDivisor, rejected);
        if (whole != 0) {
            token.end = whole;
            return;
        }
        token.flags |= rejected ? Token::kWholeNameRejected : 0;
        bool unbound = false;
        const std::size_t joined = runEnd - start >= kShortestPrefixWord && isBlank(text[runEnd])
                                       ? prefixedNameEnd(text, length, start, runEnd, hash, inDivisor, unbound)
                                       : 0;
        if (joined != 0) {
            token.end = joined;
            token.flags |= unbound ? Token::kUnboundPrefix : 0;
            return;
        }
    }
    token.end = runEnd;
    token.hash = hash;
    applyOperatorWord(text, length, start, runEnd, token);
}

void cutOther(const wchar_t* text, std::size_t length, const LexContext& context, bool inDivisor,
              Token& token) noexcept {
    if (token.adjacent() && (context.previous == TokenKind::Term || context.previous == TokenKind::Power) &&
        cutAfterUnit(text, length, context.previous, token)) {
        return;
    }
    const std::size_t at = token.begin;
    const wchar_t c = text[at];
    if (c == L'^' || (c == L'*' && charAt(text, length, at + 1) == L'*')) {
        cutExponent(text, length, at + (c == L'^' ? 1 : 2), false, token);
    } else if (isSuperscript(c)) {
        cutExponent(text, length, at, true, token);
    } else if (isOperatorChar(c)) {
        cutOperator(c, token);
    } else if (isDigit(c) || (c == L'.' && isDigit(charAt(text, length, at + 1)))) {
        cutNumber(text, length, at, token);
    } else if (c == L'-' && context.previous == TokenKind::End && isDigit(charAt(text, length, at + 1))) {
        cutNumber(text, length, at + 1, token); // a negative scale leads: "-1 degree_east", as west is written
    } else {
        bool rejected{}; // not asked for: a stray character is no name
        const std::size_t whole = wholeNameEnd(text, length, at, 0, kHashSeed, inDivisor, rejected); // "--"
        token.kind = whole != 0 ? TokenKind::Term : TokenKind::Stray;
        token.end = whole != 0 ? whole : at + 1;
    }
}

} // namespace qelunits_detail
