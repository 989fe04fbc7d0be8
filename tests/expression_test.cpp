#include "test_helpers.h"

#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitVar.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <tuple>

namespace {

using qelunits_test::bits;
using qelunits_test::read;

TEST(Expression, ConvertsValuesAndFactorsWithTheirScales) {
    const std::tuple<const wchar_t*, const wchar_t*, double, double> cases[] = {
        {L"kJ/(kg·K)", L"BTU/(lb·°F)", 1.0, 1000.0 * 0.45359237 * 5.0 / 9.0 / 1055.0559},
        {L"mph", L"km/h", 60.0, 96.56064},
        {L"L/100 km", L"gal/mi", 1.0, 0.01 * 1.609344 / 3.785411784},
        {L"mK", L"°C", 300000.0, 26.85}, // a scaled temperature reading: 300 K
        {L"°F", L"K", -40.0, 233.15},
        {L"°C", L"mK", 0.0, 273150.0},
        {L"ppm", L"%", 5000.0, 0.5},
    };
    for (const auto& [from, to, value, expected] : cases) {
        SCOPED_TRACE(QelUnitParser::toUtf8(from) + " -> " + QelUnitParser::toUtf8(to));
        double converted = value;
        ASSERT_EQ(read(from).Convert(read(to), converted), QelUnit::Ok);
        EXPECT_NEAR(converted / expected, 1.0, 1e-6);
        double factor = 0.0;
        const QelUnit::ErrorStatus status = read(from).GetConversionFactor(read(to), factor);
        EXPECT_EQ(status, std::fabs(value * factor - converted) < 1e-9 * std::fabs(converted)
                              ? QelUnit::Ok
                              : QelUnit::CustomConversion);
    }
}

// Between unscaled expressions the conversion is the quantity's, bit for bit.
TEST(Expression, UnscaledConversionsKeepTheTypesBits) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> values(-1e6, 1e6);
    for (int i = 0; i < 20000; ++i) {
        const QelUnitType from(static_cast<QelUnit::BuiltinUnits>(1 + random() % 348),
                               1 + static_cast<int>(random() % 2));
        const QelUnitType to(static_cast<QelUnit::BuiltinUnits>(1 + random() % 348), from[0].power);
        const double value = values(random);
        QelUnitVar quantity;
        const QelUnit::ErrorStatus status = QelUnitVar::Convert(QelUnitVar(value, from), to, quantity);
        double converted = value;
        EXPECT_EQ(QelUnitExpression(from).Convert(QelUnitExpression(to), converted), status);
        if (status == QelUnit::Ok) {
            EXPECT_EQ(bits(converted), bits(quantity.GetValue())) << from[0].unit << " -> " << to[0].unit;
        }
    }
}

TEST(Expression, FailuresLeaveTheValue) {
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<QelUnitExpression, QelUnitExpression, QelUnit::ErrorStatus> cases[] = {
        {read(L"m"), read(L"s"), QelUnit::TypesNotCompatible},
        {QelUnitExpression(0.0, QelUnitType(QelUnit::meter)), read(L"ft"), QelUnit::InvalidUnit},
        {read(L"ft"), QelUnitExpression(-2.0, QelUnitType(QelUnit::meter)), QelUnit::InvalidUnit},
        {QelUnitExpression(kNaN, QelUnitType(QelUnit::meter)), read(L"ft"), QelUnit::InvalidUnit},
        {read(L"m"), QelUnitExpression(HUGE_VAL, QelUnitType(QelUnit::meter)), QelUnit::InvalidUnit},
    };
    for (const auto& [from, to, status] : cases) {
        double value = 7.0;
        double factor = 7.0;
        EXPECT_EQ(from.Convert(to, value), status);
        EXPECT_EQ(from.GetConversionFactor(to, factor), status);
        EXPECT_EQ(value, 7.0);
        EXPECT_EQ(factor, 7.0);
    }
    double factor = 7.0;
    EXPECT_EQ(read(L"°C").GetConversionFactor(read(L"°F"), factor), QelUnit::CustomConversion);
    EXPECT_EQ(factor, 7.0);
}

TEST(Expression, TellsReadingsBelowAbsoluteZero) {
    const std::tuple<const wchar_t*, double, bool> cases[] = {
        {L"K", -0.001, true},   {L"K", 0.0, false},      {L"°C", -273.15, false},
        {L"°C", -273.16, true}, {L"°F", -459.67, false}, {L"°F", -460.0, true},
        {L"°R", -1.0, true},    {L"mK", -1.0, true},     {L"°C/min", -1000.0, false}, // a rate, not a reading
        {L"K^2", -1.0, false},  {L"m", -1.0, false},
    };
    for (const auto& [text, value, below] : cases) {
        EXPECT_EQ(read(text).isBelowAbsoluteZero(value), below) << QelUnitParser::toUtf8(text) << " " << value;
    }
}

TEST(Expression, AlgebraCombinesScalesAndTypes) {
    EXPECT_TRUE((read(L"100 ft") * read(L"mg")).isEqualTo(QelUnitExpression(100.0 * 1e-6, read(L"ft·kg").type())));
    EXPECT_TRUE((read(L"L") / read(L"100 km")).isEqualTo(read(L"L/100 km")));
    EXPECT_TRUE(pow(read(L"10 m"), 3).isEqualTo(QelUnitExpression(1000.0, read(L"m^3").type())));
    EXPECT_TRUE(pow(read(L"4 s"), -1).isEqualTo(QelUnitExpression(0.25, read(L"1/s").type())));
    EXPECT_TRUE(pow(read(L"4 s"), 0).isEqualTo(QelUnitExpression()));
    EXPECT_TRUE(read(L"km").isCompatible(read(L"5 ft")));
    EXPECT_FALSE(read(L"km").isCompatible(read(L"ms")));
    EXPECT_FALSE(read(L"2 m").isEqualTo(read(L"m")));
}

} // namespace
