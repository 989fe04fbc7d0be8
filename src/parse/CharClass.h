#ifndef QELUNITS_SRC_PARSE_CHARCLASS_H
#define QELUNITS_SRC_PARSE_CHARCLASS_H

// The classes of characters in unit expressions, for every stage of reading
// and writing them.

#include <array>
#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

constexpr bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

/// '*' and the multiplication sign: a product as loose as '/'.
constexpr bool isTimes(wchar_t c) { return c == L'*' || c == L'\u00D7'; }

/// '·' and the dot operator: a product that binds tighter than '/' ("W/m·K" is W/(m·K)).
constexpr bool isMiddleDot(wchar_t c) { return c == L'\u00B7' || c == L'\u22C5'; }

/// '-', '+' and the minus sign, which sign an exponent.
constexpr bool isSign(wchar_t c) { return c == L'-' || c == L'+' || c == L'\u2212'; }

/// Value of a superscript digit, or -1.
constexpr int superscriptDigit(wchar_t c) {
    switch (c) {
    case L'\u00B9':
        return 1;
    case L'\u00B2':
        return 2;
    case L'\u00B3':
        return 3;
    default:
        return c == L'\u2070' || (c >= L'\u2074' && c <= L'\u2079') ? static_cast<int>(c - L'\u2070') : -1;
    }
}

/// Superscript digits and signs, which write an exponent.
constexpr bool isSuperscript(wchar_t c) { return superscriptDigit(c) >= 0 || c == L'\u207A' || c == L'\u207B'; }

/// '-' and '.' join the units of one word ("N-mm", "m.s-1"); after a unit, digits raise it ("m2", "s-1").
constexpr bool isJoiner(wchar_t c) { return c == L'-' || c == L'.'; }

namespace charclass {
constexpr bool blank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r') || c == L'\u00A0'; }
constexpr bool operatorChar(wchar_t c) {
    return isTimes(c) || isMiddleDot(c) || c == L'/' || c == L'(' || c == L')' || c == L'^' || isSuperscript(c);
}

// The classes of the ASCII characters in bits, so that the lexer's common case is one load.
enum : std::uint8_t { kBlank = 1, kOperator = 2, kEndsWord = 4 };

constexpr std::array<std::uint8_t, 128> makeAsciiClasses() {
    std::array<std::uint8_t, 128> classes{};
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const auto c = static_cast<wchar_t>(i);
        const bool ends = blank(c) || operatorChar(c) || isJoiner(c) || isDigit(c);
        classes[i] = static_cast<std::uint8_t>((blank(c) ? kBlank : 0) | (operatorChar(c) ? kOperator : 0) |
                                               (ends ? kEndsWord : 0));
    }
    return classes;
}

inline constexpr std::array<std::uint8_t, 128> kAsciiClasses = makeAsciiClasses();

constexpr bool ascii(wchar_t c) { return c >= 0 && c < 128; }
constexpr std::uint8_t of(wchar_t c) { return kAsciiClasses[static_cast<std::uint32_t>(c) & 0x7FU]; }
} // namespace charclass

constexpr bool isBlank(wchar_t c) {
    return charclass::ascii(c) ? (charclass::of(c) & charclass::kBlank) != 0 : c == L'\u00A0';
}

/// Characters that end a term: the operators, parentheses, '^' and superscripts.
constexpr bool isOperatorChar(wchar_t c) {
    return charclass::ascii(c) ? (charclass::of(c) & charclass::kOperator) != 0 : charclass::operatorChar(c);
}

/// Operators between units that would regroup a quotient if a name holding one were read whole.
constexpr bool isQuotientOperator(wchar_t c) { return isTimes(c) || c == L'/'; }

/// Characters that end a plain word; a unit text holding one is read whole through the table of such names.
constexpr bool endsWord(wchar_t c) {
    return charclass::ascii(c) ? (charclass::of(c) & charclass::kEndsWord) != 0
                               : c == L'\u00A0' || charclass::operatorChar(c);
}

} // namespace qelunits_detail

#endif
