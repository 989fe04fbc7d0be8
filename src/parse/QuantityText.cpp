// Quantity texts: numbers, fractions, sums of terms, and the hint for terms
// written side by side.

#include "parse/QuantityText.h"

#include "common/Utf8.h"
#include "parse/Lexer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace qelunits_detail {
namespace {

using qelunits::ErrorKind;

constexpr bool isBlankByte(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
constexpr bool isDigitByte(char c) { return c >= '0' && c <= '9'; }

// Code points in text[0, byte).
std::size_t codePoints(std::string_view text, std::size_t byte) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < byte && i < text.size(); ++i) {
        count += (static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U ? 1U : 0U;
    }
    return count;
}

std::size_t skipBlankBytes(std::string_view text, std::size_t i, std::size_t end) {
    while (i < end && isBlankByte(text[i])) {
        ++i;
    }
    return i;
}

std::size_t trimEnd(std::string_view text, std::size_t begin, std::size_t end) {
    while (end > begin && isBlankByte(text[end - 1])) {
        --end;
    }
    return end;
}

bool fail(QuantityTextFailure& failure, ErrorKind kind, std::string_view text, std::size_t byte, const char* what) {
    failure.kind = kind;
    failure.position = codePoints(text, byte);
    failure.message = what + (" at " + std::to_string(failure.position));
    return false;
}

bool badNumber(QuantityTextFailure& failure, NumberRead read, std::string_view text, std::size_t byte) {
    return read == NumberRead::OutOfRange
               ? fail(failure, ErrorKind::OutOfRange, text, byte, "number out of the range of a double")
               : fail(failure, ErrorKind::InvalidNumber, text, byte, "expected a finite number");
}

// Where the term that starts at begin ends: at a '+', or a '-' between blanks, that follows some text and is no
// sign of an exponent ("1e+3", "m^+2").
std::size_t termEnd(std::string_view text, std::size_t begin) {
    bool started = false;
    for (std::size_t i = begin; i < text.size(); ++i) {
        const char c = text[i];
        const char before = i > begin ? text[i - 1] : ' ';
        const bool exponent = before == '^' || ((before == 'e' || before == 'E') && i >= begin + 2 &&
                                                (isDigitByte(text[i - 2]) || text[i - 2] == '.'));
        const bool minus = c == '-' && isBlankByte(before) && i + 1 < text.size() && isBlankByte(text[i + 1]);
        if (started && !exponent && (c == '+' || minus)) {
            return i;
        }
        started = started || !isBlankByte(c);
    }
    return text.size();
}

// The code point, within unit, of a number that stands after a unit with a blank between and before another
// unit ("ft 10 in"): the unit reader would take it as a factor of one product, where a person wrote a sum.
// unit.size() where there is none.
std::size_t numberBetweenUnits(std::wstring_view unit) {
    LexContext context;
    Token token;
    std::size_t number = unit.size();
    for (std::size_t pos = 0;; pos = token.end) {
        nextToken(unit.data(), unit.size(), pos, context, token);
        if (token.kind == TokenKind::End) {
            return unit.size();
        }
        if (number != unit.size() && token.kind == TokenKind::Term) {
            return number;
        }
        const bool loose = startsLooseProduct(context.previous, token.adjacent());
        number = token.kind == TokenKind::Number && loose ? token.begin : unit.size();
        context.inDivisor = token.kind == TokenKind::Divide || (context.inDivisor && !loose);
        context.previous = token.kind;
    }
}

// Refuses units side by side in text[begin, end) with a number between them, with the sum as a hint.
bool checkSideBySide(std::string_view text, std::size_t begin, std::size_t end, QuantityTextFailure& failure) {
    bool numberAfterBlank = false; // the common case has none: no need to cut tokens
    for (std::size_t i = begin + 1; i < end && !numberAfterBlank; ++i) {
        numberAfterBlank = isBlankByte(text[i - 1]) && (isDigitByte(text[i]) || text[i] == '.');
    }
    WideText wide;
    std::size_t bad{};
    if (!numberAfterBlank || !wide.decode(text.substr(begin, end - begin), bad)) {
        return true; // text that is not UTF-8 fails where its unit is read
    }
    const std::wstring_view unit = wide.view();
    const std::size_t at = numberBetweenUnits(unit);
    if (at == unit.size()) {
        return true;
    }
    std::size_t byte = begin;
    for (std::size_t seen = 0; byte < end && (seen < at || (static_cast<unsigned char>(text[byte]) & 0xC0U) == 0x80U);
         ++byte) {
        seen += (static_cast<unsigned char>(text[byte]) & 0xC0U) != 0x80U ? 1U : 0U;
    }
    const std::size_t first = skipBlankBytes(text, 0, text.size());
    const std::string hint = std::string(text.substr(first, trimEnd(text, first, byte) - first)) + " + " +
                             std::string(text.substr(byte, trimEnd(text, byte, text.size()) - byte));
    fail(failure, ErrorKind::AmbiguousText, text, byte, "a second quantity without an operator");
    failure.message += "; did you mean " + hint + "?";
    return false;
}

// "nan", "inf" or "infinity" (any case, signed) at text[i] where a blank or the term's end follows, i moved past
// it: the words Python and C write for values that are no finite number. "nanometer" and "inch" are units.
bool readNumberWord(std::string_view text, std::size_t& i, std::size_t end, double& value) {
    const std::size_t sign = i < end && (text[i] == '+' || text[i] == '-') ? 1 : 0;
    for (const std::string_view word : {"nan", "infinity", "inf"}) {
        const std::size_t after = i + sign + word.size();
        if (after > end || (after < end && !isBlankByte(text[after]))) {
            continue;
        }
        bool same = true;
        for (std::size_t k = 0; k < word.size(); ++k) {
            const char c = text[i + sign + k];
            same = same && (c == word[k] || c == static_cast<char>(word[k] - 'a' + 'A'));
        }
        if (same) {
            const double magnitude =
                word == "nan" ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity();
            value = sign == 1 && text[i] == '-' ? -magnitude : magnitude;
            i = after;
            return true;
        }
    }
    return false;
}

// Past an operator that joins a number to its unit ("2.54 * cm", "3 × m", "5·kg"), blanks before it included;
// i where there is none.
std::size_t afterProductSign(std::string_view text, std::size_t i, std::size_t end) {
    const std::size_t at = skipBlankBytes(text, i, end);
    for (const std::string_view sign : {"*", "\xC3\x97", "\xC2\xB7"}) { // *, ×, ·
        if (text.substr(at, std::min(sign.size(), end - at)) == sign) {
            return at + sign.size();
        }
    }
    return i;
}

// A number, or a fraction "a|b" of two, at text[i]; number left at 1 where none starts.
bool readValue(std::string_view text, std::size_t& i, std::size_t end, double& number, QuantityTextFailure& failure) {
    const std::size_t start = i;
    if (readNumberWord(text, i, end, number)) {
        return true;
    }
    const NumberRead read = readNumber(text, i, end, number);
    if (read == NumberRead::None) {
        return true;
    }
    if (read != NumberRead::Read) {
        return badNumber(failure, read, text, start);
    }
    const std::size_t bar = skipBlankBytes(text, i, end);
    if (bar == end || text[bar] != '|') {
        return true;
    }
    i = skipBlankBytes(text, bar + 1, end);
    const std::size_t second = i;
    double denominator = 0.0;
    const NumberRead below = readNumber(text, i, end, denominator);
    if (below == NumberRead::Read && denominator != 0.0) {
        number /= denominator;
        return std::isfinite(number) ||
               fail(failure, ErrorKind::OutOfRange, text, start, "a fraction out of the range of a double");
    }
    return below == NumberRead::Read || below == NumberRead::None
               ? fail(failure, ErrorKind::InvalidNumber, text, second, "expected a number other than 0")
               : badNumber(failure, below, text, second);
}

} // namespace

NumberRead readNumber(std::string_view text, std::size_t& i, std::size_t end, double& value) noexcept {
    const std::size_t digits = i + 1 < end && text[i] == '+' && text[i + 1] != '-' ? i + 1 : i; // no '+' for from_chars
    const std::size_t first = digits < end && text[digits] == '-' ? digits + 1 : digits;
    if (first >= end || (!isDigitByte(text[first]) && text[first] != '.')) {
        return NumberRead::None;
    }
    double read = 0.0;
    const std::from_chars_result number = std::from_chars(text.data() + digits, text.data() + end, read);
    if (number.ec == std::errc::invalid_argument) { // "." or "-.": no digit
        return NumberRead::None;
    }
    i = static_cast<std::size_t>(number.ptr - text.data());
    if (number.ec == std::errc::result_out_of_range) {
        return NumberRead::OutOfRange;
    }
    value = read;
    return std::isfinite(read) ? NumberRead::Read : NumberRead::NotFinite;
}

bool readQuantityText(std::string_view text, QuantityTermSink& sink, QuantityTextFailure& failure) {
    failure = QuantityTextFailure();
    if (skipBlankBytes(text, 0, text.size()) == text.size()) {
        return fail(failure, ErrorKind::InvalidText, text, 0, "expected a quantity");
    }
    std::size_t begin = 0;
    double sign = 1.0;
    for (;;) {
        const std::size_t end = termEnd(text, begin);
        QuantityTerm term;
        term.sign = sign;
        std::size_t i = skipBlankBytes(text, begin, end);
        const std::size_t start = i;
        if (!readValue(text, i, end, term.number, failure)) {
            return false;
        }
        term.begin = codePoints(text, start);
        const std::size_t unitFrom = i != start ? afterProductSign(text, i, end) : i;
        term.unitBegin = skipBlankBytes(text, unitFrom, end);
        term.unitEnd = trimEnd(text, term.unitBegin, end);
        if (start == end) {
            return fail(failure, begin == 0 ? ErrorKind::InvalidText : ErrorKind::Syntax, text, start,
                        "expected a quantity");
        }
        if (unitFrom != i && term.unitBegin == term.unitEnd) {
            return fail(failure, ErrorKind::Syntax, text, term.unitBegin, "expected a unit after the product sign");
        }
        if (!checkSideBySide(text, term.unitBegin, term.unitEnd, failure) || !sink.take(text, term)) {
            return false;
        }
        if (end == text.size()) {
            return true;
        }
        sign = text[end] == '-' ? -1.0 : 1.0;
        begin = end + 1;
    }
}

} // namespace qelunits_detail
