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
        {{"convert", "1", "m", "ft"}, 0, "3.280839895013123 ft\n", ""},
        {{"convert", "100", "°C", "°F"}, 0, "212 °F\n", ""},
        {{"convert", "-40", "degF", "degC"}, 0, "-40 °C\n", ""},
        {{"convert", "1", "sq ft", "sq in"}, 0, "144 in²\n", ""},
        {{"convert", "1", "m/s", "ft/min"}, 0, "196.85039370078738 ft/min\n", ""},
        {{"factor", "m/s", "ft/min"}, 0, "196.85039370078738\n", ""},
        // Compound units are printed in the form the parser reads back (parse_test).
        {{"convert", "1", "kg*m*min^-1", "kg*m*min^-1"}, 0, "1 kg·m·min^-1\n", ""},
        {{"convert", "2", "W/(m²·K)", "W/(m²·K)"}, 0, "2 W/(°K·m²)\n", ""},
        {{"--settings", "--foot", "survey", "convert", "1", "30", "2"}, 0, "0.3048006096012192 m\n", ""},
        {{"--version"}, 0, "qelunits 1.0.0\n", ""},
        {{"convert", "1", "ft", "s"},
         1,
         "",
         "qelunits: cannot convert ft to s: Types Not Compatible (ft: Length [m]; s: Time [s])\n"},
        {{"convert", "1", "fot", "m"}, 1, "", "qelunits: unknown unit 'fot' at 0; did you mean 'ft'?\n"},
        {{"convert", "1", "cal", "J"}, 1, "", "'cal' can also mean intl_calorie"},
        {{"factor", "°C", "°F"}, 1, "", "converts by a function"},
        {{"convert", "abc", "m", "ft"}, 2, "", "'abc' is not a number"},
        {{"convert", "1", "m"}, 2, "", "wrong number of arguments for convert"},
        {{"frob"}, 2, "", "unknown command 'frob'"},
        {{"--bogus", "types"}, 2, "", "unknown option --bogus"},
        {{"--foot", "survey", "convert", "1", "ft", "m"}, 2, "", "add --settings"},
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
        EXPECT_EQ(o.err.empty(), status == 0);
    }
}

TEST(Cli, DescribesUnitsAndTypes) {
    const Outcome info = runTool({"info", "min"});
    EXPECT_EQ(info.status, 0);
    for (const char* line : {"id: 167\n", "internal name: minute\n", "type: 3 Time [s]\n", "system: neither\n",
                             "factor to base unit: 60 sec\n", "'min' also minim"}) {
        EXPECT_NE(info.out.find(line), std::string::npos) << line;
    }
    const Outcome types = runTool({"types"});
    EXPECT_EQ(std::count(types.out.begin(), types.out.end(), '\n'), 31);
    const Outcome areas = runTool({"list", "--type", "17", "--system", "metric"});
    EXPECT_NE(areas.out.find("55\tsquare_meters\tm²\tSquare meter\n"), std::string::npos);
    EXPECT_EQ(areas.out.find("square_foot"), std::string::npos);
    EXPECT_NE(runTool({"--help"}).out.find("Usage: qelunits"), std::string::npos);
}

TEST(Cli, ReadsConversionsLineByLine) {
    const Outcome o = runTool({}, "1 m ft\n# a comment\n\n1 \"sq ft\" 'sq in'\n2 fot m\n1 m\n");
    EXPECT_EQ(o.out, "3.280839895013123 ft\n144 in²\n");
    EXPECT_NE(o.err.find("line 5: unknown unit 'fot'"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("line 6: expected VALUE FROM TO"), std::string::npos) << o.err;
    EXPECT_EQ(o.status, 2);
}

TEST(Cli, AsksOnATerminal) {
    std::istringstream in("10 ft\nm\nfot\n100 °C\n°F\n");
    std::ostringstream out;
    std::ostringstream err;
    const char* argv[] = {"qelunits"};
    EXPECT_EQ(qelunits_cli::run(1, argv, in, out, err, true), 0);
    EXPECT_EQ(out.str(), "You have: You want: \t3.048 m\nYou have: You have: You want: \t212 °F\nYou have: \n");
    EXPECT_EQ(err.str(), "qelunits: unknown unit 'fot' at 0; did you mean 'ft'?\n");
}

} // namespace
