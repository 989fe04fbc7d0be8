// The command line: its options, its command table, and the run that dispatches between them.

#include "Cli.h"

#include "Tool.h"

#include <qelunits/Definitions.h>

#include <cctype>
#include <charconv>
#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#ifndef QELUNITS_VERSION
#define QELUNITS_VERSION "unknown"
#endif

namespace qelunits_cli {
namespace {

constexpr unsigned kSettingsOptions = bit(kSettings) | bit(kFoot);
constexpr unsigned kNumberOptions = bit(kDigits) | bit(kExact);
constexpr unsigned kReadingOptions = bit(kUcum) | bit(kFile) | bit(kDefine) | bit(kContext);

struct OptionSpec {
    const char* name;
    const char* shortName; // null when none
    const char* value;     // what the option takes; null for a flag
    const char* help;
};

constexpr OptionSpec kOptions[kOptionCount] = {
    {"--settings", nullptr, nullptr, "read FROM and TO as settings-unit codes (30 feet, 2 meters, ...)"},
    {"--foot", nullptr, "international|survey", "the foot that settings codes for feet mean (default international)"},
    {"--ucum", nullptr, nullptr, "read and write units as UCUM codes (\"[ft_i]\", \"mg/dL\", \"Cel\", \"kW.h\")"},
    {"--file", nullptr, "FILE",
     "read unit definitions from FILE, one a line (\"widget = 3.5 kg; wg\"); may be repeated"},
    {"--define", nullptr, "TEXT", "a unit definition, as a line of such a file; may be repeated"},
    {"--context", nullptr, "NAME",
     "convert between the dimensions a relation links: spectroscopy (wavelength, frequency,\n"
     "wavenumber, photon energy), thermal (temperature, energy), \"chemistry(180.156 g/mol)\""},
    {"--digits", nullptr, "N",
     "print N significant digits, 1 to 17 (default: those the catalogue vouches for, at most 12,\n"
     "trailing zeros dropped)"},
    {"--exact", nullptr, nullptr, "print the shortest number that reads back as the same double"},
    {"--type", nullptr, "TYPE", "list the units of one type: its number, name or internal name, in any case"},
    {"--system", nullptr, "metric|imperial", "list the units of one system"},
    {"--help", "-h", nullptr, "show this text"},
    {"--version", "-V", nullptr, "show the version"},
};

using Arguments = std::vector<std::string>; // a command's arguments, without its name

// What a command works with: the options as given and the parts of the tool they set up.
struct Context {
    const Options& options;
    Output& output;
    Commands& commands;
    const Reading& reading;
    std::istream& in;
    LineReader reader;
    bool interactive;
    bool surveyFoot;
};

int convertCommand(Context& c, const Arguments& a) {
    if (a.size() == 2) {
        // A bare number is VALUE FROM TO with an argument missing, not a quantity.
        return c.commands.isBareNumber(a[0]) ? c.output.usage("wrong number of arguments for convert")
                                             : c.commands.convertQuantity(a[0], a[1], "");
    }
    return c.options.has(kSettings) ? c.commands.settingsConversion(a[0], a[1], a[2], false, c.surveyFoot)
                                    : c.commands.convert(a[0], a[1], a[2]);
}

int factorCommand(Context& c, const Arguments& a) {
    return c.options.has(kSettings) ? c.commands.settingsConversion("1", a[0], a[1], true, c.surveyFoot)
                                    : c.commands.factor(a[0], a[1]);
}

int infoCommand(Context& c, const Arguments& a) { return c.commands.info(a[0]); }
int listCommand(Context& c, const Arguments& /*unused*/) { return listUnits(c.output, c.options); }
int typesCommand(Context& c, const Arguments& /*unused*/) { return listTypes(c.output); }

int constantsCommand(Context& c, const Arguments& /*unused*/) { return listConstants(c.output, c.reading); }

int noCommand(Context& c, const Arguments& /*unused*/) {
    if (c.interactive && c.options.has(kSettings)) {
        return c.output.usage("--settings applies to lines read from standard input, not to the dialogue");
    }
    return c.interactive ? dialogue(c.in, c.output, c.commands, c.reader)
                         : readLines(c.in, c.output, c.commands, c.options.has(kSettings), c.surveyFoot);
}

struct CommandSpec {
    const char* name;      // "" for no command
    const char* arguments; // as --help shows them
    std::size_t count;     // of arguments
    unsigned options;      // the options it takes besides --help and --version
    const char* help;      // further lines start with '\n'
    int (*handler)(Context& context, const Arguments& arguments);
};

// The commands, in the order --help lists them; dispatch and help both read this table.
constexpr CommandSpec kCommands[] = {
    {"convert", "VALUE FROM TO", 3, kSettingsOptions | kNumberOptions | kReadingOptions,
     "print VALUE in FROM converted to TO (temperatures as readings);\n"
     "convert QUANTITY TO takes a quantity with its unit: \"5 ft + 10 in\" in, \"1|3 m\" ft;\n"
     "levels and ratios convert too: \"20 dBm\" mW, \"100 mW\" dBm, \"3 dB\" 1",
     &convertCommand},
    {"factor", "FROM TO", 2, kSettingsOptions | kNumberOptions | kReadingOptions, "print the factor from FROM to TO",
     &factorCommand},
    {"info", "UNIT", 1, kNumberOptions | kReadingOptions, "describe a unit or a unit expression", &infoCommand},
    {"list", "[--type TYPE] [--system metric|imperial]", 0, bit(kType) | bit(kSystem),
     "list the units (code, internal name, symbol, name), of one type or system", &listCommand},
    {"types", "", 0, 0, "list the unit types", &typesCommand},
    {"constants", "", 0, kReadingOptions,
     "list the physical constants (name, symbol, value, unit, relative uncertainty, source);\n"
     "their names read as units: \"speed_of_light * 1 s\" km",
     &constantsCommand},
    {"", "", 0, kSettingsOptions | kNumberOptions | kReadingOptions,
     "on a terminal, ask \"You have:\" and \"You want:\" in turn (\"help\" there tells more);\n"
     "otherwise read lines \"VALUE FROM TO\" from standard input\n"
     "(quote units holding blanks: 1 \"sq ft\" \"sq m\")",
     &noCommand},
};

// "  name ARGS" and its help, in the help column or below the name where it is too long.
void appendRow(std::string& text, const std::string& head, const char* help) {
    constexpr std::size_t kColumn = 26;
    text += "  " + head;
    text += head.size() + 4 <= kColumn ? std::string(kColumn - 2 - head.size(), ' ') : "\n" + std::string(kColumn, ' ');
    for (const char* c = help; *c != '\0'; ++c) {
        text += *c;
        text += *c == '\n' ? std::string(kColumn, ' ') : "";
    }
    text += '\n';
}

std::string help() {
    std::string text = "Usage: qelunits [OPTIONS] COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const CommandSpec& command : kCommands) {
        const std::string name = *command.name != '\0' ? command.name : "(none)";
        appendRow(text, *command.arguments != '\0' ? name + " " + command.arguments : name, command.help);
    }
    text += "\nFROM, TO and UNIT are unit expressions: \"ft\", \"km/h\", \"kg*m/s^2\", \"W/(m²·K)\", \"sq ft\", "
            "\"MJ\".\nUnits of reciprocal dimensions (mpg and L/100 km) convert reciprocally, noted on standard "
            "error.\n\nOptions:\n";
    for (const OptionSpec& option : kOptions) {
        const std::string name =
            option.shortName != nullptr ? std::string(option.shortName) + ", " + option.name : std::string(option.name);
        appendRow(text, option.value != nullptr ? name + " " + option.value : name, option.help);
    }
    return text + "\nExit status: 0 success, 1 conversion error, 2 usage error.\n";
}

const CommandSpec* findCommand(const std::vector<std::string>& positional) {
    // Only no words at all is no command: an empty word is an unknown one.
    const std::string name = positional.empty() ? "" : positional[0];
    for (const CommandSpec& command : kCommands) {
        if (name == command.name && (positional.empty() || !name.empty())) {
            return &command;
        }
    }
    return nullptr;
}

int findOption(const std::string& arg) {
    for (unsigned i = 0; i < kOptionCount; ++i) {
        if (arg == kOptions[i].name || (kOptions[i].shortName != nullptr && arg == kOptions[i].shortName)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A word that starts with '-' and then neither a digit nor a '.' ("-40" and "-.5" are values).
bool looksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && std::isdigit(static_cast<unsigned char>(arg[1])) == 0 && arg[1] != '.';
}

// Options may stand anywhere; "--" ends them.
bool parseOptions(int argc, const char* const* argv, Options& options, Output& output) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i] != nullptr ? argv[i] : "";
        const int option = findOption(arg);
        if (optionsEnded || (option < 0 && !looksLikeOption(arg))) {
            options.positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (option < 0) {
            output.usage("unknown option " + arg);
            return false;
        } else if (kOptions[option].value != nullptr && (i + 1 >= argc || argv[i + 1] == nullptr)) {
            output.usage("option " + arg + " needs a value");
            return false;
        } else {
            options.values[option] = kOptions[option].value != nullptr ? argv[++i] : "";
            options.given |= bit(static_cast<unsigned>(option));
            if (option == kFile || option == kDefine) {
                options.definitions.emplace_back(static_cast<Option>(option), options.values[option]);
            }
        }
    }
    return true;
}

// The whole text as a whole number, or false.
bool readWhole(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const std::from_chars_result r = std::from_chars(text.data(), end, value);
    return !text.empty() && r.ec == std::errc() && r.ptr == end;
}

// The options that hold for every command, checked; the output set to print numbers as they ask.
int configure(const Options& options, Output& output) {
    const std::string& foot = options.value(kFoot);
    if (options.has(kFoot) && foot != "international" && foot != "survey") {
        return output.usage("--foot takes international or survey, not '" + foot + "'");
    }
    if (options.has(kFoot) && !options.has(kSettings)) {
        return output.usage("--foot applies to settings codes: add --settings");
    }
    if (options.has(kUcum) && options.has(kSettings)) {
        return output.usage("--ucum and --settings exclude each other");
    }
    if (options.has(kDigits) && options.has(kExact)) {
        return output.usage("--digits and --exact exclude each other");
    }
    int digits = Output::kDefaultDigits;
    const std::string& text = options.value(kDigits);
    if (options.has(kDigits) && (!readWhole(text, digits) || digits < 1 || digits > Output::kMaxDigits)) {
        return output.usage("--digits takes a whole number from 1 to 17, not '" + text + "'");
    }
    output.setDigits(digits, options.has(kDigits), options.has(kExact));
    return kOk;
}

// The process's definitions with those of --file and --define over them, in the order given.
qelunits::Result<qelunits::Definitions> definitionsOf(const Options& options) {
    qelunits::Definitions definitions = qelunits::Definitions::process();
    for (const auto& [option, value] : options.definitions) {
        qelunits::Result<qelunits::Definitions> more =
            option == kFile ? definitions.withFile(value) : definitions.with(value, "--define");
        if (!more) {
            return more;
        }
        definitions = *more;
    }
    return qelunits::Result<qelunits::Definitions>(definitions);
}

int runCommand(const Options& options, Output& output, std::istream& in, bool interactive, LineReader reader) {
    if (options.has(kHelp) || options.has(kVersion)) {
        output.out() << (options.has(kHelp) ? help() : "qelunits " QELUNITS_VERSION "\n");
        return kOk;
    }
    const CommandSpec* command = findCommand(options.positional);
    if (command == nullptr) {
        return output.usage("unknown command '" + options.positional[0] + "'");
    }
    const std::string name = command->name;
    for (unsigned option = 0; option < kOptionCount; ++option) {
        if ((options.given & ~command->options & bit(option)) != 0) {
            return output.usage(std::string(kOptions[option].name) +
                                (name.empty() ? " needs a command" : " does not apply to " + name));
        }
    }
    Arguments arguments;
    for (std::size_t i = 1; i < options.positional.size(); ++i) {
        arguments.push_back(trimmed(options.positional[i]));
    }
    // convert also takes QUANTITY TO, where the quantity carries its unit; settings codes have none.
    const bool quantityTo = command->handler == &convertCommand && arguments.size() == 2 && !options.has(kSettings);
    if (arguments.size() != command->count && !quantityTo) {
        return output.usage("wrong number of arguments for " + name);
    }
    const int status = configure(options, output);
    if (status != kOk) {
        return status;
    }
    // Definitions layer over the process's set in the order given; every text this run reads, reads with them.
    const qelunits::Result<qelunits::Definitions> definitions = definitionsOf(options);
    if (!definitions) {
        return output.fail(definitions);
    }
    const qelunits::Definitions::Scope scope(*definitions);
    Reading reading;
    reading.ucum = options.has(kUcum);
    if (options.has(kContext)) {
        const qelunits::Result<qelunits::Context> context = qelunits::Context::byName(options.value(kContext));
        if (!context) {
            return output.fail(context);
        }
        reading.context = *context;
    }
    Commands commands(output, reading);
    Context context{options, output, commands, reading, in, reader, interactive, options.value(kFoot) == "survey"};
    return command->handler(context, arguments);
}

} // namespace

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err, bool interactive,
        LineReader reader) {
    Output output(out, err);
    Options options;
    if (!parseOptions(argv != nullptr ? argc : 0, argv, options, output)) {
        return kUsageError;
    }
    return runCommand(options, output, in, interactive, reader);
}

} // namespace qelunits_cli
