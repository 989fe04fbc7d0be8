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

// "TERM (Q)" reads as "Q' TERM": "ft (US)" as "US ft", "gal (Imp)" as "imperial gal".
// clang-format off
inline constexpr Qualifier kQualifiers[] = {
    {L"US", L"US"}, {L"UK", L"UK"}, {L"Imp", L"imperial"}, {L"imperial", L"imperial"}, {L"short", L"short"},
    {L"long", L"long"}, {L"survey", L"survey"}, {L"Int", L"international"}, {L"intl", L"international"},
    {L"international", L"international"}, {L"troy", L"troy"}, {L"metric", L"metric"}, {L"oil", L"oil"},
    {L"beer", L"beer"}, {L"dry", L"dry"}, {L"liquid", L"liquid"},
};
// clang-format on

/// The word a qualifier is written before a unit with, or null for a word that is none.
const wchar_t* qualifierBefore(const wchar_t* word, std::size_t length) noexcept;

/// Words that stand for operators: "miles per hour", "m/s squared", "square metres", "reciprocal second",
/// "metre to the fourth power" (To starts the phrase).
enum class OperatorWord : std::uint8_t { None, Per, Squared, Cubed, Square, Cubic, Reciprocal, To };

/// The operator a word stands for, case folded.
OperatorWord operatorWord(const wchar_t* text, std::size_t length) noexcept;

/// The end of a phrase that raises the unit before it, from the word "to" at text[at]: "to the fourth power",
/// "to the 4th power", "to the power of minus 2", "to the power -1"; its power in exponent (clamped just past
/// the largest accepted). 0 where the words are no such phrase.
std::size_t powerPhraseEnd(const wchar_t* text, std::size_t length, std::size_t at, int& exponent) noexcept;

/// The length of the prefix word that word[0, length) starts with, case folded ("kilo" in "kiloelectron"); 0
/// for none.
std::size_t prefixWordLength(const wchar_t* word, std::size_t length) noexcept;

// clang-format off
inline constexpr SpellingNote kSpellingNotes[] = {
    {L"Ton", QelUnit::ton, L"'ton' is the short ton (2000 lb) here; the metric tonne is 't' or 'tonne', the long ton 'long ton', the ton of refrigeration 'ton of refrigeration'"},
    {L"Tons", QelUnit::ton, L"'tons' are short tons (2000 lb) here; the metric tonne is 't' or 'tonne', the long ton 'long ton', the ton of refrigeration 'ton of refrigeration'"},
    {L"mil", QelUnit::mil, L"'mil' is a thousandth of an inch here; the angular mils are 'mil nato', 'mil sweden' and 'mil soviet union'"},
    {L"cwt", QelUnit::hundredweight, L"'cwt' is the short hundredweight (100 lb) here; the long one (112 lb) is 'long cwt' or 'UK cwt'"},
    {L"pt", QelUnit::fluid_pint, L"'pt' is the US liquid pint here; the typographic point (1/72 in) is 'point'"},
    {L"st", QelUnit::stone, L"'st' is the stone (14 lb) here; the stere (1 m\u00B3) is 'stere'"},
};
// clang-format on

/// A spelling of the vocabulary that most people read as here and others otherwise, and what to write instead.
struct VocabularyNote {
    const wchar_t* text; // a row's text, exactly
    const wchar_t* note;
};

// clang-format off
inline constexpr VocabularyNote kVocabularyNotes[] = {
    {L"yr", L"'yr' is the Julian year here (365.25 d); the tropical year is 'tropical year', the sidereal year 'sidereal year'"},
    {L"yrs", L"'yrs' are Julian years here (365.25 d); the tropical year is 'tropical year', the sidereal year 'sidereal year'"},
    {L"a", L"'a' is the year (annum, 365.25 d) here; the are (100 m\u00B2) is 'are'"},
    {L"At", L"'At' is the ampere-turn here; the technical atmosphere is 'at'"},
    {L"nt", L"'nt' is the nit (1 cd/m\u00B2) here; the newton is 'N'"},
    {L"mG", L"'mG' is the milligauss here; a thousandth of standard gravity is '0.001 gn'"},
    {L"emu", L"'emu' is the magnetic moment of 1 erg/G (1e-3 A\u00B7m\u00B2) here; the electromagnetic unit of charge is 'abC'"},
};
// clang-format on

/// The note of the vocabulary row spelled text, or null.
constexpr const wchar_t* vocabularyNote(const wchar_t* text) {
    for (const VocabularyNote& note : kVocabularyNotes) {
        std::size_t i = 0;
        while (note.text[i] != 0 && note.text[i] == text[i]) {
            ++i;
        }
        if (note.text[i] == text[i]) {
            return note.note;
        }
    }
    return nullptr;
}

} // namespace qelunits_detail

#endif
