#ifndef QELUNITS_SRC_PARSE_TERMS_H
#define QELUNITS_SRC_PARSE_TERMS_H

// The named units a value-API unit may hold beside the catalogue's, so that it
// keeps a unit of the vocabulary whole ("eV", "Ω", "%") and writes it back as
// such: ids below kFirstTerm are catalogue units, the others terms. A term is
// made once, for the process, and never changes.

#include "catalog/DefinedFactor.h"
#include "catalog/UnitExponents.h"
#include "parse/Meaning.h"

#include <qelunits/QelUnitExpression.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qelunits_detail {

/// No term: a reading kept as catalogue units.
constexpr std::uint16_t kNoTerm = 0xFFFF;
/// The first id of a term; ids below are catalogue units.
constexpr std::uint16_t kFirstTerm = kUnitCount;
/// A term that takes no prefix.
constexpr std::uint16_t kNoPrefixRow = 0xFFFF;

/// A named unit.
struct Term {
    std::string symbol; // UTF-8; reads back as the term
    std::string name;   // singular
    ExponentRow exponents{};
    DefinedFactor value;
    double uncertainty = 0.0;               // relative, of a measured value
    QelUnitExpression expansion;            // the same as a scale times catalogue units
    bool expandable = true;                 // false for a unit of a dimension a program added
    std::uint16_t prefixRow = kNoPrefixRow; // its row among the units that take prefixes
    std::string definition;                 // a defined unit's definition, as its text had it
    std::vector<std::uint16_t> rests;       // the defined units its definition names
};

/// The term of an id from kFirstTerm on; null for an id that names none.
const Term* termOf(std::uint16_t id) noexcept;

/// The id a reading of a vocabulary row stands for: a term, or kNoTerm where it is read as catalogue units.
std::uint16_t vocabularyTerm(std::uint16_t row) noexcept;

/// The id the unprefixed unit of a prefixable row stands for: a catalogue unit or a term.
std::uint16_t prefixableTerm(std::uint16_t row) noexcept;

/// The world's symbol of a catalogue unit ("s", "h", "kWh", "L", "K"), which reads back as it.
const std::string& worldSymbol(std::uint16_t unit);

/// The symbol of an id, catalogue unit or term.
const std::string& symbolOf(std::uint16_t id);

/// The exponents of an id, catalogue unit or term.
const ExponentRow& exponentsOfId(std::uint16_t id) noexcept;

/// The term a name means beyond the reader's tables: a physical constant ("speed_of_light", "k_B"), or a unit
/// the calling thread's definitions name; kNoTerm for none. A symbol matches in its own case, a name in any.
std::uint16_t namedTerm(const wchar_t* name, std::size_t length);

} // namespace qelunits_detail

#endif
