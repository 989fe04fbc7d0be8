#include "parse/Tokenise.h"

#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"

#include <qelunits/QelUnitParser.h>

#include <algorithm>
#include <array>

namespace qelunits_detail {
namespace {

constexpr bool isBinaryOperator(wchar_t c) { return c == L'*' || c == L'/' || c == L'\u00B7'; }

constexpr bool isSuperscript(wchar_t c) {
    return isOperatorChar(c) && c != L'*' && c != L'/' && c != L'(' && c != L')' && c != L'^' && c != L'\u00B7';
}

// Value of a superscript digit, or -1.
constexpr int superscriptDigit(wchar_t c) {
    switch (c) {
    case L'\u00B9':
        return 1;
    case L'\u00B2':
        return 2;
    case L'\u00B3':
        return 3;
    default:
        return c == L'\u2070' || (c >= L'\u2074' && c <= L'\u2079') ? static_cast<int>(c - L'\u2070') : -1;
    }
}

/// A unit name that holds operator characters, read whole where the grammar allows.
struct WholeName {
    const wchar_t* text = nullptr;
    std::size_t length = 0;
    wchar_t first = 0;             // folded
    std::size_t firstOperator = 0; // index of its first operator character
    bool hasBinaryOperator = false;
    std::uint64_t probe = 0;     // probeOf the text from its first operator
    std::uint64_t probeMask = 0; // the lanes the name fills
};

constexpr std::size_t kProbeLanes = 4;

// Up to four folded characters in 16-bit lanes: a name whose lanes differ from
// the input's cannot match, so most are passed over with one compare.
constexpr std::uint64_t probeOf(const wchar_t* text, std::size_t count) {
    std::uint64_t probe = 0;
    for (std::size_t i = 0; i < count && i < kProbeLanes; ++i) {
        probe |= (static_cast<std::uint64_t>(foldCase(text[i])) & 0xFFFFU) << (16U * i);
    }
    return probe;
}

constexpr std::uint64_t probeMaskOf(std::size_t count) {
    return count >= kProbeLanes ? ~std::uint64_t{0} : (std::uint64_t{1} << (16U * count)) - 1U;
}

constexpr const wchar_t* UnitRecord::*kNameFields[] = {&UnitRecord::defaultAbbreviation,
                                                       &UnitRecord::vellumAbbreviation, &UnitRecord::internalName,
                                                       &UnitRecord::singularName, &UnitRecord::pluralName};

constexpr bool holdsOperator(const wchar_t* text, bool binaryOnly) {
    for (; text != nullptr && *text != 0; ++text) {
        if (binaryOnly ? isBinaryOperator(*text) : isOperatorChar(*text)) {
            return true;
        }
    }
    return false;
}

constexpr std::size_t countWholeNames() {
    std::size_t count = 0;
    for (const UnitRecord& record : kUnitTable) {
        for (const auto field : kNameFields) {
            count += holdsOperator(record.*field, false) ? 1U : 0U;
        }
    }
    return count;
}

constexpr std::size_t kWholeNameCount = countWholeNames();

constexpr WholeName makeWholeName(const wchar_t* text) {
    WholeName name{text, 0, foldCase(text[0]), 0, holdsOperator(text, true)};
    while (text[name.length] != 0) {
        ++name.length;
    }
    while (!isOperatorChar(text[name.firstOperator])) {
        ++name.firstOperator;
    }
    name.probe = probeOf(text + name.firstOperator, name.length - name.firstOperator);
    name.probeMask = probeMaskOf(name.length - name.firstOperator);
    return name;
}

constexpr bool wholeNameBefore(const WholeName& a, const WholeName& b) {
    return a.first != b.first ? a.first < b.first : a.firstOperator < b.firstOperator;
}

// Sorted by first character and place of the first operator, so a lookup visits only its few candidates.
constexpr std::array<WholeName, kWholeNameCount> makeWholeNames() {
    std::array<WholeName, kWholeNameCount> names{};
    std::size_t next = 0;
    for (const UnitRecord& record : kUnitTable) {
        for (const auto field : kNameFields) {
            if (holdsOperator(record.*field, false)) {
                WholeName name = makeWholeName(record.*field);
                std::size_t at = next++;
                for (; at > 0 && wholeNameBefore(name, names[at - 1]); --at) {
                    names[at] = names[at - 1];
                }
                names[at] = name;
            }
        }
    }
    return names;
}

// Built at compile time from the unit table.
constexpr std::array<WholeName, kWholeNameCount> kWholeNames = makeWholeNames();

// The slot of an ASCII character in kAsciiRanges; 128 for any other.
constexpr std::size_t asciiSlot(wchar_t c) { return c >= 0 && c < 128 ? static_cast<std::size_t>(c - L'\0') : 128; }

struct NameRange {
    std::uint16_t begin = 0;
    std::uint16_t end = 0;
};

// For each ASCII first character, where its names lie in kWholeNames.
constexpr std::array<NameRange, 128> makeAsciiRanges() {
    std::array<NameRange, 128> ranges{};
    for (std::size_t i = 0; i < kWholeNames.size(); ++i) {
        const std::size_t slot = asciiSlot(kWholeNames[i].first);
        if (slot < 128) {
            NameRange& range = ranges[slot];
            range.begin = range.end == 0 ? static_cast<std::uint16_t>(i) : range.begin;
            range.end = static_cast<std::uint16_t>(i + 1);
        }
    }
    return ranges;
}

constexpr std::array<NameRange, 128> kAsciiRanges = makeAsciiRanges();

bool foldedEqual(const wchar_t* a, const wchar_t* b, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) {
            return false;
        }
    }
    return true;
}

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

} // namespace

std::size_t Lexer::skipBlanks(std::size_t at) const noexcept {
    while (at < mLength && isBlank(mText[at])) {
        ++at;
    }
    return at;
}

bool Lexer::exponentFollows(std::size_t at) const noexcept {
    at = skipBlanks(at);
    if (at >= mLength) {
        return false;
    }
    const wchar_t c = mText[at];
    return c == L'^' || isSuperscript(c) || (c == L'*' && at + 1 < mLength && mText[at + 1] == L'*');
}

void Lexer::next(Token& token) noexcept {
    mPos = skipBlanks(mPos);
    token = Token{mPos, mPos, 0, TokenKind::End, false, false};
    if (mPos < mLength) {
        const wchar_t c = mText[mPos];
        if (c == L'^' || (c == L'*' && mPos + 1 < mLength && mText[mPos + 1] == L'*')) {
            lexExponent(token, mPos + (c == L'^' ? 1 : 2), false);
        } else if (isSuperscript(c)) {
            lexExponent(token, mPos, true);
        } else if (isOperatorChar(c)) {
            token.end = mPos + 1;
            token.kind = c == L'/'   ? TokenKind::Divide
                         : c == L'(' ? TokenKind::Open
                         : c == L')' ? TokenKind::Close
                                     : TokenKind::Times;
        } else {
            lexTerm(token);
        }
    }
    mPos = token.end;
    mPrevious = token.kind;
}

void Lexer::lexExponent(Token& token, std::size_t digitsFrom, bool superscript) const noexcept {
    std::size_t i = superscript ? digitsFrom : skipBlanks(digitsFrom);
    bool negative = false;
    if (i < mLength && (superscript ? mText[i] == L'\u207B' || mText[i] == L'\u207A'
                                    : mText[i] == L'-' || mText[i] == L'+' || mText[i] == L'\u2212')) {
        negative = mText[i] != L'+' && mText[i] != L'\u207A';
        i = superscript ? i + 1 : skipBlanks(i + 1);
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

// The end of the longest unit name with operator characters that starts here,
// whose first operator is at mPos + firstOperator, and that may be read whole;
// or 0. rejected tells that a name was passed over.
std::size_t Lexer::wholeNameEnd(std::size_t firstOperator, bool& rejected) const noexcept {
    const WholeName key{nullptr, 0, foldCase(mText[mPos]), firstOperator, false, 0, 0};
    const std::size_t probeFrom = mPos + firstOperator;
    const std::uint64_t probe = probeOf(mText + probeFrom, mLength - probeFrom);
    const std::size_t slot = asciiSlot(key.first);
    const auto* name = slot < 128 ? kWholeNames.begin() + kAsciiRanges[slot].begin : kWholeNames.begin();
    const auto* last = slot < 128 ? kWholeNames.begin() + kAsciiRanges[slot].end : kWholeNames.end();
    name = std::lower_bound(name, last, key, wholeNameBefore);
    std::size_t best = 0;
    for (; name != last && !wholeNameBefore(key, *name); ++name) {
        if ((probe & name->probeMask) != name->probe || name->length > mLength - mPos ||
            !foldedEqual(mText + mPos, name->text, name->length)) {
            continue;
        }
        const std::size_t end = mPos + name->length;
        if (end < mLength && !isBlank(mText[end]) && !isOperatorChar(mText[end])) {
            continue; // the text goes on: not this name
        }
        // After '/' a name holding '/' would regroup the quotient; before an exponent it would take the power whole.
        if ((mPrevious == TokenKind::Divide && name->hasBinaryOperator) || exponentFollows(end)) {
            rejected = true;
            continue;
        }
        best = end > best ? end : best;
    }
    return best;
}

void Lexer::lexTerm(Token& token) const noexcept {
    std::size_t runEnd = mPos;
    while (runEnd < mLength && !isOperatorChar(mText[runEnd])) {
        ++runEnd;
    }
    bool rejected = false;
    const std::size_t whole = runEnd < mLength ? wholeNameEnd(runEnd - mPos, rejected) : 0;
    if (whole != 0) {
        token.kind = TokenKind::Term;
        token.end = whole;
        return;
    }
    std::size_t i = mPos;
    if (isDigit(mText[i]) || (mText[i] == L'.' && i + 1 < mLength && isDigit(mText[i + 1]))) {
        while (i < mLength && (isDigit(mText[i]) || mText[i] == L'.')) {
            ++i;
        }
        if (i == mLength || isBlank(mText[i]) || isOperatorChar(mText[i])) {
            token.kind = TokenKind::Number;
            token.end = i;
            return;
        }
    }
    while (runEnd > mPos && isBlank(mText[runEnd - 1])) {
        --runEnd;
    }
    token.kind = TokenKind::Term;
    token.end = runEnd;
    token.wholeNameRejected = rejected;
}

} // namespace qelunits_detail
