#include <qelunits/QelUnitsFmt.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using T = QelUnitType;

TEST(FmtFormatters, WriteTheTextUnderAStringsFormat) {
    const QelUnitVar feet(3.280839895013123, T(QelUnit::foot));
    const T fahrenheit(QelUnit::fahrenheit);
    const QelUnitExpression milligram(1e-6, T(QelUnit::kilogram));
    const std::string mg = qelunits::toString(milligram);
    const std::pair<std::string, std::string> cases[] = {
        {fmt::format("{}", feet), "3.280839895013123 ft"},
        {fmt::format("[{:>22}]", feet), "[  3.280839895013123 ft]"},
        {fmt::format("[{:<6}]", fahrenheit), "[\xc2\xb0"
                                             "F    ]"}, // widths count code points
        {fmt::format("[{:*^{}}]", milligram, mg.size() + 3), "[*" + mg + "**]"},
        {fmt::format("{:.2}", T(QelUnit::meter) / T(QelUnit::second)), "m/"}, // a string's precision cuts
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(text, expected);
    }
    EXPECT_THROW(static_cast<void>(fmt::format(fmt::runtime("{:d}"), feet)), fmt::format_error);
}

} // namespace

namespace {

TEST(FmtFormatters, NumberOptionsForTheNumberAndAStyleForTheUnit) {
    const qelunits::Quantity q(3.5, qelunits::Unit("ft"));
    const std::pair<std::string, std::string> cases[] = {
        {fmt::format("{:.2f}", q), "3.50 ft"},
        {fmt::format("[{:>8.1f}]", q), "[     3.5 ft]"},
        {fmt::format("{:.1fN}", q), "3.5 Foot"},
        {fmt::format("{:S}", q), "3.5 ft"},
        {fmt::format("{:{}.{}f}", q, 6, 1), "   3.5 ft"},
        {fmt::format("{}", qelunits::Quantity(2.0, qelunits::Unit())), "2"},
        {fmt::format("[{:>6}|{:N}]", qelunits::Unit("m/s"), qelunits::Unit("m/s")), "[   m/s|Meter per second]"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(text, expected);
    }
}

} // namespace

namespace {

// One reader of format specs for {fmt} and the Python module: checked at compile time, as fmt's parse() runs.
constexpr qelunits::FormatSplit kPretty = qelunits::splitFormatSpec(".2f~P");
static_assert(kPretty.numberBegin == 0 && kPretty.numberLength == 3 && kPretty.styled && kPretty.error == nullptr);
static_assert(qelunits::splitFormatSpec("~^7.1f").numberBegin == 1, "a leading '~' is a modifier, never a fill");
static_assert(!qelunits::splitFormatSpec(">9").styled && qelunits::splitFormatSpec(">9").numberLength == 2);

TEST(FmtFormatters, PintsModifiersAndTheirNotations) {
    const qelunits::Quantity q(3.0, qelunits::Unit("m/s^2"));
    const std::pair<std::string, std::string> cases[] = {
        {fmt::format("{:~P}", q), "3 m/s\xc2\xb2"},
        {fmt::format("{:.1f~C}", q), "3.0 m/s**2"},
        {fmt::format("{:~L}", q), "3\\ \\frac{\\mathrm{m}}{\\mathrm{s}^{2}}"},
        {fmt::format("{:H}", q), "3 m/s<sup>2</sup>"},
        {fmt::format("{:D}", qelunits::Quantity(3.5, qelunits::Unit("ft"))), "3.5 Foot"},
        {fmt::format("{:C}", qelunits::Unit("kJ/(kg*K)")), "kJ/(kg*K)"},
        {fmt::format("{:C}", qelunits::Unit("delta_degC")), "delta_degC"},
        {fmt::format("{:C}", qelunits::Unit("um^2")), "um**2"},
        {fmt::format("{:L}", qelunits::Unit("kJ/(kg*K)")), "\\frac{\\mathrm{kJ}}{\\mathrm{kg} \\cdot \\mathrm{K}}"},
        {fmt::format("{:#^5}", qelunits::Unit("m")), "##m##"}, // '#' as a fill
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(text, expected);
    }
    // Contradictions and Pint's '#' (its compact form) are refused, never read another way.
    for (const char* spec : {"{:~N}", "{:PL}", "{:~.1f~}", "{:#.2f}", "{:~^#P}"}) {
        SCOPED_TRACE(spec);
        EXPECT_THROW(static_cast<void>(fmt::format(fmt::runtime(spec), q)), fmt::format_error);
    }
}

} // namespace
