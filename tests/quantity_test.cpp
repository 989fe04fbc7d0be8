#include "test_helpers.h"

#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitVar.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <tuple>
#include <type_traits>

namespace {

using T = QelUnitType;
using V = QelUnitVar;
const T kMeter(QelUnit::meter);
const T kFoot(QelUnit::foot);
const T kSecond(QelUnit::second);

void expectQuantity(const V& q, double value, const T& type, QelUnit::ErrorStatus status) {
    EXPECT_THAT(q.GetValue(), testing::NanSensitiveDoubleEq(value));
    EXPECT_EQ(std::signbit(q.GetValue()), std::signbit(value));
    EXPECT_TRUE(q.GetType().isEqualTo(type));
    EXPECT_EQ(q.GetStatus(), status);
}

V withOverflow(double value, const T& type) { // a quantity whose status operations must replace
    V q(value, type);
    q /= 0.0;
    return q;
}

V withItself(double value, V& (V::*op)(const V&)) { // the operand is the object itself
    V q(value, kMeter);
    return (q.*op)(q);
}

TEST(QelUnitVar, ConvertAppliesFactorsAndCustomFunctions) {
    const std::tuple<T, T, double, double, QelUnit::ErrorStatus> cases[] = {
        {kMeter, kFoot, 1.0, 3.280839895013123, QelUnit::Ok},
        {T(QelUnit::celsius), T(QelUnit::fahrenheit), 100.0, 212.0, QelUnit::Ok},
        {T(QelUnit::kelvin), T(QelUnit::celsius), 0.0, -273.15, QelUnit::Ok},
        {kMeter, kMeter, -0.0, -0.0, QelUnit::Ok},
        {kMeter, T(QelUnit::kilogram), 5.0, 0.0, QelUnit::TypesNotCompatible}};
    for (const auto& [from, to, value, expected, status] : cases) {
        SCOPED_TRACE(value);
        V result(7.0, kSecond);
        EXPECT_EQ(V::Convert(V(value, from), to, result), status);
        expectQuantity(result, expected, to, status);
        V inPlace(value, from);
        EXPECT_EQ(V::Convert(inPlace, to, inPlace), status);
        expectQuantity(inPlace, expected, to, status);
        // ConvertTo changes nothing on failure, the earlier status included.
        V quantity = withOverflow(value, from);
        EXPECT_EQ(quantity.ConvertTo(to), status);
        const bool ok = status == QelUnit::Ok;
        expectQuantity(quantity, ok ? expected : value, ok ? to : from, ok ? status : QelUnit::Overflow);
    }
}

TEST(QelUnitVar, CompatibilityAndSetters) {
    V q(1.0, kMeter);
    EXPECT_TRUE(q.isCompatible(V(9.0, kFoot)));
    EXPECT_TRUE(V(1.0, T(QelUnit::square_meters)).isCompatible(T(QelUnit::meter, 2)));
    EXPECT_FALSE(q.isCompatible(kSecond));
    EXPECT_FALSE(q.isCompatible(V()));
    q.SetType(kFoot); // does not convert
    expectQuantity(q, 1.0, kFoot, QelUnit::Ok);
    q = withOverflow(2.0, kSecond); // a move takes everything
    expectQuantity(q, 2.0, kSecond, QelUnit::Overflow);
}

// What compiles: the standard's transparent operators and two generic lambdas name each operation, and
// std::is_invocable asks whether the expression is well formed.
constexpr auto kPow = [](auto a, auto n) -> decltype(pow(a, n)) { return pow(a, n); };
constexpr auto kInvert = [](auto a) -> decltype(invert(a)) { return invert(a); };

template <class Op, class A, class B, class R>
constexpr bool gives = std::is_invocable_r_v<R, Op, A, B>&& std::is_same_v<std::invoke_result_t<Op, A, B>, R>;

template <class Op, class N>
constexpr bool neitherWay = !std::is_invocable_v<Op, V, N> && !std::is_invocable_v<Op, N, V>;

// Numbers scale quantities, either way round.
static_assert(gives<std::multiplies<>, V, double, V> && gives<std::multiplies<>, int, V, V>);
static_assert(gives<std::divides<>, V, float, V> && gives<std::divides<>, long, V, V>);
// Everything else that mixes numbers and quantities is deleted.
static_assert(neitherWay<std::plus<>, double> && neitherWay<std::plus<>, int>);
static_assert(neitherWay<std::minus<>, double> && neitherWay<std::minus<>, unsigned>);
static_assert(neitherWay<std::equal_to<>, double> && neitherWay<std::not_equal_to<>, int>);
static_assert(neitherWay<std::less<>, double> && neitherWay<std::less_equal<>, int>);
static_assert(neitherWay<std::greater<>, float> && neitherWay<std::greater_equal<>, double>);
// Between quantities: the sum, equality as int, ordering as bool.
static_assert(gives<std::plus<>, V, V, V> && gives<std::equal_to<>, V, V, int>);
static_assert(gives<std::less<>, V, V, bool> && gives<std::greater_equal<>, V, V, bool>);
// pow and invert: found for the library's types, never for numbers (pow(2.0, 3) stays the C library's).
static_assert(gives<decltype(kPow), V, int, V> && gives<decltype(kPow), T, int, T>);
static_assert(gives<decltype(kPow), QelUnitExpression, int, QelUnitExpression>);
static_assert(std::is_invocable_v<decltype(kInvert), V> && std::is_invocable_v<decltype(kInvert), T>);
static_assert(!std::is_invocable_v<decltype(kInvert), double> && gives<decltype(kPow), double, int, double>);

// A power argument multiplies every power, wrapping; sums convert the right side into the left type; products
// and quotients combine types; numbers scale the value and keep the type; invert and pow replace the status.
TEST(QelUnitVar, OperatorsCombineValuesTypesAndStatuses) {
    const V meter(1.0, kMeter);
    const V foot(1.0, kFoot);
    const V fourMeters(4.0, kMeter);
    const T celsius(QelUnit::celsius);
    const std::tuple<const char*, V, double, T, QelUnit::ErrorStatus> cases[] = {
        {"V()", V(), 0.0, T(), QelUnit::Ok},
        {"m^3", V(2.0, kMeter, 3), 2.0, T(QelUnit::meter, 3), QelUnit::Ok},
        {"m^0", V(2.0, kMeter, 0), 2.0, T(QelUnit::meter, 0), QelUnit::Ok},
        {"(m/s)^-2", V(2.0, kMeter / kSecond, -2), 2.0, T(QelUnit::meter, -2) * T(QelUnit::second, 2), QelUnit::Ok},
        {"wraps", V(2.0, T(QelUnit::meter, 0x40000000), 4), 2.0, T(QelUnit::meter, 0), QelUnit::Ok},
        {"INT_MIN", V(2.0, T(QelUnit::meter, INT_MIN), -1), 2.0, T(QelUnit::meter, INT_MIN), QelUnit::Ok},
        {"()^5", V(2.0, T(), 5), 2.0, T(), QelUnit::Ok},
        {"invert", invert(withOverflow(4.0, kMeter)), 0.25, T(QelUnit::meter, -1), QelUnit::Ok},
        {"pow 3", pow(withOverflow(2.0, kMeter), 3), 8.0, T(QelUnit::meter, 3), QelUnit::Ok},
        {"pow 0", pow(withOverflow(2.0, kMeter), 0), 1.0, T(QelUnit::meter, 0), QelUnit::Ok},
        {"pow -1 of 0", pow(withOverflow(0.0, kMeter), -1), HUGE_VAL, T(QelUnit::meter, -1), QelUnit::Ok},
        {"m + ft", meter + foot, 1.3048, kMeter, QelUnit::Ok},
        {"ft + m", foot + meter, 4.2808398950131235, kFoot, QelUnit::Ok},
        {"- replaces the status", withOverflow(1.0, kMeter) - foot, 0.6952, kMeter, QelUnit::Ok},
        {"m + s", meter + V(1.0, kSecond), 2.0, kMeter, QelUnit::TypesNotCompatible},
        {"readings", V(0.0, celsius) + V(0.0, T(QelUnit::kelvin)), -273.15, celsius, QelUnit::Ok},
        {"+= replaces the status", withOverflow(1.0, kMeter) += foot, 1.3048, kMeter, QelUnit::Ok},
        {"q -= q", withItself(3.0, &V::operator-=), 0.0, kMeter, QelUnit::Ok},
        {"ft * m", V(2.0, kFoot) * V(3.0, kMeter), 6.0, kFoot * kMeter, QelUnit::Ok},
        {"q *= q", withItself(3.0, &V::operator*=), 9.0, T(QelUnit::meter, 2), QelUnit::Ok},
        {"q /= q", withItself(3.0, &V::operator/=), 1.0, T(), QelUnit::Ok},
        {"q * d", fourMeters * 1.5, 6.0, kMeter, QelUnit::Ok},
        {"d * q", 1.5 * fourMeters, 6.0, kMeter, QelUnit::Ok},
        {"q * int keeps the status", withOverflow(4.0, kMeter) * 3, 12.0, kMeter, QelUnit::Overflow},
        {"q / d keeps the status", withOverflow(4.0, kMeter) / 8.0, 0.5, kMeter, QelUnit::Overflow},
        {"d / q", 2.0 / V(4.0, kMeter / kSecond), 0.5, kSecond / kMeter, QelUnit::Ok},
        {"int / q replaces the status", 1 / withOverflow(3.0, kMeter), 1.0 / 3.0, invert(kMeter), QelUnit::Ok}};
    for (const auto& [what, q, value, type, status] : cases) {
        SCOPED_TRACE(what);
        expectQuantity(q, value, type, status);
    }
}

TEST(QelUnitVar, OrderingConvertsTheRightSideIntoTheLeftType) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // a, b, then a < b, a <= b, a > b, a >= b.
    const std::tuple<V, V, bool, bool, bool, bool> cases[] = {
        {V(1.0, kMeter), V(3.0, kFoot), false, false, true, true}, // raw values would say 1 < 3
        {V(3.0, kFoot), V(1.0, kMeter), true, true, false, false},
        {V(2.0, kMeter), V(2.0, kMeter), false, true, false, true},
        // readings: 0 °C is 32 °F
        {V(0.0, T(QelUnit::celsius)), V(33.0, T(QelUnit::fahrenheit)), true, true, false, false},
        {V(1.0, kMeter), V(5.0, kSecond), false, false, false, false}, // unordered
        {V(nan, kMeter), V(1.0, kMeter), false, false, false, false}};
    for (const auto& [a, b, less, lessEqual, greater, greaterEqual] : cases) {
        SCOPED_TRACE(b.GetValue());
        EXPECT_EQ(std::make_tuple((a < b), (a <= b), (a > b), (a >= b)),
                  std::make_tuple(less, lessEqual, greater, greaterEqual));
    }
}

double twice(double x) { return 2.0 * x; }

// Under sensible and nonsense tolerances, one rule for tiny divisors at every entry point that divides: a
// factor divides only by a magnitude above the tolerance and is otherwise infinite; a quantity refuses only a
// magnitude below it (so never NaN) with Overflow, keeping its value where it divides by a number or inverts
// itself, and becoming 0 where it is divided by a quantity. And one rule for the equality of factors and of
// quantities of one type: a difference below the tolerance in magnitude, so never with NaN or infinities.
TEST(Tolerance, OneRuleForTinyDivisorsAndOneForEquality) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double saved = QelUnit::kEpsilon;
    for (const double eps : {saved, 1e-3, 0.0, -1.0, nan}) {
        for (const double d : {4.0, -0.0, 1e-10, -1e-10, -1e-11, 1.1e-10, 5e-4, 4.9e-324, nan, inf}) {
            QelUnit::kEpsilon = saved; // no ASSERT below, so the restore at the end always runs
            const V overD = withOverflow(d, kSecond);
            const V overFive = withOverflow(5.0, kMeter);
            QelUnit::kEpsilon = eps;
            SCOPED_TRACE(testing::Message() << d << " under " << eps);
            const bool divides = std::fabs(d) > eps;
            ConversionFactor factor(2.0);
            ConversionFactor identity;
            factor /= ConversionFactor(d);
            identity /= ConversionFactor(d);
            EXPECT_EQ(qelunits_test::bits(factor), qelunits_test::bits(divides ? 2.0 / d : inf));
            EXPECT_EQ(qelunits_test::bits(identity), qelunits_test::bits(divides ? 1.0 / d : inf));
            EXPECT_FALSE(factor.isIdentity || identity.isIdentity);
            const bool refused = std::fabs(d) < eps;
            const QelUnit::ErrorStatus status = refused ? QelUnit::Overflow : QelUnit::Ok;
            expectQuantity(invert(overD), refused ? d : 1.0 / d, invert(kSecond), status);
            expectQuantity(overFive / V(d, kSecond), refused ? 0.0 : 5.0 / d, kMeter / kSecond, status);
            V quotient = overFive;
            quotient /= V(d, kSecond);
            expectQuantity(quotient, refused ? 0.0 : 5.0 / d, kMeter / kSecond, status);
            expectQuantity(V(5.0, kMeter) / d, refused ? 5.0 : 5.0 / d, kMeter, status);
            expectQuantity(2.0 / overD, refused ? 0.0 : 2.0 / d, invert(kSecond), status);
        }
        for (const auto& [a, b] : {std::pair{1.0, 1.0},
                                   {1.0, 1.0 + 5e-11},
                                   {1.0, 1.0 + 2e-10},
                                   {1.0, 1.0005},
                                   {1e6, 1e6 + 1e-9},
                                   {0.0, 1e-10},
                                   {-0.0, 0.0},
                                   {nan, nan},
                                   {inf, inf}}) {
            SCOPED_TRACE(testing::Message() << a << " vs " << b << " under " << eps);
            const bool equal = std::fabs(a - b) < eps;
            EXPECT_EQ(ConversionFactor(a).isEqualTo(ConversionFactor(b)), equal);
            EXPECT_EQ(ConversionFactor(b).isEqualTo(ConversionFactor(a)), equal);
            EXPECT_EQ(V(a, kMeter) == V(b, kMeter), equal ? 1 : 0);
            EXPECT_EQ(V(b, kMeter) != V(a, kMeter), equal ? 0 : 1);
        }
    }
    QelUnit::kEpsilon = saved;
    ConversionFactor byIdentity(3.0);
    EXPECT_EQ(static_cast<double>(byIdentity /= ConversionFactor()), 3.0);
    // The identity equals only the identity, whatever it stores; a custom conversion equals nothing.
    ConversionFactor storedTwo;
    storedTwo.factor = 2.0;
    ConversionFactor custom;
    custom.SetCustomConversion(&twice);
    EXPECT_TRUE(ConversionFactor().isEqualTo(storedTwo));
    EXPECT_FALSE(ConversionFactor().isEqualTo(ConversionFactor(1.0)) || ConversionFactor(1.0).isEqualTo(storedTwo));
    EXPECT_FALSE(custom.isEqualTo(custom));
    // Quantities need equal types, unconverted.
    EXPECT_EQ(V(1.0, kMeter) == V(1.0, kFoot), 0);
    EXPECT_EQ(V(0.3048, kMeter) != V(1.0, kFoot), 1);
    expectQuantity(-withOverflow(0.0, kMeter), -0.0, kMeter, QelUnit::Overflow);
}

} // namespace
