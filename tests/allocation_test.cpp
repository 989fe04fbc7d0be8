// Counts the allocations of the process to check the paths that must not
// allocate. A binary of its own: the replaced operators apply to all of it.

#include "unit_type_helpers.h"
#include "unittype/Conversion.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/QelUnitVar.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> gAllocations{0};
} // namespace

void* operator new(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t /*size*/) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t /*size*/) noexcept { std::free(p); }

namespace {

using namespace qelunits_test; // NOLINT(google-build-using-namespace)
using Q = QelUnit;

TEST(Allocation, TypesOfUpToEightEntriesAndUnitConversionsNeverAllocate) {
    const QelUnitType mps = make({{Q::meter, 1}, {Q::second, -1}});
    const QelUnitType ftPerMin = make({{Q::foot, 1}, {Q::minute, -1}});
    // Substitution adds an area and a volume unit for most of these: 8 entries grow to 20.
    const QelUnitType heavy = make({{Q::meter, 5},
                                    {Q::second, -1},
                                    {Q::centimeter, 5},
                                    {Q::millimeter, 5},
                                    {Q::foot, 5},
                                    {Q::inches, 5},
                                    {Q::yards, 5},
                                    {Q::decimeter, 4}});
    const QelUnitType heavyTarget = make({{Q::foot, 34}, {Q::minute, -1}});
    ASSERT_EQ(heavy.size(), 8U);
    const long before = gAllocations.load();
    QelUnitType copy(heavy);
    QelUnitType work = mps;
    work *= ftPerMin;
    work /= mps;
    work = heavy / mps * ftPerMin;
    work = pow(invert(copy), 2);
    QelUnitType moved(std::move(copy));
    ConversionFactor f[5];
    const bool compatible = heavy.isCompatible(heavyTarget);
    const QelUnit::ErrorStatus s1 = mps.GetConversionFactor(ftPerMin, f[0]);
    const QelUnit::ErrorStatus s2 = heavy.GetConversionFactor(heavyTarget, f[1]);
    qelunits_detail::unitConversionFactor(Q::meter, 1, Q::foot, 1, f[2]);
    qelunits_detail::unitConversionFactor(Q::celsius, 1, Q::fahrenheit, 1, f[3]);
    qelunits_detail::unitConversionFactor(Q::foot, 2, Q::meter, 2, f[4]);
    EXPECT_EQ(gAllocations.load() - before, 0);
    EXPECT_TRUE(compatible && s1 == Q::Ok && s2 == Q::Ok && moved.size() == 8 && work.size() == 8);
    EXPECT_TRUE(f[1].factor > 0.0 && f[3].customConversion != nullptr && f[4].factor > 0.0);
    // And the counter does count: nine entries no longer fit inline.
    const QelUnitType torr(Q::torr, 1);
    const long counted = gAllocations.load();
    work *= torr;
    EXPECT_EQ(gAllocations.load() - counted, 1);
}

TEST(Allocation, StaticConversionsConvertersAndQuantityArithmeticNeverAllocate) {
    using B = QelUnitBase;
    const QelUnitVar speed(2.0, make({{Q::meter, 1}, {Q::second, -1}}));
    const QelUnitVar other(3.0, make({{Q::foot, 1}, {Q::minute, -1}}));
    const QelUnitConverter converter(B::Feet, 3, B::SurveyFoot, B::CubicMeters, 1);
    double v[4] = {1.0, 1.0, 1.0, 1.0};
    double f[3] = {};
    const long before = gAllocations.load();
    B::ConvertUnits(Q::meter, Q::foot, v[0]);
    B::ConvertUnits(Q::kelvin, 1, Q::celsius, 1, v[1]);
    B::ConvertUnits(B::Feet, B::SurveyFoot, B::Meters, v[2]);
    converter.ConvertUnits(v[3]);
    B::GetConversionFactor(Q::foot, 2, Q::meter, 2, f[0]);
    B::GetConversionFactor(B::SquareFeet, B::InternationalFoot, B::Acres, f[1]);
    B::GetConversionFactor(B::MilesPerHour, 1, B::SurveyFoot, B::MetersPerSecond, 1, f[2]);
    QelUnitVar q = speed + other;
    q -= other;
    q = q * other / speed;
    q.ConvertTo(other.GetType());
    const int equal = q == other;
    EXPECT_EQ(gAllocations.load() - before, 0);
    EXPECT_TRUE(v[1] < 0.0 && v[3] > 0.0 && f[1] > 0.0 && f[2] > 0.0 && equal == 1);
}

} // namespace
