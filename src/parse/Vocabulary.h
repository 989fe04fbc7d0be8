#ifndef QELUNITS_SRC_PARSE_VOCABULARY_H
#define QELUNITS_SRC_PARSE_VOCABULARY_H

// What the parser reads beyond the catalogue's own texts: everyday spellings,
// SI prefixes on the units that take them, and the words that stand for
// operators. The rows live by topic under vocabulary/; here they are joined
// into the one table that the lookups index.

#include "parse/Meaning.h"
#include "parse/vocabulary/Customary.h"
#include "parse/vocabulary/Engineering.h"
#include "parse/vocabulary/Everyday.h"
#include "parse/vocabulary/Prefixable.h"
#include "parse/vocabulary/Science.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

/// The rows of several tables, one after another.
template <std::size_t... Sizes>
constexpr std::array<VocabularyEntry, (Sizes + ...)> joinRows(const VocabularyEntry (&... parts)[Sizes]) {
    std::array<VocabularyEntry, (Sizes + ...)> rows{};
    std::size_t at = 0;
    const auto append = [&rows, &at](const auto& part) {
        for (const VocabularyEntry& row : part) {
            rows[at++] = row;
        }
    };
    (append(parts), ...);
    return rows;
}

// Spellings in common use. A spelling that names a catalogue unit means that
// unit, rounding and all, so that it never disagrees with the catalogue's own
// texts; others are exact (the defining value in the comment). A row whose text
// is also a catalogue text gives the meaning the world gives it ("t", "cal").
inline constexpr auto kVocabulary =
    joinRows(kEverydaySpellings, kEngineeringSpellings, kScienceSpellings, kCustomarySpellings);

/// Words that stand for operators: "miles per hour", "m/s squared", "square metres".
enum class OperatorWord : std::uint8_t { None, Per, Squared, Cubed, Square, Cubic };

/// The operator a word stands for, case folded.
OperatorWord operatorWord(const wchar_t* text, std::size_t length) noexcept;

// clang-format off
inline constexpr SpellingNote kSpellingNotes[] = {
    {L"Ton", QelUnit::ton, L"'ton' is the short ton (2000 lb) here; the metric tonne is 't' or 'tonne', the long ton 'long ton', the ton of refrigeration 'ton of refrigeration'"},
    {L"Tons", QelUnit::ton, L"'tons' are short tons (2000 lb) here; the metric tonne is 't' or 'tonne', the long ton 'long ton', the ton of refrigeration 'ton of refrigeration'"},
    {L"yr", QelUnit::sidereal_year, L"'yr' is the sidereal year here (365.256 d); the Julian year is 'julian year' (365.25 d), the tropical year 'tropical year'"},
    {L"mil", QelUnit::mil, L"'mil' is a thousandth of an inch here; the angular mils are 'mil nato', 'mil sweden' and 'mil soviet union'"},
    {L"a", QelUnit::are, L"'a' is the are (100 m\u00B2) here; a year is 'yr' or 'julian year'"},
    {L"cwt", QelUnit::hundredweight, L"'cwt' is the short hundredweight (100 lb) here; the long one (112 lb) is 'long cwt' or 'UK cwt'"},
};
// clang-format on

/// Where a spelling of the vocabulary or of a prefixable unit lies.
struct VocabularyHit {
    enum class Source : std::uint8_t { Vocabulary, PrefixableSymbol, PrefixableName };
    Source source;
    std::uint8_t text; // which symbol or name of the prefixable row
    std::uint16_t row; // in kVocabulary or kPrefixableUnits
};

struct VocabularyHits {
    const VocabularyHit* items = nullptr;
    std::size_t count = 0;
};

/// The text of a hit.
constexpr const wchar_t* textOf(const VocabularyHit& hit) noexcept {
    switch (hit.source) {
    case VocabularyHit::Source::Vocabulary:
        return kVocabulary[hit.row].text;
    case VocabularyHit::Source::PrefixableSymbol:
        return kPrefixableUnits[hit.row].symbols[hit.text];
    case VocabularyHit::Source::PrefixableName:
        break;
    }
    return kPrefixableUnits[hit.row].names[hit.text];
}

/// Every vocabulary spelling, prefixable symbol and prefixable name that equals text[0, length) with A to Z folded.
VocabularyHits findVocabulary(const wchar_t* text, std::size_t length) noexcept;

} // namespace qelunits_detail

#endif
