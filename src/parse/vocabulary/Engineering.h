#ifndef QELUNITS_SRC_PARSE_VOCABULARY_ENGINEERING_H
#define QELUNITS_SRC_PARSE_VOCABULARY_ENGINEERING_H

// Spellings of forces, energies, powers, flows, pressures, viscosities,
// electrical and concentration units, and ratios.

#include "parse/Meaning.h"

namespace qelunits_detail {

// clang-format off
inline constexpr VocabularyEntry kEngineeringSpellings[] = {
    // Force, energy and torque.
    {L"kips", Spelling::Symbol, vocab::unit(QelUnit::kilopound)},
    {L"dyn", Spelling::Symbol, vocab::unit(QelUnit::newton, 1e-5)},
    {L"dyne", Spelling::Name, vocab::unit(QelUnit::newton, 1e-5)},
    {L"dynes", Spelling::Name, vocab::unit(QelUnit::newton, 1e-5)},
    {L"plf", Spelling::Symbol, vocab::unit(QelUnit::pound_force_per_foot)},        // pounds per linear foot
    {L"klf", Spelling::Symbol, vocab::unit(QelUnit::kilopound_per_foot)},
    {L"Nm", Spelling::Symbol, vocab::unit(QelUnit::newton_meter)},
    {L"kNm", Spelling::Symbol, vocab::unit(QelUnit::kilonewton_meter)},
    {L"MNm", Spelling::Symbol, vocab::unit(QelUnit::meganewton_meter)},
    {L"daNm", Spelling::Symbol, vocab::unit(QelUnit::decanewton_meter)},
    {L"ft-lb", Spelling::Symbol, vocab::unit(QelUnit::foot_pound_force)},
    {L"ft-lbs", Spelling::Symbol, vocab::unit(QelUnit::foot_pound_force)},
    {L"lb-ft", Spelling::Symbol, vocab::unit(QelUnit::foot_pound_force)},
    {L"lbf-ft", Spelling::Symbol, vocab::unit(QelUnit::foot_pound_force)},
    {L"in-lb", Spelling::Symbol, vocab::times(QelUnit::inches, QelUnit::pound_force)},
    {L"in-lbs", Spelling::Symbol, vocab::times(QelUnit::inches, QelUnit::pound_force)},
    {L"in-lbf", Spelling::Symbol, vocab::times(QelUnit::inches, QelUnit::pound_force)},
    {L"lb-in", Spelling::Symbol, vocab::times(QelUnit::inches, QelUnit::pound_force)},
    {L"foot-pound", Spelling::Name, vocab::unit(QelUnit::foot_pound_force)},
    {L"foot-pounds", Spelling::Name, vocab::unit(QelUnit::foot_pound_force)},
    {L"foot pound", Spelling::Name, vocab::unit(QelUnit::foot_pound_force)},
    {L"foot pounds", Spelling::Name, vocab::unit(QelUnit::foot_pound_force)},
    {L"pound-foot", Spelling::Name, vocab::unit(QelUnit::foot_pound_force)},
    {L"pound-feet", Spelling::Name, vocab::unit(QelUnit::foot_pound_force)},
    {L"oz-in", Spelling::Symbol, vocab::unit(QelUnit::newton_meter, 0.00706155181422)}, // ounce-force inch
    {L"ozf-in", Spelling::Symbol, vocab::unit(QelUnit::newton_meter, 0.00706155181422)},
    {L"Ncm", Spelling::Symbol, vocab::unit(QelUnit::newton_meter, 0.01)},
    {L"Nmm", Spelling::Symbol, vocab::unit(QelUnit::newton_meter, 0.001)},
    {L"kWh", Spelling::Symbol, vocab::unit(QelUnit::kilowatt_hour)},               // 3.6 MJ
    {L"Cal", Spelling::Symbol, vocab::unit(QelUnit::intl_kilocalorie)},            // the food Calorie
    {L"erg", Spelling::Name, vocab::unit(QelUnit::joule, 1e-7)},
    {L"ergs", Spelling::Name, vocab::unit(QelUnit::joule, 1e-7)},
    {L"therm", Spelling::Name, vocab::unit(QelUnit::us_therm)},                    // 105.4804 MJ
    {L"therms", Spelling::Name, vocab::unit(QelUnit::us_therm)},
    {L"MMBtu", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit, 1e6)},
    {L"MMBTU", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit, 1e6)},
    {L"quad", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit, 1e15)},
    {L"MBtu", Spelling::Refused, vocab::none(), L"it may mean a thousand or a million BTU: write '1000 BTU' or 'MMBtu'"},
    // Power.
    {L"bhp", Spelling::Symbol, vocab::unit(QelUnit::horse_power)},
    {L"PS", Spelling::Symbol, vocab::unit(QelUnit::watt, 735.49875)},              // metric horsepower: 75 kgf·m/s
    {L"Btuh", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour)},
    {L"MBH", Spelling::Symbol, vocab::unit(QelUnit::intl_thousand_british_thermal_unit_per_hour)},
    {L"MBtuh", Spelling::Symbol, vocab::unit(QelUnit::intl_thousand_british_thermal_unit_per_hour)},
    {L"TR", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour, 12000.0)}, // ton of refrigeration
    {L"ton of refrigeration", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour, 12000.0)},
    {L"tons of refrigeration", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour, 12000.0)},
    // Flow.
    {L"cfm", Spelling::Symbol, vocab::unit(QelUnit::cubic_foot_per_minute)},
    {L"cfs", Spelling::Symbol, vocab::unit(QelUnit::cubic_foot_per_second)},
    {L"cfh", Spelling::Symbol, vocab::unit(QelUnit::cubic_foot_per_hour)},
    {L"gpd", Spelling::Symbol, vocab::unit(QelUnit::us_gallon_per_day)},
    {L"lpm", Spelling::Symbol, vocab::unit(QelUnit::liter_per_minute)},
    {L"lps", Spelling::Symbol, vocab::unit(QelUnit::liter_per_second)},
    {L"lph", Spelling::Symbol, vocab::unit(QelUnit::liter_per_hour)},
    {L"bpd", Spelling::Symbol, vocab::per(QelUnit::liquid_gallon, QelUnit::day, 42.0)},      // oil barrels per day
    // Gas volumes at standard conditions are amounts of gas, not volumes: refused rather than read as m³ or ft³.
    {L"Nm3", Spelling::Refused, vocab::none(), L"a gas volume at normal conditions is an amount of gas: convert actual volumes (m3)"},
    {L"Nm\u00B3", Spelling::Refused, vocab::none(), L"a gas volume at normal conditions is an amount of gas: convert actual volumes (m3)"},
    {L"Nm^3", Spelling::Refused, vocab::none(), L"a gas volume at normal conditions is an amount of gas: convert actual volumes (m3)"},
    {L"Sm3", Spelling::Refused, vocab::none(), L"a gas volume at standard conditions is an amount of gas: convert actual volumes (m3)"},
    {L"Sm\u00B3", Spelling::Refused, vocab::none(), L"a gas volume at standard conditions is an amount of gas: convert actual volumes (m3)"},
    {L"scf", Spelling::Refused, vocab::none(), L"a gas volume at standard conditions is an amount of gas: convert actual volumes (ft3)"},
    {L"scfm", Spelling::Refused, vocab::none(), L"a gas flow at standard conditions is a flow of gas amount: convert actual flows (cfm)"},
    {L"scfh", Spelling::Refused, vocab::none(), L"a gas flow at standard conditions is a flow of gas amount: convert actual flows (cfh)"},
    {L"sccm", Spelling::Refused, vocab::none(), L"a gas flow at standard conditions is a flow of gas amount: convert actual flows (cm3/min)"},
    {L"slpm", Spelling::Refused, vocab::none(), L"a gas flow at standard conditions is a flow of gas amount: convert actual flows (L/min)"},
    // Pressure. Gauge pressures are refused: read as absolute they would be off by an atmosphere.
    {L"psia", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    // The catalogue writes psi and psf "lb/in²" and "lb/ft²": the pound of a pressure is its force.
    {L"lb/in^2", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    {L"lb/in2", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    {L"lbs/in²", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    {L"lbs/in^2", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    {L"lbs/in2", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    {L"lb/sq in", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    {L"lb/ft^2", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_foot)},
    {L"lb/ft2", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_foot)},
    {L"lbs/ft²", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_foot)},
    {L"lbs/ft^2", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_foot)},
    {L"lbs/ft2", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_foot)},
    {L"lb/sq ft", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_foot)},
    {L"bara", Spelling::Symbol, vocab::unit(QelUnit::bar)},
    {L"bar(a)", Spelling::Symbol, vocab::unit(QelUnit::bar)},
    {L"psi(a)", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    {L"kPa(a)", Spelling::Symbol, vocab::unit(QelUnit::kilopascal)},
    {L"bar(g)", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (bar, bara)"},
    {L"psi(g)", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (psi, psia)"},
    {L"kPa(g)", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (kPa)"},
    {L"psid", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)}, // a difference of pressures
    {L"mb", Spelling::Symbol, vocab::unit(QelUnit::bar, 1e-3)},              // the meteorologists' millibar
    {L"psig", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (psi, psia)"},
    {L"barg", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (bar, bara)"},
    {L"kPag", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (kPa)"},
    {L"mmHg", Spelling::Symbol, vocab::unit(QelUnit::millimeter_of_mercury)},
    {L"mm Hg", Spelling::Symbol, vocab::unit(QelUnit::millimeter_of_mercury)},
    {L"inHg", Spelling::Symbol, vocab::unit(QelUnit::inch_of_mercury)},
    {L"in Hg", Spelling::Symbol, vocab::unit(QelUnit::inch_of_mercury)},
    {L"mTorr", Spelling::Symbol, vocab::unit(QelUnit::torr, 1e-3)},
    {L"mBar", Spelling::Symbol, vocab::unit(QelUnit::bar, 1e-3)},
    // Conventional water columns: 1000 kg/m³ under 9.80665 m/s² (the catalogue's in-wg is water at 60 °F).
    {L"inH2O", Spelling::Symbol, vocab::unit(QelUnit::pascals, 249.08891)},
    {L"in H2O", Spelling::Symbol, vocab::unit(QelUnit::pascals, 249.08891)},
    {L"ftH2O", Spelling::Symbol, vocab::unit(QelUnit::pascals, 2989.06692)},
    {L"mH2O", Spelling::Symbol, vocab::unit(QelUnit::pascals, 9806.65)},
    {L"cmH2O", Spelling::Symbol, vocab::unit(QelUnit::pascals, 98.0665)},
    {L"mmH2O", Spelling::Symbol, vocab::unit(QelUnit::pascals, 9.80665)},
    {L"ft H2O", Spelling::Symbol, vocab::unit(QelUnit::pascals, 2989.06692)},
    {L"cm H2O", Spelling::Symbol, vocab::unit(QelUnit::pascals, 98.0665)},
    {L"mm H2O", Spelling::Symbol, vocab::unit(QelUnit::pascals, 9.80665)},
    {L"inWC", Spelling::Symbol, vocab::unit(QelUnit::inch_of_water)},              // water column, as in-wg
    {L"in. w.c.", Spelling::Symbol, vocab::unit(QelUnit::inch_of_water)},
    {L"in wc", Spelling::Symbol, vocab::unit(QelUnit::inch_of_water)},
    {L"iwc", Spelling::Symbol, vocab::unit(QelUnit::inch_of_water)},
    {L"in. w.g.", Spelling::Symbol, vocab::unit(QelUnit::inch_of_water)},
    {L"in wg", Spelling::Symbol, vocab::unit(QelUnit::inch_of_water)},
    {L"inwg", Spelling::Symbol, vocab::unit(QelUnit::inch_of_water)},
    {L"iwg", Spelling::Symbol, vocab::unit(QelUnit::inch_of_water)},
    {L"mWC", Spelling::Symbol, vocab::unit(QelUnit::pascals, 9806.65)}, // metres of water column
    {L"mmWC", Spelling::Symbol, vocab::unit(QelUnit::pascals, 9.80665)},
    // Viscosity.
    {L"P", Spelling::Symbol, {0.1, {{QelUnit::pascals, 1}, {QelUnit::second, 1}}}},       // poise: 0.1 Pa·s
    {L"poise", Spelling::Name, {0.1, {{QelUnit::pascals, 1}, {QelUnit::second, 1}}}},
    {L"cP", Spelling::Symbol, {1e-3, {{QelUnit::pascals, 1}, {QelUnit::second, 1}}}},
    {L"centipoise", Spelling::Name, {1e-3, {{QelUnit::pascals, 1}, {QelUnit::second, 1}}}},
    {L"St", Spelling::Symbol, vocab::per(QelUnit::square_meters, QelUnit::second, 1e-4)}, // stokes: 1 cm²/s
    {L"stokes", Spelling::Name, vocab::per(QelUnit::square_meters, QelUnit::second, 1e-4)},
    {L"cSt", Spelling::Symbol, vocab::per(QelUnit::square_meters, QelUnit::second, 1e-6)},
    {L"centistokes", Spelling::Name, vocab::per(QelUnit::square_meters, QelUnit::second, 1e-6)},
    // Thermal conductivity as engineers write it; "mK" alone is the millikelvin.
    {L"W/mK", Spelling::Symbol, {1.0, {{QelUnit::watt, 1}, {QelUnit::meter, -1}, {QelUnit::kelvin, -1}}}},
    {L"W/(mK)", Spelling::Symbol, {1.0, {{QelUnit::watt, 1}, {QelUnit::meter, -1}, {QelUnit::kelvin, -1}}}},
    // Electricity and light.
    {L"nit", Spelling::Name, vocab::unit(QelUnit::candela_per_square_meter)},
    {L"nits", Spelling::Name, vocab::unit(QelUnit::candela_per_square_meter)},
    // Molar concentrations: "M" alone is the catalogue's millenium.
    {L"mM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::cubic_meter)},       // 1 mmol/l = 1 mol/m³
    {L"\u00B5M", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::cubic_meter, 1e-3)},
    {L"\u03BCM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::cubic_meter, 1e-3)},
    {L"uM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::cubic_meter, 1e-3)},
    {L"nM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::cubic_meter, 1e-6)},
    {L"pM", Spelling::Symbol, vocab::per(QelUnit::mole, QelUnit::cubic_meter, 1e-9)},
    // Ratios.
    {L"%", Spelling::Symbol, vocab::number(0.01)},
    {L"percent", Spelling::Name, vocab::number(0.01)},
    {L"\u2030", Spelling::Symbol, vocab::number(1e-3)}, // ‰
    {L"ppm", Spelling::Symbol, vocab::number(1e-6)},
    {L"ppb", Spelling::Symbol, vocab::number(1e-9)},
    {L"ppmv", Spelling::Symbol, vocab::number(1e-6)},
    {L"ppbv", Spelling::Symbol, vocab::number(1e-9)},
    {L"ppt", Spelling::Refused, vocab::none(), L"it may mean parts per thousand or per trillion: write 1e-3 or 1e-12"},
    {L"US", Spelling::Refused, vocab::none(), L"'us' is the microsecond; a US unit is written 'us ft', 'US gal' or by its name"},
};
// clang-format on

} // namespace qelunits_detail

#endif
