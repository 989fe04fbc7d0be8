// The qelunits tool run as a separate process: its output, messages and exit statuses.

#include "Cli.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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

std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Runs the built tool with args, feeding input on standard input.
Outcome runTool(const std::vector<std::string>& args, const std::string& input = "") {
    // Per process: several test runs may share the temporary directory.
    const std::string base = testing::TempDir() + "qelunits_cli_test_" + std::to_string(getpid());
    std::ofstream(base + ".in", std::ios::binary) << input;
    std::string command = QELUNITS_CLI_PATH;
    for (const std::string& arg : args) {
        command += " '" + arg + "'"; // no test argument holds a single quote
    }
    command += " <" + base + ".in >" + base + ".out 2>" + base + ".err";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = slurp(base + ".out");
    outcome.err = slurp(base + ".err");
    for (const char* suffix : {".in", ".out", ".err"}) {
        std::remove((base + suffix).c_str());
    }
    return outcome;
}

TEST(Cli, CommandsPrintTheirResultsAndStatuses) {
    // Arguments, status, standard output (exact, unless empty), a part of standard error.
    const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
        // At most 12 significant digits, trailing zeros dropped; the target as typed, blanks trimmed.
        {{"convert", "1", "m", "ft"}, 0, "3.28083989501 ft\n", ""},
        {{"convert", "25.4", "mm", "in"}, 0, "1 in\n", ""},
        {{"convert", "1", "in", "mm"}, 0, "25.4 mm\n", ""},
        {{"convert", "100", "°C", "°F"}, 0, "212 °F\n", ""},
        {{"convert", "-40", "degF", "degC"}, 0, "-40 degC\n", ""},
        {{"convert", "1", "sq ft", "sq in"}, 0, "144 sq in\n", ""},
        {{"convert", "1", "m/s", " km/hr "}, 0, "3.6 km/hr\n", ""},
        {{"convert", "60", "mi/h", "km/h"}, 0, "96.56064 km/h\n", ""},
        {{"convert", "1", "kJ", "BTU"}, 0, "0.947817077749 BTU\n", ""},
        {{"convert", "2", "t", "kg"},
         0,
         "1814.37 kg\n",
         "qelunits: note: 't' is the short ton here; the metric tonne is 'tonne'\n"},
        {{"factor", "m/s", "ft/min"}, 0, "196.850393701\n", ""},
        {{"factor", "mPa·s", "Pa*s"}, 0, "0.001\n", ""},
        {{"--digits", "3", "convert", "1", "m", "ft"}, 0, "3.28 ft\n", ""},
        {{"--exact", "convert", "25.4", "mm", "in"}, 0, "0.9999999999999999 in\n", ""},
        {{"factor", "--digits", "17", "mm", "in"}, 0, "0.03937007874015748\n", ""},
        {{"--settings", "--foot", "survey", "convert", "1", "30", "2"}, 0, "0.304800609601 m\n", ""},
        {{"--version"}, 0, "qelunits 1.0.0\n", ""},
        {{"convert", "1", "ft", "s"},
         1,
         "",
         "qelunits: cannot convert ft to s: Types Not Compatible (ft: Length [m]; s: Time [s])\n"},
        {{"convert", "1", "fot", "m"}, 1, "", "qelunits: unknown unit 'fot' at 0; did you mean 'ft'?\n"},
        {{"convert", "1", "cal", "J"}, 1, "", "'cal' can also mean intl_calorie"},
        {{"convert", "1", "t", "kg/m"},
         1,
         "",
         "(t: Weight [kg]; kg/m: Linear Weight [kg/m]); 't' is the short ton here"},
        {{"factor", "°C", "°F"}, 1, "", "converts by a function"},
        {{"convert", "-500", "°F", "K"}, 1, "", "qelunits: -500 °F is below absolute zero\n"},
        {{"convert", "-0.5", "K", "°C"}, 1, "", "-0.5 K is below absolute zero"},
        {{"--settings", "convert", "1", "30", "12"}, 1, "", "qelunits: unknown settings-unit code 12\n"},
        {{"convert", "abc", "m", "ft"}, 2, "", "'abc' is not a number"},
        {{"convert", "1", "m"}, 2, "", "wrong number of arguments for convert"},
        {{"frob"}, 2, "", "unknown command 'frob'"},
        {{"--bogus", "types"}, 2, "", "unknown option --bogus"},
        {{"--foot", "survey", "convert", "1", "ft", "m"}, 2, "", "add --settings"},
        {{"--settings", "info", "m"}, 2, "", "--settings does not apply to info"},
        {{"--digits", "0", "convert", "1", "m", "ft"}, 2, "", "--digits takes a whole number from 1 to 17, not '0'"},
        {{"--digits", "2.5", "factor", "m", "ft"}, 2, "", "not '2.5'"},
        {{"--digits", "3", "--exact", "factor", "m", "ft"}, 2, "", "--digits and --exact exclude each other"},
        {{"list", "--type", "Nonsense"}, 2, "", "unknown type 'Nonsense'"},
    };
    for (const auto& [args, status, out, err] : cases) {
        SCOPED_TRACE(args.front() + " " + args.back());
        const Outcome o = runTool(args);
        EXPECT_EQ(o.status, status);
        if (!out.empty() || status != 0) {
            EXPECT_EQ(o.out, out);
        }
        EXPECT_NE(o.err.find(err), std::string::npos) << o.err;
        EXPECT_EQ(o.err.empty(), err.empty()); // a success is silent but for a note
    }
}

TEST(Cli, DescribesUnitsAndTypes) {
    // A unit, lines its description holds.
    const std::pair<const char*, std::vector<const char*>> infos[] = {
        {"min",
         {"id: 167\n", "internal name: minute\n", "type: 3 Time [s]\n", "system: neither\n",
          "factor to base unit: 60 sec\n", "'min' also minim"}},
        {"MJ", {"means: 1000000 × J\n", "internal name: joule\n", "factor to base unit: 1 J\n"}},
        {"t", {"internal name: ton\n", "\nnote: 't' is the short ton here; the metric tonne is 'tonne'"}},
        {"kJ/(kg·K)", {"means: 1000 × J/(kg·°K)\n", "factor to SI base units: 1\n"}},
    };
    for (const auto& [unit, lines] : infos) {
        const Outcome info = runTool({"info", unit});
        EXPECT_EQ(info.status, 0);
        for (const char* line : lines) {
            EXPECT_NE(info.out.find(line), std::string::npos) << unit << ": " << line;
        }
    }
    const Outcome types = runTool({"types"});
    EXPECT_EQ(std::count(types.out.begin(), types.out.end(), '\n'), 31);
    // A type by number, display name or internal name, in any case.
    for (const char* type : {"24", "velocity", "COMPAT_velocity"}) {
        const Outcome speeds = runTool({"list", "--type", type, "--system", "metric"});
        EXPECT_EQ(speeds.out.rfind("265\tmeter_per_second\tm/s\tMeter per second\n", 0), 0U) << type;
        EXPECT_EQ(std::count(speeds.out.begin(), speeds.out.end(), '\n'), 7) << type;
    }
    EXPECT_EQ(runTool({"list", "--type", "distance"}).out.rfind("2\tmeter\t", 0), 0U);
    const std::string help = runTool({"--help"}).out;
    for (const char* line :
         {"Usage: qelunits", "\n  convert VALUE FROM TO   print", "\n  --digits N  ", "\n  --exact  "}) {
        EXPECT_NE(help.find(line), std::string::npos) << line;
    }
}

TEST(Cli, ReadsConversionsLineByLine) {
    const Outcome o = runTool({}, "1 m ft\n# a comment\n\n1 \"sq ft\" 'sq in'\n2 fot m\n1 m\n");
    EXPECT_EQ(o.out, "3.28083989501 ft\n144 sq in\n");
    EXPECT_NE(o.err.find("line 5: unknown unit 'fot'"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("line 6: expected VALUE FROM TO"), std::string::npos) << o.err;
    EXPECT_EQ(o.status, 2);
}

// The dialogue through the tool's own entry point, as a terminal would drive it.
TEST(Cli, AsksOnATerminal) {
    const auto talk = [](const std::string& input, std::string& err) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream errors;
        const char* argv[] = {"qelunits"};
        EXPECT_EQ(qelunits_cli::run(1, argv, in, out, errors, true), 0);
        err = errors.str();
        return out.str();
    };
    std::string err;
    const std::string asked = talk("help\n", err);
    ASSERT_NE(asked.find("\"quit\", \"exit\""), std::string::npos) << asked;
    const std::string help = asked.substr(10, asked.size() - 21); // between "You have: " and "You have: \n"
    // Input, standard output with @ for the help, standard error.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"10 ft\ns\nm\nfot\n?\n-500 °F\n100 °C\nhelp\n°F\nquit\n1 m\n",
         "You have: You want: You want: \t3.048 m\nYou have: You have: @You have: You have: You want: @You want: "
         "\t212 °F\nYou have: ",
         "qelunits: cannot convert ft to s: Types Not Compatible (ft: Length [m]; s: Time [s])\n"
         "qelunits: unknown unit 'fot' at 0; did you mean 'ft'?\n"
         "qelunits: -500 °F is below absolute zero\n"},
        {"inf m\nft\n\nm\n\nexit\n", "You have: You have: You want: You have: You want: You have: ",
         "qelunits: unknown unit 'inf' at 0; did you mean 'in'?\n"},
        {"ft\n", "You have: You want: \n", ""},
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
}

} // namespace
