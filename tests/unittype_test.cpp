#include "test_helpers.h"

#include <qelunits/QelUnitType.h>

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <utility>

namespace {

using namespace qelunits_test; // NOLINT(google-build-using-namespace)

TEST(UnitType, ConstructionAndSetKeepOnlyStorableUnits) {
    const std::tuple<std::int32_t, int, Entries> cases[] = {{2, 1, {{2, 1}}}, {348, 2, {{348, 2}}}, {2, 0, {{2, 0}}},
                                                            {0, 1, {}},       {349, 1, {}},         {-1, 1, {}},
                                                            {INT_MIN, 5, {}}};
    for (const auto& [unit, power, expected] : cases) {
        SCOPED_TRACE(unit);
        const QelUnitType t(static_cast<U>(unit), power);
        EXPECT_EQ(entries(t), expected);
        EXPECT_EQ(t.GetStatus(), QelUnit::Ok);
        QelUnitType s = make(ramp(12));
        s.set(static_cast<U>(unit), power);
        EXPECT_EQ(entries(s), expected.empty() ? ramp(12) : expected);
    }
}

TEST(UnitType, CopiesAndMovesAreDeep) {
    for (std::int32_t count : {0, 2, 8, 9, 40}) {
        for (std::int32_t other : {0, 3, 12}) {
            SCOPED_TRACE(testing::Message() << count << " entries over " << other);
            const Entries list = ramp(count);
            QelUnitType source = make(list);
            QelUnitType copy(source);
            QelUnitType assigned = make(ramp(other));
            assigned = source;
            copy.set(QelUnit::foot, 7);
            assigned.set(QelUnit::foot, 7);
            EXPECT_EQ(entries(source), list);
            QelUnitType target = make(ramp(other));
            target = std::move(source);
            EXPECT_EQ(entries(target), list);
            EXPECT_TRUE(source.empty()); // NOLINT(bugprone-use-after-move): moved-from types are empty
            QelUnitType moved(std::move(target));
            QelUnitType& self = moved;
            moved = self;
            moved = std::move(self);
            EXPECT_EQ(entries(moved), list);
        }
    }
}

TEST(UnitType, Algebra) {
    enum Op { Mul, Div, Square, Pow2, Pow0, Invert };
    const std::tuple<Entries, Op, Entries, Entries> cases[] = {
        {{{3, -1}}, Mul, {{2, 1}}, {{2, 1}, {3, -1}}},
        {{{2, 1}, {3, -1}}, Mul, {{2, -1}, {3, 1}}, {}},
        {{{2, 1}, {3, -1}}, Mul, {{2, -1}, {3, 2}}, {{3, 1}}},
        {{{2, 1}, {3, -2}}, Mul, {{3, 1}, {30, 1}}, {{2, 1}, {3, -1}, {30, 1}}},
        {{}, Mul, {{2, 1}}, {{2, 1}}},
        {{{2, 0}}, Mul, {{2, 0}}, {}},
        {{{2, 0}}, Mul, {{3, 1}}, {{2, 0}, {3, 1}}},
        {{{2, INT_MAX}}, Mul, {{2, 1}}, {{2, INT_MIN}}},
        {ramp(8), Mul, {{9, 9}, {10, 10}}, ramp(10)},
        {{{2, 1}}, Div, {{2, 1}}, {}},
        {{{2, 1}}, Div, {{3, 1}}, {{2, 1}, {3, -1}}},
        {{}, Div, {{3, 2}, {4, 0}}, {{3, -2}, {4, 0}}},
        {{{2, 1}}, Div, {}, {{2, 1}}},
        {{{2, 0}, {3, 1}}, Div, {{3, 1}, {4, 0}}, {{2, 0}, {4, 0}}},
        {{{2, 1}, {3, -1}, {4, 0}}, Square, {}, {{2, 2}, {3, -2}}},
        {{{2, 1}, {3, -1}, {4, 0}}, Pow2, {}, {{2, 2}, {3, -2}, {4, 0}}},
        {{{2, 1}, {3, -1}}, Pow0, {}, {{2, 0}, {3, 0}}},
        {{{2, 1}, {3, -1}, {5, INT_MIN}}, Invert, {}, {{2, -1}, {3, 1}, {5, INT_MIN}}},
    };
    for (const auto& [listA, op, listB, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(listA));
        const QelUnitType a = make(listA);
        const QelUnitType b = make(listB);
        QelUnitType inPlace = a;
        QelUnitType free;
        switch (op) {
        case Mul:
            free = a * b;
            inPlace *= b;
            break;
        case Div:
            free = a / b;
            inPlace /= b;
            break;
        case Square:
            free = a * a;
            inPlace *= inPlace;
            break;
        case Pow2:
        case Pow0:
            free = pow(a, op == Pow2 ? 2 : 0);
            inPlace.pow(op == Pow2 ? 2 : 0);
            break;
        case Invert:
            free = invert(a);
            inPlace.invert();
            break;
        }
        EXPECT_EQ(entries(inPlace), expected);
        EXPECT_EQ(entries(free), expected);
        EXPECT_EQ(entries(a), entries(make(listA)));
    }
    QelUnitType quotient = make(ramp(3));
    const QelUnitType& same = quotient;
    quotient /= same;
    EXPECT_TRUE(quotient.empty());
}

// Exposes the rewrite that conversions apply to their copies.
struct Substitutable : QelUnitType {
    explicit Substitutable(const QelUnitType& t) : QelUnitType(t) {}
    using QelUnitType::substitute;
};

TEST(UnitType, SubstitutionRewritesLengthPowers) {
    const std::tuple<Entries, Entries> cases[] = {
        {{{2, 3}}, {{96, 1}}},
        {{{2, 2}}, {{55, 1}}},
        {{{2, 1}, {3, -1}}, {{2, 1}, {3, -1}}},
        {{{2, 5}}, {{55, 1}, {96, 1}}},
        {{{2, 6}}, {{2, 1}, {55, 1}, {96, 1}}},
        {{{1, 1}, {2, -3}}, {{1, 1}, {96, -1}}},
        {{{30, -2}}, {{56, -1}}},
        {{{30, 8}}, {{56, 1}, {130, 2}}},
        {{{30, 2}, {31, 3}}, {{56, 1}, {135, 1}}},
        {{{23, 3}}, {{23, 1}, {69, 1}}},
        {{{55, 1}, {96, 1}}, {{55, 1}, {96, 1}}},
        {{}, {}},
        {{{2, 0}}, {{2, 0}}},
        {{{2, 2}, {55, -1}}, {}},
        {{{2, INT_MIN}}, {{2, INT_MIN + 5}, {55, -1}, {96, -1}}},
    };
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(testing::PrintToString(before));
        Substitutable t(make(before));
        t.substitute();
        EXPECT_EQ(entries(t), after);
    }
}

} // namespace
