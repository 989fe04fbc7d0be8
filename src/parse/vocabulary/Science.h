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
    {L"Gb", Spelling::Refused, vocab::none(), L"'Gb' is a gigabit, a gigabarn or the gilbert: write 'Gbit', 'gigabarn' or 'gilbert'"},
    {L"Tb", Spelling::Refused, vocab::none(), L"'Tb' is a terabit or a terabarn: write 'Tbit' or 'terabarn'"},
    {L"Pb", Spelling::Refused, vocab::none(), L"'Pb' is a petabit or a petabarn: write 'Pbit' or 'petabarn'"},
    {L"KB", Spelling::Refused, vocab::none(), L"'KB' is 1000 or 1024 bytes: write 'kB' or 'KiB'"},
    // Logarithmic units are levels and ratios of their own (qelunits/Levels.h), not products of powers of units.
    {L"dB", Spelling::Refused, vocab::none(), L"it is a ratio in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"decibel", Spelling::Refused, vocab::none(), L"it is a ratio in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"decibels", Spelling::Refused, vocab::none(), L"it is a ratio in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"bel", Spelling::Refused, vocab::none(), L"it is a ratio in bels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"bels", Spelling::Refused, vocab::none(), L"it is a ratio in bels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"Np", Spelling::Refused, vocab::none(), L"it is a ratio in nepers, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"neper", Spelling::Refused, vocab::none(), L"it is a ratio in nepers, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"nepers", Spelling::Refused, vocab::none(), L"it is a ratio in nepers, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBi", Spelling::Refused, vocab::none(), L"it is a ratio in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBc", Spelling::Refused, vocab::none(), L"it is a ratio in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBm", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBW", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBV", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBmV", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dB\u00B5V", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dB\u03BCV", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBuV", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBSPL", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dB SPL", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dB(SPL)", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBFS", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBZ", Spelling::Refused, vocab::none(), L"it is a level in decibels, a logarithm: read it with qelunits::Level (qelunits/Levels.h)"},
    {L"dBA", Spelling::Refused, vocab::none(), L"an A-weighted level is a logarithm of a weighted sound pressure, neither a unit nor a level qelunits::Level reads"},
    {L"dB(A)", Spelling::Refused, vocab::none(), L"an A-weighted level is a logarithm of a weighted sound pressure, neither a unit nor a level qelunits::Level reads"},
    {L"dBa", Spelling::Refused, vocab::none(), L"an A-weighted level is a logarithm of a weighted sound pressure, neither a unit nor a level qelunits::Level reads"},
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
    {L"stC", Spelling::Symbol, {3.3356409519815204e-10, {{QelUnit::ampere, 1}, {QelUnit::second, 1}}}},
    {L"franklin", Spelling::Name, {3.3356409519815204e-10, {{QelUnit::ampere, 1}, {QelUnit::second, 1}}}}, // the statcoulomb
    {L"Fr", Spelling::Symbol, {3.3356409519815204e-10, {{QelUnit::ampere, 1}, {QelUnit::second, 1}}}},
    {L"esu", Spelling::Symbol, {3.3356409519815204e-10, {{QelUnit::ampere, 1}, {QelUnit::second, 1}}}}, // of charge
    {L"stA", Spelling::Symbol, vocab::unit(QelUnit::ampere, 3.3356409519815204e-10)},
    {L"stV", Spelling::Symbol, vocab::unit(QelUnit::volt, 299.792458)},
    // The electromagnetic unit of magnetic moment that magnetometers read: 1 erg/G = 1e-3 A·m².
    {L"emu", Spelling::Symbol, {1e-3, {{QelUnit::ampere, 1}, {QelUnit::square_meters, 1}}}},
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
    {L"ton of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e9)},
    {L"tons of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e9)},
    {L"tonne of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e9)},
    {L"tonnes of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e9)},
    {L"tonnes TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e9)},
    {L"t TNT", Spelling::Symbol, vocab::unit(QelUnit::joule, 4.184e9)},
    {L"kt TNT", Spelling::Symbol, vocab::unit(QelUnit::joule, 4.184e12)},
    {L"ktTNT", Spelling::Symbol, vocab::unit(QelUnit::joule, 4.184e12)},
    {L"kiloton of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e12)},
    {L"kilotons of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e12)},
    {L"kilotonne TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e12)},
    {L"kilotonnes TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e12)},
    {L"Mt TNT", Spelling::Symbol, vocab::unit(QelUnit::joule, 4.184e15)},
    {L"MtTNT", Spelling::Symbol, vocab::unit(QelUnit::joule, 4.184e15)},
    {L"megaton of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e15)},
    {L"megatons of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e15)},
    {L"megatonne TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e15)},
    {L"megatonnes TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e15)},
    {L"Gt TNT", Spelling::Symbol, vocab::unit(QelUnit::joule, 4.184e18)},
    {L"gigaton TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e18)},
    {L"gigatons TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e18)},
    {L"gigaton of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e18)},
    {L"gigatons of TNT", Spelling::Name, vocab::unit(QelUnit::joule, 4.184e18)},
    // A kiloton alone is a yield of TNT to most readers, 1000 tonnes to emissions data and 1000 short tons
    // to the references: three values.
    {L"kiloton", Spelling::Refused, vocab::none(), L"a kiloton is a yield of TNT, 1000 tonnes or 1000 short tons: write 'kiloton TNT', 'kilotonne' or '1000 short ton'"},
    {L"kilotons", Spelling::Refused, vocab::none(), L"a kiloton is a yield of TNT, 1000 tonnes or 1000 short tons: write 'kiloton TNT', 'kilotonne' or '1000 short ton'"},
    {L"kton", Spelling::Refused, vocab::none(), L"a kiloton is a yield of TNT, 1000 tonnes or 1000 short tons: write 'kt TNT', 'kilotonne' or '1000 short ton'"},
    {L"megaton", Spelling::Refused, vocab::none(), L"a megaton is a yield of TNT, a million tonnes or a million short tons: write 'megaton TNT', 'megatonne' or '1e6 short ton'"},
    {L"megatons", Spelling::Refused, vocab::none(), L"a megaton is a yield of TNT, a million tonnes or a million short tons: write 'megaton TNT', 'megatonne' or '1e6 short ton'"},
    {L"Mton", Spelling::Refused, vocab::none(), L"a megaton is a yield of TNT, a million tonnes or a million short tons: write 'Mt TNT', 'Mt' or '1e6 short ton'"},
    {L"gigaton", Spelling::Refused, vocab::none(), L"a gigaton is a yield of TNT, a billion tonnes or a billion short tons: write 'gigaton TNT', 'gigatonne' or '1e9 short ton'"},
    {L"gigatons", Spelling::Refused, vocab::none(), L"a gigaton is a yield of TNT, a billion tonnes or a billion short tons: write 'gigaton TNT', 'gigatonne' or '1e9 short ton'"},
    {L"Gton", Spelling::Refused, vocab::none(), L"a gigaton is a yield of TNT, a billion tonnes or a billion short tons: write 'Gt TNT', 'Gt' or '1e9 short ton'"},
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
    // Exposures below the roentgen, as survey meters read them (1 R = 2.58e-4 C/kg).
    {L"mR", Spelling::Symbol, {2.58e-7, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::kilogram, -1}}}},
    {L"\u00B5R", Spelling::Symbol, {2.58e-10, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::kilogram, -1}}}},
    {L"\u03BCR", Spelling::Symbol, {2.58e-10, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::kilogram, -1}}}},
    {L"uR", Spelling::Symbol, {2.58e-10, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::kilogram, -1}}}},
    // Amounts of substance counted in pounds and kilograms of the substance's molar mass in grams.
    {L"lb-mol", Spelling::Symbol, vocab::unit(QelUnit::mole, 453.59237)}, // 453.59237 mol
    {L"lbmol", Spelling::Symbol, vocab::unit(QelUnit::mole, 453.59237)},
    {L"lb mol", Spelling::Symbol, vocab::unit(QelUnit::mole, 453.59237)},
    {L"lb-mole", Spelling::Symbol, vocab::unit(QelUnit::mole, 453.59237)},
    {L"lbmole", Spelling::Symbol, vocab::unit(QelUnit::mole, 453.59237)},
    {L"pound mole", Spelling::Name, vocab::unit(QelUnit::mole, 453.59237)},
    {L"pound moles", Spelling::Name, vocab::unit(QelUnit::mole, 453.59237)},
    {L"pound-mole", Spelling::Name, vocab::unit(QelUnit::mole, 453.59237)},
    {L"pound-moles", Spelling::Name, vocab::unit(QelUnit::mole, 453.59237)},
    {L"kg-mol", Spelling::Symbol, vocab::unit(QelUnit::mole, 1000.0)},
    {L"kgmol", Spelling::Symbol, vocab::unit(QelUnit::mole, 1000.0)},
    {L"kilogram mole", Spelling::Name, vocab::unit(QelUnit::mole, 1000.0)},
    {L"kilogram-mole", Spelling::Name, vocab::unit(QelUnit::mole, 1000.0)},
    {L"g-mol", Spelling::Symbol, vocab::unit(QelUnit::mole)},
    {L"gmol", Spelling::Symbol, vocab::unit(QelUnit::mole)},
    {L"gram mole", Spelling::Name, vocab::unit(QelUnit::mole)},
    {L"gram-mole", Spelling::Name, vocab::unit(QelUnit::mole)},
    {L"einstein", Spelling::Name, vocab::unit(QelUnit::mole)}, // a mole of photons
    // Ozone columns: 10 µm of the gas at 0 °C and 101325 Pa, 1e-5 m × p/(R T).
    {L"dobson", Spelling::Name, {4.4615033405470315e-4, {{QelUnit::mole, 1}, {QelUnit::square_meters, -1}}}},
    {L"dobson unit", Spelling::Name, {4.4615033405470315e-4, {{QelUnit::mole, 1}, {QelUnit::square_meters, -1}}}},
    {L"dobson units", Spelling::Name, {4.4615033405470315e-4, {{QelUnit::mole, 1}, {QelUnit::square_meters, -1}}}},
    {L"DU", Spelling::Symbol, {4.4615033405470315e-4, {{QelUnit::mole, 1}, {QelUnit::square_meters, -1}}}},
    {L"unit pole", Spelling::Name, {qelunits::constants::magnetic_constant.value * 0.1, {{QelUnit::volt, 1}, {QelUnit::second, 1}}}, nullptr, qelunits::constants::magnetic_constant.uncertainty}, // mu0 × 1 biot × 1 cm
    {L"unit poles", Spelling::Name, {qelunits::constants::magnetic_constant.value * 0.1, {{QelUnit::volt, 1}, {QelUnit::second, 1}}}, nullptr, qelunits::constants::magnetic_constant.uncertainty},
    // The physical constants (qelunits/Constants.h) are read by their names and spellings after this table.
};
// clang-format on

} // namespace qelunits_detail

#endif
