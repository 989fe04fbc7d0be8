#include "parse/Vocabulary.h"

#include "catalog/NameIndex.h"
#include "parse/CharClass.h"

#include <qelunits/QelUnitParser.h>

#include <utility>

namespace qelunits_detail {
namespace {

// Texts compared by their characters: two equal literals need not be one object in a constant expression.
constexpr bool sameText(const wchar_t* a, const wchar_t* b) {
    std::size_t i = 0;
    while (a[i] != 0 && a[i] == b[i]) {
        ++i;
    }
    return a[i] == b[i];
}

// Checks that every note belongs to a row: a note on no row would never show.
constexpr bool notesHaveRows() {
    for (const VocabularyNote& note : kVocabularyNotes) {
        bool found = false;
        for (const VocabularyEntry& row : kVocabulary) {
            found = found || (sameText(row.text, note.text) && row.spelling != Spelling::Refused);
        }
        if (!found) {
            return false;
        }
    }
    return true;
}
static_assert(notesHaveRows(), "a vocabulary note names a row that is read");

struct Word {
    std::size_t begin;
    std::size_t end;
};

// The word from at (blanks skipped); empty at the end of the text.
Word wordAt(const wchar_t* text, std::size_t length, std::size_t at) {
    while (at < length && isBlank(text[at])) {
        ++at;
    }
    std::size_t end = at;
    while (end < length && !endsWord(text[end])) {
        ++end;
    }
    return {at, end};
}

bool wordIs(const wchar_t* text, const Word& word, const wchar_t* expected) {
    return equalsFolded(text + word.begin, word.end - word.begin, expected);
}

// "second" to "tenth": the power an ordinal word stands for; 0 for another word.
int ordinal(const wchar_t* text, const Word& word) {
    constexpr const wchar_t* kOrdinals[] = {L"second",  L"third",  L"fourth", L"fifth", L"sixth",
                                            L"seventh", L"eighth", L"ninth",  L"tenth"};
    for (std::size_t i = 0; i < std::size(kOrdinals); ++i) {
        if (wordIs(text, word, kOrdinals[i])) {
            return static_cast<int>(i) + 2;
        }
    }
    return 0;
}

// "one" to "ten": the number a word stands for; 0 for another word.
int cardinal(const wchar_t* text, const Word& word) {
    constexpr const wchar_t* kCardinals[] = {L"one", L"two",   L"three", L"four", L"five",
                                             L"six", L"seven", L"eight", L"nine", L"ten"};
    for (std::size_t i = 0; i < std::size(kCardinals); ++i) {
        if (wordIs(text, word, kCardinals[i])) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

// Digits from at, saturating just past the largest power; end past them (at where none).
int digitsAt(const wchar_t* text, std::size_t length, std::size_t at, std::size_t& end) {
    int value = 0;
    for (end = at; end < length && isDigit(text[end]); ++end) {
        value = value > QelUnitParser::kMaxPower ? value : value * 10 + (text[end] - L'0');
    }
    return value;
}

// "4th", "2nd", "3rd", "21st": the number before the suffix; 0 for another word.
int numberedOrdinal(const wchar_t* text, std::size_t length, std::size_t at, std::size_t& end) {
    std::size_t digitsEnd = at;
    const int value = digitsAt(text, length, at, digitsEnd);
    const Word suffix = wordAt(text, length, digitsEnd);
    if (digitsEnd == at || suffix.begin != digitsEnd) {
        return 0;
    }
    for (const wchar_t* s : {L"st", L"nd", L"rd", L"th"}) {
        if (wordIs(text, suffix, s)) {
            end = suffix.end;
            return value;
        }
    }
    return 0;
}

// After "to the power [of]": [minus | negative | '-'] then digits or a number word.
std::size_t powerNumber(const wchar_t* text, std::size_t length, std::size_t at, int& exponent) {
    Word word = wordAt(text, length, at);
    bool negative = false;
    if (wordIs(text, word, L"minus") || wordIs(text, word, L"negative")) {
        negative = true;
        word = wordAt(text, length, word.end);
    } else if (word.begin < length && isSign(text[word.begin])) {
        negative = text[word.begin] != L'+';
        word = {word.begin + 1, word.begin + 1};
    }
    std::size_t end = word.begin;
    int value = digitsAt(text, length, word.begin, end);
    if (end == word.begin) {
        value = cardinal(text, word);
        end = word.end;
    } else if (end < length && !endsWord(text[end])) {
        return 0; // digits running into letters: "2nd" is an ordinal, not a number here
    }
    if (value == 0) {
        return 0;
    }
    exponent = negative ? -value : value;
    return end;
}

} // namespace

const wchar_t* qualifierBefore(const wchar_t* word, std::size_t length) noexcept {
    for (const Qualifier& qualifier : kQualifiers) {
        if (equalsFolded(word, length, qualifier.written)) {
            return qualifier.before;
        }
    }
    return nullptr;
}

OperatorWord operatorWord(const wchar_t* text, std::size_t length) noexcept {
    // Every word starts with c, i, p, r, s or t, and has 2 to 10 letters: most units are passed over here.
    const wchar_t first = length != 0 ? foldCase(text[0]) : L'\0';
    if (length < 2 || length > 10 ||
        (first != L'c' && first != L'p' && first != L's' && first != L'r' && first != L'i' && first != L't')) {
        return OperatorWord::None;
    }
    constexpr std::pair<const wchar_t*, OperatorWord> kWords[] = {
        {L"per", OperatorWord::Per},
        {L"squared", OperatorWord::Squared},
        {L"cubed", OperatorWord::Cubed},
        {L"sq", OperatorWord::Square},
        {L"square", OperatorWord::Square},
        {L"cu", OperatorWord::Cubic},
        {L"cubic", OperatorWord::Cubic},
        {L"reciprocal", OperatorWord::Reciprocal},
        {L"inverse", OperatorWord::Reciprocal},
        {L"to", OperatorWord::To},
    };
    for (const auto& [word, meaning] : kWords) {
        if (equalsFolded(text, length, word)) {
            return meaning;
        }
    }
    return OperatorWord::None;
}

std::size_t powerPhraseEnd(const wchar_t* text, std::size_t length, std::size_t at, int& exponent) noexcept {
    const Word to = wordAt(text, length, at);
    const Word the = wordAt(text, length, to.end);
    if (!wordIs(text, to, L"to") || the.begin == to.end || !wordIs(text, the, L"the")) {
        return 0;
    }
    Word word = wordAt(text, length, the.end);
    if (wordIs(text, word, L"power")) { // "to the power of minus two"
        const Word of = wordAt(text, length, word.end);
        return powerNumber(text, length, wordIs(text, of, L"of") ? of.end : word.end, exponent);
    }
    bool negative = false;
    if (wordIs(text, word, L"minus") || wordIs(text, word, L"negative")) { // "to the minus second power"
        negative = true;
        word = wordAt(text, length, word.end);
    }
    std::size_t end = word.end;
    int value = ordinal(text, word);
    if (value == 0) {
        value = numberedOrdinal(text, length, word.begin, end);
    }
    if (value == 0) {
        return 0;
    }
    const Word power = wordAt(text, length, end);
    exponent = negative ? -value : value;
    return wordIs(text, power, L"power") ? power.end : end;
}

std::size_t prefixWordLength(const wchar_t* word, std::size_t length) noexcept {
    for (const Prefix& prefix : kPrefixes) {
        if (prefix.word == nullptr) {
            continue;
        }
        std::size_t i = 0;
        while (prefix.word[i] != 0 && i < length && foldCase(word[i]) == prefix.word[i]) {
            ++i;
        }
        if (prefix.word[i] == 0) {
            return i;
        }
    }
    return 0;
}

} // namespace qelunits_detail
