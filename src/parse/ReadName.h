#ifndef QELUNITS_SRC_PARSE_READNAME_H
#define QELUNITS_SRC_PARSE_READNAME_H

// One name to what it means: a spelling of the lexicon (a symbol in its own
// case, a name in any), else a prefix on a unit that takes one, else the same
// name with its underscores as blanks, else a temperature difference ("Δ°C",
// "delta_degF"). A symbol that matches only in another case is not guessed:
// the reading says which spellings exist.

#include "parse/Lexicon.h"
#include "parse/Vocabulary.h"

#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitParser.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace qelunits_detail {

/// Where a reading comes from, so that messages can quote and describe it.
struct ReadingSource {
    enum class Kind : std::uint8_t { None, Catalogue, Vocabulary, Prefixed };
    Kind kind = Kind::None;
    // Each as kind says; none means anything for None.
    std::uint8_t text{};   // Catalogue: the TextKind; Prefixed: which symbol or name of the unit
    std::uint8_t prefix{}; // Prefixed: the row of kPrefixes, or kNoPrefix
    bool byName{};         // Prefixed: a prefix word and a name ("kilojoule")
    std::uint16_t row{};   // Catalogue: the unit; Vocabulary: its row; Prefixed: the row of kPrefixableUnits
};

constexpr std::uint8_t kNoPrefix = 0xFF;

enum class ReadStatus : std::uint8_t { Found, Unknown, WrongCase, Refused };

struct Reading {
    ReadStatus status = ReadStatus::Unknown;
    Meaning meaning;
    ReadingSource source;             // Found and Refused: the spelling read; WrongCase: a spelling that exists
    ReadingSource other;              // WrongCase: a second spelling that exists, if any
    const wchar_t* note = nullptr;    // Found: what a kept short spelling means here; Refused: why
    const wchar_t* refusal = nullptr; // Found: why it is refused where it is the whole expression ("C")
};

/// What name[0, length) means; hash is its hashFolded.
Reading readName(const wchar_t* name, std::size_t length, std::uint32_t hash) noexcept;
/// What name[0, length) means.
Reading readName(const wchar_t* name, std::size_t length) noexcept;
/// What a spelling of the lexicon means.
Reading readingOf(const LexEntry& entry) noexcept;
/// name[0, length) as one spelling of the lexicon, in its case rule, and nothing more: false where it is none.
bool readSpelling(const wchar_t* name, std::size_t length, std::uint32_t hash, Reading& out) noexcept;

/// The qualifier in parentheses at text[at] ("(US)", "( imp )"): the word it is written before a unit with,
/// and end past its ')'; null where there is none.
const wchar_t* qualifierAt(const wchar_t* text, std::size_t length, std::size_t at, std::size_t& end) noexcept;
/// What term[0, length) means with the qualifier word before it ("UK gal" for "gal (UK)").
Reading readQualified(const wchar_t* term, std::size_t length, const wchar_t* before) noexcept;

/// The unit a name means when it means one catalogue unit, unscaled; false otherwise.
bool resolveUnit(const wchar_t* name, std::size_t length, QelUnit::BuiltinUnits& unit) noexcept;

/// The scale of the prefixable unit in row with the prefix of row prefix of kPrefixes.
double prefixedScale(std::uint16_t row, std::uint8_t prefix) noexcept;

/// The meaning of the prefixable unit in row with the prefix of row prefix of kPrefixes (kNoPrefix: none).
Meaning prefixedMeaningOf(std::uint16_t row, std::uint8_t prefix) noexcept;

/// What a prefix multiplies by: a power of ten, one correctly rounded literal, or of two; 1 for kNoPrefix.
double prefixFactor(std::uint8_t prefix) noexcept;

/// True for one catalogue unit to the power 1, unscaled.
bool isOneUnit(const Meaning& meaning) noexcept;

/// The type of a meaning (its scale left out).
QelUnitType typeOf(const Meaning& meaning);

/// The spelling a source stands for: "MPa", "mPa", "kilojoule".
std::wstring spellingOf(const ReadingSource& source);
/// What a source means, in words: "megapascal", "millipascal", "0.0625 gal".
std::wstring describe(const ReadingSource& source);

/// Every catalogue unit a name can mean, preferred first; else what the vocabulary makes of it.
QelUnitCandidates findCandidates(const wchar_t* name, std::size_t length) noexcept;

/// The catalogue text or vocabulary spelling closest to an unknown name (a typing slip or two), or null.
const wchar_t* suggestName(const wchar_t* name, std::size_t length) noexcept;

} // namespace qelunits_detail

#endif
