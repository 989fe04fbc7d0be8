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

// Values and factors convert with their scales; a failure leaves both, and a conversion by a function the factor.
TEST(Expression, ConvertsValuesAndFactorsWithTheirScales) {
    using X = QelUnitExpression;
    const QelUnitType meter(QelUnit::meter);
    const X ft = read(L"ft");
    const auto ok = QelUnit::Ok;
    const auto bad = QelUnit::InvalidUnit;
    // From, to, value, converted, status of the value's and of the factor's conversion.
    const std::tuple<X, X, double, double, QelUnit::ErrorStatus, QelUnit::ErrorStatus> cases[] = {
        {read(L"kJ/(kg·K)"), read(L"BTU/(lb·°F)"), 1.0, 1000.0 * 0.45359237 * 5.0 / 9.0 / 1055.0559, ok, ok},
        {read(L"mph"), read(L"km/h"), 60.0, 96.56064, ok, ok},
        {read(L"L/100 km"), read(L"gal/mi"), 1.0, 0.01 * 1.609344 / 3.785411784, ok, ok},
        {read(L"mK"), read(L"°C"), 300000.0, 26.85, ok, QelUnit::CustomConversion}, // a scaled reading: 300 K
        {read(L"°F"), read(L"K"), -40.0, 233.15, ok, QelUnit::CustomConversion},
        {read(L"°C"), read(L"mK"), 0.0, 273150.0, ok, QelUnit::CustomConversion},
        {read(L"ppm"), read(L"%"), 5000.0, 0.5, ok, ok},
        // A difference converts by the ratio of the degrees, with either side a difference.
        {read(L"Δ°C"), read(L"Δ°F"), 10.0, 18.0, ok, ok},
        {read(L"delta_degF"), read(L"K"), -9.0, -5.0, ok, ok},
        {read(L"(delta_degF)"), read(L"(K)"), -9.0, -5.0, ok, ok}, // still a difference in parentheses
        {read(L"m"), read(L"s"), 7.0, 7.0, QelUnit::TypesNotCompatible, QelUnit::TypesNotCompatible},
        {X(0.0, meter), ft, 7.0, 7.0, bad, bad},
        {ft, X(-2.0, meter), 7.0, 7.0, bad, bad},
        {X(std::numeric_limits<double>::quiet_NaN(), meter), ft, 7.0, 7.0, bad, bad},
        {ft, X(HUGE_VAL, meter), 7.0, 7.0, bad, bad}};
    for (const auto& [from, to, value, expected, status, factorStatus] : cases) {
        SCOPED_TRACE(value);
        double converted = value;
        EXPECT_EQ(from.Convert(to, converted), status);
        EXPECT_NEAR(converted / expected, 1.0, 1e-6);
        double factor = 7.0;
        EXPECT_EQ(from.GetConversionFactor(to, factor), factorStatus);
        EXPECT_NEAR(factorStatus == ok ? value * factor : factor, factorStatus == ok ? converted : 7.0,
                    1e-9 * std::fabs(converted));
    }
}

// An expression converts by the definitions; the type, as codes do, by the stored factors: the two part by
// the relative error that the catalogue declares for the factors used, and by the roundings of the stored
// factors' arithmetic (a few units in the last place).
TEST(Expression, ConvertsByDefinitionsWhereTheTypeKeepsTheStoredFactors) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> values(-1e6, 1e6);
    int rounded = 0;
    for (int i = 0; i < 20000; ++i) {
        const QelUnitType from(static_cast<QelUnit::BuiltinUnits>(1 + random() % 348),
                               1 + static_cast<int>(random() % 2));
        const QelUnitType to(static_cast<QelUnit::BuiltinUnits>(1 + random() % 348), from[0].power);
        const double value = values(random);
        QelUnitVar quantity;
        const QelUnit::ErrorStatus status = QelUnitVar::Convert(QelUnitVar(value, from), to, quantity);
        double converted = value;
        const QelUnitExpression source(from);
        const QelUnit::ErrorStatus own = source.Convert(QelUnitExpression(to), converted);
        EXPECT_EQ(own == QelUnit::Underflow && source.isBelowAbsoluteZero(value) ? QelUnit::Ok : own,
                  status); // the quantity converts readings below absolute zero
        if (own == QelUnit::Ok && converted != 0.0) {
            const double error = source.relativeError(QelUnitExpression(to));
            EXPECT_NEAR(quantity.GetValue() / converted - 1.0, error, 3e-15 + 1e-9 * std::fabs(error))
                << from[0].unit << " -> " << to[0].unit;
            rounded += error != 0.0 ? 1 : 0;
        }
    }
    EXPECT_GT(rounded, 100);
}

TEST(Expression, TellsReadingsBelowAbsoluteZero) {
    const std::tuple<const wchar_t*, double, bool> cases[] = {
        {L"K", -0.001, true},    {L"K", 0.0, false},      {L"°C", -273.15, false},
        {L"°C", -273.16, true},  {L"°F", -459.67, false}, {L"°F", -460.0, true},
        {L"°R", -1.0, true},     {L"mK", -1.0, true},     {L"°C/min", -1000.0, false}, // a rate, not a reading
        {L"Δ°C", -300.0, false}, {L"K^2", -1.0, false},   {L"m", -1.0, false},
    };
    for (const auto& [text, value, below] : cases) {
        EXPECT_EQ(read(text).isBelowAbsoluteZero(value), below) << qelunits::toUtf8(text) << " " << value;
        double converted = value;
        EXPECT_EQ(read(text).Convert(read(text), converted), below ? QelUnit::Underflow : QelUnit::Ok);
    }
}

// Dimensions that are reciprocals convert only when asked, and then as 1/x.
TEST(Expression, ConvertsReciprocalsOnlyWhenAsked) {
    const double lPer100KmAtOneMpg = 100.0 * 3.785411784 / 1.609344;
    const std::tuple<const wchar_t*, const wchar_t*, double, double, QelUnit::ErrorStatus> cases[] = {
        {L"mpg", L"L/100 km", 30.0, lPer100KmAtOneMpg / 30.0, QelUnit::Ok},
        {L"L/100km", L"mpg", 7.0, lPer100KmAtOneMpg / 7.0, QelUnit::Ok},
        {L"s", L"1/min", 2.0, 30.0, QelUnit::Ok},
        {L"mpg", L"L/100 km", 0.0, 0.0, QelUnit::Overflow},
        {L"mpg", L"m", 1.0, 1.0, QelUnit::TypesNotCompatible},
        {L"m", L"ft", 1.0, 1.0, QelUnit::TypesNotCompatible}, // compatible: an ordinary conversion
    };
    for (const auto& [from, to, value, expected, status] : cases) {
        SCOPED_TRACE(qelunits::toUtf8(from));
        double converted = value;
        EXPECT_EQ(read(from).ConvertReciprocal(read(to), converted), status);
        EXPECT_NEAR(converted, expected, 1e-12 * expected);
        double untouched = value;
        if (status == QelUnit::Ok) { // never silently
            EXPECT_EQ(read(from).Convert(read(to), untouched), QelUnit::TypesNotCompatible);
        }
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
