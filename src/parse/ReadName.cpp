#include "parse/ReadName.h"

#include "catalog/HashedTexts.h"
#include "catalog/NameIndex.h"
#include "catalog/UnitTable.h"
#include "parse/CharClass.h"

#include <qelunits/QelUnitParser.h>

#include <array>
#include <cmath>

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

constexpr std::uint8_t kPrefixCount = sizeof(kPrefixes) / sizeof(kPrefixes[0]);
static_assert(kPrefixCount < kNoPrefix, "a prefix row fits its byte");

constexpr int prefixExponent(std::uint8_t prefix) { return prefix == kNoPrefix ? 0 : kPrefixes[prefix].exponent; }

constexpr bool exponentsInTable() {
    for (const PrefixableUnit& unit : kPrefixableUnits) {
        for (const Prefix& prefix : kPrefixes) {
            const int index = prefix.exponent + unit.exponent - kLowestPowerOfTen;
            if (index < 0 || index >= static_cast<int>(sizeof(kPowersOfTen) / sizeof(kPowersOfTen[0]))) {
                return false;
            }
        }
    }
    return true;
}
static_assert(exponentsInTable(), "every prefixed unit's power of ten is in the table");

// Two readings that differ by less than this mean the same unit: it spans the
// catalogue's roundings (745.6999 W for the horsepower) and nothing else.
constexpr double kSameMeaning = 1e-6;

std::size_t lengthOf(const wchar_t* text) { return std::char_traits<wchar_t>::length(text); }

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
    meaning.scale *= kPowersOfTen[prefixExponent(prefix) + unit.exponent - kLowestPowerOfTen];
    return meaning;
}

Meaning meaningOf(const ReadingSource& source) {
    switch (source.kind) {
    case ReadingSource::Kind::Catalogue:
        return catalogueMeaning(source.row);
    case ReadingSource::Kind::Vocabulary:
        return kVocabulary[source.row].meaning;
    case ReadingSource::Kind::Prefixed:
        return prefixedMeaning(source.row, source.prefix);
    case ReadingSource::Kind::None:
        break;
    }
    return {};
}

// The units that have a note, so that the others skip the search.
constexpr std::array<std::uint64_t, (kUnitCount + 63) / 64> makeNotedUnits() {
    std::array<std::uint64_t, (kUnitCount + 63) / 64> bits{};
    for (const SpellingNote& note : kSpellingNotes) {
        bits[static_cast<std::size_t>(note.unit) / 64] |= std::uint64_t{1} << (static_cast<unsigned>(note.unit) % 64);
    }
    return bits;
}

constexpr std::array<std::uint64_t, (kUnitCount + 63) / 64> kNotedUnits = makeNotedUnits();

const wchar_t* noteFor(std::uint16_t unit, const wchar_t* stored) {
    if (((kNotedUnits[unit / 64U] >> (unit % 64U)) & 1U) == 0) {
        return nullptr;
    }
    for (const SpellingNote& note : kSpellingNotes) {
        if (note.unit == unit && equalsExactly(stored, lengthOf(stored), note.text)) {
            return note.note;
        }
    }
    return nullptr;
}

bool sameMeaning(const Meaning& a, const Meaning& b) {
    const QelUnitExpression from(a.scale, typeOf(a));
    const QelUnitExpression to(b.scale, typeOf(b));
    double factor = 0.0;
    return from.isEqualTo(to) ||
           (from.GetConversionFactor(to, factor) == QelUnit::Ok && std::fabs(factor - 1.0) <= kSameMeaning);
}

Reading found(const ReadingSource& source, const wchar_t* note = nullptr) {
    Reading reading;
    reading.status = ReadStatus::Found;
    reading.meaning = meaningOf(source);
    reading.source = source;
    reading.note = note;
    return reading;
}

Reading fromVocabulary(std::uint16_t row) {
    Reading reading = found({ReadingSource::Kind::Vocabulary, 0, kNoPrefix, false, row});
    if (kVocabulary[row].spelling == Spelling::Refused) {
        reading.status = ReadStatus::Refused;
        reading.note = kVocabulary[row].refusal;
    }
    return reading;
}

// The catalogue's texts: names with case folded, symbols in exact case; the entries come in order of preference.
bool readCatalogue(const wchar_t* name, std::size_t length, Reading& out) {
    const NameEntries entries = findEnglishTexts(name, length);
    for (const NameEntry* entry = entries.items; entry != entries.items + entries.count; ++entry) {
        const wchar_t* stored = entry->text;
        if (!entry->symbol || equalsExactly(name, length, stored)) {
            out = found(
                {ReadingSource::Kind::Catalogue, static_cast<std::uint8_t>(entry->kind), kNoPrefix, false, entry->unit},
                noteFor(entry->unit, stored));
            return true;
        }
    }
    return false;
}

// A prefixable unit among the hits for rest, after the prefix (or none): symbols in
// exact case after a symbol, names with case folded after a word or alone.
bool readPrefixable(const VocabularyHits& hits, const wchar_t* rest, std::size_t length, std::uint8_t prefix,
                    bool afterWord, Reading& out) {
    for (const VocabularyHit* hit = hits.items; hit != hits.items + hits.count; ++hit) {
        const bool symbol = hit->source == VocabularyHit::Source::PrefixableSymbol;
        const bool name = hit->source == VocabularyHit::Source::PrefixableName;
        if ((symbol && !afterWord && equalsExactly(rest, length, textOf(*hit))) ||
            (name && (afterWord || prefix == kNoPrefix))) {
            out = found({ReadingSource::Kind::Prefixed, hit->text, prefix, name, hit->row});
            return true;
        }
    }
    return false;
}

// The vocabulary, then a prefixable unit without a prefix: one lookup serves both.
bool readVocabulary(const wchar_t* name, std::size_t length, Reading& out) {
    const VocabularyHits hits = findVocabulary(name, length);
    for (const VocabularyHit* hit = hits.items; hit != hits.items + hits.count; ++hit) {
        if (hit->source == VocabularyHit::Source::Vocabulary &&
            (kVocabulary[hit->row].spelling == Spelling::Name || equalsExactly(name, length, textOf(*hit)))) {
            out = fromVocabulary(hit->row);
            return true;
        }
    }
    return readPrefixable(hits, name, length, kNoPrefix, false, out);
}

// For each ASCII character, the prefixes whose symbol starts with it and those
// whose word starts with it folded, as bits by row: most names pass over all but one or two.
struct PrefixStarts {
    std::uint32_t symbols[128];
    std::uint32_t words[128];
    std::uint32_t other; // symbols that start outside ASCII (the micro signs)
};

// The slot of an ASCII character; callers check that it is one.
constexpr std::size_t asciiSlot(wchar_t c) { return static_cast<std::uint32_t>(c) & 0x7FU; }

constexpr PrefixStarts makePrefixStarts() {
    PrefixStarts starts{};
    for (std::uint8_t p = 0; p < kPrefixCount; ++p) {
        const std::uint32_t bit = 1U << p;
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
static_assert(kPrefixCount <= 32, "a prefix is one bit");

bool readPrefixed(const wchar_t* name, std::size_t length, Reading& out) {
    const bool ascii = name[0] >= 0 && name[0] < 128;
    for (const bool word : {false, true}) {
        std::uint32_t rows = !ascii ? (word ? 0U : kPrefixStarts.other)
                             : word ? kPrefixStarts.words[asciiSlot(foldCase(name[0]))]
                                    : kPrefixStarts.symbols[asciiSlot(name[0])];
        for (std::uint8_t p = 0; rows != 0; ++p, rows >>= 1U) {
            const wchar_t* start = word ? kPrefixes[p].word : kPrefixes[p].symbol;
            if ((rows & 1U) == 0 || !startsWith(name, length, start, word)) {
                continue;
            }
            const std::size_t used = lengthOf(start);
            if (readPrefixable(findVocabulary(name + used, length - used), name + used, length - used, p, word, out)) {
                return true;
            }
        }
    }
    return false;
}

/// The readings of a name with case folded: the first, and whether another means something else.
class FoldedReadings {
public:
    void add(const ReadingSource& source, const wchar_t* note = nullptr) {
        const Reading reading = found(source, note);
        if (!mAny) {
            mFirst = reading;
            mAny = true;
        } else if (mFirst.status == ReadStatus::Found && !sameMeaning(mFirst.meaning, reading.meaning)) {
            mFirst.status = ReadStatus::AmbiguousCase;
            mFirst.other = source;
        }
    }
    void refuse(std::uint16_t row) {
        if (mRefusal.status != ReadStatus::Refused) {
            mRefusal = fromVocabulary(row);
        }
    }
    Reading result() const { return mRefusal.status == ReadStatus::Refused ? mRefusal : mFirst; }

private:
    Reading mFirst;
    Reading mRefusal;
    bool mAny = false;
};

void foldCatalogue(const wchar_t* name, std::size_t length, FoldedReadings& readings) {
    const NameEntries entries = findEnglishTexts(name, length);
    for (const NameEntry* entry = entries.items; entry != entries.items + entries.count; ++entry) {
        const wchar_t* stored = entry->text;
        bool seen = false; // a spelling several units share means its preferred unit, the first
        for (const NameEntry* before = entries.items; before != entry && !seen; ++before) {
            seen = equalsExactly(stored, length, before->text);
        }
        if (!seen) {
            readings.add(
                {ReadingSource::Kind::Catalogue, static_cast<std::uint8_t>(entry->kind), kNoPrefix, false, entry->unit},
                noteFor(entry->unit, stored));
        }
    }
}

void foldPrefixable(const wchar_t* rest, std::size_t length, std::uint8_t prefix, FoldedReadings& readings) {
    const VocabularyHits hits = findVocabulary(rest, length);
    for (const VocabularyHit* hit = hits.items; hit != hits.items + hits.count; ++hit) {
        if (hit->source == VocabularyHit::Source::PrefixableSymbol) {
            readings.add({ReadingSource::Kind::Prefixed, hit->text, prefix, false, hit->row});
        } else if (hit->source == VocabularyHit::Source::Vocabulary && prefix == kNoPrefix) {
            if (kVocabulary[hit->row].spelling == Spelling::Refused) {
                readings.refuse(hit->row);
            } else {
                readings.add({ReadingSource::Kind::Vocabulary, 0, kNoPrefix, false, hit->row});
            }
        }
    }
}

Reading readFolded(const wchar_t* name, std::size_t length) {
    FoldedReadings readings;
    foldCatalogue(name, length, readings);
    foldPrefixable(name, length, kNoPrefix, readings);
    for (std::uint8_t p = 0; p < kPrefixCount; ++p) {
        const wchar_t* symbol = kPrefixes[p].symbol;
        if (symbol != nullptr && startsWith(name, length, symbol, true)) {
            const std::size_t used = lengthOf(symbol);
            foldPrefixable(name + used, length - used, p, readings);
        }
    }
    return readings.result();
}

const wchar_t* prefixWord(std::uint8_t prefix) {
    for (const Prefix& p : kPrefixes) {
        if (p.exponent == kPrefixes[prefix].exponent && p.word != nullptr) {
            return p.word;
        }
    }
    return L"";
}

// "Δ" or "delta_" before a temperature: the length of the mark, else 0.
std::size_t differenceMark(const wchar_t* name, std::size_t length) {
    if (length > 1 && name[0] == L'\u0394') {
        return 1;
    }
    constexpr std::size_t kDelta = 6;
    return length > kDelta && equalsFolded(name, kDelta, L"delta_") ? kDelta : 0;
}

} // namespace

bool readCatalogueText(const wchar_t* name, std::size_t length, std::uint32_t hash, QelUnit::BuiltinUnits& unit,
                       const wchar_t*& note) noexcept {
    const NameEntries entries = findEnglishTexts(name, length, hash);
    for (const NameEntry* entry = entries.items; entry != entries.items + entries.count; ++entry) {
        if (!entry->symbol || equalsExactly(name, length, entry->text)) {
            unit = static_cast<QelUnit::BuiltinUnits>(entry->unit);
            note = noteFor(entry->unit, entry->text);
            return true;
        }
    }
    return false;
}

bool isOneUnit(const Meaning& meaning) noexcept {
    return meaning.scale == 1.0 && meaning.units[0].power == 1 && meaning.units[1].power == 0;
}

Reading readName(const wchar_t* name, std::size_t length, bool catalogueTried) noexcept {
    Reading reading;
    if (length == 0 || (!catalogueTried && readCatalogue(name, length, reading)) ||
        readVocabulary(name, length, reading) || readPrefixed(name, length, reading)) {
        return reading;
    }
    if (const std::size_t mark = differenceMark(name, length)) {
        Reading rest = readName(name + mark, length - mark);
        const bool temperature = rest.status == ReadStatus::Found && isOneUnit(rest.meaning) &&
                                 QelUnit::getType(rest.meaning.units[0].unit) == QelUnit::Temperature;
        rest.meaning.difference = temperature;
        return temperature ? rest : reading;
    }
    return length > 1 ? readFolded(name, length) : reading;
}

bool resolveUnit(const wchar_t* name, std::size_t length, QelUnit::BuiltinUnits& unit) noexcept {
    const Reading reading = readName(name, length);
    const bool one = reading.status == ReadStatus::Found && isOneUnit(reading.meaning);
    unit = one ? reading.meaning.units[0].unit : QelUnit::dimensionless;
    return one;
}

QelUnitType typeOf(const Meaning& meaning) {
    if (meaning.units[1].power == 0) {
        return QelUnitType(meaning.units[0].unit, meaning.units[0].power); // no merge for the common case
    }
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
