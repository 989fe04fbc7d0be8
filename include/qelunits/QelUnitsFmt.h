#ifndef QELUNITS_QELUNITSFMT_H
#define QELUNITS_QELUNITSFMT_H

// {fmt} formatters for unit types, expressions and quantities. Opt-in: include
// this header and link {fmt} yourself; the library does not depend on it.
// Each writes the text qelunits::toString gives (UTF-8) under a string's format
// spec: "{:>12}" right-aligns in 12 columns, "{:*^9}" centres with '*', and
// widths count code points, so "°F" is two columns wide.

#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/QelUnitVar.h>
#include <qelunits/QelUnitsUtf8.h>

#include <fmt/format.h>

#include <string>

namespace qelunits_detail {

/// Writes qelunits::toString(value) as a string is written.
template <class T>
struct TextFormatter : fmt::formatter<fmt::string_view> {
    /// Formats value into ctx with the string spec parsed before.
    template <class FormatContext>
    auto format(const T& value, FormatContext& ctx) const -> decltype(ctx.out()) {
        const std::string text = qelunits::toString(value);
        return fmt::formatter<fmt::string_view>::format(fmt::string_view(text), ctx);
    }
};

} // namespace qelunits_detail

namespace fmt {

/// "m/s", as QelUnitParser::format writes a type.
template <>
struct formatter<QelUnitType> : qelunits_detail::TextFormatter<QelUnitType> {};

/// "1e-06 kg", as QelUnitParser::format writes an expression.
template <>
struct formatter<QelUnitExpression> : qelunits_detail::TextFormatter<QelUnitExpression> {};

/// "3.280839895013123 ft": the shortest number that reads back, a blank and the type.
template <>
struct formatter<QelUnitVar> : qelunits_detail::TextFormatter<QelUnitVar> {};

} // namespace fmt

#endif
