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
    {L"pound-foot", Spelling::Name, vocab::unit(QelUnit::foot_pound_force)},
    {L"pound-feet", Spelling::Name, vocab::unit(QelUnit::foot_pound_force)},
    {L"oz-in", Spelling::Symbol, vocab::unit(QelUnit::newton_meter, 0.00706155181422)}, // ounce-force inch
    {L"ozf-in", Spelling::Symbol, vocab::unit(QelUnit::newton_meter, 0.00706155181422)},
    {L"Ncm", Spelling::Symbol, vocab::unit(QelUnit::newton_meter, 0.01)},
    {L"Nmm", Spelling::Symbol, vocab::unit(QelUnit::newton_meter, 0.001)},
    {L"kWh", Spelling::Symbol, vocab::unit(QelUnit::kilowatt_hour)},               // 3.6 MJ
    {L"therm", Spelling::Name, vocab::unit(QelUnit::us_therm)},                    // 105.4804 MJ
    {L"MMBtu", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit, 1e6)},
    {L"MMBTU", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit, 1e6)},
    {L"quad", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit, 1e15)},
    {L"toe", Spelling::Symbol, vocab::unit(QelUnit::intl_calorie, 1e10)}, // tonne of oil equivalent: 41.868 GJ
    {L"MBtu", Spelling::Refused, vocab::none(), L"it may mean a thousand or a million BTU: write '1000 BTU' or 'MMBtu'"},
    // Power.
    {L"bhp", Spelling::Symbol, vocab::unit(QelUnit::horse_power)},
    {L"PS", Spelling::Refused, vocab::none(), L"'PS' is the metric horsepower to motorists and a petasiemens to other readers: write 'metric horsepower'"},
    {L"Btuh", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour)},
    {L"MBH", Spelling::Symbol, vocab::unit(QelUnit::intl_thousand_british_thermal_unit_per_hour)},
    {L"MBtuh", Spelling::Symbol, vocab::unit(QelUnit::intl_thousand_british_thermal_unit_per_hour)},
    {L"TR", Spelling::Refused, vocab::none(), L"'TR' is the ton of refrigeration to some and tera-R to others: write 'ton of refrigeration'"},
    {L"RT", Spelling::Refused, vocab::none(), L"'RT' is the ton of refrigeration in air conditioning and the register ton (100 ft\u00B3) in shipping: write 'ton of refrigeration' or 'register ton'"},
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
    // The catalogue writes psi and psf "lb/in²" and "lb/ft²", where the pound is a force; to
    // other readers it is a mass: the pressure is 'psi', 'lbf/in²', the mass per area 'lbm/in²'.
    {L"lb/in²", Spelling::Refused, vocab::none(), L"a pound per square inch is a pressure in 'psi' or 'lbf/in²' and a mass per area in 'lbm/in²'"},
    {L"lb/in^2", Spelling::Refused, vocab::none(), L"a pound per square inch is a pressure in 'psi' or 'lbf/in²' and a mass per area in 'lbm/in²'"},
    {L"lb/in2", Spelling::Refused, vocab::none(), L"a pound per square inch is a pressure in 'psi' or 'lbf/in²' and a mass per area in 'lbm/in²'"},
    {L"lbs/in²", Spelling::Refused, vocab::none(), L"a pound per square inch is a pressure in 'psi' or 'lbf/in²' and a mass per area in 'lbm/in²'"},
    {L"lbs/in^2", Spelling::Refused, vocab::none(), L"a pound per square inch is a pressure in 'psi' or 'lbf/in²' and a mass per area in 'lbm/in²'"},
    {L"lbs/in2", Spelling::Refused, vocab::none(), L"a pound per square inch is a pressure in 'psi' or 'lbf/in²' and a mass per area in 'lbm/in²'"},
    {L"lb/sq in", Spelling::Refused, vocab::none(), L"a pound per square inch is a pressure in 'psi' or 'lbf/in²' and a mass per area in 'lbm/in²'"},
    {L"lb/ft²", Spelling::Refused, vocab::none(), L"a pound per square foot is a pressure in 'psf' or 'lbf/ft²' and a mass per area in 'lbm/ft²'"},
    {L"lb/ft^2", Spelling::Refused, vocab::none(), L"a pound per square foot is a pressure in 'psf' or 'lbf/ft²' and a mass per area in 'lbm/ft²'"},
    {L"lb/ft2", Spelling::Refused, vocab::none(), L"a pound per square foot is a pressure in 'psf' or 'lbf/ft²' and a mass per area in 'lbm/ft²'"},
    {L"lbs/ft²", Spelling::Refused, vocab::none(), L"a pound per square foot is a pressure in 'psf' or 'lbf/ft²' and a mass per area in 'lbm/ft²'"},
    {L"lbs/ft^2", Spelling::Refused, vocab::none(), L"a pound per square foot is a pressure in 'psf' or 'lbf/ft²' and a mass per area in 'lbm/ft²'"},
    {L"lbs/ft2", Spelling::Refused, vocab::none(), L"a pound per square foot is a pressure in 'psf' or 'lbf/ft²' and a mass per area in 'lbm/ft²'"},
    {L"lb/sq ft", Spelling::Refused, vocab::none(), L"a pound per square foot is a pressure in 'psf' or 'lbf/ft²' and a mass per area in 'lbm/ft²'"},
    // The catalogue's "lb/ft" is also the pound-force per foot; read as every reader does.
    {L"lb/ft", Spelling::Symbol, vocab::unit(QelUnit::pound_per_foot)},
    {L"bara", Spelling::Symbol, vocab::unit(QelUnit::bar)},
    {L"bar(a)", Spelling::Symbol, vocab::unit(QelUnit::bar)},
    {L"psi(a)", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    {L"kPa(a)", Spelling::Symbol, vocab::unit(QelUnit::kilopascal)},
    {L"bar(g)", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (bar, bara)"},
    {L"psi(g)", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (psi, psia)"},
    {L"kPa(g)", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (kPa)"},
    {L"psid", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)}, // a difference of pressures
    {L"mb", Spelling::Refused, vocab::none(), L"'mb' is the millibar to meteorologists and the millibarn to physicists: write 'mbar' or 'millibarn'"},
    {L"psig", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (psi, psia)"},
    {L"barg", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (bar, bara)"},
    {L"kPag", Spelling::Refused, vocab::none(), L"a gauge pressure (above the atmosphere's) is not an absolute unit: convert absolute pressures (kPa)"},
    {L"mmHg", Spelling::Symbol, vocab::unit(QelUnit::millimeter_of_mercury)},
    {L"mm Hg", Spelling::Symbol, vocab::unit(QelUnit::millimeter_of_mercury)},
    {L"inHg", Spelling::Symbol, vocab::unit(QelUnit::inch_of_mercury)},
    {L"in Hg", Spelling::Symbol, vocab::unit(QelUnit::inch_of_mercury)},
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
    // Water columns by name: the conventional column (NIST's "conventional" inch of water, inH2O), where the
    // catalogue's inch of water, as the gauge spellings above, is water at 60 °F.
    {L"inch of water", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08891)}, // 0.0254 m × 1000 kg/m³ × gn
    {L"inches of water", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08891)},
    {L"inch of water column", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08891)},
    {L"inches of water column", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08891)},
    {L"inch water column", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08891)},
    {L"inches water column", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08891)},
    {L"inch H2O", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08891)},
    {L"inches H2O", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08891)},
    {L"foot of water", Spelling::Name, vocab::unit(QelUnit::pascals, 2989.06692)}, // 0.3048 m × 1000 kg/m³ × gn
    {L"feet of water", Spelling::Name, vocab::unit(QelUnit::pascals, 2989.06692)},
    {L"foot H2O", Spelling::Name, vocab::unit(QelUnit::pascals, 2989.06692)},
    {L"feet H2O", Spelling::Name, vocab::unit(QelUnit::pascals, 2989.06692)},
    {L"meter of water", Spelling::Name, vocab::unit(QelUnit::pascals, 9806.65)},
    {L"meters of water", Spelling::Name, vocab::unit(QelUnit::pascals, 9806.65)},
    {L"metre of water", Spelling::Name, vocab::unit(QelUnit::pascals, 9806.65)},
    {L"metres of water", Spelling::Name, vocab::unit(QelUnit::pascals, 9806.65)},
    {L"centimeter of water", Spelling::Name, vocab::unit(QelUnit::pascals, 98.0665)},
    {L"centimeters of water", Spelling::Name, vocab::unit(QelUnit::pascals, 98.0665)},
    {L"centimetre of water", Spelling::Name, vocab::unit(QelUnit::pascals, 98.0665)},
    {L"centimetres of water", Spelling::Name, vocab::unit(QelUnit::pascals, 98.0665)},
    {L"centimeter H2O", Spelling::Name, vocab::unit(QelUnit::pascals, 98.0665)},
    {L"cm of water", Spelling::Name, vocab::unit(QelUnit::pascals, 98.0665)},
    {L"millimeter of water", Spelling::Name, vocab::unit(QelUnit::pascals, 9.80665)},
    {L"millimeters of water", Spelling::Name, vocab::unit(QelUnit::pascals, 9.80665)},
    {L"millimetre of water", Spelling::Name, vocab::unit(QelUnit::pascals, 9.80665)},
    {L"millimetres of water", Spelling::Name, vocab::unit(QelUnit::pascals, 9.80665)},
    {L"millimeter H2O", Spelling::Name, vocab::unit(QelUnit::pascals, 9.80665)},
    {L"mm of water", Spelling::Name, vocab::unit(QelUnit::pascals, 9.80665)},
    // Electricity and light.
    {L"nit", Spelling::Name, vocab::unit(QelUnit::candela_per_square_meter)},
    {L"nt", Spelling::Symbol, vocab::unit(QelUnit::candela_per_square_meter)}, // the nit, not a nanotonne
    // The ampere-turn, of magnetomotive force: turns are a count. "At" is no technical atmosphere ("at").
    {L"At", Spelling::Symbol, vocab::unit(QelUnit::ampere)},
    {L"ampere turn", Spelling::Name, vocab::unit(QelUnit::ampere)},
    {L"ampere turns", Spelling::Name, vocab::unit(QelUnit::ampere)},
    {L"ampere-turn", Spelling::Name, vocab::unit(QelUnit::ampere)},
    {L"ampere-turns", Spelling::Name, vocab::unit(QelUnit::ampere)},
    {L"amp turn", Spelling::Name, vocab::unit(QelUnit::ampere)},
    {L"amp turns", Spelling::Name, vocab::unit(QelUnit::ampere)},
    {L"amp-turn", Spelling::Name, vocab::unit(QelUnit::ampere)},
    {L"amp-turns", Spelling::Name, vocab::unit(QelUnit::ampere)},
    {L"\u2127", Spelling::Symbol, vocab::per(QelUnit::ampere, QelUnit::volt)}, // ℧, the mho
    // Wire sizes: thousands of circular mils.
    {L"kcmil", Spelling::Symbol, vocab::unit(QelUnit::square_meters, 5.067074790974977e-7)}, // 1000 × pi/4 mil^2
    {L"MCM", Spelling::Symbol, vocab::unit(QelUnit::square_meters, 5.067074790974977e-7)},
    // Ratios.
    {L"%", Spelling::Symbol, vocab::number(0.01)},
    {L"percent", Spelling::Name, vocab::number(0.01)},
    {L"per cent", Spelling::Name, vocab::number(0.01)}, // read whole: "cent" alone is no unit
    {L"\u2030", Spelling::Symbol, vocab::number(1e-3)}, // ‰
    {L"ppm", Spelling::Symbol, vocab::number(1e-6)},
    {L"ppb", Spelling::Symbol, vocab::number(1e-9)},
    {L"ppmv", Spelling::Symbol, vocab::number(1e-6)},
    {L"ppbv", Spelling::Symbol, vocab::number(1e-9)},
    {L"parts per hundred", Spelling::Name, vocab::number(0.01)},
    {L"parts per thousand", Spelling::Name, vocab::number(1e-3)},
    {L"part per thousand", Spelling::Name, vocab::number(1e-3)},
    {L"parts per million", Spelling::Name, vocab::number(1e-6)},
    {L"part per million", Spelling::Name, vocab::number(1e-6)},
    {L"parts per billion", Spelling::Name, vocab::number(1e-9)},
    {L"part per billion", Spelling::Name, vocab::number(1e-9)},
    {L"parts per trillion", Spelling::Name, vocab::number(1e-12)},
    {L"part per trillion", Spelling::Name, vocab::number(1e-12)},
    {L"parts per quadrillion", Spelling::Name, vocab::number(1e-15)},
    {L"ppq", Spelling::Symbol, vocab::number(1e-15)},
    {L"ppt", Spelling::Refused, vocab::none(), L"it may mean parts per thousand or per trillion: write 1e-3 or 1e-12"},
    {L"US", Spelling::Refused, vocab::none(), L"'us' is the microsecond; a US unit is written 'us ft', 'US gal' or by its name"},
    // Forces by the mass they weigh under standard gravity (9.80665 m/s²).
    {L"pound force", Spelling::Name, vocab::unit(QelUnit::pound_force)},
    {L"pounds force", Spelling::Name, vocab::unit(QelUnit::pound_force)},
    {L"force pound", Spelling::Name, vocab::unit(QelUnit::pound_force)},
    {L"force pounds", Spelling::Name, vocab::unit(QelUnit::pound_force)},
    {L"lb-f", Spelling::Symbol, vocab::unit(QelUnit::pound_force)},
    {L"kilogram-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force)},
    {L"force kilogram", Spelling::Name, vocab::unit(QelUnit::kilogram_force)},
    {L"force kilograms", Spelling::Name, vocab::unit(QelUnit::kilogram_force)},
    {L"kilopond", Spelling::Name, vocab::unit(QelUnit::kilogram_force)},
    {L"kg-f", Spelling::Symbol, vocab::unit(QelUnit::kilogram_force)},
    {L"kp", Spelling::Symbol, vocab::unit(QelUnit::kilogram_force)},
    {L"force gram", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1e-3)},
    {L"force grams", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1e-3)},
    {L"pond", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1e-3)},
    {L"ozf", Spelling::Symbol, vocab::unit(QelUnit::kilogram_force, 0.028349523125)}, // ounce-force: 0.028349523125 kgf
    {L"ounce-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 0.028349523125)},
    {L"ounces-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 0.028349523125)},
    {L"ounce force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 0.028349523125)},
    {L"ounces force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 0.028349523125)},
    {L"force ounce", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 0.028349523125)},
    {L"force ounces", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 0.028349523125)},
    {L"tf", Spelling::Symbol, vocab::unit(QelUnit::kilogram_force, 1000.0)}, // tonne-force
    {L"tonne-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1000.0)},
    {L"tonnes-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1000.0)},
    {L"tonne force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1000.0)},
    {L"tonnes force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1000.0)},
    {L"metric ton force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1000.0)},
    {L"metric ton-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1000.0)},
    {L"force metric ton", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1000.0)},
    {L"ton-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 907.18474)}, // short ton-force: 2000 lbf
    {L"tons-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 907.18474)},
    {L"ton force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 907.18474)},
    {L"tons force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 907.18474)},
    {L"short ton force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 907.18474)},
    {L"short ton-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 907.18474)},
    {L"force ton", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 907.18474)},
    {L"force short ton", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 907.18474)},
    {L"tonf", Spelling::Symbol, vocab::unit(QelUnit::kilogram_force, 907.18474)},
    {L"long ton force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1016.0469088)}, // long ton-force: 2240 lbf
    {L"long ton-force", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1016.0469088)},
    {L"force long ton", Spelling::Name, vocab::unit(QelUnit::kilogram_force, 1016.0469088)},
    {L"pdl", Spelling::Symbol, vocab::unit(QelUnit::newton, 0.138254954376)}, // poundal: 1 lb·ft/s²
    {L"poundal", Spelling::Name, vocab::unit(QelUnit::newton, 0.138254954376)},
    // The kilopound is a thousand pounds of mass to every reference; the kip keeps its force.
    {L"kilopound", Spelling::Name, vocab::unit(QelUnit::pound, 1000.0)},
    {L"kilopounds", Spelling::Name, vocab::unit(QelUnit::pound, 1000.0)},
    {L"klb", Spelling::Symbol, vocab::unit(QelUnit::pound, 1000.0)},
    // Torque: "foot pound" is a product to every reader, a foot times a pound of mass;
    // the torque and the energy are the foot-pound-force.
    {L"foot pound", Spelling::Refused, vocab::none(), L"a foot times a pound is a length times a mass to most readers: write 'ft\u00B7lbf' or 'foot-pound'"},
    {L"foot pounds", Spelling::Refused, vocab::none(), L"a foot times a pound is a length times a mass to most readers: write 'ft\u00B7lbf' or 'foot-pound'"},
    {L"pound foot", Spelling::Refused, vocab::none(), L"a foot times a pound is a length times a mass to most readers: write 'ft\u00B7lbf' or 'foot-pound'"},
    {L"pound feet", Spelling::Refused, vocab::none(), L"a foot times a pound is a length times a mass to most readers: write 'ft\u00B7lbf' or 'foot-pound'"},
    {L"inch pound", Spelling::Refused, vocab::none(), L"an inch times a pound is a length times a mass to most readers: write 'in\u00B7lbf' or 'inch-pound'"},
    {L"inch pounds", Spelling::Refused, vocab::none(), L"an inch times a pound is a length times a mass to most readers: write 'in\u00B7lbf' or 'inch-pound'"},
    {L"inch-pound", Spelling::Name, vocab::times(QelUnit::inches, QelUnit::pound_force)},
    {L"inch-pounds", Spelling::Name, vocab::times(QelUnit::inches, QelUnit::pound_force)},
    {L"pound-inch", Spelling::Name, vocab::times(QelUnit::inches, QelUnit::pound_force)},
    {L"pound-inches", Spelling::Name, vocab::times(QelUnit::inches, QelUnit::pound_force)},
    // Energy and power symbols in the case the references and data files write them.
    {L"Btu", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit)},
    {L"btu", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit)},
    {L"BTUs", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit)},
    {L"Btus", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit)},
    {L"KWH", Spelling::Symbol, vocab::unit(QelUnit::kilowatt_hour)},
    {L"kwh", Spelling::Symbol, vocab::unit(QelUnit::kilowatt_hour)},
    {L"Kwh", Spelling::Symbol, vocab::unit(QelUnit::kilowatt_hour)},
    {L"KWh", Spelling::Symbol, vocab::unit(QelUnit::kilowatt_hour)},
    {L"hp", Spelling::Symbol, vocab::unit(QelUnit::horse_power)},
    {L"BTUH", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour)},
    {L"BTUh", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour)},
    {L"refrigeration ton", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour, 12000.0)},
    {L"refrigeration tons", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour, 12000.0)},
    {L"metric horsepower", Spelling::Name, vocab::unit(QelUnit::watt, 735.49875)},
    {L"US therm", Spelling::Name, vocab::unit(QelUnit::us_therm)},
    {L"US therms", Spelling::Name, vocab::unit(QelUnit::us_therm)},
    // Flows in capitals.
    {L"gpm", Spelling::Symbol, vocab::unit(QelUnit::us_gallon_per_minute)},
    {L"gph", Spelling::Symbol, vocab::unit(QelUnit::us_gallon_per_hour)},
    {L"GPD", Spelling::Symbol, vocab::unit(QelUnit::us_gallon_per_day)},
    {L"MGD", Spelling::Symbol, vocab::unit(QelUnit::us_million_gallon_per_day)},
    {L"CFS", Spelling::Symbol, vocab::unit(QelUnit::cubic_foot_per_second)},
    {L"LPM", Spelling::Symbol, vocab::unit(QelUnit::liter_per_minute)},
    {L"cumec", Spelling::Name, vocab::unit(QelUnit::cubic_meter_per_second)},
    // Pressures.
    {L"atm", Spelling::Symbol, vocab::unit(QelUnit::standard_atmosphere)},
    {L"atmosphere", Spelling::Name, vocab::unit(QelUnit::standard_atmosphere)},
    {L"standard atmosphere", Spelling::Name, vocab::unit(QelUnit::standard_atmosphere)},
    {L"standard atmospheres", Spelling::Name, vocab::unit(QelUnit::standard_atmosphere)},
    {L"at", Spelling::Symbol, vocab::unit(QelUnit::technical_atmosphere)},
    {L"technical atmosphere", Spelling::Name, vocab::unit(QelUnit::technical_atmosphere)},
    {L"technical atmospheres", Spelling::Name, vocab::unit(QelUnit::technical_atmosphere)},
    {L"PSI", Spelling::Symbol, vocab::unit(QelUnit::pound_per_square_inch)},
    {L"mm of Hg", Spelling::Name, vocab::unit(QelUnit::millimeter_of_mercury)},
    {L"mm of mercury", Spelling::Name, vocab::unit(QelUnit::millimeter_of_mercury)},
    {L"cmHg", Spelling::Symbol, vocab::unit(QelUnit::pascals, 1333.22387415)}, // 10 mm of mercury of 13595.1 kg/m³
    // Resistances and ratios.
    {L"kilohm", Spelling::Name, vocab::per(QelUnit::volt, QelUnit::ampere, 1e3)},
    {L"kohms", Spelling::Name, vocab::per(QelUnit::volt, QelUnit::ampere, 1e3)},
    {L"megohm", Spelling::Name, vocab::per(QelUnit::volt, QelUnit::ampere, 1e6)},
    {L"Mohms", Spelling::Name, vocab::per(QelUnit::volt, QelUnit::ampere, 1e6)},
    {L"permille", Spelling::Name, vocab::number(1e-3)},
    {L"per mille", Spelling::Name, vocab::number(1e-3)},
    {L"basis point", Spelling::Name, vocab::number(1e-4)},
    {L"basis points", Spelling::Name, vocab::number(1e-4)},
    {L"pptv", Spelling::Symbol, vocab::number(1e-12)},
    {L"gsm", Spelling::Symbol, vocab::per(QelUnit::gram, QelUnit::square_meters)}, // paper weight
    // Textiles: linear mass density.
    {L"tex", Spelling::Name, vocab::per(QelUnit::kilogram, QelUnit::meter, 1e-6)}, // 1 g/km
    {L"dtex", Spelling::Symbol, vocab::per(QelUnit::kilogram, QelUnit::meter, 1e-7)},
    {L"denier", Spelling::Name, vocab::per(QelUnit::kilogram, QelUnit::meter, 1.1111111111111111e-7)}, // 1 g/9 km
    // More plurals and powers.
    {L"boiler horsepower", Spelling::Name, vocab::unit(QelUnit::watt, 9809.5)},
    {L"boiler horsepowers", Spelling::Name, vocab::unit(QelUnit::watt, 9809.5)},
    {L"electric horsepower", Spelling::Name, vocab::unit(QelUnit::watt, 746.0)},
    {L"electrical horsepower", Spelling::Name, vocab::unit(QelUnit::watt, 746.0)},
    {L"water horsepower", Spelling::Name, vocab::unit(QelUnit::watt, 746.043)}, // pumps: the power of lifting water
    {L"metric hp", Spelling::Name, vocab::unit(QelUnit::watt, 735.49875)},
    {L"poises", Spelling::Name, {0.1, {{QelUnit::pascals, 1}, {QelUnit::second, 1}}}},
    {L"EC therm", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit, 1e5)}, // 100000 BTU
    {L"EC therms", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit, 1e5)},
    // Manometer columns at stated temperatures (13595.1 and 13556.8 kg/m³ mercury, water at 39 °F and 60 °F).
    {L"inch Hg 32F", Spelling::Name, vocab::unit(QelUnit::pascals, 3386.38864)}, // 0.0254 m × 133322.387415 Pa/m
    {L"inch Hg 60F", Spelling::Name, vocab::unit(QelUnit::pascals, 3376.8485344)}, // 0.0254 m × 13556.8 kg/m³ × gn
    {L"inch H2O 39F", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08193551052)}, // 0.0254 m × 999.972 kg/m³ × gn
    {L"inch H2O 60F", Spelling::Name, vocab::unit(QelUnit::inch_of_water)},
    {L"inches H2O 39F", Spelling::Name, vocab::unit(QelUnit::pascals, 249.08193551052)},
    {L"inches H2O 60F", Spelling::Name, vocab::unit(QelUnit::inch_of_water)},
    {L"inches Hg 32F", Spelling::Name, vocab::unit(QelUnit::pascals, 3386.38864)},
    {L"inches Hg 60F", Spelling::Name, vocab::unit(QelUnit::pascals, 3376.8485344)},
    {L"millimeters Hg 0C", Spelling::Name, vocab::unit(QelUnit::pascals, 133.322387415)},
    {L"millimeter Hg 0C", Spelling::Name, vocab::unit(QelUnit::pascals, 133.322387415)},
    {L"slinch", Spelling::Name, vocab::unit(QelUnit::pound, 386.08858267716535)}, // 1 lbf·s²/in: 9.80665/0.0254 lb
    {L"metric tonne", Spelling::Name, vocab::unit(QelUnit::tonne)},
    {L"metric tonnes", Spelling::Name, vocab::unit(QelUnit::tonne)},
    {L"kilopound-force", Spelling::Name, vocab::unit(QelUnit::kilopound)},
    {L"klbf", Spelling::Symbol, vocab::unit(QelUnit::kilopound)}, // 1000 lbf
    {L"kilopounds-force", Spelling::Name, vocab::unit(QelUnit::kilopound)},
    {L"British thermal unit", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit)},
    {L"British thermal units", Spelling::Name, vocab::unit(QelUnit::intl_british_thermal_unit)},
    // Specific heats written without a product sign.
    {L"J/kgK", Spelling::Symbol, {1.0, {{QelUnit::joule, 1}, {QelUnit::kilogram, -1}, {QelUnit::kelvin, -1}}}},
    {L"kJ/kgK", Spelling::Symbol, {1000.0, {{QelUnit::joule, 1}, {QelUnit::kilogram, -1}, {QelUnit::kelvin, -1}}}},
    {L"J/g\u00B0C", Spelling::Symbol, {1000.0, {{QelUnit::joule, 1}, {QelUnit::kilogram, -1}, {QelUnit::kelvin, -1}}}},
    {L"J/gK", Spelling::Symbol, {1000.0, {{QelUnit::joule, 1}, {QelUnit::kilogram, -1}, {QelUnit::kelvin, -1}}}},
    {L"cal/g\u00B0C", Spelling::Symbol, {4184.0, {{QelUnit::joule, 1}, {QelUnit::kilogram, -1}, {QelUnit::kelvin, -1}}}}, // 1 cal/(g·K)
    {L"Btu/lb\u00B0F", Spelling::Symbol, {1.0, {{QelUnit::intl_british_thermal_unit, 1}, {QelUnit::pound, -1}, {QelUnit::rankine, -1}}}},
    {L"BTU/lb\u00B0F", Spelling::Symbol, {1.0, {{QelUnit::intl_british_thermal_unit, 1}, {QelUnit::pound, -1}, {QelUnit::rankine, -1}}}},
    // The catalogue writes the litre 'l' in these; the capital L is as common.
    {L"L/s", Spelling::Symbol, vocab::unit(QelUnit::liter_per_second)},
    {L"L/min", Spelling::Symbol, vocab::unit(QelUnit::liter_per_minute)},
    {L"ML/d", Spelling::Symbol, vocab::unit(QelUnit::million_liter_per_day)},
    {L"l/hr", Spelling::Symbol, vocab::unit(QelUnit::liter_per_hour)},
    {L"l/d", Spelling::Symbol, vocab::unit(QelUnit::liter_per_day)},
    // Columns of mercury by name, as "inch_Hg" and "millimeter_Hg" write them.
    {L"inch Hg", Spelling::Name, vocab::unit(QelUnit::inch_of_mercury)},
    {L"inches Hg", Spelling::Name, vocab::unit(QelUnit::inch_of_mercury)},
    {L"millimeter Hg", Spelling::Name, vocab::unit(QelUnit::millimeter_of_mercury)},
    {L"millimeters Hg", Spelling::Name, vocab::unit(QelUnit::millimeter_of_mercury)},
    {L"millimetre Hg", Spelling::Name, vocab::unit(QelUnit::millimeter_of_mercury)},
    {L"cm Hg", Spelling::Name, vocab::unit(QelUnit::pascals, 1333.22387415)},
    {L"centimeter Hg", Spelling::Name, vocab::unit(QelUnit::pascals, 1333.22387415)},
    {L"centimeters Hg", Spelling::Name, vocab::unit(QelUnit::pascals, 1333.22387415)},
    // Compositions that a catalogue text in another case would otherwise take for a case error.
    {L"Btu/h", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit_per_hour)},
    {L"Btu/s", Spelling::Symbol, vocab::unit(QelUnit::intl_british_thermal_unit_per_second)},
    {L"mN/m", Spelling::Symbol, vocab::unit(QelUnit::newton_per_meter, 1e-3)},
    {L"mN/m\u00B2", Spelling::Symbol, vocab::unit(QelUnit::newton_per_square_meter, 1e-3)},
    {L"ml/d", Spelling::Symbol, vocab::unit(QelUnit::liter_per_day, 1e-3)},
};
// clang-format on

} // namespace qelunits_detail

#endif
