#include "factors/DirectFactors.h"

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

double twice(double x) { return 2.0 * x; }

ConversionFactor identity() { return ConversionFactor(); }

TEST(ConversionFactor, StatesAndSetters) {
    ConversionFactor f;
    EXPECT_TRUE(f.isIdentity);
    EXPECT_EQ(static_cast<double>(f), 1.0);
    f.SetFactor(0.5);
    EXPECT_FALSE(f.isIdentity);
    EXPECT_EQ(static_cast<double>(f), 0.5);

    ConversionFactor g(2.0);
    g.SetCustomConversion(nullptr);
    EXPECT_EQ(static_cast<double>(g), 2.0);
    EXPECT_EQ(g.customConversion, nullptr);
    g.SetCustomConversion(&twice);
    EXPECT_EQ(static_cast<double>(g), 1.0);
    EXPECT_FALSE(g.isIdentity);
    // The function survives factor and identity changes.
    g.SetFactor(3.0);
    g.SetIdentity();
    EXPECT_EQ(g.customConversion, &twice);
    EXPECT_TRUE(g.isIdentity);
    EXPECT_EQ(g.factor, 1.0);

    const ConversionFactor fromT(ConversionFactor_T{false, 2.0, 7});
    EXPECT_FALSE(fromT.isIdentity);
    EXPECT_EQ(fromT.factor, 2.0);
    EXPECT_EQ(fromT.customConversion, nullptr);
}

TEST(ConversionFactor, MultiplyAndDivide) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        ConversionFactor lhs;
        bool multiply;
        ConversionFactor rhs;
        bool identity;
        double factor;
    } cases[] = {
        {identity(), true, 3.0, false, 3.0},     {2.0, true, 3.0, false, 6.0},
        {2.0, true, identity(), false, 2.0},     {identity(), true, identity(), true, 1.0},
        {identity(), false, 4.0, false, 0.25},   {3.0, false, 4.0, false, 0.75},
        {1.0, false, 0.0, false, inf},           {1.0, false, -1e-11, false, inf},
        {1.0, false, 1e-10, false, inf},         {-5.0, false, std::nan(""), false, inf},
        {identity(), false, -1e-11, false, inf}, {1.0, false, 1.1e-10, false, 1.0 / 1.1e-10},
        {2.0, false, identity(), false, 2.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lhs.factor << (c.multiply ? " * " : " / ") << c.rhs.factor);
        ConversionFactor f = c.lhs;
        if (c.multiply) {
            f *= c.rhs;
        } else {
            f /= c.rhs;
        }
        EXPECT_EQ(f.isIdentity, c.identity);
        EXPECT_EQ(f.factor, c.factor);
    }
}

TEST(ConversionFactor, CustomFactorsMultiplyAsOne) {
    ConversionFactor custom;
    custom.SetCustomConversion(&twice);
    ConversionFactor f;
    f *= custom;
    EXPECT_FALSE(f.isIdentity);
    EXPECT_EQ(f.factor, 1.0);
    EXPECT_EQ(f.customConversion, nullptr);
    custom *= ConversionFactor(4.0);
    EXPECT_EQ(custom.factor, 4.0);
    EXPECT_EQ(custom.customConversion, &twice);
}

TEST(ConversionFactor, EqualityIsStrictAndAbsolute) {
    ConversionFactor storedTwo;
    storedTwo.factor = 2.0; // identity whatever its stored factor
    ConversionFactor customA;
    customA.SetCustomConversion(&twice);
    const ConversionFactor customB = customA;
    const struct {
        ConversionFactor a;
        ConversionFactor b;
        bool equal;
    } cases[] = {
        {identity(), storedTwo, true},
        {identity(), 1.0, false},
        {1.0, 1.0 + 5e-11, true},
        {1.0, 1.0 + 2e-10, false},
        {1e6, 1e6 + 1e-9, false}, // absolute, not relative
        {0.0, 1e-10, false},      // strictly less than the tolerance
        {std::nan(""), std::nan(""), false},
        {customA, customB, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a.factor << " vs " << c.b.factor);
        EXPECT_EQ(c.a.isEqualTo(c.b), c.equal);
        EXPECT_EQ(c.b.isEqualTo(c.a), c.equal);
    }
}

TEST(ConversionFactor, EqualityReadsTheCurrentEpsilon) {
    const double saved = QelUnit::kEpsilon;
    QelUnit::kEpsilon = 1e-3;
    EXPECT_TRUE(ConversionFactor(1.0).isEqualTo(ConversionFactor(1.0005)));
    ConversionFactor f(1.0);
    f /= ConversionFactor(5e-4);
    EXPECT_EQ(f.factor, std::numeric_limits<double>::infinity());
    QelUnit::kEpsilon = saved;
    EXPECT_FALSE(ConversionFactor(1.0).isEqualTo(ConversionFactor(1.0005)));
}

} // namespace

namespace {

using qelunits_detail::directFactor;
using U = QelUnit::BuiltinUnits;

TEST(DirectFactors, ExactlyTheGroupEntriesExist) {
    int factors = 0;
    int functions = 0;
    for (std::int32_t a = 0; a < QelUnit::kUnitCount; ++a) {
        for (std::int32_t b = 0; b < QelUnit::kUnitCount; ++b) {
            const ConversionFactor f = directFactor(a, b);
            if (f.isIdentity) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << a << " -> " << b);
            EXPECT_NE(a, b);
            EXPECT_TRUE(f.customConversion == nullptr ? f.factor > 0.0 : f.factor == 1.0);
            ++(f.customConversion == nullptr ? factors : functions);
        }
    }
    EXPECT_EQ(factors, 465);
    EXPECT_EQ(functions, 12);
    for (std::int32_t a = 0; a < QelUnit::kUnitCount; ++a) {
        for (U base : {QelUnit::meter, QelUnit::square_meters, QelUnit::cubic_meter}) {
            EXPECT_TRUE(directFactor(a, base).isIdentity) << a << " -> " << base;
        }
    }
    EXPECT_TRUE(directFactor(-1, QelUnit::foot).isIdentity);
    EXPECT_TRUE(directFactor(QelUnit::meter, QelUnit::kUnitCount).isIdentity);
}

TEST(DirectFactors, PublishedFactorsBitForBit) {
    const struct {
        U from;
        U to;
        double factor; // 0: no entry
    } cases[] = {
        {QelUnit::meter, QelUnit::foot, 3.280839895013123},
        {QelUnit::foot, QelUnit::meter, 0.0},
        {QelUnit::meter, QelUnit::meter, 0.0},
        {QelUnit::foot, QelUnit::survey_foot, 0.9999979999999999},
        {QelUnit::survey_foot, QelUnit::foot, 1.000002000004},
        {QelUnit::mile_statute, QelUnit::millimeter, 1609347.2186944375},
        {QelUnit::hectare, QelUnit::acre, 2.471053814671653},
        {QelUnit::acre, QelUnit::hectare, 0.40468564224000003},
        {QelUnit::square_meters, QelUnit::hectare, 0.0001},
        {QelUnit::hectare, QelUnit::square_meters, 0.0},
        {QelUnit::acre, QelUnit::square_foot, 43560.0},
        {QelUnit::survey_acre, QelUnit::square_survey_foot, 43560.0},
        {QelUnit::square_foot, QelUnit::acre, 2.295684113865932e-5},
        {QelUnit::square_mile, QelUnit::acre, 640.0},
        {QelUnit::square_foot, QelUnit::square_survey_foot, 0.9999960000039999},
        {QelUnit::square_meters, QelUnit::square_foot, 10.76391041670972},
        {QelUnit::cubic_yard, QelUnit::cubic_foot, 27.0},
        {QelUnit::cubic_meter, QelUnit::cubic_foot, 35.31466672148858},
        {QelUnit::cubic_foot, QelUnit::cubic_inch, 1728.0},
        {QelUnit::cubic_foot, QelUnit::cubic_survey_foot, 0.9999940000119998},
        {QelUnit::mile_nautical_UK, QelUnit::mile, 0.0},
        {QelUnit::gram, QelUnit::kilogram, 0.0},
        {QelUnit::foot, QelUnit::square_foot, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        const ConversionFactor f = directFactor(c.from, c.to);
        EXPECT_EQ(f.isIdentity, c.factor == 0.0);
        EXPECT_EQ(f.customConversion, nullptr);
        if (c.factor != 0.0) {
            EXPECT_EQ(f.factor, c.factor);
        }
    }
}

TEST(DirectFactors, TemperatureFunctions) {
    // Boiling water in kelvin, fahrenheit, celsius and rankine.
    const U scales[] = {QelUnit::kelvin, QelUnit::fahrenheit, QelUnit::celsius, QelUnit::rankine};
    const double boiling[] = {373.15, 212.0, 100.0, 671.67};
    for (int a = 0; a < 4; ++a) {
        for (int b = 0; b < 4; ++b) {
            SCOPED_TRACE(testing::Message() << scales[a] << " -> " << scales[b]);
            const ConversionFactor f = directFactor(scales[a], scales[b]);
            if (a == b) {
                EXPECT_TRUE(f.isIdentity);
                continue;
            }
            ASSERT_NE(f.customConversion, nullptr);
            EXPECT_EQ(static_cast<double>(f), 1.0);
            EXPECT_NEAR(f.customConversion(boiling[a]), boiling[b], 1e-9);
        }
    }
    EXPECT_EQ(directFactor(QelUnit::celsius, QelUnit::kelvin).customConversion(0.0), 273.15);
    EXPECT_EQ(directFactor(QelUnit::kelvin, QelUnit::celsius).customConversion(273.15), 0.0);
    EXPECT_EQ(directFactor(QelUnit::fahrenheit, QelUnit::celsius).customConversion(212.0), 100.0);
    EXPECT_EQ(directFactor(QelUnit::celsius, QelUnit::fahrenheit).customConversion(-40.0), -40.0);
}

std::int64_t ulpsApart(double a, double b) {
    std::int64_t ia = 0;
    std::int64_t ib = 0;
    std::memcpy(&ia, &a, sizeof a);
    std::memcpy(&ib, &b, sizeof b);
    return ia > ib ? ia - ib : ib - ia;
}

TEST(DirectFactors, LengthDataMatchesTheDefinitions) {
    // Each length as an exact fraction of a meter, in the group's order.
    const struct {
        std::int64_t num;
        std::int64_t den;
    } lengths[qelunits_detail::kLengthCount] = {
        {1, 1},        {1000, 1},       {1, 10},      {1, 100},    {1, 1000},    {3048, 10000}, {254, 10000},
        {9144, 10000}, {1609344, 1000}, {1200, 3937}, {100, 3937}, {3600, 3937}, {19800, 3937}, {6336000, 3937}};
    for (std::size_t a = 0; a < qelunits_detail::kLengthCount; ++a) {
        for (std::size_t b = 0; b < qelunits_detail::kLengthCount; ++b) {
            const bool noSide = b == 0 && (a == 0 || a == 10 || a == 12); // meter, survey inch, survey rod
            if (a == b || noSide) {
                continue;
            }
            SCOPED_TRACE(testing::Message()
                         << qelunits_detail::kLengthUnits[a] << " -> " << qelunits_detail::kLengthUnits[b]);
            const long double exact = static_cast<long double>(lengths[a].num * lengths[b].den) /
                                      static_cast<long double>(lengths[a].den * lengths[b].num);
            EXPECT_LE(ulpsApart(qelunits_detail::lengthRatio(a, b), static_cast<double>(exact)), 2);
        }
    }
}

TEST(DirectFactors, CompileTimePowersAgreeWithPow) {
    using qelunits_detail::kAreaUnits;
    using qelunits_detail::kVolumeUnits;
    using qelunits_detail::lengthRatio;
    for (const auto& a : kAreaUnits) {
        for (const auto& b : kAreaUnits) {
            if (a.side != b.side) {
                const double side = lengthRatio(a.side, b.side);
                EXPECT_EQ(qelunits_detail::sq(side), std::pow(side, 2.0)) << side;
            }
        }
    }
    for (std::size_t a = 0; a < qelunits_detail::kVolumeCount; ++a) {
        for (std::size_t b = 1; b < qelunits_detail::kVolumeCount; ++b) {
            if (a != b) {
                const double side = lengthRatio(kVolumeUnits[a].side, kVolumeUnits[b].side);
                EXPECT_EQ(directFactor(kVolumeUnits[a].unit, kVolumeUnits[b].unit).factor, std::pow(side, 3.0)) << side;
            }
        }
    }
}

} // namespace
