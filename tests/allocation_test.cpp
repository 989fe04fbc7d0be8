// Counts every allocation of the process, so that the paths which must not
// allocate can be checked. A binary of its own: the replaced operators apply
// to everything linked into it.

#include "unittype/Conversion.h"

#include <qelunits/QelUnitType.h>

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

using U = QelUnit::BuiltinUnits;

template <class F>
long allocationsDuring(F&& work) {
    const long before = gAllocations.load();
    work();
    return gAllocations.load() - before;
}

QelUnitType make(std::initializer_list<std::pair<U, int>> factors) {
    QelUnitType t;
    for (const auto& f : factors) {
        t *= QelUnitType(f.first, f.second);
    }
    return t;
}

TEST(Allocation, CountingWorks) {
    EXPECT_EQ(allocationsDuring([] { delete new int(1); }), 1);
    // Nine entries no longer fit inline.
    EXPECT_GE(allocationsDuring([] {
                  QelUnitType t;
                  for (int u = 1; u <= 9; ++u) {
                      t *= QelUnitType(static_cast<U>(u), 1);
                  }
              }),
              1);
}

TEST(Allocation, TypesOfUpToEightEntriesNeverAllocate) {
    const QelUnitType mps = make({{QelUnit::meter, 1}, {QelUnit::second, -1}});
    const QelUnitType ftPerMin = make({{QelUnit::foot, 1}, {QelUnit::minute, -1}});
    // Substitution adds an area and a volume unit for each of these powers.
    const QelUnitType heavy = make({{QelUnit::meter, 5},
                                    {QelUnit::second, -1},
                                    {QelUnit::centimeter, 5},
                                    {QelUnit::millimeter, 5},
                                    {QelUnit::foot, 5},
                                    {QelUnit::inches, 5},
                                    {QelUnit::yards, 5},
                                    {QelUnit::decimeter, 4}});
    const QelUnitType heavyTarget = make({{QelUnit::foot, 34}, {QelUnit::minute, -1}});
    ASSERT_EQ(heavy.size(), 8U);
    double sink = 0.0;
    const long count = allocationsDuring([&] {
        QelUnitType copy(heavy);
        QelUnitType assigned;
        assigned = mps;
        assigned *= ftPerMin;
        assigned /= mps;
        const QelUnitType product = mps * ftPerMin;
        const QelUnitType quotient = heavy / mps;
        const QelUnitType squared = pow(mps, 2);
        const QelUnitType inverse = invert(copy);
        QelUnitType moved(std::move(copy));
        sink += static_cast<double>(product.size() + quotient.size() + squared.size() + inverse.size() + moved.size());
        EXPECT_TRUE(heavy.isCompatible(heavyTarget));
        ConversionFactor f1;
        ConversionFactor f2;
        EXPECT_EQ(mps.GetConversionFactor(ftPerMin, f1), QelUnit::Ok);
        EXPECT_EQ(heavy.GetConversionFactor(heavyTarget, f2), QelUnit::Ok);
        sink += f1.factor + f2.factor;
    });
    EXPECT_EQ(count, 0);
    EXPECT_GT(sink, 0.0);
}

TEST(Allocation, UnitToUnitConversionsNeverAllocate) {
    const struct {
        U from;
        int fromPower;
        U to;
        int toPower;
    } cases[] = {
        {QelUnit::meter, 1, QelUnit::foot, 1},        {QelUnit::celsius, 1, QelUnit::fahrenheit, 1},
        {QelUnit::gram, 1, QelUnit::pound, 1},        {QelUnit::foot, 2, QelUnit::meter, 2},
        {QelUnit::meter, 1, QelUnit::second, 1},      {QelUnit::dimensionless, 1, QelUnit::dimensionless, 1},
        {QelUnit::square_foot, 1, QelUnit::meter, 2},
    };
    for (const auto& c : cases) {
        ConversionFactor f;
        EXPECT_EQ(
            allocationsDuring([&] { qelunits_detail::unitConversionFactor(c.from, c.fromPower, c.to, c.toPower, f); }),
            0)
            << c.from << " -> " << c.to;
    }
}

} // namespace
