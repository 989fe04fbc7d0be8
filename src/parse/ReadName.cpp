#include "parse/ReadName.h"

#include "catalog/HashedTexts.h"
#include "catalog/UnitTable.h"
#include "parse/CharClass.h"
#include "parse/Lexer.h"
#include "parse/Terms.h"

#include <qelunits/QelUnitParser.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <limits>

namespace qelunits_detail {
namespace {

// Powers of ten as the compiler rounds each literal: a prefixed unit's scale is
// one correctly rounded number ("mg" is 1e-6 kg, not 1e-3 × 1e-3).
constexpr int kLowestPowerOfTen = -33;
constexpr double kPowersOfTen[] = {
    1e-33, 1e-32, 1e-31, 1e-30, 1e-29, 1e-28, 1e-27, 1e-26, 1e-25, 1e-24, 1e-23, 1e-22, 1e-21, 1e-20, 1e-19, 1e-18,
    1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9,  1e-8,  1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,
    1e-1,  1e0,   1e1,   1e2,   1e3,   1e4,   1e5,   1e6,   1e7,   1e8,   1e9,   1e10,  1e11,  1e12,  1e13,  1e14,
    1e15,  1e16,  1e17,  1e18,  1e19,  1e20,  1e21,  1e22,  1e23,  1e24,  1e25,  1e26,  1e27,  1e28,  1e29,  1e30,
};

constexpr std::uint8_t kPrefixCount = std::size(kPrefixes);
static_assert(kPrefixCount < kNoPrefix, "a prefix row fits its byte");
static_assert(kPrefixCount <= 64, "a prefix is one bit");

// The lowest and highest powers of ten that a prefixed unit reaches (a binary prefix scales apart).
constexpr std::array<int, 2> powersReached() {
    std::array<int, 2> reached{std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
    for (const PrefixableUnit& unit : kPrefixableUnits) {
        for (const Prefix& prefix : kPrefixes) {
            const int power = (prefix.binary ? 0 : prefix.exponent) + unit.exponent;
            reached = {std::min(reached[0], power), std::max(reached[1], power)};
        }
    }
    return reached;
}
static_assert(powersReached()[0] == kLowestPowerOfTen &&
                  powersReached()[1] == kLowestPowerOfTen + static_cast<int>(std::size(kPowersOfTen)) - 1,
              "the table holds exactly the powers of ten that prefixed units reach");

bool startsWith(const wchar_t* name, std::size_t length, const wchar_t* start, bool folded) {
    std::size_t i = 0;
    for (; start[i] != 0; ++i) {
        if (i >= length || (folded ? foldCase(start[i]) != foldCase(name[i]) : start[i] != name[i])) {
            return false;
        }
    }
    return i < length; // something must follow a prefix
}

Meaning catalogueMeaning(std::uint16_t unit) { return {1.0, {{static_cast<QelUnit::BuiltinUnits>(unit), 1}}}; }

Meaning prefixedMeaning(std::uint16_t row, std::uint8_t prefix) {
    const PrefixableUnit& unit = kPrefixableUnits[row];
    Meaning meaning = unit.meaning;
    if (prefix != kNoPrefix && kPrefixes[prefix].binary) {
        meaning.scale *= std::ldexp(1.0, kPrefixes[prefix].exponent);
        return meaning;
    }
    const int exponent = prefix == kNoPrefix ? 0 : kPrefixes[prefix].exponent;
    meaning.scale *= kPowersOfTen[exponent + unit.exponent - kLowestPowerOfTen];
    return meaning;
}

Meaning meaningOf(const ReadingSource& source) {
    Meaning meaning;
    switch (source.kind) {
    case ReadingSource::Kind::Catalogue:
        return catalogueMeaning(source.row);
    case ReadingSource::Kind::Vocabulary:
        meaning = kVocabulary[source.row].meaning;
        meaning.origin = {MeaningOrigin::Kind::Vocabulary, kNoPrefix, source.row};
        return meaning;
    case ReadingSource::Kind::Prefixed:
        meaning = prefixedMeaning(source.row, source.prefix);
        meaning.origin = {MeaningOrigin::Kind::Prefixed, source.prefix, source.row};
        return meaning;
    case ReadingSource::Kind::None:
        break;
    }
    return meaning;
}

// The spellings that have a note, so that the others skip the search.
constexpr std::array<std::uint64_t, (kUnitCount + 63) / 64> makeNotedUnits() {
    std::array<std::uint64_t, (kUnitCount + 63) / 64> bits{};
    for (const SpellingNote& note : kSpellingNotes) {
        bits[static_cast<std::size_t>(note.unit) / 64] |= std::uint64_t{1} << (static_cast<unsigned>(note.unit) % 64);
    }
    return bits;
}

constexpr std::array<std::uint64_t, (kUnitCount + 63) / 64> kNotedUnits = makeNotedUnits();

// The note of a spelling that means one unit whose meaning here is not the one most people know.
const wchar_t* noteFor(const wchar_t* stored, const Meaning& meaning) {
    const auto unit = static_cast<std::uint32_t>(meaning.units[0].unit);
    if (!isOneUnit(meaning) || ((kNotedUnits[unit / 64U] >> (unit % 64U)) & 1U) == 0) {
        return nullptr;
    }
    for (const SpellingNote& note : kSpellingNotes) {
        if (static_cast<std::uint32_t>(note.unit) == unit && sameText(stored, note.text)) {
            return note.note;
        }
    }
    return nullptr;
}

// Filled in place: a Reading built apart and copied in costs a stalled wide load of fields just stored.
void setFound(Reading& reading, const ReadingSource& source, const wchar_t* stored) {
    reading.status = ReadStatus::Found;
    reading.meaning = meaningOf(source);
    reading.source = source;
    reading.note = noteFor(stored, reading.meaning);
}

Reading found(const ReadingSource& source, const wchar_t* stored) {
    Reading reading;
    setFound(reading, source, stored);
    return reading;
}

ReadingSource sourceOf(const LexEntry& entry, std::uint8_t prefix = kNoPrefix) {
    switch (entry.source) {
    case LexSource::Vocabulary:
        return {ReadingSource::Kind::Vocabulary, 0, kNoPrefix, false, entry.row};
    case LexSource::Catalogue:
        return {ReadingSource::Kind::Catalogue, entry.kind, kNoPrefix, false, entry.row};
    case LexSource::PrefixableSymbol:
        return {ReadingSource::Kind::Prefixed, entry.kind, prefix, false, entry.row};
    case LexSource::PrefixableName:
        break;
    }
    return {ReadingSource::Kind::Prefixed, entry.kind, prefix, true, entry.row};
}

// The note of each vocabulary row, by row: looked up while compiling.
constexpr std::array<const wchar_t*, std::size(kVocabulary)> makeRowNotes() {
    std::array<const wchar_t*, std::size(kVocabulary)> notes{};
    for (std::size_t row = 0; row < notes.size(); ++row) {
        notes[row] = vocabularyNote(kVocabulary[row].text);
    }
    return notes;
}

constexpr std::array<const wchar_t*, std::size(kVocabulary)> kRowNotes = makeRowNotes();

Reading fromEntry(const LexEntry& entry) {
    Reading reading = found(sourceOf(entry), entry.text);
    if (entry.source == LexSource::Vocabulary) {
        const VocabularyEntry& row = kVocabulary[entry.row];
        if (row.spelling == Spelling::Refused) {
            reading.status = ReadStatus::Refused;
            reading.note = row.refusal;
        } else if (row.spelling == Spelling::RefusedAlone) {
            reading.refusal = row.refusal;
        } else if (kRowNotes[entry.row] != nullptr) {
            reading.note = kRowNotes[entry.row];
        }
    }
    return reading;
}

// For each ASCII character, the prefixes whose symbol starts with it and those
// whose word starts with it folded, as bits by row: most names pass over all but one or two.
struct PrefixStarts {
    std::uint64_t symbols[128];
    std::uint64_t words[128];
    std::uint64_t other; // symbols that start outside ASCII (the micro signs)
};

// The slot of an ASCII character; callers check that it is one.
constexpr std::size_t asciiSlot(wchar_t c) { return static_cast<std::uint32_t>(c) & 0x7FU; }

constexpr PrefixStarts makePrefixStarts() {
    PrefixStarts starts{};
    for (std::uint8_t p = 0; p < kPrefixCount; ++p) {
        const std::uint64_t bit = std::uint64_t{1} << p;
        const wchar_t* symbol = kPrefixes[p].symbol;
        if (symbol != nullptr && symbol[0] >= 0 && symbol[0] < 128) {
            starts.symbols[asciiSlot(symbol[0])] |= bit;
        } else if (symbol != nullptr) {
            starts.other |= bit;
        }
        if (kPrefixes[p].word != nullptr) {
            starts.words[asciiSlot(foldCase(kPrefixes[p].word[0]))] |= bit;
        }
    }
    return starts;
}

constexpr PrefixStarts kPrefixStarts = makePrefixStarts();

/// The prefixes that may start name: symbols by its first character, words by it folded.
std::uint64_t prefixRows(const wchar_t* name, bool word, bool folded) {
    if (!charclass::ascii(name[0])) {
        return word ? 0U : kPrefixStarts.other;
    }
    if (word) {
        return kPrefixStarts.words[asciiSlot(foldCase(name[0]))];
    }
    const wchar_t lower = foldCase(name[0]);
    const wchar_t upper = lower >= L'a' && lower <= L'z' ? static_cast<wchar_t>(lower - L'a' + L'A') : lower;
    return folded ? kPrefixStarts.symbols[asciiSlot(lower)] | kPrefixStarts.symbols[asciiSlot(upper)]
                  : kPrefixStarts.symbols[asciiSlot(name[0])];
}

/// The prefixable unit that rest is after prefix p (a symbol in its case after a symbol, a name after a word);
/// folded: symbols in any case, for the diagnosis of a wrong case.
const LexEntry* prefixable(const wchar_t* rest, std::size_t length, std::uint8_t p, bool word, bool folded) {
    const LexGroup group = findSpellings(rest, length, hashFolded(rest, length));
    const LexSource wanted = word ? LexSource::PrefixableName : LexSource::PrefixableSymbol;
    for (const LexEntry* entry = group.begin; entry != group.end; ++entry) {
        if (entry->source == wanted && (folded || matchesCase(*entry, rest, length)) &&
            (!kPrefixes[p].binary || kPrefixableUnits[entry->row].binaryPrefixes)) {
            return entry;
        }
    }
    return nullptr;
}

/// Calls visit(prefix, entry) for each prefix that name starts with and the prefixable unit after it.
template <typename Visit>
bool forEachPrefixed(const wchar_t* name, std::size_t length, bool folded, Visit visit) {
    for (const bool word : {false, true}) {
        for (std::uint64_t rows = prefixRows(name, word, folded); rows != 0; rows &= rows - 1) {
            const auto p = static_cast<std::uint8_t>(__builtin_ctzll(rows));
            const wchar_t* start = word ? kPrefixes[p].word : kPrefixes[p].symbol;
            if (!startsWith(name, length, start, word || folded)) {
                continue;
            }
            // A prefix word may stand apart from the name it binds to: "kilo electron volt", "milli gram".
            std::size_t used = lengthOf(start);
            while (word && used < length && isBlank(name[used])) {
                ++used;
            }
            if (used == length) {
                continue;
            }
            const LexEntry* entry = prefixable(name + used, length - used, p, word, folded && !word);
            if (entry != nullptr && visit(p, *entry)) {
                return true;
            }
        }
    }
    return false;
}

bool readPrefixed(const wchar_t* name, std::size_t length, Reading& out) {
    return forEachPrefixed(name, length, false, [&out](std::uint8_t p, const LexEntry& entry) {
        setFound(out, sourceOf(entry, p), entry.text);
        out.note = nullptr;
        return true;
    });
}

// The qualifier in parentheses at text[at] ("(US)", "( imp )"): the word it is written before a unit with,
/// and end past its ')'; null where there is none.
const wchar_t* qualifierAtImpl(const wchar_t* text, std::size_t length, std::size_t at, std::size_t& end) {
    std::size_t i = skipBlanks(text, length, at + 1);
    const std::size_t word = i;
    while (i < length && !endsWord(text[i])) {
        ++i;
    }
    const wchar_t* before = qualifierBefore(text + word, i - word);
    i = skipBlanks(text, length, i);
    if (before == nullptr || i >= length || text[i] != L')') {
        return nullptr;
    }
    end = i + 1;
    return before;
}

// Longer names with underscores are not worth a copy on the stack.
constexpr std::size_t kMaxUnderscoredLength = 64;

// "degree_Celsius" is "degree Celsius".
bool readUnderscored(const wchar_t* name, std::size_t length, Reading& out) {
    wchar_t blanked[kMaxUnderscoredLength];
    bool any = false;
    for (std::size_t i = 0; i < length && length <= kMaxUnderscoredLength; ++i) {
        any = any || name[i] == L'_';
        blanked[i] = name[i] == L'_' ? L' ' : name[i];
    }
    if (!any) {
        return false;
    }
    out = readName(blanked, length);
    return out.status == ReadStatus::Found;
}

// "Δ" or "delta_" before a temperature: the length of the mark, else 0.
std::size_t differenceMark(const wchar_t* name, std::size_t length) {
    if (length > 1 && name[0] == L'\u0394') {
        return 1;
    }
    constexpr std::size_t kDelta = 6;
    return length > kDelta && equalsFolded(name, kDelta, L"delta_") ? kDelta : 0;
}

// "feets", "inchs", "hertzes": a name with an s or es too many, as other readers take it. Names only, and only
// from four letters on: a symbol with an s is another symbol.
bool readExtraPlural(const wchar_t* name, std::size_t length, Reading& out) {
    constexpr std::size_t kShortest = 4;
    if (length < kShortest || foldCase(name[length - 1]) != L's') {
        return false;
    }
    for (const std::size_t cut : {std::size_t{1}, std::size_t{2}}) {
        if (cut == 2 && foldCase(name[length - 2]) != L'e') {
            break;
        }
        const LexEntry* entry = findSpelling(name, length - cut, hashFolded(name, length - cut));
        if (entry != nullptr && !entry->exact) {
            out = readingOf(*entry);
            return out.status == ReadStatus::Found;
        }
    }
    return false;
}

// "nmi (int)" as one name: the term and its qualifier.
bool readQualifiedName(const wchar_t* name, std::size_t length, Reading& out) {
    std::size_t open = length;
    while (open > 0 && name[open - 1] != L'(') {
        --open;
    }
    if (open == 0) {
        return false;
    }
    std::size_t end{}; // past the qualifier's ')', where there is one
    const wchar_t* before = qualifierAtImpl(name, length, open - 1, end);
    std::size_t termEnd = open - 1;
    while (termEnd > 0 && isBlank(name[termEnd - 1])) {
        --termEnd;
    }
    if (before == nullptr || end != length || termEnd == 0) {
        return false;
    }
    out = readQualified(name, termEnd, before);
    return out.status == ReadStatus::Found;
}

bool readDifference(const wchar_t* name, std::size_t length, Reading& out) {
    const std::size_t mark = differenceMark(name, length);
    if (mark == 0) {
        return false;
    }
    const Reading rest = readName(name + mark, length - mark);
    if (rest.status != ReadStatus::Found || !isOneUnit(rest.meaning) ||
        QelUnit::getType(rest.meaning.units[0].unit) != QelUnit::Temperature) {
        return false;
    }
    out = rest;
    out.meaning.difference = true;
    return true;
}

// A symbol written in another case than its own: the spellings that exist, or a refusal.
Reading diagnoseCase(const wchar_t* name, std::size_t length, const LexGroup& group) {
    Reading reading;
    const auto offer = [&reading](const ReadingSource& source) {
        if (reading.status != ReadStatus::WrongCase) {
            reading.status = ReadStatus::WrongCase;
            reading.source = source;
        } else if (reading.other.kind == ReadingSource::Kind::None &&
                   spellingOf(source) != spellingOf(reading.source)) {
            reading.other = source;
        }
    };
    for (const LexEntry* entry = group.begin; entry != group.end; ++entry) {
        const Reading exact = fromEntry(*entry);
        if (exact.status == ReadStatus::Refused) {
            return exact;
        }
        offer(exact.source);
    }
    forEachPrefixed(name, length, true, [&](std::uint8_t p, const LexEntry& entry) {
        offer(sourceOf(entry, p));
        return false;
    });
    return reading;
}

const wchar_t* prefixWord(std::uint8_t prefix) {
    for (const Prefix& p : kPrefixes) {
        if (p.exponent == kPrefixes[prefix].exponent && p.binary == kPrefixes[prefix].binary && p.word != nullptr) {
            return p.word;
        }
    }
    return L"";
}

} // namespace

double prefixedScale(std::uint16_t row, std::uint8_t prefix) noexcept { return prefixedMeaning(row, prefix).scale; }

Meaning prefixedMeaningOf(std::uint16_t row, std::uint8_t prefix) noexcept { return prefixedMeaning(row, prefix); }

double prefixFactor(std::uint8_t prefix) noexcept {
    if (prefix == kNoPrefix) {
        return 1.0;
    }
    const Prefix& p = kPrefixes[prefix];
    return p.binary ? std::ldexp(1.0, p.exponent) : kPowersOfTen[p.exponent - kLowestPowerOfTen];
}

bool isOneUnit(const Meaning& meaning) noexcept {
    return meaning.scale == 1.0 && meaning.units[0].power == 1 && meaning.units[1].power == 0;
}

bool readSpelling(const wchar_t* name, std::size_t length, std::uint32_t hash, Reading& out) noexcept {
    const LexEntry* entry = findSpelling(name, length, hash);
    if (entry != nullptr) {
        out = readingOf(*entry);
    }
    return entry != nullptr;
}

Reading readingOf(const LexEntry& entry) noexcept { return fromEntry(entry); }

Reading readName(const wchar_t* name, std::size_t length, std::uint32_t hash) noexcept {
    Reading reading;
    if (length == 0 || readSpelling(name, length, hash, reading)) {
        return reading;
    }
    if (readPrefixed(name, length, reading) || readUnderscored(name, length, reading) ||
        readDifference(name, length, reading) || readExtraPlural(name, length, reading) ||
        readQualifiedName(name, length, reading)) {
        return reading;
    }
    reading = diagnoseCase(name, length, findSpellings(name, length, hash));
    // A name the caller defined wins over a builtin spelling in another case ("p" beside the poise's "P").
    const bool open = reading.status == ReadStatus::Unknown || reading.status == ReadStatus::WrongCase;
    const std::uint16_t term = open ? namedTerm(name, length) : kNoTerm;
    if (term != kNoTerm) { // a constant, or a unit of the caller's definitions
        reading = Reading{};
        reading.status = ReadStatus::Found;
        reading.meaning.origin = {MeaningOrigin::Kind::Term, kNoPrefix, term};
    }
    return reading;
}

Reading readName(const wchar_t* name, std::size_t length) noexcept {
    return readName(name, length, hashFolded(name, length));
}

const wchar_t* qualifierAt(const wchar_t* text, std::size_t length, std::size_t at, std::size_t& end) noexcept {
    return qualifierAtImpl(text, length, at, end);
}

Reading readQualified(const wchar_t* term, std::size_t length, const wchar_t* before) noexcept {
    constexpr std::size_t kMaxQualified = 128;
    wchar_t written[kMaxQualified];
    std::size_t used = 0;
    for (const wchar_t* c = before; *c != 0 && used < kMaxQualified; ++c) {
        written[used++] = *c;
    }
    if (used + 1 + length > kMaxQualified) {
        return {};
    }
    written[used++] = L' ';
    for (std::size_t i = 0; i < length; ++i) {
        written[used++] = term[i];
    }
    return readName(written, used);
}

bool resolveUnit(const wchar_t* name, std::size_t length, QelUnit::BuiltinUnits& unit) noexcept {
    const Reading reading = readName(name, length);
    const bool one = reading.status == ReadStatus::Found && isOneUnit(reading.meaning) && !reading.meaning.difference;
    unit = one ? reading.meaning.units[0].unit : QelUnit::dimensionless;
    return one;
}

QelUnitType typeOf(const Meaning& meaning) {
    QelUnitType type;
    for (const QelUnitFactor& factor : meaning.units) {
        if (factor.power != 0) {
            type *= QelUnitType(factor.unit, factor.power);
        }
    }
    return type;
}

std::wstring spellingOf(const ReadingSource& source) {
    switch (source.kind) {
    case ReadingSource::Kind::Catalogue:
        return textOf(kUnitTable[source.row], static_cast<TextKind>(source.text));
    case ReadingSource::Kind::Vocabulary:
        return kVocabulary[source.row].text;
    case ReadingSource::Kind::Prefixed: {
        const PrefixableUnit& unit = kPrefixableUnits[source.row];
        const Prefix* prefix = source.prefix == kNoPrefix ? nullptr : &kPrefixes[source.prefix];
        const wchar_t* start = prefix == nullptr ? L"" : source.byName ? prefix->word : prefix->symbol;
        return std::wstring(start) + (source.byName ? unit.names[source.text] : unit.symbols[source.text]);
    }
    case ReadingSource::Kind::None:
        break;
    }
    return {};
}

std::wstring describe(const ReadingSource& source) {
    const Meaning meaning = meaningOf(source);
    if (source.kind == ReadingSource::Kind::Prefixed && kPrefixableUnits[source.row].names[0] != nullptr) {
        const wchar_t* word = source.prefix == kNoPrefix ? L"" : prefixWord(source.prefix);
        return word + std::wstring(kPrefixableUnits[source.row].names[0]);
    }
    if (isOneUnit(meaning)) {
        return QelUnit::internalName(meaning.units[0].unit);
    }
    return QelUnitParser::format(QelUnitExpression(meaning.scale, typeOf(meaning))).c_str();
}

} // namespace qelunits_detail
