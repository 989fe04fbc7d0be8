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
