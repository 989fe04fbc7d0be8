#include <qelunits/QelUnitVar.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

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
    const struct {
        T type;
        int power;
        T expected;
    } cases[] = {{kMeter, 3, T(QelUnit::meter, 3)},
                 {kMeter, 0, T(QelUnit::meter, 0)},
                 {kMeter / kSecond, -2, T(QelUnit::meter, -2) * T(QelUnit::second, 2)},
                 {T(QelUnit::meter, 0x40000000), 4, T(QelUnit::meter, 0)},
                 {T(QelUnit::meter, INT_MIN), -1, T(QelUnit::meter, INT_MIN)},
                 {T(), 5, T()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.power);
        expectQuantity(V(2.0, c.type, c.power), 2.0, c.expected, QelUnit::Ok);
    }
    expectQuantity(V(), 0.0, T(), QelUnit::Ok);
}

TEST(QelUnitVar, ConvertAppliesFactorsAndCustomFunctions) {
    const struct {
        T from;
        T to;
        double value;
        double expected;
        QelUnit::ErrorStatus status;
    } cases[] = {{kMeter, kFoot, 1.0, 3.280839895013123, QelUnit::Ok},
                 {T(QelUnit::celsius), T(QelUnit::fahrenheit), 100.0, 212.0, QelUnit::Ok},
                 {T(QelUnit::kelvin), T(QelUnit::celsius), 0.0, -273.15, QelUnit::Ok},
                 {kMeter, kMeter, -0.0, -0.0, QelUnit::Ok},
                 {kMeter, T(QelUnit::kilogram), 5.0, 0.0, QelUnit::TypesNotCompatible}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        V result(7.0, kSecond);
        EXPECT_EQ(V::Convert(V(c.value, c.from), c.to, result), c.status);
        expectQuantity(result, c.expected, c.to, c.status);
        V inPlace(c.value, c.from);
        EXPECT_EQ(V::Convert(inPlace, c.to, inPlace), c.status);
        expectQuantity(inPlace, c.expected, c.to, c.status);
        // ConvertTo changes nothing on failure, the earlier status included.
        V quantity = withOverflow(c.value, c.from);
        EXPECT_EQ(quantity.ConvertTo(c.to), c.status);
        const bool ok = c.status == QelUnit::Ok;
        expectQuantity(quantity, ok ? c.expected : c.value, ok ? c.to : c.from, ok ? c.status : QelUnit::Overflow);
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
    const struct {
        double value;
        bool invert;
        int n;
        double expected;
        int power;
        QelUnit::ErrorStatus status;
    } cases[] = {{4.0, true, 0, 0.25, -1, QelUnit::Ok},
                 {0.0, true, 0, 0.0, -1, QelUnit::Overflow},
                 {-0.5 * eps, true, 0, -0.5 * eps, -1, QelUnit::Overflow},
                 {eps, true, 0, 1.0 / eps, -1, QelUnit::Ok},
                 {2.0, false, 3, 8.0, 3, QelUnit::Ok},
                 {2.0, false, 0, 1.0, 0, QelUnit::Ok},
                 {0.0, false, -1, HUGE_VAL, -1, QelUnit::Ok}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const V q = withOverflow(c.value, kMeter);
        expectQuantity(c.invert ? invert(q) : pow(q, c.n), c.expected, T(QelUnit::meter, c.power), c.status);
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
    const struct {
        double divisor;
        double expected;
        QelUnit::ErrorStatus status;
    } cases[] = {{0.0, 0.0, QelUnit::Overflow}, {-1e-11, 0.0, QelUnit::Overflow}, {1e-10, 5e10, QelUnit::Ok}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.divisor);
        const V five = withOverflow(5.0, kMeter);
        expectQuantity(five / V(c.divisor, kSecond), c.expected, kMeter / kSecond, c.status);
        V compound = five;
        compound /= V(c.divisor, kSecond);
        expectQuantity(compound, c.expected, kMeter / kSecond, c.status);
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
    const struct {
        V a;
        V b;
        int equal;
    } cases[] = {{V(1.0, kMeter), V(1.0 + 5e-11, kMeter), 1}, {V(1.0, kMeter), V(1.0 + 2e-10, kMeter), 0},
                 {V(1.0, kMeter), V(1.0, kFoot), 0},          {V(0.3048, kMeter), V(1.0, kFoot), 0},
                 {-V(0.0, kMeter), V(0.0, kMeter), 1},        {V(nan), V(nan), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.b.GetValue());
        EXPECT_EQ(c.a == c.b, c.equal);
        EXPECT_EQ(c.a != c.b, 1 - c.equal);
    }
    expectQuantity(-withOverflow(0.0, kMeter), -0.0, kMeter, QelUnit::Overflow);
}

} // namespace
