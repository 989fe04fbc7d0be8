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
    // Single capitals that people type for other units than the SI symbol they are: read in compounds only.
    {L"C", Spelling::RefusedAlone, vocab::times(QelUnit::ampere, QelUnit::second), L"it is the coulomb in a compound ('C/kg'); degrees Celsius are '\u00B0C' or 'degC', the coulomb alone 'coulomb'"},
    {L"F", Spelling::RefusedAlone, {1.0, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::volt, -1}}}, L"it is the farad in a compound ('F/m'); degrees Fahrenheit are '\u00B0F' or 'degF', the farad alone 'farad'"},
    {L"H", Spelling::RefusedAlone, {1.0, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::ampere, -1}}}, L"it is the henry in a compound ('H/m'); hours are 'h' or 'hr', the henry alone 'henry'"},
    {L"S", Spelling::RefusedAlone, vocab::per(QelUnit::ampere, QelUnit::volt), L"it is the siemens in a compound ('S/m'); seconds are 's', the siemens alone 'siemens'"},
    {L"pH", Spelling::Refused, vocab::none(), L"the pH is a logarithm, not a unit"},
    {L"arcmin", Spelling::Symbol, vocab::unit(QelUnit::angle_minute)},
    {L"arcminute", Spelling::Name, vocab::unit(QelUnit::angle_minute)},
    {L"arc minute", Spelling::Name, vocab::unit(QelUnit::angle_minute)},
    {L"arc minutes", Spelling::Name, vocab::unit(QelUnit::angle_minute)},
    {L"arcsec", Spelling::Symbol, vocab::unit(QelUnit::angle_second)},
    {L"arcsecond", Spelling::Name, vocab::unit(QelUnit::angle_second)},
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
    {L"kt", Spelling::Refused, vocab::none(), L"'kt' is the knot in aviation and the kilotonne in emissions data: write 'kn' or 'knot' for the knot, 'kilotonne' or '1000 t' for the kilotonne"},
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
    {L"sqmi", Spelling::Symbol, vocab::unit(QelUnit::square_mile)},               // as "sq mi"
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
    {L"floz", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)},
    {L"fl.oz", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)},
    {L"fl. oz.", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)}, // not femtolitre ounces
    {L"fl. oz", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)},
    {L"US fl oz", Spelling::Symbol, vocab::unit(QelUnit::fluid_ounce)},
    {L"cup", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 1.0 / 16.0)},     // US cup: 8 fl oz, 236.5882365 ml
    {L"tbsp", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)}, // US tablespoon: 14.78676478125 ml
    {L"Tbsp", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)},
    {L"tbs", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)},
    {L"tablespoon", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)},
    {L"tsp", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 768.0)},  // US teaspoon: 4.92892159375 ml
    {L"teaspoon", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 1.0 / 768.0)},
    {L"oil barrel", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 42.0)},    // 42 US gal
    {L"oil barrels", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    // Mass.
    {L"lbs", Spelling::Symbol, vocab::unit(QelUnit::pound)},                       // 0.45359237 kg
    {L"pcf", Spelling::Symbol, vocab::unit(QelUnit::pound_per_cubic_foot)},
    {L"pci", Spelling::Symbol, vocab::unit(QelUnit::pound_per_cubic_inch)},
    {L"lbm", Spelling::Symbol, vocab::unit(QelUnit::pound)},
    {L"kgs", Spelling::Symbol, vocab::unit(QelUnit::kilogram)},
    {L"kilo", Spelling::Name, vocab::unit(QelUnit::kilogram)},
    {L"gm", Spelling::Symbol, vocab::unit(QelUnit::gram)},
    {L"gms", Spelling::Symbol, vocab::unit(QelUnit::gram)},
    {L"mcg", Spelling::Symbol, vocab::unit(QelUnit::kilogram, 1e-9)},
    {L"amu", Spelling::Symbol, vocab::unit(QelUnit::dalton)},
    {L"ozt", Spelling::Symbol, vocab::unit(QelUnit::ounce_troy)},
    {L"ct", Spelling::Symbol, vocab::unit(QelUnit::kilogram, 2e-4)},               // metric carat: 200 mg
    {L"carat", Spelling::Name, vocab::unit(QelUnit::kilogram, 2e-4)},
    {L"metric ton", Spelling::Name, vocab::unit(QelUnit::tonne)},
    {L"metric tons", Spelling::Name, vocab::unit(QelUnit::tonne)},
    {L"MT", Spelling::Refused, vocab::none(), L"'MT' is the metric ton in trade and the megatesla in the SI: write 't' or 'tonne'"},
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
    // The year by text is the Julian year (365.25 d), as the IAU writes "a"; the catalogue's codes keep theirs.
    {L"yr", Spelling::Symbol, vocab::unit(QelUnit::day, 365.25)}, // 31557600 s
    {L"yrs", Spelling::Symbol, vocab::unit(QelUnit::day, 365.25)},
    {L"a", Spelling::Symbol, vocab::unit(QelUnit::day, 365.25)},
    {L"year", Spelling::Name, vocab::unit(QelUnit::day, 365.25)},
    {L"years", Spelling::Name, vocab::unit(QelUnit::day, 365.25)},
    {L"annum", Spelling::Name, vocab::unit(QelUnit::day, 365.25)},
    {L"ka", Spelling::Symbol, vocab::unit(QelUnit::day, 365250.0)}, // kiloannum, as geology writes it
    {L"kyr", Spelling::Symbol, vocab::unit(QelUnit::day, 365250.0)},
    {L"Ma", Spelling::Symbol, vocab::unit(QelUnit::day, 365.25e6)},
    {L"Myr", Spelling::Symbol, vocab::unit(QelUnit::day, 365.25e6)},
    {L"Ga", Spelling::Symbol, vocab::unit(QelUnit::day, 365.25e9)},
    {L"Gyr", Spelling::Symbol, vocab::unit(QelUnit::day, 365.25e9)},
    // Temperatures and angles as the references also spell them.
    {L"degree Kelvin", Spelling::Name, vocab::unit(QelUnit::kelvin)},
    {L"degrees Kelvin", Spelling::Name, vocab::unit(QelUnit::kelvin)},
    {L"degree K", Spelling::Name, vocab::unit(QelUnit::kelvin)},
    {L"degrees K", Spelling::Name, vocab::unit(QelUnit::kelvin)},
    {L"degreeK", Spelling::Name, vocab::unit(QelUnit::kelvin)},
    {L"degreesK", Spelling::Name, vocab::unit(QelUnit::kelvin)},
    {L"degreeC", Spelling::Symbol, vocab::unit(QelUnit::celsius)},
    {L"degreesC", Spelling::Symbol, vocab::unit(QelUnit::celsius)},
    {L"degreeF", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)},
    {L"degreesF", Spelling::Symbol, vocab::unit(QelUnit::fahrenheit)},
    {L"degreeR", Spelling::Symbol, vocab::unit(QelUnit::rankine)},
    {L"degreesR", Spelling::Symbol, vocab::unit(QelUnit::rankine)},
    {L"deg Celsius", Spelling::Name, vocab::unit(QelUnit::celsius)},
    {L"deg Fahrenheit", Spelling::Name, vocab::unit(QelUnit::fahrenheit)},
    {L"degree Rankine", Spelling::Name, vocab::unit(QelUnit::rankine)},
    {L"degrees Rankine", Spelling::Name, vocab::unit(QelUnit::rankine)},
    {L"degree R", Spelling::Name, vocab::unit(QelUnit::rankine)},
    {L"degrees R", Spelling::Name, vocab::unit(QelUnit::rankine)},
    {L"centigrade", Spelling::Refused, vocab::none(), L"'centigrade' is the degree Celsius to most people and a hundredth of a grade to others: write '\u00B0C' or 'degC'"},
    // Latitudes, longitudes and bearings are angles; west and south count negative, as UDUNITS-2 reads
    // degree_west and CF data write longitudes (degrees_south is degree_north negated the same way).
    {L"degree north", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degrees north", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degree east", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degrees east", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degree N", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degrees N", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degree E", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degrees E", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degree true", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degrees true", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degree T", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degrees T", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"degreeN", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"degreesN", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"degreeE", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"degreesE", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"degreeT", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"degreesT", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"\u00B0N", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"\u00B0E", Spelling::Symbol, vocab::unit(QelUnit::angle_degree)},
    {L"\u00B0W", Spelling::Symbol, vocab::unit(QelUnit::angle_degree, -1.0)}, // -1 degree east
    {L"degree west", Spelling::Name, vocab::unit(QelUnit::angle_degree, -1.0)},
    {L"degrees west", Spelling::Name, vocab::unit(QelUnit::angle_degree, -1.0)},
    {L"degree W", Spelling::Name, vocab::unit(QelUnit::angle_degree, -1.0)},
    {L"degrees W", Spelling::Name, vocab::unit(QelUnit::angle_degree, -1.0)},
    {L"degreeW", Spelling::Symbol, vocab::unit(QelUnit::angle_degree, -1.0)},
    {L"degreesW", Spelling::Symbol, vocab::unit(QelUnit::angle_degree, -1.0)},
    // South is the same value as west; the radians cancel, so that it is a term of its own that keeps its symbol.
    {L"\u00B0S", Spelling::Symbol, {-1.0, {{QelUnit::angle_degree, 1}, {QelUnit::radian, 1}, {QelUnit::radian, -1}}}}, // -1 degree north
    {L"degree south", Spelling::Name, {-1.0, {{QelUnit::angle_degree, 1}, {QelUnit::radian, 1}, {QelUnit::radian, -1}}}},
    {L"degrees south", Spelling::Name, {-1.0, {{QelUnit::angle_degree, 1}, {QelUnit::radian, 1}, {QelUnit::radian, -1}}}},
    {L"degree S", Spelling::Name, {-1.0, {{QelUnit::angle_degree, 1}, {QelUnit::radian, 1}, {QelUnit::radian, -1}}}},
    {L"degrees S", Spelling::Name, {-1.0, {{QelUnit::angle_degree, 1}, {QelUnit::radian, 1}, {QelUnit::radian, -1}}}},
    {L"degreeS", Spelling::Symbol, {-1.0, {{QelUnit::angle_degree, 1}, {QelUnit::radian, 1}, {QelUnit::radian, -1}}}},
    {L"degreesS", Spelling::Symbol, {-1.0, {{QelUnit::angle_degree, 1}, {QelUnit::radian, 1}, {QelUnit::radian, -1}}}},
    {L"arcdeg", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"arcdegree", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"arc degree", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"arc degrees", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"angular degree", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"angular degrees", Spelling::Name, vocab::unit(QelUnit::angle_degree)},
    {L"angular minute", Spelling::Name, vocab::unit(QelUnit::angle_minute)},
    {L"angular minutes", Spelling::Name, vocab::unit(QelUnit::angle_minute)},
    {L"angular second", Spelling::Name, vocab::unit(QelUnit::angle_second)},
    {L"angular seconds", Spelling::Name, vocab::unit(QelUnit::angle_second)},
    {L"mas", Spelling::Symbol, vocab::unit(QelUnit::radian, 4.84813681109536e-9)}, // milliarcsecond: pi/648000000 rad
    {L"milliarcsecond", Spelling::Name, vocab::unit(QelUnit::radian, 4.84813681109536e-9)},
    {L"grade", Spelling::Name, vocab::unit(QelUnit::grad)},
    {L"gradian", Spelling::Name, vocab::unit(QelUnit::grad)},
    {L"turn", Spelling::Name, vocab::unit(QelUnit::radian, 6.283185307179586)}, // a full turn: 2 pi rad
    {L"revolution", Spelling::Name, vocab::unit(QelUnit::radian, 6.283185307179586)},
    {L"cycle", Spelling::Name, vocab::unit(QelUnit::radian, 6.283185307179586)},
    {L"circle", Spelling::Name, vocab::unit(QelUnit::radian, 6.283185307179586)},
    {L"rev", Spelling::Symbol, vocab::unit(QelUnit::radian, 6.283185307179586)},
    {L"revs", Spelling::Symbol, vocab::unit(QelUnit::radian, 6.283185307179586)},
    {L"square degree", Spelling::Name, vocab::unit(QelUnit::steradian, 3.0461741978670860e-4)}, // (pi/180)^2 sr
    {L"square degrees", Spelling::Name, vocab::unit(QelUnit::steradian, 3.0461741978670860e-4)},
    {L"sq deg", Spelling::Symbol, vocab::unit(QelUnit::steradian, 3.0461741978670860e-4)},
    {L"deg\u00B2", Spelling::Symbol, vocab::unit(QelUnit::steradian, 3.0461741978670860e-4)},
    // Speeds in capitals, as data files and data sheets write them.
    {L"MPH", Spelling::Symbol, vocab::unit(QelUnit::mile_per_hour)},
    {L"KPH", Spelling::Symbol, vocab::unit(QelUnit::kilometer_per_hour)},
    {L"KMH", Spelling::Symbol, vocab::unit(QelUnit::kilometer_per_hour)},
    {L"fpm", Spelling::Symbol, vocab::unit(QelUnit::foot_per_minute)},
    {L"RPM", Spelling::Symbol, vocab::unit(QelUnit::revolutions_per_minute)},
    {L"international knot", Spelling::Name, vocab::unit(QelUnit::knot)},
    {L"international knots", Spelling::Name, vocab::unit(QelUnit::knot)},
    {L"knot international", Spelling::Name, vocab::unit(QelUnit::knot)},
    // Lengths and areas the references know by these names.
    {L"nmi", Spelling::Symbol, vocab::unit(QelUnit::mile_nautical_int)}, // 1852 m
    {L"au", Spelling::Symbol, vocab::unit(QelUnit::astronomical_unit)},
    {L"lightyear", Spelling::Name, vocab::unit(QelUnit::light_year)},
    {L"light year", Spelling::Name, vocab::unit(QelUnit::light_year)},
    {L"light years", Spelling::Name, vocab::unit(QelUnit::light_year)},
    {L"light-year", Spelling::Name, vocab::unit(QelUnit::light_year)},
    {L"light-years", Spelling::Name, vocab::unit(QelUnit::light_year)},
    {L"\u212B", Spelling::Symbol, vocab::unit(QelUnit::angstrom)}, // the angstrom sign
    {L"\u00E5ngstr\u00F6m", Spelling::Name, vocab::unit(QelUnit::angstrom)},
    {L"angstr\u00F6m", Spelling::Name, vocab::unit(QelUnit::angstrom)},
    {L"cmil", Spelling::Symbol, vocab::unit(QelUnit::square_meters, 5.067074790974977e-10)}, // circular mil: pi/4 mil^2
    {L"circular mil", Spelling::Name, vocab::unit(QelUnit::square_meters, 5.067074790974977e-10)},
    {L"circular mils", Spelling::Name, vocab::unit(QelUnit::square_meters, 5.067074790974977e-10)},
    {L"sq mi", Spelling::Symbol, vocab::unit(QelUnit::square_mile)}, // the international square mile; the survey one is "sq us mi"
    {L"mi\u00B2", Spelling::Symbol, vocab::unit(QelUnit::square_mile)},
    {L"square mile", Spelling::Name, vocab::unit(QelUnit::square_mile)},
    {L"square miles", Spelling::Name, vocab::unit(QelUnit::square_mile)},
    {L"cu mi", Spelling::Symbol, vocab::unit(QelUnit::cubic_mile)},
    {L"mi\u00B3", Spelling::Symbol, vocab::unit(QelUnit::cubic_mile)},
    {L"cubic mile", Spelling::Name, vocab::unit(QelUnit::cubic_mile)},
    {L"cubic miles", Spelling::Name, vocab::unit(QelUnit::cubic_mile)},
    {L"ch", Spelling::Refused, vocab::none(), L"'ch' is the chain here and a centi-hour to other readers: write 'chain'"},
    {L"hd", Spelling::Refused, vocab::none(), L"'hd' is the hand here and a hogshead or hecto-day to other readers: write 'hand' or 'hogshead'"},
    {L"plm", Spelling::Refused, vocab::none(), L"'plm' is the palm here and a picolumen to other readers: write 'palm'"},
    {L"Grad", Spelling::Refused, vocab::none(), L"'Grad' is the grad (gon) or a gigaradian: write 'grad' or 'gon'"},
    // Volumes: the barrel is the 42-gallon oil barrel; the dry barrel keeps its name.
    {L"bbl", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 42.0)}, // 42 US gal
    {L"bbls", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    {L"barrel", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    {L"barrels", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    {L"oil bbl", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    {L"dry barrel", Spelling::Name, vocab::unit(QelUnit::barrel)},
    {L"dry barrels", Spelling::Name, vocab::unit(QelUnit::barrel)},
    {L"US dry barrel", Spelling::Name, vocab::unit(QelUnit::barrel)},
    {L"US dry barrels", Spelling::Name, vocab::unit(QelUnit::barrel)},
    {L"beer barrel", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 31.0)}, // 31 US gal
    {L"beer barrels", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 31.0)},
    {L"beer bbl", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 31.0)},
    {L"fldr", Spelling::Symbol, vocab::unit(QelUnit::dram)},
    {L"fl dr", Spelling::Symbol, vocab::unit(QelUnit::dram)},
    {L"fl. dr.", Spelling::Symbol, vocab::unit(QelUnit::dram)},
    {L"fluid dram", Spelling::Name, vocab::unit(QelUnit::dram)},
    {L"fluid drams", Spelling::Name, vocab::unit(QelUnit::dram)},
    {L"fluidram", Spelling::Name, vocab::unit(QelUnit::dram)},
    {L"lambda", Spelling::Name, vocab::unit(QelUnit::liter, 1e-6)}, // 1 microlitre
    {L"fL", Spelling::Symbol, vocab::unit(QelUnit::liter, 1e-15)}, // femtolitre, as in blood counts; the footlambert is "footlambert"
    {L"stere", Spelling::Name, vocab::unit(QelUnit::cubic_meter)},
    // Masses: "t" is the tonne, "dram" the avoirdupois dram.
    {L"t", Spelling::Symbol, vocab::unit(QelUnit::tonne)},
    {L"dr", Spelling::Symbol, vocab::unit(QelUnit::pound, 0.00390625)}, // 1/256 lb
    {L"dram", Spelling::Name, vocab::unit(QelUnit::pound, 0.00390625)},
    {L"drams", Spelling::Name, vocab::unit(QelUnit::pound, 0.00390625)},
    {L"avoirdupois dram", Spelling::Name, vocab::unit(QelUnit::pound, 0.00390625)},
    {L"avoirdupois drams", Spelling::Name, vocab::unit(QelUnit::pound, 0.00390625)},
    {L"avdp dram", Spelling::Name, vocab::unit(QelUnit::pound, 0.00390625)},
    {L"avoirdupois pound", Spelling::Name, vocab::unit(QelUnit::pound)},
    {L"avoirdupois pounds", Spelling::Name, vocab::unit(QelUnit::pound)},
    {L"avdp pound", Spelling::Name, vocab::unit(QelUnit::pound)},
    {L"avoirdupois ounce", Spelling::Name, vocab::unit(QelUnit::ounce)},
    {L"avoirdupois ounces", Spelling::Name, vocab::unit(QelUnit::ounce)},
    {L"avdp ounce", Spelling::Name, vocab::unit(QelUnit::ounce)},
    {L"toz", Spelling::Symbol, vocab::unit(QelUnit::ounce_troy)},
    // Times: the month and the decade, century and millennium by text are a twelfth and multiples of the
    // Julian year, as the references make them of their year; the catalogue's, of the tropical year, keep
    // a name. The other years by their names.
    {L"mo", Spelling::Symbol, vocab::unit(QelUnit::day, 30.4375)}, // 365.25 d / 12
    {L"month", Spelling::Name, vocab::unit(QelUnit::day, 30.4375)},
    {L"dec", Spelling::Symbol, vocab::unit(QelUnit::day, 3652.5)},
    {L"decade", Spelling::Name, vocab::unit(QelUnit::day, 3652.5)},
    {L"decades", Spelling::Name, vocab::unit(QelUnit::day, 3652.5)},
    {L"century", Spelling::Name, vocab::unit(QelUnit::day, 36525.0)},
    {L"centuries", Spelling::Name, vocab::unit(QelUnit::day, 36525.0)},
    {L"millennium", Spelling::Name, vocab::unit(QelUnit::day, 365250.0)},
    {L"millennia", Spelling::Name, vocab::unit(QelUnit::day, 365250.0)},
    {L"millenium", Spelling::Name, vocab::unit(QelUnit::day, 365250.0)},
    {L"milleniums", Spelling::Name, vocab::unit(QelUnit::day, 365250.0)},
    {L"tropical decade", Spelling::Name, vocab::unit(QelUnit::decade)},
    {L"tropical decades", Spelling::Name, vocab::unit(QelUnit::decade)},
    {L"tropical century", Spelling::Name, vocab::unit(QelUnit::century)},
    {L"tropical centuries", Spelling::Name, vocab::unit(QelUnit::century)},
    {L"tropical millennium", Spelling::Name, vocab::unit(QelUnit::millenium)},
    {L"tropical millennia", Spelling::Name, vocab::unit(QelUnit::millenium)},
    {L"sidereal year", Spelling::Name, vocab::unit(QelUnit::sidereal_year)},
    {L"sidereal years", Spelling::Name, vocab::unit(QelUnit::sidereal_year)},
    {L"julian year", Spelling::Name, vocab::unit(QelUnit::day, 365.25)}, // 31557600 s
    {L"julian years", Spelling::Name, vocab::unit(QelUnit::day, 365.25)},
    {L"gregorian year", Spelling::Name, vocab::unit(QelUnit::day, 365.2425)},
    {L"gregorian years", Spelling::Name, vocab::unit(QelUnit::day, 365.2425)},
    {L"common year", Spelling::Name, vocab::unit(QelUnit::day, 365.0)},
    {L"common years", Spelling::Name, vocab::unit(QelUnit::day, 365.0)},
    {L"leap year", Spelling::Name, vocab::unit(QelUnit::day, 366.0)},
    {L"leap years", Spelling::Name, vocab::unit(QelUnit::day, 366.0)},
    {L"sidereal day", Spelling::Name, vocab::unit(QelUnit::second, 86164.09053083288)}, // a day / 1.00273790935079524
    {L"sidereal days", Spelling::Name, vocab::unit(QelUnit::second, 86164.09053083288)},
    // Lengths, volumes and masses of trades and printing.
    {L"barleycorn", Spelling::Name, vocab::unit(QelUnit::inches, 1.0 / 3.0)},
    // The point and pica of PostScript and CSS (12 points to the pica, 6 picas to the inch); the older
    // printer's and TeX's by their names.
    {L"point", Spelling::Name, vocab::unit(QelUnit::inches, 1.0 / 72.0)},
    {L"big point", Spelling::Name, vocab::unit(QelUnit::inches, 1.0 / 72.0)},
    {L"big points", Spelling::Name, vocab::unit(QelUnit::inches, 1.0 / 72.0)},
    {L"pica", Spelling::Name, vocab::unit(QelUnit::inches, 1.0 / 6.0)},
    {L"printer's point", Spelling::Name, vocab::unit(QelUnit::inches, 0.013837)}, // NIST SP 811
    {L"printer's points", Spelling::Name, vocab::unit(QelUnit::inches, 0.013837)},
    {L"printers point", Spelling::Name, vocab::unit(QelUnit::inches, 0.013837)},
    {L"printers points", Spelling::Name, vocab::unit(QelUnit::inches, 0.013837)},
    {L"printer's pica", Spelling::Name, vocab::unit(QelUnit::inches, 0.166044)}, // 12 printer's points
    {L"printer's picas", Spelling::Name, vocab::unit(QelUnit::inches, 0.166044)},
    {L"printers pica", Spelling::Name, vocab::unit(QelUnit::inches, 0.166044)},
    {L"printers picas", Spelling::Name, vocab::unit(QelUnit::inches, 0.166044)},
    {L"tex point", Spelling::Name, vocab::unit(QelUnit::inches, 1.0 / 72.27)}, // TeX's pt
    {L"tex points", Spelling::Name, vocab::unit(QelUnit::inches, 1.0 / 72.27)},
    {L"tex pica", Spelling::Name, vocab::unit(QelUnit::inches, 12.0 / 72.27)},
    {L"tex picas", Spelling::Name, vocab::unit(QelUnit::inches, 12.0 / 72.27)},
    {L"nmile", Spelling::Name, vocab::unit(QelUnit::mile_nautical_int)},
    {L"section", Spelling::Name, vocab::unit(QelUnit::square_mile_statute)}, // a square survey mile
    {L"cmils", Spelling::Name, vocab::unit(QelUnit::square_meters, 5.067074790974977e-10)},
    {L"liquid gallon", Spelling::Name, vocab::unit(QelUnit::liquid_gallon)},
    {L"shot", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 0.01171875)}, // 1.5 US fl oz
    {L"jigger", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 0.01171875)},
    {L"fifth", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 0.2)},
    {L"tblsp", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)},
    {L"tbsps", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 1.0 / 256.0)},
    {L"fldrs", Spelling::Symbol, vocab::unit(QelUnit::dram)},
    {L"bag", Spelling::Name, vocab::unit(QelUnit::pound, 94.0)}, // a bag of cement
    {L"arcmins", Spelling::Symbol, vocab::unit(QelUnit::angle_minute)},
    {L"arcsecs", Spelling::Symbol, vocab::unit(QelUnit::angle_second)},
    {L"rotation", Spelling::Name, vocab::unit(QelUnit::radian, 6.283185307179586)},
    {L"sqdeg", Spelling::Symbol, vocab::unit(QelUnit::steradian, 3.0461741978670860e-4)},
    // Names of two words that read as a product to a reader of words one by one.
    {L"foot candle", Spelling::Name, vocab::unit(QelUnit::footcandle)},
    {L"foot candles", Spelling::Name, vocab::unit(QelUnit::footcandle)},
    {L"foot-candle", Spelling::Name, vocab::unit(QelUnit::footcandle)},
    {L"foot-candles", Spelling::Name, vocab::unit(QelUnit::footcandle)},
    {L"foot lambert", Spelling::Name, vocab::unit(QelUnit::footlambert)},
    {L"foot lamberts", Spelling::Name, vocab::unit(QelUnit::footlambert)},
    {L"foot-lambert", Spelling::Name, vocab::unit(QelUnit::footlambert)},
    {L"foot-lamberts", Spelling::Name, vocab::unit(QelUnit::footlambert)},
    {L"pound mass", Spelling::Name, vocab::unit(QelUnit::pound)},
    {L"pounds mass", Spelling::Name, vocab::unit(QelUnit::pound)},
    {L"pound-mass", Spelling::Name, vocab::unit(QelUnit::pound)},
    {L"pounds-mass", Spelling::Name, vocab::unit(QelUnit::pound)},
    // Qualified spellings that "bbl (US)" and "barrel (US)" read as: the oil barrel, as "bbl".
    {L"US bbl", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    {L"US bbls", Spelling::Symbol, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    {L"US barrel", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    {L"US barrels", Spelling::Name, vocab::unit(QelUnit::liquid_gallon, 42.0)},
    {L"dry bbl", Spelling::Name, vocab::unit(QelUnit::barrel)},
};
// clang-format on

} // namespace qelunits_detail

#endif
