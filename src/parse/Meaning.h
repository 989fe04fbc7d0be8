#ifndef QELUNITS_SRC_PARSE_MEANING_H
#define QELUNITS_SRC_PARSE_MEANING_H

// The rows of what the parser reads beyond the catalogue's own texts: each
// reading is a scale times a product of catalogue units.

#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitType.h>

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

/// At most this many catalogue units in one reading.
constexpr std::size_t kMeaningUnits = 3;

/// Where a reading came from, so that a reader that keeps named units whole can name them: a row of the
/// vocabulary, or a unit that takes prefixes and the prefix on it.
struct MeaningOrigin {
    enum class Kind : std::uint8_t { None, Vocabulary, Prefixed, Term };
    Kind kind = Kind::None;
    std::uint8_t prefix = 0xFF; // Prefixed: the row of kPrefixes, or 0xFF for none
    std::uint16_t row = 0;      // Term: the term's id
};

/// A scale times a product of catalogue units; the units end at the first with power 0.
struct Meaning {
    double scale = 1.0;
    QelUnitFactor units[kMeaningUnits] = {};
    bool difference = false; // a temperature difference ("Δ°C"), not a reading
    MeaningOrigin origin{};  // set by the reader of names; the tables leave it empty
};

/// How a spelling of the vocabulary compares, and whether it is read.
enum class Spelling : std::uint8_t {
    Symbol,       // in its own case only
    Name,         // in any case ("Percent", "TABLESPOON")
    Refused,      // read on purpose as an error, with the reason in its row
    RefusedAlone, // a symbol read inside a compound ("C/kg"), refused as the whole expression ("C")
};

struct VocabularyEntry {
    const wchar_t* text;
    Spelling spelling;
    Meaning meaning;
    const wchar_t* refusal = nullptr; // why a refused spelling is not read (alone, for RefusedAlone)
    double uncertainty = 0.0;         // relative, of a measured value (the hartree's)
};

namespace vocab {
using U = QelUnit;
constexpr Meaning unit(U::BuiltinUnits u, double scale = 1.0) { return {scale, {{u, 1}}}; }
constexpr Meaning per(U::BuiltinUnits a, U::BuiltinUnits b, double scale = 1.0) { return {scale, {{a, 1}, {b, -1}}}; }
constexpr Meaning times(U::BuiltinUnits a, U::BuiltinUnits b) { return {1.0, {{a, 1}, {b, 1}}}; }
constexpr Meaning number(double scale) { return {scale, {}}; }
constexpr Meaning none() { return {}; }
} // namespace vocab

/// A prefix: its symbol and word (either may be null) and its power of ten, or of two for a binary one.
struct Prefix {
    const wchar_t* symbol;
    const wchar_t* word;
    int exponent;
    bool binary = false; // Ki, Mi, ...: only on the units that take them
};

/// A unit that takes SI prefixes: its symbols and names (null where fewer), and
/// what one of it is: 10^exponent × mantissa × its catalogue units.
struct PrefixableUnit {
    const wchar_t* symbols[3];
    const wchar_t* names[4];
    int exponent;
    Meaning meaning;
    bool binaryPrefixes = false; // takes Ki, Mi, ... as well (bits and bytes)
};

/// A word in parentheses after a unit that picks one of its kinds ("gal (UK)"), and the word that
/// picks it when written before the unit ("UK gal").
struct Qualifier {
    const wchar_t* written; // compared with case folded
    const wchar_t* before;
};

/// A kept catalogue spelling that most people read otherwise, and what to write instead.
struct SpellingNote {
    const wchar_t* text;
    QelUnit::BuiltinUnits unit;
    const wchar_t* note;
};

} // namespace qelunits_detail

#endif
