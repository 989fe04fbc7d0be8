#ifndef QELUNITS_SRC_CATALOG_CONSTANTS_H
#define QELUNITS_SRC_CATALOG_CONSTANTS_H

// Every physical constant of include/qelunits/Constants.h, where each is written
// once as a constant expression, in one list: what lookups, the unit reader and
// the bindings walk.

#include <qelunits/Constants.h>

#include <cstddef>

namespace qelunits_detail {

namespace c = qelunits::constants;

// clang-format off
inline constexpr qelunits::Constant kConstantTable[] = {
    // The seven constants that define the SI (since 20 May 2019).
    c::caesium_hyperfine_frequency, c::speed_of_light, c::planck_constant, c::elementary_charge,
    c::boltzmann_constant, c::avogadro_constant, c::luminous_efficacy,
    // Exact by formulas of the defining constants, and by convention.
    c::reduced_planck_constant, c::molar_gas_constant, c::faraday_constant, c::stefan_boltzmann_constant,
    c::wien_wavelength_displacement_constant, c::wien_frequency_displacement_constant, c::josephson_constant,
    c::von_klitzing_constant, c::molar_volume_of_ideal_gas, c::conventional_josephson_constant,
    c::conventional_von_klitzing_constant, c::standard_gravity, c::standard_atmosphere,
    // Measured: the value and its relative standard uncertainty.
    c::gravitational_constant, c::electron_mass, c::proton_mass, c::neutron_mass, c::atomic_mass_constant,
    c::fine_structure_constant, c::rydberg_constant, c::bohr_radius, c::hartree_energy,
    c::classical_electron_radius, c::magnetic_constant, c::electric_constant,
    c::characteristic_impedance_of_vacuum, c::bohr_magneton, c::nuclear_magneton,
};
// clang-format on

/// Number of constants.
inline constexpr std::size_t kConstantCount = sizeof(kConstantTable) / sizeof(kConstantTable[0]);

} // namespace qelunits_detail

#endif
