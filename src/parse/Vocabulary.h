#ifndef QELUNITS_SRC_PARSE_VOCABULARY_H
#define QELUNITS_SRC_PARSE_VOCABULARY_H

// What the parser reads beyond the catalogue's own texts: everyday spellings,
// SI prefixes on the units that take them, and the words that stand for
// operators. Each reading is a scale times a product of catalogue units.

#include <qelunits/ConversionFactor.h>
#include <qelunits/QelUnit.h>

#include <cstddef>
#include <cstdint>

namespace qelunits_detail {

/// At most this many catalogue units in one reading.
constexpr std::size_t kMeaningUnits = 3;

/// A scale times a product of catalogue units; the units end at the first with power 0.
struct Meaning {
    double scale = 1.0;
    QelUnitFactor units[kMeaningUnits] = {};
};

/// How a spelling of the vocabulary compares.
enum class Spelling : std::uint8_t {
    Symbol,  // exact case first; folded only where every folded match means the same
    Name,    // case folded ("Percent", "TABLESPOON")
    Refused, // read on purpose as an error, with the reason in its row
};

struct VocabularyEntry {
    const wchar_t* text;
    Spelling spelling;
    Meaning meaning;
    const wchar_t* refusal = nullptr; // why a refused spelling is not read
};

namespace vocab {
using U = QelUnit;
constexpr Meaning unit(U::BuiltinUnits u, double scale = 1.0) { return {scale, {{u, 1}}}; }
constexpr Meaning per(U::BuiltinUnits a, U::BuiltinUnits b, double scale = 1.0) { return {scale, {{a, 1}, {b, -1}}}; }
constexpr Meaning times(U::BuiltinUnits a, U::BuiltinUnits b) { return {1.0, {{a, 1}, {b, 1}}}; }
constexpr Meaning number(double scale) { return {scale, {}}; }
constexpr Meaning none() { return {}; }
} // namespace vocab

// Spellings in common use. A spelling that names a catalogue unit means that
// unit, rounding and all, so that it never disagrees with the catalogue's own
// texts; others are exact (the defining value in the comment). A catalogue
// text always wins over a row here.
// clang-format off
inline constexpr VocabularyEntry kVocabulary[] = {
    // Temperatures and angles.
    {L"deg", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"°", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"degC", Spelling::Symbol, vocab::unit(QelUnit::celsius)},
    {L"degF", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)},
    {L"degR", Spelling::Symbol, vocab::unit(QelUnit::rankine)},
    {L"degK", Spelling::Symbol, vocab::unit(QelUnit::kelvin)},
    {L"deg C", Spelling::Symbol, vocab::unit(QelUnit::celsius)},
    {L"deg F", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)},
    {L"deg R", Spelling::Symbol, vocab::unit(QelUnit::rankine)},
    {L"\u2103", Spelling::Symbol, vocab::unit(QelUnit::celsius)},    // ℃
    {L"\u2109", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)}, // ℉
    {L"\u00BAC", Spelling::Symbol, vocab::unit(QelUnit::celsius)},   // the ordinal sign typed for a degree
    {L"\u00BAF", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)},
    {L"\u02DAC", Spelling::Symbol, vocab::unit(QelUnit::celsius)},   // the ring above typed for a degree
    {L"\u02DAF", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)},
    {L"oC", Spelling::Symbol, vocab::unit(QelUnit::celsius)},
    {L"oF", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)},
    // With a blank or a period after the degree: not a degree of angle times a century.
    {L"° C", Spelling::Symbol, vocab::unit(QelUnit::celsius)},
    {L"° F", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)},
    {L"° K", Spelling::Symbol, vocab::unit(QelUnit::kelvin)},
    {L"° R", Spelling::Symbol, vocab::unit(QelUnit::rankine)},
    {L"deg. C", Spelling::Symbol, vocab::unit(QelUnit::celsius)},
    {L"deg. F", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)},
    {L"deg K", Spelling::Symbol, vocab::unit(QelUnit::kelvin)},
    {L"degree Celsius", Spelling::Name, vocab::unit(QelUnit::celsius)},
    {L"degrees Celsius", Spelling::Name, vocab::unit(QelUnit::celsius)},
    {L"degree Fahrenheit", Spelling::Name, vocab::unit(QelUnit::fahrenheit)},
    {L"degrees Fahrenheit", Spelling::Name, vocab::unit(QelUnit::fahrenheit)},
    {L"degrees C", Spelling::Name, vocab::unit(QelUnit::celsius)},
    {L"degrees F", Spelling::Name, vocab::unit(QelUnit::fahrenheit)},
    {L"degree C", Spelling::Name, vocab::unit(QelUnit::celsius)},
    {L"degree F", Spelling::Name, vocab::unit(QelUnit::fahrenheit)},
    // Single capitals that people type for other units than the SI symbol they are.
    {L"F", Spelling::Refused, vocab::none(), L"degrees Fahrenheit are '°F' or 'degF', the farad 'farad'"},
    {L"H", Spelling::Refused, vocab::none(), L"hours are 'h' or 'hr', the henry 'henry'"},
    {L"S", Spelling::Refused, vocab::none(), L"seconds are 's', the siemens 'siemens'"},
    {L"T", Spelling::Refused, vocab::none(), L"the tesla is 'tesla', the tablespoon 'tbsp'"},
    {L"pH", Spelling::Refused, vocab::none(), L"the pH is a logarithm, not a unit"},
    {L"arcmin", Spelling::Symbol, vocab::unit(QelUnit::angle_minute)},
    {L"arcminute", Spelling::Name, vocab::unit(QelUnit::angle_minute)},
    {L"arcminutes", Spelling::Name, vocab::unit(QelUnit::angle_minute)},
    {L"arc minute", Spelling::Name, vocab::unit(QelUnit::angle_minute)},
    {L"arc minutes", Spelling::Name, vocab::unit(QelUnit::angle_minute)},
    {L"arcsec", Spelling::Symbol, vocab::unit(QelUnit::angle_second)},
    {L"arcsecond", Spelling::Name, vocab::unit(QelUnit::angle_second)},
    {L"arcseconds", Spelling::Name, vocab::unit(QelUnit::angle_second)},
    {L"arc second", Spelling::Name, vocab::unit(QelUnit::angle_second)},
    {L"arc seconds", Spelling::Name, vocab::unit(QelUnit::angle_second)},
    {L"gon", Spelling::Symbol, vocab::unit(QelUnit::grad)},
    {L"MOA", Spelling::Symbol, vocab::unit(QelUnit::angle_minute)}, // minute of angle
    // Primes and quotes mean feet and inches as often as arcminutes and arcseconds.
    {L"\u2032", Spelling::Refused, vocab::none(), L"it is the foot or the arcminute: write 'ft' or 'arcmin'"},
    {L"\u2033", Spelling::Refused, vocab::none(), L"it is the inch or the arcsecond: write 'in' or 'arcsec'"},
    {L"'", Spelling::Refused, vocab::none(), L"it is the foot or the arcminute: write 'ft' or 'arcmin'"},
    {L"\"", Spelling::Refused, vocab::none(), L"it is the inch or the arcsecond: write 'in' or 'arcsec'"},
    // Speed and rotation.
    {L"mph", Spelling::Symbol, vocab::unit(QelUnit::mile_per_hour)},              // 0.44704 m/s
    {L"kph", Spelling::Symbol, vocab::unit(QelUnit::kilometer_per_hour)},
    {L"kmh", Spelling::Symbol, vocab::unit(QelUnit::kilometer_per_hour)},
    {L"kmph", Spelling::Symbol, vocab::unit(QelUnit::kilometer_per_hour)},
    {L"fps", Spelling::Symbol, vocab::unit(QelUnit::foot_per_second)},
    {L"kn", Spelling::Symbol, vocab::unit(QelUnit::knot)},                       // 1852 m/h
    {L"kt", Spelling::Symbol, vocab::unit(QelUnit::knot)},
    {L"kts", Spelling::Symbol, vocab::unit(QelUnit::knot)},
    {L"rps", Spelling::Symbol, vocab::unit(QelUnit::revolutions_per_minute, 60.0)},
    {L"r/min", Spelling::Symbol, vocab::unit(QelUnit::revolutions_per_minute)},
    {L"rev/min", Spelling::Symbol, vocab::unit(QelUnit::revolutions_per_minute)},
    {L"r/s", Spelling::Symbol, vocab::unit(QelUnit::revolutions_per_minute, 60.0)},
    {L"rev/s", Spelling::Symbol, vocab::unit(QelUnit::revolutions_per_minute, 60.0)},
    {L"ipm", Spelling::Symbol, vocab::unit(QelUnit::inch_per_minute)},         // machining feeds
    {L"sfm", Spelling::Symbol, vocab::unit(QelUnit::foot_per_minute)},          // surface feet per minute
    {L"sfpm", Spelling::Symbol, vocab::unit(QelUnit::foot_per_minute)},
    {L"mpg", Spelling::Symbol, vocab::per(QelUnit::mile, QelUnit::liquid_gallon)}, // miles per US gallon
    // Length and area.
    {L"thou", Spelling::Name, vocab::unit(QelUnit::mil)},                         // 0.001 in
    {L"yds", Spelling::Symbol, vocab::unit(QelUnit::yards)},
    {L"nautical mile", Spelling::Name, vocab::unit(QelUnit::mile_nautical_int)},  // 1852 m
    {L"nautical miles", Spelling::Name, vocab::unit(QelUnit::mile_nautical_int)},
    {L"survey foot", Spelling::Name, vocab::unit(QelUnit::survey_foot)},          // 1200/3937 m
    {L"survey feet", Spelling::Name, vocab::unit(QelUnit::survey_foot)},
    {L"US survey foot", Spelling::Name, vocab::unit(QelUnit::survey_foot)},
    {L"US survey feet", Spelling::Name, vocab::unit(QelUnit::survey_foot)},
    {L"survey ft", Spelling::Symbol, vocab::unit(QelUnit::survey_foot)},
    {L"ftUS", Spelling::Symbol, vocab::unit(QelUnit::survey_foot)},
    {L"usft", Spelling::Symbol, vocab::unit(QelUnit::survey_foot)},
    {L"us-ft", Spelling::Symbol, vocab::unit(QelUnit::survey_foot)}, // not microsecond feet
    {L"US survey ft", Spelling::Symbol, vocab::unit(QelUnit::survey_foot)},
    {L"perch", Spelling::Name, vocab::unit(QelUnit::rod)},
    {L"lk", Spelling::Symbol, vocab::unit(QelUnit::link)},
    {L"\u00B5in", Spelling::Symbol, vocab::unit(QelUnit::meter, 2.54e-8)}, // microinch
    {L"uin", Spelling::Symbol, vocab::unit(QelUnit::meter, 2.54e-8)},
    {L"microinch", Spelling::Name, vocab::unit(QelUnit::meter, 2.54e-8)},
    {L"pole", Spelling::Name, vocab::unit(QelUnit::rod)},
    {L"sqft", Spelling::Symbol, vocab::unit(QelUnit::square_foot)},
    {L"sqin", Spelling::Symbol, vocab::unit(QelUnit::square_inch)},
    {L"sqyd", Spelling::Symbol, vocab::unit(QelUnit::square_yard)},
    {L"sqm", Spelling::Symbol, vocab::unit(QelUnit::square_meters)},
    {L"sqkm", Spelling::Symbol, vocab::unit(QelUnit::square_kilometer)},
    {L"sqmi", Spelling::Symbol, vocab::unit(QelUnit::square_mile_statute)},       // as "sq mi"
    // Volume.
    {L"cc", Spelling::Symbol, vocab::unit(QelUnit::cubic_centimeter)},
    {L"cuft", Spelling::Symbol, vocab::unit(QelUnit::cubic_foot)},
    {L"cuin", Spelling::Symbol, vocab::unit(QelUnit::cubic_inch)},
    {L"cuyd", Spelling::Symbol, vocab::unit(QelUnit::cubic_yard)},
    {L"ccf", Spelling::Symbol, vocab::unit(QelUnit::cubic_foot, 100.0)},          // gas metering: 100 ft³
    {L"Mcf", Spelling::Symbol, vocab::unit(QelUnit::cubic_foot, 1e3)},            // 1000 ft³ (M for thousand)
    {L"MMcf", Spelling::Symbol, vocab::unit(QelUnit::cubic_foot, 1e6)},
    {L"acre-ft", Spelling::Symbol, vocab::times(QelUnit::acre, QelUnit::foot)},
    {L"ac-ft", Spelling::Symbol, vocab::times(QelUnit::acre, QelUnit::foot)},
    {L"acre-foot", Spelling::Name, vocab::times(QelUnit::acre, QelUnit::foot)},
    {L"acre-feet", Spelling::Name, vocab::times(QelUnit::acre, QelUnit::foot)},
    {L"acre foot", Spelling::Name, vocab::times(QelUnit::acre, QelUnit::foot)},
    {L"acre feet", Spelling::Name, vocab::times(QelUnit::acre, QelUnit::foot)},
    {L"gals", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon)},
    {L"US gal", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon)},            // 231 in³
    {L"US-gal", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon)},
    {L"US gallon", Spelling::Name, vocab::unit(QelUnit::liquid_gallon)},
    {L"US gallons", Spelling::Name, vocab::unit(QelUnit::liquid_gallon)},
    {L"UK gal", Spelling::Symbol, vocab::unit(QelUnit::imp_gallon)},               // 4.54609 l
    {L"imperial gallon", Spelling::Name, vocab::unit(QelUnit::imp_gallon)},
    {L"imperial gallons", Spelling::Name, vocab::unit(QelUnit::imp_gallon)},
    {L"floz", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)},
    {L"fl.oz", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)},
    {L"fl. oz.", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)}, // not femtolitre ounces
    {L"fl. oz", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)},
    {L"US fl oz", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)},
    {L"cup", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 1.0 / 16.0)},     // US cup: 8 fl oz, 236.5882365 ml
    {L"cups", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 1.0 / 16.0)},
    {L"tbsp", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)}, // US tablespoon: 14.78676478125 ml
    {L"Tbsp", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)},
    {L"tbs", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)},
    {L"tablespoon", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)},
    {L"tablespoons", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)},
    {L"tsp", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 768.0)},  // US teaspoon: 4.92892159375 ml
    {L"teaspoon", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 1.0 / 768.0)},
    {L"teaspoons", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 1.0 / 768.0)},
    {L"oil barrel", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 42.0)},    // 42 US gal
    {L"oil barrels", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    // Mass.
    {L"lbs", Spelling::Symbol, vocab::unit(QelUnit::pound)},                       // 0.45359237 kg
    {L"pcf", Spelling::Symbol, vocab::unit(QelUnit::pound_per_cubic_foot)},
    {L"pci", Spelling::Symbol, vocab::unit(QelUnit::pound_per_cubic_inch)},
    {L"lbm", Spelling::Symbol, vocab::unit(QelUnit::pound)},
    {L"kgs", Spelling::Symbol, vocab::unit(QelUnit::kilogram)},
    {L"kilo", Spelling::Name, vocab::unit(QelUnit::kilogram)},
    {L"kilos", Spelling::Name, vocab::unit(QelUnit::kilogram)},
    {L"gm", Spelling::Symbol, vocab::unit(QelUnit::gram)},
    {L"gms", Spelling::Symbol, vocab::unit(QelUnit::gram)},
    {L"mcg", Spelling::Symbol, vocab::unit(QelUnit::kilogram, 1e-9)},
    {L"amu", Spelling::Symbol, vocab::unit(QelUnit::dalton)},
    {L"ozt", Spelling::Symbol, vocab::unit(QelUnit::ounce_troy)},
    {L"ct", Spelling::Symbol, vocab::unit(QelUnit::kilogram, 2e-4)},               // metric carat: 200 mg
    {L"carat", Spelling::Name, vocab::unit(QelUnit::kilogram, 2e-4)},
    {L"carats", Spelling::Name, vocab::unit(QelUnit::kilogram, 2e-4)},
    {L"metric ton", Spelling::Name, vocab::unit(QelUnit::tonne)},
    {L"metric tons", Spelling::Name, vocab::unit(QelUnit::tonne)},
    {L"MT", Spelling::Symbol, vocab::unit(QelUnit::tonne)}, // the metric ton of trade, not a megatesla
    // Standard gravity, for accelerations in g.
    {L"g0", Spelling::Symbol, vocab::unit(QelUnit::meter_per_second_squared, 9.80665)},
    {L"gn", Spelling::Symbol, vocab::unit(QelUnit::meter_per_second_squared, 9.80665)},
    {L"g-force", Spelling::Name, vocab::unit(QelUnit::meter_per_second_squared, 9.80665)},
    // Time.
    {L"secs", Spelling::Symbol, vocab::unit(QelUnit::second)},
    {L"mins", Spelling::Symbol, vocab::unit(QelUnit::minute)},
    {L"h", Spelling::Symbol, vocab::unit(QelUnit::hour)},
    {L"hrs", Spelling::Symbol, vocab::unit(QelUnit::hour)},
    {L"wks", Spelling::Symbol, vocab::unit(QelUnit::week)},
    {L"yrs", Spelling::Symbol, vocab::unit(QelUnit::sidereal_year)},               // as "yr"
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
    {L"coulomb", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::second)},
    {L"coulombs", Spelling::Name, vocab::times(QelUnit::ampere, QelUnit::second)},
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

/// An SI prefix: its symbol and word (either may be null) and its power of ten.
struct Prefix {
    const wchar_t* symbol;
    const wchar_t* word;
    int exponent;
};

// clang-format off
inline constexpr Prefix kPrefixes[] = {
    {L"q", L"quecto", -30}, {L"r", L"ronto", -27}, {L"y", L"yocto", -24}, {L"z", L"zepto", -21},
    {L"a", L"atto", -18},   {L"f", L"femto", -15}, {L"p", L"pico", -12},  {L"n", L"nano", -9},
    {L"\u00B5", L"micro", -6}, {L"\u03BC", nullptr, -6}, {L"u", nullptr, -6}, // micro sign, Greek mu, and u
    {L"m", L"milli", -3},   {L"c", L"centi", -2},  {L"d", L"deci", -1},   {L"da", L"deka", 1},
    {nullptr, L"deca", 1},  {L"h", L"hecto", 2},   {L"k", L"kilo", 3},    {L"M", L"mega", 6},
    {L"G", L"giga", 9},     {L"T", L"tera", 12},   {L"P", L"peta", 15},   {L"E", L"exa", 18},
    {L"Z", L"zetta", 21},   {L"Y", L"yotta", 24},  {L"R", L"ronna", 27},  {L"Q", L"quetta", 30},
};
// clang-format on

/// A unit that takes SI prefixes: its symbols and names (null where fewer), and
/// what one of it is: 10^exponent × mantissa × its catalogue units.
struct PrefixableUnit {
    const wchar_t* symbols[3];
    const wchar_t* names[4];
    int exponent;
    Meaning meaning;
};

// Temperature scales with an offset and units outside the SI take no prefix.
// clang-format off
inline constexpr PrefixableUnit kPrefixableUnits[] = {
    {{L"m"}, {L"meter", L"meters", L"metre", L"metres"}, 0, vocab::unit(QelUnit::meter)},
    {{L"g"}, {L"gram", L"grams", L"gramme", L"grammes"}, -3, vocab::unit(QelUnit::kilogram)},
    {{L"s", L"sec"}, {L"second", L"seconds"}, 0, vocab::unit(QelUnit::second)},
    {{L"A"}, {L"ampere", L"amperes", L"amp", L"amps"}, 0, vocab::unit(QelUnit::ampere)},
    {{L"K"}, {L"kelvin", L"kelvins"}, 0, vocab::unit(QelUnit::kelvin)},
    {{L"mol"}, {L"mole", L"moles"}, 0, vocab::unit(QelUnit::mole)},
    {{L"cd"}, {L"candela", L"candelas"}, 0, vocab::unit(QelUnit::candela)},
    {{L"rad"}, {L"radian", L"radians"}, 0, vocab::unit(QelUnit::radian)},
    {{L"sr"}, {L"steradian", L"steradians"}, 0, vocab::unit(QelUnit::steradian)},
    {{L"Hz"}, {L"hertz"}, 0, vocab::unit(QelUnit::hertz)},
    {{L"N"}, {L"newton", L"newtons"}, 0, vocab::unit(QelUnit::newton)},
    {{L"J"}, {L"joule", L"joules"}, 0, vocab::unit(QelUnit::joule)},
    {{L"Pa"}, {L"pascal", L"pascals"}, 0, vocab::unit(QelUnit::pascals)},
    {{L"W"}, {L"watt", L"watts"}, 0, vocab::unit(QelUnit::watt)},
    {{L"V"}, {L"volt", L"volts"}, 0, vocab::unit(QelUnit::volt)},
    {{L"lx"}, {L"lux"}, 0, vocab::unit(QelUnit::lux)},
    {{L"lm"}, {L"lumen", L"lumens"}, 0, vocab::unit(QelUnit::lumen)},
    {{L"L", L"l"}, {L"liter", L"liters", L"litre", L"litres"}, 0, vocab::unit(QelUnit::liter)},
    {{L"bar"}, {L"bar", L"bars"}, 0, vocab::unit(QelUnit::bar)},
    {{L"Wh"}, {L"watthour", L"watthours"}, 0, vocab::times(QelUnit::watt, QelUnit::hour)},
    {{L"eV"}, {L"electronvolt", L"electronvolts"}, 0, vocab::unit(QelUnit::joule, 1.602176634e-19)}, // exact since 2019
    {{L"VA"}, {L"voltampere", L"voltamperes"}, 0, vocab::unit(QelUnit::volt_ampere)},
    {{L"Ah"}, {}, 0, vocab::times(QelUnit::ampere, QelUnit::hour)},
    {{L"var"}, {L"volt-ampere reactive"}, 0, vocab::unit(QelUnit::volt_ampere)}, // reactive power, in the same dimension
    {{L"Wp"}, {L"watt-peak"}, 0, vocab::unit(QelUnit::watt)},                    // the rated power of solar panels
    {{L"\u03A9", L"\u2126", L"ohm"}, {L"ohm", L"ohms"}, 0, vocab::per(QelUnit::volt, QelUnit::ampere)}, // Ω: omega or ohm sign
    {{L"S"}, {L"siemens"}, 0, vocab::per(QelUnit::ampere, QelUnit::volt)},
    {{L"F"}, {L"farad", L"farads"}, 0, {1.0, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::volt, -1}}}},
    {{L"H"}, {L"henry", L"henries", L"henrys"}, 0, {1.0, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::ampere, -1}}}},
    {{L"Wb"}, {L"weber", L"webers"}, 0, vocab::times(QelUnit::volt, QelUnit::second)},
    {{L"T"}, {L"tesla", L"teslas"}, 0, {1.0, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::square_meters, -1}}}},
    {{L"Gy"}, {L"gray", L"grays"}, 0, vocab::per(QelUnit::joule, QelUnit::kilogram)},
    {{L"Sv"}, {L"sievert", L"sieverts"}, 0, vocab::per(QelUnit::joule, QelUnit::kilogram)},
    {{L"Bq"}, {L"becquerel", L"becquerels"}, 0, {1.0, {{QelUnit::second, -1}}}},
    {{L"Da"}, {L"dalton", L"daltons"}, 0, vocab::unit(QelUnit::dalton)},
    {{L"pc"}, {L"parsec", L"parsecs"}, 0, vocab::unit(QelUnit::parsec)}, // kpc and Mpc, as astronomy writes them
};
// clang-format on

/// Words that stand for operators: "miles per hour", "m/s squared", "square metres".
enum class OperatorWord : std::uint8_t { None, Per, Squared, Cubed, Square, Cubic };

/// The operator a word stands for, case folded.
OperatorWord operatorWord(const wchar_t* text, std::size_t length) noexcept;

/// A kept catalogue spelling that most people read otherwise, and what to write instead.
struct SpellingNote {
    const wchar_t* text;
    QelUnit::BuiltinUnits unit;
    const wchar_t* note;
};

// clang-format off
inline constexpr SpellingNote kSpellingNotes[] = {
    {L"t", QelUnit::ton, L"'t' is the short ton here; the metric tonne is 'tonne'"},
    {L"Ton", QelUnit::ton, L"'ton' is the short ton (2000 lb) here; the metric tonne is 'tonne', the ton of refrigeration 'TR'"},
    {L"Tons", QelUnit::ton, L"'tons' are short tons (2000 lb) here; the metric tonne is 'tonne', the ton of refrigeration 'TR'"},
    {L"C", QelUnit::century, L"'C' is the century here; degrees Celsius are '°C' or 'degC'"},
    {L"cal", QelUnit::caliber, L"'cal' is the caliber here; the calorie is 'intl_calorie', the kilocalorie 'kcal'"},
    {L"bbl", QelUnit::barrel, L"'bbl' is the US dry barrel here (7056 in³); the 42-gallon barrel is 'oil barrel'"},
    {L"nmi", QelUnit::mile_nautical_UK, L"'nmi' is the UK nautical mile here (1853.184 m); the international one is 'nmi(Int)'"},
    {L"M", QelUnit::millenium, L"'M' is the millenium here; molar concentration is 'mol/l'"},
};
// clang-format on

/// Where a spelling of the vocabulary or of a prefixable unit lies.
struct VocabularyHit {
    enum class Source : std::uint8_t { Vocabulary, PrefixableSymbol, PrefixableName };
    Source source;
    std::uint8_t text; // which symbol or name of the prefixable row
    std::uint16_t row; // in kVocabulary or kPrefixableUnits
};

struct VocabularyHits {
    const VocabularyHit* items = nullptr;
    std::size_t count = 0;
};

/// The text of a hit.
constexpr const wchar_t* textOf(const VocabularyHit& hit) noexcept {
    switch (hit.source) {
    case VocabularyHit::Source::Vocabulary:
        return kVocabulary[hit.row].text;
    case VocabularyHit::Source::PrefixableSymbol:
        return kPrefixableUnits[hit.row].symbols[hit.text];
    case VocabularyHit::Source::PrefixableName:
        break;
    }
    return kPrefixableUnits[hit.row].names[hit.text];
}

/// Every vocabulary spelling, prefixable symbol and prefixable name that equals text[0, length) with A to Z folded.
VocabularyHits findVocabulary(const wchar_t* text, std::size_t length) noexcept;

} // namespace qelunits_detail

#endif
