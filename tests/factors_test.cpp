#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>

#include <gtest/gtest.h>

#include <cmath>
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
