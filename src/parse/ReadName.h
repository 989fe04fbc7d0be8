#ifndef QELUNITS_SRC_PARSE_READNAME_H
#define QELUNITS_SRC_PARSE_READNAME_H

// Stage 2 of reading a unit expression: one name to what it means.
//
// First in exact case: the catalogue's texts (names with case folded), then the
// vocabulary, then prefixed units. Only when nothing matches so may the case of
// a symbol be folded, and then only when every folded spelling means the same
// (kWh, kWH and k·Wh for "kwh"; but "mpa" is MPa or mPa). A symbol of one
// character is never folded: case is all that tells "T" from "t" or "G" from "g".

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
    std::uint8_t text = 0;   // Catalogue: the TextKind; Prefixed: which symbol or name of the unit
    std::uint8_t prefix = 0; // Prefixed: the row of kPrefixes, or kNoPrefix
    bool byName = false;     // Prefixed: a prefix word and a name ("kilojoule")
    std::uint16_t row = 0;   // Catalogue: the unit; Vocabulary: its row; Prefixed: the row of kPrefixableUnits
};

constexpr std::uint8_t kNoPrefix = 0xFF;

enum class ReadStatus : std::uint8_t { Found, Unknown, AmbiguousCase, Refused };

struct Reading {
    ReadStatus status = ReadStatus::Unknown;
    Meaning meaning;
    ReadingSource source;          // Found and Refused: the spelling read; AmbiguousCase: one of them
    ReadingSource other;           // AmbiguousCase: a spelling that means something else
    const wchar_t* note = nullptr; // Refused: why; Found: what a kept short spelling means here
};

/// What name[0, length) means; catalogueTried skips the catalogue's texts in exact
/// case, which readCatalogueText has found no match among.
Reading readName(const wchar_t* name, std::size_t length, bool catalogueTried = false) noexcept;

/// The unit a catalogue text means, names with case folded and symbols in exact case,
/// with the note of a kept short spelling (or null); false when no catalogue text matches so.
/// hash is hashFolded of the name.
bool readCatalogueText(const wchar_t* name, std::size_t length, std::uint32_t hash, QelUnit::BuiltinUnits& unit,
                       const wchar_t*& note) noexcept;

/// The unit a name means when it means one catalogue unit, unscaled; false otherwise.
bool resolveUnit(const wchar_t* name, std::size_t length, QelUnit::BuiltinUnits& unit) noexcept;

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
