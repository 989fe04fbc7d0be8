// UCUM codes read into value-API units and written from them, through the public header.

#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/Quantity.h>
#include <qelunits/Ucum.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <tuple>

namespace {

using qelunits::ErrorKind;
using qelunits::fromUcum;
using qelunits::Quantity;
using qelunits::toUcum;
using qelunits::Unit;

// UCUM's defining numbers, as its table states them.
constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kIn = 0.0254L;
constexpr long double kFt = 12.0L * kIn;
constexpr long double kLb = 0.45359237L;
constexpr long double kGn = 9.80665L;
constexpr long double kGal = 231.0L * kIn * kIn * kIn;
constexpr long double kUsFt = 1200.0L / 3937.0L;
constexpr long double kDay = 86400.0L;

long double relative(double value, long double expected) {
    return std::fabs(static_cast<long double>(value) / expected - 1.0L);
}

// The exponents of a coherent SI text, read by the value API's own reader.
qelunits::Dimension dimensionOf(const char* si) {
    return std::string(si) == "1" ? qelunits::Dimension() : Unit::parse(si).value().exponents();
}

// scale × catalogue units to powers.
Unit compound(double scale, std::initializer_list<std::pair<QelUnit::BuiltinUnits, int>> units) {
    QelUnitType type;
    for (const auto& [unit, power] : units) {
        type *= QelUnitType(unit, power);
    }
    return Unit::fromExpression(QelUnitExpression(scale, type)).value();
}

TEST(Ucum, AtomsAndTextsHaveUcumsValues) {
    // An atom or a text, its value in coherent SI units from UCUM's definitions, and those units.
    const std::tuple<const char*, long double, const char*> rows[] = {
        {"g", 1e-3L, "kg"},
        {"C", 1.0L, "A*s"},
        {"[in_i]", kIn, "m"},
        {"[ft_i]", kFt, "m"},
        {"[mi_i]", 5280.0L * kFt, "m"},
        {"[nmi_i]", 1852.0L, "m"},
        {"[kn_i]", 1852.0L / 3600.0L, "m/s"},
        {"[ft_us]", kUsFt, "m"},
        {"[in_br]", 0.02539998L, "m"},
        {"[lb_av]", kLb, "kg"},
        {"[gr]", 64.79891e-6L, "kg"},
        {"[oz_tr]", 480.0L * 64.79891e-6L, "kg"},
        {"[gal_us]", kGal, "m^3"},
        {"[foz_us]", kGal / 128.0L, "m^3"},
        {"[bu_us]", 2150.42L * kIn * kIn * kIn, "m^3"},
        {"[gal_br]", 4.54609e-3L, "m^3"},
        {"[acr_us]", 43560.0L * kUsFt * kUsFt, "m^2"},
        {"L", 1e-3L, "m^3"},
        {"l", 1e-3L, "m^3"},
        {"ar", 100.0L, "m^2"},
        {"t", 1000.0L, "kg"},
        {"h", 3600.0L, "s"},
        {"d", kDay, "s"},
        {"a", 365.25L * kDay, "s"},
        {"a_t", 365.24219L * kDay, "s"},
        {"mo", 365.25L * kDay / 12.0L, "s"},
        {"Hz", 1.0L, "1/s"},
        {"N", 1.0L, "kg*m/s^2"},
        {"Ohm", 1.0L, "V/A"},
        {"T", 1.0L, "V*s/m^2"},
        {"Gy", 1.0L, "J/kg"},
        {"lx", 1.0L, "lx"},
        {"mol", 1.0L, "mol"},
        {"kat", 1.0L, "mol/s"},
        {"U", 1e-6L / 60.0L, "mol/s"},
        {"g%", 10.0L, "kg/m^3"},
        {"deg", kPi / 180.0L, "rad"},
        {"'", kPi / 10800.0L, "rad"},
        {"gon", kPi / 200.0L, "rad"},
        {"[pi]", kPi, "1"},
        {"%", 1e-2L, "1"},
        {"[car_Au]", 1.0L / 24.0L, "1"},
        {"By", 8.0L, "1"},
        {"Cel", 1.0L, "K"},
        {"[degF]", 5.0L / 9.0L, "K"},
        {"[degR]", 5.0L / 9.0L, "K"},
        {"bar", 1e5L, "Pa"},
        {"atm", 101325.0L, "Pa"},
        {"att", kGn * 1e4L, "Pa"},
        {"mm[Hg]", 133.322L, "Pa"},
        {"cm[H2O]", 98.0665L, "Pa"},
        {"[in_i'Hg]", 133322.0L * kIn, "Pa"},
        {"[psi]", kLb * kGn / (kIn * kIn), "Pa"},
        {"[lbf_av]", kLb * kGn, "N"},
        {"dyn", 1e-5L, "N"},
        {"erg", 1e-7L, "J"},
        {"cal", 4.184L, "J"},
        {"cal_IT", 4.1868L, "J"},
        {"[Cal]", 4184.0L, "J"},
        {"[Btu_IT]", 1055.05585262L, "J"},
        {"[HP]", 550.0L * kFt * kLb * kGn, "W"},
        {"eV", 1.602176634e-19L, "J"},
        {"u", 1.66053906660e-27L, "kg"},
        {"[c]", 299792458.0L, "m/s"},
        {"[h]", 6.62607015e-34L, "J*s"},
        {"[k]", 1.380649e-23L, "J/K"},
        {"[G]", 6.67430e-11L, "m^3/(kg*s^2)"},
        {"[g]", kGn, "m/s^2"},
        {"[mu_0]", 4e-7L * kPi, "N/A^2"},
        {"[ly]", 299792458.0L * 365.25L * kDay, "m"},
        {"AU", 149597870691.0L, "m"},
        {"Ao", 1e-10L, "m"},
        {"b", 1e-28L, "m^2"},
        {"Oe", 250.0L / kPi, "A/m"},
        {"G", 1e-4L, "V*s/m^2"},
        {"Ci", 3.7e10L, "1/s"},
        {"R", 2.58e-4L, "A*s/kg"},
        {"[drp]", 1e-6L / 20.0L, "m^3"},
        {"[MET]", 3.5e-6L / 60.0L, "m^3/(s*kg)"},
        {"[mesh_i]", 1.0L / kIn, "1/m"},
        {"[pied]", 0.3248L, "m"},
        {"[pnt]", kIn / 72.0L, "m"},
        {"tex", 1e-6L, "kg/m"},
        // The grammar: prefixes, exponents, factors, operators, groups and annotations.
        {"", 1.0L, "1"},
        {"1", 1.0L, "1"},
        {"km", 1e3L, "m"},
        {"cm3", 1e-6L, "m^3"},
        {"m+2", 1.0L, "m^2"},
        {"s-1", 1.0L, "1/s"},
        {"m0", 1.0L, "1"},
        {"10*3", 1e3L, "1"},
        {"10^3", 1e3L, "1"},
        {"10*-7.s", 1e-7L, "s"},
        {"10*+3/uL", 1e12L, "1/m^3"},
        {"kg.m/s2", 1.0L, "kg*m/s^2"},
        {"/s", 1.0L, "1/s"},
        {"/s.m", 1.0L, "m/s"}, // a leading solidus inverts the component after it
        {"m/s/s", 1.0L, "m/s^2"},
        {"m/(s.s)", 1.0L, "m/s^2"},
        {"m.(s/kg)", 1.0L, "m*s/kg"},
        {"m/(s/kg)", 1.0L, "m*kg/s"},
        {"((m))", 1.0L, "m"},
        {"mmol/(8.h.kg)", 1e-3L / 8.0L / 3600.0L, "mol/(s*kg)"},
        {"4.s/m", 4.0L, "s/m"},
        {"s/4/m", 0.25L, "s/m"},
        {"2.5.m", 10.0L, "m"}, // '.' multiplies: 2 × 5
        {"{cells}/uL", 1e9L, "1/m^3"},
        {"{tot}", 1.0L, "1"},
        {"1{tab}", 1.0L, "1"},
        {"rad2{\xE9\x8C\xA0}", 1.0L, "rad^2"},
        {"kg{body}{wt}", 1.0L, "kg"},
        {"10*3{rbc}/L", 1e6L, "1/m^3"},
        {"mCel", 1e-3L, "K"},
        {"ug", 1e-9L, "kg"},
        {"Ms", 1e6L, "s"},
        {"dam", 10.0L, "m"},
        {"dar", 10.0L, "m^2"},
        {"kcal", 4184.0L, "J"},
        {"Kibit", 1024.0L, "1"},
        {"MiBy", 8.0L * 1048576.0L, "1"},
        {"ft", 1e-12L, "kg"}, // a femtotonne: UCUM's foot is [ft_i]
    };
    for (const auto& [code, si, units] : rows) {
        SCOPED_TRACE(code);
        const qelunits::Result<Unit> unit = fromUcum(code);
        ASSERT_TRUE(unit) << unit.message();
        EXPECT_LE(relative(unit->factor(), si), 4.5e-16);
        EXPECT_EQ(unit->exponents(), dimensionOf(units));
    }
    // More catalogue units than a unit holds: in coherent units, each factor rounded on the way.
    const Unit eight = fromUcum("[ft_i].m.[in_i].cm.mm.[yd_i].km.dm").value();
    EXPECT_LE(relative(eight.factor(), kFt * kIn * 3.0L * kFt * 1e-3L), 1e-15L);
    EXPECT_EQ(eight.exponents(), dimensionOf("m^8"));
}

TEST(Ucum, RefusalsSayWhatAndWhere) {
    // A text, the kind of its failure and where it lies, in code points.
    const std::tuple<const char*, ErrorKind, std::size_t> rows[] = {
        {"fot", ErrorKind::UnknownUnit, 0},
        {"kg/fot", ErrorKind::UnknownUnit, 3},
        {"g/12h", ErrorKind::UnknownUnit, 2},
        {"cm[H20]", ErrorKind::UnknownUnit, 0},
        {"mmol/kg[H20]", ErrorKind::UnknownUnit, 5},
        {"k[ft_i]", ErrorKind::RefusedText, 0},
        {"[ft_i]3.k[lb_av]", ErrorKind::RefusedText, 8},
        {"[iU]", ErrorKind::RefusedText, 0},
        {"mL/[IU]", ErrorKind::RefusedText, 3},
        {"[arb'U]", ErrorKind::RefusedText, 0},
        {"dB", ErrorKind::RefusedText, 0},
        {"[pH]", ErrorKind::RefusedText, 0},
        {"[degRe]", ErrorKind::RefusedText, 0},
        {"m/", ErrorKind::Syntax, 2},
        {"m//s", ErrorKind::Syntax, 2},
        {"m.", ErrorKind::Syntax, 2},
        {".m", ErrorKind::Syntax, 0},
        {"m)", ErrorKind::Syntax, 1},
        {"m/(s.kg", ErrorKind::Syntax, 2},
        {"()", ErrorKind::Syntax, 1},
        {"(m.s)2", ErrorKind::Syntax, 5},
        {"10+3/ul", ErrorKind::Syntax, 0},
        {"ug(8.h)", ErrorKind::Syntax, 2},
        {"m s", ErrorKind::Syntax, 1},
        {"m+", ErrorKind::Syntax, 1},
        {"0.5", ErrorKind::Syntax, 0},
        {"[ft_i", ErrorKind::Syntax, 0},
        {"ft_i]", ErrorKind::Syntax, 4},
        {"m{a", ErrorKind::Syntax, 1},
        {"m{a{b}}", ErrorKind::Syntax, 3},
        {"\xC2\xB5g", ErrorKind::Syntax, 0},               // µg
        {"{\xE9\x8C\xA0}\xC2\xB5g", ErrorKind::Syntax, 3}, // positions count code points
        {"m128", ErrorKind::OutOfRange, 1},
        {"m-99999999999999999999", ErrorKind::OutOfRange, 1},
        {"10*1001", ErrorKind::OutOfRange, 3},
        {"m100.m100", ErrorKind::OutOfRange, 5},
        {"12345678901234567890.m", ErrorKind::OutOfRange, 0},
    };
    for (const auto& [text, kind, position] : rows) {
        SCOPED_TRACE(text);
        const qelunits::Result<Unit> unit = fromUcum(text);
        ASSERT_FALSE(unit);
        EXPECT_EQ(unit.kind(), kind) << unit.message();
        EXPECT_EQ(unit.position(), position) << unit.message();
        EXPECT_NE(unit.message().find(" at " + std::to_string(position)), std::string::npos) << unit.message();
    }
    EXPECT_EQ(fromUcum("fot").message(), "unknown UCUM atom 'fot' at 0");
    EXPECT_NE(fromUcum("yd").message().find("'[yd_i]'"), std::string::npos);
    EXPECT_NE(fromUcum("KG").message().find("'kg'"), std::string::npos);
    EXPECT_NE(fromUcum("[iU]").message().find("arbitrary"), std::string::npos);
    EXPECT_NE(fromUcum("dB").message().find("logarithmic"), std::string::npos);
}

TEST(Ucum, ScalesBeyondADoubleFail) {
    for (const char* text : {"10*300.10*300", "10*-300.10*-300", "10*308.10*308/m"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(fromUcum(text).kind(), ErrorKind::OutOfRange);
    }
    std::string powers;
    for (int i = 0; i < 1100; ++i) {
        powers += "2.";
    }
    EXPECT_EQ(fromUcum(powers + "m").kind(), ErrorKind::OutOfRange);
}

// UCUM's functional tests of conversion: value, from, to, the outcome and its significant digits (0: all).
TEST(Ucum, FunctionalConversions) {
    const std::tuple<double, const char*, const char*, long double, int> rows[] = {
        {6.3, "mm", "m", 0.0063L, 0},
        {6.3, "mm", "cm", 0.63L, 0},
        {6.3, "s.m-1", "s/m", 6.3L, 0},
        {6.3, "s.mm-1", "s.m-1", 6300.0L, 0},
        {6.3, "s/m/g", "s.m-1.g-1", 6.3L, 0},
        {6.3, "ms/m/g", "s.m-1.g-1", 0.0063L, 0},
        {6.3, "s/m.mg", "s.m-1.g", 0.0063L, 0},
        {6.3, "4.s/m", "s/m", 25.0L, 2},
        {6.30, "4.s/m", "s/m", 25.2L, 0},
        {6.3, "s/4/m", "s/m", 1.6L, 2},
        {6.300, "[in_i]", "cm", 16.0L, 3},
        {6.3, "g.m.s-2.A-2", "g.m.C-2", 6.3L, 0},
        {1.0, "10*-7.s", "s", 1e-7L, 0},
        {1.0, "4.[pi].10*-7.s", "s", 0.00000125663706143591729538506L, 0},
        {1.0, "[mu_0]", "g.m.C-2", 0.00125663706143591729538506L, 0},
        {1.0, "m[Hg]", "g.s-2.m-1", 133322000.0L, 0},
        {1.0, "S", "g-1.m-2.C2.s", 0.001L, 0},
        {1.0, "[ly]", "cm", 946073047258080000.0L, 0},
        {1.0, "1/[ly]", "cm-1", 1.05700083402461546370946e-18L, 0},
        {1.2, "g.m", "m.g", 1.2L, 0},
    };
    for (const auto& [value, from, to, outcome, digits] : rows) {
        SCOPED_TRACE(std::string(from) + " to " + to);
        const qelunits::Result<double> converted = Quantity(value, fromUcum(from).value()).tryIn(fromUcum(to).value());
        ASSERT_TRUE(converted) << converted.message();
        // The outcome to its digits, or to the rounding of a few double operations.
        const long double tolerance =
            digits == 0 ? 1e-15L : 0.5L * std::pow(10.0L, static_cast<long double>(1 - digits));
        EXPECT_LE(relative(*converted, outcome), tolerance) << *converted;
    }
}

// A catalogue unit and the atom or text it stands for: read as that unit, and written so.
TEST(Ucum, CatalogueUnitsStandForAtomsOfTheirValue) {
    const std::tuple<QelUnit::BuiltinUnits, const char*> rows[] = {
        {QelUnit::foot, "[ft_i]"},
        {QelUnit::pound, "[lb_av]"},
        {QelUnit::liter, "L"},
        {QelUnit::kilogram, "kg"},
        {QelUnit::kilometer, "km"},
        {QelUnit::kelvin, "K"},
        {QelUnit::liquid_gallon, "[gal_us]"},
        {QelUnit::kilowatt_hour, "kW.h"},
        {QelUnit::survey_foot, "[ft_us]"},
        {QelUnit::register_ton, "100.[ft_i]3"},
        {QelUnit::celsius, "Cel"},
        {QelUnit::fahrenheit, "[degF]"},
        {QelUnit::square_foot, "[ft_i]2"},
        {QelUnit::pound_per_square_inch, "[psi]"},
        {QelUnit::knot, "[kn_i]"},
        {QelUnit::mile_per_hour, "[mi_i]/h"},
        {QelUnit::imp_gallon, "[gal_br]"},
        {QelUnit::angle_degree, "deg"},
        {QelUnit::torr, "atm/760"},
        {QelUnit::kilometer_per_hour, "km/h"},
    };
    for (const auto& [code, ucum] : rows) {
        SCOPED_TRACE(ucum);
        EXPECT_EQ(fromUcum(ucum).value(), Unit::fromCode(code).value());
        EXPECT_EQ(toUcum(Unit::fromCode(code).value()).value(), ucum);
    }
    EXPECT_TRUE(fromUcum("Cel")->isTemperaturePoint());
    EXPECT_TRUE(fromUcum("[degF]")->isTemperaturePoint());
    EXPECT_FALSE(fromUcum("J/(kg.Cel)")->isTemperaturePoint()); // a degree inside a compound unit
    EXPECT_NEAR(Quantity(37.0, fromUcum("Cel").value()).in(fromUcum("[degF]").value()), 98.6, 1e-12);
    // Compound, scaled and difference units, written.
    using U = QelUnit::BuiltinUnits;
    const std::tuple<Unit, const char*> compounds[] = {
        {compound(1.0, {{U::kilometer, 1}, {U::hour, -1}}), "km/h"},
        {compound(1000.0, {{U::joule, 1}, {U::kilogram, -1}, {U::kelvin, -1}}), "kJ/(kg.K)"},
        {compound(1e-6, {{U::kilogram, 1}}), "mg"},
        {compound(1e-3, {{U::liter, 1}}), "mL"},
        {compound(0.01, {{U::gram, 1}, {U::liter, -1}}), "mg/dL"},
        {compound(1.0, {{U::watt, 1}, {U::meter, -2}, {U::celsius, -1}}), "W/(m2.K)"},
        {compound(1.0, {{U::intl_british_thermal_unit, 1}, {U::hour, -1}, {U::square_foot, -1}, {U::fahrenheit, -1}}),
         "[Btu_IT]/([ft_i]2.h.[degR])"},
        {compound(1e-2, {}), "%"},
        {Unit::fromCode(U::celsius).value().difference(), "K"},
        {Unit::fromCode(U::fahrenheit).value().difference(), "[degR]"},
        {compound(1e-3, {{U::celsius, 1}}), "mCel"},
        {compound(2.0, {{U::fahrenheit, 1}}), "2.[degF]"},
    };
    for (const auto& [unit, ucum] : compounds) {
        SCOPED_TRACE(ucum);
        EXPECT_EQ(toUcum(unit).value(), ucum);
    }
}

TEST(Ucum, CommonCodesReadAndWriteAlike) {
    for (const char* code :
         {"mg/dL",  "g/dL", "mmol/L", "mm[Hg]",         "cm[H2O]", "kg/m2",    "[lb_av]",  "[in_i]",  "Cel",
          "[degF]", "/min", "mL/min", "mL/(kg.min)",    "10*9/L",  "kcal",     "[mi_i]/h", "%",       "[ppm]",
          "u",      "eV",   "[mu_0]", "4.10*-7.[pi].s", "[car_m]", "[tbs_us]", "a",        "L/(8.h)", "10*-6.[lb_av]",
          "1"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(toUcum(fromUcum(code).value()).value(), code);
    }
}

// Read back, a written unit has the same dimension and factor, to within 4 ulps of the catalogue's definitions.
void expectReadsBack(const Unit& unit) {
    const qelunits::Result<std::string> text = toUcum(unit);
    ASSERT_TRUE(text) << unit.symbol() << ": " << text.message();
    SCOPED_TRACE(*text);
    const qelunits::Result<Unit> back = fromUcum(*text);
    ASSERT_TRUE(back) << back.message();
    EXPECT_EQ(back->exponents(), unit.exponents());
    const double ulp = std::nextafter(unit.factor(), HUGE_VAL) - unit.factor();
    EXPECT_LE(std::fabs(back->factor() - unit.factor()), 4.0 * ulp);
    // A reading reads back as one; a difference comes back as its absolute degree, UCUM having no differences.
    EXPECT_TRUE(back->isTemperaturePoint() || !unit.isTemperaturePoint());
}

TEST(Ucum, EveryCatalogueUnitReadsBack) {
    for (int code = 1; code < QelUnit::kUnitCount; ++code) {
        for (const int power : {1, -1, 2}) {
            SCOPED_TRACE(std::to_string(code) + "^" + std::to_string(power));
            const Unit unit = Unit::fromCode(static_cast<QelUnit::BuiltinUnits>(code), power).value();
            expectReadsBack(unit);
            expectReadsBack(unit.difference());
        }
    }
    using U = QelUnit::BuiltinUnits;
    for (const Unit& unit :
         {compound(1.0, {{U::kilogram, 1}, {U::meter, 1}, {U::second, -2}}),
          compound(1.0, {{U::pound_force, 1}, {U::second, 2}, {U::foot, -1}}),
          compound(0.01, {{U::liter, 1}, {U::kilometer, -1}}), compound(0.3048, {{U::meter, 1}}),
          compound(2.5, {{U::cubic_foot_per_second, 1}}), compound(1.0 / 3.0, {{U::inches, 1}}),
          compound(3.141592653589793, {{U::radian, 1}}), compound(1e-300, {{U::meter, -1}}), compound(1.7e308, {})}) {
        expectReadsBack(unit);
    }
}

// Random texts of UCUM's characters and of any bytes: a unit that reads back, or a failure that says where.
void expectReadsBackOrSaysWhere(const std::string& text) {
    SCOPED_TRACE(text);
    const qelunits::Result<Unit> unit = fromUcum(text);
    if (unit) {
        EXPECT_TRUE(std::isfinite(unit->factor()) && unit->factor() > 0.0);
        expectReadsBack(*unit);
    } else {
        EXPECT_NE(unit.kind(), ErrorKind::None);
        EXPECT_LE(unit.position(), text.size());
        EXPECT_FALSE(unit.message().empty());
    }
}

// A prefixed atom is written so that the value API reads it back as itself, also where the prefixed symbol
// names another unit there: UCUM's ft (a femtotonne) is no foot, its pt (a picotonne) no pint.
TEST(Ucum, PrefixedAtomsAreWrittenAsWhatTheyAre) {
    for (const char* code : {"ft", "pt", "mt", "Gt", "ms", "mg/dL", "kPa", "ug/L", "[ft_i]"}) {
        SCOPED_TRACE(code);
        const qelunits::Unit unit = qelunits::fromUcum(code).value();
        const qelunits::Result<qelunits::Unit> back = qelunits::Unit::parse(unit.symbol());
        ASSERT_TRUE(back) << unit.symbol() << ": " << back.message();
        EXPECT_TRUE(*back == unit) << unit.symbol();
    }
}

TEST(Ucum, RandomTextsNeverBreakIt) {
    std::mt19937 random(20260615);
    const std::string alphabet = "mgsLKk[]_iftu{}()./+-0123456789*^%'CelHz\xC2\xB5 ";
    for (int n = 0; n < 5000; ++n) {
        std::string text;
        const auto length = random() % 24;
        for (unsigned long i = 0; i < length; ++i) {
            text += n % 2 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
        }
        expectReadsBackOrSaysWhere(text);
    }
    // Texts of atoms, prefixes, exponents, numbers and operators: mostly units, of every shape.
    const char* atoms[] = {"m",   "g",   "s",    "K",      "Cel",      "[degF]", "[ft_i]", "[lb_av]", "L",
                           "min", "h",   "mol",  "Pa",     "J",        "W",      "V",      "A",       "N",
                           "%",   "10*", "[pi]", "mm[Hg]", "[gal_us]", "eq",     "U",      "deg",     "sr",
                           "Hz",  "t",   "bar",  "u",      "eV",       "[psi]",  "cal",    "{x}",     "[in_i]"};
    const char* prefixes[] = {"", "", "", "k", "m", "u", "c", "d", "M", "n", "da"};
    const char* exponents[] = {"", "", "", "2", "3", "-1", "-2", "+2", "0"};
    const char* numbers[] = {"2", "10", "1000", "3"};
    for (int n = 0; n < 5000; ++n) {
        std::string text = random() % 8 == 0 ? "/" : "";
        const auto components = 1 + random() % 5;
        int open = 0;
        for (unsigned long c = 0; c < components; ++c) {
            text += c == 0 ? "" : random() % 2 == 0 ? "." : "/";
            if (random() % 6 == 0) {
                text += "(";
                ++open;
            }
            if (random() % 8 == 0) {
                text += numbers[random() % 4];
            } else {
                text += std::string(prefixes[random() % 11]) + atoms[random() % 36] + exponents[random() % 9];
            }
        }
        text += std::string(static_cast<std::size_t>(open), ')');
        expectReadsBackOrSaysWhere(text);
    }
}

TEST(Ucum, DeepAndLongTextsRead) {
    const std::string deep = std::string(100000, '(') + "m" + std::string(100000, ')');
    EXPECT_EQ(fromUcum(deep).value(), Unit::fromCode(QelUnit::meter).value());
    EXPECT_EQ(fromUcum(std::string(100000, '(') + "m").kind(), ErrorKind::Syntax);
    std::string longText = "m";
    for (int i = 0; i < 50000; ++i) {
        longText += i % 2 == 0 ? ".[ft_i]" : "/[ft_i]";
    }
    EXPECT_EQ(fromUcum(longText).value(), Unit::fromCode(QelUnit::meter).value());
}

} // namespace
