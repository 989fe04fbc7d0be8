#include "unittype/UnitTypeAccess.h"

#include <qelunits/QelUnitType.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

using U = QelUnit::BuiltinUnits;
using Entries = std::vector<std::pair<std::int32_t, std::int32_t>>;

Entries entries(const QelUnitType& t) {
    Entries out;
    for (const QelUnitFactor& f : t) {
        out.emplace_back(f.unit, f.power);
    }
    return out;
}

// Builds the list as given, which must be ascending.
QelUnitType make(const Entries& list) {
    QelUnitType t;
    qelunits_detail::UnitTypeAccess access{t};
    for (const auto& e : list) {
        access.append(QelUnitFactor{static_cast<U>(e.first), e.second});
    }
    return t;
}

// Ascending units 1, 2, ... count with powers 1, 2, ...
Entries ramp(std::int32_t count) {
    Entries out;
    for (std::int32_t i = 1; i <= count; ++i) {
        out.emplace_back(i, i);
    }
    return out;
}

TEST(UnitType, ConstructionKeepsOnlyStorableUnits) {
    const struct {
        std::int32_t unit;
        int power;
        Entries expected;
    } cases[] = {
        {2, 1, {{2, 1}}}, {348, 2, {{348, 2}}}, {2, 0, {{2, 0}}}, {30, -3, {{30, -3}}},
        {0, 1, {}},       {349, 1, {}},         {-1, 1, {}},      {INT_MIN, 5, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        const QelUnitType t(static_cast<U>(c.unit), c.power);
        EXPECT_EQ(entries(t), c.expected);
        EXPECT_EQ(t.GetStatus(), QelUnit::Ok);
    }
    EXPECT_TRUE(QelUnitType().empty());
}

TEST(UnitType, SetReplacesTheWholeList) {
    QelUnitType t = make({{2, 1}, {3, -1}});
    t.set(QelUnit::foot, 2);
    EXPECT_EQ(entries(t), (Entries{{30, 2}}));
    t.set(QelUnit::dimensionless, 1);
    EXPECT_EQ(entries(t), (Entries{{30, 2}}));
    QelUnitType big = make(ramp(20));
    big.set(QelUnit::meter, 4);
    EXPECT_EQ(entries(big), (Entries{{2, 4}}));
}

TEST(UnitType, CopiesAndMovesAreDeep) {
    for (std::int32_t count : {0, 2, 8, 9, 40}) {
        SCOPED_TRACE(count);
        const Entries list = ramp(count);
        QelUnitType source = make(list);

        QelUnitType copy(source);
        copy.set(QelUnit::foot, 7);
        EXPECT_EQ(entries(source), list);

        for (std::int32_t other : {0, 3, 12}) {
            QelUnitType assigned = make(ramp(other));
            assigned = source;
            EXPECT_EQ(entries(assigned), list);
            assigned.set(QelUnit::foot, 7);
            EXPECT_EQ(entries(source), list);

            QelUnitType target = make(ramp(other));
            QelUnitType moving = make(list);
            target = std::move(moving);
            EXPECT_EQ(entries(target), list);
            EXPECT_TRUE(moving.empty()); // NOLINT(bugprone-use-after-move): moved-from objects are empty
            moving = source;             // and stay usable
            EXPECT_EQ(entries(moving), list);
        }

        QelUnitType moved(std::move(copy));
        EXPECT_EQ(entries(moved), (Entries{{30, 7}}));

        QelUnitType& self = source;
        source = self;
        source = std::move(self);
        EXPECT_EQ(entries(source), list);
    }
}

TEST(UnitType, Algebra) {
    enum Op { Mul, Div, MulFree, DivFree };
    const struct {
        Entries a;
        Op op;
        Entries b;
        Entries expected;
    } cases[] = {
        {{{2, 1}}, Mul, {{3, -1}}, {{2, 1}, {3, -1}}},
        {{{3, -1}}, Mul, {{2, 1}}, {{2, 1}, {3, -1}}},
        {{{2, 1}, {3, -1}}, Mul, {{2, -1}, {3, 1}}, {}},
        {{{2, 1}, {3, -1}}, Mul, {{2, -1}, {3, 2}}, {{3, 1}}},
        {{{2, 1}, {3, -2}}, Mul, {{3, 1}, {30, 1}}, {{2, 1}, {3, -1}, {30, 1}}},
        {{}, Mul, {{2, 1}}, {{2, 1}}},
        {{{2, 1}}, Mul, {}, {{2, 1}}},
        {{{2, 0}}, Mul, {{2, 0}}, {}},
        {{{2, 0}}, Mul, {{3, 1}}, {{2, 0}, {3, 1}}},
        {{{5, 1}, {9, 2}}, Mul, {{1, 0}, {7, 3}, {12, 1}}, {{1, 0}, {5, 1}, {7, 3}, {9, 2}, {12, 1}}},
        {{{2, INT_MAX}}, Mul, {{2, 1}}, {{2, INT_MIN}}},
        {{{2, INT_MIN}}, Mul, {{2, INT_MIN}}, {}},
        {{{2, 1}}, Div, {{2, 1}}, {}},
        {{{2, 1}}, Div, {{3, 1}}, {{2, 1}, {3, -1}}},
        {{}, Div, {{3, 2}, {4, 0}}, {{3, -2}, {4, 0}}},
        {{{2, 1}}, Div, {}, {{2, 1}}},
        {{{2, 0}, {3, 1}}, Div, {{3, 1}, {4, 0}}, {{2, 0}, {4, 0}}},
        {{{2, INT_MIN}}, Div, {{2, 1}}, {{2, INT_MAX}}},
        {{{2, 1}, {3, -2}}, MulFree, {{3, 1}, {30, 1}}, {{2, 1}, {3, -1}, {30, 1}}},
        {{{2, 1}, {3, -1}}, DivFree, {{2, 1}, {30, 2}}, {{3, -1}, {30, -2}}},
        {{}, DivFree, {{3, 2}}, {{3, -2}}},
        {ramp(8),
         Mul,
         {{9, 1}, {10, 1}},
         [] {
             Entries e = ramp(8);
             e.insert(e.end(), {{9, 1}, {10, 1}});
             return e;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const QelUnitType a = make(c.a);
        const QelUnitType b = make(c.b);
        QelUnitType result = a;
        switch (c.op) {
        case Mul:
            result *= b;
            break;
        case Div:
            result /= b;
            break;
        case MulFree:
            result = a * b;
            break;
        case DivFree:
            result = a / b;
            break;
        }
        EXPECT_EQ(entries(result), c.expected);
        EXPECT_EQ(result.GetStatus(), QelUnit::Ok);
        EXPECT_EQ(entries(a), c.a);
        EXPECT_EQ(entries(b), c.b);
    }
}

TEST(UnitType, PowersAndSelfOperands) {
    const QelUnitType v = make({{2, 1}, {3, -1}, {30, 0}});
    EXPECT_EQ(entries(pow(v, 2)), (Entries{{2, 2}, {3, -2}, {30, 0}}));
    EXPECT_EQ(entries(pow(v, 0)), (Entries{{2, 0}, {3, 0}, {30, 0}}));
    EXPECT_EQ(entries(pow(v, -1)), entries(invert(v)));
    EXPECT_EQ(entries(invert(v)), (Entries{{2, -1}, {3, 1}, {30, 0}}));
    EXPECT_EQ(entries(pow(make({{2, 65536}}), 65536)), (Entries{{2, 0}})); // wraps, stays
    EXPECT_EQ(entries(invert(make({{2, INT_MIN}}))), (Entries{{2, INT_MIN}}));
    EXPECT_EQ(entries(v), (Entries{{2, 1}, {3, -1}, {30, 0}}));

    QelUnitType square = v;
    square *= square;
    EXPECT_EQ(entries(square), (Entries{{2, 2}, {3, -2}}));
    QelUnitType big = make(ramp(12));
    big *= big;
    EXPECT_EQ(big.size(), 12U);
    EXPECT_EQ(big[11].power, 24);
    QelUnitType quotient = v;
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
    const struct {
        Entries before;
        Entries after;
    } cases[] = {
        {{{2, 3}}, {{96, 1}}},
        {{{2, 2}}, {{55, 1}}},
        {{{2, 1}}, {{2, 1}}},
        {{{2, 1}, {3, -1}}, {{2, 1}, {3, -1}}},
        {{{2, 5}}, {{55, 1}, {96, 1}}},
        {{{2, 6}}, {{2, 1}, {55, 1}, {96, 1}}},
        {{{2, -3}}, {{96, -1}}},
        {{{1, 1}, {2, -3}}, {{1, 1}, {96, -1}}},
        {{{30, 2}}, {{56, 1}}},
        {{{30, -2}}, {{56, -1}}},
        {{{30, 8}}, {{56, 1}, {130, 2}}},
        {{{30, 2}, {31, 3}}, {{56, 1}, {135, 1}}},
        {{{23, 3}}, {{23, 1}, {69, 1}}},
        {{{55, 1}}, {{55, 1}}},
        {{{96, 1}}, {{96, 1}}},
        {{}, {}},
        {{{2, 0}}, {{2, 0}}},
        {{{2, 2}, {55, -1}}, {}},                                 // the replacement cancels
        {{{2, -2}, {96, 0}}, {{55, -1}, {96, 0}}},                // a zero power stays
        {{{2, INT_MIN}}, {{2, INT_MIN + 5}, {55, -1}, {96, -1}}}, // magnitudes beyond int
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Substitutable t(make(c.before));
        t.substitute();
        EXPECT_EQ(entries(t), c.after);
    }
}

} // namespace
