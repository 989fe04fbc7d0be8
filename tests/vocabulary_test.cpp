// The vocabulary's data against what it stands for: every spelling against the
// defining value of its unit (taken from an independent reference), every unit
// that takes prefixes against its value, every refusal and note against its use.

#include "parse/Vocabulary.h"

#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitType.h>
#include <qelunits/QelUnitsUtf8.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using qelunits_detail::Meaning;
using qelunits_detail::Spelling;

constexpr double kExact = 1e-12; // defined exactly on exact catalogue units
constexpr double kClose = 1e-6;  // on a catalogue unit rounded to seven digits or so

struct Si {
    double value;
    QelUnitType dimension; // in metric base units
};

Si si(const QelUnitType& type, double scale) {
    Si result{scale, {}};
    ConversionFactor factor;
    type.GetMetricConversion(result.dimension, factor);
    result.value *= static_cast<double>(factor);
    return result;
}

Si si(const Meaning& meaning) {
    QelUnitType type;
    for (const QelUnitFactor& f : meaning.units) {
        if (f.power == 0) {
            break;
        }
        type *= QelUnitType(f.unit, f.power);
    }
    return si(type, meaning.scale);
}

// One unit in SI: "kg m2 s-2" read as a type.
Si si(const wchar_t* text) {
    const QelUnitParseResult r = QelUnitParser::parseExpression(text);
    EXPECT_TRUE(r.ok()) << qelunits::toUtf8(text);
    return si(r.type(), r.scale());
}

void expectMeans(const Meaning& meaning, double value, const wchar_t* dimension, double tolerance) {
    const Si got = si(meaning);
    const Si want = si(dimension);
    EXPECT_TRUE(got.dimension.isEqualTo(want.dimension)) << qelunits::dimension(got.dimension);
    EXPECT_NEAR(got.value / (value * want.value), 1.0, tolerance);
}

struct Family {
    double value; // of one, in the SI unit that follows
    const wchar_t* dimension;
    double tolerance;
    std::vector<const wchar_t*> spellings;
};

} // namespace

// Every spelling that is read (not refused) and is not simply another name of a catalogue unit,
// against its defining value. The values come from an independent reference (Pint's
// definitions, or the definition where Pint means another unit).
TEST(Vocabulary, EverySpellingMeansItsDefiningValue) {
    // clang-format off
    const Family families[] = {
        {0.0002365882365, L"m3", kExact, {L"US cup", L"US cups", L"US liquid cup", L"US liquid cups", L"liquid cup", L"liquid cups", L"cup"}},
        {1.478676478125e-05, L"m3", kExact, {L"US tbsp", L"US tablespoon", L"US tablespoons", L"tbsp", L"Tbsp", L"tbs", L"tablespoon", L"tblsp", L"tbsps"}},
        {4.92892159375e-06, L"m3", kExact, {L"US tsp", L"US teaspoon", L"US teaspoons", L"tsp", L"teaspoon"}},
        {8896.443230521, L"kg m s-2", kExact, {L"US ton force", L"US ton-force", L"US force ton", L"ton-force", L"tons-force", L"ton force", L"tons force", L"short ton force", L"short ton-force", L"force ton", L"force short ton", L"tonf"}},
        {425143.707430272, L"m-2", kExact, {L"US mpg", L"mpg"}},
        {0.0011365225, L"m3", kExact, {L"UK qt", L"UK quart", L"UK quarts", L"UK liquid quart", L"UK liquid quarts", L"imperial qt", L"imperial quart", L"imperial quarts", L"imperial liquid quart", L"imperial liquid quarts"}},
        {0.00056826125, L"m3", kExact, {L"UK pt", L"UK pint", L"UK pints", L"UK liquid pint", L"UK liquid pints", L"imperial pt", L"imperial pint", L"imperial pints", L"imperial liquid pint", L"imperial liquid pints"}},
        {0.000284130625, L"m3", kExact, {L"UK cup", L"UK cups", L"UK liquid cup", L"UK liquid cups", L"imperial cup", L"imperial cups", L"imperial liquid cup", L"imperial liquid cups"}},
        {0.0001420653125, L"m3", kExact, {L"UK gi", L"UK gill", L"UK gills", L"UK liquid gill", L"UK liquid gills", L"imperial gi", L"imperial gill", L"imperial gills", L"imperial liquid gill", L"imperial liquid gills"}},
        {2.84130625e-05, L"m3", kExact, {L"UK fl oz", L"UK floz", L"UK fluid ounce", L"UK fluid ounces", L"UK liquid ounce", L"UK liquid ounces", L"imperial fl oz", L"imperial floz", L"imperial fluid ounce", L"imperial fluid ounces", L"imperial liquid ounce", L"imperial liquid ounces"}},
        {3.5516328125e-06, L"m3", kExact, {L"UK fluid dram", L"UK fluid drams", L"UK fluid drachm", L"imperial fluid dram", L"imperial fluid drams", L"imperial fluid drachm"}},
        {0.03636872, L"m3", kExact, {L"UK bu", L"UK bushel", L"UK bushels", L"imperial bu", L"imperial bushel", L"imperial bushels"}},
        {0.00909218, L"m3", kExact, {L"UK pk", L"UK peck", L"UK pecks", L"imperial pk", L"imperial peck", L"imperial pecks"}},
        {0.16365924, L"m3", kExact, {L"UK bbl", L"UK barrel", L"UK barrels", L"imperial bbl", L"imperial barrel", L"imperial barrels"}},
        {354006.189934647, L"m-2", kExact, {L"UK mpg", L"imperial mpg"}},
        {50.80234544, L"kg", kExact, {L"UK cwt", L"long cwt", L"UK hundredweight", L"UK hundredweights", L"long hundredweight", L"long hundredweights"}},
        {9964.01641818352, L"kg m s-2", kExact, {L"UK ton force", L"UK ton-force", L"UK force ton", L"long ton force", L"long ton-force", L"force long ton"}},
        {0.3732417216, L"kg", kExact, {L"troy lb", L"lbt", L"troy pound", L"troy pounds", L"apothecary pound", L"apothecary pounds", L"appound"}},
        {0.0038879346, L"kg", kExact, {L"apothecary dram", L"apothecary drams", L"apdram"}},
        {0.0012959782, L"kg", kExact, {L"scruple"}},
        {0.112984829027617, L"kg m2 s-2", kClose, {L"in-lb", L"in-lbs", L"in-lbf", L"lb-in", L"inch-pound", L"inch-pounds", L"pound-inch", L"pound-inches"}},
        {0.00706155181422604, L"kg m2 s-2", kExact, {L"oz-in", L"ozf-in"}}, {0.01, L"kg m2 s-2", kExact, {L"Ncm"}},
        {0.001, L"kg m2 s-2", kExact, {L"Nmm"}},
        {1055055852.62, L"kg m2 s-2", kClose, {L"MMBtu", L"MMBTU"}}, {1.055056e+18, L"kg m2 s-2", kClose, {L"quad"}},
        {41868000000.0, L"kg m2 s-2", kExact, {L"toe"}},
        {3516.85333333333, L"kg m2 s-3", kClose, {L"ton of refrigeration", L"tons of refrigeration", L"refrigeration ton", L"refrigeration tons"}},
        {1.84013072833333e-06, L"m3 s-1", kExact, {L"bpd"}}, {100.0, L"kg m-1 s-2", kExact, {L"mBar"}},
        // Conventional water columns: 1000 kg/m³ under 9.80665 m/s² (NIST SP 811, "conventional").
        {249.08891, L"kg m-1 s-2", kExact, {L"inH2O", L"in H2O", L"inch of water", L"inches of water", L"inch of water column", L"inches of water column", L"inch water column", L"inches water column", L"inch H2O", L"inches H2O"}},
        {2989.06692, L"kg m-1 s-2", kExact, {L"ftH2O", L"ft H2O", L"foot of water", L"feet of water", L"foot H2O", L"feet H2O"}},
        {9806.65, L"kg m-1 s-2", kExact, {L"mH2O", L"mWC", L"meter of water", L"meters of water", L"metre of water", L"metres of water"}},
        {98.0665, L"kg m-1 s-2", kExact, {L"cmH2O", L"cm H2O", L"centimeter of water", L"centimeters of water", L"centimetre of water", L"centimetres of water", L"centimeter H2O", L"cm of water"}},
        {9.80665, L"kg m-1 s-2", kExact, {L"mmH2O", L"mm H2O", L"mmWC", L"millimeter of water", L"millimeters of water", L"millimetre of water", L"millimetres of water", L"millimeter H2O", L"mm of water"}},
        {0.01, L"1", kExact, {L"%", L"percent", L"per cent", L"parts per hundred"}},
        {0.001, L"1", kExact, {L"\u2030", L"permille", L"per mille", L"parts per thousand", L"part per thousand"}},
        {1e-06, L"1", kExact, {L"ppm", L"ppmv", L"parts per million", L"part per million"}},
        {1e-09, L"1", kExact, {L"ppb", L"ppbv", L"parts per billion", L"part per billion"}},
        {1e-15, L"1", kExact, {L"ppq", L"parts per quadrillion"}},
        {0.00980665, L"kg m s-2", kExact, {L"force gram", L"force grams", L"pond", L"gram force", L"grams force", L"gram-force", L"grams-force"}},
        {0.278013850953781, L"kg m s-2", kExact, {L"ozf", L"ounce-force", L"ounces-force", L"ounce force", L"ounces force", L"force ounce", L"force ounces"}},
        {9806.65, L"kg m s-2", kExact, {L"tf", L"tonne-force", L"tonnes-force", L"tonne force", L"tonnes force", L"metric ton force", L"metric ton-force", L"force metric ton"}},
        {0.138254954376, L"kg m s-2", kExact, {L"pdl", L"poundal"}},
        {453.59237, L"kg", kExact, {L"kilopound", L"kilopounds", L"klb"}},
        {735.49875, L"kg m2 s-3", kExact, {L"metric horsepower", L"metric hp"}},
        {746.043, L"kg m2 s-3", kExact, {L"water horsepower"}}, // UDUNITS-2, GNU units
        {1333.22387415, L"kg m-1 s-2", kExact, {L"cmHg", L"cm Hg", L"centimeter Hg", L"centimeters Hg"}},
        {1000.0, L"kg m2 s-3 A-2", kExact, {L"kilohm", L"kohms"}},
        {1000000.0, L"kg m2 s-3 A-2", kExact, {L"megohm", L"Mohms"}},
        {0.0001, L"1", kExact, {L"basis point", L"basis points"}}, {1e-12, L"1", kExact, {L"pptv", L"parts per trillion", L"part per trillion"}},
        {0.001, L"kg m-2", kExact, {L"gsm"}}, {1e-06, L"kg m-1", kExact, {L"tex"}},
        {1e-07, L"kg m-1", kExact, {L"dtex"}}, {1.11111111111111e-07, L"kg m-1", kExact, {L"denier"}},
        {9809.5, L"kg m2 s-3", kExact, {L"boiler horsepower", L"boiler horsepowers"}},
        {746.0, L"kg m2 s-3", kExact, {L"electric horsepower", L"electrical horsepower"}},
        {0.1, L"kg m-1 s-1", kExact, {L"poises"}},
        {105505585.262, L"kg m2 s-2", kClose, {L"EC therm", L"EC therms"}},
        {3386.388640341, L"kg m-1 s-2", kClose, {L"inch Hg 32F", L"inches Hg 32F"}},
        {3376.848535088, L"kg m-1 s-2", kClose, {L"inch Hg 60F", L"inches Hg 60F"}},
        {249.08193551052, L"kg m-1 s-2", kClose, {L"inch H2O 39F", L"inches H2O 39F"}},
        {133.322387415, L"kg m-1 s-2", kExact, {L"millimeter Hg 0C", L"millimeters Hg 0C"}}, {175.126835246476, L"kg", kExact, {L"slinch"}},
        {1.0, L"m2 s-2 K-1", kExact, {L"J/kgK"}},
        {1000.0, L"m2 s-2 K-1", kExact, {L"kJ/kgK", L"J/g\u00b0C", L"J/gK"}},
        {4184.0, L"m2 s-2 K-1", kExact, {L"cal/g\u00b0C"}},
        {4186.8, L"m2 s-2 K-1", kClose, {L"Btu/lb\u00b0F", L"BTU/lb\u00b0F"}}, {0.001, L"kg s-2", kExact, {L"mN/m"}},
        {0.001, L"kg m-1 s-2", kExact, {L"mN/m\u00b2"}}, {1.15740740740741e-11, L"m3 s-1", kExact, {L"ml/d"}},
        {1.0, L"s A", kExact, {L"C"}}, {1.0, L"kg-1 m-2 s4 A2", kExact, {L"F"}},
        {1.0, L"kg m2 s-2 A-2", kExact, {L"H"}}, {1.0, L"kg-1 m-2 s3 A2", kExact, {L"S", L"\u2127"}},
        {1.0, L"Hz", kClose, {L"rps", L"r/s", L"rev/s"}},
        {2.54e-08, L"m", kExact, {L"\u00b5in", L"uin", L"microinch"}}, {2.8316846592, L"m3", kExact, {L"ccf"}},
        {28.316846592, L"m3", kExact, {L"Mcf"}}, {28316.846592, L"m3", kExact, {L"MMcf"}},
        {1233.48183754752, L"m3", kExact, {L"acre-ft", L"ac-ft", L"acre-foot", L"acre-feet", L"acre foot", L"acre feet"}},
        {0.158987294928, L"m3", kExact, {L"oil barrel", L"oil barrels", L"bbl", L"bbls", L"barrel", L"barrels", L"oil bbl", L"US bbl", L"US bbls", L"US barrel", L"US barrels"}},
        {1e-09, L"kg", kExact, {L"mcg"}}, {0.0002, L"kg", kExact, {L"ct", L"carat"}},
        {9.80665, L"m s-2", kExact, {L"g0", L"gn", L"g-force", L"gravity", L"gravities", L"standard gravity", L"standard free fall"}},
        {4.84813681109536e-09, L"rad", kExact, {L"mas", L"milliarcsecond"}},
        {6.28318530717959, L"rad", kExact, {L"turn", L"revolution", L"cycle", L"circle", L"rev", L"revs", L"rotation"}},
        {0.000304617419786709, L"sr", kExact, {L"square degree", L"square degrees", L"sq deg", L"deg\u00b2", L"sqdeg"}},
        // West and south count negative, as UDUNITS-2 defines degree_west: -1 degree_east.
        {-0.0174532925199433, L"rad", kClose, {L"\u00b0W", L"degree west", L"degrees west", L"degree W", L"degrees W", L"degreeW", L"degreesW",
                                                L"\u00b0S", L"degree south", L"degrees south", L"degree S", L"degrees S", L"degreeS", L"degreesS"}},
        {5.06707479097498e-10, L"m2", kExact, {L"cmil", L"circular mil", L"circular mils", L"cmils"}},
        {0.117347765304, L"m3", kExact, {L"beer barrel", L"beer barrels", L"beer bbl"}},
        {1e-09, L"m3", kExact, {L"lambda"}}, {1e-18, L"m3", kExact, {L"fL"}},
        {0.0017718451953125, L"kg", kExact, {L"dr", L"dram", L"drams", L"avoirdupois dram", L"avoirdupois drams", L"avdp dram"}},
        // The Julian year of 365.25 d (IAU; Pint's year), its twelfth and multiples.
        {2629800.0, L"s", kExact, {L"month", L"mo"}},
        {31557600.0, L"s", kExact, {L"julian year", L"julian years", L"yr", L"yrs", L"a", L"year", L"years", L"annum"}},
        {315576000.0, L"s", kExact, {L"dec", L"decade", L"decades"}},
        {3155760000.0, L"s", kExact, {L"century", L"centuries"}},
        {31557600000.0, L"s", kExact, {L"millennium", L"millennia", L"millenium", L"milleniums", L"ka", L"kyr"}},
        {31557600000000.0, L"s", kExact, {L"Ma", L"Myr"}}, {3.15576e16, L"s", kExact, {L"Ga", L"Gyr"}},
        {31556952.0, L"s", kExact, {L"gregorian year", L"gregorian years"}},
        {31536000.0, L"s", kExact, {L"common year", L"common years"}},
        {31622400.0, L"s", kExact, {L"leap year", L"leap years"}},
        {86164.0905308329, L"s", kExact, {L"sidereal day", L"sidereal days"}},
        {0.00846666666666667, L"m", kExact, {L"barleycorn"}},
        {0.000352777777777778, L"m", kExact, {L"point", L"big point", L"big points"}},
        {0.0042333333333333333, L"m", kExact, {L"pica"}}, // 1/6 in: 12 points of 1/72 in
        {0.0003514598, L"m", kExact, {L"printer's point", L"printer's points", L"printers point", L"printers points"}}, // 0.013837 in
        {0.0042175176, L"m", kExact, {L"printer's pica", L"printer's picas", L"printers pica", L"printers picas"}},
        {0.0254 / 72.27, L"m", kExact, {L"tex point", L"tex points"}},
        {0.0254 * 12.0 / 72.27, L"m", kExact, {L"tex pica", L"tex picas"}}, {4.436029434375e-05, L"m3", kExact, {L"shot", L"jigger"}},
        {0.0007570823568, L"m3", kExact, {L"fifth"}}, {42.63768278, L"kg", kExact, {L"bag"}},
        {1000.0, L"m-3 mol", kExact, {L"M", L"molar"}}, {1.0, L"m-3 mol", kExact, {L"mM", L"millimolar"}},
        {0.001, L"m-3 mol", kExact, {L"\u00b5M", L"\u03bcM", L"uM", L"micromolar"}},
        {1e-06, L"m-3 mol", kExact, {L"nM", L"nanomolar"}}, {1e-09, L"m-3 mol", kExact, {L"pM", L"picomolar"}},
        {1e-12, L"m-3 mol", kExact, {L"fM", L"femtomolar"}},
        {4.184, L"kg m2 s-2", kExact, {L"cal", L"cal th", L"calorie th", L"thermochemical calorie", L"thermochemical calories"}},
        {4184.0, L"kg m2 s-2", kExact, {L"kcal", L"kcals", L"Cal", L"kcal th"}},
        {4.184, L"kg m2 s-3", kExact, {L"cal/s"}}, {4184.0, L"kg m2 s-3", kExact, {L"kcal/s"}},
        {4.1855, L"kg m2 s-2", kExact, {L"cal 15"}}, {10.0, L"s A", kExact, {L"abcoulomb", L"abC"}},
        {3.33564095198152e-10, L"s A", kExact, {L"statcoulomb", L"statC", L"stC", L"franklin", L"Fr", L"esu"}}, // 0.1 C/c
        {1e-3, L"m2 A", kExact, {L"emu"}}, // 1 erg/G
        {96485.33212331, L"s A", kExact, {L"faraday"}}, {0.1, L"kg s-2 A-1", kExact, {L"kG"}},
        {1e-07, L"kg s-2 A-1", kExact, {L"mG"}}, {1e-10, L"kg s-2 A-1", kExact, {L"\u00b5G", L"uG"}},
        {1e-09, L"kg s-2 A-1", kExact, {L"gamma"}},
        {4.359744722206e-18, L"kg m2 s-2", kExact, {L"hartree", L"Eh", L"E h"}},      // CODATA 2022
        {2.179872361103e-18, L"kg m2 s-2", kExact, {L"rydberg", L"Ry"}},               // half a hartree
        {5.29177210544e-11, L"m", kExact, {L"bohr"}},
        {1.05457181764616e-34, L"kg m2 s-1", kExact, {L"hbar"}}, {1e-15, L"m", kExact, {L"fermi"}},
        {1e-08, L"s", kExact, {L"shake"}}, {1e-13, L"s", kExact, {L"svedberg"}},
        {41840.0, L"kg s-2", kExact, {L"langley", L"Ly"}},
        {0.1, L"kg m-1 s-2", kExact, {L"barye", L"Ba", L"barad", L"barie"}}, {100.0, L"m-1", kExact, {L"kayser"}},
        {10000.0, L"m-2 cd sr", kExact, {L"phot"}}, {10000.0, L"m-2 cd sr", kExact, {L"stilb", L"sb"}},
        {3183.09886183791, L"m-2 cd sr", kExact, {L"lambert"}}, {133322.387415, L"kg m-2 s-2", kExact, {L"Hg"}},
        {9806.65, L"kg m-2 s-2", kExact, {L"H2O", L"water"}}, {1.0, L"1", kExact, {L"count"}},
        {3.14159265358979, L"1", kExact, {L"pi", L"\u03c0"}}, {8.0, L"1", kExact, {L"octet"}},
        {1.0, L"s-1", kExact, {L"baud", L"Bd", L"bps"}}, {1000.0, L"s-1", kExact, {L"kbps"}},
        {1000000.0, L"s-1", kExact, {L"Mbps", L"rutherford"}}, {1000000000.0, L"s-1", kExact, {L"Gbps"}},
        {1000000000000.0, L"s-1", kExact, {L"Tbps"}},
        {10.0, L"A", kExact, {L"abampere", L"biot", L"abA", L"Bi"}},
        {1e-08, L"kg m2 s-3 A-1", kExact, {L"abvolt", L"abV"}}, {1e-09, L"kg m2 s-3 A-2", kExact, {L"abohm"}},
        {1000000000.0, L"kg-1 m-2 s4 A2", kExact, {L"abfarad", L"abF"}},
        {1e-09, L"kg m2 s-2 A-2", kExact, {L"abhenry", L"abhenries", L"abH"}},
        {1000000000.0, L"kg-1 m-2 s3 A2", kExact, {L"abmho", L"absiemens"}},
        {299.792458, L"kg m2 s-3 A-1", kExact, {L"statvolt", L"statV", L"stV"}},
        {3.33564095198152e-10, L"A", kExact, {L"statampere", L"statA", L"stA"}},
        {898755178736.818, L"kg m2 s-3 A-2", kExact, {L"statohm"}},
        {1.11265005605362e-12, L"kg-1 m-2 s4 A2", kExact, {L"statfarad"}},
        {898755178736.818, L"kg m2 s-2 A-2", kExact, {L"stathenry", L"stathenries"}},
        {1.11265005605362e-12, L"kg-1 m-2 s3 A2", kExact, {L"statmho"}},
        {0.795774715459477, L"A", kExact, {L"gilbert"}}, {3.33564095198152e-30, L"m s A", kExact, {L"debye"}},
        {0.318309886183791, L"m-2 cd sr", kExact, {L"apostilb", L"blondel"}},
        {1.66053906717385e-24, L"mol", kExact, {L"molecule", L"molec"}},
        {1000000.0, L"m3 s-1", kExact, {L"sverdrup"}},
        {9.86923266716013e-13, L"m2", kExact, {L"darcy", L"darcies"}}, {10.0, L"kg-1 m s", kExact, {L"rhe"}},
        {6894.75729316836, L"kg m-1 s-1", kExact, {L"reyn"}}, {0.155, L"kg-1 s3 K", kExact, {L"clo"}},
        {4184000000.0, L"kg m2 s-2", kExact, {L"ton TNT", L"tons TNT", L"tonne TNT", L"tTNT", L"ton of TNT", L"tons of TNT", L"tonne of TNT", L"tonnes of TNT", L"tonnes TNT", L"t TNT"}},
        {4184000000000.0, L"kg m2 s-2", kExact, {L"kiloton TNT", L"kilotons TNT", L"kt TNT", L"ktTNT", L"kiloton of TNT", L"kilotons of TNT", L"kilotonne TNT", L"kilotonnes TNT"}},
        {4.184e+15, L"kg m2 s-2", kExact, {L"megaton TNT", L"megatons TNT", L"Mt TNT", L"MtTNT", L"megaton of TNT", L"megatons of TNT", L"megatonne TNT", L"megatonnes TNT"}},
        {4.184e+18, L"kg m2 s-2", kExact, {L"Gt TNT", L"gigaton TNT", L"gigatons TNT", L"gigaton of TNT", L"gigatons of TNT"}},
        {2551442.8896, L"s", kExact, {L"lunar month", L"lunar months", L"synodic month", L"synodic months"}},
        {2360591.55792, L"s", kExact, {L"sidereal month", L"sidereal months"}},
        {2360584.6848, L"s", kExact, {L"tropical month", L"tropical months"}},
        {0.01, L"s", kExact, {L"jiffy", L"jiffies"}},
        {1.602176634e-19, L"kg m2 s-2", kExact, {L"electron volt", L"electron volts"}},
        {1.602176634e-10, L"kg m2 s-2", kExact, {L"bev", L"BeV"}},
        {3600.0, L"kg m2 s-2", kExact, {L"watt hour", L"watt hours", L"watt-hour", L"watt-hours"}},
        {3600.0, L"s A", kExact, {L"ampere hour", L"ampere hours", L"amp hour", L"amp hours", L"amp-hour", L"amp-hours"}},
        {3.15569252507328e+16, L"s", kClose, {L"eon"}},
        {1.25663706127e-07, L"kg m2 s-2 A-1", kClose, {L"unit pole", L"unit poles"}}, // μ0 × 1 biot × 1 cm
        {5.067074790974977e-07, L"m2", kExact, {L"kcmil", L"MCM"}}, // 1000 circular mils: 1000 × π/4 × (25.4 µm)²
        {2.58e-7, L"kg-1 s A", kExact, {L"mR"}}, {2.58e-10, L"kg-1 s A", kExact, {L"\u00b5R", L"\u03bcR", L"uR"}},
        {453.59237, L"mol", kExact, {L"lb-mol", L"lbmol", L"lb mol", L"lb-mole", L"lbmole", L"pound mole", L"pound moles", L"pound-mole", L"pound-moles"}},
        {1000.0, L"mol", kExact, {L"kg-mol", L"kgmol", L"kilogram mole", L"kilogram-mole"}},
        // 10 µm of gas at 0 °C and 101325 Pa: 1e-5 m × p / (NA k T).
        {1e-5 * 101325.0 / (6.02214076e23 * 1.380649e-23 * 273.15), L"m-2 mol", kExact, {L"dobson", L"dobson unit", L"dobson units", L"DU"}},
    };
    // clang-format on
    std::map<std::wstring, const Family*> byText;
    for (const Family& family : families) {
        for (const wchar_t* spelling : family.spellings) {
            EXPECT_TRUE(byText.emplace(spelling, &family).second) << qelunits::toUtf8(spelling);
        }
    }
    for (const qelunits_detail::VocabularyEntry& row : qelunits_detail::kVocabulary) {
        SCOPED_TRACE(qelunits::toUtf8(row.text));
        const bool synonym =
            row.meaning.scale == 1.0 && row.meaning.units[0].power == 1 && row.meaning.units[1].power == 0;
        if (row.spelling == Spelling::Refused || synonym) {
            EXPECT_EQ(byText.count(row.text), 0U);
            continue;
        }
        const auto found = byText.find(row.text);
        ASSERT_NE(found, byText.end()) << "every scaled or compound spelling needs its defining value here";
        expectMeans(row.meaning, found->second->value, found->second->dimension, found->second->tolerance);
        byText.erase(found);
    }
    EXPECT_TRUE(byText.empty()) << "every spelling here is a row of the vocabulary";
}

// Every unit that takes prefixes, by its first symbol or name, against its value unprefixed.
TEST(Vocabulary, PrefixableUnitsMeanTheirDefiningValues) {
    // clang-format off
    const std::tuple<const wchar_t*, double, const wchar_t*> defining[] = {
        {L"m", 1.0, L"m"}, {L"g", 1e-3, L"kg"}, {L"s", 1.0, L"s"}, {L"A", 1.0, L"A"}, {L"K", 1.0, L"K"},
        {L"mol", 1.0, L"mol"}, {L"cd", 1.0, L"cd"}, {L"rad", 1.0, L"rad"}, {L"sr", 1.0, L"sr"}, {L"Hz", 1.0, L"Hz"},
        {L"N", 1.0, L"kg m s-2"}, {L"J", 1.0, L"kg m2 s-2"}, {L"Pa", 1.0, L"kg m-1 s-2"}, {L"W", 1.0, L"kg m2 s-3"},
        {L"V", 1.0, L"kg m2 s-3 A-1"}, {L"lx", 1.0, L"lx"}, {L"lm", 1.0, L"lm"}, {L"L", 1e-3, L"m3"},
        {L"bar", 1e5, L"kg m-1 s-2"}, {L"Wh", 3600.0, L"kg m2 s-2"}, {L"eV", 1.602176634e-19, L"kg m2 s-2"},
        {L"VA", 1.0, L"kg m2 s-3"}, {L"Ah", 3600.0, L"A s"}, {L"var", 1.0, L"kg m2 s-3"}, {L"Wp", 1.0, L"kg m2 s-3"},
        {L"\u03A9", 1.0, L"kg m2 s-3 A-2"}, {L"S", 1.0, L"kg-1 m-2 s3 A2"}, {L"F", 1.0, L"kg-1 m-2 s4 A2"},
        {L"H", 1.0, L"kg m2 s-2 A-2"}, {L"Wb", 1.0, L"kg m2 s-2 A-1"}, {L"T", 1.0, L"kg s-2 A-1"},
        {L"Gy", 1.0, L"m2 s-2"}, {L"Sv", 1.0, L"m2 s-2"}, {L"Bq", 1.0, L"s-1"}, {L"Da", 1.66053906660e-27, L"kg"},
        {L"pc", 3.0856775814913673e16, L"m"}, {L"C", 1.0, L"A s"}, {L"kat", 1.0, L"mol s-1"}, {L"t", 1e3, L"kg"},
        {L"cal", 4.184, L"kg m2 s-2"}, {L"Torr", 101325.0 / 760.0, L"kg m-1 s-2"}, {L"b", 1e-28, L"m2"},
        {L"erg", 1e-7, L"kg m2 s-2"}, {L"dyn", 1e-5, L"kg m s-2"}, {L"P", 0.1, L"kg m-1 s-1"}, {L"St", 1e-4, L"m2 s-1"},
        {L"Gal", 0.01, L"m s-2"}, {L"gauss", 1e-4, L"kg s-2 A-1"}, {L"Mx", 1e-8, L"kg m2 s-2 A-1"},
        {L"Oe", 1000.0 / (4.0 * 3.141592653589793), L"A m-1"}, {L"Ci", 3.7e10, L"s-1"},
        {L"roentgen", 2.58e-4, L"kg-1 s A"}, {L"rem", 0.01, L"m2 s-2"}, {L"gf", 9.80665e-3, L"kg m s-2"},
        {L"bit", 1.0, L"1"}, {L"B", 8.0, L"1"},
    };
    // clang-format on
    std::map<std::wstring, std::pair<double, const wchar_t*>> byText;
    for (const auto& [text, value, dimension] : defining) {
        byText[text] = {value, dimension};
    }
    for (const qelunits_detail::PrefixableUnit& unit : qelunits_detail::kPrefixableUnits) {
        const wchar_t* text = unit.symbols[0] != nullptr ? unit.symbols[0] : unit.names[0];
        SCOPED_TRACE(qelunits::toUtf8(text));
        const auto found = byText.find(text);
        ASSERT_NE(found, byText.end()) << "every prefixable unit needs its defining value here";
        Meaning one = unit.meaning;
        one.scale *= std::pow(10.0, unit.exponent);
        // The catalogue's rounded units (the dalton, the parsec, the torr) agree to their rounding.
        expectMeans(one, found->second.first, found->second.second, 4e-4);
        EXPECT_EQ(unit.binaryPrefixes, std::wstring(text) == L"bit" || std::wstring(text) == L"B")
            << "binary prefixes are for information";
        byText.erase(found);
    }
    EXPECT_TRUE(byText.empty());
}

// A refusal says why; a note shows where its spelling is read.
TEST(Vocabulary, RefusalsNameTheAlternativesAndNotesShow) {
    for (const qelunits_detail::VocabularyEntry& row : qelunits_detail::kVocabulary) {
        SCOPED_TRACE(qelunits::toUtf8(row.text));
        EXPECT_EQ(row.refusal != nullptr, row.spelling == Spelling::Refused || row.spelling == Spelling::RefusedAlone);
        if (row.refusal != nullptr) {
            EXPECT_GT(std::wstring(row.refusal).size(), 20U) << "a reason, and what to write instead";
        }
    }
    for (const qelunits_detail::SpellingNote& note : qelunits_detail::kSpellingNotes) {
        SCOPED_TRACE(qelunits::toUtf8(note.text));
        // The note belongs to a text of its unit; on a symbol the parser reads, every reading carries it.
        const QelUnitCandidates read = QelUnitParser::candidates(note.text);
        ASSERT_NE(read.count, 0U);
        EXPECT_TRUE(
            std::any_of(read.begin(), read.end(), [&](const QelUnitCandidate& c) { return c.unit == note.unit; }));
        if (read.items[0].matched == QelUnit::Abbreviation) {
            EXPECT_EQ(read.items[0].unit, note.unit);
            EXPECT_STREQ(read.note, note.note);
        }
    }
    // A note on a vocabulary row shows wherever its spelling is read.
    for (const qelunits_detail::VocabularyNote& note : qelunits_detail::kVocabularyNotes) {
        SCOPED_TRACE(qelunits::toUtf8(note.text));
        EXPECT_STREQ(QelUnitParser::candidates(note.text).note, note.note);
        EXPECT_STREQ(QelUnitParser::notes(std::wstring(L"kg*") + note.text), note.note);
    }
}
