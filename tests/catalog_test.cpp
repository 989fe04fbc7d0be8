#include "catalog/UnitTable.h"

#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using qelunits_detail::kUnitTable;
using U = QelUnit::BuiltinUnits;
using T = QelUnit::BuiltinTypes;

// Codes out of range are in badinput_test; here the edges of the valid range, the fields read, a unit of each
// combination of the two system flags, and factors: the table writes most as expressions, and these are the
// values from outside it.
TEST(Catalog, QueriesAnswerFromTheRecord) {
    EXPECT_TRUE(QelUnit::isValid(U(0)) && QelUnit::isValid(U(348)) && QelUnit::isValid(T(0)) &&
                QelUnit::isValid(T(30)));
    EXPECT_FALSE(QelUnit::isValid(T(31)));
    const std::tuple<U, T, const wchar_t*, bool, bool, double> cases[] = {
        {QelUnit::meter, QelUnit::Distance, L"meter", true, false, 1.0},
        {QelUnit::second, QelUnit::Time, L"second", false, false, 1.0},
        // Mended rows: a grain is 64.79891 mg, a firkin 9 US gallons, a Rankine degree 5/9 of a kelvin
        // (the Fahrenheit and Celsius degrees are pinned by conversion_test's reductions).
        {QelUnit::grain, QelUnit::Mass, L"grain", false, true, 6.479891e-05},
        {QelUnit::firkin, QelUnit::Volume, L"firkin", false, true, 0.0037854117840000014 * 9},
        {QelUnit::rankine, QelUnit::Temperature, L"rankine", false, true, 5.0 / 9.0},
        {QelUnit::acre, QelUnit::Area, L"acre", false, true, 4046.8564224},
        {QelUnit::liquid_gallon, QelUnit::Volume, L"liquid_gallon", false, true, 0.0037854117840000014},
        {QelUnit::inches, QelUnit::Distance, L"inches", false, true, 0.025400000000000002},
        {QelUnit::torr, QelUnit::Pressure, L"torr", true, true, 133.322368421053},
    };
    for (const auto& [unit, type, name, metric, imperial, factor] : cases) {
        SCOPED_TRACE(unit);
        EXPECT_EQ(QelUnit::getType(unit), type);
        EXPECT_STREQ(QelUnit::internalName(unit), name);
        EXPECT_EQ(QelUnit::isMetric(unit), metric);
        EXPECT_EQ(QelUnit::isImperial(unit), imperial);
        EXPECT_EQ(kUnitTable[unit].factor, factor);
    }
}

} // namespace
