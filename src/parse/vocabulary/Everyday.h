#ifndef QELUNITS_SRC_PARSE_VOCABULARY_EVERYDAY_H
#define QELUNITS_SRC_PARSE_VOCABULARY_EVERYDAY_H

// Everyday spellings of temperatures, angles, speeds, lengths, areas, volumes,
// masses and times.

#include "parse/Meaning.h"

namespace qelunits_detail {

// clang-format off
inline constexpr VocabularyEntry kEverydaySpellings[] = {
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
};
// clang-format on

} // namespace qelunits_detail

#endif
