#include "catalog/Powers.h"
#include "catalog/TypeTable.h"
#include "catalog/UnitTable.h"

#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using qelunits_detail::kTypeTable;
using qelunits_detail::kUnitTable;
using U = QelUnit::BuiltinUnits;
using T = QelUnit::BuiltinTypes;

// Codes out of range are in badinput_test; here the edges of the valid range and the fields read.
TEST(Catalog, QueriesAnswerFromTheRecord) {
    for (const std::int32_t code : {0, 30, 31, 348}) {
        EXPECT_TRUE(QelUnit::isValid(static_cast<U>(code))) << code;
        EXPECT_EQ(QelUnit::isValid(static_cast<T>(code)), code < 31) << code;
    }
    const std::tuple<U, T, const wchar_t*, bool, bool> cases[] = {
        {QelUnit::dimensionless, QelUnit::Dimensionless, L"dimensionless", true, true},
        {QelUnit::meter, QelUnit::Distance, L"meter", true, false},
        {QelUnit::foot, QelUnit::Distance, L"foot", false, true},
        {QelUnit::second, QelUnit::Time, L"second", false, false},
        {QelUnit::hertz, QelUnit::ElectricalFrequency, L"hertz", true, true},
        {QelUnit::square_mil_, QelUnit::Area, L"square_mil_", false, true},
        {QelUnit::steradian, QelUnit::SolidAngle, L"steradian", false, false},
        {QelUnit::knot_UK, QelUnit::Velocity, L"knot_UK", false, true},
    };
    for (const auto& [unit, type, name, metric, imperial] : cases) {
        SCOPED_TRACE(unit);
        EXPECT_EQ(QelUnit::getType(unit), type);
        EXPECT_STREQ(QelUnit::internalName(unit), name);
        EXPECT_EQ(QelUnit::isMetric(unit), metric);
        EXPECT_EQ(QelUnit::isImperial(unit), imperial);
    }
}

TEST(UnitTable, ComputedFactorsAreTheDoublesOfTheirExpressions) {
    const std::tuple<U, double> cases[] = {
        {QelUnit::acre, std::pow(0.3048, 2.0) * 43560},
        {QelUnit::square_bolt, std::pow(36.576, 2.0)},
        {QelUnit::cubic_chain, std::pow(20.1168, 3.0)},
        {QelUnit::square_caliber, std::pow(0.00025399999999999, 2.0)},
        {QelUnit::cubic_mil, std::pow(2.5399999999999e-05, 3.0)},
        {QelUnit::square_parsec, std::pow(3.0857992e16, 2.0)},
        {QelUnit::cubic_parsec, std::pow(3.0857992e16, 3.0)},
        {QelUnit::cubic_light_year, std::pow(9460900000000000.0, 3.0)},
        {QelUnit::cubic_angstrom, std::pow(1e-10, 3.0)},
        {QelUnit::cubic_mile_statute, std::pow(1609.3472186944373, 3.0)},
        {QelUnit::cubic_survey_yard, std::pow(0.9144018288036575, 3.0)},
        {QelUnit::liquid_gallon, std::pow(0.025400000000000002, 3.0) * 231},
        {QelUnit::us_gallon_per_second, std::pow(0.025400000000000002, 3.0) * 231},
        {QelUnit::us_million_gallon_per_day, std::pow(0.025400000000000002, 3.0) * 231000000 / 86400},
        {QelUnit::acre_inch_per_minute, std::pow(0.3048, 3.0) * 43560 / 60 / 12},
        {QelUnit::acre_foot_per_day, std::pow(0.3048, 3.0) * 43560 / 86400},
        {QelUnit::candela_per_square_foot, 1 / std::pow(0.3048, 2.0)},
        {QelUnit::survey_acre, std::pow(0.3048006096012192, 2.0) * 43560},
        {QelUnit::tonne_force_meter, 1000 * 9.80665},
        {QelUnit::kilopound_per_foot, 1000 * 14.593902937206364},
        {QelUnit::decanewton_per_square_millimeter, 10 * 1000000.0},
        // Mended rows: a grain is 64.79891 mg, a firkin 9 US gallons, and
        // Fahrenheit and Rankine degrees are 5/9 of a kelvin.
        {QelUnit::grain, 6.479891e-05},
        {QelUnit::firkin, std::pow(0.025400000000000002, 3.0) * 231 * 9},
        {QelUnit::fahrenheit, 5.0 / 9.0},
        {QelUnit::rankine, 5.0 / 9.0},
        {QelUnit::celsius, 1.0},
        // Published doubles.
        {QelUnit::acre, 4046.8564224},
        {QelUnit::liquid_gallon, 0.0037854117840000014},
        {QelUnit::inches, 0.025400000000000002},
        {QelUnit::torr, 133.322368421053},
    };
    for (const auto& [unit, expected] : cases) {
        EXPECT_EQ(kUnitTable[unit].factor, expected) << QelUnit::internalName(unit);
    }
}

TEST(TypeTable, TypesOfNoUnitShareTheirDimensions) {
    const auto exponents = [](T t) {
        return std::vector<int>(kTypeTable[t].baseExponents, kTypeTable[t].baseExponents + 10);
    };
    EXPECT_EQ(exponents(QelUnit::LinearWeight), std::vector<int>({1, -1, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(exponents(QelUnit::Moments), exponents(QelUnit::Energy));
    EXPECT_EQ(exponents(QelUnit::AreaForce), exponents(QelUnit::Pressure));
}

} // namespace
