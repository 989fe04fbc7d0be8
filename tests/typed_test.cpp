// The typed layer: quantities whose dimension is their type, their units, temperature
// readings, and the crossing to and from the value API, through qelunits/Typed.h.
// What must not compile is tried by tests/compile/typed_fail.

#include <qelunits/Typed.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <iomanip>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace {

using qelunits::ErrorKind;
using qelunits::Quantity;
using qelunits::Result;
using qelunits::TemperaturePoint;
using qelunits::Unit;
namespace q = qelunits;
namespace u = qelunits::units;

// What converts: nothing between dimensions, no number into a quantity unasked, a ratio into a number.
static_assert(!std::is_convertible_v<double, q::Length> && std::is_constructible_v<q::Length, double>);
static_assert(!std::is_constructible_v<q::Length, q::Time> && !std::is_convertible_v<q::Speed, q::Length>);
static_assert(!std::is_constructible_v<q::Length, q::Dimensionless> && !std::is_constructible_v<double, q::Length>);
static_assert(std::is_convertible_v<q::Dimensionless, double>);
static_assert(!std::is_invocable_v<std::plus<>, q::Length, double> &&
              !std::is_invocable_v<std::less<>, double, q::Time>);
static_assert(!std::is_convertible_v<q::Temperature, TemperaturePoint> &&
              !std::is_convertible_v<double, TemperaturePoint>);

std::int64_t ulps(double a, double b) {
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x > y ? x - y : y - x;
}

// A unit constant as data.
struct UnitRow {
    const char* symbol;
    double factor;
    const int* exponents;
};
template <class D>
UnitRow row(q::TypedUnit<D> unit) {
    return {unit.symbol, unit.factor, D::exponents};
}

void expectExponents(const Unit& unit, const int* exponents) {
    for (std::size_t k = 0; k < q::Dimension::kCount; ++k) {
        EXPECT_EQ(unit.exponents()[k], k <= q::Dimension::SolidAngle ? exponents[k] : 0) << "slot " << k;
    }
}

TEST(TypedUnits, FactorsAndDimensionsAreTheValueApisOfTheSameText) {
    const UnitRow rows[] = {
        row(u::m),       row(u::km),  row(u::cm),   row(u::mm),    row(u::um),    row(u::nm),      row(u::ft),
        row(u::in),      row(u::yd),  row(u::mi),   row(u::nmi),   row(u::kg),    row(u::g),       row(u::mg),
        row(u::t),       row(u::lb),  row(u::oz),   row(u::slug),  row(u::s),     row(u::ms),      row(u::us),
        row(u::min),     row(u::h),   row(u::d),    row(u::m2),    row(u::cm2),   row(u::mm2),     row(u::km2),
        row(u::ft2),     row(u::in2), row(u::ha),   row(u::acre),  row(u::m3),    row(u::L),       row(u::mL),
        row(u::cm3),     row(u::ft3), row(u::in3),  row(u::gal),   row(u::kmh),   row(u::mph),     row(u::kn),
        row(u::gn),      row(u::Lps), row(u::Lpm),  row(u::m3h),   row(u::gpm),   row(u::cfm),     row(u::N),
        row(u::kN),      row(u::lbf), row(u::kgf),  row(u::kip),   row(u::J),     row(u::kJ),      row(u::MJ),
        row(u::Wh),      row(u::kWh), row(u::cal),  row(u::kcal),  row(u::BTU),   row(u::ftlbf),   row(u::Nm),
        row(u::W),       row(u::kW),  row(u::MW),   row(u::hp),    row(u::BTUh),  row(u::Pa),      row(u::hPa),
        row(u::kPa),     row(u::MPa), row(u::bar),  row(u::mbar),  row(u::psi),   row(u::atm),     row(u::mmHg),
        row(u::inHg),    row(u::Hz),  row(u::kHz),  row(u::MHz),   row(u::rpm),   row(u::rad),     row(u::deg),
        row(u::rev),     row(u::sr),  row(u::K),    row(u::mK),    row(u::degR),  row(u::deltaC),  row(u::deltaF),
        row(u::A),       row(u::mA),  row(u::kA),   row(u::V),     row(u::mV),    row(u::kV),      row(u::ohm),
        row(u::coulomb), row(u::Ah),  row(u::mAh),  row(u::farad), row(u::henry), row(u::siemens), row(u::Wb),
        row(u::tesla),   row(u::mol), row(u::mmol), row(u::kmol),  row(u::cd),    row(u::lx),
    };
    for (const UnitRow& r : rows) {
        SCOPED_TRACE(r.symbol);
        const Result<Unit> unit = Unit::parse(r.symbol);
        ASSERT_TRUE(unit.ok()) << unit.message();
        EXPECT_EQ(ulps(r.factor, unit->factor()), 0) << r.factor << " against " << unit->factor();
        expectExponents(*unit, r.exponents);
    }
}

TEST(TypedUnits, FactorsAreTheDefinitions) {
    // In long double from the definitions, rounded to double: the same double or the next (two roundings).
    constexpr long double kLbf = 0.45359237L * 9.80665L;
    constexpr long double kPi = 3.141592653589793238462643383279502884L;
    const std::pair<double, long double> rows[] = {
        {u::ft.factor, 0.3048L},
        {u::lbf.factor, kLbf},
        {u::psi.factor, kLbf / (0.0254L * 0.0254L)},
        {u::hp.factor, 550 * 0.3048L * kLbf},
        {u::deg.factor, kPi / 180},
        {u::slug.factor, kLbf / 0.3048L},
        {u::gal.factor, 231 * 0.0254L * 0.0254L * 0.0254L},
        {u::kWh.factor, 3.6e6L},
        {u::kn.factor, 1852 / 3600.0L},
        {u::BTUh.factor, 1055.05585262L / 3600},
        {u::cfm.factor, 0.3048L * 0.3048L * 0.3048L / 60},
    };
    for (const auto& [factor, definition] : rows) {
        EXPECT_LE(ulps(factor, static_cast<double>(definition)), 1) << factor;
    }
}

TEST(TypedDimensions, NamedSymbolsReadAsTheirCoherentUnit) {
    for (const q::dims::Named& named : q::dims::kNamed) {
        SCOPED_TRACE(named.name);
        if (*named.symbol == '\0') {
            continue; // Dimensionless
        }
        const Result<Unit> unit = Unit::parse(named.symbol);
        ASSERT_TRUE(unit.ok()) << unit.message();
        EXPECT_EQ(unit->factor(), 1.0);
        expectExponents(*unit, named.exponents);
        EXPECT_EQ(q::detail::dimensionText(named.exponents).text, unit->dimension());
    }
}

// A typed reading of a text, as the number in the coherent SI unit (in kelvin for a reading).
template <class Q>
double siOf(const Q& quantity) {
    return quantity.value();
}
double siOf(const TemperaturePoint& point) { return point.kelvin(); }
template <class Q>
Result<double> readAs(std::string_view text) {
    const Result<Q> read = Q::from(text);
    return read ? Result<double>(siOf(*read)) : Result<double>::failureOf(read);
}

constexpr double kPi = 3.141592653589793;
constexpr ErrorKind kOk = ErrorKind::None;

TEST(TypedFrom, TextsBecomeSiNumbersOrTheirErrors) {
    // The text, how it is read, the number in SI units, the kind and words of the failure's message.
    const std::tuple<const char*, Result<double> (*)(std::string_view), double, ErrorKind, const char*> rows[] = {
        {"3 ft", readAs<q::Length>, 0.9144, kOk, ""},
        {"14.7 psi", readAs<q::Pressure>, 14.7 * 0.45359237 * 9.80665 / 0.00064516, kOk, ""},
        {"2 kWh", readAs<q::Energy>, 7.2e6, kOk, ""},
        {"3000 rpm", readAs<q::Frequency>, 50.0, kOk, ""},
        {"3000 rpm", readAs<q::AngularVelocity>, 100 * kPi, kOk, ""}, // a cycle is 2π rad
        {"90 deg", readAs<q::Angle>, kPi / 2, kOk, ""},
        {"50 %", readAs<q::Dimensionless>, 0.5, kOk, ""},
        {"2 kg·m^3/s^2", readAs<q::QuantityOf<1, 3, -2>>, 2.0, kOk, ""},
        {"1 BTU/(lb·°F)", readAs<q::SpecificHeat>, 1055.05585262 / (0.45359237 * 5 / 9), kOk, ""},
        {"300 K", readAs<q::Temperature>, 300.0, kOk, ""},
        {"540 °R", readAs<q::Temperature>, 300.0, kOk, ""},
        {"9 Δ°F", readAs<q::Temperature>, 5.0, kOk, ""},
        {"20 °C", readAs<q::Temperature>, 0, ErrorKind::TemperaturePoint, "TemperaturePoint"},
        {"3 s", readAs<q::Length>, 0, ErrorKind::IncompatibleUnits, "is a Time (s), not a Length (m)"},
        {"3 kg·m^3", readAs<q::Force>, 0, ErrorKind::IncompatibleUnits, "is kg·m^3, not a Force (kg·m/s^2)"},
        {"3 fot", readAs<q::Length>, 0, ErrorKind::UnknownUnit, "'ft'"},
        {"3 m)", readAs<q::Length>, 0, ErrorKind::Syntax, "')'"},
        {"68 °F", readAs<TemperaturePoint>, 293.15, kOk, ""},
        {"20 °C", readAs<TemperaturePoint>, 293.15, kOk, ""},
        {"300 K", readAs<TemperaturePoint>, 300.0, kOk, ""},
        {"10 Δ°C", readAs<TemperaturePoint>, 0, ErrorKind::TemperaturePoint, "difference"},
        {"3 m", readAs<TemperaturePoint>, 0, ErrorKind::IncompatibleUnits, "a Length (m)"},
        {"-300 °C", readAs<TemperaturePoint>, 0, ErrorKind::BelowAbsoluteZero, ""},
    };
    for (const auto& [text, read, si, kind, says] : rows) {
        SCOPED_TRACE(text);
        const Result<double> got = read(text);
        EXPECT_EQ(got.kind(), kind) << got.message();
        if (kind == ErrorKind::None && got) {
            EXPECT_NEAR(*got, si, 4e-16 * std::fabs(si));
        }
        EXPECT_NE(got.message().find(says), std::string::npos) << got.message();
    }
    EXPECT_EQ(q::Length::from("3 fot").position(), 2U);
    EXPECT_EQ(q::Length::from("3 m)").position(), 3U);
}

template <class Q>
Result<double> inOf(double si, std::string_view unit) {
    return Q(si).tryIn(Unit(unit));
}
template <>
Result<double> inOf<TemperaturePoint>(double kelvin, std::string_view unit) {
    return TemperaturePoint::fromKelvin(kelvin).tryIn(Unit(unit));
}

TEST(TypedIn, NumbersInTheValueApisUnits) {
    const std::tuple<Result<double> (*)(double, std::string_view), double, const char*, double, ErrorKind> rows[] = {
        {inOf<q::Length>, 1.0668, "in", 42.0, kOk},
        {inOf<q::Power>, 20930.0, "kW", 20.93, kOk},
        {inOf<q::AngularVelocity>, 2 * kPi, "Hz", 1.0, kOk},
        {inOf<q::Temperature>, 300.0, "°R", 540.0, kOk},
        {inOf<q::Temperature>, 10.0, "Δ°F", 18.0, kOk},
        {inOf<q::Temperature>, 300.0, "°C", 0, ErrorKind::TemperaturePoint},
        {inOf<q::Length>, 1.0, "s", 0, ErrorKind::IncompatibleUnits},
        {inOf<TemperaturePoint>, 293.15, "°C", 20.0, kOk},
        {inOf<TemperaturePoint>, 293.15, "°F", 68.0, kOk},
        {inOf<TemperaturePoint>, 293.15, "Δ°C", 0, ErrorKind::TemperaturePoint},
        {inOf<TemperaturePoint>, 293.15, "m", 0, ErrorKind::IncompatibleUnits},
    };
    for (const auto& [in, si, unit, expected, kind] : rows) {
        SCOPED_TRACE(std::to_string(si) + " in " + unit);
        const Result<double> got = in(si, unit);
        EXPECT_EQ(got.kind(), kind) << got.message();
        if (got) {
            EXPECT_NEAR(*got, expected, 1e-13 * expected);
        }
    }
    const std::string message = (1.0 * u::m).tryIn(Unit("s")).message();
    EXPECT_NE(message.find("a Length (m) is not expressed in"), std::string::npos) << message;
    EXPECT_NE(message.find("a Time (s)"), std::string::npos) << message;
    EXPECT_THROW(static_cast<void>((1.0 * u::m).in(Unit("s"))), q::Error);
    EXPECT_EQ(toString((3.5 * u::ft).to(Unit("ft"))), "3.5 ft");
    const Quantity fahrenheit = (20.0 * u::degC).to_quantity(Unit("°F"));
    EXPECT_NEAR(fahrenheit.value(), 68.0, 1e-12);
    EXPECT_EQ(fahrenheit.unit(), Unit("°F"));
}

TEST(TypedFrom, CatalogueCodesAndQuantities) {
    EXPECT_DOUBLE_EQ(q::Length::from(QelUnit::foot, 3.0)->value(), 0.9144);
    EXPECT_DOUBLE_EQ(TemperaturePoint::from(QelUnit::fahrenheit, 212.0)->kelvin(), 373.15);
    EXPECT_EQ(q::Length::from(static_cast<QelUnit::BuiltinUnits>(400), 1.0).kind(), ErrorKind::InvalidArgument);
    EXPECT_EQ(q::Length::from(QelUnit::second, 1.0).kind(), ErrorKind::IncompatibleUnits);
    EXPECT_DOUBLE_EQ(q::Speed::from(Quantity(36.0, Unit("km/h")))->value(), 10.0);
}

TEST(TypedPoints, ScalesConvertAsTheValueApiBitForBit) {
    const Unit kelvin = Unit::fromCode(QelUnit::kelvin).value();
    for (const double v : {-40.0, 0.0, 20.0, 37.5, 68.0, 100.0, 451.0, 1e6}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(ulps(TemperaturePoint::fromCelsius(v).kelvin(), Quantity(v, Unit("°C")).in(kelvin)), 0);
        EXPECT_EQ(ulps((v * u::degF).kelvin(), Quantity(v, Unit("°F")).in(kelvin)), 0);
        const TemperaturePoint p = TemperaturePoint::fromKelvin(v + 300.0);
        EXPECT_EQ(ulps(p.celsius(), Quantity(v + 300.0, kelvin).in(Unit("°C"))), 0);
        EXPECT_EQ(ulps(p.fahrenheit(), Quantity(v + 300.0, kelvin).in(Unit("°F"))), 0);
    }
}

TEST(TypedPoints, DifferencesAndReadings) {
    const TemperaturePoint supply = 44.0 * u::degF;
    const TemperaturePoint back = 54.0 * u::degF;
    const q::Temperature rise = back - supply;
    EXPECT_NEAR(rise.in(u::deltaF), 10.0, 1e-12);
    EXPECT_NEAR(rise.value(), 50.0 / 9.0, 1e-12);
    EXPECT_NEAR((supply + rise).fahrenheit(), 54.0, 1e-12);
    EXPECT_NEAR((rise + supply - rise).fahrenheit(), 44.0, 1e-12);
    EXPECT_TRUE(supply < back && back > supply && supply <= supply && supply != back);
    EXPECT_DOUBLE_EQ(TemperaturePoint(300.0 * u::K).absolute().value(), 300.0);
    // R·T of a reading's absolute temperature: 8.314462618 J/(mol·K) × 300 K.
    const q::MolarEnergy rt = 8.314462618 * u::J / (u::mol * u::K) * TemperaturePoint::fromKelvin(300).absolute();
    EXPECT_DOUBLE_EQ(rt.value(), 2494.3387854);
}

TEST(TypedArithmetic, FormulasGiveTheirDimensionsAndValues) {
    // Q = ṁ·cp·ΔT: 0.5 kg/s × 4.186 kJ/(kg·K) × 10 K.
    const q::Power load = 0.5 * u::kg / u::s * (4.186 * u::kJ / (u::kg * u::K)) * (10.0 * u::deltaC);
    EXPECT_DOUBLE_EQ(load.in(u::kW), 20.93);
    // v = sqrt(2 g h) from 20 m.
    const q::Speed v = sqrt(2.0 * (1.0 * u::gn) * (20.0 * u::m));
    EXPECT_DOUBLE_EQ(v.value(), static_cast<double>(std::sqrt(2.0L * 9.80665L * 20.0L)));
    EXPECT_DOUBLE_EQ((3.0 * u::m / (2.0 * u::s)).in(u::kmh), 5.4);
    EXPECT_DOUBLE_EQ(q::pow<-2>(2.0 * u::s).value(), 0.25);
    EXPECT_DOUBLE_EQ(q::root<4>(q::pow<4>(3.0 * u::m)).value(), 3.0);
    EXPECT_DOUBLE_EQ(cbrt(8.0 * u::m3).value(), 2.0);
    EXPECT_DOUBLE_EQ(hypot(3.0 * u::m, 4.0 * u::m).value(), 5.0);
    EXPECT_DOUBLE_EQ(abs(-2.0 * u::N).value(), 2.0);
    EXPECT_NEAR(sin(30.0 * u::deg), 0.5, 1e-15);
    EXPECT_DOUBLE_EQ(atan2(1.0 * u::m, 1.0 * u::m).in(u::deg), 45.0);
    EXPECT_DOUBLE_EQ(pow(q::Dimensionless(4.0), 0.5), 2.0);
    q::Length x = 1.0 * u::m;
    x += 2.0 * u::m;
    x -= 0.5 * u::m;
    x *= 4.0;
    x /= 2.0;
    EXPECT_DOUBLE_EQ((-x).value(), -5.0);
    EXPECT_DOUBLE_EQ((2.0 / (4.0 * u::s)).in(u::Hz), 0.5);
    EXPECT_DOUBLE_EQ((120.0 / u::min).in(u::Hz), 2.0);
    // An angle is a dimension: a torque times an angular speed is a power once the radian is divided out.
    const q::Power shaft = 10.0 * u::Nm * (100.0 * u::rad / u::s) / u::rad;
    EXPECT_DOUBLE_EQ(shaft.in(u::kW), 1.0);
}

TEST(TypedText, SiSymbolsThatReadBack) {
    const std::pair<std::string, const char*> rows[] = {
        {toString(3.5 * u::ft), "1.0668 m"},
        {toString(12.0 * u::Nm), "12 J"},
        {toString(4.2 * u::m / u::s), "4.2 m/s"},
        {toString(q::Dimensionless(0.5)), "0.5"},
        {toString(q::QuantityOf<1, 3, -2>(2.0)), "2 kg·m^3/s^2"},
        {toString(20.0 * u::degC), "293.15 K"},
        {toString(1.0 * u::ohm), "1 Ω"},
    };
    for (const auto& [got, expected] : rows) {
        EXPECT_EQ(got, expected);
    }
    std::ostringstream out;
    out << std::setprecision(3) << 1.0 / 3.0 * u::m << ", " << 2.0 * u::kW;
    EXPECT_EQ(out.str(), "0.333 m, 2e+03 W");
    const q::QuantityOf<1, 3, -2> odd(1.25);
    EXPECT_EQ(decltype(odd)::from(toString(odd)).value(), odd);
    EXPECT_EQ(q::Pressure::from(toString(1.0 * u::psi)).value(), 1.0 * u::psi);
}

} // namespace
