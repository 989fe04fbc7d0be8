#ifndef QELUNITS_SRC_PARSE_QUANTITYTEXT_H
#define QELUNITS_SRC_PARSE_QUANTITYTEXT_H

// The one reader of a quantity's text: numbers, and where each term's unit
// lies. "5 ft + 10 in" is two terms; the units are read by whichever layer
// asks, and the terms summed by the value API's arithmetic.

#include <qelunits/Error.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qelunits_detail {

/// How a number read.
enum class NumberRead : std::uint8_t { None, Read, NotFinite, OutOfRange };

/// The number at text[i, end), as std::from_chars reads it with a '+' allowed, i moved to its end; None, i left
/// alone, where no digit or '.' follows the sign: "inf" and "nanometer" are words.
NumberRead readNumber(std::string_view text, std::size_t& i, std::size_t end, double& value) noexcept;

/// One term of a quantity's text: "+ 10 in" of "5 ft + 10 in".
struct QuantityTerm {
    double sign = 1.0;         // -1 after a '-' between terms
    double number = 1.0;       // as written, a fraction "1|3" divided; 1 where the term starts with its unit
                               // (NaN or infinite where a word says so)
    std::size_t begin = 0;     // code points before the term's first character
    std::size_t unitBegin = 0; // the unit's text, bytes [unitBegin, unitEnd); empty for a number alone
    std::size_t unitEnd = 0;
};

/// Why a quantity's text does not read; the position counts code points from the text's start.
struct QuantityTextFailure {
    qelunits::ErrorKind kind = qelunits::ErrorKind::None;
    std::size_t position = 0;
    std::string message;
};

/// Receives the terms of a quantity's text in order.
class QuantityTermSink {
public:
    /// Takes term; false stops the reading (the sink keeps its own reason).
    virtual bool take(std::string_view text, const QuantityTerm& term) = 0;

protected:
    QuantityTermSink() = default;
    QuantityTermSink(const QuantityTermSink&) = default;
    QuantityTermSink& operator=(const QuantityTermSink&) = default;
    ~QuantityTermSink() = default;
};

/// Reads text, UTF-8: terms joined by '+' or by a '-' between blanks, each a number (decimal, scientific, a
/// fraction "1|3", or the words nan, inf and infinity before a blank or the end) and a unit, either one optional
/// but not both, with an optional '*', '×' or '·' between them ("2.54 * cm"). Units side by side with a number
/// between them ("5 ft 10 in") are refused as AmbiguousText with a hint of the sum. False where text does not read
/// (failure filled) or the sink stopped (failure.kind None).
bool readQuantityText(std::string_view text, QuantityTermSink& sink, QuantityTextFailure& failure);

} // namespace qelunits_detail

#endif
