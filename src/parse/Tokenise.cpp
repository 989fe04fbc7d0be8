#include "parse/Tokenise.h"

#include "catalog/HashedTexts.h"
#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"
#include "parse/CharClass.h"
#include "parse/Vocabulary.h"

#include <qelunits/QelUnitParser.h>

#include <array>

namespace qelunits_detail {
namespace {

/// A unit name that a plain word cannot hold ("sq ft", "m/s", "ft-lbf", "inH2O"), read whole where the grammar allows.
struct WholeName {
    const wchar_t* text = nullptr;
    std::size_t length = 0;
    std::size_t keyLength = 0; // its first word and the character that ends it: "m/", "sq ", "ft-"
    std::uint32_t keyHash = 0; // hashFolded of the key
    bool compact = false;      // words and blanks only: read whole also before an exponent ("us ft^2")
    bool quotient = false;     // holds '/' or '*': read whole in a divisor, it would regroup it
    bool slash = false;        // holds '/': read whole before more of its product, it would take that in
    wchar_t next = 0;          // the first character after the key, folded; 0 where the key ends the name
};

constexpr bool prefixEqualsFolded(const wchar_t* a, const wchar_t* b, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) {
            return false;
        }
    }
    return true;
}

constexpr bool isWholeName(const wchar_t* text) {
    for (; text != nullptr && *text != 0; ++text) {
        if (endsWord(*text)) {
            return true;
        }
    }
    return false;
}

/// Calls visit with every catalogue text and vocabulary spelling that is a whole name.
template <typename Visit>
constexpr void forEachWholeName(Visit visit) {
    for (const UnitRecord& record : kUnitTable) {
        for (const TextKindInfo& kind : kUnitTextKinds) {
            if (isWholeName(record.*kind.field)) {
                visit(record.*kind.field);
            }
        }
    }
    for (const VocabularyEntry& entry : kVocabulary) {
        if (isWholeName(entry.text)) {
            visit(entry.text);
        }
    }
}

constexpr std::size_t countWholeNames() {
    std::size_t count = 0;
    forEachWholeName([&count](const wchar_t*) { ++count; });
    return count;
}

constexpr std::size_t kWholeNameCount = countWholeNames();

constexpr WholeName makeWholeName(const wchar_t* text) {
    WholeName name{text};
    name.compact = true;
    for (; text[name.length] != 0; ++name.length) {
        const wchar_t c = text[name.length];
        name.compact = name.compact && (isBlank(c) || !endsWord(c));
        name.quotient = name.quotient || isQuotientOperator(c);
        name.slash = name.slash || c == L'/';
    }
    while (!endsWord(text[name.keyLength])) {
        ++name.keyLength;
    }
    ++name.keyLength;
    name.keyHash = hashFolded(text, name.keyLength);
    name.next = foldCase(text[name.keyLength]);
    return name;
}

constexpr bool sameKey(const WholeName& a, const WholeName& b) {
    return a.keyHash == b.keyHash && a.keyLength == b.keyLength && prefixEqualsFolded(a.text, b.text, a.keyLength);
}

// Names with the same key lie together: ordered by hash, length and the key's text.
constexpr bool wholeNameBefore(const WholeName& a, const WholeName& b) {
    if (a.keyHash != b.keyHash || a.keyLength != b.keyLength) {
        return a.keyHash != b.keyHash ? a.keyHash < b.keyHash : a.keyLength < b.keyLength;
    }
    for (std::size_t i = 0; i < a.keyLength; ++i) {
        if (foldCase(a.text[i]) != foldCase(b.text[i])) {
            return foldCase(a.text[i]) < foldCase(b.text[i]);
        }
    }
    return false;
}

constexpr std::array<WholeName, kWholeNameCount> makeWholeNames() {
    std::array<WholeName, kWholeNameCount> names{};
    std::size_t next = 0;
    forEachWholeName([&](const wchar_t* text) { names[next++] = makeWholeName(text); });
    stableSort(names, next, wholeNameBefore);
    return names;
}

// Built at compile time from the unit table and the vocabulary.
constexpr std::array<WholeName, kWholeNameCount> kWholeNames = makeWholeNames();

/// The names [begin, end) of kWholeNames that share a key; end 0 for an empty slot.
struct KeySlot {
    std::uint32_t hash = 0;
    std::uint16_t begin = 0;
    std::uint16_t end = 0;
};

constexpr std::size_t kKeySlotCount = 1024; // a power of two above the keys
static_assert(kWholeNameCount < kKeySlotCount, "probing needs a free slot");

// Open addressing by the key's hash: a word that starts no whole name costs one hash and a probe.
constexpr std::array<KeySlot, kKeySlotCount> makeKeySlots() {
    std::array<KeySlot, kKeySlotCount> slots{};
    std::size_t at = 0;
    for (std::size_t i = 0; i < kWholeNameCount; ++i) {
        if (i > 0 && sameKey(kWholeNames[i], kWholeNames[i - 1])) {
            slots[at].end = static_cast<std::uint16_t>(i + 1);
            continue;
        }
        at = kWholeNames[i].keyHash & (kKeySlotCount - 1);
        while (slots[at].end != 0) {
            at = (at + 1) & (kKeySlotCount - 1);
        }
        slots[at] = {kWholeNames[i].keyHash, static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(i + 1)};
    }
    return slots;
}

constexpr std::array<KeySlot, kKeySlotCount> kKeySlots = makeKeySlots();

// A character that starts a word: not a blank, operator, joiner, sign or digit.
bool startsWord(wchar_t c) { return !endsWord(c) && !isSign(c); }

std::size_t wordEnd(const wchar_t* text, std::size_t at, std::size_t length) {
    while (at < length && !endsWord(text[at])) {
        ++at;
    }
    return at;
}

std::size_t skipBlanks(const wchar_t* text, std::size_t length, std::size_t at) noexcept {
    while (at < length && isBlank(text[at])) {
        ++at;
    }
    return at;
}

// Whether an exponent follows a unit that ends at at: digits or a signed number
// right after it ("m2", "s-1"), or after blanks '^', "**", a superscript or "squared".
bool exponentFollows(const wchar_t* text, std::size_t length, std::size_t at) noexcept {
    if (at < length && (isDigit(text[at]) || (isSign(text[at]) && at + 1 < length && isDigit(text[at + 1])))) {
        return true;
    }
    at = skipBlanks(text, length, at);
    if (at >= length) {
        return false;
    }
    const wchar_t c = text[at];
    if (c == L'^' || isSuperscript(c) || (c == L'*' && at + 1 < length && text[at + 1] == L'*')) {
        return true;
    }
    const OperatorWord word = operatorWord(text + at, wordEnd(text, at, length) - at);
    return word == OperatorWord::Squared || word == OperatorWord::Cubed;
}

// Whether the product goes on after a unit that ends at at, more tightly than '/'.
bool productContinues(const wchar_t* text, std::size_t length, std::size_t at) noexcept {
    if (at + 1 < length && isJoiner(text[at]) && startsWord(text[at + 1])) {
        return true;
    }
    at = skipBlanks(text, length, at);
    if (at >= length || isMiddleDot(text[at])) {
        return at < length;
    }
    const wchar_t c = text[at];
    if (isOperatorChar(c) || isJoiner(c) || isSign(c)) {
        return false;
    }
    return isDigit(c) || operatorWord(text + at, wordEnd(text, at, length) - at) != OperatorWord::Per;
}

} // namespace

std::size_t Lexer::skipBlanks(std::size_t at) const noexcept { return qelunits_detail::skipBlanks(mText, mLength, at); }

void Lexer::track(TokenKind kind) noexcept {
    switch (kind) {
    case TokenKind::Times:
        mInDivisor = false;
        break;
    case TokenKind::Divide:
        mInDivisor = true;
        break;
    case TokenKind::Open:
        mOuterDivisors = (mOuterDivisors << 1U) | (mInDivisor ? 1U : 0U);
        mInDivisor = false;
        break;
    case TokenKind::Close:
        mInDivisor = (mOuterDivisors & 1U) != 0;
        mOuterDivisors >>= 1U;
        break;
    default:
        break;
    }
    mPrevious = kind;
}

void Lexer::next(Token& token) noexcept {
    std::size_t at = skipBlanks(mPos);
    bool adjacent = at == mPos;
    // A period right after a unit abbreviates it ("ft.", "sq. ft.", "sq.ft").
    if (adjacent && at < mLength && mText[at] == L'.' &&
        (mPrevious == TokenKind::Term || mPrevious == TokenKind::Modifier) &&
        (at + 1 == mLength || isBlank(mText[at + 1]) || isOperatorChar(mText[at + 1]) ||
         mPrevious == TokenKind::Modifier)) {
        at = skipBlanks(at + 1);
        adjacent = false;
    }
    mPos = at;
    token = Token{mPos, mPos, 0, TokenKind::End, false, false, false, 0};
    if (mPos >= mLength) {
        // The end of the input.
    } else if (startsWord(mText[mPos])) {
        lexTerm(token); // the common case first
    } else if (!(adjacent && lexAfterUnit(token))) {
        const wchar_t c = mText[mPos];
        if (c == L'^' || (c == L'*' && mPos + 1 < mLength && mText[mPos + 1] == L'*')) {
            lexExponent(token, mPos + (c == L'^' ? 1 : 2), false);
        } else if (isSuperscript(c)) {
            lexExponent(token, mPos, true);
        } else if (isOperatorChar(c)) {
            lexOperator(token, c);
        } else if (isDigit(c) || (c == L'.' && mPos + 1 < mLength && isDigit(mText[mPos + 1]))) {
            lexNumber(token);
        } else {
            bool rejected = false;
            const std::size_t whole = wholeNameEnd(0, kHashSeed, rejected); // "--" is the angle second
            token.kind = whole != 0 ? TokenKind::Term : TokenKind::Stray;
            token.end = whole != 0 ? whole : mPos + 1;
        }
    }
    mPos = token.end;
    track(token.kind);
}

// Right after a unit: digits raise it ("m2", "s-1"); '-' or '.' before a word joins
// ("N-mm", "m.s-1"), also after its exponent ("hr-ft2-°F").
bool Lexer::lexAfterUnit(Token& token) noexcept {
    if (mPrevious != TokenKind::Term && mPrevious != TokenKind::Power) {
        return false;
    }
    const wchar_t c = mText[mPos];
    const bool more = mPos + 1 < mLength;
    // A zero does not start such an exponent: "g0" is not g to the power 0.
    if (mPrevious == TokenKind::Term &&
        ((isDigit(c) && c != L'0') || (isSign(c) && more && isDigit(mText[mPos + 1]) && mText[mPos + 1] != L'0'))) {
        lexExponent(token, mPos, false);
        return true;
    }
    if (isJoiner(c) && more && startsWord(mText[mPos + 1])) {
        token.kind = TokenKind::Dot;
        token.end = mPos + 1;
        return true;
    }
    return false;
}

void Lexer::lexOperator(Token& token, wchar_t c) noexcept {
    token.end = mPos + 1;
    token.kind = c == L'/'        ? TokenKind::Divide
                 : c == L'('      ? TokenKind::Open
                 : c == L')'      ? TokenKind::Close
                 : isMiddleDot(c) ? TokenKind::Dot
                                  : TokenKind::Times;
}

void Lexer::lexExponent(Token& token, std::size_t digitsFrom, bool superscript) const noexcept {
    std::size_t i = superscript || digitsFrom == mPos ? digitsFrom : skipBlanks(digitsFrom);
    bool negative = false;
    if (i < mLength && (superscript ? mText[i] == L'\u207B' || mText[i] == L'\u207A' : isSign(mText[i]))) {
        negative = mText[i] != L'+' && mText[i] != L'\u207A';
        i = superscript || digitsFrom == mPos ? i + 1 : skipBlanks(i + 1);
    }
    const std::size_t digits = i;
    int value = 0;
    for (; i < mLength; ++i) {
        const int d = superscript ? superscriptDigit(mText[i]) : (isDigit(mText[i]) ? mText[i] - L'0' : -1);
        if (d < 0) {
            break;
        }
        // Saturates just past the limit: no overflow however many digits follow.
        value = value > QelUnitParser::kMaxPower ? value : value * 10 + d;
    }
    const bool fraction = !superscript && i + 1 < mLength && mText[i] == L'.' && isDigit(mText[i + 1]);
    if (i == digits || fraction) {
        while (fraction && i < mLength && (isDigit(mText[i]) || mText[i] == L'.')) {
            ++i;
        }
        token.kind = TokenKind::BadPower;
        token.end = i;
        return;
    }
    token.kind = TokenKind::Power;
    token.end = i;
    token.exponentTooLarge = value > QelUnitParser::kMaxPower;
    token.exponent = negative ? -value : value;
}

void Lexer::lexNumber(Token& token) const noexcept {
    std::size_t i = mPos;
    const auto digitsFrom = [this](std::size_t at) {
        while (at < mLength && isDigit(mText[at])) {
            ++at;
        }
        return at;
    };
    i = digitsFrom(i);
    if (i + 1 < mLength && mText[i] == L'.' && isDigit(mText[i + 1])) {
        i = digitsFrom(i + 1);
    }
    if (i + 1 < mLength && (mText[i] == L'e' || mText[i] == L'E')) {
        const std::size_t sign = i + 1 < mLength && (mText[i + 1] == L'+' || mText[i + 1] == L'-') ? 1 : 0;
        if (i + 1 + sign < mLength && isDigit(mText[i + 1 + sign])) {
            i = digitsFrom(i + 1 + sign);
        }
    }
    token.kind = TokenKind::Number;
    if (i < mLength && mText[i] == L'.') {
        token.kind = TokenKind::BadNumber; // "1.2.3", "1."
        while (i < mLength && (isDigit(mText[i]) || mText[i] == L'.')) {
            ++i;
        }
    }
    token.end = i;
}

// The end of the longest whole name that starts here, whose first word ends at
// mPos + firstBreak, and that may be read whole; or 0. rejected tells that a name was passed over.
std::size_t wholeNameEnd(const wchar_t* text, std::size_t length, std::size_t start, std::size_t firstBreak,
                         std::uint32_t wordHash, bool inDivisor, bool& rejected) noexcept {
    const std::size_t keyLength = firstBreak + 1;
    const std::uint32_t hash = hashStep(wordHash, text[start + firstBreak]);
    const KeySlot* slot = &kKeySlots[hash & (kKeySlotCount - 1)];
    for (std::size_t at = hash & (kKeySlotCount - 1); slot->end != 0;
         slot = &kKeySlots[at = (at + 1) & (kKeySlotCount - 1)]) {
        const WholeName& first = kWholeNames[slot->begin];
        if (slot->hash == hash && first.keyLength == keyLength &&
            prefixEqualsFolded(text + start, first.text, keyLength)) {
            break;
        }
    }
    const std::size_t probeFrom = start + keyLength;
    // Most names of a group differ from the text in their first character after the key.
    const wchar_t next = probeFrom < length ? foldCase(text[probeFrom]) : L'\0';
    std::size_t best = 0;
    for (const WholeName* name = kWholeNames.data() + slot->begin; name != kWholeNames.data() + slot->end; ++name) {
        if ((name->next != next && name->next != L'\0') || name->length > length - start ||
            !prefixEqualsFolded(text + probeFrom, name->text + keyLength, name->length - keyLength)) {
            continue;
        }
        const std::size_t end = start + name->length;
        if (end < length && startsWord(text[end])) {
            continue; // the text goes on: not this name
        }
        if ((!name->compact && exponentFollows(text, length, end)) || (name->quotient && inDivisor) ||
            (name->slash && productContinues(text, length, end))) {
            rejected = true;
            continue;
        }
        best = end > best ? end : best;
    }
    return best;
}

std::size_t Lexer::wholeNameEnd(std::size_t firstBreak, std::uint32_t wordHash, bool& rejected) const noexcept {
    return qelunits_detail::wholeNameEnd(mText, mLength, mPos, firstBreak, wordHash, mInDivisor, rejected);
}

void Lexer::lexTerm(Token& token) const noexcept {
    std::uint32_t hash = kHashSeed;
    std::size_t runEnd = mPos;
    for (; runEnd < mLength && !endsWord(mText[runEnd]); ++runEnd) {
        hash = hashStep(hash, mText[runEnd]);
    }
    bool rejected = false;
    const std::size_t whole = runEnd < mLength ? wholeNameEnd(runEnd - mPos, hash, rejected) : 0;
    token.kind = TokenKind::Term;
    if (whole != 0) {
        token.end = whole;
        return;
    }
    token.end = runEnd;
    token.wholeNameRejected = rejected;
    token.hashed = true;
    token.hash = hash;
    switch (operatorWord(mText + mPos, runEnd - mPos)) {
    case OperatorWord::Per:
        token.kind = TokenKind::Divide;
        break;
    case OperatorWord::Squared:
        token = Token{mPos, runEnd, 2, TokenKind::Power};
        break;
    case OperatorWord::Cubed:
        token = Token{mPos, runEnd, 3, TokenKind::Power};
        break;
    case OperatorWord::Square:
        token = Token{mPos, runEnd, 2, TokenKind::Modifier};
        break;
    case OperatorWord::Cubic:
        token = Token{mPos, runEnd, 3, TokenKind::Modifier};
        break;
    case OperatorWord::None:
        break;
    }
}

} // namespace qelunits_detail
