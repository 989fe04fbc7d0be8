#ifndef QELUNITS_SRC_PARSE_VOCABULARY_PREFIXABLE_H
#define QELUNITS_SRC_PARSE_VOCABULARY_PREFIXABLE_H

// The SI prefixes and the units that take them.

#include "parse/Meaning.h"

namespace qelunits_detail {

// clang-format off
inline constexpr Prefix kPrefixes[] = {
    {L"q", L"quecto", -30}, {L"r", L"ronto", -27}, {L"y", L"yocto", -24}, {L"z", L"zepto", -21},
    {L"a", L"atto", -18},   {L"f", L"femto", -15}, {L"p", L"pico", -12},  {L"n", L"nano", -9},
    {L"\u00B5", L"micro", -6}, {L"\u03BC", nullptr, -6}, {L"u", nullptr, -6}, // micro sign, Greek mu, and u
    {L"m", L"milli", -3},   {L"c", L"centi", -2},  {L"d", L"deci", -1},   {L"da", L"deka", 1},
    {nullptr, L"deca", 1},  {L"h", L"hecto", 2},   {L"k", L"kilo", 3},    {L"M", L"mega", 6},
    {L"G", L"giga", 9},     {L"T", L"tera", 12},   {L"P", L"peta", 15},   {L"E", L"exa", 18},
    {L"Z", L"zetta", 21},   {L"Y", L"yotta", 24},  {L"R", L"ronna", 27},  {L"Q", L"quetta", 30},
    // Binary prefixes (IEC 80000-13): powers of two, on the units of information only.
    {L"Ki", L"kibi", 10, true}, {L"Mi", L"mebi", 20, true}, {L"Gi", L"gibi", 30, true}, {L"Ti", L"tebi", 40, true},
    {L"Pi", L"pebi", 50, true}, {L"Ei", L"exbi", 60, true}, {L"Zi", L"zebi", 70, true}, {L"Yi", L"yobi", 80, true},
};
// clang-format on

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
    {{L"Wh"}, {L"watthour", L"watthours", L"watt hour", L"watt hours"}, 0, vocab::times(QelUnit::watt, QelUnit::hour)},
    {{L"eV"}, {L"electronvolt", L"electronvolts", L"electron volt", L"electron volts"}, 0, vocab::unit(QelUnit::joule, 1.602176634e-19)}, // exact since 2019
    {{L"VA"}, {L"voltampere", L"voltamperes", L"volt ampere", L"volt amperes"}, 0, vocab::unit(QelUnit::volt_ampere)},
    {{L"Ah"}, {L"ampere hour", L"ampere hours", L"amp hour", L"amp hours"}, 0, vocab::times(QelUnit::ampere, QelUnit::hour)},
    {{L"var", L"VAr", L"VAR"}, {L"volt-ampere reactive", L"volt ampere reactive", L"volt-amperes reactive", L"volt amperes reactive"}, 0, vocab::unit(QelUnit::volt_ampere)}, // reactive power, in the same dimension
    {{L"Wp"}, {L"watt-peak"}, 0, vocab::unit(QelUnit::watt)},                    // the rated power of solar panels
    {{L"\u03A9", L"\u2126", L"ohm"}, {L"ohm", L"ohms"}, 0, vocab::per(QelUnit::volt, QelUnit::ampere)}, // Ω: omega or ohm sign
    {{L"S"}, {L"siemens", L"mho", L"mhos"}, 0, vocab::per(QelUnit::ampere, QelUnit::volt)},
    {{L"F"}, {L"farad", L"farads"}, 0, {1.0, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::volt, -1}}}},
    {{L"H"}, {L"henry", L"henries", L"henrys"}, 0, {1.0, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::ampere, -1}}}},
    {{L"Wb"}, {L"weber", L"webers"}, 0, vocab::times(QelUnit::volt, QelUnit::second)},
    {{L"T"}, {L"tesla", L"teslas"}, 0, {1.0, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::square_meters, -1}}}},
    {{L"Gy"}, {L"gray", L"grays"}, 0, vocab::per(QelUnit::joule, QelUnit::kilogram)},
    {{L"Sv"}, {L"sievert", L"sieverts"}, 0, vocab::per(QelUnit::joule, QelUnit::kilogram)},
    {{L"Bq"}, {L"becquerel", L"becquerels"}, 0, {1.0, {{QelUnit::second, -1}}}},
    {{L"Da"}, {L"dalton", L"daltons"}, 0, vocab::unit(QelUnit::dalton)},
    {{L"pc"}, {L"parsec", L"parsecs"}, 0, vocab::unit(QelUnit::parsec)}, // kpc and Mpc, as astronomy writes them
    // Units outside the SI that the references and the sciences prefix.
    {{L"C"}, {L"coulomb", L"coulombs"}, 0, vocab::times(QelUnit::ampere, QelUnit::second)},          // 1 C = 1 A·s
    {{L"kat"}, {L"katal", L"katals"}, 0, vocab::per(QelUnit::mole, QelUnit::second)},                // 1 kat = 1 mol/s
    {{L"t"}, {L"tonne", L"tonnes"}, 0, vocab::unit(QelUnit::tonne)},                                  // 1 t = 1000 kg
    {{L"cal"}, {L"calorie", L"calories"}, 0, vocab::unit(QelUnit::joule, 4.184)},                     // thermochemical
    {{L"Torr"}, {L"torr"}, 0, vocab::unit(QelUnit::torr)},                                            // 101325/760 Pa
    {{L"b"}, {L"barn", L"barns"}, 0, vocab::unit(QelUnit::barn)},                                     // 1e-28 m²
    {{L"erg"}, {L"erg", L"ergs"}, 0, vocab::unit(QelUnit::joule, 1e-7)},                                // 1 erg = 1e-7 J
    {{L"dyn"}, {L"dyne", L"dynes"}, 0, vocab::unit(QelUnit::newton, 1e-5)},                              // 1 dyn = 1e-5 N
    {{L"P"}, {L"poise"}, -1, {1.0, {{QelUnit::pascals, 1}, {QelUnit::second, 1}}}},                  // 1 P = 0.1 Pa·s
    {{L"St"}, {L"stokes"}, 0, vocab::per(QelUnit::square_meters, QelUnit::second, 1e-4)},                  // 1 St = 1 cm²/s
    {{L"Gal"}, {L"galileo", L"galileos"}, -2, vocab::unit(QelUnit::meter_per_second_squared)},        // 1 Gal = 1 cm/s²
    {{}, {L"gauss", L"gausses"}, 0, {1e-4, {{QelUnit::volt, 1}, {QelUnit::second, 1}, {QelUnit::square_meters, -1}}}}, // 1 G = 1e-4 T
    {{L"Mx"}, {L"maxwell", L"maxwells"}, 0, {1e-8, {{QelUnit::volt, 1}, {QelUnit::second, 1}}}},          // 1 Mx = 1e-8 Wb
    {{L"Oe"}, {L"oersted", L"oersteds"}, 0, vocab::per(QelUnit::ampere, QelUnit::meter, 79.57747154594767)}, // 1000/(4π) A/m
    {{L"Ci"}, {L"curie", L"curies"}, 0, {3.7e10, {{QelUnit::second, -1}}}},                             // 1 Ci = 3.7e10 Bq
    {{}, {L"roentgen", L"roentgens", L"r\u00F6ntgen"}, 0, {2.58e-4, {{QelUnit::ampere, 1}, {QelUnit::second, 1}, {QelUnit::kilogram, -1}}}}, // 2.58e-4 C/kg
    {{L"rem"}, {L"rem", L"rems"}, -2, vocab::per(QelUnit::joule, QelUnit::kilogram)},                 // 1 rem = 0.01 Sv
    {{L"gf"}, {L"gram-force", L"grams-force", L"gram force", L"grams force"}, -3, vocab::unit(QelUnit::kilogram_force)}, // g × 9.80665 m/s²
    // Information counts, as a count of bits: 1 B = 8 bit.
    {{L"bit"}, {L"bit", L"bits"}, 0, vocab::number(1.0), true},
    {{L"B"}, {L"byte", L"bytes"}, 0, vocab::number(8.0), true},
};
// clang-format on

} // namespace qelunits_detail

#endif
