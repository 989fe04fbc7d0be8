#ifndef QELUNITS_SRC_PARSE_UCUM_UCUMSYNTAX_H
#define QELUNITS_SRC_PARSE_UCUM_UCUMSYNTAX_H

// The grammar of UCUM texts: a term of components joined by '.' and '/', left
// to right, a leading '/' inverting the component after it, parentheses, and
// components that are whole numbers, annotations ("{cells}") or an atom with an
// optional prefix and exponent ("mm[Hg]", "s-1", "10*3"). The syntax reads a
// text into its components, each with the sign of its power (what the
// parentheses and operators before it make of it); the reader multiplies them.

#include <qelunits/Error.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qelunits_detail::ucum {

/// One component of a text.
struct Component {
    enum class Kind : std::uint8_t { Number, Unit, Annotation };
    Kind kind = Kind::Number;
    int sign = 1;              ///< 1 in the numerator, -1 in the denominator
    std::size_t begin = 0;     ///< where it starts in the text, in bytes
    std::size_t end = 0;       ///< past its last byte
    std::int64_t number = 1;   ///< Number: the whole number
    int prefix = -1;           ///< Unit: index in kPrefixes, -1 for none
    std::size_t atom = 0;      ///< Unit: index in kAtoms
    std::int64_t exponent = 1; ///< Unit: the exponent as written
};

/// Why a text did not read.
struct SyntaxError {
    qelunits::ErrorKind kind = qelunits::ErrorKind::None;
    std::size_t position = 0; ///< code points from the start
    std::string message;
};

/// Largest magnitude of an exponent of 10* or 10^, a power of ten.
constexpr std::int64_t kMaxTenPower = 1000;

/// Reads text into components; false with error filled in where it is no UCUM term of convertible units
/// (unknown atoms, arbitrary and non-ratio units, misplaced operators, exponents beyond range).
bool readComponents(std::string_view text, std::vector<Component>& components, SyntaxError& error);

/// The number of code points of UTF-8 text before byte offset.
std::size_t codePoints(std::string_view text, std::size_t offset) noexcept;

} // namespace qelunits_detail::ucum

#endif
