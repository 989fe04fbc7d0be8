#ifndef QELUNITS_SRC_PARSE_LEXICON_H
#define QELUNITS_SRC_PARSE_LEXICON_H

// Every spelling the reader knows, in one table built by the compiler: the
// vocabulary's rows, the catalogue's texts and the units that take prefixes.
// Where spellings coincide, a vocabulary row goes first (the meaning the
// references give it), then the catalogue's units in order of preference, then
// a prefixable unit. A symbol matches in its own case only, a name in any.

#include "catalog/NameIndex.h"
#include "parse/CharClass.h"
#include "parse/Vocabulary.h"

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

/// LexEntry::plain of a spelling that needs its reading.
constexpr std::uint16_t kNotPlain = 0xFFFF;

/// Where a spelling of the lexicon comes from.
enum class LexSource : std::uint8_t { Vocabulary, Catalogue, PrefixableSymbol, PrefixableName };

/// One spelling and where its meaning lies.
struct LexEntry {
    const wchar_t* text = nullptr;
    std::uint16_t row{}; // the vocabulary row, catalogue unit or prefixable row
    LexSource source = LexSource::Vocabulary;
    std::uint8_t kind{}; // Catalogue: its TextKind; prefixable: which symbol or name of the row
    bool exact{};        // a symbol: matches in its own case only
    /// The catalogue unit a plain spelling means (one unit, unscaled, without a note or a refusal), so that
    /// the common case needs no reading; kNotPlain otherwise.
    std::uint16_t plain = kNotPlain;
};

/// Entries [begin, end) of the lexicon.
struct LexGroup {
    const LexEntry* begin = nullptr;
    const LexEntry* end = nullptr;
};

/// The spellings equal to text[0, length) with A to Z folded, in order of precedence; hash is its hashFolded.
LexGroup findSpellings(const wchar_t* text, std::size_t length, std::uint32_t hash) noexcept;

/// Whether text[0, length), which equals the entry's text folded, is written as the entry requires.
bool matchesCase(const LexEntry& entry, const wchar_t* text, std::size_t length) noexcept;

/// The first spelling written as text[0, length) is (a symbol in its case, a name in any), hash its
/// hashFolded; null when none.
const LexEntry* findSpelling(const wchar_t* text, std::size_t length, std::uint32_t hash) noexcept;

/// For a text of one or two ASCII letters, true with the plain unit findSpelling's spelling means (kNotPlain
/// where none, or one that is not plain); false for any other text.
bool shortPlainSpelling(const char* text, std::size_t length, std::uint16_t& plain) noexcept;

/// The spelling findSpelling finds where it means one catalogue unit plainly (LexEntry::plain); null otherwise.
inline const LexEntry* findPlainSpelling(const wchar_t* text, std::size_t length, std::uint32_t hash) noexcept {
    const LexEntry* entry = findSpelling(text, length, hash);
    return entry != nullptr && entry->plain != kNotPlain ? entry : nullptr;
}

/// The end of the longest spelling holding a blank or an operator ("m/s", "sq ft", "ft-lbf") that starts
/// at text[start], whose first word ends at start + firstBreak (wordHash its hashFolded), and that the grammar
/// reads whole there (inDivisor: it would stand right after '/'); 0 when none. rejected tells that one was
/// passed over.
std::size_t wholeNameEnd(const wchar_t* text, std::size_t length, std::size_t start, std::size_t firstBreak,
                         std::uint32_t wordHash, bool inDivisor, bool& rejected) noexcept;

/// How a spelling that holds a blank or an operator stands in an expression.
struct NameShape {
    bool compact{};  // words and blanks only: read whole also before an exponent ("us ft^2")
    bool quotient{}; // holds '/' or '*': not read whole in a divisor, it would regroup it
};

/// The shape of a spelling, for the reader and for the writer that must keep it whole.
constexpr NameShape shapeOf(const wchar_t* text) {
    NameShape shape{true, false};
    for (; *text != 0; ++text) {
        shape.compact = shape.compact && (isBlank(*text) || !endsWord(*text));
        shape.quotient = shape.quotient || isQuotientOperator(*text);
    }
    return shape;
}

} // namespace qelunits_detail

#endif
