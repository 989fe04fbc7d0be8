#include "unittype/Conversion.h"
#include "unittype/UnitTypeAccess.h"

#include <qelunits/QelUnitType.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

namespace {

using U = QelUnit::BuiltinUnits;
using Entries = std::vector<std::pair<std::int32_t, std::int32_t>>;

QelUnitType make(std::initializer_list<std::pair<U, int>> factors) {
    QelUnitType t;
    for (const auto& f : factors) {
        t *= QelUnitType(f.first, f.second);
    }
    return t;
}

Entries entries(const QelUnitType& t) {
    Entries out;
    for (const QelUnitFactor& f : t) {
        out.emplace_back(f.unit, f.power);
    }
    return out;
}

ConversionFactor convert(const QelUnitType& from, const QelUnitType& to, QelUnit::ErrorStatus expected) {
    ConversionFactor f;
    EXPECT_EQ(from.GetConversionFactor(to, f), expected);
    return f;
}

TEST(Conversion, MetricReduction) {
    const struct {
        QelUnitType type;
        Entries metric;
        double factor; // 0: the identity
    } cases[] = {
        {make({{QelUnit::newton, 1}}), {{1, 1}, {2, 1}, {3, -2}}, 0.0},
        {make({{QelUnit::kilonewton, 1}}), {{1, 1}, {2, 1}, {3, -2}}, 1000.0},
        {make({{QelUnit::foot, 2}}), {{2, 2}}, std::pow(0.3048, 2.0)},
        {make({{QelUnit::hertz, 1}}), {{10, 1}}, 0.0},
        {make({{QelUnit::revolutions_per_minute, 1}}), {{10, 1}}, 0.016666667},
        {make({{QelUnit::fahrenheit, 1}}), {{4, 1}}, 5.0 / 9.0},
        {make({{QelUnit::celsius, 1}}), {{4, 1}}, 1.0},
        {QelUnitType(), {}, 0.0},
        {make({{QelUnit::meter, 0}}), {{2, 0}}, 0.0},
        {make({{QelUnit::foot, 1}, {QelUnit::minute, -1}}), {{2, 1}, {3, -1}}, (1.0 / 60.0) * 0.3048},
        {make({{QelUnit::joule, 1}, {QelUnit::newton, -1}, {QelUnit::meter, -1}}), {}, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        QelUnitType metric(QelUnit::torr, 3); // overwritten
        ConversionFactor factor(7.0);
        c.type.GetMetricConversion(metric, factor);
        EXPECT_EQ(entries(metric), c.metric);
        EXPECT_EQ(factor.isIdentity, c.factor == 0.0);
        EXPECT_EQ(static_cast<double>(factor), c.factor == 0.0 ? 1.0 : c.factor);
    }
    QelUnitType self = make({{QelUnit::kilonewton, 2}});
    ConversionFactor factor;
    self.GetMetricConversion(self, factor);
    EXPECT_EQ(entries(self), (Entries{{1, 2}, {2, 2}, {3, -4}}));
    EXPECT_EQ(factor.factor, 1e6);
}

TEST(Conversion, Compatibility) {
    const QelUnitType empty;
    const struct {
        QelUnitType a;
        QelUnitType b;
        bool compatible;
    } cases[] = {
        {make({{QelUnit::meter, 1}}), make({{QelUnit::foot, 1}}), true},
        {make({{QelUnit::meter, 1}}), make({{QelUnit::second, 1}}), false},
        {make({{QelUnit::meter, 2}}), make({{QelUnit::square_foot, 1}}), true},
        {make({{QelUnit::newton, 1}}), make({{QelUnit::kilogram, 1}, {QelUnit::meter, 1}, {QelUnit::second, -2}}),
         true},
        {make({{QelUnit::joule, 1}}), make({{QelUnit::newton, 1}, {QelUnit::meter, 1}}), true},
        {make({{QelUnit::celsius, 1}}), make({{QelUnit::rankine, 1}}), true},
        {make({{QelUnit::fahrenheit, 1}}), make({{QelUnit::kelvin, 1}}), true},
        {make({{QelUnit::hertz, 1}}), make({{QelUnit::revolutions_per_minute, 1}}), true},
        {make({{QelUnit::hertz, 1}}), make({{QelUnit::second, -1}}), false},
        {make({{QelUnit::kilogram_per_meter, 1}}), make({{QelUnit::kilogram, 1}, {QelUnit::meter, -1}}), true},
        {make({{QelUnit::kilogram_per_meter, 1}}), make({{QelUnit::kilogram, 1}, {QelUnit::meter, 1}}), false},
        {make({{QelUnit::pascal_per_meter, 1}}), make({{QelUnit::pascals, 1}, {QelUnit::meter, -1}}), true},
        {empty, empty, true},
        {empty, make({{QelUnit::meter, 1}}) / make({{QelUnit::meter, 1}}), true},
        {empty, make({{QelUnit::radian, 1}}), false},
        {empty, make({{QelUnit::meter, 0}}), false},
        {make({{QelUnit::meter, 0}}), make({{QelUnit::foot, 0}}), true},
        {make({{QelUnit::meter, 0}}), make({{QelUnit::second, 0}}), false},
        // A zero power is added to the reduction once, and cancels nothing later.
        {make({{QelUnit::meter, 0}, {QelUnit::second, 1}}), make({{QelUnit::second, 1}, {QelUnit::foot, 0}}), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(c.a.isCompatible(c.b), c.compatible);
        EXPECT_EQ(c.b.isCompatible(c.a), c.compatible);
    }
}

// Random types of up to five units with small powers, zero included.
QelUnitType randomType(std::mt19937& rng) {
    std::uniform_int_distribution<int> count(0, 5);
    std::uniform_int_distribution<int> unit(1, QelUnit::kUnitCount - 1);
    std::uniform_int_distribution<int> power(-3, 3);
    QelUnitType t;
    for (int n = count(rng); n > 0; --n) {
        t *= QelUnitType(static_cast<U>(unit(rng)), power(rng));
    }
    return t;
}

TEST(Conversion, CompatibilityIsComparingReductions) {
    std::mt19937 rng(20261206);
    int agreeing = 0;
    for (int n = 0; n < 20000; ++n) {
        const QelUnitType a = randomType(rng);
        // Half of the partners are rebuilt from a's reduction, so that both answers occur.
        QelUnitType b = randomType(rng);
        ConversionFactor ignored;
        QelUnitType ma;
        QelUnitType mb;
        a.GetMetricConversion(ma, ignored);
        if (n % 2 == 0) {
            b = ma;
        }
        b.GetMetricConversion(mb, ignored);
        ASSERT_EQ(a.isCompatible(b), ma.isEqualTo(mb)) << "case " << n;
        agreeing += a.isCompatible(b) ? 1 : 0;
    }
    EXPECT_GT(agreeing, 9000);
}

TEST(Conversion, EqualityIsOfTheStoredForm) {
    const QelUnitType v = make({{QelUnit::meter, 1}, {QelUnit::second, -1}});
    EXPECT_EQ(v == make({{QelUnit::second, -1}, {QelUnit::meter, 1}}), 1);
    EXPECT_EQ(v == make({{QelUnit::meter, 1}}), 0);
    EXPECT_EQ(make({{QelUnit::meter, 2}}) == make({{QelUnit::square_meters, 1}}), 0);
    EXPECT_EQ(make({{QelUnit::meter, 2}}) == make({{QelUnit::meter, 3}}), 0);
    EXPECT_EQ(QelUnitType() == QelUnitType(), 1);
    EXPECT_FALSE(make({{QelUnit::meter, 0}}).isEqualTo(QelUnitType()));
}

TEST(Conversion, PublishedFactorsBitForBit) {
    const QelUnitType mps = make({{QelUnit::meter, 1}, {QelUnit::second, -1}});
    const struct {
        QelUnitType from;
        QelUnitType to;
        double factor; // 0: the identity
    } cases[] = {
        {mps, make({{QelUnit::foot, 1}, {QelUnit::minute, -1}}), 196.85039370078738},
        {mps, make({{QelUnit::kilometer, 1}, {QelUnit::hour, -1}}), 3.6},
        {make({{QelUnit::meter, 1}}), make({{QelUnit::foot, 1}}), 3.280839895013123},
        {make({{QelUnit::foot, 1}}), make({{QelUnit::meter, 1}}), 0.3048},
        {make({{QelUnit::meter, 2}}), make({{QelUnit::square_foot, 1}}), 10.76391041670972},
        {make({{QelUnit::square_foot, 1}}), make({{QelUnit::meter, 2}}), 0.09290304000000002},
        {make({{QelUnit::hectare, 1}}), make({{QelUnit::acre, 1}}), 2.471053814671653},
        {make({{QelUnit::meter, 1}}), make({{QelUnit::meter, 1}}), 0.0},
        {QelUnitType(), QelUnitType(), 0.0},
        {mps, mps, 0.0},
        {make({{QelUnit::gram, 1}}), make({{QelUnit::kilogram, 1}}), 0.001},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const ConversionFactor f = convert(c.from, c.to, QelUnit::Ok);
        EXPECT_EQ(f.isIdentity, c.factor == 0.0);
        EXPECT_EQ(static_cast<double>(f), c.factor == 0.0 ? 1.0 : c.factor);
        EXPECT_EQ(f.customConversion, nullptr);
    }
}

TEST(Conversion, FailuresAndCustomConversions) {
    ConversionFactor untouched(42.0);
    EXPECT_EQ(make({{QelUnit::meter, 1}}).GetConversionFactor(make({{QelUnit::second, 1}}), untouched),
              QelUnit::TypesNotCompatible);
    EXPECT_EQ(untouched.factor, 42.0);
    EXPECT_FALSE(untouched.isIdentity);

    const ConversionFactor kToC =
        convert(make({{QelUnit::kelvin, 1}}), make({{QelUnit::celsius, 1}}), QelUnit::CustomConversion);
    ASSERT_NE(kToC.customConversion, nullptr);
    EXPECT_EQ(kToC.customConversion(273.15), 0.0);
    EXPECT_FALSE(kToC.isIdentity);
}

TEST(Conversion, RemaindersAndPairsConvertFully) {
    const double fPerK = 5.0 / 9.0;
    const struct {
        QelUnitType from;
        QelUnitType to;
        double factor;
    } cases[] = {
        // One side is left with units whose dimensions cancel: they still count.
        {make({{QelUnit::meter, 1}, {QelUnit::kilometer, 1}, {QelUnit::foot, -1}}), make({{QelUnit::yards, 1}}),
         1000.0 / 0.3048 / 0.9144},
        {make({{QelUnit::yards, 1}}), make({{QelUnit::meter, 1}, {QelUnit::kilometer, 1}, {QelUnit::foot, -1}}),
         0.9144 * 0.3048 / 1000.0},
        // Reverse pairs whose power is below the division cutoff.
        {make({{QelUnit::square_kilometer, 2}}), make({{QelUnit::square_meters, 2}}), 1e12},
        {make({{QelUnit::hectare, 3}}), make({{QelUnit::square_meters, 3}}), 1e12},
        {make({{QelUnit::cubic_mile, 2}}), make({{QelUnit::cubic_meter, 2}}), std::pow(1609.344, 6.0)},
        // Temperature scales in compound types convert intervals.
        {make({{QelUnit::fahrenheit, 1}, {QelUnit::hour, -1}}), make({{QelUnit::kelvin, 1}, {QelUnit::hour, -1}}),
         fPerK},
        {make({{QelUnit::watt, 1}, {QelUnit::meter, -2}, {QelUnit::kelvin, -1}}),
         make({{QelUnit::watt, 1}, {QelUnit::meter, -2}, {QelUnit::fahrenheit, -1}}), fPerK},
        {make({{QelUnit::celsius, 2}}), make({{QelUnit::rankine, 2}}), 1.0 / (fPerK * fPerK)},
        {make({{QelUnit::kelvin, -1}}), make({{QelUnit::fahrenheit, -1}}), fPerK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const ConversionFactor f = convert(c.from, c.to, QelUnit::Ok);
        EXPECT_FALSE(f.isIdentity);
        EXPECT_NEAR(f.factor / c.factor, 1.0, 1e-14);
    }
}

// Every builtin unit raised to each power against every other, both ways.
TEST(Conversion, FactorsInvertAndCompatibilityIsSymmetric) {
    int checked = 0;
    for (int power : {1, 2, 3, -1}) {
        for (std::int32_t a = 1; a < QelUnit::kUnitCount; ++a) {
            const QelUnitType ta(static_cast<U>(a), power);
            for (std::int32_t b = 1; b < QelUnit::kUnitCount; ++b) {
                const QelUnitType tb(static_cast<U>(b), power);
                const bool compatible = ta.isCompatible(tb);
                ASSERT_EQ(compatible, tb.isCompatible(ta)) << a << " " << b;
                if (!compatible) {
                    continue;
                }
                ConversionFactor there;
                ConversionFactor back;
                const QelUnit::ErrorStatus s1 = ta.GetConversionFactor(tb, there);
                const QelUnit::ErrorStatus s2 = tb.GetConversionFactor(ta, back);
                if (s1 == QelUnit::CustomConversion || s2 == QelUnit::CustomConversion) {
                    EXPECT_EQ(power, 1);
                    EXPECT_EQ(QelUnit::getType(static_cast<U>(a)), QelUnit::Temperature);
                    continue;
                }
                ASSERT_NEAR(static_cast<double>(there) * static_cast<double>(back), 1.0, 1e-12)
                    << a << " " << b << " power " << power;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 40000);
}

TEST(Conversion, UnitConversionFactorMatchesTheTypes) {
    for (int power : {1, 2, -1, 0}) {
        for (std::int32_t a = -1; a <= QelUnit::kUnitCount; ++a) {
            for (std::int32_t b = -1; b <= QelUnit::kUnitCount; ++b) {
                ConversionFactor viaTypes(-1.0);
                ConversionFactor direct(-1.0);
                const auto ua = static_cast<U>(a);
                const auto ub = static_cast<U>(b);
                const QelUnit::ErrorStatus s1 =
                    QelUnitType(ua, power).GetConversionFactor(QelUnitType(ub, 1), viaTypes);
                const QelUnit::ErrorStatus s2 = qelunits_detail::unitConversionFactor(ua, power, ub, 1, direct);
                ASSERT_EQ(s1, s2) << a << " " << b;
                ASSERT_EQ(viaTypes.isIdentity, direct.isIdentity) << a << " " << b;
                ASSERT_EQ(viaTypes.customConversion, direct.customConversion) << a << " " << b;
                ASSERT_TRUE(viaTypes.factor == direct.factor) << a << " " << b;
            }
        }
    }
}

} // namespace
