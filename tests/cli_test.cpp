// The qelunits tool: its output, messages and exit statuses, through its entry point and as a process.

// Before any system header: the catalogue's unit 'link' shares its name with unistd.h's link().
#include <qelunits/Constants.h>

#include "Cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the tool's entry point with args after the program name, feeding input.
Outcome runTool(std::vector<const char*> args, const std::string& input = "", bool interactive = false) {
    args.insert(args.begin(), "qelunits");
    args.push_back(nullptr);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = qelunits_cli::run(static_cast<int>(args.size() - 1), args.data(), in, out, err, interactive);
    return {status, out.str(), err.str()};
}

TEST(Cli, CommandsPrintTheirResultsAndStatuses) {
    const std::string path = testing::TempDir() + "qelunits_cli_shop.txt";
    std::FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs("widget = 3.5 kg; wg\ncrate = 12 widget\n", file);
    std::fclose(file);
    const char* shop = path.c_str();
    // Arguments, status, standard output (exact, unless empty), a part of standard error.
    const std::tuple<std::vector<const char*>, int, std::string, std::string> cases[] = {
        // At most 12 significant digits, trailing zeros dropped; the target as typed, blanks trimmed. What
        // the lines, the dialogue and the program show (3.28083989501 ft, incompatible types, a temperature
        // below absolute zero, the default foot) is not repeated here.
        {{"convert", "25.4", "mm", "in"}, 0, "1 in\n", ""},
        {{"convert", "1", "m/s", " km/hr "}, 0, "3.6 km/hr\n", ""},
        {{"convert", "2", "yr", "d"}, 0, "730.5 d\n", "qelunits: note: 'yr' is the Julian year here"},
        // Texts convert by the definitions; codes by the catalogue's factors, with the digits they vouch for.
        {{"convert", "1", "ly", "km"}, 0, "9.46073047258e+12 km\n", ""},
        {{"factor", "deg", "rad"}, 0, "0.0174532925199\n", ""},
        {{"--settings", "convert", "1", "178", "179"}, 0, "57.2958 °\n", ""}, // radians to degrees
        {{"--digits", "10", "--settings", "convert", "1", "178", "179"},
         0,
         "57.29575496 °\n",
         "vouches for 6 significant digits"},
        {{"convert", "1", "rad", "deg"}, 0, "57.2957795131 deg\n", ""},
        {{"--exact", "convert", "1", "sq pc", "m^2"}, 0, "9.521406136918413e+32 m^2\n", ""},
        {{"convert", "1", "Da", "kg"}, 0, "1.66053907e-27 kg\n", ""},
        {{"--digits", "12", "convert", "1", "Da", "kg"},
         0,
         "1.66053906892e-27 kg\n",
         "note: 9 significant digits are known here (measured definitions, ±3.1e-10 relative)"},
        {{"convert", "1|3", "m", "ft"}, 0, "1.09361329834 ft\n", ""},
        {{"convert", "1 Δ°F", "K"}, 0, "0.555555555556 K\n", ""}, // a difference, not 1 °F
        {{"convert", "1 + mm", "ft"}, 1, "", "qelunits: incompatible units: 1 and mm (1; m)\n"},
        {{"convert", "0.5", "m"}, 2, "", "wrong number of arguments"},
        {{"--settings", "convert", "5 ft", "30"}, 2, "", "wrong number of arguments"},
        {{"factor", "mPa·s", "Pa*s"}, 0, "0.001\n", ""}, // a scaled expression
        {{"--digits", "1", "convert", "1", "m", "ft"}, 0, "3 ft\n", ""},
        {{"--exact", "convert", "25.4", "mm", "in"}, 0, "0.9999999999999999 in\n", ""},
        {{"factor", "--digits", "17", "mm", "in"}, 0, "0.03937007874015748\n", ""},
        {{"--settings", "--foot", "survey", "convert", "1", "30", "2"}, 0, "0.304800609601 m\n", ""},
        {{"--settings", "factor", "2", "30"}, 0, "3.28083989501\n", ""},
        {{"convert", "1", "fot", "m"}, 1, "", "qelunits: unknown unit 'fot' at 0; did you mean 'ft'?\n"},
        {{"convert", "1", "cal", "J"}, 0, "4.184 J\n", ""}, // the thermochemical calorie
        {{"convert", "1", "yr", "kg/m"}, 1, "", "(yr: Time [s]; kg/m: Linear Weight [kg/m]); 'yr' can also mean"},
        {{"factor", "°C", "°F"}, 1, "", "converts by a function"},
        // Reciprocal dimensions convert reciprocally, and say so.
        {{"convert", "30", "mpg", "L/100 km"}, 0, "7.84048611111 L/100 km\n", "note: reciprocal conversion\n"},
        {{"convert", "0", "mpg", "L/100km"}, 1, "", "reciprocally: 0 has no reciprocal\n"},
        {{"--settings", "convert", "1", "30", "12"}, 1, "", "qelunits: unknown settings-unit code 12\n"},
        {{"--bogus", "types"}, 2, "", "unknown option --bogus"},
        {{"--", "--help"}, 2, "", "unknown command '--help'"}, // "--" ends the options
        {{"types", "--digits"}, 2, "", "option --digits needs a value"},
        {{"--foot", "survey", "convert", "1", "ft", "m"}, 2, "", "add --settings"},
        {{"--settings", "info", "m"}, 2, "", "--settings does not apply to info"},
        {{"--digits", "0", "convert", "1", "m", "ft"}, 2, "", "--digits takes a whole number from 1 to 17, not '0'"},
        {{"--digits", "2.5", "factor", "m", "ft"}, 2, "", "not '2.5'"},
        {{"--digits", "3", "--exact", "factor", "m", "ft"}, 2, "", "--digits and --exact exclude each other"},
        {{"list", "--type", "Nonsense"}, 2, "", "unknown type 'Nonsense'"},
        {{"list", "--system", "SI"}, 2, "", "--system takes metric or imperial, not 'SI'"},
        // Bad arguments; the fuzz target checks that every failure prints a message ending in a newline.
        {{""}, 2, "", "unknown command ''"},
        {{"--settings", "--foot", "imperial", "factor", "2", "30"}, 2, "", "--foot takes international or survey"},
        {{"convert", "nan", "m", "ft"}, 2, "", "'nan' is not a number"},
        {{"convert", "1e308", "m", "ft"}, 1, "", "Overflow: the result is beyond the range of a double\n"},
        {{"convert", "-500", "°F", "K"}, 1, "", "qelunits: -500 °F is below absolute zero\n"},
        {{"--settings", "convert", "1", "30", "-1"}, 2, "", "'-1' is not a settings-unit code"},
        {{"--settings", "convert", "nan", "30", "2"}, 2, "", "'nan' is not a number"},
        {{"factor", "K", "°R"}, 0, "1.8\n", ""}, // absolute scales convert by a factor
        {{"convert", "speed_of_light * 1 s", "km"}, 0, "299792.458 km\n", ""},
        // Levels: 10·log10 of a power over 1 mW, a ratio of 10^(dB/10) in power, 10^(dB/20) in field.
        {{"convert", "100 mW", "dBm"}, 0, "20 dBm\n", ""},
        {{"convert", "3 dB", "1"}, 0, "1.99526231497 1\n", "note: a power ratio; the field ratio is 1.41253754462\n"},
        {{"convert", "1 Np", "dB"}, 0, "8.68588963807 dB\n", ""}, // 20 / ln 10
        {{"convert", "50 %", "dB"}, 0, "-3.01029995664 dB\n", ""},
        {{"convert", "1", "B", "bit"}, 0, "8 bit\n", ""}, // the byte, a unit, before the bel
        {{"convert", "3 dB", "m"}, 1, "", "cannot convert 3 dB to m: a ratio converts to a number\n"},
        {{"convert", "-5 mW", "dBm"}, 1, "", "has no level"},
        {{"convert", "20 dBA", "mW"}, 1, "", "A-weighted"},
        // UCUM codes in and out.
        {{"--ucum", "convert", "1", "[ft_i]", "m"}, 0, "0.3048 m\n", ""},
        {{"--ucum", "convert", "37", "Cel", "[degF]"}, 0, "98.6 [degF]\n", ""},
        // UCUM's ft is a femtotonne: a mass, 1e-12 kg / 0.45359237 kg to the pound.
        {{"--ucum", "factor", "ft", "[lb_av]"}, 0, "2.20462262185e-12\n", ""},
        {{"--ucum", "convert", "1", "[ft_i]", "s"}, 1, "", "[ft_i] to s: Types Not Compatible ([ft_i]: Length [m];"},
        {{"--ucum", "--settings", "convert", "1", "30", "2"}, 2, "", "--ucum and --settings exclude each other"},
        {{"--ucum", "list"}, 2, "", "--ucum does not apply to list"},
        // Definitions from files and texts: later ones rest on earlier ones, in the order given.
        {{"--file", shop, "convert", "2", "crate", "kg"}, 0, "84 kg\n", ""},
        {{"--file", shop, "--define", "pallet = 40 crate", "convert", "1 pallet", "wg"}, 0, "480 wg\n", ""},
        {{"--define", "pallet = 40 crate", "--file", shop, "convert", "1", "m", "ft"},
         1,
         "",
         "qelunits: --define:1:13: in the definition of 'pallet': unknown unit 'crate' at 3"},
        {{"--define", "ft = 0.3 m", "convert", "1", "m", "ft"}, 1, "", "'ft' is a unit already"},
        {{"--file", "/nonexistent/shop.txt", "convert", "1", "m", "ft"}, 1, "", "/nonexistent/shop.txt"},
        {{"--define", "widget = 3.5 kg", "list"}, 2, "", "--define does not apply to list"},
        {{"convert", "2", "crate", "kg"}, 1, "", "unknown unit 'crate'"}, // nothing stays defined
        // Contexts only when asked; expected values from c, h and k_B (exact) and glucose's molar mass.
        {{"--context", "spectroscopy", "convert", "500 nm", "THz"}, 0, "599.584916 THz\n", ""},
        {{"--context", "spectroscopy", "convert", "500", "nm", "eV"}, 0, "2.47968396866 eV\n", ""},
        {{"--context", "chemistry(180.156 g/mol)", "convert", "100 mg/dL", "mmol/L"}, 0, "5.55074490997 mmol/L\n", ""},
        {{"--context", "thermal", "convert", "1 eV", "K"}, 0, "11604.5181216 K\n", ""},
        {{"--context", "spectroscopy", "convert", "1 m", "ft"}, 0, "3.28083989501 ft\n", ""}, // one dimension
        {{"--context", "spectroscopy", "convert", "0 nm", "THz"}, 1, "", "0 nm has no frequency"},
        {{"--context", "spectroscopy", "convert", "1 kg", "THz"}, 1, "", "does not relate them either"},
        {{"--context", "bogus", "convert", "1", "m", "ft"}, 1, "", "no context is called 'bogus'"},
        {{"convert", "500 nm", "THz"}, 1, "", "cannot convert 500 nm to THz"},
    };
    for (const auto& [args, status, out, err] : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const Outcome o = runTool(args);
        EXPECT_EQ(o.status, status);
        if (!out.empty() || status != 0) {
            EXPECT_EQ(o.out, out);
        }
        EXPECT_NE(o.err.find(err), std::string::npos) << o.err;
        EXPECT_EQ(o.err.empty(), err.empty()); // a success is silent but for a note
    }
    EXPECT_EQ(runTool({"--file", shop}, "3 wg kg\n").out, "10.5 kg\n");
    std::remove(shop);
}

TEST(Cli, DescribesUnitsAndTypes) {
    // Arguments, texts the output holds, its number of lines (-1: any).
    const std::tuple<std::vector<const char*>, std::vector<const char*>, int> cases[] = {
        {{"info", "min"},
         {"id: 167\n", "internal name: minute\n", "type: 3 Time [s]\n", "system: neither\n",
          "factor to base unit: 60 s, its definition, by text and code\n", "'min' also minim"},
         -1},
        {{"info", "MJ"},
         {"means: 1000000 × J\n", "internal name: joule\n", "factor to base unit: 1 J, its definition, by text"},
         -1},
        {{"info", "Da"},
         {"factor to base unit: 1.66053906892e-27 kg (1/12 of", "), by text\nstored factor: 1.66e-27 kg, by code",
          "\nuncertainty: 3.1e-10 (relative, of a measured definition)\n"},
         -1},
        // The Julian year is no catalogue unit: described by its dimension and its factor, 365.25 × 86400 s.
        {{"info", "yr"},
         {"expression: yr\n", "dimension: Time [s]\nfactor to SI base units: 31557600\n",
          "\nnote: 'yr' is the Julian year here (365.25 d)"},
         -1},
        {{"info", "oz"},
         {"system: imperial\nfactor to base unit: 0.028349523125 kg (lb/16), by text\nstored factor: 0.0283495 kg, "
          "by code (settings codes, QelUnitType)\ndifference: -8.2e-07 "},
         -1},
        {{"info", "sq ft"}, {"\nabbreviation: sq ft\nwith superscripts: ft²\ntype: "}, -1},
        {{"info", "kJ/(kg·K)"}, {"means: 1000 × J/(kg·K)\n", "factor to SI base units: 1\n"}, -1},
        // Units in the world's symbols: the second is s, the hour h.
        {{"types"},
         {"0\t(none)\t0 units\tno base unit\n", "\n6\tSubstance\t1 unit\tbase mol\n", "units\tbase s\n"},
         31},
        {{"list", "--type", "time"}, {"\n168\thour\th\tHour\n"}, -1},
        // A type by number, display name or internal name, in any case; by system or in every system.
        {{"list", "--type", "24", "--system", "metric"}, {"265\tmeter_per_second\tm/s\tMeter per second\n"}, 7},
        {{"list", "--type", "velocity", "--system", "metric"}, {}, 7},
        {{"list", "--type", "COMPAT_velocity", "--system", "metric"}, {}, 7},
        {{"list", "--type", "distance"}, {"2\tmeter\t", "\tfoot\t"}, -1},
        {{"list", "--type", "0"}, {}, 0}, // the dimensionless type has no unit but code 0
        {{"list"}, {}, 348},              // every unit but the dimensionless one
        {{"--ucum", "info", "mg/dL"}, {"means: 0.01 × g/L\n", "dimension: Density [kg/m^3]\n"}, -1},
        {{"constants"},
         {"speed_of_light\tc\t299792458\tm/s\texact\tdefines the SI\n",
          "\ngravitational_constant\tG\t6.6743e-11\tm³/(kg·s²)\t2.2e-05\tCODATA 2022\n"},
         static_cast<int>(qelunits::allConstants().size())},
        {{"--ucum", "constants"}, {"\tG\t6.6743e-11\tm3/(kg.s2)\t"}, -1},
        {{"--help"}, {"Usage: qelunits", "\n  convert VALUE FROM TO   print", "\n  --digits N  ", "\n  --exact  "}, -1},
    };
    for (const auto& [args, texts, lines] : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const Outcome o = runTool(args);
        EXPECT_EQ(o.status, 0);
        for (const char* text : texts) {
            EXPECT_NE(o.out.find(text), std::string::npos) << text;
        }
        EXPECT_TRUE(lines < 0 || std::count(o.out.begin(), o.out.end(), '\n') == lines) << o.out;
    }
    // Without a program name: the lines of standard input, of which there are none.
    const char* argv[] = {nullptr};
    std::istringstream in;
    std::ostringstream out;
    EXPECT_EQ(qelunits_cli::run(0, argv, in, out, out, false), qelunits_cli::kOk);
    EXPECT_EQ(out.str(), "");
    // An option's value is never read past argc.
    const char* past[] = {"qelunits", "factor", "m", "ft", "--digits", "3"};
    EXPECT_EQ(qelunits_cli::run(5, past, in, out, out, false), qelunits_cli::kUsageError);
}

// One output line for each input line, empty for a comment, a blank line or a failure.
TEST(Cli, ReadsConversionsLineByLine) {
    const Outcome o = runTool({}, "1 m ft\n# a comment\n\n1 \"sq ft\" 'sq in'\n2 fot m\n1 m ft s\n '5 ft + 10 in'  "
                                  "\tm\n1 'm ft\n1/2 m ft\n'1 ft' s\n'30 mpg' 'L/100 km'\n'20 dBm' mW");
    EXPECT_EQ(o.out,
              "3.28083989501 ft\n\n\n144 sq in\n\n\n1.778 m\n\n1.64041994751 ft\n\n7.84048611111 L/100 km\n100 mW\n");
    EXPECT_NE(o.err.find("line 11: note: reciprocal conversion"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("line 10: cannot convert 1 ft to s"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("line 5: unknown unit 'fot'"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("line 6: expected VALUE FROM TO or QUANTITY TO"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("line 8: unbalanced quotes"), std::string::npos) << o.err;
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(runTool({"--settings"}, "1 30 2\n").out, "0.3048 m\n");
}

// The dialogue through the tool's own entry point, as a terminal would drive it.
TEST(Cli, AsksOnATerminal) {
    const auto talk = [](const std::string& input, std::string& err) {
        const Outcome o = runTool({}, input, true);
        EXPECT_EQ(o.status, 0);
        err = o.err;
        return o.out;
    };
    std::string err;
    const std::string asked = talk("help\n", err);
    ASSERT_NE(asked.find("(\"10 ft\", \"-40 °F\", \"60 mi/h\")"), std::string::npos) << asked;
    const std::string help = asked.substr(10, asked.size() - 21); // between "You have: " and "You have: \n"
    // Input, standard output with @ for the help, standard error.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"10 ft\ns\nm\nfot\n?\n-500 °F\n100 °C\nhelp\n°F\nquit\n1 m\n",
         "You have: You want: You want: \t3.048 m\nYou have: You have: @You have: You have: You want: @You want: "
         "\t212 °F\nYou have: ",
         "qelunits: cannot convert 10 ft to s: Types Not Compatible (10 ft: Length [m]; s: Time [s])\n"
         "qelunits: unknown unit 'fot' at 0; did you mean 'ft'?\n"
         "qelunits: -500 °F is below absolute zero\n"},
        {"inf m\nft\n\nm\n\nexit\n", "You have: You have: You want: You have: You want: You have: ",
         "qelunits: 'inf m' is not a finite quantity\n"},
        {"ft\n", "You have: You want: \n", ""},
        {"5 ft + 10 in\nm\n", "You have: You want: \t1.778 m\nYou have: \n", ""},
        {"-500 Δ°F\nK\n", "You have: You want: \t-277.777777778 K\nYou have: \n", ""}, // no absolute zero
        {"20 dBm\nmW\n\n3 dB\n1\n",
         "You have: You want: \t100 mW\nYou have: You have: You want: \t1.99526231497 1\nYou have: \n",
         "qelunits: note: a power ratio; the field ratio is 1.41253754462\n"},
        {"20 dBA\n", "You have: You have: \n",
         "qelunits: 'dBA' at 3 is not read: an A-weighted level is a logarithm of a weighted sound pressure, neither "
         "a unit nor a level qelunits::Level reads\n"},
    };
    for (const auto& [input, expected, errors] : cases) {
        SCOPED_TRACE(input);
        std::string out = expected;
        for (std::size_t at = out.find('@'); at != std::string::npos; at = out.find('@', at + help.size())) {
            out.replace(at, 1, help);
        }
        EXPECT_EQ(talk(input, err), out);
        EXPECT_EQ(err, errors);
    }
    // Options that change how texts are read hold in the dialogue too.
    const Outcome ucum = runTool({"--ucum"}, "[lb_av]\n[oz_av]\n", true);
    EXPECT_EQ(ucum.out, "You have: You want: \t16 [oz_av]\nYou have: \n");
}

// What a shell command prints; its exit status must be 0.
std::string shellOutput(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    for (int c = pipe != nullptr ? std::fgetc(pipe) : EOF; c != EOF; c = std::fgetc(pipe)) {
        output += static_cast<char>(c);
    }
    EXPECT_TRUE(pipe != nullptr && pclose(pipe) == 0) << command;
    return output;
}

// The built program: its main reads standard input when that is no terminal, and exits with the status.
TEST(Cli, RunsAsAProgram) {
    const std::string tool = QELUNITS_CLI_PATH;
    EXPECT_EQ(shellOutput("(echo '1 m ft' | " + tool + "; echo $?; " + tool + " convert 1 ft s 2>/dev/null; echo $?; " +
                          tool + " --version; " + tool + " --bogus 2>&1; echo $?) </dev/null"),
              "3.28083989501 ft\n0\n1\nqelunits 1.0.0\n" + runTool({"--bogus"}).err + "2\n");
}

// On a terminal (script(1) gives it one) the dialogue edits lines with a history of the session's lines
// but the empty ones: after "2 ft" in m and an empty line, Up recalls "m", which then converts to ft.
TEST(Cli, KeepsAHistoryOnATerminal) {
    if (!QELUNITS_CLI_EDITS_LINES || std::system("command -v script >/dev/null") != 0) {
        GTEST_SKIP() << "no line editing, or no script(1) to give the tool a terminal";
    }
    const std::string out = shellOutput("printf '2 ft\\nm\\n\\n\\033[A\\nft\\nquit\\n' | script -qec " +
                                        std::string(QELUNITS_CLI_PATH) + " /dev/null");
    EXPECT_NE(out.find("\t0.6096 m"), std::string::npos) << out;
    EXPECT_NE(out.find("\t3.28083989501 ft"), std::string::npos) << out;
}

} // namespace
