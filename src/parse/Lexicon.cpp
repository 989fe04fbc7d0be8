#include "parse/Lexicon.h"

#include "catalog/HashedTexts.h"
#include "catalog/UnitTable.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace qelunits_detail {
namespace {

// No prefix attaches to a symbol refused on purpose: no unit that takes prefixes has one as its symbol.
constexpr int refusedPrefixableSymbols() {
    int count = 0;
    for (const PrefixableUnit& unit : kPrefixableUnits) {
        for (const wchar_t* symbol : unit.symbols) {
            for (const VocabularyEntry& row : kVocabulary) {
                count += static_cast<int>(symbol != nullptr && row.spelling == Spelling::Refused &&
                                          sameText(row.text, symbol));
            }
        }
    }
    return count;
}
static_assert(refusedPrefixableSymbols() == 0, "a refused spelling is the symbol of a unit that takes prefixes");

constexpr bool hasNote(const wchar_t* text, std::int32_t unit) {
    for (const SpellingNote& note : kSpellingNotes) {
        if (note.unit == unit && sameText(note.text, text)) {
            return true;
        }
    }
    return false;
}

// A difference is read by its mark (Δ, delta_), never spelled by a row: a plain spelling means a reading.
constexpr int differenceRows() {
    int count = 0;
    for (const VocabularyEntry& row : kVocabulary) {
        count += static_cast<int>(row.meaning.difference);
    }
    for (const PrefixableUnit& unit : kPrefixableUnits) {
        count += static_cast<int>(unit.meaning.difference);
    }
    return count;
}
static_assert(differenceRows() == 0, "a row spells no temperature difference");

constexpr std::uint16_t plainUnit(const Meaning& meaning) {
    const bool one = meaning.scale == 1.0 && meaning.units[0].power == 1 && meaning.units[1].power == 0;
    return one ? static_cast<std::uint16_t>(meaning.units[0].unit) : kNotPlain;
}

constexpr std::uint16_t plainRow(const VocabularyEntry& row) {
    const bool read = row.spelling == Spelling::Symbol || row.spelling == Spelling::Name;
    const bool noted = hasNote(row.text, row.meaning.units[0].unit) || vocabularyNote(row.text) != nullptr;
    return read && !noted ? plainUnit(row.meaning) : kNotPlain;
}

constexpr std::uint16_t plainPrefixable(const PrefixableUnit& unit) {
    return unit.exponent == 0 ? plainUnit(unit.meaning) : kNotPlain;
}

/// Calls visit with every entry, in order of precedence.
template <typename Visit>
constexpr void forEachSpelling(Visit visit) {
    for (std::size_t row = 0; row < kVocabulary.size(); ++row) {
        visit(LexEntry{kVocabulary[row].text, static_cast<std::uint16_t>(row), LexSource::Vocabulary, 0,
                       kVocabulary[row].spelling != Spelling::Name, plainRow(kVocabulary[row])});
    }
    std::array<std::uint16_t, kUnitCount> units{};
    for (std::size_t unit = 0; unit < units.size(); ++unit) {
        units[unit] = static_cast<std::uint16_t>(unit);
    }
    stableSort(units, units.size(), [](std::uint16_t a, std::uint16_t b) { return preferredUnit(a, b); });
    for (const std::uint16_t unit : units) {
        for (const TextKindInfo& kind : kUnitTextKinds) {
            const wchar_t* text = kUnitTable[unit].*kind.field;
            if (text != nullptr && text[0] != 0) {
                visit(LexEntry{text, unit, LexSource::Catalogue, static_cast<std::uint8_t>(kind.kind), kind.symbol,
                               hasNote(text, unit) ? kNotPlain : unit});
            }
        }
    }
    for (std::size_t row = 0; row < std::size(kPrefixableUnits); ++row) {
        const PrefixableUnit& unit = kPrefixableUnits[row];
        for (std::size_t i = 0; i < std::size(unit.symbols); ++i) {
            if (unit.symbols[i] != nullptr) {
                visit(LexEntry{unit.symbols[i], static_cast<std::uint16_t>(row), LexSource::PrefixableSymbol,
                               static_cast<std::uint8_t>(i), true, plainPrefixable(unit)});
            }
        }
        for (std::size_t i = 0; i < std::size(unit.names); ++i) {
            if (unit.names[i] != nullptr) {
                visit(LexEntry{unit.names[i], static_cast<std::uint16_t>(row), LexSource::PrefixableName,
                               static_cast<std::uint8_t>(i), false, plainPrefixable(unit)});
            }
        }
    }
}

constexpr std::size_t countSpellings() {
    std::size_t count = 0;
    forEachSpelling([&count](const LexEntry&) { ++count; });
    return count;
}

constexpr std::size_t kSpellingCount = countSpellings();
constexpr std::size_t kSpellingSlots = 8192; // a power of two, twice the spellings and more: short probes
static_assert(kSpellingCount < kSpellingSlots / 2, "the table stays sparse");

struct EntryText {
    constexpr const wchar_t* operator()(const LexEntry& entry) const { return entry.text; }
};

constexpr auto buildLexicon() {
    std::array<LexEntry, kSpellingCount> entries{};
    std::size_t used = 0;
    forEachSpelling([&](const LexEntry& entry) { entries[used++] = entry; });
    return hashTexts<kSpellingSlots>(entries, used, EntryText{});
}

constexpr auto kLexicon = buildLexicon();

// Whole names: the spellings that hold a blank or an operator, found by their first word and the character
// that ends it (the key: "m/", "sq ", "ft-").
struct WholeName {
    const wchar_t* text = nullptr;
    bool exact{}; // a symbol: the text must be written in its case
    std::size_t length{};
    std::size_t keyLength{};    // the first word, the character that ends it and the one after that
    std::size_t firstBreak = 0; // where the first word ends: counted up from the start
    std::uint32_t keyHash{};
    NameShape shape;
    bool slash{}; // holds '/': not read whole where a tighter product goes on after it
    // Holds the word "per" after its first word ("meter per second"): as '/', and the names after it belong to
    // the divisor ("watt per square meter kelvin"), so read in parts where more follows, or in a divisor.
    bool per{};
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
    for (; *text != 0; ++text) {
        if (endsWord(*text)) {
            return true;
        }
    }
    return false;
}

constexpr std::size_t countWholeNames() {
    std::size_t count = 0;
    forEachSpelling([&count](const LexEntry& entry) { count += isWholeName(entry.text) ? 1U : 0U; });
    return count;
}

constexpr std::size_t kWholeNameCount = countWholeNames();

constexpr bool holdsPer(const wchar_t* text, std::size_t length) {
    for (std::size_t i = 1; i + 4 < length; ++i) {
        if (isBlank(text[i - 1]) && equalsFolded(text + i, 3, L"per") && isBlank(text[i + 3])) {
            return true;
        }
    }
    return false;
}

constexpr WholeName makeWholeName(const wchar_t* text) {
    WholeName name;
    name.text = text;
    name.shape = shapeOf(text);
    name.length = lengthOf(text);
    name.slash = std::char_traits<wchar_t>::find(text, name.length, L'/') != nullptr;
    name.per = holdsPer(text, name.length);
    while (!endsWord(text[name.firstBreak])) {
        ++name.firstBreak;
    }
    name.keyLength = name.firstBreak + (text[name.firstBreak + 1] != 0 ? 2 : 1);
    name.keyHash = hashFolded(text, name.keyLength);
    return name;
}

constexpr bool sameKey(const WholeName& a, const WholeName& b) {
    return a.keyHash == b.keyHash && a.keyLength == b.keyLength && prefixEqualsFolded(a.text, b.text, a.keyLength);
}

// Names with the same key lie together: ordered by hash, length and the key's text.
constexpr bool wholeNameBefore(const WholeName& a, const WholeName& b) {
    if (a.keyHash != b.keyHash || a.keyLength != b.keyLength) {
        return std::pair(a.keyHash, a.keyLength) < std::pair(b.keyHash, b.keyLength);
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
    forEachSpelling([&](const LexEntry& entry) {
        if (isWholeName(entry.text)) {
            names[next] = makeWholeName(entry.text);
            names[next++].exact = entry.exact;
        }
    });
    stableSort(names, next, wholeNameBefore);
    return names;
}

constexpr std::array<WholeName, kWholeNameCount> kWholeNames = makeWholeNames();

/// The names [begin, end) of kWholeNames that share a key; end 0 for an empty slot.
struct KeySlot {
    std::uint32_t hash{};
    std::uint16_t begin{};
    std::uint16_t end = 0;
};

constexpr unsigned kKeySlotBits = 12;
constexpr std::size_t kKeySlotCount = std::size_t{1} << kKeySlotBits; // several times the keys: short probes

// FNV-1a's low bits follow the last character closely: keys that differ only there would fill runs of
// neighbouring slots. The multiply spreads them.
constexpr std::size_t keyIndex(std::uint32_t hash) {
    return (hash * 0x9E3779B1U) >> (32U - kKeySlotBits); // the top bits, the best mixed
}
static_assert(kWholeNameCount < kKeySlotCount, "probing needs a free slot");

// Open addressing by the key's hash: a word that starts no whole name costs one hash and a probe.
constexpr std::array<KeySlot, kKeySlotCount> makeKeySlots() {
    std::array<KeySlot, kKeySlotCount> slots{};
    std::size_t at{}; // the slot of the name before, which the first name does not look at
    for (std::size_t i = 0; i < kWholeNameCount; ++i) {
        if (i > 0 && sameKey(kWholeNames[i], kWholeNames[i - 1])) {
            slots[at].end = static_cast<std::uint16_t>(i + 1);
            continue;
        }
        at = keyIndex(kWholeNames[i].keyHash);
        while (slots[at].end != 0) {
            at = (at + 1) & (kKeySlotCount - 1);
        }
        slots[at] = {kWholeNames[i].keyHash, static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(i + 1)};
    }
    return slots;
}

constexpr std::array<KeySlot, kKeySlotCount> kKeySlots = makeKeySlots();

// The ASCII characters that end the first word of some whole name, as bits: after any other a word is no
// start of one, and needs no probe.
constexpr std::array<std::uint64_t, 2> makeNameBreaks() {
    std::array<std::uint64_t, 2> bits{};
    for (const WholeName& name : kWholeNames) {
        const wchar_t c = name.text[name.firstBreak];
        if (charclass::ascii(c)) {
            bits[static_cast<std::size_t>(c) / 64] |= std::uint64_t{1} << (static_cast<unsigned>(c) % 64);
        }
    }
    return bits;
}

constexpr std::array<std::uint64_t, 2> kNameBreaks = makeNameBreaks();

bool mayBreakIntoName(wchar_t c) {
    return !charclass::ascii(c) ||
           ((kNameBreaks[static_cast<std::size_t>(c) / 64] >> (static_cast<unsigned>(c) % 64)) & 1U) != 0;
}

// A character that starts a word: not a blank, operator, joiner, sign or digit.
bool startsWord(wchar_t c) { return !endsWord(c) && !isSign(c); }

std::size_t skipBlanks(const wchar_t* text, std::size_t length, std::size_t at) {
    while (at < length && isBlank(text[at])) {
        ++at;
    }
    return at;
}

std::size_t wordEnd(const wchar_t* text, std::size_t at, std::size_t length) {
    while (at < length && !endsWord(text[at])) {
        ++at;
    }
    return at;
}

// Whether an exponent follows a name that ends at at: digits or a signed number
// right after it ("m2", "s-1"), or after blanks '^', "**", a superscript or "squared".
bool exponentFollows(const wchar_t* text, std::size_t length, std::size_t at) {
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
    int power = 0;
    return word == OperatorWord::Squared || word == OperatorWord::Cubed ||
           (word == OperatorWord::To && powerPhraseEnd(text, length, at, power) != 0);
}

// Whether a product goes on after a name holding '/' that ends at at: a tighter one ("m/s-kg") it would take
// in, and one by '·' or side by side ("kg/m·s", "m/s kg") reads two ways after a divisor; read in parts, the
// reader says so.
bool productFollows(const wchar_t* text, std::size_t length, std::size_t at) {
    if (at + 1 < length && text[at] == L'-' && startsWord(text[at + 1])) {
        return true;
    }
    const std::size_t next = skipBlanks(text, length, at);
    if (next >= length) {
        return false;
    }
    if (isMiddleDot(text[next])) {
        return true;
    }
    // No word starts right at at, or the name would not end there: a word here follows a blank.
    return startsWord(text[next]) && operatorWord(text + next, wordEnd(text, next, length) - next) != OperatorWord::Per;
}

// The names whose key is text[start, start + keyLength), hashed to hash; an empty slot when none.
const KeySlot& keySlot(const wchar_t* text, std::size_t start, std::size_t keyLength, std::uint32_t hash) {
    std::size_t at = keyIndex(hash);
    for (; kKeySlots[at].end != 0; at = (at + 1) & (kKeySlotCount - 1)) {
        const WholeName& first = kWholeNames[kKeySlots[at].begin];
        if (kKeySlots[at].hash == hash && first.keyLength == keyLength &&
            prefixEqualsFolded(text + start, first.text, keyLength)) {
            break;
        }
    }
    return kKeySlots[at];
}

// The longest whole name of a slot that text[start, length) starts with and the grammar reads whole there.
std::size_t longestName(const KeySlot& slot, const wchar_t* text, std::size_t length, std::size_t start, bool inDivisor,
                        bool& rejected) {
    std::size_t best = 0;
    for (const WholeName* name = kWholeNames.data() + slot.begin; name != kWholeNames.data() + slot.end; ++name) {
        const std::size_t keyLength = name->keyLength;
        if (name->length > length - start ||
            !prefixEqualsFolded(text + start + keyLength, name->text + keyLength, name->length - keyLength) ||
            (name->exact && !equalsExactly(text + start, name->length, name->text))) {
            continue;
        }
        std::size_t end = start + name->length;
        // A name with an s or es too many, as other readers take it: "metric horsepowers".
        for (const wchar_t* plural : {L"s", L"es"}) {
            const std::size_t more = lengthOf(plural);
            if (!name->exact && end + more <= length && equalsFolded(text + end, more, plural) &&
                (end + more == length || !startsWord(text[end + more]))) {
                end += more;
                break;
            }
        }
        if (end < length && startsWord(text[end])) {
            continue; // the text goes on: not this name
        }
        if (((!name->shape.compact || name->per) && exponentFollows(text, length, end)) ||
            ((name->shape.quotient || name->per) && inDivisor) ||
            ((name->slash || name->per) && productFollows(text, length, end))) {
            rejected = true;
            continue;
        }
        best = std::max(best, end);
    }
    return best;
}

} // namespace

LexGroup findSpellings(const wchar_t* text, std::size_t length, std::uint32_t hash) noexcept {
    const Slot* slot = length == 0 ? nullptr : findSlot(kLexicon, text, length, hash, EntryText{});
    return slot == nullptr ? LexGroup{}
                           : LexGroup{kLexicon.entries + slot->first, kLexicon.entries + slot->first + slot->count};
}

bool matchesCase(const LexEntry& entry, const wchar_t* text, std::size_t length) noexcept {
    return !entry.exact || equalsExactly(text, length, entry.text);
}

namespace {

constexpr const LexEntry* spellingOf(const wchar_t* text, std::size_t length, std::uint32_t hash) noexcept {
    if (length == 0 || length > kLexicon.maxLength) {
        return nullptr;
    }
    // The group of the text's hash; its entries are compared one by one (a symbol in its case, a name in any),
    // which also tells a rare second text of the same hash apart.
    for (std::size_t at = hash & (kSpellingSlots - 1); kLexicon.slots[at].count != 0;
         at = (at + 1) & (kSpellingSlots - 1)) {
        const Slot& slot = kLexicon.slots[at];
        if (slot.hash != hash) {
            continue;
        }
        const LexEntry* group = kLexicon.entries + slot.first;
        for (const LexEntry* entry = group; entry != group + slot.count; ++entry) {
            if (entry->exact ? equalsExactly(text, length, entry->text) : equalsFolded(text, length, entry->text)) {
                return entry;
            }
        }
        if (equalsFolded(text, length, group->text)) {
            return nullptr; // the text's own group: no spelling of it in this case
        }
    }
    return nullptr;
}

// Texts of one or two ASCII letters ("m", "ft", "kg", "Pa") are most of what is typed: the plain unit of each,
// looked up while compiling, so that reading one is an indexed read.
constexpr int kLetters = 52;

constexpr int letterIndex(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' : c >= 'a' && c <= 'z' ? c - 'a' + 26 : -1; }

struct ShortSpellings {
    std::uint16_t one[kLetters];
    std::uint16_t two[kLetters][kLetters];
};

constexpr std::uint16_t plainOf(const wchar_t* text, std::size_t length) {
    const LexEntry* entry = spellingOf(text, length, hashFolded(text, length));
    return entry != nullptr ? entry->plain : kNotPlain;
}

constexpr ShortSpellings buildShortSpellings() {
    ShortSpellings table{};
    for (int a = 0; a < kLetters; ++a) {
        const auto first = static_cast<wchar_t>(a < 26 ? L'A' + a : L'a' + a - 26);
        const wchar_t one[1] = {first};
        table.one[a] = plainOf(one, 1);
        for (int b = 0; b < kLetters; ++b) {
            const wchar_t two[2] = {first, static_cast<wchar_t>(b < 26 ? L'A' + b : L'a' + b - 26)};
            table.two[a][b] = plainOf(two, 2);
        }
    }
    return table;
}

constexpr ShortSpellings kShortSpellings = buildShortSpellings();

} // namespace

const LexEntry* findSpelling(const wchar_t* text, std::size_t length, std::uint32_t hash) noexcept {
    return spellingOf(text, length, hash);
}

bool shortPlainSpelling(const char* text, std::size_t length, std::uint16_t& plain) noexcept {
    const int a = length >= 1 && length <= 2 ? letterIndex(text[0]) : -1;
    const int b = length == 2 ? letterIndex(text[1]) : 0;
    if (a < 0 || b < 0) {
        return false;
    }
    plain = length == 1 ? kShortSpellings.one[a] : kShortSpellings.two[a][b];
    return true;
}

std::size_t wholeNameEnd(const wchar_t* text, std::size_t length, std::size_t start, std::size_t firstBreak,
                         std::uint32_t wordHash, bool inDivisor, bool& rejected) noexcept {
    if (!mayBreakIntoName(text[start + firstBreak])) {
        return 0;
    }
    // Keyed by the break and the character after it ("m/s" and "m/min" lie apart), or by the break alone.
    const std::uint32_t hash = hashStep(wordHash, text[start + firstBreak]);
    std::size_t best = 0;
    if (start + firstBreak + 1 < length) {
        const KeySlot& longer = keySlot(text, start, firstBreak + 2, hashStep(hash, text[start + firstBreak + 1]));
        best = longer.end == 0 ? 0 : longestName(longer, text, length, start, inDivisor, rejected);
    }
    const KeySlot& shorter = keySlot(text, start, firstBreak + 1, hash);
    const std::size_t end = shorter.end == 0 ? 0 : longestName(shorter, text, length, start, inDivisor, rejected);
    return std::max(best, end);
}

} // namespace qelunits_detail
