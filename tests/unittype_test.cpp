#include "test_helpers.h"

#include <qelunits/QelUnitType.h>

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <utility>

namespace {

using namespace qelunits_test; // NOLINT(google-build-using-namespace)

// Short names for the units of the tables.
constexpr U m = QelUnit::meter, m2 = QelUnit::square_meters, m3 = QelUnit::cubic_meter, s = QelUnit::second;
constexpr U kg = QelUnit::kilogram, K = QelUnit::kelvin, A = QelUnit::ampere, dm = QelUnit::decimeter;
constexpr U dm2 = QelUnit::square_decimeter, ft = QelUnit::foot, ft2 = QelUnit::square_foot, ft3 = QelUnit::cubic_foot;
constexpr U in = QelUnit::inches, in2 = QelUnit::square_inch, in3 = QelUnit::cubic_inch;

TEST(UnitType, ConstructionAndSetKeepOnlyStorableUnits) {
    const std::tuple<std::int32_t, int, Entries> cases[] = {{2, 1, {{2, 1}}}, {348, 2, {{348, 2}}}, {2, 0, {{2, 0}}},
                                                            {0, 1, {}},       {349, 1, {}},         {INT_MIN, 5, {}}};
    for (const auto& [unit, power, expected] : cases) {
        SCOPED_TRACE(unit);
        const QelUnitType t(static_cast<U>(unit), power);
        EXPECT_EQ(entries(t), expected);
        EXPECT_EQ(t.GetStatus(), QelUnit::Ok);
        QelUnitType other = make(ramp(12));
        other.set(static_cast<U>(unit), power);
        EXPECT_EQ(entries(other), expected.empty() ? ramp(12) : expected);
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

// Each operation as the free function and in place; the unary ones ignore the second operand.
using In = const QelUnitType&;
using Out = QelUnitType&;
struct Op {
    QelUnitType (*free)(In a, In b);
    void (*inPlace)(Out a, In b);
};
const Op Mul{[](In a, In b) { return a * b; }, [](Out a, In b) { a *= b; }};
const Op Div{[](In a, In b) { return a / b; }, [](Out a, In b) { a /= b; }};
const Op Square{[](In a, In) { return a * a; }, [](Out a, In) { a *= a; }};
const Op Pow2{[](In a, In) { return pow(a, 2); }, [](Out a, In) { a.pow(2); }};
const Op Pow0{[](In a, In) { return pow(a, 0); }, [](Out a, In) { a.pow(0); }};
const Op Invert{[](In a, In) { return invert(a); }, [](Out a, In) { a.invert(); }};
// The rewrite of length powers that conversions apply to their copies.
struct Substitutable : QelUnitType {
    explicit Substitutable(const QelUnitType& t) : QelUnitType(t) {}
    using QelUnitType::substitute;
};
QelUnitType substituted(In a) {
    Substitutable t(a);
    t.substitute();
    return QelUnitType(t);
}
const Op Substitute{[](In a, In) { return substituted(a); }, [](Out a, In) { a = substituted(a); }};

TEST(UnitType, AlgebraAndSubstitution) {
    const std::tuple<Entries, Op, Entries, Entries> cases[] = {
        {{{s, -1}}, Mul, {{m, 1}}, {{m, 1}, {s, -1}}},
        {{{m, 1}, {s, -1}}, Mul, {{m, -1}, {s, 2}}, {{s, 1}}},
        {{{m, 1}, {s, -2}}, Mul, {{s, 1}, {ft, 1}}, {{m, 1}, {s, -1}, {ft, 1}}},
        {{}, Mul, {{m, 1}}, {{m, 1}}},
        {{{m, 0}}, Mul, {{m, 0}}, {}},
        {{{m, 0}}, Mul, {{s, 1}}, {{m, 0}, {s, 1}}},
        {{{m, INT_MAX}}, Mul, {{m, 1}}, {{m, INT_MIN}}},
        {ramp(8), Mul, {{QelUnit::steradian, 9}, {QelUnit::newton, 10}}, ramp(10)},
        {{}, Div, {{s, 2}, {K, 0}}, {{s, -2}, {K, 0}}},
        {{{m, 1}}, Div, {}, {{m, 1}}},
        {{{m, 0}, {s, 1}}, Div, {{s, 1}, {K, 0}}, {{m, 0}, {K, 0}}},
        {{{m, 1}, {s, -1}, {K, 0}}, Square, {}, {{m, 2}, {s, -2}}},
        {{{m, 1}, {s, -1}, {K, 0}}, Pow2, {}, {{m, 2}, {s, -2}, {K, 0}}},
        {{{m, 1}, {s, -1}}, Pow0, {}, {{m, 0}, {s, 0}}},
        {{{m, 1}, {s, -1}, {A, INT_MIN}}, Invert, {}, {{m, -1}, {s, 1}, {A, INT_MIN}}},
        {{{m, 5}}, Substitute, {}, {{m2, 1}, {m3, 1}}},
        {{{m, 6}}, Substitute, {}, {{m, 1}, {m2, 1}, {m3, 1}}},
        {{{kg, 1}, {m, -3}}, Substitute, {}, {{kg, 1}, {m3, -1}}},
        {{{ft, 8}}, Substitute, {}, {{ft2, 1}, {ft3, 2}}},
        {{{ft, 2}, {in, 3}}, Substitute, {}, {{ft2, 1}, {in3, 1}}},
        {{{in, -2}}, Substitute, {}, {{in2, -1}}},
        {{{dm, 3}}, Substitute, {}, {{dm, 1}, {dm2, 1}}},
        {{{m2, 1}, {m3, 1}}, Substitute, {}, {{m2, 1}, {m3, 1}}},
        {{{m, 0}}, Substitute, {}, {{m, 0}}},
        {{{m, 2}, {m2, -1}}, Substitute, {}, {}},
        {{{m, INT_MIN}}, Substitute, {}, {{m, INT_MIN + 5}, {m2, -1}, {m3, -1}}},
    };
    for (const auto& [listA, op, listB, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(listA));
        const QelUnitType a = make(listA);
        QelUnitType inPlace = a;
        op.inPlace(inPlace, make(listB));
        EXPECT_EQ(entries(inPlace), expected);
        EXPECT_EQ(entries(op.free(a, make(listB))), expected);
        EXPECT_EQ(entries(a), entries(make(listA)));
    }
    QelUnitType full = make(ramp(8)); // the loops stay within a full inline list, as the sanitizers see
    full.pow(-1);
    full.invert();
    EXPECT_EQ(entries(full), ramp(8));
    QelUnitType quotient = make(ramp(3));
    const QelUnitType& same = quotient;
    quotient /= same;
    EXPECT_TRUE(quotient.empty());
}

} // namespace
