#ifndef QELUNITS_SRC_CATALOG_UNITTABLE_H
#define QELUNITS_SRC_CATALOG_UNITTABLE_H

// The builtin unit table: one row per unit, in code order.
// Columns: code, internal name, singular, plural, abbreviation, Vellum form
// (superscript exponents; nullptr for none), type, system, factor to the base
// unit of the type (kBase marks that base unit). sq() and cube() are pow(x, 2.0)
// and pow(x, 3.0); the other operations are single double operations, left to right.
// The stored factor is what the catalogue's codes convert with, bit for bit;
// the definition (after it where it differs) is what units read from text use.
// A QEL_UNIT row's factor is its definition, the nearest double. A QEL_DEFINED
// row's stored factor misses its definition (in the constants of Definitions.h,
// rounded once) in the last bits only, within 1e-15. The stored factors of the
// QEL_ROUNDED rows are roundings (kept: callers rely on them), followed by the
// definition, the difference stored / definition - 1 to two digits (checked
// while compiling) and the definition in words, as `qelunits info` shows it.
// makeMeasured gives a measured definition its uncertainty; makeScale gives a
// temperature scale its zero, in its own degrees.

#include "catalog/Catalog.h"
#include "catalog/Definitions.h"
#include "catalog/Powers.h"

namespace qelunits_detail {

#define QEL_WIDEN_(text) L##text
#define QEL_WIDEN(text) QEL_WIDEN_(text)
#define QEL_UNIT(code, name, singular, plural, abbreviation, vellum, type, system, factor)                             \
    makeUnit(code, QelUnit::name, QEL_WIDEN(#name), singular, plural, abbreviation, vellum, QelUnit::type,             \
             QelUnit::system, factor)
#define QEL_DEFINED(code, name, singular, plural, abbreviation, vellum, type, system, factor, definition)              \
    makeDefined(QEL_UNIT(code, name, singular, plural, abbreviation, vellum, type, system, Stored{factor}), definition)
#define QEL_ROUNDED(code, name, singular, plural, abbreviation, vellum, type, system, factor, definition, difference,  \
                    text)                                                                                              \
    makeRounded(QEL_UNIT(code, name, singular, plural, abbreviation, vellum, type, system, Stored{factor}),            \
                definition, difference, text)

// clang-format off
inline constexpr UnitRecord kUnitTable[kUnitCount] = {
    QEL_UNIT(0, dimensionless, L"Unitless", L"", L"", nullptr, Dimensionless, Both, kBase),
    QEL_UNIT(1, kilogram, L"Kilogram", L"Kilograms", L"kg", nullptr, Mass, Metric, kBase),
    QEL_UNIT(2, meter, L"Meter", L"Meters", L"m", nullptr, Distance, Metric, kBase),
    QEL_UNIT(3, second, L"Second", L"Seconds", L"sec", nullptr, Time, Neither, kBase),
    QEL_UNIT(4, kelvin, L"Kelvin", L"Kelvins", L"°K", nullptr, Temperature, Metric, kBase),
    QEL_UNIT(5, ampere, L"Ampere", L"Amperes", L"A", nullptr, Current, Metric, kBase),
    QEL_UNIT(6, mole, L"Mole", L"Moles", L"mol", nullptr, AmountOfSubstance, Metric, kBase),
    QEL_UNIT(7, candela, L"Candela", L"Candelas", L"cd", nullptr, LuminousIntensity, Metric, kBase),
    QEL_UNIT(8, radian, L"Radian", L"Radians", L"rad", nullptr, PlanarAngle, Neither, kBase),
    QEL_UNIT(9, steradian, L"Steradian", L"Steradians", L"sr", nullptr, SolidAngle, Neither, kBase),
    QEL_UNIT(10, newton, L"Newton", L"Newtons", L"N", nullptr, Force, Metric, kBase),
    // Filed under luminous intensity: the steradian counts as 1 (so do the luminance units under illuminance).
    QEL_UNIT(11, lumen, L"Lumen", L"Lumens", L"lm", nullptr, LuminousIntensity, Imperial, 1.0_x),
    QEL_UNIT(12, joule, L"Joule", L"Joules", L"J", nullptr, Energy, Metric, kBase),
    QEL_UNIT(13, pascals, L"Pascal", L"Pascals", L"Pa", nullptr, Pressure, Metric, kBase),
    QEL_UNIT(14, watt, L"Watt", L"Watts", L"W", nullptr, Power, Metric, kBase),
    QEL_UNIT(15, volt, L"Volt", L"Volts", L"V", nullptr, ElectricalPotential, Metric, kBase),
    QEL_UNIT(16, lux, L"Lux", L"Luxes", L"lx", nullptr, Illuminance, Metric, kBase),
    QEL_UNIT(17, angstrom, L"Angstrom", L"Angstroms", L"Å", nullptr, Distance, Metric, 1e-10_x),
    QEL_ROUNDED(18, astronomical_unit, L"Astronomical unit", L"Astronomical units", L"AU", nullptr, Distance, Both, 149600000000.0, kAstronomicalUnit, 1.4e-5, "149 597 870 700 m (IAU 2012)"),
    QEL_UNIT(19, gigameter, L"Gigameter", L"Gigameters", L"Gm", nullptr, Distance, Metric, 1000000000.0_x),
    QEL_UNIT(20, kilometer, L"Kilometer", L"Kilometers", L"km", nullptr, Distance, Metric, 1000.0_x),
    QEL_UNIT(21, hectometer, L"Hectometer", L"Hectometers", L"hm", nullptr, Distance, Metric, 100.0_x),
    QEL_UNIT(22, dekameter, L"Dekameter", L"Dekameters", L"dam", nullptr, Distance, Metric, 10.0_x),
    QEL_UNIT(23, decimeter, L"Decimeter", L"Decimeters", L"dm", nullptr, Distance, Metric, 0.1_x),
    QEL_UNIT(24, centimeter, L"Centimeter", L"Centimeters", L"cm", nullptr, Distance, Metric, 0.01_x),
    QEL_UNIT(25, millimeter, L"Millimeter", L"Millimeters", L"mm", nullptr, Distance, Metric, 0.001_x),
    QEL_UNIT(26, micron, L"Micron", L"Microns", L"µ", nullptr, Distance, Metric, 1e-06_x),
    QEL_UNIT(27, millimicron, L"Millimicron", L"Millimicrons", L"mµ", nullptr, Distance, Metric, 1e-09_x),
    QEL_ROUNDED(28, light_year, L"Light year", L"Light years", L"ly", nullptr, Distance, Both, 9460900000000000.0, kLightYear, 1.8e-5, "the distance light travels in a Julian year of 365.25 days (IAU)"),
    QEL_ROUNDED(29, parsec, L"Parsec", L"Parsecs", L"pc", nullptr, Distance, Both, 3.08568e16, kParsec, 7.8e-7, "648000/π au (IAU 2015)"),
    QEL_UNIT(30, foot, L"Foot", L"Feet", L"ft", nullptr, Distance, Imperial, 0.3048_x),
    QEL_DEFINED(31, inches, L"Inch", L"Inches", L"in", nullptr, Distance, Imperial, 0.025400000000000002, kInch),
    QEL_UNIT(32, caliber, L"Caliber", L"Calibers", L"cal", nullptr, Distance, Imperial, 0.000254_x),
    QEL_DEFINED(33, yards, L"Yard", L"Yards", L"yd", nullptr, Distance, Imperial, 0.9144000000000001, 3.0_x * kFoot),
    QEL_UNIT(34, fathoms, L"Fathom", L"Fathoms", L"fath", nullptr, Distance, Imperial, 1.8288_x),
    // 120 fathoms (the US Navy cable), not the usual tenth of a nautical mile (185.2 m); so are its square and cube.
    QEL_UNIT(35, cable, L"Cable", L"Cables", L"cable", nullptr, Distance, Imperial, 219.456_x),
    QEL_UNIT(36, bolt, L"Bolt", L"Bolts", L"bolt", nullptr, Distance, Imperial, 36.576_x),
    QEL_UNIT(37, chain, L"Chain", L"Chains", L"ch", nullptr, Distance, Imperial, 20.1168_x),
    QEL_UNIT(38, chain_engineers, L"Engineer chain", L"Engineer chains", L"ch-eng", nullptr, Distance, Imperial, 30.48_x),
    QEL_UNIT(39, link, L"Link", L"Links", L"li", nullptr, Distance, Imperial, 0.201168_x),
    QEL_UNIT(40, cubit, L"Cubit", L"Cubits", L"cubit", nullptr, Distance, Imperial, 0.4572_x),
    QEL_UNIT(41, furlong, L"Furlong", L"Furlongs", L"fur", nullptr, Distance, Imperial, 201.168_x),
    QEL_UNIT(42, hand, L"Hand", L"Hands", L"hd", nullptr, Distance, Imperial, 0.1016_x),
    QEL_DEFINED(43, mile_nautical_UK, L"Nautical mile [UK]", L"Nautical miles [UK]", L"nmi", nullptr, Distance, Imperial, 1853.1840000000002, kUkNauticalMile),
    QEL_UNIT(44, mile, L"Mile", L"Miles", L"mi", nullptr, Distance, Imperial, 1609.344_x),
    // 3 UK nautical miles (the usual nautical league is 3 international ones, 5556 m); its square and cube use 5559.54 m.
    QEL_ROUNDED(45, league_nautical, L"Nautical league", L"Nautical leagues", L"nleag", nullptr, Distance, Imperial, 5559.6, 3.0_x * kUkNauticalMile, 8.6e-6, "3 UK nautical miles of 6080 ft"),
    QEL_ROUNDED(46, league_statute, L"League", L"Leagues", L"leag", nullptr, Distance, Imperial, 4828.0, 3.0_x * 5280.0_x * kFoot, -6.6e-6, "3 miles"),
    QEL_UNIT(47, mil, L"Mil", L"Mils", L"mil", nullptr, Distance, Imperial, 2.54e-05_x),
    QEL_UNIT(48, pace, L"Pace", L"Paces", L"pace", nullptr, Distance, Imperial, 0.762_x),
    QEL_UNIT(49, palm, L"Palm", L"Palms", L"plm", nullptr, Distance, Imperial, 0.0762_x),
    QEL_UNIT(50, rod, L"Rod", L"Rods", L"rd", nullptr, Distance, Imperial, 5.0292_x),
    QEL_UNIT(51, rope, L"Rope", L"Ropes", L"rope", nullptr, Distance, Imperial, 6.096_x),
    QEL_UNIT(52, skein, L"Skein", L"Skeins", L"sk", nullptr, Distance, Imperial, 109.728_x),
    QEL_UNIT(53, span, L"Span", L"Spans", L"sp", nullptr, Distance, Imperial, 0.2286_x),
    QEL_UNIT(54, survey_foot, L"Suvey foot", L"Survey feet", L"us ft", nullptr, Distance, Imperial, 0.3048006096012192_x),
    QEL_UNIT(55, square_meters, L"Square meter", L"Square meters", L"sq m", L"m²", Area, Metric, kBase),
    QEL_UNIT(56, square_foot, L"Square foot", L"Square feet", L"sq ft", L"ft²", Area, Imperial, sq(0.3048_x)),
    QEL_UNIT(57, acre, L"Acre", L"Acres", L"ac", nullptr, Area, Imperial, sq(0.3048_x) * 43560.0_x),
    QEL_UNIT(58, are, L"Are", L"Ares", L"a", nullptr, Area, Metric, 100.0_x),
    QEL_UNIT(59, barn, L"Barn", L"Barns", L"b", nullptr, Area, Metric, 1e-28_x),
    QEL_UNIT(60, centare, L"Centare", L"Centares", L"ca", nullptr, Area, Metric, 1.0_x),
    QEL_UNIT(61, hectare, L"Hectare", L"Hectares", L"ha", nullptr, Area, Metric, 10000.0_x),
    QEL_DEFINED(62, square_angstrom, L"Square angstrom", L"Square angstroms", L"sq Å", L"Å²", Area, Metric, sq(1e-10), sq(1e-10_x)),
    QEL_ROUNDED(63, square_astronomical_unit, L"Square astronomical unit", L"Square astronomical unit", L"sq AU", L"AU²", Area, Both, sq(149600000000.0), sq(kAstronomicalUnit), 2.8e-5, "au² (IAU 2012)"),
    QEL_UNIT(64, square_bolt, L"Square bolt", L"Square bolts", L"sq bolt", L"bolt²", Area, Imperial, sq(36.576_x)),
    QEL_DEFINED(65, square_cable, L"Square cable", L"Square cables", L"sq cable", L"cable²", Area, Imperial, sq(219.456), sq(219.456_x)),
    QEL_ROUNDED(66, square_caliber, L"Square caliber", L"Square calibers", L"sq cal", L"cal²", Area, Imperial, sq(0.00025399999999999), sq(kInch / 100.0_x), -7.9e-14, "(in/100)²"),
    QEL_UNIT(67, square_centimeter, L"Square centimeter", L"Square centimeters", L"sq cm", L"cm²", Area, Metric, sq(0.01_x)),
    QEL_ROUNDED(68, square_cubit, L"Square cubit", L"Square cubits", L"sq cubit", L"cubit²", Area, Imperial, sq(0.457199999999982), sq(18.0_x * kInch), -7.9e-14, "(18 in)²"),
    QEL_DEFINED(69, square_decimeter, L"Square decimeter", L"Square decimeters", L"sq dm", L"dm²", Area, Metric, sq(0.1), sq(0.1_x)),
    QEL_UNIT(70, square_fathom, L"Square falthom", L"Square falthoms", L"sq fath", L"fath²", Area, Imperial, sq(1.8288_x)),
    QEL_UNIT(71, square_furlong, L"Square furlong", L"Square furlongs", L"sq fur", L"fur²", Area, Imperial, sq(201.168_x)),
    QEL_UNIT(72, square_gigameter, L"Square gigameter", L"Square gigameters", L"sq Gm", L"Gm²", Area, Metric, sq(1000000000.0_x)),
    QEL_ROUNDED(73, square_hand, L"Square hand", L"Square hands", L"sq hd", L"hd²", Area, Imperial, sq(0.101599999999996), sq(4.0_x * kInch), -7.9e-14, "(4 in)²"),
    QEL_DEFINED(74, square_inch, L"Square inch", L"Square inches", L"sq in", L"in²", Area, Imperial, sq(0.025400000000000002), sq(kInch)),
    QEL_UNIT(75, square_kilometer, L"Square kilometer", L"Square kilometers", L"sq km", L"km²", Area, Metric, sq(1000.0_x)),
    QEL_ROUNDED(76, square_league_nautical, L"Square nautical league", L"Square nautical leagues", L"sq nleag", L"nleag²", Area, Imperial, sq(5559.54), sq(3.0_x * kUkNauticalMile), -4.3e-6, "(3 UK nautical miles)²"),
    QEL_DEFINED(77, square_league_statute, L"Square league", L"Square leagues", L"sq leag", L"leag²", Area, Imperial, sq(4828.032), sq(4828.032_x)),
    QEL_ROUNDED(78, square_light_year, L"Square light year", L"Square light years", L"sq ly", L"ly²", Area, Both, sq(9460900000000000.0), sq(kLightYear), 3.6e-5, "ly² (IAU)"),
    QEL_DEFINED(79, square_link, L"Square link", L"Square links", L"sq li", L"li²", Area, Imperial, sq(0.201168), sq(0.201168_x)),
    QEL_UNIT(80, square_micron, L"Square micron", L"Square microns", L"sq µ", L"µ²", Area, Metric, sq(1e-06_x)),
    QEL_UNIT(81, square_millimeter, L"Square millimeter", L"Square millimeters", L"sq mm", L"mm²", Area, Metric, sq(0.001_x)),
    QEL_DEFINED(82, square_mile_nautical_UK, L"Square nautical mile [UK]", L"Square nautical miles [UK]", L"sq nmi", L"nmi²", Area, Imperial, sq(1853.1840000000002), sq(kUkNauticalMile)),
    // Built on the US survey mile; square_mile and cubic_mile on the international mile, with the same texts.
    QEL_UNIT(83, square_mile_statute, L"Square mile", L"Square miles", L"sq mi", L"mi²", Area, Imperial, sq(1609.3472186944373_x)),
    QEL_UNIT(84, square_millimicron, L"Square millimicron", L"Square millimicrons", L"sq mµ", L"mµ²", Area, Metric, sq(1e-09_x)),
    QEL_ROUNDED(85, square_pace, L"Square pace", L"Square paces", L"sq pace", L"pace²", Area, Imperial, sq(0.76199999999997), sq(2.5_x * kFoot), -7.9e-14, "(2.5 ft)²"),
    QEL_ROUNDED(86, square_palm, L"Square palm", L"Square palms", L"sq plm", L"plm²", Area, Imperial, sq(0.076199999999997), sq(3.0_x * kInch), -7.8e-14, "(3 in)²"),
    // Built on 3.0857992e16 m while parsec is 3.08568e16 m, so 8e-5 from pc²; cubic_parsec likewise.
    QEL_ROUNDED(87, square_parsec, L"Square parsec", L"Square parsecs", L"sq pc", L"pc²", Area, Both, sq(3.0857992e16), sq(kParsec), 7.9e-5, "pc² (IAU 2015)"),
    QEL_DEFINED(88, square_perch, L"Square perch", L"Square perchs", L"sq rd", L"rd²", Area, Imperial, sq(5.0292), sq(5.0292_x)),
    QEL_UNIT(89, square_rope, L"Square rope", L"Square ropes", L"sq rope", L"rope²", Area, Imperial, sq(6.096_x)),
    QEL_DEFINED(90, square_skein, L"Square skein", L"Square skeins", L"sq sk", L"sk²", Area, Imperial, sq(109.728), sq(109.728_x)),
    QEL_ROUNDED(91, square_span, L"Square span", L"Square spans", L"sq sp", L"sp²", Area, Imperial, sq(0.228599999999991), sq(9.0_x * kInch), -7.9e-14, "(9 in)²"),
    QEL_DEFINED(92, square_survey_foot, L"Square survey foot", L"Square survey feet", L"sq us ft", L"us ft²", Area, Imperial, sq(0.3048006096012192), sq(kSurveyFoot)),
    QEL_DEFINED(93, square_yard, L"Square yard", L"Square yards", L"sq yd", L"yd²", Area, Imperial, sq(0.9144000000000001), sq(3.0_x * kFoot)),
    QEL_ROUNDED(94, square_chain, L"Square chain", L"Square chains", L"sq ch", L"ch²", Area, Imperial, 404.686, sq(66.0_x * kFoot), 8.8e-7, "(66 ft)²"),
    QEL_ROUNDED(95, township, L"Township", L"Townships", L"twp", nullptr, Area, Imperial, 93240000.0, 36.0_x * sq(5280.0_x * kSurveyFoot), 5.9e-7, "36 square US survey miles"),
    QEL_UNIT(96, cubic_meter, L"Cubic meter", L"Cubic meters", L"cu m", L"m³", Volume, Metric, kBase),
    QEL_UNIT(97, liter, L"Liter", L"Liters", L"l", nullptr, Volume, Metric, 0.001_x),
    // The US dry barrel, not the usual 42-gallon petroleum barrel (0.158987 m³).
    QEL_ROUNDED(98, barrel, L"Barrel", L"Barrels", L"bbl", nullptr, Volume, Imperial, 0.11563, 7056.0_x * cube(kInch), 2.5e-5, "7056 in³, the US dry barrel"),
    QEL_ROUNDED(99, board_foot, L"Board foot", L"Board feet", L"bd ft", nullptr, Volume, Imperial, 0.0023597, 144.0_x * cube(kInch), -1.6e-5, "144 in³"),
    QEL_ROUNDED(100, bushel, L"Bushel", L"Bushels", L"bu", nullptr, Volume, Imperial, 0.035239, kBushel, -2.0e-6, "2150.42 in³, the US (Winchester) bushel"),
    QEL_UNIT(101, centiliter, L"Centiliter", L"Centiliters", L"cl", nullptr, Volume, Metric, 1e-05_x),
    QEL_ROUNDED(102, cord, L"Cord", L"Cords", L"cord", nullptr, Volume, Imperial, 3.625, 128.0_x * cube(kFoot), 1.2e-4, "128 ft³ (4 × 4 × 8 ft)"),
    QEL_DEFINED(103, cubic_centimeter, L"Cubic centimeter", L"Cubic centimeters", L"cu cm", L"cm³", Volume, Metric, cube(0.01), cube(0.01_x)),
    QEL_UNIT(104, decistere, L"Decistere", L"Decisteres", L"dst", nullptr, Volume, Metric, 0.1_x),
    QEL_UNIT(105, dekaliter, L"Dekaliter", L"Dekaliters", L"dal", nullptr, Volume, Metric, 0.01_x),
    QEL_UNIT(106, dekastere, L"Dekastere", L"Dekasteres", L"dast", nullptr, Volume, Metric, 10.0_x),
    QEL_ROUNDED(107, dram, L"Dram", L"Drams", L"dr", nullptr, Volume, Imperial, 3.6967e-06, kGallon / 1024.0_x, 2.4e-6, "1/8 US fluid ounce"),
    QEL_ROUNDED(108, dry_pint, L"Dry pint", L"Dry pints", L"pt dry", nullptr, Volume, Imperial, 0.0005506, kBushel / 64.0_x, -1.9e-5, "1/64 US bushel"),
    QEL_ROUNDED(109, dry_quart, L"Dry quart", L"Dry quarts", L"qt dry", nullptr, Volume, Imperial, 0.0011012, kBushel / 32.0_x, -1.9e-5, "1/32 US bushel"),
    // 9 US liquid gallons.
    QEL_DEFINED(110, firkin, L"Firkin", L"Firkins", L"fir", nullptr, Volume, Imperial, cube(0.025400000000000002) * 231.0 * 9.0, cube(kInch) * 231.0_x * 9.0_x),
    QEL_ROUNDED(111, dry_gallon, L"Dry gallon", L"Dry gallons", L"gal dry", nullptr, Volume, Imperial, 0.0044049, kBushel / 8.0_x, 3.7e-6, "1/8 US bushel"),
    QEL_ROUNDED(112, gill, L"Gill", L"Gills", L"gi", nullptr, Volume, Imperial, 0.000118294, kGallon / 32.0_x, -1.0e-6, "1/32 US gallon (231 in³)"),
    QEL_ROUNDED(113, hogshead, L"Hogshead", L"Hogsheads", L"hhd", nullptr, Volume, Imperial, 0.23848, 63.0_x * kGallon, -4.0e-6, "63 US gallons"),
    QEL_UNIT(114, kiloliter, L"Kiloliter", L"Kiloliters", L"kl", nullptr, Volume, Metric, 1.0_x),
    QEL_ROUNDED(115, minim, L"Minim", L"Minims", L"min", nullptr, Volume, Imperial, 6.1612e-08, kGallon / 61440.0_x, 7.8e-6, "1/480 US fluid ounce"),
    QEL_ROUNDED(116, fluid_ounce, L"Fluid ounce", L"Fluid ounces", L"fl oz", nullptr, Volume, Imperial, 2.9574e-05, kGallon / 128.0_x, 1.6e-5, "1/128 US gallon (231 in³)"),
    QEL_ROUNDED(117, peck, L"peck", L"pecks", L"pk", nullptr, Volume, Imperial, 0.0088098, kBushel / 4.0_x, 3.7e-6, "1/4 US bushel"),
    QEL_ROUNDED(118, fluid_pint, L"Pint", L"Pints", L"pt", nullptr, Volume, Imperial, 0.00047318, kGallon / 8.0_x, 7.5e-6, "1/8 US gallon (231 in³)"),
    QEL_ROUNDED(119, fluid_quart, L"Quart", L"Quarts", L"qt", nullptr, Volume, Imperial, 0.00094635, kGallon / 4.0_x, -3.1e-6, "1/4 US gallon (231 in³)"),
    QEL_ROUNDED(120, register_ton, L"Register ton", L"Register tons", L"register-ton", nullptr, Volume, Imperial, 2.8317, 100.0_x * cube(kFoot), 5.4e-6, "100 ft³"),
    QEL_ROUNDED(121, tun, L"Tun", L"Tuns", L"tun", nullptr, Volume, Imperial, 0.95392, 252.0_x * kGallon, -4.0e-6, "252 US gallons"),
    QEL_UNIT(122, cubic_angstrom, L"Cubic angstrom", L"Cubic angstroms", L"cu Å", L"Å³", Volume, Metric, cube(1e-10_x)),
    QEL_ROUNDED(123, cubic_astronomical_unit, L"Cubic astronomical unit", L"Cubic astronomical units", L"cu AU", L"AU³", Volume, Both, cube(149600000000.0), cube(kAstronomicalUnit), 4.3e-5, "au³ (IAU 2012)"),
    QEL_UNIT(124, cubic_bolt, L"Cubic bolt", L"Cubic bolts", L"cu bolt", L"bolt³", Volume, Imperial, cube(36.576_x)),
    QEL_DEFINED(125, cubic_cable, L"Cubic cable", L"Cubic cables", L"cu cable", L"cable³", Volume, Imperial, cube(219.456), cube(219.456_x)),
    QEL_ROUNDED(126, cubic_caliber, L"Cubic caliber", L"Cubic calibers", L"cu cal", L"cal³", Volume, Imperial, cube(0.00025399999999999), cube(kInch / 100.0_x), -1.2e-13, "(in/100)³"),
    QEL_DEFINED(127, cubic_chain, L"Cubic chain", L"Cubic chains", L"cu ch", L"ch³", Volume, Imperial, cube(20.1168), cube(20.1168_x)),
    QEL_ROUNDED(128, cubic_cubit, L"Cubic cubit", L"Cubic cubits", L"cu cubit", L"cubit³", Volume, Imperial, cube(0.457199999999982), cube(18.0_x * kInch), -1.2e-13, "(18 in)³"),
    QEL_UNIT(129, cubic_fathom, L"Cubic fathom", L"Cubic fathoms", L"cu fath", L"fath³", Volume, Imperial, cube(1.8288_x)),
    QEL_DEFINED(130, cubic_foot, L"Cubic foot", L"Cubic feet", L"cu ft", L"ft³", Volume, Imperial, cube(0.3048), cube(kFoot)),
    QEL_DEFINED(131, cubic_furlong, L"Cubic furlong", L"Cubic furlongs", L"cu fur", L"fur³", Volume, Imperial, cube(201.168), cube(201.168_x)),
    QEL_UNIT(132, cubic_gigameter, L"Cubic gigameter", L"Cubic gigameters", L"cu Gm", L"Gm³", Volume, Metric, cube(1000000000.0_x)),
    QEL_ROUNDED(133, cubic_hand, L"Cubic hand", L"Cubic hands", L"cu hd", L"hd³", Volume, Imperial, cube(0.101599999999996), cube(4.0_x * kInch), -1.2e-13, "(4 in)³"),
    QEL_UNIT(134, cubic_hectometer, L"Cubic hectometer", L"Cubic hectometers", L"cu hm", L"hm³", Volume, Metric, 1000000.0_x),
    QEL_DEFINED(135, cubic_inch, L"Cubic inch", L"Cubic inches", L"cu in", L"in³", Volume, Imperial, cube(0.025400000000000002), cube(kInch)),
    QEL_ROUNDED(136, cubic_league_nautical, L"Cubic nautical league", L"Cubic nautical leagues", L"cu nleag", L"nleag³", Volume, Imperial, cube(5559.54), cube(3.0_x * kUkNauticalMile), -6.5e-6, "(3 UK nautical miles)³"),
    QEL_DEFINED(137, cubic_league_statute, L"Cubic league", L"Cubic leagues", L"cu leag", L"leag³", Volume, Imperial, cube(4828.032), cube(4828.032_x)),
    QEL_ROUNDED(138, cubic_light_year, L"Cubic light year", L"Cubic light years", L"cu ly", L"ly³", Volume, Imperial, cube(9460900000000000.0), cube(kLightYear), 5.4e-5, "ly³ (IAU)"),
    QEL_DEFINED(139, cubic_link, L"Cubic link", L"Cubic links", L"cu li", L"li³", Volume, Imperial, cube(0.201168), cube(0.201168_x)),
    QEL_ROUNDED(140, cubic_mil, L"Cubic mil", L"Cubic mils", L"cu mil", L"mil³", Volume, Imperial, cube(2.5399999999999e-05), cube(kInch / 1000.0_x), -1.2e-13, "(in/1000)³"),
    QEL_DEFINED(141, cubic_mile_nautical_UK, L"Cubic nautical mile [UK]", L"Cubic nautical miles [UK]", L"cu nmi", L"nmi³", Volume, Imperial, cube(1853.1840000000002), cube(kUkNauticalMile)),
    // The US survey mile cubed.
    QEL_DEFINED(142, cubic_mile_statute, L"Cubic mile", L"Cubic miles", L"cu mi", L"mi³", Volume, Imperial, cube(1609.3472186944373), cube(5280.0_x * kSurveyFoot)),
    QEL_UNIT(143, cubic_millimeter, L"Cubic millimeter", L"Cubic millimeters", L"cu mm", L"mm³", Volume, Metric, cube(0.001_x)),
    QEL_UNIT(144, cubic_millimicron, L"Cubic millimicron", L"Cubic millimicrons", L"cu mµ", L"mµ³", Volume, Metric, 1e-27_x),
    QEL_ROUNDED(145, cubic_pace, L"Cubic pace", L"Cubic paces", L"cu pace", L"pace³", Volume, Imperial, cube(0.76199999999997), cube(2.5_x * kFoot), -1.2e-13, "(2.5 ft)³"),
    QEL_ROUNDED(146, cubic_palm, L"Cubic palm", L"Cubic palms", L"cu plm", L"plm³", Volume, Imperial, cube(0.076199999999997), cube(3.0_x * kInch), -1.2e-13, "(3 in)³"),
    QEL_ROUNDED(147, cubic_parsec, L"Cubic parsec", L"Cubic parsecs", L"cu pc", L"pc³", Volume, Both, cube(3.0857992e16), cube(kParsec), 1.2e-4, "pc³ (IAU 2015)"),
    QEL_DEFINED(148, cubic_perch, L"Cubic perch", L"Cubic perchs", L"cu rd", L"rd³", Volume, Imperial, cube(5.0292), cube(5.0292_x)),
    QEL_UNIT(149, cubic_rope, L"Cubic rope", L"Cubic ropes", L"cu rope", L"rope³", Volume, Imperial, cube(6.096_x)),
    QEL_DEFINED(150, cubic_skein, L"Cubic skein", L"Cubic skeins", L"cu sk", L"sk³", Volume, Imperial, cube(109.728), cube(109.728_x)),
    QEL_ROUNDED(151, cubic_span, L"Cubic span", L"Cubic spans", L"cu sp", L"sp³", Volume, Imperial, cube(0.228599999999991), cube(9.0_x * kInch), -1.2e-13, "(9 in)³"),
    QEL_DEFINED(152, cubic_survey_foot, L"Cubic survey foot", L"Cubic survey feet", L"cu us ft", L"us ft³", Volume, Imperial, cube(0.3048006096012192), cube(kSurveyFoot)),
    QEL_DEFINED(153, cubic_yard, L"Cubic yard", L"Cubic yards", L"cu yd", L"yd³", Volume, Imperial, cube(0.9144000000000001), cube(3.0_x * kFoot)),
    makeMeasured(QEL_ROUNDED(154, dalton, L"Dalton", L"Daltons", L"u", nullptr, Mass, Metric, 1.66e-27, 1.66053906892e-27_x, -3.2e-4, "1/12 of the mass of a carbon-12 atom, measured: CODATA 2022, ±3e-10"), 3.1e-10),
    // 64.79891 mg.
    QEL_UNIT(155, grain, L"Grain", L"Grains", L"gr", nullptr, Mass, Imperial, 6.479891e-05_x),
    QEL_UNIT(156, gram, L"Gram", L"Grams", L"g", nullptr, Mass, Metric, 0.001_x),
    QEL_ROUNDED(157, hundredweight, L"Hundredweight", L"Hundredweights", L"cwt", nullptr, Mass, Imperial, 45.359, 100.0_x * kPound, -5.2e-6, "100 lb (the US hundredweight)"),
    QEL_ROUNDED(158, long_ton, L"Long ton", L"Long tons", L"LT", nullptr, Mass, Imperial, 1016.1, 2240.0_x * kPound, 5.2e-5, "2240 lb"),
    QEL_ROUNDED(159, ounce, L"Ounce", L"Ounces", L"oz", nullptr, Mass, Imperial, 0.0283495, kPound / 16.0_x, -8.2e-7, "lb/16"),
    QEL_ROUNDED(160, ounce_troy, L"Troy ounce", L"Troy ounces", L"oz t", nullptr, Mass, Imperial, 0.03110348, 480.0_x * kGrain, 1.0e-7, "480 grains"),
    QEL_ROUNDED(161, pennyweight, L"Pennyweight", L"Pennyweights", L"dwt", nullptr, Mass, Imperial, 0.00155517, 24.0_x * kGrain, -2.5e-6, "24 grains"),
    QEL_UNIT(162, pound, L"Pound", L"Pounds", L"lb", nullptr, Mass, Imperial, 0.45359237_x),
    QEL_ROUNDED(163, slug, L"Slug", L"Slugs", L"g-pound", nullptr, Mass, Imperial, 14.594, kPoundForce / kFoot, 6.7e-6, "1 lbf·s²/ft"),
    QEL_ROUNDED(164, stone, L"Stone", L"Stones", L"st", nullptr, Mass, Imperial, 6.35, 14.0_x * kPound, -4.6e-5, "14 lb"),
    QEL_ROUNDED(165, ton, L"Ton", L"Tons", L"t", nullptr, Mass, Imperial, 907.185, 2000.0_x * kPound, 2.9e-7, "2000 lb"),
    QEL_UNIT(166, tonne, L"Tonne", L"Tonnes", L"tonne", nullptr, Mass, Metric, 1000.0_x),
    QEL_UNIT(167, minute, L"Minute", L"Minutes", L"min", nullptr, Time, Neither, 60.0_x),
    QEL_UNIT(168, hour, L"Hour", L"Hours", L"hr", nullptr, Time, Neither, 3600.0_x),
    QEL_UNIT(169, day, L"Day", L"Days", L"d", nullptr, Time, Neither, 86400.0_x),
    QEL_UNIT(170, week, L"Week", L"Weeks", L"wk", nullptr, Time, Neither, 604800.0_x),
    QEL_UNIT(171, fortnight, L"Fortnight", L"Fortnights", L"fortnight", nullptr, Time, Neither, 1209600.0_x),
    // "Year" is the sidereal year here, while decade, century and millenium are tropical years (the usual year);
    // both definitions are the farther of two published values from the stored one, so the difference covers both.
    QEL_ROUNDED(172, sidereal_year, L"Year", L"Years", L"yr", nullptr, Time, Neither, 31558118.4, kSiderealYear, -9.9e-7, "the sidereal year, 365.256363004 days (J2000)"),
    QEL_ROUNDED(173, tropical_year, L"Tropical year", L"Tropical years", L"yr", nullptr, Time, Neither, 31556908.8, kTropicalYear, -5.4e-7, "the mean tropical year, 365.242198781 days"),
    QEL_ROUNDED(174, decade, L"Decade", L"Decades", L"dec", nullptr, Time, Neither, 315569088.0, 10.0_x * kTropicalYear, -5.4e-7, "10 mean tropical years"),
    QEL_ROUNDED(175, century, L"Century", L"Centuries", L"C", nullptr, Time, Neither, 3155690880.0, 100.0_x * kTropicalYear, -5.4e-7, "100 mean tropical years"),
    QEL_ROUNDED(176, millenium, L"Millenium", L"Milleniums", L"M", nullptr, Time, Neither, 31556908800.0, 1000.0_x * kTropicalYear, -5.4e-7, "1000 mean tropical years"),
    QEL_DEFINED(177, cubic_decimeter, L"Cubic decimeter", L"Cubic decimeters", L"cu dm", L"dm³", Volume, Metric, cube(0.1), cube(0.1_x)),
    QEL_ROUNDED(178, square_mil_, L"Square mil", L"Square mils", L"sq mil", L"mil²", Area, Imperial, 6.45161e-10, sq(kInch / 1000.0_x), 1.6e-6, "(in/1000)²"),
    // The Vellum form is U+00BA (masculine ordinal), not the degree sign.
    QEL_ROUNDED(179, angle_degree, L"Degree", L"Degrees", L"d", L"º", PlanarAngle, Neither, 0.0174533, kPi / 180.0_x, 4.3e-7, "π/180 rad"),
    QEL_ROUNDED(180, angle_minute, L"Minute", L"Minutes", L"m", nullptr, PlanarAngle, Neither, 0.000290888, kPi / 10800.0_x, -7.2e-7, "π/10800 rad"),
    QEL_ROUNDED(181, grad, L"Grad", L"Grads", L"g", nullptr, PlanarAngle, Neither, 0.015708, kPi / 200.0_x, 2.3e-6, "π/200 rad"),
    QEL_ROUNDED(182, angle_second, L"Second", L"Seconds", L"--", nullptr, PlanarAngle, Neither, 4.84814e-06, kPi / 648000.0_x, 6.6e-7, "π/648000 rad"),
    QEL_UNIT(183, kilogram_per_cubic_meter, L"Kilogram per cubic meter", L"Kilograms per cubic meter", L"kg/cu m", L"kg/m³", Density, Metric, kBase),
    QEL_ROUNDED(184, pound_per_cubic_foot, L"Pound per cubic foot", L"Pounds per cubic foot", L"lb/cu ft", L"lb/ft³", Density, Imperial, 16.018463, kPound / cube(kFoot), -2.3e-8, "lb/ft³"),
    QEL_ROUNDED(185, pound_per_cubic_inch, L"Pound per cubic inch", L"Pounds per cubic inch", L"lb/cu in", L"lb/in³", Density, Imperial, 27679.905, kPound / cube(kInch), 1.0e-8, "lb/in³"),
    QEL_UNIT(186, kiloampere, L"Kiloampere", L"Kiloamperes", L"kA", nullptr, Current, Both, 1000.0_x),
    QEL_UNIT(187, milliampere, L"Milliampere", L"Milliamperes", L"mA", nullptr, Current, Both, 0.001_x),
    QEL_UNIT(188, kilovolt, L"Kilovolt", L"Kilovolts", L"kV", nullptr, ElectricalPotential, Both, 1000.0_x),
    QEL_UNIT(189, millivolt, L"Millivolt", L"Millivolts", L"mV", nullptr, ElectricalPotential, Both, 0.001_x),
    QEL_UNIT(190, kilowatt, L"Kilowatt", L"Kilowatts", L"kW", nullptr, Power, Both, 1000.0_x),
    QEL_ROUNDED(191, intl_british_thermal_unit, L"British Thermal Unit [Int.]", L"British Thermal Units [Int.]", L"BTU", nullptr, Energy, Imperial, 1055.0559, kBtu, 4.5e-8, "1055.05585262 J, the International Table BTU"),
    QEL_UNIT(192, intl_calorie, L"Calorie [Int.]", L"Calories [Int.]", L"cal", nullptr, Energy, Both, 4.1868_x),
    QEL_UNIT(193, intl_kilocalorie, L"Kilocalorie [Int.]", L"Kilocalories [Int.]", L"kcal", nullptr, Energy, Both, 4186.8_x),
    QEL_UNIT(194, kilowatt_hour, L"Kilowatt-hour", L"Kilowatt-hours", L"kWH", nullptr, Energy, Both, 3600000.0_x),
    QEL_UNIT(195, us_therm, L"Therm [U.S.]", L"Therms [U.S.]", L"Thm", nullptr, Energy, Imperial, 105480400.0_x),
    QEL_UNIT(196, newton_meter, L"Newton meter", L"Newton meters", L"N-m", nullptr, Energy, Metric, 1.0_x),
    QEL_UNIT(197, decanewton_meter, L"Decanewton meter", L"Decanewton meters", L"daN-m", nullptr, Energy, Metric, 10.0_x),
    QEL_UNIT(198, kilonewton_meter, L"Kilonewton meter", L"Kilonewton meters", L"kN-m", nullptr, Energy, Metric, 1000.0_x),
    QEL_UNIT(199, meganewton_meter, L"Meganewton meter", L"Meganewton meters", L"MN-m", nullptr, Energy, Metric, 1000000.0_x),
    QEL_ROUNDED(200, foot_kilopound, L"Foot-kilopound", L"Foot-kilopounds", L"ft-kip", nullptr, Energy, Imperial, 1355.818, 1000.0_x * kPoundForce * kFoot, 3.8e-8, "1000 ft·lbf"),
    QEL_UNIT(201, kilogram_force_meter, L"Kilogram-force meter", L"Kilogram-force meters", L"kgf-m", nullptr, Energy, Metric, 9.80665_x),
    QEL_UNIT(202, kilogram_force_foot, L"Kilogram-force foot", L"Kilogram-force feet", L"kgf-ft", nullptr, Energy, Imperial, 2.98906692_x),
    QEL_UNIT(203, ton_force_foot, L"Ton-force foot", L"Ton-force feet", L"Tonf-ft", nullptr, Energy, Imperial, 2711.635896662801_x),
    QEL_UNIT(204, tonne_force_meter, L"Tonne-force meter", L"Tonne-force meters", L"Tf-m", nullptr, Energy, Metric, 1000.0_x * 9.80665_x),
    QEL_ROUNDED(205, foot_pound_force, L"Foot-pound force", L"Foot-pounds force", L"ft-lbf", nullptr, Energy, Imperial, 1.355818, kPoundForce * kFoot, 3.8e-8, "ft·lbf"),
    QEL_UNIT(206, decanewton, L"Decanewton", L"Decanewtons", L"daN", nullptr, Force, Metric, 10.0_x),
    QEL_UNIT(207, kilonewton, L"Kilonewton", L"Kilonewtons", L"kN", nullptr, Force, Metric, 1000.0_x),
    QEL_UNIT(208, meganewton, L"Meganewton", L"Meganewtons", L"MN", nullptr, Force, Metric, 1000000.0_x),
    QEL_ROUNDED(209, kilopound, L"Kilopound", L"Kilopounds", L"kip", nullptr, Force, Imperial, 4448.2216, 1000.0_x * kPoundForce, -3.4e-9, "1000 lbf"),
    QEL_UNIT(210, kilogram_force, L"Kilogram force", L"Kilograms-force", L"kgf", nullptr, Force, Metric, 9.80665_x),
    QEL_UNIT(211, hertz, L"Hertz", L"Hertz", L"Hz", nullptr, ElectricalFrequency, Both, kBase),
    QEL_UNIT(212, cycle_per_second, L"Cycle per second", L"Cycles per second", L"cps", nullptr, ElectricalFrequency, Both, 1.0_x),
    QEL_UNIT(213, pascal_per_meter, L"Pascal per meter", L"Pascals per meter", L"Pa/m", nullptr, Friction, Metric, kBase),
    // Water at 60 °F; the usual (conventional) inch of water takes 1000 kg/m³, 249.089 Pa.
    makeMeasured(QEL_ROUNDED(214, inches_of_water_per_100_feet, L"Inch of water per 100 feet", L"Inches of water per 100 feet", L"in-wg/100 ft", nullptr, Friction, Imperial, 8.164042, kInchOfWater60F / (100.0_x * kFoot), -1.6e-5, "an inch of water at 60 °F per 100 ft"), 4.2e-7),
    QEL_ROUNDED(215, footcandle, L"Footcandle", L"Footcandles", L"fc", nullptr, Illuminance, Imperial, 10.7639104, 1.0_x / sq(kFoot), -1.6e-9, "1 lm/ft²"),
    QEL_ROUNDED(216, footlambert, L"Footlambert", L"Footlambert", L"fL", nullptr, Illuminance, Imperial, 3.426259, 1.0_x / (kPi * sq(kFoot)), -2.9e-8, "1/π cd/ft²"),
    QEL_UNIT(217, candela_per_square_meter, L"Candela per square meter", L"Candelas per square meter", L"cd/sq m", L"cd/m²", Illuminance, Metric, 1.0_x),
    QEL_UNIT(218, newton_per_meter, L"Newton per meter", L"Newtons per meter", L"N/m", nullptr, LinearForce, Metric, kBase),
    QEL_UNIT(219, decanewton_per_meter, L"Decanewton per meter", L"Decanewtons per meter", L"daN/m", nullptr, LinearForce, Metric, 10.0_x),
    QEL_UNIT(220, kilonewton_per_meter, L"Kilonewton per meter", L"Kilonewtons per meter", L"kN/m", nullptr, LinearForce, Metric, 1000.0_x),
    QEL_UNIT(221, meganewton_per_meter, L"Meganewton per meter", L"Meganewtons per meter", L"MN/m", nullptr, LinearForce, Metric, 1000000.0_x),
    QEL_DEFINED(222, kilopound_per_foot, L"Kilopound per foot", L"Kilopounds per foot", L"kip/ft", nullptr, LinearForce, Imperial, 1000.0 * 14.593902937206364, 1000.0_x * (kPoundForce / kFoot)),
    QEL_UNIT(223, kilogram_force_per_meter, L"Kilogram force per meter", L"Kilograms force per meter", L"kgf/m", nullptr, LinearForce, Metric, 9.80665_x),
    QEL_UNIT(224, tonne_force_per_meter, L"Tonne force per meter", L"Tonnes force per meter", L"Tf/m", nullptr, LinearForce, Metric, 9806.65_x),
    QEL_UNIT(225, pound_force_per_foot, L"Pound per foot", L"Pounds per foot", L"lb/ft", nullptr, LinearForce, Imperial, 14.593902937206364_x),
    QEL_UNIT(226, kilogram_per_meter, L"Kilogram per meter", L"Kilograms per meter", L"kg/m", nullptr, LinearWeight, Metric, kBase),
    QEL_DEFINED(227, pound_per_foot, L"Pound per foot", L"Pounds per foot", L"lb/ft", nullptr, LinearWeight, Imperial, 1.488163943569554, kPound / kFoot),
    QEL_UNIT(228, volt_ampere, L"Volt-Ampere", L"Volt-Amperes", L"VA", nullptr, Power, Both, 1.0_x),
    QEL_UNIT(229, kilovolt_ampere, L"Kilovolt-Ampere", L"Kilovolt-Amperes", L"kVA", nullptr, Power, Both, 1000.0_x),
    QEL_ROUNDED(230, horse_power, L"Horsepower", L"Horsepower", L"HP", nullptr, Power, Imperial, 745.6999, 550.0_x * kPoundForce * kFoot, 3.8e-8, "550 ft·lbf/s"),
    QEL_UNIT(231, kilogram_force_meter_per_second, L"Kilogram-force meter per second", L"Kilogram-force meters per second", L"kgf-m/s", nullptr, Power, Metric, 9.80665_x),
    QEL_ROUNDED(232, foot_pound_force_per_second, L"Foot-pound force per second", L"Foot-pounds force per second", L"ft-lbf/s", nullptr, Power, Imperial, 1.3558179, kPoundForce * kFoot, -3.6e-8, "ft·lbf/s"),
    QEL_UNIT(233, intl_calorie_per_second, L"Calorie per second [Int.]", L"Calories per second [Int.]", L"cal/s", nullptr, Power, Both, 4.1868_x),
    QEL_UNIT(234, intl_kilocalorie_per_second, L"Kilocalorie per second [Int.]", L"Kilocalories per second [Int.]", L"kcal/s", nullptr, Power, Both, 4186.8_x),
    QEL_ROUNDED(235, intl_british_thermal_unit_per_second, L"British Thermal Unit per second [Int.]", L"British Thermal Units per second [Int.]", L"BTU/s", nullptr, Power, Imperial, 1055.056, kBtu, 1.4e-7, "International Table BTU/s"),
    QEL_ROUNDED(236, intl_british_thermal_unit_per_hour, L"British Thermal Unit per hour [Int.]", L"British Thermal Units per hour [Int.]", L"BTU/h", nullptr, Power, Imperial, 0.2930711, kBtu / 3600.0_x, 1.0e-7, "International Table BTU/h"),
    QEL_UNIT(237, watt_per_square_meter, L"Watt per square meter", L"Watts per square meter", L"W/sq m", L"W/m²", PowerDensity, Metric, kBase),
    QEL_ROUNDED(238, watt_per_square_foot, L"Watt per square foot", L"Watts per square foot", L"W/sq ft", L"W/ft²", PowerDensity, Imperial, 10.76391, 1.0_x / sq(kFoot), -3.9e-8, "W/ft²"),
    // Water at 60 °F, as above.
    makeMeasured(QEL_ROUNDED(239, inch_of_water, L"Inch of water", L"Inches of water", L"in-wg", nullptr, Pressure, Imperial, 248.84, kInchOfWater60F, -1.6e-5, "an inch of water at 60 °F (999.017 kg/m³, measured)"), 4.2e-7),
    QEL_UNIT(240, kilopascal, L"Kilopascal", L"Kilopascals", L"kPa", nullptr, Pressure, Metric, 1000.0_x),
    QEL_UNIT(241, megapascal, L"Megapascal", L"Megapascals", L"MPa", nullptr, Pressure, Metric, 1000000.0_x),
    QEL_ROUNDED(242, pound_per_square_inch, L"Pound per square inch", L"Pounds per square inch", L"psi", L"lb/in²", Pressure, Imperial, 6894.757, kPoundForce / sq(kInch), -4.3e-8, "lbf/in²"),
    QEL_ROUNDED(243, pound_per_square_foot, L"Pound per square foot", L"Pounds per square foot", L"psf", L"lb/ft²", Pressure, Imperial, 47.88026, kPoundForce / sq(kFoot), 2.1e-8, "lbf/ft²"),
    QEL_ROUNDED(244, millimeter_of_mercury, L"Millimeter of mercury", L"Millimeters of mercury", L"mm-Hg", nullptr, Pressure, Metric, 133.3224, kMillimeterOfMercury, 9.4e-8, "13.5951 g/cm³ × 1 mm × standard gravity (conventional)"),
    QEL_ROUNDED(245, inch_of_mercury, L"Inch of mercury", L"Inches of mercury", L"in-Hg", nullptr, Pressure, Imperial, 3386.389, 25.4_x * kMillimeterOfMercury, 1.1e-7, "25.4 conventional millimeters of mercury"),
    QEL_UNIT(246, standard_atmosphere, L"Atmosphere [Standard]", L"Atmospheres [Standard]", L"Atm", nullptr, Pressure, Both, 101325.0_x),
    QEL_UNIT(247, newton_per_square_millimeter, L"Newton per square millimeter", L"Newtons per square millimeter", L"N/sq mm", L"N/mm²", Pressure, Metric, 1000000.0_x),
    QEL_UNIT(248, newton_per_square_meter, L"Newton per square meter", L"Newtons per square meter", L"N/sq m", L"N/m²", Pressure, Metric, 1.0_x),
    QEL_UNIT(249, decanewton_per_square_millimeter, L"Decanewton per square millimeter", L"Decanewtons per square millimeter", L"daN/sq mm", L"daN/mm²", Pressure, Metric, 10.0_x * 1000000.0_x),
    QEL_UNIT(250, decanewton_per_square_meter, L"Decanewton per square meter", L"Decanewtons per square meter", L"daN/sq m", L"daN/m²", Pressure, Metric, 10.0_x),
    QEL_UNIT(251, kilonewton_per_square_meter, L"Kilonewton per square meter", L"Kilonewtons per square meter", L"kN/sq m", L"kN/m²", Pressure, Metric, 1000.0_x),
    QEL_UNIT(252, meganewton_per_square_meter, L"Meganewton per square meter", L"Meganewtons per square meter", L"MN/sq m", L"MN/m²", Pressure, Metric, 1000000.0_x),
    QEL_ROUNDED(253, kilopound_per_square_inch, L"Kilopound per square inch", L"Kilopounds per square inch", L"ksi", L"kip/in²", Pressure, Imperial, 6894757.0, 1000.0_x * kPoundForce / sq(kInch), -4.3e-8, "1000 lbf/in²"),
    QEL_ROUNDED(254, kilopound_per_square_foot, L"Kilopound per square foot", L"Kilopounds per square foot", L"ksf", L"kip/ft²", Pressure, Imperial, 47880.2588889, 1000.0_x * kPoundForce / sq(kFoot), -1.9e-9, "1000 lbf/ft²"),
    QEL_UNIT(255, kilogram_force_per_square_millimeter, L"Kilogram-force per square millimeter", L"Kilograms-force per square millimeter", L"kgf/sq mm", L"kgf/mm²", Pressure, Metric, 9806650.0_x),
    QEL_UNIT(256, kilogram_force_per_square_centimeter, L"Kilogram-force per square centimeter", L"Kilograms-force per square centimeter", L"kgf/sq cm", L"kgf/cm²", Pressure, Metric, 98066.5_x),
    QEL_UNIT(257, kilogram_force_per_square_meter, L"Kilogram-force per square meter", L"Kilograms-force per square meter", L"kgf/sq m", L"kgf/m²", Pressure, Metric, 9.80665_x),
    QEL_UNIT(258, tonne_force_per_square_centimeter, L"Tonne-force per square centimeter", L"Tonnes-force per square centimeter", L"Tf/sq cm", L"Tf/cm²", Pressure, Metric, 98066500.0_x),
    QEL_UNIT(259, tonne_force_per_square_meter, L"Tonne-force per square meter", L"Tonnes-force per square meter", L"Tf/sq m", L"Tf/m²", Pressure, Metric, 9806.65_x),
    QEL_UNIT(260, ton_force_per_square_foot, L"Ton-force per square foot", L"Tons-force per square foot", L"Tonf/sq ft", L"Tonf/ft²", Pressure, Imperial, 95760.51796067168_x),
    QEL_UNIT(261, bar, L"Bar", L"Bars", L"bar", nullptr, Pressure, Metric, 100000.0_x),
    // Interval factors (a degree Fahrenheit or Rankine is 5/9 kelvin); readings convert through the temperature functions.
    makeScale(QEL_UNIT(262, fahrenheit, L"Fahrenheit", L"Fahrenheit", L"°F", nullptr, Temperature, Imperial, 5.0_x / 9.0_x), 459.67_x, 5.0_x / 9.0_x),
    makeScale(QEL_UNIT(263, celsius, L"Celsius", L"Celsius", L"°C", nullptr, Temperature, Metric, 1.0_x), 273.15_x, 1.0_x),
    QEL_UNIT(264, rankine, L"Rankine", L"Rankine", L"°R", nullptr, Temperature, Imperial, 5.0_x / 9.0_x),
    QEL_UNIT(265, meter_per_second, L"Meter per second", L"Meters per second", L"m/s", nullptr, Velocity, Metric, kBase),
    QEL_UNIT(266, foot_per_minute, L"Foot per minute", L"Feet per minute", L"FPM", nullptr, Velocity, Imperial, 0.00508_x),
    QEL_UNIT(267, centimeter_per_minute, L"Centimeter per minute", L"Centimeters per minute", L"cm/min", nullptr, Velocity, Metric, 0.00016666666666666666_x),
    QEL_UNIT(268, cubic_meter_per_second, L"Cubic meter per second", L"Cubic meters per second", L"cu m/s", L"m³/s", Flow, Metric, kBase),
    QEL_UNIT(269, cubic_meter_per_hour, L"Cubic meter per hour", L"Cubic meters per hour", L"cu m/hr", L"m³/hr", Flow, Metric, 0.0002777777777777778_x),
    QEL_DEFINED(270, cubic_foot_per_minute, L"Cubic foot per minute", L"Cubic feet per minute", L"CFM", L"ft³/min", Flow, Imperial, cube(0.3048) / 60.0, cube(kFoot) / 60.0_x),
    QEL_UNIT(271, liter_per_second, L"Liter per second", L"Liters per second", L"l/s", nullptr, Flow, Metric, 0.001_x),
    QEL_DEFINED(272, us_gallon_per_minute, L"Gallon [U.S.] per minute", L"Gallons [U.S.] per minute", L"GPM", nullptr, Flow, Imperial, cube(0.025400000000000002) * 231.0 / 60.0, cube(kInch) * 231.0_x / 60.0_x),
    QEL_DEFINED(273, us_gallon_per_hour, L"Gallon [U.S.] per hour", L"Gallons [U.S.] per hour", L"GPH", nullptr, Flow, Imperial, cube(0.025400000000000002) * 231.0 / 3600.0, cube(kInch) * 231.0_x / 3600.0_x),
    QEL_UNIT(274, millisecond, L"Millisecond", L"Milliseconds", L"ms", nullptr, Time, Neither, 0.001_x),
    QEL_ROUNDED(275, pound_force, L"Pound-force", L"Pounds-force", L"lbf", nullptr, Force, Imperial, 4.4482216, kPoundForce, -3.4e-9, "lb × standard gravity (9.80665 m/s²)"),
    QEL_ROUNDED(276, intl_million_british_thermal_unit_per_hour, L"Million British Thermal Unit per hour [Int.]", L"Million British Thermal Units per hour [Int.]", L"MMBTU/h", nullptr, Power, Imperial, 293071.1, kBtu * 1e6_x / 3600.0_x, 1.0e-7, "10⁶ International Table BTU/h"),
    QEL_ROUNDED(277, intl_thousand_british_thermal_unit_per_hour, L"Thousand British Thermal Unit per hour [Int.]", L"Thousand British Thermal Units per hour [Int.]", L"MBTU/h", nullptr, Power, Imperial, 293.0711, kBtu * 1000.0_x / 3600.0_x, 1.0e-7, "1000 International Table BTU/h"),
    QEL_UNIT(278, candela_per_square_foot, L"Candela per square foot", L"Candelas per square foot", L"cd/sq ft", L"cd/ft²", Illuminance, Imperial, 1.0_x / sq(0.3048_x)),
    QEL_ROUNDED(279, revolutions_per_minute, L"Revolution per minute", L"Revolutions per minute", L"rpm", nullptr, ElectricalFrequency, Both, 0.016666667, 1.0_x / 60.0_x, 2.0e-8, "1/60 Hz"),
    QEL_ROUNDED(280, inches_of_mercury_per_100_feet, L"Inch of mercury per 100 feet", L"Inches of mercury per 100 feet", L"in-Hg/100 ft", nullptr, Friction, Imperial, 111.10193, 25.4_x * kMillimeterOfMercury / (100.0_x * kFoot), -5.4e-7, "a conventional inch of mercury per 100 ft"),
    QEL_ROUNDED(281, millimeters_of_mercury_per_100_feet, L"Millimeter of mercury per 100 feet", L"Millimeters of mercury per 100 feet", L"mm-Hg/100 ft", nullptr, Friction, Imperial, 4.374093, kMillimeterOfMercury / (100.0_x * kFoot), -2.5e-7, "a conventional millimeter of mercury per 100 ft"),
    QEL_UNIT(282, kilowatt_per_square_meter, L"Kilowatt per square meter", L"Kilowatts per square meter", L"kW/sq m", L"kW/m²", PowerDensity, Metric, 1000.0_x),
    QEL_ROUNDED(283, kilowatt_per_square_foot, L"Kilowatt per square foot", L"Kilowatts per square foot", L"kW/sq ft", L"kW/ft²", PowerDensity, Imperial, 10763.91, 1000.0_x / sq(kFoot), -3.9e-8, "kW/ft²"),
    QEL_UNIT(284, meter_per_minute, L"Meter per minute", L"Meters per minute", L"m/min", nullptr, Velocity, Metric, 0.016666666666666666_x),
    QEL_UNIT(285, foot_per_second, L"Foot per second", L"Feet per second", L"ft/s", nullptr, Velocity, Imperial, 0.3048_x),
    QEL_DEFINED(286, cubic_foot_per_second, L"Cubic foot per second", L"Cubic feet per second", L"cu ft/s", L"ft³/s", Flow, Imperial, cube(0.3048), cube(kFoot)),
    QEL_UNIT(287, liter_per_minute, L"Liter per minute", L"Liters per minute", L"l/min", nullptr, Flow, Metric, 1.6666666666666667e-05_x),
    QEL_DEFINED(288, us_gallon_per_second, L"Gallon [U.S.] per second", L"Gallons [U.S.] per second", L"GPS", nullptr, Flow, Imperial, cube(0.025400000000000002) * 231.0, cube(kInch) * 231.0_x),
    QEL_UNIT(289, survey_foot_per_second, L"Survey foot per second", L"Survey feet per second", L"us ft/s", nullptr, Velocity, Imperial, 0.3048006096012192_x),
    QEL_DEFINED(290, cubic_survey_foot_per_second, L"Cubic survey foot per second", L"Cubic survey feet per second", L"cu us ft/s", L"us ft³/s", Flow, Imperial, cube(0.3048006096012192), cube(kSurveyFoot)),
    QEL_UNIT(291, imp_gallon, L"Gallon [Imp]", L"Gallons [Imp]", L"imp gal", nullptr, Volume, Imperial, 0.00454609_x),
    QEL_UNIT(292, foot_per_second_squared, L"Foot per second squared", L"Feet per second squared", L"ft/sq sec", L"ft/sec²", Acceleration, Imperial, 0.3048_x),
    QEL_UNIT(293, meter_per_second_squared, L"Meter per second squared", L"Meters per second squared", L"m/sq sec", L"m/sec²", Acceleration, Metric, kBase),
    QEL_UNIT(294, survey_foot_per_second_squared, L"Survey foot per second squared", L"Survey feet per second squared", L"us ft/sq sec", L"us ft/sec²", Acceleration, Imperial, 0.3048006096012192_x),
    QEL_UNIT(295, angular_mil_nato, L"Angular mil [NATO]", L"Angular mils [NATO]", L"mil nato", nullptr, PlanarAngle, Neither, 0.0009817477042468104_x),
    QEL_DEFINED(296, angular_mil_sweden, L"Angular mil [Sweden]", L"Angular mils [Sweden]", L"mil sweden", nullptr, PlanarAngle, Neither, 0.0009973310011396168, 2.0_x * kPi / 6300.0_x),
    QEL_DEFINED(297, angular_mil_ussr, L"Angular mil [USSR]", L"Angular mils [USSR]", L"mil soviet union", nullptr, PlanarAngle, Neither, 0.0010471975511965976, 2.0_x * kPi / 6000.0_x),
    QEL_DEFINED(298, acre_foot_per_day, L"Acre foot per day", L"Acre feet per day", L"ac ft/day", nullptr, Flow, Imperial, cube(0.3048) * 43560.0 / 86400.0, cube(kFoot) * 43560.0_x / 86400.0_x),
    QEL_DEFINED(299, acre_foot_per_hour, L"Acre foot per hour", L"Acre feet per hour", L"ac ft/hr", nullptr, Flow, Imperial, cube(0.3048) * 43560.0 / 3600.0, cube(kFoot) * 43560.0_x / 3600.0_x),
    QEL_DEFINED(300, acre_foot_per_minute, L"Acre foot per minute", L"Acre feet per minute", L"ac ft/min", nullptr, Flow, Imperial, cube(0.3048) * 43560.0 / 60.0, cube(kFoot) * 43560.0_x / 60.0_x),
    QEL_DEFINED(301, acre_inch_per_hour, L"Acre inch per hour", L"Acre inches per hour", L"ac in/hr", nullptr, Flow, Imperial, cube(0.3048) * 43560.0 / 3600.0 / 12.0, cube(kFoot) * 43560.0_x / 3600.0_x / 12.0_x),
    QEL_DEFINED(302, acre_inch_per_minute, L"Acre inch per minute", L"Acre inches per minute", L"ac in/min", nullptr, Flow, Imperial, cube(0.3048) * 43560.0 / 60.0 / 12.0, cube(kFoot) * 43560.0_x / 60.0_x / 12.0_x),
    QEL_DEFINED(303, cubic_foot_per_day, L"Cubic foot per day", L"Cubic feet per day", L"cu ft/d", L"ft³/d", Flow, Imperial, cube(0.3048) / 86400.0, cube(kFoot) / 86400.0_x),
    QEL_UNIT(304, cubic_foot_per_hour, L"Cubic foot per hour", L"Cubic feet per hour", L"cu ft/hr", L"ft³/hr", Flow, Imperial, cube(0.3048_x) / 3600.0_x),
    QEL_DEFINED(305, cubic_inch_per_minute, L"Cubic inch per minute", L"Cubic inches per minute", L"cu in/min", L"in³/min", Flow, Imperial, cube(0.025400000000000002) / 60.0, cube(kInch) / 60.0_x),
    QEL_UNIT(306, cubic_meter_per_day, L"Cubic meter per day", L"Cubic meters per day", L"cu m/d", L"m³/d", Flow, Metric, 1.1574074074074073e-05_x),
    QEL_UNIT(307, cubic_meter_per_minute, L"Cubic meter per minute", L"Cubic meters per minute", L"cu m/min", L"m³/min", Flow, Metric, 0.016666666666666666_x),
    QEL_DEFINED(308, cubic_yard_per_minute, L"Cubic yard per minute", L"Cubic yards per minute", L"cu yd/min", L"yd³/min", Flow, Imperial, cube(0.9144000000000001) / 60.0, cube(3.0_x * kFoot) / 60.0_x),
    QEL_UNIT(309, imp_gallon_per_day, L"Gallon [Imp] per day", L"Gallons [Imp] per day", L"gal(lmp)/d", nullptr, Flow, Imperial, 5.2616782407407406e-08_x),
    QEL_UNIT(310, imp_gallon_per_hour, L"Gallon [Imp] per hour", L"Gallons [Imp] per hour", L"gal(lmp)/hr", nullptr, Flow, Imperial, 1.2628027777777779e-06_x),
    QEL_UNIT(311, imp_gallon_per_minute, L"Gallon [Imp] per minute", L"Gallons [Imp] per minute", L"gal(lmp)/min", nullptr, Flow, Imperial, 7.576816666666667e-05_x),
    QEL_UNIT(312, imp_gallon_per_second, L"Gallon [Imp] per second", L"Gallons [Imp] per second", L"gal(lmp)/sec", nullptr, Flow, Imperial, 0.00454609_x),
    QEL_UNIT(313, imp_million_gallon_per_day, L"Million gallon [Imp] per day", L"Million gallons [Imp] per day", L"mgd(lmp)", nullptr, Flow, Imperial, 0.05261678240740741_x),
    QEL_UNIT(314, liter_per_day, L"Liter per day", L"Liters per day", L"L/d", nullptr, Flow, Metric, 1.1574074074074074e-08_x),
    QEL_UNIT(315, liter_per_hour, L"Liter per hour", L"Liters per hour", L"L/hr", nullptr, Flow, Metric, 2.7777777777777776e-07_x),
    QEL_UNIT(316, million_liter_per_day, L"Million liter per day", L"Million liters per day", L"Ml/d", nullptr, Flow, Metric, 0.011574074074074073_x),
    QEL_DEFINED(317, us_gallon_per_day, L"Gallon [US] per day", L"Gallons [US] per day", L"gal/day", nullptr, Flow, Imperial, cube(0.025400000000000002) * 231.0 / 86400.0, cube(kInch) * 231.0_x / 86400.0_x),
    QEL_DEFINED(318, us_million_gallon_per_day, L"Million gallon [US] per day", L"Million gallons [US] per day", L"mgd", nullptr, Flow, Imperial, cube(0.025400000000000002) * 231000000.0 / 86400.0, cube(kInch) * 231000000.0_x / 86400.0_x),
    QEL_UNIT(319, mile_nautical_int, L"Nautical mile [Int.]", L"Nautical miles [Int.]", L"nmi(Int)", nullptr, Distance, Imperial, 1852.0_x),
    QEL_DEFINED(320, foot_per_hour, L"Foot per hour", L"Feet per hour", L"ft/hr", nullptr, Velocity, Imperial, 8.466666666666667e-05, kFoot / 3600.0_x),
    QEL_UNIT(321, inch_per_hour, L"Inch per hour", L"Inches per hour", L"in/hr", nullptr, Velocity, Imperial, 7.055555555555556e-06_x),
    QEL_DEFINED(322, inch_per_minute, L"Inch per minute", L"Inches per minute", L"in/min", nullptr, Velocity, Imperial, 0.0004233333333333334, kInch / 60.0_x),
    QEL_DEFINED(323, inch_per_second, L"Inch per second", L"Inches per second", L"in/sec", nullptr, Velocity, Imperial, 0.025400000000000002, kInch),
    QEL_UNIT(324, kilometer_per_hour, L"Kilometer per hour", L"Kilometers per hour", L"km/hr", nullptr, Velocity, Metric, 0.2777777777777778_x),
    QEL_UNIT(325, kilometer_per_minute, L"Kilometer per minute", L"Kilometers per minute", L"km/min", nullptr, Velocity, Metric, 16.666666666666668_x),
    QEL_UNIT(326, kilometer_per_second, L"Kilometer per second", L"Kilometers per second", L"km/sec", nullptr, Velocity, Metric, 1000.0_x),
    QEL_UNIT(327, knot, L"Knot", L"Knots", L"Kn", nullptr, Velocity, Imperial, 0.5144444444444445_x),
    QEL_DEFINED(328, knot_UK, L"Knot [UK]", L"Knots [UK]", L"Kn(UK)", nullptr, Velocity, Imperial, 0.5147733333333334, kUkNauticalMile / 3600.0_x),
    QEL_UNIT(329, meter_per_hour, L"Meter per hour", L"Meters per hour", L"m/hr", nullptr, Velocity, Metric, 0.0002777777777777778_x),
    QEL_UNIT(330, mile_per_hour, L"Mile per hour", L"Miles per hour", L"mile/hr", nullptr, Velocity, Imperial, 0.44704_x),
    QEL_DEFINED(331, mile_per_minute, L"Mile per minute", L"Miles per minute", L"mile/min", nullptr, Velocity, Imperial, 26.822400000000002, 5280.0_x * kFoot / 60.0_x),
    QEL_UNIT(332, mile_per_second, L"Mile per second", L"Miles per second", L"mile/sec", nullptr, Velocity, Imperial, 1609.344_x),
    QEL_DEFINED(333, liquid_gallon, L"Gallon", L"Gallons", L"gal", nullptr, Volume, Imperial, cube(0.025400000000000002) * 231.0, cube(kInch) * 231.0_x),
    QEL_UNIT(334, survey_inch, L"Survey inch", L"Survey inches", L"us in", nullptr, Distance, Imperial, 0.0254000508001016_x),
    QEL_DEFINED(335, survey_yard, L"Survey yard", L"Survey yards", L"us yd", nullptr, Distance, Imperial, 0.9144018288036575, 3.0_x * kSurveyFoot),
    QEL_UNIT(336, survey_rod, L"Survey rod", L"Survey rods", L"us rd", nullptr, Distance, Imperial, 5.029210058420117_x),
    QEL_UNIT(337, mile_statute, L"Statute mile", L"Statute miles", L"us mi", nullptr, Distance, Imperial, 1609.3472186944373_x),
    QEL_DEFINED(338, square_survey_yard, L"Square survey yard", L"Square survey yards", L"sq us yd", L"us yd²", Area, Imperial, sq(0.9144018288036575), sq(3.0_x * kSurveyFoot)),
    QEL_DEFINED(339, survey_acre, L"Survey acre", L"Survey acres", L"us acre", nullptr, Area, Imperial, sq(0.3048006096012192) * 43560.0, sq(kSurveyFoot) * 43560.0_x),
    QEL_UNIT(340, square_mile, L"Square mile", L"Square miles", L"sq mi", L"mi²", Area, Imperial, sq(1609.344_x)),
    QEL_DEFINED(341, cubic_survey_yard, L"Cubic survey yard", L"Cubic survey yards", L"cu us yd", L"us yd³", Volume, Imperial, cube(0.9144018288036575), cube(3.0_x * kSurveyFoot)),
    QEL_DEFINED(342, cubic_mile, L"Cubic mile", L"Cubic miles", L"cu mi", L"mi³", Volume, Imperial, cube(1609.344), cube(1609.344_x)),
    QEL_UNIT(343, survey_mile_per_hour, L"Statute mile per hour", L"Statute miles per hour", L"us mile/hr", nullptr, Velocity, Imperial, 0.44704089408178815_x),
    QEL_UNIT(344, cubic_kilometer, L"Cubic kilometer", L"Cubic kilometers", L"cu km", L"km³", Volume, Metric, cube(1000.0_x)),
    QEL_UNIT(345, gram_per_cubic_centimeter, L"Gram per cubic centimeter", L"Grams per cubic centimeter", L"g/cu cm", L"g/cm³", Density, Metric, 1000.0_x),
    QEL_UNIT(346, hectopascal, L"hectopascal", L"hectopascals", L"hPa", nullptr, Pressure, Metric, 100.0_x),
    QEL_UNIT(347, technical_atmosphere, L"Atmosphere [Technical]", L"Atmospheres [Technical]", L"At", nullptr, Pressure, Both, 98066.5_x),
    QEL_ROUNDED(348, torr, L"torr", L"torr", L"Tr", nullptr, Pressure, Both, 133.322368421053, 101325.0_x / 760.0_x, 2.8e-15, "1/760 standard atmosphere")
};
// clang-format on

#undef QEL_ROUNDED
#undef QEL_DEFINED
#undef QEL_UNIT
#undef QEL_WIDEN
#undef QEL_WIDEN_

// Rules of the table, checked while compiling.
constexpr bool sameText(const wchar_t* a, const wchar_t* b) {
    while (*a != 0 && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

constexpr bool unitCodesInOrder() {
    for (int i = 0; i < kUnitCount; ++i) {
        if (kUnitTable[i].unit != i) {
            return false;
        }
    }
    return true;
}
static_assert(unitCodesInOrder(), "row i of the unit table must hold unit i");

constexpr bool internalNamesUnique() {
    for (int i = 0; i < kUnitCount; ++i) {
        for (int j = i + 1; j < kUnitCount; ++j) {
            if (sameText(kUnitTable[i].internalName, kUnitTable[j].internalName)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(internalNamesUnique(), "internal names must be unique");

constexpr bool oneBaseUnitPerTypeWithFactorOne() {
    int units[kTypeCount] = {};
    int bases[kTypeCount] = {};
    for (const UnitRecord& r : kUnitTable) {
        ++units[r.type];
        if (r.isBaseUnit && (++bases[r.type] > 1 || r.factor != 1.0)) {
            return false;
        }
    }
    for (int t = 0; t < kTypeCount; ++t) {
        if ((units[t] > 0) != (bases[t] == 1)) {
            return false;
        }
    }
    return true;
}
static_assert(oneBaseUnitPerTypeWithFactorOne(), "one base unit, with factor 1, for each type that has units");

constexpr bool textsPresentAndFactorsPositive() {
    for (const UnitRecord& r : kUnitTable) {
        if (r.internalName == nullptr || r.singularName == nullptr || r.pluralName == nullptr ||
            r.defaultAbbreviation == nullptr || !isTypeCode(r.type) || !(r.factor > 0.0)) {
            return false;
        }
    }
    return true;
}
static_assert(textsPresentAndFactorsPositive(), "every unit has its texts, a valid type and a positive factor");

} // namespace qelunits_detail

#endif
