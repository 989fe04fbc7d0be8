// The common conversion paths allocate nothing once the library is warm.

#include "AllocHooks.h"
#include "SampleTypes.h"
#include "unittype/Conversion.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <gtest/gtest.h>

#include <new>

namespace {

using alloc_samples::eightMetric;
using alloc_samples::eightOther;
using alloc_samples::feetPerMinute;
using alloc_samples::kilogramMeterPerSecondSquared;
using alloc_samples::metersPerSecond;
using alloc_samples::product;
using alloc_samples::substitutionHeavy;

constexpr auto kFeet = QelUnitBase::Feet;
constexpr auto kMeters = QelUnitBase::Meters;
constexpr auto kSurvey = QelUnitBase::SurveyFoot;

bool ok(QelUnit::ErrorStatus s) { return s == QelUnit::Ok; }

bool convertsOk(QelUnit::ErrorStatus s) { return s == QelUnit::Ok || s == QelUnit::CustomConversion; }

// Each path returns false when it did not do its work, so that a path that
// quietly fails cannot pass as allocation-free.
struct Path {
    const char* name;
    bool (*run)();
};

const Path kPaths[] = {
    {"StaticConvertBuiltin",
     [] {
         double v = 1.0;
         return ok(QelUnitBase::ConvertUnits(QelUnit::meter, QelUnit::foot, v)) && v > 3.0;
     }},
    {"StaticConvertBuiltinPowers",
     [] {
         double v = 1.0;
         return ok(QelUnitBase::ConvertUnits(QelUnit::meter, 3, QelUnit::foot, 3, v)) && v > 35.0;
     }},
    {"StaticConvertTemperature",
     [] {
         double v = 100.0;
         return ok(QelUnitBase::ConvertUnits(QelUnit::celsius, QelUnit::fahrenheit, v)) && v > 211.0;
     }},
    {"StaticFactorBuiltin",
     [] {
         double f = 0.0;
         return ok(QelUnitBase::GetConversionFactor(QelUnit::square_foot, QelUnit::acre, f)) && f > 0.0;
     }},
    {"StaticFactorBuiltinPowers",
     [] {
         double f = 0.0;
         return ok(QelUnitBase::GetConversionFactor(QelUnit::mile, -1, QelUnit::kilometer, -1, f)) && f > 0.0;
     }},
    {"StaticConvertSettings",
     [] {
         double v = 1.0;
         return ok(QelUnitBase::ConvertUnits(kFeet, kSurvey, kMeters, v)) && v > 0.3;
     }},
    {"StaticConvertSettingsPowers",
     [] {
         double v = 1.0;
         return ok(QelUnitBase::ConvertUnits(kFeet, 2, kSurvey, kMeters, 2, v)) && v > 0.09;
     }},
    {"StaticFactorSettings",
     [] {
         double f = 0.0;
         return ok(QelUnitBase::GetConversionFactor(QelUnitBase::SquareFeet, kSurvey, QelUnitBase::Acres, f)) &&
                f > 0.0;
     }},
    {"StaticFactorSettingsPowers",
     [] {
         double f = 0.0;
         return ok(QelUnitBase::GetConversionFactor(QelUnitBase::MilesPerHour, 1, QelUnitBase::InternationalFoot,
                                                    QelUnitBase::MetersPerSecond, 1, f)) &&
                f > 0.0;
     }},
    {"ConverterBuiltin",
     [] {
         const QelUnitConverter c(QelUnit::meter, QelUnit::foot);
         double v = 2.0;
         return ok(c.ConvertUnits(v)) && v > 6.0;
     }},
    {"ConverterSettings",
     [] {
         const QelUnitConverter c(QelUnitBase::CubicFeet, 1, kSurvey, QelUnitBase::CubicMeters, 1);
         double v = 2.0;
         return ok(c.ConvertUnits(v)) && v > 0.0;
     }},
    {"TypeCopy",
     [] {
         const QelUnitType a = eightMetric();
         QelUnitType b(a);
         QelUnitType c;
         c = b;
         c = std::move(b);
         return c.size() == 8 && c.isEqualTo(a);
     }},
    {"TypeAlgebra",
     [] {
         // Every operand's units are among the eight of eightMetric, so no result outgrows it.
         QelUnitType t = eightMetric() / kilogramMeterPerSecondSquared();
         t *= metersPerSecond();
         t /= metersPerSecond();
         t.pow(2);
         t.invert();
         const QelUnitType u = pow(invert(t), 3) * eightMetric() / eightMetric() * kilogramMeterPerSecondSquared();
         return u.size() == 8 && eightOther() * feetPerMinute() / feetPerMinute() == eightOther();
     }},
    {"TypeIsCompatible",
     [] {
         return metersPerSecond().isCompatible(feetPerMinute()) && eightMetric().isCompatible(eightOther()) &&
                !metersPerSecond().isCompatible(eightOther());
     }},
    {"TypeFactorMpsToFtPerMin",
     [] {
         ConversionFactor f;
         return ok(metersPerSecond().GetConversionFactor(feetPerMinute(), f)) && static_cast<double>(f) > 196.0;
     }},
    {"TypeFactorKgMPerS2ToNewton",
     [] {
         ConversionFactor f;
         return ok(kilogramMeterPerSecondSquared().GetConversionFactor(QelUnitType(QelUnit::newton), f));
     }},
    {"TypeFactorEightEntries",
     [] {
         ConversionFactor f;
         return convertsOk(eightMetric().GetConversionFactor(eightOther(), f));
     }},
    {"TypeFactorThroughSubstitution",
     [] {
         ConversionFactor f;
         const QelUnitType target = product({{QelUnit::foot, 34}, {QelUnit::minute, -1}});
         return substitutionHeavy().isCompatible(target) && ok(substitutionHeavy().GetConversionFactor(target, f));
     }},
    {"UnitToUnitFactor",
     [] {
         ConversionFactor f[3];
         return ok(qelunits_detail::unitConversionFactor(QelUnit::meter, 1, QelUnit::foot, 1, f[0])) &&
                qelunits_detail::unitConversionFactor(QelUnit::celsius, 1, QelUnit::fahrenheit, 1, f[1]) ==
                    QelUnit::CustomConversion &&
                ok(qelunits_detail::unitConversionFactor(QelUnit::foot, 2, QelUnit::meter, 2, f[2]));
     }},
    {"TypeMetricConversion",
     [] {
         QelUnitType metric;
         ConversionFactor f;
         eightOther().GetMetricConversion(metric, f);
         return !metric.empty();
     }},
    {"QuantityArithmetic",
     [] {
         const QelUnitVar speed(3.0, metersPerSecond());
         const QelUnitVar other(120.0, feetPerMinute());
         QelUnitVar sum = speed + other - other;
         sum += other;
         sum -= speed;
         const QelUnitVar force(2.0, kilogramMeterPerSecondSquared());
         QelUnitVar q = force * speed / other;
         q *= force;
         q /= speed;
         q *= 2.0;
         q /= 4.0;
         const QelUnitVar big = pow(QelUnitVar(1.5, eightMetric()), 2) * invert(QelUnitVar(2.0, eightMetric()));
         return sum.GetStatus() == QelUnit::Ok && q.GetStatus() == QelUnit::Ok && (-big == -big) == 1;
     }},
    {"QuantityConversion",
     [] {
         QelUnitVar v(1.0, metersPerSecond());
         QelUnitVar out;
         const bool converted = ok(QelUnitVar::Convert(v, feetPerMinute(), out)) && ok(v.ConvertTo(feetPerMinute()));
         QelUnitVar t(1.0, eightMetric());
         return converted && convertsOk(t.ConvertTo(eightOther())) && v.isCompatible(out);
     }},
    {"ParseUpToEightTerms",
     [] {
         return QelUnitParser::parse(L"m/s").ok() && QelUnitParser::parse(L"kg*m/s^2").ok() &&
                QelUnitParser::parse(L"kg\u00b7m\u00b2/(s\u00b3\u00b7K\u00b7A\u00b7mol\u00b7cd\u00b7rad)")
                        .type()
                        .size() == 8 &&
                QelUnitParser::parseUtf8("ft/min").ok();
     }},
    {"LookupByName",
     [] {
         static const QelStringP kHit(L"FT");
         static const QelStringP kMiss(L"no such unit at all");
         static const QelStringP kSingular(L"Meter");
         return QelUnit::getBuiltinUnit(kHit, QelUnit::Abbreviation) == QelUnit::foot &&
                QelUnit::getBuiltinUnit(kMiss, QelUnit::SingularName) == QelUnit::dimensionless &&
                QelUnit::getBuiltinUnit(kSingular, QelUnit::LocalizedSingularName) == QelUnit::meter;
     }},
};

class AllocationFree : public ::testing::TestWithParam<Path> {};

TEST_P(AllocationFree, AfterWarmUp) {
    const Path& path = GetParam();
    ASSERT_TRUE(path.run()); // warm-up: fills whatever is filled once
    alloc_hooks::beginCounting();
    bool worked = true;
    for (int i = 0; i < 3; ++i) {
        worked = path.run() && worked;
    }
    const alloc_hooks::RegionResult r = alloc_hooks::endRegion();
    EXPECT_TRUE(worked);
    EXPECT_EQ(r.allocations, 0U) << path.name;
}

INSTANTIATE_TEST_SUITE_P(CommonPaths, AllocationFree, ::testing::ValuesIn(kPaths),
                         [](const ::testing::TestParamInfo<Path>& p) { return std::string(p.param.name); });

// The hooks themselves: a region sees allocations made in it, of every form.
// The operators are called directly: an optimiser may drop a new-expression
// whose object is deleted unused.
TEST(AllocHooks, CountEveryFormOfNew) {
    constexpr auto kWide = std::align_val_t{64};
    alloc_hooks::beginCounting();
    ::operator delete(::operator new(4));
    ::operator delete[](::operator new[](3));
    ::operator delete(::operator new(64, kWide), kWide);
    ::operator delete[](::operator new[](128, kWide, std::nothrow), kWide);
    ::operator delete(::operator new(4, std::nothrow));
    const alloc_hooks::RegionResult r = alloc_hooks::endRegion();
    EXPECT_EQ(r.allocations, 5U);
    EXPECT_EQ(r.liveBlocks, 0);
}

} // namespace
