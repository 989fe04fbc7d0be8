// The common conversion paths allocate nothing once the library is warm.

#include "AllocHooks.h"
#include "SampleTypes.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>
#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

namespace {

using namespace alloc_samples; // NOLINT(google-build-using-namespace)
using B = QelUnitBase;

bool ok(QelUnit::ErrorStatus s) { return s == QelUnit::Ok; }

bool convertsOk(QelUnit::ErrorStatus s) { return s == QelUnit::Ok || s == QelUnit::CustomConversion; }

// Each path returns false when it did not do its work, so that a path that
// quietly fails cannot pass as allocation-free.
struct Path {
    const char* name;
    bool (*run)();
};

const Path kPaths[] = {
    // A direct factor, the general path, a scale function, and settings codes, each once.
    {"StaticCallsAndConverters",
     [] {
         double v[4] = {1.0, 1.0, 100.0, 1.0};
         double f = 0.0;
         const QelUnitConverter settings(B::CubicFeet, 1, B::SurveyFoot, B::CubicMeters, 1);
         const QelUnitConverter scale(QelUnit::celsius, QelUnit::fahrenheit);
         double many[5] = {1.0, 2.0, 3.0, 4.0, 5.0};
         double out[5] = {};
         return ok(B::ConvertUnits(QelUnit::meter, QelUnit::foot, v[0])) && v[0] > 3.0 &&
                ok(B::ConvertUnits(QelUnit::meter, 3, QelUnit::foot, 3, v[1])) && v[1] > 35.0 &&
                ok(B::ConvertUnits(QelUnit::celsius, QelUnit::fahrenheit, v[2])) && v[2] > 211.0 &&
                ok(B::ConvertUnits(B::Feet, 2, B::SurveyFoot, B::Meters, 2, v[3])) && v[3] > 0.09 &&
                ok(B::GetConversionFactor(B::MilesPerHour, 1, B::InternationalFoot, B::MetersPerSecond, 1, f)) &&
                f > 0.0 && ok(settings.ConvertUnits(v[0])) && ok(settings.ConvertUnits(many, 5)) && many[4] > 0.0 &&
                ok(scale.ConvertUnits(many, out, 5)) && out[4] > 31.0;
     }},
    {"TypeCopyAndAlgebra",
     [] {
         const QelUnitType a = eightMetric();
         QelUnitType b(a);
         QelUnitType c;
         c = b;
         c = std::move(b);
         // Every operand's units are among the eight of eightMetric, so no result outgrows it.
         QelUnitType t = eightMetric() / kilogramMeterPerSecondSquared();
         t *= metersPerSecond();
         t /= metersPerSecond();
         t.pow(2);
         t.invert();
         const QelUnitType u = pow(invert(t), 3) * eightMetric() / eightMetric() * kilogramMeterPerSecondSquared();
         return c.isEqualTo(a) && u.size() == 8 && eightOther() * feetPerMinute() / feetPerMinute() == eightOther();
     }},
    {"TypeCompatibilityAndFactors",
     [] {
         ConversionFactor f[4];
         QelUnitType metric;
         eightOther().GetMetricConversion(metric, f[3]);
         const QelUnitType target = make({{QelUnit::foot, 34}, {QelUnit::minute, -1}});
         return metersPerSecond().isCompatible(feetPerMinute()) && eightMetric().isCompatible(eightOther()) &&
                !metersPerSecond().isCompatible(eightOther()) &&
                ok(metersPerSecond().GetConversionFactor(feetPerMinute(), f[0])) && static_cast<double>(f[0]) > 196.0 &&
                ok(kilogramMeterPerSecondSquared().GetConversionFactor(QelUnitType(QelUnit::newton), f[1])) &&
                convertsOk(eightMetric().GetConversionFactor(eightOther(), f[2])) && !metric.empty() &&
                substitutionHeavy().isCompatible(target) && ok(substitutionHeavy().GetConversionFactor(target, f[0]));
     }},
    // The free operators go through the compound ones; the conversions through the types' factors.
    {"Quantities",
     [] {
         const QelUnitVar speed(3.0, metersPerSecond());
         const QelUnitVar other(120.0, feetPerMinute());
         const QelUnitVar force(2.0, kilogramMeterPerSecondSquared());
         const QelUnitVar sum = speed + other - other;
         const QelUnitVar q = force * speed / other;
         const QelUnitVar big = pow(QelUnitVar(1.5, eightMetric()), 2) * invert(QelUnitVar(2.0, eightMetric()));
         QelUnitVar v(1.0, metersPerSecond());
         QelUnitVar out;
         const bool converted = ok(QelUnitVar::Convert(v, feetPerMinute(), out)) && ok(v.ConvertTo(feetPerMinute()));
         QelUnitVar t(1.0, eightMetric());
         const bool ordered = speed > other && other <= speed && !(speed < QelUnitVar(1.0, eightMetric())) &&
                              (2.0 / speed * 3).GetValue() > 1.9;
         return sum.GetStatus() == QelUnit::Ok && q.GetStatus() == QelUnit::Ok && (-big == -big) == 1 && converted &&
                convertsOk(t.ConvertTo(eightOther())) && v.isCompatible(out) && ordered;
     }},
    {"ParseUpToEightTerms",
     [] {
         return QelUnitParser::parse(L"m/s").ok() && QelUnitParser::parse(L"kg*m/s^2").ok() &&
                QelUnitParser::parse(L"kg\u00b7m\u00b2/(s\u00b3\u00b7K\u00b7A\u00b7mol\u00b7cd\u00b7rad)")
                        .type()
                        .size() == 8 &&
                QelUnitParser::parseUtf8("ft/min").ok();
     }},
    // Converting texts parses both (from UTF-8) and converts the expressions.
    {"ParseAndConvertScaledExpressions",
     [] {
         const QelUnitParseResult from = QelUnitParser::parseExpression(L"kJ/(kg\u00b7K)");
         const QelUnitParseResult to = QelUnitParser::parseExpression(L"BTU/(lb\u00b7\u00b0F)");
         const QelUnitParseResult words = QelUnitParser::parseExpression(L"kg m-2 s-1 per 100 sq. ft");
         double factor = 0.0;
         const qelunits::Result<double> heat = qelunits::convert(3.0, "kJ/(kg\u00b7K)", "BTU/(lb\u00b7\u00b0F)");
         const qelunits::Result<double> scale = qelunits::convert(100.0, "\u00b0C", "\u00b0F");
         return ok(from.expression().GetConversionFactor(to.expression(), factor)) && words.ok() &&
                heat.value_or(0.0) > 0.7 && scale.value_or(0.0) > 211.0;
     }},
    // The value API: units read from text, quantity arithmetic and a converter built from two units.
    {"ValueApi",
     [] {
         using qelunits::Quantity;
         using qelunits::Unit;
         const Unit meter = Unit::parse("m").value();
         const Unit foot = Unit::parse("ft").value();
         const Unit speed = Unit::parse("m/s").value();
         const qelunits::Converter toFeetPerMinute(speed, Unit::parse("ft/min").value());
         double values[5] = {1.0, 2.0, 3.0, 4.0, 5.0};
         toFeetPerMinute(values, values, 5);
         const Quantity sum = Quantity(1.0, meter) + Quantity(1.0, foot) - 2.0 * foot;
         const Quantity q = sqrt(pow(sum, 2)) / Quantity(2.0, Unit::parse("s").value()) * 3.0;
         return sum.value() > 0.69 && q.unit().isCompatible(speed) && q < Quantity(2.0, speed) &&
                toFeetPerMinute(1.0) > 196.0 && values[4] > 984.0 && Quantity(1.0, meter).in(foot) > 3.28;
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
    const bool worked = path.run() && path.run() && path.run();
    const alloc_hooks::RegionResult r = alloc_hooks::endRegion();
    EXPECT_TRUE(worked);
    EXPECT_EQ(r.allocations, 0U) << path.name;
}

INSTANTIATE_TEST_SUITE_P(CommonPaths, AllocationFree, ::testing::ValuesIn(kPaths),
                         [](const ::testing::TestParamInfo<Path>& p) { return std::string(p.param.name); });

} // namespace
