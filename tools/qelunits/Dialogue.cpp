// The tool without a command: the "You have:" / "You want:" dialogue on a terminal, lines of conversions
// from standard input otherwise.

#include "Tool.h"

#include <istream>
#include <ostream>

namespace qelunits_cli {
namespace {

constexpr const char* kDialogueHelp =
    R"help(At "You have:" type a quantity: a number and a unit ("10 ft", "-40 °F", "60 mi/h"),
or a unit alone for 1 of it. At "You want:" type the unit to convert it to ("m", "°C",
"km/h"); an empty answer asks "You have:" again. Units are expressions such as
"kg*m/s^2", "W/(m²·K)" or "sq ft"; "mpg" wanted in "L/100 km" converts reciprocally.
Levels convert to and from their quantities ("20 dBm" in mW, "100 mW" in dBm, "3 dB" in 1).
"quit", "exit" or the end of input leaves; "help" or "?" shows this text.
)help";

// Blank-separated words; single or double quotes keep blanks inside one word.
bool splitWords(const std::string& line, std::vector<std::string>& words) {
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (const char c : line) {
        if (quote != 0 && c == quote) {
            quote = 0;
        } else if (quote != 0) {
            word += c;
        } else if (c == '"' || c == '\'') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord) {
                words.push_back(trimmed(word));
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(trimmed(word));
    }
    return quote == 0;
}

// "VALUE FROM TO", or "QUANTITY TO" ('5 ft + 10 in' m); a blank line or a comment converts nothing.
int line(const std::string& text, Output& output, Commands& commands, bool settings, bool surveyFoot) {
    std::vector<std::string> words;
    const bool balanced = splitWords(text, words);
    if (balanced && (words.empty() || (!words[0].empty() && words[0][0] == '#'))) {
        output.out() << '\n';
        return kOk;
    }
    const int status = !balanced                        ? output.usage("unbalanced quotes")
                       : words.size() == 2 && !settings ? commands.convertQuantity(words[0], words[1], "")
                       : words.size() != 3
                           ? output.usage(settings ? "expected VALUE FROM TO" : "expected VALUE FROM TO or QUANTITY TO")
                       : settings ? commands.settingsConversion(words[0], words[1], words[2], false, surveyFoot)
                                  : commands.convert(words[0], words[1], words[2]);
    if (status != kOk) {
        output.out() << '\n';
    }
    return status;
}

// Shows prompt and reads a line, trimmed; "help" and "?" show the help and ask again. False at the end of
// input and on "quit" or "exit".
bool ask(const char* prompt, std::string& text, std::istream& in, std::ostream& out, LineReader reader) {
    for (;;) {
        if (reader == nullptr) {
            out << prompt << std::flush;
        }
        if (reader != nullptr ? !reader(prompt, text) : !std::getline(in, text)) {
            out << '\n';
            return false;
        }
        text = trimmed(text);
        if (text == "quit" || text == "exit") {
            return false;
        }
        if (text != "help" && text != "?") {
            return true;
        }
        out << kDialogueHelp;
    }
}

} // namespace

// Every input line gives one output line, empty for a comment, a blank line or a failure, so that the
// results stay in step with their inputs.
int readLines(std::istream& in, Output& output, Commands& commands, bool settings, bool surveyFoot) {
    int worst = kOk;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        output.setWhere("line " + std::to_string(number) + ": ");
        const int status = line(text, output, commands, settings, surveyFoot);
        worst = status > worst ? status : worst;
    }
    output.setWhere("");
    return worst;
}

// "You have: 10 ft" / "You want: m" until the input ends or the user leaves; a failed conversion asks
// "You want:" again.
int dialogue(std::istream& in, Output& output, Commands& commands, LineReader reader) {
    for (;;) {
        std::string have;
        if (!ask("You have: ", have, in, output.out(), reader)) {
            return kOk;
        }
        if (have.empty() || !commands.checkQuantity(have)) {
            continue;
        }
        std::string want;
        do {
            if (!ask("You want: ", want, in, output.out(), reader)) {
                return kOk;
            }
        } while (!want.empty() && commands.convertQuantity(have, want, "\t") != kOk);
    }
}

} // namespace qelunits_cli
