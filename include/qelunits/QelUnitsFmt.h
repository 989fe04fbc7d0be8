#ifndef QELUNITS_QELUNITSFMT_H
#define QELUNITS_QELUNITSFMT_H

// {fmt} formatters for unit types, expressions and quantities. Opt-in: include
// this header and link {fmt} yourself; the library does not depend on it.
// Each writes the text qelunits::toString gives (UTF-8) under a string's format
// options: "{:>12}" right-aligns in 12 columns, "{:*^9}" centres with '*', and
// widths count code points, so "°F" is two columns wide.
//
// qelunits::Quantity and qelunits::Unit take options of their own: a double's
// format options for the number ("{:.2f}" gives "3.50 ft", "{:>8.1e}"), of a string for a
// unit alone, then the unit's modifiers as qelunits::splitFormatSpec reads them: 'N' for the
// unit's names, 'S' or '~' for its symbol (the default), 'C' ASCII, 'L' LaTeX, 'H' HTML:
// "{:.1fN}" gives "3.5 Foot". A modifier it refuses ('#', "~N") is a fmt::format_error. With a
// dynamic width or precision ("{:{}}") the unit is written by its symbol.
//
// Thread safety: as std::string; the formatters hold no shared state.

#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/QelUnitVar.h>
#include <qelunits/QelUnitsUtf8.h>
#include <qelunits/Quantity.h>

#include <fmt/format.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace qelunits_detail {

/// Writes qelunits::toString(value) as a string is written.
template <class T>
struct TextFormatter : fmt::formatter<fmt::string_view> {
    /// Formats value into ctx with the string's format options parsed before.
    template <class FormatContext>
    auto format(const T& value, FormatContext& ctx) const -> decltype(ctx.out()) {
        const std::string text = qelunits::toString(value);
        return fmt::formatter<fmt::string_view>::format(fmt::string_view(text), ctx);
    }
};

/// The format options of Base, then the unit's modifiers as qelunits::splitFormatSpec reads them.
template <class Base>
struct UnitStyleFormatter {
    Base base;
    qelunits::UnitStyle style = qelunits::UnitStyle::Symbol;

    /// Reads the format options up to '}'; throws fmt::format_error for modifiers it refuses.
    template <class ParseContext>
    constexpr auto parse(ParseContext& ctx) -> decltype(ctx.begin()) {
        auto close = ctx.begin();
        while (close != ctx.end() && *close != '}' && *close != '{') {
            ++close;
        }
        if (close == ctx.end() || *close != '}' || close == ctx.begin()) { // none, or a dynamic width: symbols
            return base.parse(ctx);
        }
        const auto size = static_cast<std::size_t>(close - ctx.begin());
        const qelunits::FormatSplit split = qelunits::splitFormatSpec(std::string_view(&*ctx.begin(), size));
        if (split.error != nullptr) {
            FMT_THROW(fmt::format_error(split.error));
        }
        style = split.style;
        if (!split.styled) {
            return base.parse(ctx);
        }
        fmt::format_parse_context inner(fmt::string_view(&*ctx.begin() + split.numberBegin, split.numberLength));
        base.parse(inner);
        return close;
    }
};

} // namespace qelunits_detail

namespace fmt {

/// "3.50 ft" for "{:.2f}": the number under a double's format options, a blank and the unit ('N' for names).
template <>
struct formatter<qelunits::Quantity> : qelunits_detail::UnitStyleFormatter<formatter<double>> {
    /// Formats q into ctx.
    template <class FormatContext>
    auto format(const qelunits::Quantity& q, FormatContext& ctx) const -> decltype(ctx.out()) {
        auto out = base.format(q.value(), ctx);
        const std::string unit = qelunits::toString(q.unit(), style);
        if (unit == "1" || unit.empty()) {
            return out;
        }
        if (style == qelunits::UnitStyle::Latex) {
            *out++ = '\\';
        }
        *out++ = ' ';
        return std::copy(unit.begin(), unit.end(), out);
    }
};

/// "ft", or "Foot" for "{:N}", under a string's format options.
template <>
struct formatter<qelunits::Unit> : qelunits_detail::UnitStyleFormatter<formatter<fmt::string_view>> {
    /// Formats unit into ctx.
    template <class FormatContext>
    auto format(const qelunits::Unit& unit, FormatContext& ctx) const -> decltype(ctx.out()) {
        const std::string text = qelunits::toString(unit, style);
        return base.format(fmt::string_view(text), ctx);
    }
};

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
