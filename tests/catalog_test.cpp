#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitsUtf8.h>

#include <gtest/gtest.h>

#include <tuple>

namespace {

using U = QelUnit::BuiltinUnits;
using T = QelUnit::BuiltinTypes;

// Codes out of range are in badinput_test; here the edges of the valid range, the fields read, a unit of each
// combination of the two system flags, and factors: the table writes most as expressions, and these are the
// values from outside it. So are the definitions of rounded factors (NIST SP 811, IAU, CODATA 2022).
TEST(Catalog, QueriesAnswerFromTheRecord) {
    EXPECT_TRUE(QelUnit::isValid(U(0)) && QelUnit::isValid(U(348)) && QelUnit::isValid(T(0)) &&
                QelUnit::isValid(T(30)));
    EXPECT_FALSE(QelUnit::isValid(T(31)));
    // Unit, type, internal name, metric, imperial, stored factor, definition (the factor where it is exact).
    const std::tuple<U, T, const wchar_t*, bool, bool, double, double> cases[] = {
        {QelUnit::meter, QelUnit::Distance, L"meter", true, false, 1.0, 1.0},
        {QelUnit::second, QelUnit::Time, L"second", false, false, 1.0, 1.0},
        // Mended rows: a grain is 64.79891 mg, a firkin 9 US gallons, a Rankine degree 5/9 of a kelvin
        // (the Fahrenheit and Celsius degrees are pinned by conversion_test's reductions).
        {QelUnit::grain, QelUnit::Mass, L"grain", false, true, 6.479891e-05, 6.479891e-05},
        {QelUnit::firkin, QelUnit::Volume, L"firkin", false, true, 0.0037854117840000014 * 9, 0.034068706056000014},
        {QelUnit::rankine, QelUnit::Temperature, L"rankine", false, true, 5.0 / 9.0, 5.0 / 9.0},
        {QelUnit::acre, QelUnit::Area, L"acre", false, true, 4046.8564224, 4046.8564224},
        {QelUnit::liquid_gallon, QelUnit::Volume, L"liquid_gallon", false, true, 0.0037854117840000014,
         0.0037854117840000014},
        {QelUnit::inches, QelUnit::Distance, L"inches", false, true, 0.025400000000000002, 0.025400000000000002},
        {QelUnit::torr, QelUnit::Pressure, L"torr", true, true, 133.322368421053, 133.32236842105263},
        {QelUnit::ounce, QelUnit::Mass, L"ounce", false, true, 0.0283495, 0.028349523125},
        {QelUnit::angle_degree, QelUnit::PlanarAngle, L"angle_degree", false, false, 0.0174533, 0.017453292519943295},
        {QelUnit::light_year, QelUnit::Distance, L"light_year", true, true, 9.4609e15, 9460730472580800.0},
        {QelUnit::dalton, QelUnit::Mass, L"dalton", true, false, 1.66e-27, 1.66053906892e-27},
        {QelUnit::barrel, QelUnit::Volume, L"barrel", false, true, 0.11563, 0.115627123584}, // 7056 in³
        {QelUnit::tropical_year, QelUnit::Time, L"tropical_year", false, false, 31556908.8, 31556925.9746784},
    };
    for (const auto& [unit, type, name, metric, imperial, factor, definition] : cases) {
        SCOPED_TRACE(unit);
        EXPECT_EQ(QelUnit::getType(unit), type);
        EXPECT_STREQ(QelUnit::internalName(unit), name);
        EXPECT_EQ(QelUnit::isMetric(unit), metric);
        EXPECT_EQ(QelUnit::isImperial(unit), imperial);
        const qelunits::FactorDefinition d = qelunits::factorDefinition(unit);
        EXPECT_EQ(d.stored, factor);
        EXPECT_NEAR(d.defined / definition, 1.0, 1e-15);
        EXPECT_NEAR(d.difference, factor / definition - 1.0, 1e-15);
        EXPECT_EQ(d.text.empty(), factor == definition);
    }
    EXPECT_EQ(qelunits::factorDefinition(U(349)).stored, 1.0); // out of range: the defaults
}

} // namespace
