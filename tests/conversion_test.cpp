#include "test_helpers.h"
#include "unittype/Conversion.h"

#include <qelunits/QelUnitType.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <tuple>
#include <vector>

namespace {

using namespace qelunits_test; // NOLINT(google-build-using-namespace)
using Q = QelUnit;

TEST(Conversion, MetricReduction) {
    // Type, its reduction, the factor (0: the identity).
    const std::tuple<Entries, Entries, double> cases[] = {
        {{{Q::newton, 1}}, {{Q::kilogram, 1}, {Q::meter, 1}, {Q::second, -2}}, 0.0},
        {{{Q::foot, 2}}, {{Q::meter, 2}}, std::pow(0.3048, 2.0)},
        {{{Q::hertz, 1}}, {{Q::newton, 1}}, 0.0},
        {{{Q::revolutions_per_minute, 1}}, {{Q::newton, 1}}, 0.016666667},
        {{{Q::fahrenheit, 1}}, {{Q::kelvin, 1}}, 5.0 / 9.0},
        {{{Q::celsius, 1}}, {{Q::kelvin, 1}}, 1.0},
        {{}, {}, 0.0},
        {{{Q::meter, 0}}, {{Q::meter, 0}}, 0.0},
        {{{Q::foot, 1}, {Q::minute, -1}}, {{Q::meter, 1}, {Q::second, -1}}, (1.0 / 60.0) * 0.3048},
        {{{Q::joule, 1}, {Q::newton, -1}, {Q::meter, -1}}, {}, 0.0},
    };
    for (const auto& [type, expectedMetric, expectedFactor] : cases) {
        SCOPED_TRACE(testing::PrintToString(type));
        QelUnitType metric(Q::torr, 3);
        ConversionFactor factor(7.0);
        make(type).GetMetricConversion(metric, factor);
        EXPECT_EQ(entries(metric), expectedMetric);
        EXPECT_EQ(factor.isIdentity, expectedFactor == 0.0);
        EXPECT_EQ(static_cast<double>(factor), expectedFactor == 0.0 ? 1.0 : expectedFactor);
    }
}

// Compatibility is equality of the metric reductions (ShortcutsGiveTheReferenceBits, with the reductions
// pinned above and the base dimensions of the derived types in parse_test); here the edges, the empty
// type and stored powers of 0, whose meaning the random types take from the reductions.
TEST(Conversion, Compatibility) {
    const std::tuple<Entries, Entries, bool> cases[] = {
        {{}, {}, true},
        {{}, {{Q::radian, 1}}, false},
        {{}, {{Q::meter, 0}}, false},
        {{{Q::meter, 0}}, {{Q::foot, 0}}, true},
        {{{Q::meter, 0}, {Q::second, 1}}, {{Q::second, 1}, {Q::foot, 0}}, true},
    };
    for (const auto& [a, b, compatible] : cases) {
        SCOPED_TRACE(testing::PrintToString(a));
        EXPECT_EQ(make(a).isCompatible(make(b)), compatible);
        EXPECT_EQ(make(b).isCompatible(make(a)), compatible);
    }
    EXPECT_EQ(make({{Q::meter, 2}}) == make({{Q::square_meters, 1}}), 0);
    EXPECT_EQ(make({{Q::meter, 1}, {Q::second, -1}}) == make({{Q::second, -1}, {Q::meter, 1}}), 1);
}

TEST(Conversion, Factors) {
    const double inf = std::numeric_limits<double>::infinity();
    const double fPerK = 5.0 / 9.0;
    // From, to, factor (0: the identity; inf: not compatible), relative tolerance (0: exactly).
    const std::tuple<Entries, Entries, double, double> cases[] = {
        {{{Q::meter, 1}, {Q::second, -1}}, {{Q::foot, 1}, {Q::minute, -1}}, 196.85039370078738, 0},
        {{{Q::meter, 1}}, {{Q::foot, 1}}, 3.280839895013123, 0},
        {{{Q::foot, 1}}, {{Q::meter, 1}}, 0.3048, 0},
        {{{Q::meter, 2}}, {{Q::square_foot, 1}}, 10.76391041670972, 0},
        {{{Q::square_foot, 1}}, {{Q::meter, 2}}, 0.09290304000000002, 0},
        {{{Q::gram, 1}}, {{Q::kilogram, 1}}, 0.001, 0},
        {{{Q::meter, 1}}, {{Q::meter, 1}}, 0.0, 0},
        {{{Q::meter, 1}}, {{Q::second, 1}}, inf, 0},
        // A remainder on one side only still converts.
        {{{Q::meter, 1}, {Q::kilometer, 1}, {Q::foot, -1}}, {{Q::yards, 1}}, 1000.0 / 0.3048 / 0.9144, 1e-15},
        {{{Q::yards, 1}}, {{Q::meter, 1}, {Q::kilometer, 1}, {Q::foot, -1}}, 0.9144 * 0.3048 / 1000.0, 1e-15},
        // Reverse pairs whose power is below the division cutoff.
        {{{Q::square_kilometer, 2}}, {{Q::square_meters, 2}}, 1e12, 1e-15},
        // Temperature scales within compound types convert intervals.
        {{{Q::fahrenheit, 1}, {Q::hour, -1}}, {{Q::kelvin, 1}, {Q::hour, -1}}, fPerK, 0},
        {{{Q::watt, 1}, {Q::meter, -2}, {Q::kelvin, -1}},
         {{Q::watt, 1}, {Q::meter, -2}, {Q::fahrenheit, -1}},
         fPerK,
         0},
        {{{Q::celsius, 2}}, {{Q::rankine, 2}}, 1.0 / (fPerK * fPerK), 1e-15},
    };
    const double saved = QelUnit::kEpsilon;
    QelUnit::kEpsilon = std::nan(""); // conversions do not depend on the tolerance; no ASSERT before the restore
    for (const auto& [from, to, factor, tolerance] : cases) {
        SCOPED_TRACE(testing::PrintToString(from));
        ConversionFactor f(42.0);
        f.SetIdentity();
        const QelUnit::ErrorStatus status = make(from).GetConversionFactor(make(to), f);
        EXPECT_EQ(status, factor == inf ? QelUnit::TypesNotCompatible : QelUnit::Ok);
        EXPECT_EQ(f.isIdentity, factor == 0.0 || factor == inf);
        const double expected = factor == 0.0 || factor == inf ? 1.0 : factor;
        if (tolerance == 0.0) {
            EXPECT_EQ(static_cast<double>(f), expected);
        } else {
            EXPECT_NEAR(static_cast<double>(f) / expected, 1.0, tolerance);
        }
    }
    QelUnit::kEpsilon = saved;
    ConversionFactor kToC;
    EXPECT_EQ(make({{Q::kelvin, 1}}).GetConversionFactor(make({{Q::celsius, 1}}), kToC), QelUnit::CustomConversion);
    ASSERT_NE(kToC.customConversion, nullptr);
    EXPECT_EQ(kToC.customConversion(273.15), 0.0);
}

// Compound types of up to 8 entries and partners of the same dimensions (each unit swapped for one of its
// type, some split in two), and now and then an incompatible one: compatibility is equality of the metric
// reductions, and the member's shortcuts give the reference's status and bits.
TEST(Conversion, ShortcutsGiveTheReferenceBits) {
    std::map<int, std::vector<std::int32_t>> unitsOfType;
    for (std::int32_t u = 1; u < QelUnit::kUnitCount; ++u) {
        unitsOfType[QelUnit::getType(static_cast<U>(u))].push_back(u);
    }
    std::mt19937 rng(20260214);
    const auto percent = [&rng] { return rng() % 100; };
    const auto unit = [&rng] { return static_cast<std::int32_t>(1 + rng() % (QelUnit::kUnitCount - 1)); };
    int shortcuts = 0;
    for (int n = 0; n < 60000; ++n) {
        Entries from;
        Entries to;
        // Mostly the common length, area and temperature units, which pair and substitute.
        for (int k = n % 8 + 1; k > 0; --k) {
            const std::int32_t u = percent() < 40 ? unit() % 60 + 1 : unit();
            const int p = percent() < 3 ? 40 : static_cast<int>(rng() % 7) - 3;
            from.emplace_back(u, p);
            const std::vector<std::int32_t>& alike = unitsOfType[QelUnit::getType(static_cast<U>(u))];
            const bool split = percent() < 20;
            to.emplace_back(alike[rng() % alike.size()], split ? 1 : p);
            if (split) {
                to.emplace_back(alike[rng() % alike.size()], p - 1);
            }
        }
        if (percent() < 10) {
            to.emplace_back(unit(), 1);
        }
        const QelUnitType a = make(from);
        QelUnitType reduced[2];
        ConversionFactor ignored;
        a.GetMetricConversion(reduced[0], ignored);
        const QelUnitType b = percent() < 10 ? reduced[0] : make(to); // now and then a's own reduction
        b.GetMetricConversion(reduced[1], ignored);
        SCOPED_TRACE(testing::PrintToString(entries(a)) + " -> " + testing::PrintToString(entries(b)));
        ASSERT_EQ(a.isCompatible(b), reduced[0].isEqualTo(reduced[1]));
        ConversionFactor fast(7.0);
        ConversionFactor reference(7.0);
        const QelUnit::ErrorStatus status = a.GetConversionFactor(b, fast);
        ASSERT_EQ(status, qelunits_detail::referenceConversionFactor(a, b, reference));
        ASSERT_TRUE(fast.isIdentity == reference.isIdentity && bits(fast.factor) == bits(reference.factor) &&
                    fast.customConversion == reference.customConversion);
        shortcuts += status != QelUnit::TypesNotCompatible && a.size() > 1 ? 1 : 0;
    }
    EXPECT_GT(shortcuts, 30000);
}

} // namespace
