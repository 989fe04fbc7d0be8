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

// "TERM (Q)" reads as "Q' TERM": "ft (US)" as "US ft", "gal (Imp)" as "imperial gal".
// clang-format off
inline constexpr Qualifier kQualifiers[] = {
    {L"US", L"US"}, {L"UK", L"UK"}, {L"Imp", L"imperial"}, {L"imperial", L"imperial"}, {L"short", L"short"},
    {L"long", L"long"}, {L"survey", L"survey"}, {L"Int", L"international"}, {L"intl", L"international"},
    {L"international", L"international"}, {L"troy", L"troy"},
};
// clang-format on

/// The word a qualifier is written before a unit with, or null for a word that is none.
const wchar_t* qualifierBefore(const wchar_t* word, std::size_t length) noexcept;

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

} // namespace qelunits_detail

#endif
