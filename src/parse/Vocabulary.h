#ifndef QELUNITS_SRC_PARSE_VOCABULARY_H
#define QELUNITS_SRC_PARSE_VOCABULARY_H

// What the parser reads beyond the catalogue's own texts: everyday spellings,
// SI prefixes on the units that take them, and the words that stand for
// operators. The rows live by topic under vocabulary/; here they are joined
// into the one table that the lookups index.

#include "parse/Meaning.h"
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
// texts; others are exact (the defining value in the comment). A catalogue
// text always wins over a row here.
inline constexpr auto kVocabulary = joinRows(kEverydaySpellings, kEngineeringSpellings, kScienceSpellings);

/// Words that stand for operators: "miles per hour", "m/s squared", "square metres".
enum class OperatorWord : std::uint8_t { None, Per, Squared, Cubed, Square, Cubic };

/// The operator a word stands for, case folded.
OperatorWord operatorWord(const wchar_t* text, std::size_t length) noexcept;

// clang-format off
inline constexpr SpellingNote kSpellingNotes[] = {
    {L"t", QelUnit::ton, L"'t' is the short ton here; the metric tonne is 'tonne'"},
    {L"Ton", QelUnit::ton, L"'ton' is the short ton (2000 lb) here; the metric tonne is 'tonne', the ton of refrigeration 'TR'"},
    {L"Tons", QelUnit::ton, L"'tons' are short tons (2000 lb) here; the metric tonne is 'tonne', the ton of refrigeration 'TR'"},
    {L"C", QelUnit::century, L"'C' is the century here; degrees Celsius are '°C' or 'degC'"},
    {L"cal", QelUnit::caliber, L"'cal' is the caliber here; the calorie is 'intl_calorie', the kilocalorie 'kcal'"},
    {L"bbl", QelUnit::barrel, L"'bbl' is the US dry barrel here (7056 in³); the 42-gallon barrel is 'oil barrel'"},
    {L"nmi", QelUnit::mile_nautical_UK, L"'nmi' is the UK nautical mile here (1853.184 m); the international one is 'nmi(Int)'"},
    {L"M", QelUnit::millenium, L"'M' is the millenium here; molar concentration is 'mol/l'"},
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
