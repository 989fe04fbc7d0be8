// The physical constants (CODATA 2022), through their public header: the values against the SI definitions and
// against the exact relations between constants, the units, the lookup, and the spellings against the unit reader.

#include <qelunits/Constants.h>
#include <qelunits/Quantity.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

namespace c = qelunits::constants;
using qelunits::Constant;
using qelunits::ErrorKind;
using qelunits::Quantity;
using qelunits::Unit;

constexpr long double kPi = 3.141592653589793238462643383279502884L;

Quantity q(const Constant& constant) { return qelunits::quantity(constant); }

// x solving n(1 − e^−x) = x, by Newton's method from n.
long double wienRoot(long double n) {
    long double x = n;
    for (int i = 0; i < 50; ++i) {
        x -= (n * (1.0L - std::exp(-x)) - x) / (n * std::exp(-x) - 1.0L);
    }
    return x;
}

TEST(Constants, DefiningAndConventionalValuesAreThoseOfTheirDefinitions) {
    // As the SI brochure (2019) and the conventions fix them.
    const std::pair<const Constant&, double> cases[] = {
        {c::caesium_hyperfine_frequency, 9192631770.0},
        {c::speed_of_light, 299792458.0},
        {c::planck_constant, 6.62607015e-34},
        {c::elementary_charge, 1.602176634e-19},
        {c::boltzmann_constant, 1.380649e-23},
        {c::avogadro_constant, 6.02214076e23},
        {c::luminous_efficacy, 683.0},
        {c::standard_gravity, 9.80665},
        {c::standard_atmosphere, 101325.0},
        {c::conventional_josephson_constant, 483597.9e9},
        {c::conventional_von_klitzing_constant, 25812.807},
    };
    for (const auto& [constant, value] : cases) {
        SCOPED_TRACE(constant.name);
        EXPECT_EQ(constant.value, value);
        EXPECT_TRUE(constant.isExact() && constant.uncertainty == 0.0);
    }
}

TEST(Constants, ExactDerivedValuesAreTheNearestDoublesToTheirFormulas) {
    const long double h = 6.62607015e-34L, e = 1.602176634e-19L, k = 1.380649e-23L, na = 6.02214076e23L;
    const long double cl = 299792458.0L;
    const std::pair<const Constant&, long double> cases[] = {
        {c::reduced_planck_constant, h / (2 * kPi)},
        {c::molar_gas_constant, na * k},
        {c::faraday_constant, na * e},
        {c::stefan_boltzmann_constant, 2 * std::pow(kPi, 5.0L) * std::pow(k, 4.0L) / (15 * h * h * h * cl * cl)},
        {c::josephson_constant, 2 * e / h},
        {c::von_klitzing_constant, h / (e * e)},
        {c::molar_volume_of_ideal_gas, na * k * 273.15L / 101325.0L},
        {c::wien_wavelength_displacement_constant, h * cl / (k * wienRoot(5))},
        {c::wien_frequency_displacement_constant, wienRoot(3) * k / h},
    };
    for (const auto& [constant, exact] : cases) {
        SCOPED_TRACE(constant.name);
        // Within the rounding to a double: the long double formula is good to a few parts in 1e19.
        EXPECT_LE(std::fabs(static_cast<double>(static_cast<long double>(constant.value) / exact - 1.0L)), 1.2e-16);
        EXPECT_EQ(constant.status, qelunits::ConstantStatus::Exact);
    }
}

TEST(Constants, MeasuredValuesKeepTheExactRelationsBetweenThem) {
    // Each relation holds exactly between the true values; the CODATA values keep it within their uncertainty.
    const Quantity alpha = q(c::fine_structure_constant), me = q(c::electron_mass), cl = q(c::speed_of_light);
    const Quantity h = q(c::planck_constant), hbar = q(c::reduced_planck_constant), e = q(c::elementary_charge);
    const std::tuple<const Constant&, Quantity, double> cases[] = {
        {c::magnetic_constant, 2.0 * alpha * h / (e * e * cl), 1e-10},
        {c::electric_constant, 1.0 / (q(c::magnetic_constant) * cl * cl), 1e-10},
        {c::characteristic_impedance_of_vacuum, q(c::magnetic_constant) * cl, 1e-10},
        {c::bohr_radius, hbar / (alpha * me * cl), 1e-10},
        {c::hartree_energy, alpha * alpha * me * cl * cl, 1e-10},
        {c::rydberg_constant, alpha * alpha * me * cl / (2.0 * h), 1e-10},
        {c::classical_electron_radius, alpha * alpha * q(c::bohr_radius), 1e-10},
        {c::bohr_magneton, e * hbar / (2.0 * me), 1e-10},
        {c::nuclear_magneton, e * hbar / (2.0 * q(c::proton_mass)), 1e-10},
        {c::proton_mass, 1836.152673426 * me, 1e-10},                // m_p/m_e, CODATA 2022
        {c::neutron_mass, 1.00137841946 * q(c::proton_mass), 1e-10}, // m_n/m_p, CODATA 2022
        {c::atomic_mass_constant, Quantity(1.0, Unit("Da")), 1e-15}, // the catalogue's dalton
        {c::molar_gas_constant, q(c::avogadro_constant) * q(c::boltzmann_constant), 1e-15},
        {c::standard_atmosphere, Quantity(1.0, Unit("atm")), 1e-15},
    };
    for (const auto& [constant, expected, tolerance] : cases) {
        SCOPED_TRACE(constant.name);
        EXPECT_TRUE(approxEqual(q(constant), expected, tolerance)) << q(constant) << " vs " << expected;
        EXPECT_EQ(constant.isExact(), constant.uncertainty == 0.0);
    }
    EXPECT_EQ(c::gravitational_constant.uncertainty, 2.2e-5);
    EXPECT_FALSE(c::gravitational_constant.isExact());
}

TEST(Constants, EveryUnitTextReadsWithFactorOne) {
    std::size_t count = 0;
    for (const Constant& constant : qelunits::allConstants()) {
        SCOPED_TRACE(constant.name);
        const qelunits::Result<Unit> unit = Unit::parse(constant.unit);
        ASSERT_TRUE(unit) << unit.message();
        EXPECT_EQ(unit->factor(), 1.0);
        EXPECT_EQ(q(constant).value(), constant.value);
        ++count;
    }
    EXPECT_EQ(count, 35U);
    EXPECT_TRUE(q(c::fine_structure_constant).unit().isDimensionless());
    EXPECT_EQ(q(c::gravitational_constant).unit().dimension(), Unit("N*m^2/kg^2").dimension());
}

TEST(Constants, EachNameAndSpellingFindsItsConstant) {
    for (const Constant& constant : qelunits::allConstants()) {
        std::vector<std::string> texts = {constant.name};
        std::istringstream spellings{std::string(constant.spellings)}; // blank-separated
        for (std::string word; spellings >> word;) {
            texts.push_back(word);
        }
        for (const std::string& text : texts) {
            SCOPED_TRACE(text);
            const qelunits::Result<Constant> found = qelunits::constant(text);
            ASSERT_TRUE(found) << found.message();
            EXPECT_EQ(std::string(found->name), constant.name);
            // Free in the unit reader today, or already this same constant there (perhaps at its 2018 value).
            const qelunits::Result<Unit> unit = Unit::parse(text);
            if (unit) {
                EXPECT_EQ(unit->exponents(), Unit::parse(constant.unit)->exponents());
                EXPECT_NEAR(unit->factor() / constant.value, 1.0, 1e-8);
            }
        }
    }
}

TEST(Constants, LookupReadsNamesFreelyAndRefusesPrintedSymbolsTheReaderGivesAway) {
    // The text, the name it finds (or nullptr) and the kind.
    const std::tuple<const char*, const char*, ErrorKind> cases[] = {
        {"Speed of light", "speed_of_light", ErrorKind::None},
        {"  k_B ", "boltzmann_constant", ErrorKind::None},
        {"\u00B5_B", "bohr_magneton", ErrorKind::None}, // the micro sign for the Greek mu
        {"stefan-boltzmann constant", "stefan_boltzmann_constant", ErrorKind::None},
        {"c", nullptr, ErrorKind::RefusedText},
        {"G", nullptr, ErrorKind::RefusedText},
        {"M_E", nullptr, ErrorKind::UnknownUnit}, // symbols keep their case
        {"speed_of_lite", nullptr, ErrorKind::UnknownUnit},
        {" ", nullptr, ErrorKind::InvalidText},
        {"\xFF", nullptr, ErrorKind::InvalidText},
    };
    for (const auto& [text, name, kind] : cases) {
        SCOPED_TRACE(text);
        const qelunits::Result<Constant> found = qelunits::constant(text);
        EXPECT_EQ(found.kind(), kind) << found.message();
        if (name != nullptr && found) {
            EXPECT_EQ(std::string(found->name), name);
        }
    }
    EXPECT_NE(qelunits::constant("h").message().find("'h_planck'"), std::string::npos);
    EXPECT_NE(qelunits::constant("speed_of_lite").message().find("did you mean 'speed_of_light'"), std::string::npos);
}

} // namespace
