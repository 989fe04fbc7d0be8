#ifndef QELUNITS_SRC_PARSE_VOCABULARY_SCIENCE_H
#define QELUNITS_SRC_PARSE_VOCABULARY_SCIENCE_H

// Units of the sciences that the catalogue lacks: charge, concentration,
// the CGS units, radiation, atomic units, constants written as units, and
// information. The SI-like ones take prefixes (Prefixable.h); here are their
// other spellings and the unprefixable ones.

#include "parse/Meaning.h"

#include <qelunits/Constants.h>

namespace qelunits_detail {

// clang-format off
inline constexpr VocabularyEntry kScienceSpellings[] = {
    // Concentration: 1 M = 1 mol/l. Only the prefixes chemists use: "cM", "MM" or "PM" are no molarities.
    {L"M", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::liter)},
    {L"molar", Spelling::Name, vocab::per(QelUnit::mole, QelUnit::liter)},
    {L"mM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::liter, 1e-3)},
    {L"millimolar", Spelling::Name, vocab::per(QelUnit::mole, QelUnit::liter, 1e-3)},
    {L"\u00B5M", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::liter, 1e-6)}, // micro sign
    {L"\u03BCM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::liter, 1e-6)}, // Greek mu
    {L"uM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::liter, 1e-6)},
    {L"micromolar", Spelling::Name, vocab::per(QelUnit::mole, QelUnit::liter, 1e-6)},
    {L"nM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::liter, 1e-9)},
    {L"nanomolar", Spelling::Name, vocab::per(QelUnit::mole, QelUnit::liter, 1e-9)},
    {L"pM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::liter, 1e-12)},
    {L"picomolar", Spelling::Name, vocab::per(QelUnit::mole, QelUnit::liter, 1e-12)},
    {L"fM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::liter, 1e-15)},
    {L"femtomolar", Spelling::Name, vocab::per(QelUnit::mole, QelUnit::liter, 1e-15)},
    // The calorie family. "cal" and its prefixes are the thermochemical calorie (4.184 J).
    {L"cal", Spelling::Symbol, vocab::unit(QelUnit::joule, 4.184)},
    {L"kcal", Spelling::Symbol, vocab::unit(QelUnit::joule, 4184.0)},
    {L"kcals", Spelling::Symbol, vocab::unit(QelUnit::joule, 4184.0)},
    {L"Cal", Spelling::Symbol, vocab::unit(QelUnit::joule, 4184.0)},                  // the food Calorie: 1 kcal
    {L"cal/s", Spelling::Symbol, vocab::per(QelUnit::joule, QelUnit::second, 4.184)},
    {L"kcal/s", Spelling::Symbol, vocab::per(QelUnit::joule, QelUnit::second, 4184.0)},
    {L"cal th", Spelling::Name, vocab::unit(QelUnit::joule, 4.184)},
    {L"calorie th", Spelling::Name, vocab::unit(QelUnit::joule, 4.184)},
    {L"thermochemical calorie", Spelling::Name, vocab::unit(QelUnit::joule, 4.184)},
    {L"thermochemical calories", Spelling::Name, vocab::unit(QelUnit::joule, 4.184)},
    {L"kcal th", Spelling::Name, vocab::unit(QelUnit::joule, 4184.0)},
    // The International Table calorie is the catalogue's (4.1868 J).
    {L"cal IT", Spelling::Name, vocab::unit(QelUnit::intl_calorie)},
    {L"calorie IT", Spelling::Name, vocab::unit(QelUnit::intl_calorie)},
    {L"IT calorie", Spelling::Name, vocab::unit(QelUnit::intl_calorie)},
    {L"IT calories", Spelling::Name, vocab::unit(QelUnit::intl_calorie)},
    {L"international calorie", Spelling::Name, vocab::unit(QelUnit::intl_calorie)},
    {L"international calories", Spelling::Name, vocab::unit(QelUnit::intl_calorie)},
    {L"international table calorie", Spelling::Name, vocab::unit(QelUnit::intl_calorie)},
    {L"kcal IT", Spelling::Name, vocab::unit(QelUnit::intl_kilocalorie)},
    {L"kilocalorie IT", Spelling::Name, vocab::unit(QelUnit::intl_kilocalorie)},
    {L"cal 15", Spelling::Name, vocab::unit(QelUnit::joule, 4.1855)},                // the 15 °C calorie
    // A capital C means the food kilocalorie on a label and the calorie to a case-blind reader.
    {L"Calorie", Spelling::Refused, vocab::none(), L"'Calorie' is the food kilocalorie to some and the calorie to others: write 'kcal' or 'cal'"},
    {L"Calories", Spelling::Refused, vocab::none(), L"'Calories' are food kilocalories to some and calories to others: write 'kcal' or 'cal'"},
    // Charge.
    {L"abcoulomb", Spelling::Name, {10.0, {{QelUnit::ampere, 1}, {QelUnit::second, 1}}}}, // 10 C
    {L"statcoulomb", Spelling::Name, {3.3356409519815204e-10, {{QelUnit::ampere, 1}, {QelUnit::second, 1}}}}, // 0.1 C/c
    {L"faraday", Spelling::Name, {96485.33212331001, {{QelUnit::ampere, 1}, {QelUnit::second, 1}}}},       // e·NA per mole
    // Magnetism: "G" alone is also the gravitational constant and the giga of no unit.
    {L"G", Spelling::Refused, vocab::none(), L"'G' is the gauss or the gravitational constant: write 'gauss' or 'kG'"},
    {L"Gs", Spelling::Refused, vocab::none(), L"'Gs' is the gauss or a gigasecond: write 'gauss' or '1e9 s'"},
    {L"kG", Spelling::Symbol, {0.1, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::square_meters, -1}}}}, // kilogauss
    {L"mG", Spelling::Symbol, {1e-7, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::square_meters, -1}}}},
    {L"\u00B5G", Spelling::Symbol, {1e-10, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::square_meters, -1}}}},
    {L"uG", Spelling::Symbol, {1e-10, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::square_meters, -1}}}},
    {L"gamma", Spelling::Name, {1e-9, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::square_meters, -1}}}}, // 1 nT
    // Radiation. "R" alone is also the gas constant, and "rad" stays the radian.
    {L"R", Spelling::Refused, vocab::none(), L"'R' is the roentgen, the gas constant or degrees Rankine: write 'roentgen', or '\u00B0R' or 'degR'"},
    // Atomic and nuclear units (CODATA 2018).
    // Atomic units: measured, with the uncertainty of the constants they are (CODATA 2022).
    {L"hartree", Spelling::Name, vocab::unit(QelUnit::joule, qelunits::constants::hartree_energy.value), nullptr, qelunits::constants::hartree_energy.uncertainty},
    {L"Eh", Spelling::Symbol, vocab::unit(QelUnit::joule, qelunits::constants::hartree_energy.value), nullptr, qelunits::constants::hartree_energy.uncertainty},
    {L"rydberg", Spelling::Name, vocab::unit(QelUnit::joule, qelunits::constants::hartree_energy.value / 2.0), nullptr, qelunits::constants::hartree_energy.uncertainty},
    {L"Ry", Spelling::Symbol, vocab::unit(QelUnit::joule, qelunits::constants::hartree_energy.value / 2.0), nullptr, qelunits::constants::hartree_energy.uncertainty},
    {L"bohr", Spelling::Name, vocab::unit(QelUnit::meter, qelunits::constants::bohr_radius.value), nullptr, qelunits::constants::bohr_radius.uncertainty},
    // "hbar" is ħ to physicists, who write it; a hectobar is written 10 kPa.
    {L"hbar", Spelling::Symbol, {qelunits::constants::reduced_planck_constant.value, {{QelUnit::joule, 1}, {QelUnit::second, 1}}}},
    {L"fermi", Spelling::Name, vocab::unit(QelUnit::meter, 1e-15)},
    {L"shake", Spelling::Name, vocab::unit(QelUnit::second, 1e-8)},
    {L"svedberg", Spelling::Name, vocab::unit(QelUnit::second, 1e-13)},
    {L"unified atomic mass unit", Spelling::Name, vocab::unit(QelUnit::dalton)},
    {L"unified atomic mass units", Spelling::Name, vocab::unit(QelUnit::dalton)},
    {L"atomic mass unit", Spelling::Name, vocab::unit(QelUnit::dalton)},
    {L"atomic mass units", Spelling::Name, vocab::unit(QelUnit::dalton)},
    // CGS units beyond those that take prefixes.
    {L"langley", Spelling::Name, vocab::per(QelUnit::joule, QelUnit::square_meters, 41840.0)}, // 1 cal/cm²
    {L"Ly", Spelling::Symbol, vocab::per(QelUnit::joule, QelUnit::square_meters, 41840.0)},
    {L"barye", Spelling::Name, vocab::unit(QelUnit::pascals, 0.1)},               // 1 dyn/cm²
    {L"Ba", Spelling::Symbol, vocab::unit(QelUnit::pascals, 0.1)},
    {L"kayser", Spelling::Name, {100.0, {{QelUnit::meter, -1}}}},                   // 1/cm
    {L"phot", Spelling::Name, vocab::unit(QelUnit::lux, 1e4)},                      // 1 lm/cm²
    {L"stilb", Spelling::Name, vocab::unit(QelUnit::candela_per_square_meter, 1e4)}, // 1 cd/cm²
    {L"lambert", Spelling::Name, vocab::unit(QelUnit::candela_per_square_meter, 3183.098861837907)}, // 1e4/π cd/m²
    // Pressure of a metre of mercury or water under standard gravity: "mm Hg" reads as a product.
    {L"Hg", Spelling::Symbol, vocab::unit(QelUnit::pascal_per_meter, 133322.387415)}, // 13595.1 kg/m³ × gn
    {L"H2O", Spelling::Symbol, vocab::unit(QelUnit::pascal_per_meter, 9806.65)},      // 1000 kg/m³ × gn
    // Counts and numbers.
    {L"count", Spelling::Name, vocab::number(1.0)},
    {L"pi", Spelling::Name, vocab::number(3.141592653589793)},
    {L"\u03C0", Spelling::Symbol, vocab::number(3.141592653589793)},
    // Information: "b" is the barn, and a kilo- or mega-"b" is read as bits and barns alike.
    {L"octet", Spelling::Name, vocab::number(8.0)},
    {L"baud", Spelling::Name, {1.0, {{QelUnit::second, -1}}}},                      // one symbol per second
    {L"Bd", Spelling::Symbol, {1.0, {{QelUnit::second, -1}}}},
    {L"bps", Spelling::Symbol, {1.0, {{QelUnit::second, -1}}}},                     // bit/s
    {L"kbps", Spelling::Symbol, {1e3, {{QelUnit::second, -1}}}},
    {L"Mbps", Spelling::Symbol, {1e6, {{QelUnit::second, -1}}}},
    {L"Gbps", Spelling::Symbol, {1e9, {{QelUnit::second, -1}}}},
    {L"Tbps", Spelling::Symbol, {1e12, {{QelUnit::second, -1}}}},
    {L"kb", Spelling::Refused, vocab::none(), L"'kb' is a kilobit or a kilobarn: write 'kbit' or 'kilobarn'"},
    {L"Kb", Spelling::Refused, vocab::none(), L"'Kb' is a kilobit or a kibibit: write 'kbit' or 'Kibit'"},
    {L"Mb", Spelling::Refused, vocab::none(), L"'Mb' is a megabit or a megabarn: write 'Mbit' or 'megabarn'"},
    {L"Gb", Spelling::Refused, vocab::none(), L"'Gb' is a gigabit or a gigabarn: write 'Gbit' or 'gigabarn'"},
    {L"Tb", Spelling::Refused, vocab::none(), L"'Tb' is a terabit or a terabarn: write 'Tbit' or 'terabarn'"},
    {L"Pb", Spelling::Refused, vocab::none(), L"'Pb' is a petabit or a petabarn: write 'Pbit' or 'petabarn'"},
    {L"KB", Spelling::Refused, vocab::none(), L"'KB' is 1000 or 1024 bytes: write 'kB' or 'KiB'"},
    {L"dB", Spelling::Refused, vocab::none(), L"decibels are a logarithm of a ratio, not a unit"},
    // Electromagnetic CGS units: EMU ("ab-") and ESU ("stat-"), with c = 299792458 m/s.
    {L"abampere", Spelling::Name, vocab::unit(QelUnit::ampere, 10.0)}, // 10 A
    {L"biot", Spelling::Name, vocab::unit(QelUnit::ampere, 10.0)},
    {L"abA", Spelling::Symbol, vocab::unit(QelUnit::ampere, 10.0)},
    {L"Bi", Spelling::Symbol, vocab::unit(QelUnit::ampere, 10.0)},
    {L"abvolt", Spelling::Name, vocab::unit(QelUnit::volt, 1e-8)},
    {L"abV", Spelling::Symbol, vocab::unit(QelUnit::volt, 1e-8)},
    {L"abohm", Spelling::Name, vocab::per(QelUnit::volt, QelUnit::ampere, 1e-9)},
    {L"abfarad", Spelling::Name, {1e9, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::volt, -1}}}},
    {L"abhenry", Spelling::Name, {1e-9, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::ampere, -1}}}},
    {L"abhenries", Spelling::Name, {1e-9, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::ampere, -1}}}},
    {L"abmho", Spelling::Name, vocab::per(QelUnit::ampere, QelUnit::volt, 1e9)},
    {L"absiemens", Spelling::Name, vocab::per(QelUnit::ampere, QelUnit::volt, 1e9)},
    {L"abC", Spelling::Symbol, {10.0, {{QelUnit::ampere, 1}, {QelUnit::second, 1}}}},
    {L"statvolt", Spelling::Name, vocab::unit(QelUnit::volt, 299.792458)}, // c/1e6 V
    {L"statV", Spelling::Symbol, vocab::unit(QelUnit::volt, 299.792458)},
    {L"statampere", Spelling::Name, vocab::unit(QelUnit::ampere, 3.3356409519815204e-10)}, // 0.1/c A
    {L"statA", Spelling::Symbol, vocab::unit(QelUnit::ampere, 3.3356409519815204e-10)},
    {L"statC", Spelling::Symbol, {3.3356409519815204e-10, {{QelUnit::ampere, 1}, {QelUnit::second, 1}}}},
    {L"statohm", Spelling::Name, vocab::per(QelUnit::volt, QelUnit::ampere, 8.987551787368176e11)}, // c^2/1e5 ohm
    {L"statfarad", Spelling::Name, {1.1126500560536185e-12, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::volt, -1}}}},
    {L"stathenry", Spelling::Name, {8.987551787368176e11, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::ampere, -1}}}},
    {L"stathenries", Spelling::Name, {8.987551787368176e11, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::ampere, -1}}}},
    {L"statmho", Spelling::Name, vocab::per(QelUnit::ampere, QelUnit::volt, 1.1126500560536185e-12)},
    {L"gilbert", Spelling::Name, vocab::unit(QelUnit::ampere, 0.7957747154594767)}, // 10/(4 pi) A
    {L"debye", Spelling::Name, {3.3356409519815204e-30, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::meter, 1}}}}, // 1e-21/c C m
    // Photometry, chemistry, radioactivity, oceanography, hydrology.
    {L"candle", Spelling::Name, vocab::unit(QelUnit::candela)},
    {L"apostilb", Spelling::Name, vocab::unit(QelUnit::candela_per_square_meter, 0.3183098861837907)}, // 1/pi cd/m²
    {L"blondel", Spelling::Name, vocab::unit(QelUnit::candela_per_square_meter, 0.3183098861837907)},
    {L"sb", Spelling::Symbol, vocab::unit(QelUnit::candela_per_square_meter, 1e4)},
    {L"molecule", Spelling::Name, vocab::unit(QelUnit::mole, 1.6605390671738466e-24)}, // 1/NA mol
    {L"molec", Spelling::Name, vocab::unit(QelUnit::mole, 1.6605390671738466e-24)},
    {L"rutherford", Spelling::Name, {1e6, {{QelUnit::second, -1}}}},
    {L"sverdrup", Spelling::Name, vocab::unit(QelUnit::cubic_meter_per_second, 1e6)},
    {L"darcy", Spelling::Name, vocab::unit(QelUnit::square_meters, 9.869232667160128e-13)}, // 1 cP cm²/(s atm)
    {L"darcies", Spelling::Name, vocab::unit(QelUnit::square_meters, 9.869232667160128e-13)},
    {L"rhe", Spelling::Name, {10.0, {{QelUnit::pascals, -1}, {QelUnit::second, -1}}}}, // 1/P
    {L"reyn", Spelling::Name, {6894.757293168361, {{QelUnit::pascals, 1}, {QelUnit::second, 1}}}}, // 1 psi s
    {L"clo", Spelling::Name, {0.155, {{QelUnit::kelvin, 1}, {QelUnit::square_meters, 1}, {QelUnit::watt, -1}}}}, // clothing insulation
    {L"water", Spelling::Name, vocab::unit(QelUnit::pascal_per_meter, 9806.65)},
    {L"gravity", Spelling::Name, vocab::unit(QelUnit::meter_per_second_squared, 9.80665)},
    {L"gravities", Spelling::Name, vocab::unit(QelUnit::meter_per_second_squared, 9.80665)},
    {L"standard gravity", Spelling::Name, vocab::unit(QelUnit::meter_per_second_squared, 9.80665)},
    {L"standard free fall", Spelling::Name, vocab::unit(QelUnit::meter_per_second_squared, 9.80665)},
    {L"milligal", Spelling::Refused, vocab::none(), L"'milligal' is a thousandth of a galileo to geodesists and of a gallon to other readers: write 'mGal'"},
    {L"ton TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e9)}, // 1e9 cal
    {L"tons TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e9)},
    {L"tonne TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e9)},
    {L"tTNT", Spelling::Symbol, vocab::unit(QelUnit::joule, 4.184e9)},
    {L"kiloton TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e12)},
    {L"kilotons TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e12)},
    {L"megaton TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e15)},
    {L"megatons TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e15)},
    {L"lunar month", Spelling::Name, vocab::unit(QelUnit::day, 29.530589)},
    {L"lunar months", Spelling::Name, vocab::unit(QelUnit::day, 29.530589)},
    {L"synodic month", Spelling::Name, vocab::unit(QelUnit::day, 29.530589)},
    {L"synodic months", Spelling::Name, vocab::unit(QelUnit::day, 29.530589)},
    {L"sidereal month", Spelling::Name, vocab::unit(QelUnit::day, 27.32166155)},
    {L"sidereal months", Spelling::Name, vocab::unit(QelUnit::day, 27.32166155)},
    {L"tropical month", Spelling::Name, vocab::unit(QelUnit::day, 27.321582)},
    {L"tropical months", Spelling::Name, vocab::unit(QelUnit::day, 27.321582)},
    {L"jiffy", Spelling::Name, vocab::unit(QelUnit::second, 0.01)},
    {L"jiffies", Spelling::Name, vocab::unit(QelUnit::second, 0.01)},
    // Names of two words that also take prefixes, read whole.
    {L"gram force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1e-3)},
    {L"grams force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1e-3)},
    {L"gram-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1e-3)},
    {L"grams-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1e-3)},
    {L"electron volt", Spelling::Name, vocab::unit(QelUnit::joule, 1.602176634e-19)},
    {L"electron volts", Spelling::Name, vocab::unit(QelUnit::joule, 1.602176634e-19)},
    {L"bev", Spelling::Symbol, vocab::unit(QelUnit::joule, 1.602176634e-10)}, // a billion electronvolts
    {L"BeV", Spelling::Symbol, vocab::unit(QelUnit::joule, 1.602176634e-10)},
    {L"watt hour", Spelling::Name, vocab::times(QelUnit::watt, QelUnit::hour)},
    {L"watt hours", Spelling::Name, vocab::times(QelUnit::watt, QelUnit::hour)},
    {L"watt-hour", Spelling::Name, vocab::times(QelUnit::watt, QelUnit::hour)},
    {L"watt-hours", Spelling::Name, vocab::times(QelUnit::watt, QelUnit::hour)},
    {L"ampere hour", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::hour)},
    {L"ampere hours", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::hour)},
    {L"amp hour", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::hour)},
    {L"amp hours", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::hour)},
    {L"amp-hour", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::hour)},
    {L"amp-hours", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::hour)},
    {L"volt ampere", Spelling::Name, vocab::unit(QelUnit::volt_ampere)},
    {L"volt amperes", Spelling::Name, vocab::unit(QelUnit::volt_ampere)},
    {L"atomicmassunit", Spelling::Name, vocab::unit(QelUnit::dalton)},
    {L"barad", Spelling::Name, vocab::unit(QelUnit::pascals, 0.1)},
    {L"barie", Spelling::Name, vocab::unit(QelUnit::pascals, 0.1)},
    {L"E h", Spelling::Symbol, vocab::unit(QelUnit::joule, qelunits::constants::hartree_energy.value), nullptr, qelunits::constants::hartree_energy.uncertainty},
    {L"eon", Spelling::Name, vocab::unit(QelUnit::tropical_year, 1e9)},
    {L"abF", Spelling::Symbol, {1e9, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::volt, -1}}}},
    {L"abH", Spelling::Symbol, {1e-9, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::ampere, -1}}}},
    {L"unit pole", Spelling::Name, {qelunits::constants::magnetic_constant.value * 0.1, {{QelUnit::volt, 1}, {QelUnit::second, 1}}}, nullptr, qelunits::constants::magnetic_constant.uncertainty}, // mu0 × 1 biot × 1 cm
    {L"unit poles", Spelling::Name, {qelunits::constants::magnetic_constant.value * 0.1, {{QelUnit::volt, 1}, {QelUnit::second, 1}}}, nullptr, qelunits::constants::magnetic_constant.uncertainty},
    // The physical constants (qelunits/Constants.h) are read by their names and spellings after this table.
};
// clang-format on

} // namespace qelunits_detail

#endif
