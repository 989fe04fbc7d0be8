#include <qelunits/QelUnitVar.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

using T = QelUnitType;
using V = QelUnitVar;
const T kMeter(QelUnit::meter);
const T kFoot(QelUnit::foot);
const T kSecond(QelUnit::second);

void expectQuantity(const V& q, double value, const T& type, QelUnit::ErrorStatus status) {
    EXPECT_DOUBLE_EQ(q.GetValue(), value);
    EXPECT_EQ(std::signbit(q.GetValue()), std::signbit(value));
    EXPECT_TRUE(q.GetType().isEqualTo(type));
    EXPECT_EQ(q.GetStatus(), status);
}

V withOverflow(double value, const T& type) { // a quantity whose status operations must replace
    V q(value, type);
    q /= 0.0;
    return q;
}

TEST(QelUnitVar, PowerArgumentMultipliesEveryPowerAndWraps) {
    const std::tuple<T, int, T> cases[] = {{kMeter, 3, T(QelUnit::meter, 3)},
                                           {kMeter, 0, T(QelUnit::meter, 0)},
                                           {kMeter / kSecond, -2, T(QelUnit::meter, -2) * T(QelUnit::second, 2)},
                                           {T(QelUnit::meter, 0x40000000), 4, T(QelUnit::meter, 0)},
                                           {T(QelUnit::meter, INT_MIN), -1, T(QelUnit::meter, INT_MIN)},
                                           {T(), 5, T()}};
    for (const auto& [type, power, expected] : cases) {
        SCOPED_TRACE(power);
        expectQuantity(V(2.0, type, power), 2.0, expected, QelUnit::Ok);
    }
    expectQuantity(V(), 0.0, T(), QelUnit::Ok);
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
}

TEST(QelUnitVar, InvertAndPowReplaceTheStatus) {
    const double eps = QelUnit::kEpsilon;
    const std::tuple<double, bool, int, double, int, QelUnit::ErrorStatus> cases[] = {
        {4.0, true, 0, 0.25, -1, QelUnit::Ok},
        {0.0, true, 0, 0.0, -1, QelUnit::Overflow},
        {-0.5 * eps, true, 0, -0.5 * eps, -1, QelUnit::Overflow},
        {eps, true, 0, 1.0 / eps, -1, QelUnit::Ok},
        {2.0, false, 3, 8.0, 3, QelUnit::Ok},
        {2.0, false, 0, 1.0, 0, QelUnit::Ok},
        {0.0, false, -1, HUGE_VAL, -1, QelUnit::Ok}};
    for (const auto& [value, inverts, n, expected, power, status] : cases) {
        SCOPED_TRACE(value);
        const V q = withOverflow(value, kMeter);
        expectQuantity(inverts ? invert(q) : pow(q, n), expected, T(QelUnit::meter, power), status);
    }
}

TEST(QelUnitVar, SumsConvertIntoTheLeftType) {
    const V meter(1.0, kMeter);
    const V foot(1.0, kFoot);
    expectQuantity(meter + foot, 1.3048, kMeter, QelUnit::Ok);
    expectQuantity(foot + meter, 4.2808398950131235, kFoot, QelUnit::Ok);
    expectQuantity(withOverflow(1.0, kMeter) - foot, 0.6952, kMeter, QelUnit::Ok);
    expectQuantity(meter + V(1.0, kSecond), 2.0, kMeter, QelUnit::TypesNotCompatible);
    expectQuantity(V(0.0, T(QelUnit::celsius)) + V(0.0, T(QelUnit::kelvin)), -273.15, T(QelUnit::celsius), QelUnit::Ok);
    V sum = withOverflow(1.0, kMeter);
    sum += foot;
    expectQuantity(sum, 1.3048, kMeter, QelUnit::Ok);
    const V& same = sum; // the operand may be the object itself
    sum -= same;
    expectQuantity(sum, 0.0, kMeter, QelUnit::Ok);
}

TEST(QelUnitVar, ProductsAndQuotientsCombineTypes) {
    expectQuantity(V(2.0, kFoot) * V(3.0, kMeter), 6.0, kFoot * kMeter, QelUnit::Ok);
    const std::tuple<double, double, QelUnit::ErrorStatus> cases[] = {
        {0.0, 0.0, QelUnit::Overflow}, {-1e-11, 0.0, QelUnit::Overflow}, {1e-10, 5e10, QelUnit::Ok}};
    for (const auto& [divisor, expected, status] : cases) {
        SCOPED_TRACE(divisor);
        const V five = withOverflow(5.0, kMeter);
        expectQuantity(five / V(divisor, kSecond), expected, kMeter / kSecond, status);
        V compound = five;
        compound /= V(divisor, kSecond);
        expectQuantity(compound, expected, kMeter / kSecond, status);
    }
    V self(3.0, kMeter);
    const V& alias = self; // the operand may be the object itself
    self *= alias;
    expectQuantity(self, 9.0, T(QelUnit::meter, 2), QelUnit::Ok);
    self /= alias;
    expectQuantity(self, 1.0, T(), QelUnit::Ok);
    self *= 0.0; // scaling by numbers keeps the status; /= 0.0 keeps the value
    self /= 0.0;
    expectQuantity(self, 0.0, T(), QelUnit::Overflow);
    self.SetValue(2.0);
    self /= 1e-10; // not below kEpsilon
    expectQuantity(self, 2e10, T(), QelUnit::Overflow);
}

TEST(QelUnitVar, EqualityNeedsEqualTypesAndStrictTolerance) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<V, V, int> cases[] = {
        {V(1.0, kMeter), V(1.0 + 5e-11, kMeter), 1}, {V(1.0, kMeter), V(1.0 + 2e-10, kMeter), 0},
        {V(1.0, kMeter), V(1.0, kFoot), 0},          {V(0.3048, kMeter), V(1.0, kFoot), 0},
        {-V(0.0, kMeter), V(0.0, kMeter), 1},        {V(nan), V(nan), 0}};
    for (const auto& [a, b, equal] : cases) {
        SCOPED_TRACE(b.GetValue());
        EXPECT_EQ(a == b, equal);
        EXPECT_EQ(a != b, 1 - equal);
    }
    expectQuantity(-withOverflow(0.0, kMeter), -0.0, kMeter, QelUnit::Overflow);
}

} // namespace
