#include "catalog/UnitTable.h"

#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace {

using qelunits_detail::kUnitTable;
using U = QelUnit::BuiltinUnits;
using T = QelUnit::BuiltinTypes;

// Codes out of range are in badinput_test; here the edges of the valid range, the fields read, and a unit
// of each combination of the two system flags.
TEST(Catalog, QueriesAnswerFromTheRecord) {
    EXPECT_TRUE(QelUnit::isValid(U(0)) && QelUnit::isValid(U(348)) && QelUnit::isValid(T(0)) &&
                QelUnit::isValid(T(30)));
    EXPECT_FALSE(QelUnit::isValid(T(31)));
    const std::tuple<U, T, const wchar_t*, bool, bool> cases[] = {
        {QelUnit::dimensionless, QelUnit::Dimensionless, L"dimensionless", true, true},
        {QelUnit::meter, QelUnit::Distance, L"meter", true, false},
        {QelUnit::foot, QelUnit::Distance, L"foot", false, true},
        {QelUnit::second, QelUnit::Time, L"second", false, false},
    };
    for (const auto& [unit, type, name, metric, imperial] : cases) {
        SCOPED_TRACE(unit);
        EXPECT_EQ(QelUnit::getType(unit), type);
        EXPECT_STREQ(QelUnit::internalName(unit), name);
        EXPECT_EQ(QelUnit::isMetric(unit), metric);
        EXPECT_EQ(QelUnit::isImperial(unit), imperial);
    }
}

// The table writes most factors as expressions; these are the values from outside it.
TEST(UnitTable, FactorsAreThePublishedDoubles) {
    const std::tuple<U, double> cases[] = {
        // Mended rows: a grain is 64.79891 mg, a firkin 9 US gallons, a Rankine degree 5/9 of a kelvin
        // (the Fahrenheit and Celsius degrees are pinned by conversion_test's reductions).
        {QelUnit::grain, 6.479891e-05},
        {QelUnit::firkin, 0.0037854117840000014 * 9},
        {QelUnit::rankine, 5.0 / 9.0},
        {QelUnit::acre, 4046.8564224},
        {QelUnit::liquid_gallon, 0.0037854117840000014},
        {QelUnit::inches, 0.025400000000000002},
        {QelUnit::torr, 133.322368421053},
    };
    for (const auto& [unit, expected] : cases) {
        EXPECT_EQ(kUnitTable[unit].factor, expected) << QelUnit::internalName(unit);
    }
}

} // namespace
