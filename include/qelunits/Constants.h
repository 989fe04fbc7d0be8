#ifndef QELUNITS_CONSTANTS_H
#define QELUNITS_CONSTANTS_H

// Physical constants: the 2022 CODATA recommended values (NIST, May 2024), the
// seven constants that define the SI, constants exact by formula or by
// convention (ħ, R, σ, K_J-90, g_n) and the common measured ones with their
// relative standard uncertainty.
//
//     const qelunits::Quantity c = qelunits::quantity(qelunits::constants::speed_of_light); // 299792458 m/s
//     double k = qelunits::constants::boltzmann_constant.value;                            // in J/K
//     qelunits::Result<qelunits::Constant> muB = qelunits::constant("mu_B");
//
// Each constant's value is in its unit, a text qelunits::Unit reads whose
// factor to the coherent SI unit is 1 ("J/K", "m^3/(kg*s^2)"), so that value is
// also the SI value. An exact value that is no finite decimal (ħ = h/2π) is the
// nearest double.
//
// Thread safety: constant data; the functions may be called from any threads.

#include <qelunits/Error.h>
#include <qelunits/Export.h>
#include <qelunits/Quantity.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qelunits {

/// How a constant's value is known.
enum class ConstantStatus : std::uint8_t {
    Defining, ///< one of the seven constants that define the SI: exact
    Exact,    ///< exact by a formula of the defining constants (ħ, R, σ) or by convention (K_J-90, g_n, atm)
    Measured, ///< measured: the CODATA 2022 value, with a relative standard uncertainty
};

/// A physical constant: its names, value and unit. A plain aggregate of constant texts.
struct Constant {
    const char* name;      ///< unique, snake_case: "speed_of_light"
    const char* symbol;    ///< as printed: "c", "ħ", "μ_B" (some are read as units otherwise: see spellings)
    const char* spellings; ///< what constant() reads besides the name, blank-separated: "c0 c_0"; may be ""
    double value;          ///< in unit, which is also the coherent SI unit
    const char* unit;      ///< a unit text qelunits::Unit reads, of factor 1: "m/s", "J/(mol*K)", "1"
    double uncertainty;    ///< relative standard uncertainty; 0 when exact
    ConstantStatus status; ///< defining, exact or measured
    const char* title;     ///< CODATA's name of the quantity: "speed of light in vacuum"

    /// True unless measured.
    constexpr bool isExact() const noexcept { return status != ConstantStatus::Measured; }
};

/// The constants, each under its name, in the order of allConstants().
namespace constants {

// clang-format off
/// Hyperfine transition frequency of Cs-133, in Hz: exact, defines the SI.
inline constexpr Constant caesium_hyperfine_frequency{"caesium_hyperfine_frequency", "\u0394\u03BD_Cs", "\u0394\u03BD_Cs delta_nu_Cs", 9192631770.0, "Hz", 0.0, ConstantStatus::Defining, "hyperfine transition frequency of Cs-133"};
/// Speed of light in vacuum, in m/s: exact, defines the SI.
inline constexpr Constant speed_of_light{"speed_of_light", "c", "c0 c_0", 299792458.0, "m/s", 0.0, ConstantStatus::Defining, "speed of light in vacuum"};
/// Planck constant, in J*s: exact, defines the SI.
inline constexpr Constant planck_constant{"planck_constant", "h", "h_planck \u210E", 6.62607015e-34, "J*s", 0.0, ConstantStatus::Defining, "Planck constant"};
/// Elementary charge, in A*s: exact, defines the SI.
inline constexpr Constant elementary_charge{"elementary_charge", "e", "e", 1.602176634e-19, "A*s", 0.0, ConstantStatus::Defining, "elementary charge"};
/// Boltzmann constant, in J/K: exact, defines the SI.
inline constexpr Constant boltzmann_constant{"boltzmann_constant", "k", "k_B", 1.380649e-23, "J/K", 0.0, ConstantStatus::Defining, "Boltzmann constant"};
/// Avogadro constant, in 1/mol: exact, defines the SI.
inline constexpr Constant avogadro_constant{"avogadro_constant", "N_A", "N_A", 6.02214076e23, "1/mol", 0.0, ConstantStatus::Defining, "Avogadro constant"};
/// Luminous efficacy of 540 THz radiation, in lm/W: exact, defines the SI.
inline constexpr Constant luminous_efficacy{"luminous_efficacy", "K_cd", "K_cd", 683.0, "lm/W", 0.0, ConstantStatus::Defining, "luminous efficacy of 540 THz radiation"};
/// Reduced Planck constant, in J*s: exact.
inline constexpr Constant reduced_planck_constant{"reduced_planck_constant", "\u0127", "\u0127 hbar", 1.054571817646156391262e-34, "J*s", 0.0, ConstantStatus::Exact, "reduced Planck constant"};
/// Molar gas constant, in J/(mol*K): exact.
inline constexpr Constant molar_gas_constant{"molar_gas_constant", "R", "R_gas", 8.31446261815324, "J/(mol*K)", 0.0, ConstantStatus::Exact, "molar gas constant"};
/// Faraday constant, in C/mol: exact.
inline constexpr Constant faraday_constant{"faraday_constant", "F", "", 96485.3321233100184, "C/mol", 0.0, ConstantStatus::Exact, "Faraday constant"};
/// Stefan-Boltzmann constant, in W/(m^2*K^4): exact.
inline constexpr Constant stefan_boltzmann_constant{"stefan_boltzmann_constant", "\u03C3", "\u03C3 sigma", 5.670374419184429453971e-8, "W/(m^2*K^4)", 0.0, ConstantStatus::Exact, "Stefan-Boltzmann constant"};
/// Wien wavelength displacement law constant, in m*K: exact.
inline constexpr Constant wien_wavelength_displacement_constant{"wien_wavelength_displacement_constant", "b", "b_wien", 2.897771955185172661479e-3, "m*K", 0.0, ConstantStatus::Exact, "Wien wavelength displacement law constant"};
/// Wien frequency displacement law constant, in Hz/K: exact.
inline constexpr Constant wien_frequency_displacement_constant{"wien_frequency_displacement_constant", "b\u2032", "", 58789257576.46824946606, "Hz/K", 0.0, ConstantStatus::Exact, "Wien frequency displacement law constant"};
/// Josephson constant, in Hz/V: exact.
inline constexpr Constant josephson_constant{"josephson_constant", "K_J", "K_J", 483597848416983.6324477, "Hz/V", 0.0, ConstantStatus::Exact, "Josephson constant"};
/// Von Klitzing constant, in ohm: exact.
inline constexpr Constant von_klitzing_constant{"von_klitzing_constant", "R_K", "R_K", 25812.80745930450666005, "ohm", 0.0, ConstantStatus::Exact, "von Klitzing constant"};
/// Molar volume of ideal gas (273.15 K, 101.325 kPa), in m^3/mol: exact.
inline constexpr Constant molar_volume_of_ideal_gas{"molar_volume_of_ideal_gas", "V_m", "V_m", 0.02241396954501413773501, "m^3/mol", 0.0, ConstantStatus::Exact, "molar volume of ideal gas (273.15 K, 101.325 kPa)"};
/// Conventional value of Josephson constant, in Hz/V: exact.
inline constexpr Constant conventional_josephson_constant{"conventional_josephson_constant", "K_J-90", "K_J90", 483597.9e9, "Hz/V", 0.0, ConstantStatus::Exact, "conventional value of Josephson constant"};
/// Conventional value of von Klitzing constant, in ohm: exact.
inline constexpr Constant conventional_von_klitzing_constant{"conventional_von_klitzing_constant", "R_K-90", "R_K90", 25812.807, "ohm", 0.0, ConstantStatus::Exact, "conventional value of von Klitzing constant"};
/// Standard acceleration of gravity, in m/s^2: exact.
inline constexpr Constant standard_gravity{"standard_gravity", "g_n", "g_n g0", 9.80665, "m/s^2", 0.0, ConstantStatus::Exact, "standard acceleration of gravity"};
/// Standard atmosphere, in Pa: exact.
inline constexpr Constant standard_atmosphere{"standard_atmosphere", "atm", "atm", 101325.0, "Pa", 0.0, ConstantStatus::Exact, "standard atmosphere"};
/// Newtonian constant of gravitation, in m^3/(kg*s^2): relative standard uncertainty 2.2e-5.
inline constexpr Constant gravitational_constant{"gravitational_constant", "G", "G_N", 6.67430e-11, "m^3/(kg*s^2)", 2.2e-5, ConstantStatus::Measured, "Newtonian constant of gravitation"};
/// Electron mass, in kg: relative standard uncertainty 3.1e-10.
inline constexpr Constant electron_mass{"electron_mass", "m_e", "m_e", 9.1093837139e-31, "kg", 3.1e-10, ConstantStatus::Measured, "electron mass"};
/// Proton mass, in kg: relative standard uncertainty 3.1e-10.
inline constexpr Constant proton_mass{"proton_mass", "m_p", "m_p", 1.67262192595e-27, "kg", 3.1e-10, ConstantStatus::Measured, "proton mass"};
/// Neutron mass, in kg: relative standard uncertainty 5.1e-10.
inline constexpr Constant neutron_mass{"neutron_mass", "m_n", "m_n", 1.67492750056e-27, "kg", 5.1e-10, ConstantStatus::Measured, "neutron mass"};
/// Atomic mass constant, in kg: relative standard uncertainty 3.1e-10.
inline constexpr Constant atomic_mass_constant{"atomic_mass_constant", "m_u", "m_u", 1.66053906892e-27, "kg", 3.1e-10, ConstantStatus::Measured, "atomic mass constant"};
/// Fine-structure constant, in 1: relative standard uncertainty 1.6e-10.
inline constexpr Constant fine_structure_constant{"fine_structure_constant", "\u03B1", "\u03B1 alpha", 7.2973525643e-3, "1", 1.6e-10, ConstantStatus::Measured, "fine-structure constant"};
/// Rydberg constant, in 1/m: relative standard uncertainty 1.1e-12.
inline constexpr Constant rydberg_constant{"rydberg_constant", "R\u221E", "R\u221E R_inf", 10973731.568157, "1/m", 1.1e-12, ConstantStatus::Measured, "Rydberg constant"};
/// Bohr radius, in m: relative standard uncertainty 1.6e-10.
inline constexpr Constant bohr_radius{"bohr_radius", "a0", "a0 a_0", 5.29177210544e-11, "m", 1.6e-10, ConstantStatus::Measured, "Bohr radius"};
/// Hartree energy, in J: relative standard uncertainty 1.1e-12.
inline constexpr Constant hartree_energy{"hartree_energy", "E_h", "E_h", 4.3597447222060e-18, "J", 1.1e-12, ConstantStatus::Measured, "Hartree energy"};
/// Classical electron radius, in m: relative standard uncertainty 4.7e-10.
inline constexpr Constant classical_electron_radius{"classical_electron_radius", "r_e", "r_e", 2.8179403205e-15, "m", 4.7e-10, ConstantStatus::Measured, "classical electron radius"};
/// Vacuum magnetic permeability, in N/A^2: relative standard uncertainty 1.6e-10.
inline constexpr Constant magnetic_constant{"magnetic_constant", "\u03BC0", "\u03BC0 \u03BC_0 mu0 mu_0", 1.25663706127e-6, "N/A^2", 1.6e-10, ConstantStatus::Measured, "vacuum magnetic permeability"};
/// Vacuum electric permittivity, in F/m: relative standard uncertainty 1.6e-10.
inline constexpr Constant electric_constant{"electric_constant", "\u03B50", "\u03B50 \u03B5_0 eps0 epsilon_0", 8.8541878188e-12, "F/m", 1.6e-10, ConstantStatus::Measured, "vacuum electric permittivity"};
/// Characteristic impedance of vacuum, in ohm: relative standard uncertainty 1.6e-10.
inline constexpr Constant characteristic_impedance_of_vacuum{"characteristic_impedance_of_vacuum", "Z0", "Z0 Z_0", 376.730313412, "ohm", 1.6e-10, ConstantStatus::Measured, "characteristic impedance of vacuum"};
/// Bohr magneton, in J/T: relative standard uncertainty 3.1e-10.
inline constexpr Constant bohr_magneton{"bohr_magneton", "\u03BC_B", "\u03BC_B mu_B", 9.2740100657e-24, "J/T", 3.1e-10, ConstantStatus::Measured, "Bohr magneton"};
/// Nuclear magneton, in J/T: relative standard uncertainty 3.1e-10.
inline constexpr Constant nuclear_magneton{"nuclear_magneton", "\u03BC_N", "\u03BC_N mu_N", 5.0507837393e-27, "J/T", 3.1e-10, ConstantStatus::Measured, "nuclear magneton"};
// clang-format on

} // namespace constants

/// Every constant once, in a fixed order: a range of Constant.
class ConstantList {
public:
    /// count constants from first.
    constexpr ConstantList(const Constant* first, std::size_t count) noexcept : mFirst(first), mCount(count) {}
    /// The first.
    constexpr const Constant* begin() const noexcept { return mFirst; }
    /// Past the last.
    constexpr const Constant* end() const noexcept { return mFirst + mCount; }
    /// How many.
    constexpr std::size_t size() const noexcept { return mCount; }
    /// The constant at index (below size()).
    constexpr const Constant& operator[](std::size_t index) const noexcept { return mFirst[index]; }

private:
    const Constant* mFirst;
    std::size_t mCount;
};

/// Every constant of namespace constants, once each.
QELUNITS_EXPORT ConstantList allConstants() noexcept;

/// The constant of a name ("speed_of_light"; case and blanks for underscores are free: "Speed of light") or
/// of one of its spellings ("c0", "k_B", "μ_B", "mu_B"; in their own case). InvalidText for an empty text;
/// RefusedText for a symbol as printed that a unit text reads otherwise ("c" is centi, "h" the hour, "G" the
/// gauss: the message names the spelling to write); UnknownUnit otherwise, naming the nearest constant.
QELUNITS_EXPORT Result<Constant> constant(std::string_view nameOrSpelling);

/// The constant's value in its unit, as a quantity; the failure of Unit::parse where constant holds a unit text
/// that does not read (never for the library's own constants).
QELUNITS_EXPORT Result<Quantity> tryQuantity(const Constant& constant);
#if QELUNITS_HAS_EXCEPTIONS
/// tryQuantity; throws Error.
inline Quantity quantity(const Constant& constant) { return tryQuantity(constant).value(); }
#endif

} // namespace qelunits

#endif
