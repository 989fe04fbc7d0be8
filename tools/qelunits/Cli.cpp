#include "Cli.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitExpression.h>
#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnits.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
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

// The options in the order --help lists them; each is one bit of Options::given.
enum Option : unsigned { kSettings, kFoot, kDigits, kExact, kType, kSystem, kHelp, kVersion, kOptionCount };

constexpr unsigned bit(unsigned option) { return 1U << option; }
constexpr unsigned kSettingsOptions = bit(kSettings) | bit(kFoot);
constexpr unsigned kNumberOptions = bit(kDigits) | bit(kExact);
constexpr int kDefaultDigits = 12;
constexpr int kMaxDigits = 17;

struct OptionSpec {
    const char* name;
    const char* shortName; // null when none
    const char* value;     // what the option takes; null for a flag
    const char* help;
};

constexpr OptionSpec kOptions[kOptionCount] = {
    {"--settings", nullptr, nullptr, "read FROM and TO as settings-unit codes (30 feet, 2 meters, ...)"},
    {"--foot", nullptr, "international|survey", "the foot that settings codes for feet mean (default international)"},
    {"--digits", nullptr, "N",
     "print N significant digits, 1 to 17 (default: those the catalogue vouches for, at most 12,\n"
     "trailing zeros dropped)"},
    {"--exact", nullptr, nullptr, "print the shortest number that reads back as the same double"},
    {"--type", nullptr, "TYPE", "list the units of one type: its number, name or internal name, in any case"},
    {"--system", nullptr, "metric|imperial", "list the units of one system"},
    {"--help", "-h", nullptr, "show this text"},
    {"--version", "-V", nullptr, "show the version"},
};

constexpr const char* kDialogueHelp =
    R"help(At "You have:" type a quantity: a number and a unit ("10 ft", "-40 °F", "60 mi/h"),
or a unit alone for 1 of it. At "You want:" type the unit to convert it to ("m", "°C",
"km/h"); an empty answer asks "You have:" again. Units are expressions such as
"kg*m/s^2", "W/(m²·K)" or "sq ft"; "mpg" wanted in "L/100 km" converts reciprocally.
"quit", "exit" or the end of input leaves; "help" or "?" shows this text.
)help";

struct Options {
    std::vector<std::string> positional;
    unsigned given = 0;
    std::string values[kOptionCount];

    bool has(Option option) const { return (given & bit(option)) != 0; }
    const std::string& value(Option option) const { return values[option]; }
};

using Arguments = std::vector<std::string>; // a command's arguments, without its name
using qelunits::toString;
using qelunits::toUtf8;

// The unit of a type that is one unit to the power 1, else dimensionless.
QelUnit::BuiltinUnits singleUnit(const QelUnitType& type) {
    return type.size() == 1 && type[0].power == 1 ? type[0].unit : QelUnit::dimensionless;
}

// "Length [m]" for one unit, "[m/s]" for a compound type.
std::string dimension(const QelUnitType& type) {
    const std::string symbols = "[" + qelunits::dimension(type) + "]";
    const QelUnit::BuiltinUnits unit = singleUnit(type);
    return unit != QelUnit::dimensionless ? qelunits::displayName(QelUnit::getType(unit)) + " " + symbols : symbols;
}

// The whole text as a number, or false.
template <typename T>
bool readWhole(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const std::from_chars_result r = std::from_chars(text.data(), end, value);
    return !text.empty() && r.ec == std::errc() && r.ptr == end;
}

// A finite number: "nan" and "inf" convert to nothing useful.
bool readValue(const std::string& text, double& value) { return readWhole(text, value) && std::isfinite(value); }

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Appends item to a list joined by separator, unless the list holds it already.
void addOnce(std::string& list, const std::string& item, const char* separator) {
    if (!item.empty() && list.find(item) == std::string::npos) {
        list += (list.empty() ? "" : separator) + item;
    }
}

// "; 'cal' can also mean intl_calorie" for a name several units share, and what the
// short spellings of text mean here ("; 't' is the short ton here; ...").
std::string aboutNames(const std::string& text) {
    const std::wstring wide = qelunits::fromUtf8(text).value_or(L"");
    if (wide.empty()) {
        return "";
    }
    const QelUnitCandidates found = QelUnitParser::candidates(wide);
    std::string others;
    for (std::size_t i = 1; i < found.count; ++i) {
        addOnce(others, qelunits::internalName(found.items[i].unit), ", ");
    }
    const std::string notes = toUtf8(QelUnitParser::notes(wide));
    return (others.empty() ? "" : "; '" + text + "' can also mean " + others) + (notes.empty() ? "" : "; " + notes);
}

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

class Tool;

struct CommandSpec {
    const char* name;      // "" for no command
    const char* arguments; // as --help shows them
    std::size_t count;     // of arguments
    unsigned options;      // the options it takes besides --help and --version
    const char* help;      // further lines start with '\n'
    int (Tool::*handler)(const Arguments& arguments);
};

class Tool {
public:
    Tool(std::istream& in, std::ostream& out, std::ostream& err, LineReader reader)
        : mIn(in), mOut(out), mErr(err), mReader(reader) {}

    int run(const Options& options, bool interactive);
    bool parseOptions(int argc, const char* const* argv, Options& options);

private:
    static const CommandSpec kCommands[];
    static std::string help();
    static const CommandSpec* findCommand(const std::vector<std::string>& positional);

    int usage(const std::string& message) {
        mErr << "qelunits: " << mWhere << message << "\nTry 'qelunits --help'.\n";
        return kUsageError;
    }
    int fail(const std::string& message) {
        mErr << "qelunits: " << mWhere << message << '\n';
        return kConversionError;
    }
    std::string number(double value) const;
    std::string shown(const qelunits::Result<double>& result);
    int print(const qelunits::Result<double>& result, const std::string& lead, const std::string& unit);
    int configure(const Options& options);
    bool readExpression(const std::string& text, QelUnitExpression& expression);
    int noted(int status, const std::string& from, const std::string& to, const std::string& more = "");
    int convert(const std::string& value, const std::string& from, const std::string& to);
    template <class Reciprocal>
    int converted(const qelunits::Result<double>& result, Reciprocal reciprocal, const std::string& from,
                  const std::string& to, const std::string& lead);
    int convertedQuantity(const std::string& quantity, const std::string& to, const std::string& lead) {
        return converted(
            qelunits::convert(quantity, to), [&] { return qelunits::convertReciprocal(quantity, to); }, quantity, to,
            lead);
    }
    int factor(const std::string& from, const std::string& to);
    int settingsConversion(const std::string& value, const std::string& from, const std::string& to, bool asFactor);
    int incompatible(const std::string& from, const std::string& to, QelUnit::ErrorStatus status);
    int info(const std::string& text);
    void infoUnit(QelUnit::BuiltinUnits unit);
    void infoFactor(QelUnit::BuiltinUnits unit);
    void infoSharedNames(QelUnit::BuiltinUnits unit, std::string& notes);
    bool typeFilter(int& type) const;

    // Handlers of the command table.
    int convertCommand(const Arguments& a) {
        if (a.size() == 2) {
            // A bare number is VALUE FROM TO with an argument missing, not a quantity.
            const qelunits::Result<QelUnitVar> bare = qelunits::parseQuantity(a[0]);
            return bare && bare->GetType().size() == 0 ? usage("wrong number of arguments for convert")
                                                       : convertedQuantity(a[0], a[1], "");
        }
        return mSettings ? settingsConversion(a[0], a[1], a[2], false) : convert(a[0], a[1], a[2]);
    }
    int factorCommand(const Arguments& a) {
        return mSettings ? settingsConversion("1", a[0], a[1], true) : factor(a[0], a[1]);
    }
    int infoCommand(const Arguments& a) { return info(a[0]); }
    int list(const Arguments& a);
    int types(const Arguments& a);
    int noCommand(const Arguments& a);

    int lines();
    int line(const std::string& text);
    int dialogue();
    bool ask(const char* prompt, std::string& line);

    std::istream& mIn;
    std::ostream& mOut;
    std::ostream& mErr;
    LineReader mReader;
    const Options* mOptions = nullptr;
    std::string mWhere; // "line 3: " while reading lines
    bool mInteractive = false;
    bool mSettings = false;
    bool mExact = false;
    int mDigits = kDefaultDigits;
    QelUnitBase::FootToMeterConversion mFoot = QelUnitBase::InternationalFoot;
};

// The commands, in the order --help lists them; dispatch and help both read this table.
const CommandSpec Tool::kCommands[] = {
    {"convert", "VALUE FROM TO", 3, kSettingsOptions | kNumberOptions,
     "print VALUE in FROM converted to TO (temperatures as readings);\n"
     "convert QUANTITY TO takes a quantity with its unit: \"5 ft + 10 in\" in, \"1|3 m\" ft",
     &Tool::convertCommand},
    {"factor", "FROM TO", 2, kSettingsOptions | kNumberOptions, "print the factor from FROM to TO",
     &Tool::factorCommand},
    {"info", "UNIT", 1, kNumberOptions, "describe a unit or a unit expression", &Tool::infoCommand},
    {"list", "[--type TYPE] [--system metric|imperial]", 0, bit(kType) | bit(kSystem),
     "list the units (code, internal name, symbol, name), of one type or system", &Tool::list},
    {"types", "", 0, 0, "list the unit types", &Tool::types},
    {"", "", 0, kSettingsOptions | kNumberOptions,
     "on a terminal, ask \"You have:\" and \"You want:\" in turn (\"help\" there tells more);\n"
     "otherwise read lines \"VALUE FROM TO\" from standard input\n"
     "(quote units holding blanks: 1 \"sq ft\" \"sq m\")",
     &Tool::noCommand},
};

std::string Tool::help() {
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

const CommandSpec* Tool::findCommand(const std::vector<std::string>& positional) {
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
bool Tool::parseOptions(int argc, const char* const* argv, Options& options) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i] != nullptr ? argv[i] : "";
        const int option = findOption(arg);
        if (optionsEnded || (option < 0 && !looksLikeOption(arg))) {
            options.positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (option < 0) {
            usage("unknown option " + arg);
            return false;
        } else if (kOptions[option].value != nullptr && (i + 1 >= argc || argv[i + 1] == nullptr)) {
            usage("option " + arg + " needs a value");
            return false;
        } else {
            options.values[option] = kOptions[option].value != nullptr ? argv[++i] : "";
            options.given |= bit(static_cast<unsigned>(option));
        }
    }
    return true;
}

int Tool::run(const Options& options, bool interactive) {
    if (options.has(kHelp) || options.has(kVersion)) {
        mOut << (options.has(kHelp) ? help() : "qelunits " QELUNITS_VERSION "\n");
        return kOk;
    }
    const CommandSpec* command = findCommand(options.positional);
    if (command == nullptr) {
        return usage("unknown command '" + options.positional[0] + "'");
    }
    const std::string name = command->name;
    for (unsigned option = 0; option < kOptionCount; ++option) {
        if ((options.given & ~command->options & bit(option)) != 0) {
            return usage(std::string(kOptions[option].name) +
                         (name.empty() ? " needs a command" : " does not apply to " + name));
        }
    }
    Arguments arguments;
    for (std::size_t i = 1; i < options.positional.size(); ++i) {
        arguments.push_back(trimmed(options.positional[i]));
    }
    // convert also takes QUANTITY TO, where the quantity carries its unit; settings codes have none.
    const bool quantityTo =
        command->handler == &Tool::convertCommand && arguments.size() == 2 && !options.has(kSettings);
    if (arguments.size() != command->count && !quantityTo) {
        return usage("wrong number of arguments for " + name);
    }
    const int status = configure(options);
    mInteractive = interactive;
    mOptions = &options;
    return status != kOk ? status : (this->*command->handler)(arguments);
}

int Tool::configure(const Options& options) {
    const std::string& foot = options.value(kFoot);
    if (options.has(kFoot) && foot != "international" && foot != "survey") {
        return usage("--foot takes international or survey, not '" + foot + "'");
    }
    if (options.has(kFoot) && !options.has(kSettings)) {
        return usage("--foot applies to settings codes: add --settings");
    }
    if (options.has(kDigits) && options.has(kExact)) {
        return usage("--digits and --exact exclude each other");
    }
    const std::string& digits = options.value(kDigits);
    if (options.has(kDigits) && (!readWhole(digits, mDigits) || mDigits < 1 || mDigits > kMaxDigits)) {
        return usage("--digits takes a whole number from 1 to 17, not '" + digits + "'");
    }
    mSettings = options.has(kSettings);
    mExact = options.has(kExact);
    mFoot = foot == "survey" ? QelUnitBase::SurveyFoot : QelUnitBase::InternationalFoot;
    return kOk;
}

// value with digits significant digits, trailing zeros dropped; or the shortest text that reads back as it.
std::string written(double value, int digits, bool exact) {
    char buffer[64];
    char* const end = buffer + sizeof(buffer);
    const std::to_chars_result r = exact ? std::to_chars(buffer, end, value)
                                         : std::to_chars(buffer, end, value, std::chars_format::general, digits);
    return std::string(buffer, r.ptr);
}

std::string Tool::number(double value) const { return written(value, mDigits, mExact); }

// A result with as many digits as it vouches for, at most 12; or as --digits or --exact ask, and then a
// note where those go beyond what the catalogue's factors (codes) or the measured definitions (texts) vouch for.
std::string Tool::shown(const qelunits::Result<double>& result) {
    const bool chosen = mExact || mOptions->has(kDigits);
    const int wanted = mExact ? kMaxDigits : chosen ? mDigits : kDefaultDigits;
    const int vouched = result.digits(wanted);
    const int printed = chosen ? wanted : std::max(vouched, 1);
    const std::string digits = std::to_string(vouched) + " significant digit" + (vouched == 1 ? "" : "s");
    if (vouched < printed && result.relativeError() != 0.0) {
        mErr << "qelunits: " << mWhere << "note: the catalogue vouches for " << digits
             << " here (the factors used part from their definitions by "
             << written(std::fabs(result.relativeError()), 2, false) << ")\n";
    } else if (vouched < printed && result.uncertainty() > 0.0) {
        mErr << "qelunits: " << mWhere << "note: " << digits << " are known here (measured definitions, ±"
             << written(result.uncertainty(), 2, false) << " relative)\n";
    }
    return written(*result, printed, mExact);
}

// Prints a finite result; a result beyond the range of a double is an error, not "inf".
int Tool::print(const qelunits::Result<double>& result, const std::string& lead, const std::string& unit) {
    if (!std::isfinite(*result)) {
        return fail("the result is out of the range of a double");
    }
    mOut << lead << shown(result) << unit << '\n';
    return kOk;
}

bool Tool::readExpression(const std::string& text, QelUnitExpression& expression) {
    const QelUnitParseResult result = QelUnitParser::parseExpressionUtf8(text);
    if (!result.ok()) {
        fail(toUtf8(result.message()));
        return false;
    }
    expression = result.expression();
    return true;
}

// VALUE may be a fraction or a sum of numbers ("1|3", "1/2"), read by the library's quantity reader.
int Tool::convert(const std::string& value, const std::string& from, const std::string& to) {
    const qelunits::Result<QelUnitVar> number = qelunits::parseQuantity(value);
    if (!number || number->GetType().size() != 0) {
        return usage("'" + value + "' is not a number");
    }
    const double n = number->GetValue();
    return converted(
        qelunits::convert(n, from, to), [&] { return qelunits::convertReciprocal(n, from, to); }, from, to, "");
}

// Prints a conversion's result with to as the user wrote it, or why there is none. Units of reciprocal
// dimensions (mpg, L/100 km) convert reciprocally, said on standard error: a user asking for one by the
// other means that.
template <class Reciprocal>
int Tool::converted(const qelunits::Result<double>& result, Reciprocal reciprocal, const std::string& from,
                    const std::string& to, const std::string& lead) {
    if (result.status() != QelUnit::TypesNotCompatible) {
        return result ? noted(print(result, lead, " " + to), from, to) : fail(result.message());
    }
    const qelunits::Result<double> inverted = reciprocal();
    if (inverted.status() == QelUnit::TypesNotCompatible) {
        return incompatible(from, to, result.status());
    }
    return inverted ? noted(print(inverted, lead, " " + to), from, to, "reciprocal conversion")
                    : fail(inverted.message());
}

// A result read through a kept short spelling ("t" the short ton) or converted reciprocally says so on
// standard error.
int Tool::noted(int status, const std::string& from, const std::string& to, const std::string& more) {
    std::string notes = more;
    for (const std::string* text : {&from, &to}) {
        addOnce(notes, qelunits::notes(*text), "; ");
    }
    if (status == kOk && !notes.empty()) {
        mErr << "qelunits: " << mWhere << "note: " << notes << '\n';
    }
    return status;
}

int Tool::factor(const std::string& from, const std::string& to) {
    QelUnitExpression fromUnit;
    QelUnitExpression toUnit;
    if (!readExpression(from, fromUnit) || !readExpression(to, toUnit)) {
        return kConversionError;
    }
    double f = 0.0;
    const QelUnit::ErrorStatus status = fromUnit.GetConversionFactor(toUnit, f);
    if (status == QelUnit::CustomConversion) {
        return fail(from + " to " + to + " converts by a function, not a factor: use convert");
    }
    if (status != QelUnit::Ok) {
        return incompatible(from, to, status);
    }
    return noted(print(qelunits::Result<double>(f, 0.0, 1.0, fromUnit.uncertainty(toUnit)), "", ""), from, to);
}

// from is a unit or a quantity ("10 ft"), to a unit. A sum whose terms do not add ("1 + mm") fails with the
// same status, and is told as the reader tells it.
int Tool::incompatible(const std::string& from, const std::string& to, QelUnit::ErrorStatus status) {
    const qelunits::Result<QelUnitExpression> fromUnit = qelunits::quantityUnit(from);
    const qelunits::Result<QelUnitExpression> toUnit = qelunits::parseExpression(to);
    if (!fromUnit || !toUnit) {
        return fail(!fromUnit ? fromUnit.message() : toUnit.message());
    }
    return fail("cannot convert " + from + " to " + to + ": " + qelunits::statusMessage(status) + " (" + from + ": " +
                dimension(fromUnit->type()) + "; " + to + ": " + dimension(toUnit->type()) + ")" + aboutNames(from) +
                aboutNames(to));
}

int Tool::settingsConversion(const std::string& value, const std::string& from, const std::string& to, bool asFactor) {
    std::uint32_t codes[2] = {};
    const std::string* texts[2] = {&from, &to};
    for (int i = 0; i < 2; ++i) {
        if (!readWhole(*texts[i], codes[i])) {
            return usage("'" + *texts[i] + "' is not a settings-unit code");
        }
    }
    double number = 0.0;
    if (!readValue(value, number)) {
        return usage("'" + value + "' is not a number");
    }
    const auto fromCode = static_cast<QelUnitBase::SettingsUnits>(codes[0]);
    const auto toCode = static_cast<QelUnitBase::SettingsUnits>(codes[1]);
    if (!QelUnitBase::IsKnown(fromCode) || !QelUnitBase::IsKnown(toCode)) {
        return fail("unknown settings-unit code " + (QelUnitBase::IsKnown(fromCode) ? to : from));
    }
    const QelUnit::ErrorStatus status = asFactor ? QelUnitBase::GetConversionFactor(fromCode, mFoot, toCode, number)
                                                 : QelUnitBase::ConvertUnits(fromCode, mFoot, toCode, number);
    if (status != QelUnit::Ok) {
        return fail("cannot convert settings code " + from + " to " + to + ": " + qelunits::statusMessage(status));
    }
    const QelUnitType source(QelUnitBase::mapToBuiltin(fromCode, mFoot), 1);
    const QelUnitType target(QelUnitBase::mapToBuiltin(toCode, mFoot), 1);
    const double bound = QelUnitExpression(source).relativeError(QelUnitExpression(target));
    return print(qelunits::Result<double>(number, bound, 1.0), "", asFactor ? "" : " " + toString(target));
}

// A scaled expression first says so ("means: 1000000 × J"); the lines after describe its unit or type.
int Tool::info(const std::string& text) {
    QelUnitExpression expression;
    if (!readExpression(text, expression)) {
        return kConversionError;
    }
    const QelUnitType& type = expression.type();
    if (expression.isScaled()) {
        mOut << "means: " << number(expression.scale()) << " × " << toString(type) << '\n';
    }
    std::string notes = qelunits::notes(text);
    const QelUnit::BuiltinUnits unit = singleUnit(type);
    if (unit == QelUnit::dimensionless) {
        QelUnitType metric;
        ConversionFactor f;
        type.GetMetricConversion(metric, f);
        mOut << "expression: " << toString(type) << "\ndimension: " << dimension(type)
             << "\nfactor to SI base units: " << number(static_cast<double>(f)) << '\n';
    } else {
        infoUnit(unit);
        infoSharedNames(unit, notes);
    }
    if (!notes.empty()) {
        mOut << "note: " << notes << '\n';
    }
    return kOk;
}

void Tool::infoUnit(QelUnit::BuiltinUnits unit) {
    const QelUnit::BuiltinTypes unitType = QelUnit::getType(unit);
    const bool metric = QelUnit::isMetric(unit);
    const bool imperial = QelUnit::isImperial(unit);
    const std::string abbreviation = qelunits::defaultAbbreviation(unit);
    const std::string superscripts = qelunits::defaultAbbreviationAsVellum(unit);
    mOut << "id: " << unit << "\ninternal name: " << qelunits::internalName(unit)
         << "\nsingular: " << qelunits::singularName(unit) << "\nplural: " << qelunits::pluralName(unit)
         << "\nabbreviation: " << abbreviation
         << (superscripts != abbreviation ? "\nwith superscripts: " + superscripts : "") << "\ntype: " << unitType
         << " " << qelunits::displayName(unitType) << " [" << qelunits::dimension(QelUnitType(unit, 1)) << "]\nsystem: "
         << (metric && imperial ? "metric and imperial"
             : metric           ? "metric"
             : imperial         ? "imperial"
                                : "neither")
         << '\n';
    infoFactor(unit);
}

// The unit's factor: its definition, which texts convert with, and where the catalogue stores a rounding of
// it, that stored factor, which codes convert with, and how far apart they are.
void Tool::infoFactor(QelUnit::BuiltinUnits unit) {
    const QelUnit::BuiltinUnits base = qelunits::baseUnit(QelUnit::getType(unit));
    const std::string baseText = " " + toString(QelUnitType(base, 1));
    double f = 0.0;
    if (QelUnitBase::GetConversionFactor(unit, base, f) != QelUnit::Ok) {
        mOut << "factor to base unit: none (converts by a function)" << baseText << '\n';
        return;
    }
    const qelunits::FactorDefinition d = qelunits::factorDefinition(unit);
    if (d.text.empty()) {
        mOut << "factor to base unit: " << number(d.defined) << baseText << ", its definition, by text and code\n";
        return;
    }
    mOut << "factor to base unit: " << number(d.defined) << baseText << " (" << d.text
         << "), by text\nstored factor: " << number(f) << baseText
         << ", by code (settings codes, QelUnitType)\ndifference: " << written(d.difference, 2, false)
         << " (stored / definition - 1)\n";
    if (d.uncertainty > 0.0) {
        mOut << "uncertainty: " << written(d.uncertainty, 2, false) << " (relative, of a measured definition)\n";
    }
}

// The units that share a text with unit, and the notes on its short spellings.
void Tool::infoSharedNames(QelUnit::BuiltinUnits unit, std::string& notes) {
    const QelStringP texts[] = {QelUnit::internalName(unit), QelUnit::singularName(unit), QelUnit::pluralName(unit),
                                QelUnit::defaultAbbreviation(unit), QelUnit::defaultAbbreviationAsVellum(unit)};
    std::string shared;
    for (const QelStringP& text : texts) {
        const QelUnitCandidates found = QelUnitParser::candidates(text.c_str());
        for (std::size_t i = 0; i < found.count; ++i) {
            if (found.items[i].unit != unit) {
                addOnce(shared, "'" + toUtf8(text.c_str()) + "' also " + qelunits::internalName(found.items[i].unit),
                        ", ");
            }
        }
        addOnce(notes, toUtf8(found.note), "; ");
    }
    mOut << "shares a name with: " << (shared.empty() ? "none" : shared) << '\n';
}

// The type --type names: a number, or a display or internal name in any case; -1
// without --type. False for a text that names no type.
bool Tool::typeFilter(int& type) const {
    type = -1;
    if (!mOptions->has(kType)) {
        return true;
    }
    const std::string& text = mOptions->value(kType);
    if (!readWhole(text, type)) {
        type = QelUnit::getBuiltinType(qelunits::fromUtf8(text).value_or(L""));
    }
    return QelUnit::isValid(static_cast<QelUnit::BuiltinTypes>(type));
}

int Tool::list(const Arguments& /*unused*/) {
    int type = -1;
    if (!typeFilter(type)) {
        return usage("unknown type '" + mOptions->value(kType) + "' (see qelunits types)");
    }
    const std::string& system = mOptions->value(kSystem);
    if (mOptions->has(kSystem) && system != "metric" && system != "imperial") {
        return usage("--system takes metric or imperial, not '" + system + "'");
    }
    for (int code = 1; code < QelUnit::kUnitCount; ++code) {
        const auto unit = static_cast<QelUnit::BuiltinUnits>(code);
        const bool systemOk =
            !mOptions->has(kSystem) || (system == "metric" ? QelUnit::isMetric(unit) : QelUnit::isImperial(unit));
        if (systemOk && (type < 0 || QelUnit::getType(unit) == type)) {
            mOut << code << '\t' << qelunits::internalName(unit) << '\t' << qelunits::unitText(unit) << '\t'
                 << qelunits::singularName(unit) << '\n';
        }
    }
    return kOk;
}

int Tool::types(const Arguments& /*unused*/) {
    for (int t = 0; t < QelUnit::kTypeCount; ++t) {
        const auto type = static_cast<QelUnit::BuiltinTypes>(t);
        int units = 0;
        for (int code = 1; code < QelUnit::kUnitCount; ++code) {
            units += QelUnit::getType(static_cast<QelUnit::BuiltinUnits>(code)) == type ? 1 : 0;
        }
        const QelUnit::BuiltinUnits base = qelunits::baseUnit(type);
        mOut << t << '\t' << qelunits::displayName(type) << '\t' << units << (units == 1 ? " unit\t" : " units\t")
             << (base != QelUnit::dimensionless ? "base " + qelunits::unitText(base) : "no base unit") << '\n';
    }
    return kOk;
}

int Tool::noCommand(const Arguments& /*unused*/) {
    if (mInteractive && mSettings) {
        return usage("--settings applies to lines read from standard input, not to the dialogue");
    }
    return mInteractive ? dialogue() : lines();
}

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

// Every input line gives one output line, empty for a comment, a blank line or a failure, so that the
// results stay in step with their inputs.
int Tool::lines() {
    int worst = kOk;
    std::string text;
    for (int number = 1; std::getline(mIn, text); ++number) {
        mWhere = "line " + std::to_string(number) + ": ";
        const int status = line(text);
        worst = status > worst ? status : worst;
    }
    mWhere.clear();
    return worst;
}

// "VALUE FROM TO", or "QUANTITY TO" ('5 ft + 10 in' m); a blank line or a comment converts nothing.
int Tool::line(const std::string& text) {
    std::vector<std::string> words;
    const bool balanced = splitWords(text, words);
    if (balanced && (words.empty() || (!words[0].empty() && words[0][0] == '#'))) {
        mOut << '\n';
        return kOk;
    }
    const int status = !balanced                         ? usage("unbalanced quotes")
                       : words.size() == 2 && !mSettings ? convertedQuantity(words[0], words[1], "")
                       : words.size() != 3
                           ? usage(mSettings ? "expected VALUE FROM TO" : "expected VALUE FROM TO or QUANTITY TO")
                       : mSettings ? settingsConversion(words[0], words[1], words[2], false)
                                   : convert(words[0], words[1], words[2]);
    if (status != kOk) {
        mOut << '\n';
    }
    return status;
}

// Shows prompt and reads a line, trimmed; "help" and "?" show the help and ask
// again. False at the end of input and on "quit" or "exit".
bool Tool::ask(const char* prompt, std::string& line) {
    for (;;) {
        if (mReader == nullptr) {
            mOut << prompt << std::flush;
        }
        if (mReader != nullptr ? !mReader(prompt, line) : !std::getline(mIn, line)) {
            mOut << '\n';
            return false;
        }
        line = trimmed(line);
        if (line == "quit" || line == "exit") {
            return false;
        }
        if (line != "help" && line != "?") {
            return true;
        }
        mOut << kDialogueHelp;
    }
}

// "You have: 10 ft" / "You want: m" until the input ends or the user leaves; a
// failed conversion asks "You want:" again. A quantity is read in its own unit
// first, so that a wrong one is named before "You want:".
int Tool::dialogue() {
    for (;;) {
        std::string have;
        if (!ask("You have: ", have)) {
            return kOk;
        }
        const qelunits::Result<QelUnitExpression> quantity = qelunits::quantityUnit(have);
        const qelunits::Result<double> itself =
            quantity ? qelunits::convert(have, toString(*quantity)) : qelunits::Result<double>(0.0);
        if (have.empty() || !quantity || !itself) {
            if (!have.empty()) {
                fail(quantity ? itself.message() : quantity.message());
            }
            continue;
        }
        std::string want;
        do {
            if (!ask("You want: ", want)) {
                return kOk;
            }
        } while (!want.empty() && convertedQuantity(have, want, "\t") != kOk);
    }
}

} // namespace

int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err, bool interactive,
        LineReader reader) {
    Tool tool(in, out, err, reader);
    Options options;
    if (!tool.parseOptions(argv != nullptr ? argc : 0, argv, options)) {
        return kUsageError;
    }
    return tool.run(options, interactive);
}

} // namespace qelunits_cli
