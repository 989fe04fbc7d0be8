#ifndef QELUNITS_SRC_PARSE_UCUM_UCUMTABLE_H
#define QELUNITS_SRC_PARSE_UCUM_UCUMTABLE_H

// UCUM's prefixes and unit atoms (version 2.2, case-sensitive codes), each
// atom's value written out in catalogue units: a scale times up to four
// catalogue units to integer powers. Where the catalogue holds a unit of
// UCUM's value exactly, the atom is that unit ("[ft_i]" is the foot); where
// UCUM's value differs from the catalogue's unit of the same name, UCUM's
// value stands, in coherent units ("mm[Hg]" is 133.322 Pa, "u" UCUM's dalton,
// "AU" 149597870691 m).
//
// Three readings differ from UCUM's own algebra, by the value layer's choice
// of base dimensions: the mole is an amount of substance, not the number
// 6.02214076e23; the steradian is a solid angle, not rad²; the coulomb is A·s.
//
// Also here: how the writer spells each catalogue unit in UCUM atoms.

#include "parse/ucum/UcumScale.h"

#include <qelunits/QelUnit.h>

#include <cstddef>
#include <cstdint>

namespace qelunits_detail::ucum {

/// How a scale literal of the tables is read: "133.322", "1.66053906660e-24", "365.25/12", "250/pi",
/// "16.5*0.30479976": decimals and "pi" joined by '*' and '/'. A literal out of this form fails to compile.
constexpr Scale scale(const char* text) {
    Scale s;
    bool divide = false;
    for (int i = 0; text[i] != '\0';) {
        Scale term;
        if (text[i] == 'p' && text[i + 1] == 'i') {
            term.pi = 1;
            i += 2;
        } else {
            std::int64_t digits = 0;
            std::int64_t exponent = 0;
            bool fraction = false;
            bool any = false;
            for (; (text[i] >= '0' && text[i] <= '9') || text[i] == '.'; ++i) {
                if (text[i] == '.') {
                    fraction = true;
                    continue;
                }
                digits = digits * 10 + (text[i] - '0');
                exponent -= fraction ? 1 : 0;
                any = true;
            }
            if (text[i] == 'e') {
                const bool negative = text[i + 1] == '-';
                std::int64_t e = 0;
                for (i += negative || text[i + 1] == '+' ? 2 : 1; text[i] >= '0' && text[i] <= '9'; ++i) {
                    e = e * 10 + (text[i] - '0');
                }
                exponent += negative ? -e : e;
            }
            term = any && digits > 0 ? Scale::whole(digits) : throw "a scale literal needs a positive number";
            term.pow10 += exponent;
        }
        s.times(divide ? term.reciprocal() : term);
        if (text[i] == '*' || text[i] == '/') {
            divide = text[i] == '/';
            ++i;
        } else if (text[i] != '\0') {
            throw "a scale literal joins its terms with '*' and '/'";
        }
    }
    return s;
}

/// What an atom is, as the reader treats it.
enum class AtomKind : std::uint8_t {
    Ratio,       ///< a unit on a ratio scale: a factor times catalogue units
    Reading,     ///< a temperature scale (Cel, [degF]): the catalogue's scale, a reading when alone
    Arbitrary,   ///< an arbitrary unit ([iU], [arb'U]): converts to no other unit
    Logarithmic, ///< a level (Np, B, B[SPL]): not a ratio unit
    Special,     ///< another non-ratio scale ([pH], [p'diop], [degRe]): converts by no factor
};

/// A catalogue unit to a power; unit 0 ends the list.
struct CatalogueFactor {
    QelUnit::BuiltinUnits unit;
    std::int8_t power;
};

/// Most catalogue units an atom is written in.
constexpr std::size_t kAtomFactors = 4;

/// One unit atom.
struct Atom {
    const char* code;  ///< the case-sensitive code: "[ft_i]"
    const char* print; ///< the print symbol: "ft"
    const char* name;  ///< "foot"
    Scale scale;       ///< the number the catalogue units are multiplied by
    CatalogueFactor units[kAtomFactors];
    bool metric; ///< takes a prefix
    AtomKind kind;
};

/// One prefix: a power of ten, or of two for the binary ones.
struct Prefix {
    const char* code;
    const char* name;
    std::int8_t pow10;
    std::int8_t pow2;
};

// clang-format off
inline constexpr Prefix kPrefixes[] = {
    {"Y", "yotta", 24, 0}, {"Z", "zetta", 21, 0}, {"E", "exa", 18, 0}, {"P", "peta", 15, 0}, {"T", "tera", 12, 0},
    {"G", "giga", 9, 0}, {"M", "mega", 6, 0}, {"k", "kilo", 3, 0}, {"h", "hecto", 2, 0}, {"da", "deka", 1, 0},
    {"d", "deci", -1, 0}, {"c", "centi", -2, 0}, {"m", "milli", -3, 0}, {"u", "micro", -6, 0}, {"n", "nano", -9, 0},
    {"p", "pico", -12, 0}, {"f", "femto", -15, 0}, {"a", "atto", -18, 0}, {"z", "zepto", -21, 0},
    {"y", "yocto", -24, 0}, {"Ki", "kibi", 0, 10}, {"Mi", "mebi", 0, 20}, {"Gi", "gibi", 0, 30},
    {"Ti", "tebi", 0, 40},
};
// clang-format on

constexpr bool kMetric = true;
constexpr bool kCustomary = false;

using U = QelUnit::BuiltinUnits;
using K = AtomKind;

// Rows in UCUM's order of classes. A lone Cel, [degF], K or [degR] is a reading of the catalogue's scale, as the
// value layer reads a lone °C; inside a compound unit each is a difference, a degree.
// clang-format off
inline constexpr Atom kAtoms[] = {
    // Base units.
    {"m", "m", "meter", scale("1"), {{U::meter, 1}}, kMetric, K::Ratio},
    {"s", "s", "second", scale("1"), {{U::second, 1}}, kMetric, K::Ratio},
    {"g", "g", "gram", scale("1"), {{U::gram, 1}}, kMetric, K::Ratio},
    {"rad", "rad", "radian", scale("1"), {{U::radian, 1}}, kMetric, K::Ratio},
    {"K", "K", "kelvin", scale("1"), {{U::kelvin, 1}}, kMetric, K::Ratio},
    {"C", "C", "coulomb", scale("1"), {{U::ampere, 1}, {U::second, 1}}, kMetric, K::Ratio},
    {"cd", "cd", "candela", scale("1"), {{U::candela, 1}}, kMetric, K::Ratio},
    // Numbers.
    {"10*", "10", "the number ten for arbitrary powers", scale("10"), {}, kCustomary, K::Ratio},
    {"10^", "10", "the number ten for arbitrary powers", scale("10"), {}, kCustomary, K::Ratio},
    {"[pi]", "π", "the number pi", scale("pi"), {}, kCustomary, K::Ratio},
    {"%", "%", "percent", scale("1e-2"), {}, kCustomary, K::Ratio},
    {"[ppth]", "ppth", "parts per thousand", scale("1e-3"), {}, kCustomary, K::Ratio},
    {"[ppm]", "ppm", "parts per million", scale("1e-6"), {}, kCustomary, K::Ratio},
    {"[ppb]", "ppb", "parts per billion", scale("1e-9"), {}, kCustomary, K::Ratio},
    {"[pptr]", "pptr", "parts per trillion", scale("1e-12"), {}, kCustomary, K::Ratio},
    // SI units.
    {"mol", "mol", "mole", scale("1"), {{U::mole, 1}}, kMetric, K::Ratio},
    {"sr", "sr", "steradian", scale("1"), {{U::steradian, 1}}, kMetric, K::Ratio},
    {"Hz", "Hz", "hertz", scale("1"), {{U::hertz, 1}}, kMetric, K::Ratio},
    {"N", "N", "newton", scale("1"), {{U::newton, 1}}, kMetric, K::Ratio},
    {"Pa", "Pa", "pascal", scale("1"), {{U::pascals, 1}}, kMetric, K::Ratio},
    {"J", "J", "joule", scale("1"), {{U::joule, 1}}, kMetric, K::Ratio},
    {"W", "W", "watt", scale("1"), {{U::watt, 1}}, kMetric, K::Ratio},
    {"A", "A", "ampere", scale("1"), {{U::ampere, 1}}, kMetric, K::Ratio},
    {"V", "V", "volt", scale("1"), {{U::volt, 1}}, kMetric, K::Ratio},
    {"F", "F", "farad", scale("1"), {{U::ampere, 1}, {U::second, 1}, {U::volt, -1}}, kMetric, K::Ratio},
    {"Ohm", "Ω", "ohm", scale("1"), {{U::volt, 1}, {U::ampere, -1}}, kMetric, K::Ratio},
    {"S", "S", "siemens", scale("1"), {{U::ampere, 1}, {U::volt, -1}}, kMetric, K::Ratio},
    {"Wb", "Wb", "weber", scale("1"), {{U::volt, 1}, {U::second, 1}}, kMetric, K::Ratio},
    {"Cel", "°C", "degree Celsius", scale("1"), {{U::celsius, 1}}, kMetric, K::Reading},
    {"T", "T", "tesla", scale("1"), {{U::volt, 1}, {U::second, 1}, {U::meter, -2}}, kMetric, K::Ratio},
    {"H", "H", "henry", scale("1"), {{U::volt, 1}, {U::second, 1}, {U::ampere, -1}}, kMetric, K::Ratio},
    {"lm", "lm", "lumen", scale("1"), {{U::candela, 1}, {U::steradian, 1}}, kMetric, K::Ratio},
    {"lx", "lx", "lux", scale("1"), {{U::lux, 1}}, kMetric, K::Ratio},
    {"Bq", "Bq", "becquerel", scale("1"), {{U::second, -1}}, kMetric, K::Ratio},
    {"Gy", "Gy", "gray", scale("1"), {{U::joule, 1}, {U::kilogram, -1}}, kMetric, K::Ratio},
    {"Sv", "Sv", "sievert", scale("1"), {{U::joule, 1}, {U::kilogram, -1}}, kMetric, K::Ratio},
    // Units of ISO 1000 outside the SI.
    {"gon", "g", "gon", scale("1"), {{U::grad, 1}}, kCustomary, K::Ratio},
    {"deg", "°", "degree", scale("1"), {{U::angle_degree, 1}}, kCustomary, K::Ratio},
    {"'", "'", "minute", scale("1"), {{U::angle_minute, 1}}, kCustomary, K::Ratio},
    {"''", "''", "second", scale("1"), {{U::angle_second, 1}}, kCustomary, K::Ratio},
    {"l", "l", "liter", scale("1"), {{U::liter, 1}}, kMetric, K::Ratio},
    {"L", "L", "liter", scale("1"), {{U::liter, 1}}, kMetric, K::Ratio},
    {"ar", "a", "are", scale("1"), {{U::are, 1}}, kMetric, K::Ratio},
    {"min", "min", "minute", scale("1"), {{U::minute, 1}}, kCustomary, K::Ratio},
    {"h", "h", "hour", scale("1"), {{U::hour, 1}}, kCustomary, K::Ratio},
    {"d", "d", "day", scale("1"), {{U::day, 1}}, kCustomary, K::Ratio},
    {"a", "a", "year", scale("365.25"), {{U::day, 1}}, kCustomary, K::Ratio},
    {"a_t", "at", "tropical year", scale("365.24219"), {{U::day, 1}}, kCustomary, K::Ratio},
    {"a_j", "aj", "mean Julian year", scale("365.25"), {{U::day, 1}}, kCustomary, K::Ratio},
    {"a_g", "ag", "mean Gregorian year", scale("365.2425"), {{U::day, 1}}, kCustomary, K::Ratio},
    {"wk", "wk", "week", scale("1"), {{U::week, 1}}, kCustomary, K::Ratio},
    {"mo", "mo", "month", scale("365.25/12"), {{U::day, 1}}, kCustomary, K::Ratio},
    {"mo_s", "mos", "synodal month", scale("29.53059"), {{U::day, 1}}, kCustomary, K::Ratio},
    {"mo_j", "moj", "mean Julian month", scale("365.25/12"), {{U::day, 1}}, kCustomary, K::Ratio},
    {"mo_g", "mog", "mean Gregorian month", scale("365.2425/12"), {{U::day, 1}}, kCustomary, K::Ratio},
    {"t", "t", "tonne", scale("1"), {{U::tonne, 1}}, kMetric, K::Ratio},
    {"bar", "bar", "bar", scale("1"), {{U::bar, 1}}, kMetric, K::Ratio},
    {"u", "u", "unified atomic mass unit", scale("1.66053906660e-24"), {{U::gram, 1}}, kMetric, K::Ratio},
    {"eV", "eV", "electronvolt", scale("1.602176634e-19"), {{U::joule, 1}}, kMetric, K::Ratio},
    {"AU", "AU", "astronomic unit", scale("149597870691"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"pc", "pc", "parsec", scale("3.085678e16"), {{U::meter, 1}}, kMetric, K::Ratio},
    // Natural units.
    {"[c]", "c", "velocity of light", scale("299792458"), {{U::meter, 1}, {U::second, -1}}, kMetric, K::Ratio},
    {"[h]", "h", "Planck constant", scale("6.62607015e-34"), {{U::joule, 1}, {U::second, 1}}, kMetric, K::Ratio},
    {"[k]", "k", "Boltzmann constant", scale("1.380649e-23"), {{U::joule, 1}, {U::kelvin, -1}}, kMetric, K::Ratio},
    {"[eps_0]", "ε0", "permittivity of vacuum", scale("8.854187817e-12"), {{U::ampere, 1}, {U::second, 1}, {U::volt, -1}, {U::meter, -1}}, kMetric, K::Ratio},
    {"[mu_0]", "μ0", "permeability of vacuum", scale("4e-7*pi"), {{U::newton, 1}, {U::ampere, -2}}, kMetric, K::Ratio},
    {"[e]", "e", "elementary charge", scale("1.602176634e-19"), {{U::ampere, 1}, {U::second, 1}}, kMetric, K::Ratio},
    {"[m_e]", "me", "electron mass", scale("9.1093837139e-31"), {{U::kilogram, 1}}, kMetric, K::Ratio},
    {"[m_p]", "mp", "proton mass", scale("1.67262192595e-27"), {{U::kilogram, 1}}, kMetric, K::Ratio},
    {"[G]", "G", "Newtonian constant of gravitation", scale("6.67430e-11"), {{U::meter, 3}, {U::kilogram, -1}, {U::second, -2}}, kMetric, K::Ratio},
    {"[g]", "gn", "standard acceleration of free fall", scale("9.80665"), {{U::meter, 1}, {U::second, -2}}, kMetric, K::Ratio},
    {"atm", "atm", "standard atmosphere", scale("1"), {{U::standard_atmosphere, 1}}, kCustomary, K::Ratio},
    {"[ly]", "l.y.", "light-year", scale("1"), {{U::light_year, 1}}, kMetric, K::Ratio},
    {"gf", "gf", "gram-force", scale("9.80665e-3"), {{U::newton, 1}}, kMetric, K::Ratio},
    {"[lbf_av]", "lbf", "pound force", scale("1"), {{U::pound_force, 1}}, kCustomary, K::Ratio},
    // CGS units.
    {"Ky", "K", "Kayser", scale("100"), {{U::meter, -1}}, kMetric, K::Ratio},
    {"Gal", "Gal", "Gal", scale("1e-2"), {{U::meter, 1}, {U::second, -2}}, kMetric, K::Ratio},
    {"dyn", "dyn", "dyne", scale("1e-5"), {{U::newton, 1}}, kMetric, K::Ratio},
    {"erg", "erg", "erg", scale("1e-7"), {{U::joule, 1}}, kMetric, K::Ratio},
    {"P", "P", "Poise", scale("0.1"), {{U::pascals, 1}, {U::second, 1}}, kMetric, K::Ratio},
    {"Bi", "Bi", "Biot", scale("10"), {{U::ampere, 1}}, kMetric, K::Ratio},
    {"St", "St", "Stokes", scale("1e-4"), {{U::meter, 2}, {U::second, -1}}, kMetric, K::Ratio},
    {"Mx", "Mx", "Maxwell", scale("1e-8"), {{U::volt, 1}, {U::second, 1}}, kMetric, K::Ratio},
    {"G", "Gs", "Gauss", scale("1e-4"), {{U::volt, 1}, {U::second, 1}, {U::meter, -2}}, kMetric, K::Ratio},
    {"Oe", "Oe", "Oersted", scale("250/pi"), {{U::ampere, 1}, {U::meter, -1}}, kMetric, K::Ratio},
    {"Gb", "Gb", "Gilbert", scale("2.5/pi"), {{U::ampere, 1}}, kMetric, K::Ratio},
    {"sb", "sb", "stilb", scale("1e4"), {{U::candela, 1}, {U::meter, -2}}, kMetric, K::Ratio},
    {"Lmb", "L", "Lambert", scale("1e4/pi"), {{U::candela, 1}, {U::meter, -2}}, kMetric, K::Ratio},
    {"ph", "ph", "phot", scale("1e-4"), {{U::lux, 1}}, kMetric, K::Ratio},
    {"Ci", "Ci", "Curie", scale("3.7e10"), {{U::second, -1}}, kMetric, K::Ratio},
    {"R", "R", "Roentgen", scale("2.58e-4"), {{U::ampere, 1}, {U::second, 1}, {U::kilogram, -1}}, kMetric, K::Ratio},
    {"RAD", "RAD", "radiation absorbed dose", scale("1e-2"), {{U::joule, 1}, {U::kilogram, -1}}, kMetric, K::Ratio},
    {"REM", "REM", "radiation equivalent man", scale("1e-2"), {{U::joule, 1}, {U::kilogram, -1}}, kMetric, K::Ratio},
    // International customary units.
    {"[in_i]", "in", "inch", scale("1"), {{U::inches, 1}}, kCustomary, K::Ratio},
    {"[ft_i]", "ft", "foot", scale("1"), {{U::foot, 1}}, kCustomary, K::Ratio},
    {"[yd_i]", "yd", "yard", scale("1"), {{U::yards, 1}}, kCustomary, K::Ratio},
    {"[mi_i]", "mi", "mile", scale("1"), {{U::mile, 1}}, kCustomary, K::Ratio},
    {"[fth_i]", "fth", "fathom", scale("1"), {{U::fathoms, 1}}, kCustomary, K::Ratio},
    {"[nmi_i]", "n.mi", "nautical mile", scale("1"), {{U::mile_nautical_int, 1}}, kCustomary, K::Ratio},
    {"[kn_i]", "knot", "knot", scale("1"), {{U::mile_nautical_int, 1}, {U::hour, -1}}, kCustomary, K::Ratio},
    {"[sin_i]", "in²", "square inch", scale("1"), {{U::square_inch, 1}}, kCustomary, K::Ratio},
    {"[sft_i]", "ft²", "square foot", scale("1"), {{U::square_foot, 1}}, kCustomary, K::Ratio},
    {"[syd_i]", "yd²", "square yard", scale("1"), {{U::square_yard, 1}}, kCustomary, K::Ratio},
    {"[cin_i]", "in³", "cubic inch", scale("1"), {{U::cubic_inch, 1}}, kCustomary, K::Ratio},
    {"[cft_i]", "ft³", "cubic foot", scale("1"), {{U::cubic_foot, 1}}, kCustomary, K::Ratio},
    {"[cyd_i]", "yd³", "cubic yard", scale("1"), {{U::cubic_yard, 1}}, kCustomary, K::Ratio},
    {"[bf_i]", "bf", "board foot", scale("1"), {{U::board_foot, 1}}, kCustomary, K::Ratio},
    {"[cr_i]", "cr", "cord", scale("1"), {{U::cord, 1}}, kCustomary, K::Ratio},
    {"[mil_i]", "mil", "mil", scale("1"), {{U::mil, 1}}, kCustomary, K::Ratio},
    {"[cml_i]", "circ.mil", "circular mil", scale("pi/4"), {{U::square_mil_, 1}}, kCustomary, K::Ratio},
    {"[hd_i]", "hd", "hand", scale("1"), {{U::hand, 1}}, kCustomary, K::Ratio},
    // The US survey lengths: the survey foot is 1200/3937 m.
    {"[ft_us]", "ftus", "foot", scale("1"), {{U::survey_foot, 1}}, kCustomary, K::Ratio},
    {"[yd_us]", "ydus", "yard", scale("1"), {{U::survey_yard, 1}}, kCustomary, K::Ratio},
    {"[in_us]", "inus", "inch", scale("1"), {{U::survey_inch, 1}}, kCustomary, K::Ratio},
    {"[rd_us]", "rdus", "rod", scale("1"), {{U::survey_rod, 1}}, kCustomary, K::Ratio},
    {"[ch_us]", "chus", "Gunter's chain", scale("66"), {{U::survey_foot, 1}}, kCustomary, K::Ratio},
    {"[lk_us]", "lkus", "link for Gunter's chain", scale("0.66"), {{U::survey_foot, 1}}, kCustomary, K::Ratio},
    {"[rch_us]", "rchus", "Ramden's chain", scale("100"), {{U::survey_foot, 1}}, kCustomary, K::Ratio},
    {"[rlk_us]", "rlkus", "link for Ramden's chain", scale("1"), {{U::survey_foot, 1}}, kCustomary, K::Ratio},
    {"[fth_us]", "fthus", "fathom", scale("6"), {{U::survey_foot, 1}}, kCustomary, K::Ratio},
    {"[fur_us]", "furus", "furlong", scale("660"), {{U::survey_foot, 1}}, kCustomary, K::Ratio},
    {"[mi_us]", "mius", "mile", scale("1"), {{U::mile_statute, 1}}, kCustomary, K::Ratio},
    {"[acr_us]", "acrus", "acre", scale("1"), {{U::survey_acre, 1}}, kCustomary, K::Ratio},
    {"[srd_us]", "srdus", "square rod", scale("272.25"), {{U::square_survey_foot, 1}}, kCustomary, K::Ratio},
    {"[smi_us]", "smius", "square mile", scale("1"), {{U::square_mile_statute, 1}}, kCustomary, K::Ratio},
    {"[sct]", "sct", "section", scale("1"), {{U::square_mile_statute, 1}}, kCustomary, K::Ratio},
    {"[twp]", "twp", "township", scale("1"), {{U::township, 1}}, kCustomary, K::Ratio},
    {"[mil_us]", "milus", "mil", scale("1e-3"), {{U::survey_inch, 1}}, kCustomary, K::Ratio},
    // The British Imperial lengths, on the inch of 2.539998 cm.
    {"[in_br]", "inbr", "inch", scale("2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[ft_br]", "ftbr", "foot", scale("12*2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[rd_br]", "rdbr", "rod", scale("198*2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[ch_br]", "chbr", "Gunter's chain", scale("792*2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[lk_br]", "lkbr", "link for Gunter's chain", scale("7.92*2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[fth_br]", "fthbr", "fathom", scale("72*2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[pc_br]", "pcbr", "pace", scale("30*2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[yd_br]", "ydbr", "yard", scale("36*2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[mi_br]", "mibr", "mile", scale("63360*2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[nmi_br]", "nmibr", "nautical mile", scale("72960*2.539998e-2"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[kn_br]", "knbr", "knot", scale("72960*2.539998e-2"), {{U::meter, 1}, {U::hour, -1}}, kCustomary, K::Ratio},
    {"[acr_br]", "acr", "acre", scale("6272640*2.539998e-2*2.539998e-2"), {{U::meter, 2}}, kCustomary, K::Ratio},
    // US volumes.
    {"[gal_us]", "gal", "Queen Anne's wine gallon", scale("1"), {{U::liquid_gallon, 1}}, kCustomary, K::Ratio},
    {"[bbl_us]", "bbl", "barrel", scale("42"), {{U::liquid_gallon, 1}}, kCustomary, K::Ratio},
    {"[qt_us]", "qt", "quart", scale("1"), {{U::fluid_quart, 1}}, kCustomary, K::Ratio},
    {"[pt_us]", "pt", "pint", scale("1"), {{U::fluid_pint, 1}}, kCustomary, K::Ratio},
    {"[gil_us]", "gil", "gill", scale("1"), {{U::gill, 1}}, kCustomary, K::Ratio},
    {"[foz_us]", "oz fl", "fluid ounce", scale("1"), {{U::fluid_ounce, 1}}, kCustomary, K::Ratio},
    {"[fdr_us]", "dr fl", "fluid dram", scale("1"), {{U::dram, 1}}, kCustomary, K::Ratio},
    {"[min_us]", "min", "minim", scale("1"), {{U::minim, 1}}, kCustomary, K::Ratio},
    {"[crd_us]", "crd", "cord", scale("1"), {{U::cord, 1}}, kCustomary, K::Ratio},
    {"[bu_us]", "bu", "bushel", scale("1"), {{U::bushel, 1}}, kCustomary, K::Ratio},
    {"[gal_wi]", "gal wi", "historical winchester gallon", scale("1"), {{U::dry_gallon, 1}}, kCustomary, K::Ratio},
    {"[pk_us]", "pk", "peck", scale("1"), {{U::peck, 1}}, kCustomary, K::Ratio},
    {"[dqt_us]", "dry qt", "dry quart", scale("1"), {{U::dry_quart, 1}}, kCustomary, K::Ratio},
    {"[dpt_us]", "dry pt", "dry pint", scale("1"), {{U::dry_pint, 1}}, kCustomary, K::Ratio},
    {"[tbs_us]", "tbs", "tablespoon", scale("1/2"), {{U::fluid_ounce, 1}}, kCustomary, K::Ratio},
    {"[tsp_us]", "tsp", "teaspoon", scale("1/6"), {{U::fluid_ounce, 1}}, kCustomary, K::Ratio},
    {"[cup_us]", "cup", "cup", scale("8"), {{U::fluid_ounce, 1}}, kCustomary, K::Ratio},
    {"[foz_m]", "oz fl", "metric fluid ounce", scale("30e-3"), {{U::liter, 1}}, kCustomary, K::Ratio},
    {"[cup_m]", "cup", "metric cup", scale("240e-3"), {{U::liter, 1}}, kCustomary, K::Ratio},
    {"[tsp_m]", "tsp", "metric teaspoon", scale("5e-3"), {{U::liter, 1}}, kCustomary, K::Ratio},
    {"[tbs_m]", "tbs", "metric tablespoon", scale("15e-3"), {{U::liter, 1}}, kCustomary, K::Ratio},
    // British Imperial volumes, on the gallon of 4.54609 l.
    {"[gal_br]", "gal", "gallon", scale("1"), {{U::imp_gallon, 1}}, kCustomary, K::Ratio},
    {"[pk_br]", "pk", "peck", scale("2"), {{U::imp_gallon, 1}}, kCustomary, K::Ratio},
    {"[bu_br]", "bu", "bushel", scale("8"), {{U::imp_gallon, 1}}, kCustomary, K::Ratio},
    {"[qt_br]", "qt", "quart", scale("1/4"), {{U::imp_gallon, 1}}, kCustomary, K::Ratio},
    {"[pt_br]", "pt", "pint", scale("1/8"), {{U::imp_gallon, 1}}, kCustomary, K::Ratio},
    {"[gil_br]", "gil", "gill", scale("1/32"), {{U::imp_gallon, 1}}, kCustomary, K::Ratio},
    {"[foz_br]", "oz fl", "fluid ounce", scale("1/160"), {{U::imp_gallon, 1}}, kCustomary, K::Ratio},
    {"[fdr_br]", "dr fl", "fluid dram", scale("1/1280"), {{U::imp_gallon, 1}}, kCustomary, K::Ratio},
    {"[min_br]", "min", "minim", scale("1/76800"), {{U::imp_gallon, 1}}, kCustomary, K::Ratio},
    // Avoirdupois, troy and apothecaries' weights, on the grain of 64.79891 mg.
    {"[gr]", "gr", "grain", scale("1"), {{U::grain, 1}}, kCustomary, K::Ratio},
    {"[lb_av]", "lb", "pound", scale("1"), {{U::pound, 1}}, kCustomary, K::Ratio},
    {"[oz_av]", "oz", "ounce", scale("1"), {{U::ounce, 1}}, kCustomary, K::Ratio},
    {"[dr_av]", "dr", "dram", scale("1/256"), {{U::pound, 1}}, kCustomary, K::Ratio},
    {"[scwt_av]", "scwt", "short hundredweight", scale("1"), {{U::hundredweight, 1}}, kCustomary, K::Ratio},
    {"[lcwt_av]", "lcwt", "long hundredweight", scale("112"), {{U::pound, 1}}, kCustomary, K::Ratio},
    {"[ston_av]", "ston", "short ton", scale("1"), {{U::ton, 1}}, kCustomary, K::Ratio},
    {"[lton_av]", "lton", "long ton", scale("1"), {{U::long_ton, 1}}, kCustomary, K::Ratio},
    {"[stone_av]", "stone", "stone", scale("1"), {{U::stone, 1}}, kCustomary, K::Ratio},
    {"[pwt_tr]", "pwt", "pennyweight", scale("1"), {{U::pennyweight, 1}}, kCustomary, K::Ratio},
    {"[oz_tr]", "oz t", "ounce", scale("1"), {{U::ounce_troy, 1}}, kCustomary, K::Ratio},
    {"[lb_tr]", "lb t", "pound", scale("12"), {{U::ounce_troy, 1}}, kCustomary, K::Ratio},
    {"[sc_ap]", "scr", "scruple", scale("20"), {{U::grain, 1}}, kCustomary, K::Ratio},
    {"[dr_ap]", "dr ap", "dram", scale("60"), {{U::grain, 1}}, kCustomary, K::Ratio},
    {"[oz_ap]", "oz ap", "ounce", scale("1"), {{U::ounce_troy, 1}}, kCustomary, K::Ratio},
    {"[lb_ap]", "lb ap", "pound", scale("12"), {{U::ounce_troy, 1}}, kCustomary, K::Ratio},
    {"[oz_m]", "oz m", "metric ounce", scale("28"), {{U::gram, 1}}, kCustomary, K::Ratio},
    // Typesetter's lengths.
    {"[lne]", "line", "line", scale("1/12"), {{U::inches, 1}}, kCustomary, K::Ratio},
    {"[pnt]", "pnt", "point", scale("1/72"), {{U::inches, 1}}, kCustomary, K::Ratio},
    {"[pca]", "pca", "pica", scale("1/6"), {{U::inches, 1}}, kCustomary, K::Ratio},
    {"[pnt_pr]", "pntpr", "Printer's point", scale("0.013837"), {{U::inches, 1}}, kCustomary, K::Ratio},
    {"[pca_pr]", "pcapr", "Printer's pica", scale("12*0.013837"), {{U::inches, 1}}, kCustomary, K::Ratio},
    {"[pied]", "pied", "pied", scale("0.3248"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[pouce]", "pouce", "pouce", scale("0.3248/12"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[ligne]", "ligne", "ligne", scale("0.3248/144"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[didot]", "didot", "didot", scale("0.3248/864"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[cicero]", "cicero", "cicero", scale("0.3248/72"), {{U::meter, 1}}, kCustomary, K::Ratio},
    // Heat.
    {"[degF]", "°F", "degree Fahrenheit", scale("1"), {{U::fahrenheit, 1}}, kCustomary, K::Reading},
    {"[degR]", "°R", "degree Rankine", scale("1"), {{U::rankine, 1}}, kCustomary, K::Ratio},
    {"[degRe]", "°Ré", "degree Réaumur", scale("1"), {}, kCustomary, K::Special},
    {"cal", "cal", "calorie", scale("4.184"), {{U::joule, 1}}, kMetric, K::Ratio},
    {"cal_[15]", "cal15°C", "calorie at 15 °C", scale("4.18580"), {{U::joule, 1}}, kMetric, K::Ratio},
    {"cal_[20]", "cal20°C", "calorie at 20 °C", scale("4.18190"), {{U::joule, 1}}, kMetric, K::Ratio},
    {"cal_m", "calm", "mean calorie", scale("4.19002"), {{U::joule, 1}}, kMetric, K::Ratio},
    {"cal_IT", "calIT", "international table calorie", scale("1"), {{U::intl_calorie, 1}}, kMetric, K::Ratio},
    {"cal_th", "calth", "thermochemical calorie", scale("4.184"), {{U::joule, 1}}, kMetric, K::Ratio},
    {"[Cal]", "Cal", "nutrition label Calories", scale("4184"), {{U::joule, 1}}, kCustomary, K::Ratio},
    {"[Btu_39]", "Btu39°F", "British thermal unit at 39 °F", scale("1059.67"), {{U::joule, 1}}, kCustomary, K::Ratio},
    {"[Btu_59]", "Btu59°F", "British thermal unit at 59 °F", scale("1054.80"), {{U::joule, 1}}, kCustomary, K::Ratio},
    {"[Btu_60]", "Btu60°F", "British thermal unit at 60 °F", scale("1054.68"), {{U::joule, 1}}, kCustomary, K::Ratio},
    {"[Btu_m]", "Btum", "mean British thermal unit", scale("1055.87"), {{U::joule, 1}}, kCustomary, K::Ratio},
    {"[Btu_IT]", "BtuIT", "international table British thermal unit", scale("1"), {{U::intl_british_thermal_unit, 1}}, kCustomary, K::Ratio},
    {"[Btu_th]", "Btuth", "thermochemical British thermal unit", scale("1054.350"), {{U::joule, 1}}, kCustomary, K::Ratio},
    {"[Btu]", "btu", "British thermal unit", scale("1054.350"), {{U::joule, 1}}, kCustomary, K::Ratio},
    {"[HP]", "HP", "horsepower", scale("1"), {{U::horse_power, 1}}, kCustomary, K::Ratio},
    {"tex", "tex", "tex", scale("1e-6"), {{U::kilogram_per_meter, 1}}, kMetric, K::Ratio},
    {"[den]", "den", "Denier", scale("1e-6/9"), {{U::kilogram_per_meter, 1}}, kCustomary, K::Ratio},
    // Clinical units.
    {"m[H2O]", "m H2O", "meter of water column", scale("9806.65"), {{U::pascals, 1}}, kMetric, K::Ratio},
    {"m[Hg]", "m Hg", "meter of mercury column", scale("133322"), {{U::pascals, 1}}, kMetric, K::Ratio},
    {"[in_i'H2O]", "in H2O", "inch of water column", scale("9806.65*0.0254"), {{U::pascals, 1}}, kCustomary, K::Ratio},
    {"[in_i'Hg]", "in Hg", "inch of mercury column", scale("133322*0.0254"), {{U::pascals, 1}}, kCustomary, K::Ratio},
    {"[PRU]", "P.R.U.", "peripheral vascular resistance unit", scale("133.322e6"), {{U::pascals, 1}, {U::second, 1}, {U::meter, -3}}, kCustomary, K::Ratio},
    {"[wood'U]", "Wood U.", "Wood unit", scale("133.322*60e3"), {{U::pascals, 1}, {U::second, 1}, {U::meter, -3}}, kCustomary, K::Ratio},
    {"[diop]", "dpt", "diopter", scale("1"), {{U::meter, -1}}, kCustomary, K::Ratio},
    {"[p'diop]", "PD", "prism diopter", scale("1"), {}, kCustomary, K::Special},
    {"%[slope]", "%", "percent of slope", scale("1"), {}, kCustomary, K::Special},
    {"[mesh_i]", "mesh", "mesh", scale("1"), {{U::inches, -1}}, kCustomary, K::Ratio},
    {"[Ch]", "Ch", "Charrière", scale("1e-3/3"), {{U::meter, 1}}, kCustomary, K::Ratio},
    {"[drp]", "drp", "drop", scale("1e-3/20"), {{U::liter, 1}}, kCustomary, K::Ratio},
    {"[hnsf'U]", "HF", "Hounsfield unit", scale("1"), {}, kCustomary, K::Ratio},
    {"[MET]", "MET", "metabolic equivalent", scale("3.5e-3"), {{U::liter, 1}, {U::minute, -1}, {U::kilogram, -1}}, kCustomary, K::Ratio},
    {"[hp'_X]", "X", "homeopathic potency of decimal series (retired)", scale("1"), {}, kCustomary, K::Special},
    {"[hp'_C]", "C", "homeopathic potency of centesimal series (retired)", scale("1"), {}, kCustomary, K::Special},
    {"[hp'_M]", "M", "homeopathic potency of millesimal series (retired)", scale("1"), {}, kCustomary, K::Special},
    {"[hp'_Q]", "Q", "homeopathic potency of quintamillesimal series (retired)", scale("1"), {}, kCustomary, K::Special},
    {"[hp_X]", "X", "homeopathic potency of decimal hahnemannian series", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[hp_C]", "C", "homeopathic potency of centesimal hahnemannian series", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[hp_M]", "M", "homeopathic potency of millesimal hahnemannian series", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[hp_Q]", "Q", "homeopathic potency of quintamillesimal hahnemannian series", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[kp_X]", "X", "homeopathic potency of decimal korsakovian series", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[kp_C]", "C", "homeopathic potency of centesimal korsakovian series", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[kp_M]", "M", "homeopathic potency of millesimal korsakovian series", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[kp_Q]", "Q", "homeopathic potency of quintamillesimal korsakovian series", scale("1"), {}, kCustomary, K::Arbitrary},
    // Chemical and biochemical units.
    {"eq", "eq", "equivalents", scale("1"), {{U::mole, 1}}, kMetric, K::Ratio},
    {"osm", "osm", "osmole", scale("1"), {{U::mole, 1}}, kMetric, K::Ratio},
    {"[pH]", "pH", "pH", scale("1"), {}, kCustomary, K::Special},
    {"g%", "g%", "gram percent", scale("10"), {{U::gram, 1}, {U::liter, -1}}, kMetric, K::Ratio},
    {"[S]", "S", "Svedberg unit", scale("1e-13"), {{U::second, 1}}, kCustomary, K::Ratio},
    {"[HPF]", "HPF", "high power field", scale("1"), {}, kCustomary, K::Ratio},
    {"[LPF]", "LPF", "low power field", scale("100"), {}, kCustomary, K::Ratio},
    {"kat", "kat", "katal", scale("1"), {{U::mole, 1}, {U::second, -1}}, kMetric, K::Ratio},
    {"U", "U", "Unit", scale("1e-6"), {{U::mole, 1}, {U::minute, -1}}, kMetric, K::Ratio},
    {"[iU]", "IU", "international unit", scale("1"), {}, kMetric, K::Arbitrary},
    {"[IU]", "i.U.", "international unit", scale("1"), {}, kMetric, K::Arbitrary},
    {"[arb'U]", "arb. U", "arbitrary unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[USP'U]", "U.S.P.", "United States Pharmacopeia unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[GPL'U]", "GPL", "GPL unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[MPL'U]", "MPL", "MPL unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[APL'U]", "APL", "APL unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[beth'U]", "B.U.", "Bethesda unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[anti'Xa'U]", "anti factor Xa unit", "anti factor Xa unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[todd'U]", "Todd U.", "Todd unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[dye'U]", "Dye U.", "Dye unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[smgy'U]", "Smgy U.", "Somogyi unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[bdsk'U]", "Bodansky U.", "Bodansky unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[ka'U]", "King-Armstrong U.", "King-Armstrong unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[knk'U]", "Kunkel U.", "Kunkel unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[mclg'U]", "Mac Lagan U.", "Mac Lagan unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[tb'U]", "TU", "tuberculin unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[CCID_50]", "CCID50", "50% cell culture infectious dose", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[TCID_50]", "TCID50", "50% tissue culture infectious dose", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[EID_50]", "EID50", "50% embryo infectious dose", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[PFU]", "PFU", "plaque forming units", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[FFU]", "FFU", "focus forming units", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[CFU]", "CFU", "colony forming units", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[IR]", "IR", "index of reactivity", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[BAU]", "BAU", "bioequivalent allergen unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[AU]", "AU", "allergen unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[Amb'a'1'U]", "Amb a 1 U", "allergen unit for Ambrosia artemisiifolia", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[PNU]", "PNU", "protein nitrogen unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[Lf]", "Lf", "Limit of flocculation", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[D'ag'U]", "D-antigen unit", "D-antigen unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[FEU]", "FEU", "fibrinogen equivalent unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[ELU]", "ELU", "ELISA unit", scale("1"), {}, kCustomary, K::Arbitrary},
    {"[EU]", "EU", "Ehrlich unit", scale("1"), {}, kCustomary, K::Arbitrary},
    // Levels.
    {"Np", "Np", "neper", scale("1"), {}, kMetric, K::Logarithmic},
    {"B", "B", "bel", scale("1"), {}, kMetric, K::Logarithmic},
    {"B[SPL]", "B(SPL)", "bel sound pressure", scale("1"), {}, kMetric, K::Logarithmic},
    {"B[V]", "B(V)", "bel volt", scale("1"), {}, kMetric, K::Logarithmic},
    {"B[mV]", "B(mV)", "bel millivolt", scale("1"), {}, kMetric, K::Logarithmic},
    {"B[uV]", "B(μV)", "bel microvolt", scale("1"), {}, kMetric, K::Logarithmic},
    {"B[10.nV]", "B(10 nV)", "bel 10 nanovolt", scale("1"), {}, kMetric, K::Logarithmic},
    {"B[W]", "B(W)", "bel watt", scale("1"), {}, kMetric, K::Logarithmic},
    {"B[kW]", "B(kW)", "bel kilowatt", scale("1"), {}, kMetric, K::Logarithmic},
    // Miscellaneous units.
    {"st", "st", "stere", scale("1"), {{U::cubic_meter, 1}}, kMetric, K::Ratio},
    {"Ao", "Å", "Ångström", scale("1"), {{U::angstrom, 1}}, kCustomary, K::Ratio},
    {"b", "b", "barn", scale("1"), {{U::barn, 1}}, kCustomary, K::Ratio},
    {"att", "at", "technical atmosphere", scale("1"), {{U::technical_atmosphere, 1}}, kCustomary, K::Ratio},
    {"mho", "mho", "mho", scale("1"), {{U::ampere, 1}, {U::volt, -1}}, kMetric, K::Ratio},
    {"[psi]", "psi", "pound per square inch", scale("1"), {{U::pound_per_square_inch, 1}}, kCustomary, K::Ratio},
    {"circ", "circ", "circle", scale("360"), {{U::angle_degree, 1}}, kCustomary, K::Ratio},
    {"sph", "sph", "sphere", scale("4*pi"), {{U::steradian, 1}}, kCustomary, K::Ratio},
    {"[car_m]", "ctm", "metric carat", scale("0.2"), {{U::gram, 1}}, kCustomary, K::Ratio},
    {"[car_Au]", "ctAu", "carat of gold alloys", scale("1/24"), {}, kCustomary, K::Ratio},
    {"[smoot]", "smoot", "Smoot", scale("67"), {{U::inches, 1}}, kCustomary, K::Ratio},
    {"[m/s2/Hz^(1/2)]", "m/s2/Hz^(1/2)", "meter per square seconds per square root of hertz", scale("1"), {}, kCustomary, K::Special},
    {"[NTU]", "NTU", "Nephelometric Turbidity Unit", scale("1"), {}, kCustomary, K::Ratio},
    {"[FNU]", "FNU", "Formazin Nephelometric Unit", scale("1"), {}, kCustomary, K::Ratio},
    {"bit_s", "bits", "bit", scale("1"), {}, kCustomary, K::Special},
    {"bit", "bit", "bit", scale("1"), {}, kMetric, K::Ratio},
    {"By", "B", "byte", scale("8"), {}, kMetric, K::Ratio},
    {"Bd", "Bd", "baud", scale("1"), {{U::second, -1}}, kMetric, K::Ratio},
};
// clang-format on

/// Number of atoms.
constexpr std::size_t kAtomCount = sizeof kAtoms / sizeof kAtoms[0];

/// A prefixed atom that is a catalogue unit of its own: read as that unit ("kg" is the kilogram, not 1000 g).
struct PrefixedUnit {
    const char* prefix;
    const char* atom;
    QelUnit::BuiltinUnits unit;
};

// clang-format off
inline constexpr PrefixedUnit kPrefixedUnits[] = {
    {"k", "g", U::kilogram}, {"G", "m", U::gigameter}, {"k", "m", U::kilometer}, {"h", "m", U::hectometer},
    {"da", "m", U::dekameter}, {"d", "m", U::decimeter}, {"c", "m", U::centimeter}, {"m", "m", U::millimeter},
    {"u", "m", U::micron}, {"n", "m", U::millimicron}, {"m", "s", U::millisecond}, {"k", "L", U::kiloliter},
    {"k", "l", U::kiloliter}, {"c", "L", U::centiliter}, {"c", "l", U::centiliter}, {"da", "L", U::dekaliter},
    {"da", "l", U::dekaliter}, {"h", "ar", U::hectare}, {"k", "Pa", U::kilopascal}, {"M", "Pa", U::megapascal},
    {"h", "Pa", U::hectopascal}, {"da", "N", U::decanewton}, {"k", "N", U::kilonewton}, {"M", "N", U::meganewton},
    {"k", "A", U::kiloampere}, {"m", "A", U::milliampere}, {"k", "V", U::kilovolt}, {"m", "V", U::millivolt},
    {"k", "W", U::kilowatt}, {"k", "cal_IT", U::intl_kilocalorie}, {"k", "gf", U::kilogram_force},
};
// clang-format on

/// How the writer spells a catalogue unit: a UCUM text of factors, atoms with exponents and '.' and '/' (no
/// parentheses), raised to a power. Units whose UCUM atom has the catalogue's value are that atom; the others
/// are their definitions in atoms ("100.[ft_i]" to the power 3 for the register ton).
struct Spelling {
    QelUnit::BuiltinUnits unit;
    const char* text;
    std::int8_t power;
};

/// The spelling of the catalogue's celsius and fahrenheit inside compound units, where they are degrees.
inline constexpr const char* kCelsiusDegree = "K";
/// See kCelsiusDegree.
inline constexpr const char* kFahrenheitDegree = "[degR]";

// The astronomical unit and parsec of the catalogue (IAU 2012 and 2015), the conventional mercury and water
// columns and the dalton (CODATA 2022) part from UCUM's atoms of the same name: spelled by their definitions.
// clang-format off
inline constexpr Spelling kSpellings[] = {
    {U::dimensionless, "1", 1},
    {U::kilogram, "kg", 1}, {U::meter, "m", 1}, {U::second, "s", 1}, {U::kelvin, "K", 1}, {U::ampere, "A", 1},
    {U::mole, "mol", 1}, {U::candela, "cd", 1}, {U::radian, "rad", 1}, {U::steradian, "sr", 1},
    {U::newton, "N", 1},
    // The catalogue files the lumen as a candela (its steradian counts as 1); UCUM's lm is cd.sr.
    {U::lumen, "cd", 1},
    {U::joule, "J", 1}, {U::pascals, "Pa", 1}, {U::watt, "W", 1}, {U::volt, "V", 1}, {U::lux, "lx", 1},
    {U::angstrom, "Ao", 1}, {U::astronomical_unit, "149597870700.m", 1}, {U::gigameter, "Gm", 1},
    {U::kilometer, "km", 1}, {U::hectometer, "hm", 1}, {U::dekameter, "dam", 1}, {U::decimeter, "dm", 1},
    {U::centimeter, "cm", 1}, {U::millimeter, "mm", 1}, {U::micron, "um", 1}, {U::millimicron, "nm", 1},
    {U::light_year, "[ly]", 1}, {U::parsec, "648000.149597870700.m/[pi]", 1}, {U::foot, "[ft_i]", 1},
    {U::inches, "[in_i]", 1}, {U::caliber, "[in_i]/100", 1}, {U::yards, "[yd_i]", 1}, {U::fathoms, "[fth_i]", 1},
    {U::cable, "720.[ft_i]", 1}, {U::bolt, "120.[ft_i]", 1}, {U::chain, "66.[ft_i]", 1},
    {U::chain_engineers, "100.[ft_i]", 1}, {U::link, "66.[ft_i]/100", 1}, {U::cubit, "18.[in_i]", 1},
    {U::furlong, "660.[ft_i]", 1}, {U::hand, "[hd_i]", 1}, {U::mile_nautical_UK, "6080.[ft_i]", 1},
    {U::mile, "[mi_i]", 1}, {U::league_nautical, "18240.[ft_i]", 1}, {U::league_statute, "3.[mi_i]", 1},
    {U::mil, "[mil_i]", 1}, {U::pace, "30.[in_i]", 1}, {U::palm, "3.[in_i]", 1}, {U::rod, "198.[in_i]", 1},
    {U::rope, "20.[ft_i]", 1}, {U::skein, "360.[ft_i]", 1}, {U::span, "9.[in_i]", 1}, {U::survey_foot, "[ft_us]", 1},
    {U::square_meters, "m", 2}, {U::square_foot, "[ft_i]", 2}, {U::acre, "43560.[ft_i]2", 1}, {U::are, "ar", 1},
    {U::barn, "b", 1}, {U::centare, "m", 2}, {U::hectare, "har", 1}, {U::square_angstrom, "Ao", 2},
    {U::square_astronomical_unit, "149597870700.m", 2}, {U::square_bolt, "120.[ft_i]", 2},
    {U::square_cable, "720.[ft_i]", 2}, {U::square_caliber, "[in_i]/100", 2}, {U::square_centimeter, "cm", 2},
    {U::square_cubit, "18.[in_i]", 2}, {U::square_decimeter, "dm", 2}, {U::square_fathom, "[fth_i]", 2},
    {U::square_furlong, "660.[ft_i]", 2}, {U::square_gigameter, "Gm", 2}, {U::square_hand, "[hd_i]", 2},
    {U::square_inch, "[in_i]", 2}, {U::square_kilometer, "km", 2}, {U::square_league_nautical, "18240.[ft_i]", 2},
    {U::square_league_statute, "3.[mi_i]", 2}, {U::square_light_year, "[ly]", 2},
    {U::square_link, "66.[ft_i]/100", 2}, {U::square_micron, "um", 2}, {U::square_millimeter, "mm", 2},
    {U::square_mile_nautical_UK, "6080.[ft_i]", 2}, {U::square_mile_statute, "[mi_us]", 2},
    {U::square_millimicron, "nm", 2}, {U::square_pace, "30.[in_i]", 2}, {U::square_palm, "3.[in_i]", 2},
    {U::square_parsec, "648000.149597870700.m/[pi]", 2}, {U::square_perch, "198.[in_i]", 2},
    {U::square_rope, "20.[ft_i]", 2}, {U::square_skein, "360.[ft_i]", 2}, {U::square_span, "9.[in_i]", 2},
    {U::square_survey_foot, "[ft_us]", 2}, {U::square_yard, "[yd_i]", 2}, {U::square_chain, "66.[ft_i]", 2},
    {U::township, "[twp]", 1}, {U::cubic_meter, "m", 3}, {U::liter, "L", 1}, {U::barrel, "7056.[in_i]3", 1},
    {U::board_foot, "[bf_i]", 1}, {U::bushel, "[bu_us]", 1}, {U::centiliter, "cL", 1}, {U::cord, "[cr_i]", 1},
    {U::cubic_centimeter, "cm", 3}, {U::decistere, "dst", 1}, {U::dekaliter, "daL", 1},
    {U::dekastere, "dast", 1}, {U::dram, "[fdr_us]", 1}, {U::dry_pint, "[dpt_us]", 1},
    {U::dry_quart, "[dqt_us]", 1}, {U::firkin, "9.[gal_us]", 1}, {U::dry_gallon, "[gal_wi]", 1},
    {U::gill, "[gil_us]", 1}, {U::hogshead, "63.[gal_us]", 1}, {U::kiloliter, "kL", 1}, {U::minim, "[min_us]", 1},
    {U::fluid_ounce, "[foz_us]", 1}, {U::peck, "[pk_us]", 1}, {U::fluid_pint, "[pt_us]", 1},
    {U::fluid_quart, "[qt_us]", 1}, {U::register_ton, "100.[ft_i]3", 1}, {U::tun, "252.[gal_us]", 1},
    {U::cubic_angstrom, "Ao", 3}, {U::cubic_astronomical_unit, "149597870700.m", 3},
    {U::cubic_bolt, "120.[ft_i]", 3}, {U::cubic_cable, "720.[ft_i]", 3}, {U::cubic_caliber, "[in_i]/100", 3},
    {U::cubic_chain, "66.[ft_i]", 3}, {U::cubic_cubit, "18.[in_i]", 3}, {U::cubic_fathom, "[fth_i]", 3},
    {U::cubic_foot, "[ft_i]", 3}, {U::cubic_furlong, "660.[ft_i]", 3}, {U::cubic_gigameter, "Gm", 3},
    {U::cubic_hand, "[hd_i]", 3}, {U::cubic_hectometer, "hm", 3}, {U::cubic_inch, "[in_i]", 3},
    {U::cubic_league_nautical, "18240.[ft_i]", 3}, {U::cubic_league_statute, "3.[mi_i]", 3},
    {U::cubic_light_year, "[ly]", 3}, {U::cubic_link, "66.[ft_i]/100", 3}, {U::cubic_mil, "[mil_i]", 3},
    {U::cubic_mile_nautical_UK, "6080.[ft_i]", 3}, {U::cubic_mile_statute, "[mi_us]", 3},
    {U::cubic_millimeter, "mm", 3}, {U::cubic_millimicron, "nm", 3}, {U::cubic_pace, "30.[in_i]", 3},
    {U::cubic_palm, "3.[in_i]", 3}, {U::cubic_parsec, "648000.149597870700.m/[pi]", 3},
    {U::cubic_perch, "198.[in_i]", 3}, {U::cubic_rope, "20.[ft_i]", 3}, {U::cubic_skein, "360.[ft_i]", 3},
    {U::cubic_span, "9.[in_i]", 3}, {U::cubic_survey_foot, "[ft_us]", 3}, {U::cubic_yard, "[yd_i]", 3},
    {U::dalton, "166053906892.10*-38.kg", 1}, {U::grain, "[gr]", 1}, {U::gram, "g", 1},
    {U::hundredweight, "[scwt_av]", 1}, {U::long_ton, "[lton_av]", 1}, {U::ounce, "[oz_av]", 1},
    {U::ounce_troy, "[oz_tr]", 1}, {U::pennyweight, "[pwt_tr]", 1}, {U::pound, "[lb_av]", 1},
    {U::slug, "[lbf_av].s2/[ft_i]", 1}, {U::stone, "[stone_av]", 1}, {U::ton, "[ston_av]", 1}, {U::tonne, "t", 1},
    {U::minute, "min", 1}, {U::hour, "h", 1}, {U::day, "d", 1}, {U::week, "wk", 1}, {U::fortnight, "2.wk", 1},
    {U::sidereal_year, "365256363004.10*-9.d", 1}, {U::tropical_year, "365242198781.10*-9.d", 1},
    {U::decade, "365242198781.10*-8.d", 1}, {U::century, "365242198781.10*-7.d", 1},
    {U::millenium, "365242198781.10*-6.d", 1}, {U::cubic_decimeter, "dm", 3}, {U::square_mil_, "[mil_i]", 2},
    {U::angle_degree, "deg", 1}, {U::angle_minute, "'", 1}, {U::grad, "gon", 1}, {U::angle_second, "''", 1},
    {U::kilogram_per_cubic_meter, "kg/m3", 1}, {U::pound_per_cubic_foot, "[lb_av]/[ft_i]3", 1},
    {U::pound_per_cubic_inch, "[lb_av]/[in_i]3", 1}, {U::kiloampere, "kA", 1}, {U::milliampere, "mA", 1},
    {U::kilovolt, "kV", 1}, {U::millivolt, "mV", 1}, {U::kilowatt, "kW", 1},
    {U::intl_british_thermal_unit, "[Btu_IT]", 1}, {U::intl_calorie, "cal_IT", 1},
    {U::intl_kilocalorie, "kcal_IT", 1}, {U::kilowatt_hour, "kW.h", 1}, {U::us_therm, "105480400.J", 1},
    {U::newton_meter, "N.m", 1}, {U::decanewton_meter, "daN.m", 1}, {U::kilonewton_meter, "kN.m", 1},
    {U::meganewton_meter, "MN.m", 1}, {U::foot_kilopound, "1000.[ft_i].[lbf_av]", 1},
    {U::kilogram_force_meter, "kgf.m", 1}, {U::kilogram_force_foot, "kgf.[ft_i]", 1},
    {U::ton_force_foot, "2000.[lbf_av].[ft_i]", 1}, {U::tonne_force_meter, "Mgf.m", 1},
    {U::foot_pound_force, "[ft_i].[lbf_av]", 1}, {U::decanewton, "daN", 1}, {U::kilonewton, "kN", 1},
    {U::meganewton, "MN", 1}, {U::kilopound, "1000.[lbf_av]", 1}, {U::kilogram_force, "kgf", 1},
    {U::hertz, "Hz", 1}, {U::cycle_per_second, "{cycle}/s", 1}, {U::pascal_per_meter, "Pa/m", 1},
    {U::inches_of_water_per_100_feet, "999017.g.[g].[in_i]/m3/100/[ft_i]", 1},
    {U::footcandle, "lm/[ft_i]2", 1}, {U::footlambert, "lm/[pi]/[ft_i]2", 1},
    // Filed as illuminances, with the steradian that UCUM's cd/m2 lacks.
    {U::candela_per_square_meter, "cd.sr/m2", 1}, {U::newton_per_meter, "N/m", 1},
    {U::decanewton_per_meter, "daN/m", 1}, {U::kilonewton_per_meter, "kN/m", 1},
    {U::meganewton_per_meter, "MN/m", 1}, {U::kilopound_per_foot, "1000.[lbf_av]/[ft_i]", 1},
    {U::kilogram_force_per_meter, "kgf/m", 1}, {U::tonne_force_per_meter, "Mgf/m", 1},
    {U::pound_force_per_foot, "[lbf_av]/[ft_i]", 1}, {U::kilogram_per_meter, "kg/m", 1},
    {U::pound_per_foot, "[lb_av]/[ft_i]", 1}, {U::volt_ampere, "V.A", 1}, {U::kilovolt_ampere, "kV.A", 1},
    {U::horse_power, "[HP]", 1}, {U::kilogram_force_meter_per_second, "kgf.m/s", 1},
    {U::foot_pound_force_per_second, "[ft_i].[lbf_av]/s", 1}, {U::intl_calorie_per_second, "cal_IT/s", 1},
    {U::intl_kilocalorie_per_second, "kcal_IT/s", 1}, {U::intl_british_thermal_unit_per_second, "[Btu_IT]/s", 1},
    {U::intl_british_thermal_unit_per_hour, "[Btu_IT]/h", 1}, {U::watt_per_square_meter, "W/m2", 1},
    {U::watt_per_square_foot, "W/[ft_i]2", 1}, {U::inch_of_water, "999017.g.[g].[in_i]/m3", 1},
    {U::kilopascal, "kPa", 1}, {U::megapascal, "MPa", 1}, {U::pound_per_square_inch, "[psi]", 1},
    {U::pound_per_square_foot, "[lbf_av]/[ft_i]2", 1},
    {U::millimeter_of_mercury, "135951.g.[g].mm/cm3/10000", 1},
    {U::inch_of_mercury, "135951.g.[g].[in_i]/cm3/10000", 1}, {U::standard_atmosphere, "atm", 1},
    {U::newton_per_square_millimeter, "N/mm2", 1}, {U::newton_per_square_meter, "N/m2", 1},
    {U::decanewton_per_square_millimeter, "daN/mm2", 1}, {U::decanewton_per_square_meter, "daN/m2", 1},
    {U::kilonewton_per_square_meter, "kN/m2", 1}, {U::meganewton_per_square_meter, "MN/m2", 1},
    {U::kilopound_per_square_inch, "1000.[psi]", 1}, {U::kilopound_per_square_foot, "1000.[lbf_av]/[ft_i]2", 1},
    {U::kilogram_force_per_square_millimeter, "kgf/mm2", 1},
    {U::kilogram_force_per_square_centimeter, "kgf/cm2", 1}, {U::kilogram_force_per_square_meter, "kgf/m2", 1},
    {U::tonne_force_per_square_centimeter, "Mgf/cm2", 1}, {U::tonne_force_per_square_meter, "Mgf/m2", 1},
    {U::ton_force_per_square_foot, "2000.[lbf_av]/[ft_i]2", 1}, {U::bar, "bar", 1},
    {U::fahrenheit, "[degF]", 1}, {U::celsius, "Cel", 1}, {U::rankine, "[degR]", 1},
    {U::meter_per_second, "m/s", 1}, {U::foot_per_minute, "[ft_i]/min", 1},
    {U::centimeter_per_minute, "cm/min", 1}, {U::cubic_meter_per_second, "m3/s", 1},
    {U::cubic_meter_per_hour, "m3/h", 1}, {U::cubic_foot_per_minute, "[ft_i]3/min", 1},
    {U::liter_per_second, "L/s", 1}, {U::us_gallon_per_minute, "[gal_us]/min", 1},
    {U::us_gallon_per_hour, "[gal_us]/h", 1}, {U::millisecond, "ms", 1}, {U::pound_force, "[lbf_av]", 1},
    {U::intl_million_british_thermal_unit_per_hour, "1000000.[Btu_IT]/h", 1},
    {U::intl_thousand_british_thermal_unit_per_hour, "1000.[Btu_IT]/h", 1},
    {U::candela_per_square_foot, "cd.sr/[ft_i]2", 1}, {U::revolutions_per_minute, "{rev}/min", 1},
    {U::inches_of_mercury_per_100_feet, "135951.g.[g].[in_i]/cm3/10000/100/[ft_i]", 1},
    {U::millimeters_of_mercury_per_100_feet, "135951.g.[g].mm/cm3/10000/100/[ft_i]", 1},
    {U::kilowatt_per_square_meter, "kW/m2", 1}, {U::kilowatt_per_square_foot, "kW/[ft_i]2", 1},
    {U::meter_per_minute, "m/min", 1}, {U::foot_per_second, "[ft_i]/s", 1},
    {U::cubic_foot_per_second, "[ft_i]3/s", 1}, {U::liter_per_minute, "L/min", 1},
    {U::us_gallon_per_second, "[gal_us]/s", 1}, {U::survey_foot_per_second, "[ft_us]/s", 1},
    {U::cubic_survey_foot_per_second, "[ft_us]3/s", 1}, {U::imp_gallon, "[gal_br]", 1},
    {U::foot_per_second_squared, "[ft_i]/s2", 1}, {U::meter_per_second_squared, "m/s2", 1},
    {U::survey_foot_per_second_squared, "[ft_us]/s2", 1}, {U::angular_mil_nato, "circ/6400", 1},
    {U::angular_mil_sweden, "circ/6300", 1}, {U::angular_mil_ussr, "circ/6000", 1},
    {U::acre_foot_per_day, "43560.[ft_i]3/d", 1}, {U::acre_foot_per_hour, "43560.[ft_i]3/h", 1},
    {U::acre_foot_per_minute, "43560.[ft_i]3/min", 1}, {U::acre_inch_per_hour, "3630.[ft_i]3/h", 1},
    {U::acre_inch_per_minute, "3630.[ft_i]3/min", 1}, {U::cubic_foot_per_day, "[ft_i]3/d", 1},
    {U::cubic_foot_per_hour, "[ft_i]3/h", 1}, {U::cubic_inch_per_minute, "[in_i]3/min", 1},
    {U::cubic_meter_per_day, "m3/d", 1}, {U::cubic_meter_per_minute, "m3/min", 1},
    {U::cubic_yard_per_minute, "[yd_i]3/min", 1}, {U::imp_gallon_per_day, "[gal_br]/d", 1},
    {U::imp_gallon_per_hour, "[gal_br]/h", 1}, {U::imp_gallon_per_minute, "[gal_br]/min", 1},
    {U::imp_gallon_per_second, "[gal_br]/s", 1}, {U::imp_million_gallon_per_day, "1000000.[gal_br]/d", 1},
    {U::liter_per_day, "L/d", 1}, {U::liter_per_hour, "L/h", 1}, {U::million_liter_per_day, "ML/d", 1},
    {U::us_gallon_per_day, "[gal_us]/d", 1}, {U::us_million_gallon_per_day, "1000000.[gal_us]/d", 1},
    {U::mile_nautical_int, "[nmi_i]", 1}, {U::foot_per_hour, "[ft_i]/h", 1}, {U::inch_per_hour, "[in_i]/h", 1},
    {U::inch_per_minute, "[in_i]/min", 1}, {U::inch_per_second, "[in_i]/s", 1},
    {U::kilometer_per_hour, "km/h", 1}, {U::kilometer_per_minute, "km/min", 1},
    {U::kilometer_per_second, "km/s", 1}, {U::knot, "[kn_i]", 1}, {U::knot_UK, "6080.[ft_i]/h", 1},
    {U::meter_per_hour, "m/h", 1}, {U::mile_per_hour, "[mi_i]/h", 1}, {U::mile_per_minute, "[mi_i]/min", 1},
    {U::mile_per_second, "[mi_i]/s", 1}, {U::liquid_gallon, "[gal_us]", 1}, {U::survey_inch, "[in_us]", 1},
    {U::survey_yard, "[yd_us]", 1}, {U::survey_rod, "[rd_us]", 1}, {U::mile_statute, "[mi_us]", 1},
    {U::square_survey_yard, "[yd_us]", 2}, {U::survey_acre, "[acr_us]", 1}, {U::square_mile, "[mi_i]", 2},
    {U::cubic_survey_yard, "[yd_us]", 3}, {U::cubic_mile, "[mi_i]", 3}, {U::survey_mile_per_hour, "[mi_us]/h", 1},
    {U::cubic_kilometer, "km", 3}, {U::gram_per_cubic_centimeter, "g/cm3", 1}, {U::hectopascal, "hPa", 1},
    {U::technical_atmosphere, "att", 1}, {U::torr, "atm/760", 1},
};
// clang-format on

constexpr bool spellingsInCodeOrder() {
    for (int i = 0; i < QelUnit::kUnitCount; ++i) {
        if (kSpellings[i].unit != i) {
            return false;
        }
    }
    return sizeof kSpellings / sizeof kSpellings[0] == QelUnit::kUnitCount;
}
static_assert(spellingsInCodeOrder(), "row i of the spellings must spell catalogue unit i");

/// The atom whose code is text exactly; kAtomCount when none is.
std::size_t findAtom(const char* text, std::size_t length) noexcept;
/// The prefix whose code is text exactly; -1 when none is.
int findPrefix(const char* text, std::size_t length) noexcept;
/// The catalogue unit that a prefix (index in kPrefixes) and an atom (index in kAtoms) are of their own ("kg");
/// dimensionless when none.
QelUnit::BuiltinUnits prefixedUnit(int prefix, std::size_t atom) noexcept;

} // namespace qelunits_detail::ucum

#endif
