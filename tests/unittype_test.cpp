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
        {{{QelUnit::second, -1}}, Mul, {{QelUnit::meter, 1}}, {{QelUnit::meter, 1}, {QelUnit::second, -1}}},
        {{{QelUnit::meter, 1}, {QelUnit::second, -1}}, Mul, {{QelUnit::meter, -1}, {QelUnit::second, 1}}, {}},
        {{{QelUnit::meter, 1}, {QelUnit::second, -1}},
         Mul,
         {{QelUnit::meter, -1}, {QelUnit::second, 2}},
         {{QelUnit::second, 1}}},
        {{{QelUnit::meter, 1}, {QelUnit::second, -2}},
         Mul,
         {{QelUnit::second, 1}, {QelUnit::foot, 1}},
         {{QelUnit::meter, 1}, {QelUnit::second, -1}, {QelUnit::foot, 1}}},
        {{}, Mul, {{QelUnit::meter, 1}}, {{QelUnit::meter, 1}}},
        {{{QelUnit::meter, 0}}, Mul, {{QelUnit::meter, 0}}, {}},
        {{{QelUnit::meter, 0}}, Mul, {{QelUnit::second, 1}}, {{QelUnit::meter, 0}, {QelUnit::second, 1}}},
        {{{QelUnit::meter, INT_MAX}}, Mul, {{QelUnit::meter, 1}}, {{QelUnit::meter, INT_MIN}}},
        {ramp(8), Mul, {{QelUnit::steradian, 9}, {QelUnit::newton, 10}}, ramp(10)},
        {{{QelUnit::meter, 1}}, Div, {{QelUnit::meter, 1}}, {}},
        {{{QelUnit::meter, 1}}, Div, {{QelUnit::second, 1}}, {{QelUnit::meter, 1}, {QelUnit::second, -1}}},
        {{}, Div, {{QelUnit::second, 2}, {QelUnit::kelvin, 0}}, {{QelUnit::second, -2}, {QelUnit::kelvin, 0}}},
        {{{QelUnit::meter, 1}}, Div, {}, {{QelUnit::meter, 1}}},
        {{{QelUnit::meter, 0}, {QelUnit::second, 1}},
         Div,
         {{QelUnit::second, 1}, {QelUnit::kelvin, 0}},
         {{QelUnit::meter, 0}, {QelUnit::kelvin, 0}}},
        {{{QelUnit::meter, 1}, {QelUnit::second, -1}, {QelUnit::kelvin, 0}},
         Square,
         {},
         {{QelUnit::meter, 2}, {QelUnit::second, -2}}},
        {{{QelUnit::meter, 1}, {QelUnit::second, -1}, {QelUnit::kelvin, 0}},
         Pow2,
         {},
         {{QelUnit::meter, 2}, {QelUnit::second, -2}, {QelUnit::kelvin, 0}}},
        {{{QelUnit::meter, 1}, {QelUnit::second, -1}}, Pow0, {}, {{QelUnit::meter, 0}, {QelUnit::second, 0}}},
        {{{QelUnit::meter, 1}, {QelUnit::second, -1}, {QelUnit::ampere, INT_MIN}},
         Invert,
         {},
         {{QelUnit::meter, -1}, {QelUnit::second, 1}, {QelUnit::ampere, INT_MIN}}},
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
        {{{QelUnit::meter, 3}}, {{QelUnit::cubic_meter, 1}}},
        {{{QelUnit::meter, 2}}, {{QelUnit::square_meters, 1}}},
        {{{QelUnit::meter, 1}, {QelUnit::second, -1}}, {{QelUnit::meter, 1}, {QelUnit::second, -1}}},
        {{{QelUnit::meter, 5}}, {{QelUnit::square_meters, 1}, {QelUnit::cubic_meter, 1}}},
        {{{QelUnit::meter, 6}}, {{QelUnit::meter, 1}, {QelUnit::square_meters, 1}, {QelUnit::cubic_meter, 1}}},
        {{{QelUnit::kilogram, 1}, {QelUnit::meter, -3}}, {{QelUnit::kilogram, 1}, {QelUnit::cubic_meter, -1}}},
        {{{QelUnit::foot, -2}}, {{QelUnit::square_foot, -1}}},
        {{{QelUnit::foot, 8}}, {{QelUnit::square_foot, 1}, {QelUnit::cubic_foot, 2}}},
        {{{QelUnit::foot, 2}, {QelUnit::inches, 3}}, {{QelUnit::square_foot, 1}, {QelUnit::cubic_inch, 1}}},
        {{{QelUnit::decimeter, 3}}, {{QelUnit::decimeter, 1}, {QelUnit::square_decimeter, 1}}},
        {{{QelUnit::square_meters, 1}, {QelUnit::cubic_meter, 1}},
         {{QelUnit::square_meters, 1}, {QelUnit::cubic_meter, 1}}},
        {{}, {}},
        {{{QelUnit::meter, 0}}, {{QelUnit::meter, 0}}},
        {{{QelUnit::meter, 2}, {QelUnit::square_meters, -1}}, {}},
        {{{QelUnit::meter, INT_MIN}},
         {{QelUnit::meter, INT_MIN + 5}, {QelUnit::square_meters, -1}, {QelUnit::cubic_meter, -1}}},
    };
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(testing::PrintToString(before));
        Substitutable t(make(before));
        t.substitute();
        EXPECT_EQ(entries(t), after);
    }
}

} // namespace
