// What a unit is worth: its definition where it is reached by text, the catalogue's stored factor where it is
// reached by code.

#include "test_helpers.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>

namespace {

using qelunits::Converter;
using qelunits::Dimension;
using qelunits::Quantity;
using qelunits::Unit;
using qelunits_test::bits;

// The definitions the references agree on, worked out in long double from the defining values.
constexpr long double kLb = 0.45359237L;
constexpr long double kFt = 0.3048L;
constexpr long double kIn = 0.0254L;
constexpr long double kG = 9.80665L;
constexpr long double kGal = 231.0L * kIn * kIn * kIn;
constexpr long double kBu = 2150.42L * kIn * kIn * kIn;
constexpr long double kPi = 3.14159265358979323846264338327950288L;

double relative(double got, long double expected) {
    return static_cast<double>(std::fabs((static_cast<long double>(got) - expected) / expected));
}

TEST(Definitions, TextReachesTheDefinitionCodesTheStoredFactor) {
    // A text, the catalogue unit it names, and that unit's definition in SI.
    const std::tuple<const char*, QelUnit::BuiltinUnits, long double> rows[] = {
        {"slug", QelUnit::slug, kLb * kG / kFt},
        {"long ton", QelUnit::long_ton, 2240.0L * kLb},
        {"cwt", QelUnit::hundredweight, 100.0L * kLb},
        {"oz", QelUnit::ounce, kLb / 16.0L},
        {"dwt", QelUnit::pennyweight, 24.0L * kLb / 7000.0L},
        {"troy ounce", QelUnit::ounce_troy, 480.0L * kLb / 7000.0L},
        {"pt", QelUnit::fluid_pint, kGal / 8.0L},
        {"qt", QelUnit::fluid_quart, kGal / 4.0L},
        {"fl oz", QelUnit::fluid_ounce, kGal / 128.0L},
        {"gill", QelUnit::gill, kGal / 32.0L},
        {"dry pint", QelUnit::dry_pint, kBu / 64.0L},
        {"dry quart", QelUnit::dry_quart, kBu / 32.0L},
        {"bu", QelUnit::bushel, kBu},
        {"dry barrel", QelUnit::barrel, 7056.0L * kIn * kIn * kIn},
        {"board foot", QelUnit::board_foot, 144.0L * kIn * kIn * kIn},
        {"cord", QelUnit::cord, 128.0L * kFt * kFt * kFt},
        {"au", QelUnit::astronomical_unit, 149597870700.0L},
        {"ly", QelUnit::light_year, 299792458.0L * 365.25L * 86400.0L},
        {"deg", QelUnit::angle_degree, kPi / 180.0L},
        {"arcmin", QelUnit::angle_minute, kPi / 10800.0L},
        {"gon", QelUnit::grad, kPi / 200.0L},
        {"rpm", QelUnit::revolutions_per_minute, 1.0L / 60.0L},
        {"psi", QelUnit::pound_per_square_inch, kLb * kG / (kIn * kIn)},
        {"lbf", QelUnit::pound_force, kLb * kG},
        {"kip", QelUnit::kilopound, 1000.0L * kLb * kG},
        {"hp", QelUnit::horse_power, 550.0L * kLb * kG * kFt},
        {"Btu", QelUnit::intl_british_thermal_unit, 1055.05585262L},
        {"mmHg", QelUnit::millimeter_of_mercury, 13595.1L * kG * 0.001L},
        {"torr", QelUnit::torr, 101325.0L / 760.0L},
        {"in", QelUnit::inches, kIn},
        {"yd", QelUnit::yards, 3.0L * kFt},
        {"gal", QelUnit::liquid_gallon, kGal},
        {"Da", QelUnit::dalton, 1.66053906892e-27L},
    };
    for (const auto& [text, code, defined] : rows) {
        SCOPED_TRACE(text);
        const Unit unit(text);
        ASSERT_EQ(unit, Unit(code));
        EXPECT_LE(relative(unit.factor(), defined), 1e-16); // the nearest double
        const qelunits::FactorDefinition catalogue = qelunits::factorDefinition(code);
        EXPECT_EQ(bits(catalogue.defined), bits(unit.factor()));
        // By code, the stored factor (or the direct table's, which is the same but for the last bits): to the
        // base unit of its type, as the original classes convert.
        const QelUnit::BuiltinUnits base = qelunits::baseUnit(QelUnit::getType(code));
        double value = 1.0;
        ASSERT_EQ(QelUnitBase::ConvertUnits(code, base, value), QelUnit::Ok);
        EXPECT_LE(relative(value, catalogue.stored), 1e-15);
    }
    // Measured definitions carry their uncertainty, as often as their power.
    EXPECT_EQ(Unit("Da").uncertainty(), 3.1e-10);
    EXPECT_EQ(Unit("Da^2/kg").uncertainty(), 6.2e-10);
    EXPECT_EQ(Unit("slug").uncertainty(), 0.0);
}

TEST(Definitions, EveryCatalogueUnitByTextIsItsDefinition) {
    for (int u = 1; u < QelUnit::kUnitCount; ++u) {
        const auto code = static_cast<QelUnit::BuiltinUnits>(u);
        const qelunits::FactorDefinition d = qelunits::factorDefinition(code);
        SCOPED_TRACE(qelunits::internalName(code));
        EXPECT_EQ(bits(Unit(code).factor()), bits(d.defined));
        // Where no rounding is declared, the stored factor is the definition but for the last bits of a decimal.
        EXPECT_LE(std::fabs(d.stored / d.defined - 1.0 - d.difference), d.difference == 0.0 ? 1e-15 : 4e-16);
        EXPECT_EQ(d.text.empty(), d.difference == 0.0);
    }
}

TEST(Definitions, ConversionsBetweenRationalDefinitionsRoundOnce) {
    // from, to, and the value of 1 from in to, computed here from the definitions.
    const std::tuple<const char*, const char*, long double> rows[] = {
        {"ft", "in", 12.0L},          {"in", "cm", 2.54L},
        {"mi", "ft", 5280.0L},        {"gal", "L", kGal * 1000.0L},
        {"lb", "oz", 16.0L},          {"yd", "in", 36.0L},
        {"km/h", "m/s", 1.0L / 3.6L}, {"m/s", "ft/min", 60.0L / kFt},
        {"deg", "arcmin", 60.0L},     {"deg", "rad", kPi / 180.0L},
        {"rad", "gon", 200.0L / kPi}, {"Hz", "rpm", 60.0L},
        {"slug", "lb", kG / kFt},     {"kWh", "Btu", 3.6e6L / 1055.05585262L},
        {"acre", "ft²", 43560.0L},    {"psi", "kPa", kLb * kG / (kIn * kIn) / 1000.0L},
        {"mg/dL", "g/L", 0.01L},      {"nmi/h", "km/h", 1.852L},
    };
    for (const auto& [from, to, expected] : rows) {
        SCOPED_TRACE(std::string(from) + " to " + to);
        const Unit a(from);
        const Unit b(to);
        const auto nearest = static_cast<double>(expected);
        const double viaQuantity = Quantity(1.0, a).in(b);
        EXPECT_LE(relative(viaQuantity, expected), 2.3e-16); // at most one rounding
        EXPECT_EQ(bits(Quantity(1.0, a).to(b).value()), bits(viaQuantity));
        EXPECT_EQ(bits(Quantity(1.0, a).tryIn(b).value()), bits(viaQuantity));
        EXPECT_EQ(bits(Converter(a, b)(1.0)), bits(viaQuantity));
        EXPECT_EQ(bits(Converter(a, b).factor()), bits(viaQuantity));
        EXPECT_LE(std::fabs(viaQuantity - nearest), std::fabs(nearest) * 2.3e-16);
    }
    // Sums, comparisons and differences of rational units are exact where their values are.
    EXPECT_EQ(Quantity("1 ft") + Quantity("6 in"), Quantity("1.5 ft"));
    EXPECT_EQ(Quantity("12 in").in(Unit("ft")), 1.0);
    EXPECT_EQ(Quantity("1 ft").in(Unit("in")), 12.0);
    EXPECT_EQ((Quantity("1 mi") - Quantity("5280 ft")).value(), 0.0);
}

TEST(Definitions, DimensionsAsExponents) {
    // A text and its exponents over kg, m, s, K, A, mol, cd, rad, sr, and the first slot a program may add.
    using E = std::array<int, 10>;
    const std::tuple<const char*, E, const char*> rows[] = {
        {"N", E{1, 1, -2, 0, 0, 0, 0, 0, 0, 0}, "kg·m/s^2"},
        {"W/(m²·K)", E{1, 0, -3, -1, 0, 0, 0, 0, 0, 0}, "kg/(s^3·K)"},
        {"J/(mol·K)", E{1, 2, -2, -1, 0, -1, 0, 0, 0, 0}, "kg·m^2/(s^2·K·mol)"},
        {"V", E{1, 2, -3, 0, -1, 0, 0, 0, 0, 0}, "kg·m^2/(s^3·A)"},
        {"lx", E{0, -2, 0, 0, 0, 0, 1, 0, 1, 0}, "cd·sr/m^2"},
        {"rpm", E{0, 0, -1, 0, 0, 0, 0, 0, 0, 0}, "1/s"}, // a frequency is a count per time
        {"Hz·s", E{}, "1"},
        {"deg/s", E{0, 0, -1, 0, 0, 0, 0, 1, 0, 0}, "rad/s"},
        {"mg/dL", E{1, -3, 0, 0, 0, 0, 0, 0, 0, 0}, "kg/m^3"},
        {"1/s", E{0, 0, -1, 0, 0, 0, 0, 0, 0, 0}, "1/s"},
        {"%", E{}, "1"},
    };
    for (const auto& [text, exponents, written] : rows) {
        SCOPED_TRACE(text);
        const Dimension d = Unit(text).exponents(); // a copy: the unit is a temporary
        for (std::size_t k = 0; k < exponents.size(); ++k) {
            EXPECT_EQ(d[k], exponents[k]) << k;
        }
        for (std::size_t k = exponents.size(); k < Dimension::kCount; ++k) {
            EXPECT_EQ(d[k], 0);
        }
        EXPECT_EQ(d.text(), written);
        EXPECT_EQ(d.isNone(), written == std::string("1"));
    }
    // Exponents stay within ±127, in every base dimension.
    EXPECT_EQ(tryMultiply(Unit("m^100"), Unit("km^100")).kind(), qelunits::ErrorKind::OutOfRange);
    Dimension length = Dimension::of(Dimension::Length);
    EXPECT_FALSE(length.tryAdd(Dimension::of(Dimension::Length), 127));
    EXPECT_EQ(length, Dimension::of(Dimension::Length));
    EXPECT_TRUE(length.tryAdd(Dimension::of(Dimension::Time), -2));
    EXPECT_EQ(length.text(), "m/s^2");
}

} // namespace
