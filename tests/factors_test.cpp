#include "factors/DirectFactors.h"
#include "test_helpers.h"

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>
#include <qelunits/QelUnitType.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <tuple>

namespace {

using qelunits_detail::DirectKind;
using qelunits_detail::findDirect;
using U = QelUnit::BuiltinUnits;

double twice(double x) { return 2.0 * x; }

// The setters keep a custom function; composing takes only the factor.
TEST(ConversionFactor, SettersAndMultiply) {
    ConversionFactor custom(2.0);
    custom.SetCustomConversion(nullptr);
    EXPECT_EQ(static_cast<double>(custom), 2.0);
    custom.SetCustomConversion(&twice);
    EXPECT_EQ(static_cast<double>(custom), 1.0);
    const ConversionFactor id;
    const std::tuple<ConversionFactor, ConversionFactor, bool, double> cases[] = {
        {id, 3.0, false, 3.0}, {2.0, 3.0, false, 6.0},   {2.0, id, false, 2.0},
        {id, id, true, 1.0},   {id, custom, false, 1.0},
    };
    for (const auto& [lhs, rhs, identity, factor] : cases) {
        SCOPED_TRACE(testing::Message() << lhs.factor << '*' << rhs.factor);
        ConversionFactor f = lhs;
        f *= rhs;
        EXPECT_EQ(f.isIdentity, identity);
        EXPECT_EQ(f.factor, factor);
        EXPECT_EQ(f.customConversion, nullptr);
    }
    custom.SetFactor(3.0);
    custom *= ConversionFactor(2.0);
    custom.SetIdentity();
    EXPECT_TRUE(custom.customConversion == &twice && custom.isIdentity && custom.factor == 1.0);
    const ConversionFactor fromT(ConversionFactor_T{false, 2.0, 7});
    EXPECT_TRUE(!fromT.isIdentity && fromT.factor == 2.0 && fromT.customConversion == nullptr);
}

TEST(DirectFactors, PublishedFactorsBitForBit) {
    // From, to, factor (0: no stored factor in that direction). The length table is literal and checked
    // against the exact lengths when it compiles; these are the computed areas and volumes, one row for each
    // way areaFactor and volumeFactor reach a value, and the reverse and missing entries. Meter to foot and
    // square meter to square foot are in conversion_test.
    const std::tuple<U, U, double> cases[] = {{QelUnit::foot, QelUnit::meter, 0.0},
                                              {QelUnit::hectare, QelUnit::acre, 2.471053814671653},
                                              {QelUnit::square_meters, QelUnit::hectare, 0.0001},
                                              {QelUnit::square_mile, QelUnit::acre, 640.0},
                                              {QelUnit::square_foot, QelUnit::square_survey_foot, 0.9999960000039999},
                                              {QelUnit::cubic_foot, QelUnit::cubic_survey_foot, 0.9999940000119998},
                                              {QelUnit::gram, QelUnit::kilogram, 0.0}};
    for (const auto& [from, to, factor] : cases) {
        SCOPED_TRACE(testing::Message() << from << " -> " << to);
        const qelunits_detail::DirectEntry& e = findDirect(from, to);
        EXPECT_EQ(e.kind == DirectKind::Factor, factor != 0.0);
        EXPECT_EQ(e.kind == DirectKind::Factor ? e.factor : 0.0, factor);
    }
}

TEST(DirectFactors, TemperatureFunctions) {
    // Boiling water in kelvin, fahrenheit, celsius and rankine.
    const U scales[] = {QelUnit::kelvin, QelUnit::fahrenheit, QelUnit::celsius, QelUnit::rankine};
    const double boiling[] = {373.15, 212.0, 100.0, 671.67};
    for (int a = 0; a < 4; ++a) {
        for (int b = 0; b < 4; ++b) {
            const qelunits_detail::DirectEntry& e = findDirect(scales[a], scales[b]);
            if (a != b) {
                ASSERT_EQ(e.kind, DirectKind::Function) << scales[a] << " -> " << scales[b];
                EXPECT_NEAR(e.function(boiling[a]), boiling[b], 1e-9) << scales[a] << " -> " << scales[b];
            }
        }
    }
    EXPECT_EQ(findDirect(QelUnit::celsius, QelUnit::kelvin).function(0.0), 273.15);
}

// A power of -1 takes the reciprocal of the stored factor rounded once (0.3048^2 / 10^4), which the C
// library's pow misses by one unit in the last place.
TEST(DirectFactors, PowerMinusOneIsTheReciprocalRoundedOnce) {
    ConversionFactor factor;
    ASSERT_EQ(QelUnitType(QelUnit::hectare, -1).GetConversionFactor(QelUnitType(QelUnit::square_foot, -1), factor),
              QelUnit::Ok);
    EXPECT_EQ(factor.factor, 9.2903040000000008e-06);
}

} // namespace
