#include "Cli.h"

#include <qelunits/QelUnitBase.h>
#include <qelunits/QelUnitParser.h>
#include <qelunits/QelUnitVar.h>
#include <qelunits/QelUnits.h>

#include <charconv>
#include <cmath>
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

constexpr const char* kUsage =
    R"usage(Usage: qelunits [OPTIONS] COMMAND [ARGUMENTS]

Commands:
  convert VALUE FROM TO   print VALUE in FROM converted to TO (temperatures as readings)
  factor FROM TO          print the factor from FROM to TO
  info UNIT               describe a unit
  list [--type TYPE] [--system metric|imperial]
                          list the units, of one type (number or name) or system
  types                   list the unit types
  (none)                  on a terminal, ask "You have:" and "You want:" in turn;
                          otherwise read lines "VALUE FROM TO" from standard input
                          (quote units holding blanks: 1 "sq ft" "sq m")

FROM, TO and UNIT are unit expressions: "ft", "m/s", "kg*m/s^2", "W/(m²·K)", "sq ft".

Options:
  --settings              read FROM and TO as settings-unit codes (30 feet, 2 meters, ...)
  --foot international|survey
                          the foot that settings codes for feet mean (default international)
  --help                  show this text
  --version               show the version

Exit status: 0 success, 1 conversion error, 2 usage error.
)usage";

std::string utf8(const wchar_t* text) { return QelUnitParser::toUtf8(text != nullptr ? text : L""); }

std::string number(double value) {
    char buffer[64];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof(buffer), value);
    return std::string(buffer, r.ptr);
}

std::string written(const QelUnitType& type) { return utf8(QelUnitParser::format(type).c_str()); }

// The unit of a type that is one unit to the power 1, else dimensionless.
QelUnit::BuiltinUnits singleUnit(const QelUnitType& type) {
    return type.size() == 1 && type[0].power == 1 ? type[0].unit : QelUnit::dimensionless;
}

// "Length [m]" for one unit, "[m/s]" for a compound type.
std::string dimension(const QelUnitType& type) {
    const std::string symbols = "[" + utf8(QelUnitParser::formatDimension(type).c_str()) + "]";
    const QelUnit::BuiltinUnits unit = singleUnit(type);
    return unit != QelUnit::dimensionless ? utf8(QelUnit::displayName(QelUnit::getType(unit))) + " " + symbols
                                          : symbols;
}

// A finite number: "nan" and "inf" convert to nothing useful.
bool readValue(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const std::from_chars_result r = std::from_chars(text.data(), end, value);
    return !text.empty() && r.ec == std::errc() && r.ptr == end && std::isfinite(value);
}

struct Options {
    std::vector<std::string> positional;
    bool help = false;
    bool version = false;
    bool settings = false;
    std::string foot;
    std::string type;
    std::string system;
};

class Tool {
public:
    Tool(std::istream& in, std::ostream& out, std::ostream& err) : mIn(in), mOut(out), mErr(err) {}

    int run(const Options& options, bool interactive);
    bool parseOptions(int argc, const char* const* argv, Options& options);
    int usage(const std::string& message) {
        mErr << "qelunits: " << mWhere << message << "\nTry 'qelunits --help'.\n";
        return kUsageError;
    }

private:
    int fail(const std::string& message) {
        mErr << "qelunits: " << mWhere << message << '\n';
        return kConversionError;
    }
    // Prints a finite result; a result beyond the range of a double is an error, not "inf".
    int print(double value, const std::string& lead, const std::string& unit) {
        if (!std::isfinite(value)) {
            return fail("the result is out of the range of a double");
        }
        mOut << lead << number(value) << unit << '\n';
        return kOk;
    }
    bool readUnit(const std::string& text, QelUnitType& type);
    std::string alternatives(const std::string& text);
    int convert(const std::string& value, const std::string& from, const std::string& to);
    int convertTypes(double value, const std::string& from, const QelUnitType& fromType, const std::string& to,
                     const std::string& lead);
    int factor(const std::string& from, const std::string& to);
    int settingsConversion(const std::string& value, const std::string& from, const std::string& to, bool asFactor);
    int incompatible(const std::string& from, const QelUnitType& fromType, const std::string& to,
                     const QelUnitType& toType, QelUnit::ErrorStatus status);
    int info(const std::string& text);
    void infoSharedNames(QelUnit::BuiltinUnits unit);
    int list(const Options& options);
    int types();
    int lines();
    int dialogue();

    std::istream& mIn;
    std::ostream& mOut;
    std::ostream& mErr;
    std::string mWhere; // "line 3: " while reading lines
    bool mSettings = false;
    QelUnitBase::FootToMeterConversion mFoot = QelUnitBase::InternationalFoot;
};

// Options may stand anywhere; "--" ends them; "-40" is a value, not an option.
bool Tool::parseOptions(int argc, const char* const* argv, Options& options) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i] != nullptr ? argv[i] : "";
        const bool takesValue = arg == "--foot" || arg == "--type" || arg == "--system";
        if (optionsEnded || arg.size() < 2 || arg[0] != '-' || (arg[1] != '-' && arg != "-h" && arg != "-V")) {
            options.positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version" || arg == "-V") {
            options.version = true;
        } else if (arg == "--settings") {
            options.settings = true;
        } else if (takesValue && i + 1 < argc && argv[i + 1] != nullptr) {
            (arg == "--foot" ? options.foot : arg == "--type" ? options.type : options.system) = argv[++i];
        } else {
            usage(takesValue ? "option " + arg + " needs a value" : "unknown option " + arg);
            return false;
        }
    }
    return true;
}

int Tool::run(const Options& options, bool interactive) {
    if (options.help || options.version) {
        mOut << (options.help ? kUsage : "qelunits " QELUNITS_VERSION "\n");
        return kOk;
    }
    if (!options.foot.empty() && options.foot != "international" && options.foot != "survey") {
        return usage("--foot takes international or survey, not '" + options.foot + "'");
    }
    if (!options.foot.empty() && !options.settings) {
        return usage("--foot applies to settings codes: add --settings");
    }
    mSettings = options.settings;
    mFoot = options.foot == "survey" ? QelUnitBase::SurveyFoot : QelUnitBase::InternationalFoot;
    const std::vector<std::string>& args = options.positional;
    const std::string command = args.empty() ? "" : args[0];
    const std::size_t count = args.size();
    if ((!options.type.empty() || !options.system.empty()) && command != "list") {
        return usage("--type and --system apply to list");
    }
    if (args.empty()) {
        return interactive ? dialogue() : lines();
    }
    if (command == "convert" && count == 4) {
        return mSettings ? settingsConversion(args[1], args[2], args[3], false) : convert(args[1], args[2], args[3]);
    }
    if (command == "factor" && count == 3) {
        return mSettings ? settingsConversion("1", args[1], args[2], true) : factor(args[1], args[2]);
    }
    if (mSettings && command != "convert" && command != "factor") {
        return usage("--settings applies to convert and factor");
    }
    if (command == "info" && count == 2) {
        return info(args[1]);
    }
    if ((command == "list" && count == 1) || (command == "types" && count == 1)) {
        return command == "list" ? list(options) : types();
    }
    const bool known =
        command == "convert" || command == "factor" || command == "info" || command == "list" || command == "types";
    return usage(known ? "wrong number of arguments for " + command : "unknown command '" + command + "'");
}

bool Tool::readUnit(const std::string& text, QelUnitType& type) {
    const QelUnitParseResult result = QelUnitParser::parseUtf8(text);
    if (!result.ok()) {
        fail(utf8(result.message()));
        return false;
    }
    type = result.type();
    return true;
}

// "; 'cal' can also mean intl_calorie" for a name several units share.
std::string Tool::alternatives(const std::string& text) {
    std::wstring name;
    if (!QelUnitParser::fromUtf8(text, name)) {
        return "";
    }
    const QelUnitCandidates found = QelUnitParser::candidates(name);
    std::string others;
    for (std::size_t i = 1; i < found.count; ++i) {
        others += (others.empty() ? "" : ", ") + utf8(QelUnit::internalName(found.items[i].unit));
    }
    return others.empty() ? "" : "; '" + text + "' can also mean " + others;
}

int Tool::incompatible(const std::string& from, const QelUnitType& fromType, const std::string& to,
                       const QelUnitType& toType, QelUnit::ErrorStatus status) {
    return fail("cannot convert " + from + " to " + to + ": " + utf8(QelUnitBase::GetStatusMessage(status)) + " (" +
                from + ": " + dimension(fromType) + "; " + to + ": " + dimension(toType) + ")" + alternatives(from) +
                alternatives(to));
}

int Tool::convert(const std::string& value, const std::string& from, const std::string& to) {
    double number = 0.0;
    if (!readValue(value, number)) {
        return usage("'" + value + "' is not a number");
    }
    QelUnitType fromType;
    return readUnit(from, fromType) ? convertTypes(number, from, fromType, to, "") : kConversionError;
}

int Tool::convertTypes(double value, const std::string& from, const QelUnitType& fromType, const std::string& to,
                       const std::string& lead) {
    QelUnitType toType;
    if (!readUnit(to, toType)) {
        return kConversionError;
    }
    QelUnitVar result;
    const QelUnit::ErrorStatus status = QelUnitVar::Convert(QelUnitVar(value, fromType), toType, result);
    if (status != QelUnit::Ok) {
        return incompatible(from, fromType, to, toType, status);
    }
    return print(result.GetValue(), lead, " " + written(toType));
}

int Tool::factor(const std::string& from, const std::string& to) {
    QelUnitType fromType;
    QelUnitType toType;
    if (!readUnit(from, fromType) || !readUnit(to, toType)) {
        return kConversionError;
    }
    ConversionFactor f;
    const QelUnit::ErrorStatus status = fromType.GetConversionFactor(toType, f);
    if (status == QelUnit::CustomConversion) {
        return fail(from + " to " + to + " converts by a function, not a factor: use convert");
    }
    if (status != QelUnit::Ok) {
        return incompatible(from, fromType, to, toType, status);
    }
    return print(static_cast<double>(f), "", "");
}

int Tool::settingsConversion(const std::string& value, const std::string& from, const std::string& to, bool asFactor) {
    double number = 0.0;
    std::uint32_t codes[2] = {};
    const std::string* texts[2] = {&from, &to};
    for (int i = 0; i < 2; ++i) {
        const std::string& text = *texts[i];
        const std::from_chars_result r = std::from_chars(text.data(), text.data() + text.size(), codes[i]);
        if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size()) {
            return usage("'" + text + "' is not a settings-unit code");
        }
    }
    if (!readValue(value, number)) {
        return usage("'" + value + "' is not a number");
    }
    const auto fromCode = static_cast<QelUnitBase::SettingsUnits>(codes[0]);
    const auto toCode = static_cast<QelUnitBase::SettingsUnits>(codes[1]);
    const QelUnit::ErrorStatus status = asFactor ? QelUnitBase::GetConversionFactor(fromCode, mFoot, toCode, number)
                                                 : QelUnitBase::ConvertUnits(fromCode, mFoot, toCode, number);
    if (status != QelUnit::Ok) {
        return fail("cannot convert settings code " + from + " to " + to + ": " +
                    utf8(QelUnitBase::GetStatusMessage(status)));
    }
    const QelUnitType target(QelUnitBase::mapToBuiltin(toCode, mFoot), 1);
    return print(number, "", asFactor ? "" : " " + written(target));
}

int Tool::info(const std::string& text) {
    QelUnitType type;
    if (!readUnit(text, type)) {
        return kConversionError;
    }
    const QelUnit::BuiltinUnits unit = singleUnit(type);
    if (unit == QelUnit::dimensionless) {
        QelUnitType metric;
        ConversionFactor f;
        type.GetMetricConversion(metric, f);
        mOut << "expression: " << written(type) << "\ndimension: " << dimension(type)
             << "\nfactor to SI base units: " << number(static_cast<double>(f)) << '\n';
        return kOk;
    }
    const QelUnit::BuiltinTypes unitType = QelUnit::getType(unit);
    const bool metric = QelUnit::isMetric(unit);
    const bool imperial = QelUnit::isImperial(unit);
    mOut << "id: " << unit << "\ninternal name: " << utf8(QelUnit::internalName(unit))
         << "\nsingular: " << utf8(QelUnit::singularName(unit)) << "\nplural: " << utf8(QelUnit::pluralName(unit))
         << "\nabbreviation: " << utf8(QelUnit::defaultAbbreviation(unit).c_str())
         << "\nVellum form: " << utf8(QelUnit::defaultAbbreviationAsVellum(unit).c_str()) << "\ntype: " << unitType
         << " " << utf8(QelUnit::displayName(unitType)) << " [" << utf8(QelUnitParser::formatDimension(type).c_str())
         << "]\nsystem: "
         << (metric && imperial ? "metric and imperial"
             : metric           ? "metric"
             : imperial         ? "imperial"
                                : "neither")
         << '\n';
    const QelUnit::BuiltinUnits base = QelUnitParser::baseUnit(unitType);
    double f = 0.0;
    const QelUnit::ErrorStatus status = QelUnitBase::GetConversionFactor(unit, base, f);
    mOut << "factor to base unit: " << (status == QelUnit::Ok ? number(f) : "none (converts by a function)") << ' '
         << written(QelUnitType(base, 1)) << '\n';
    infoSharedNames(unit);
    return kOk;
}

void Tool::infoSharedNames(QelUnit::BuiltinUnits unit) {
    const QelStringP texts[] = {QelUnit::internalName(unit), QelUnit::singularName(unit), QelUnit::pluralName(unit),
                                QelUnit::defaultAbbreviation(unit), QelUnit::defaultAbbreviationAsVellum(unit)};
    std::string shared;
    for (const QelStringP& text : texts) {
        const QelUnitCandidates found = QelUnitParser::candidates(text.c_str());
        for (std::size_t i = 0; i < found.count; ++i) {
            const std::string entry =
                "'" + utf8(text.c_str()) + "' also " + utf8(QelUnit::internalName(found.items[i].unit));
            if (found.items[i].unit != unit && shared.find(entry) == std::string::npos) {
                shared += (shared.empty() ? "" : ", ") + entry;
            }
        }
    }
    mOut << "shares a name with: " << (shared.empty() ? "none" : shared) << '\n';
}

int Tool::list(const Options& options) {
    int type = -1;
    if (!options.type.empty()) {
        for (int t = 0; t < QelUnit::kTypeCount && type < 0; ++t) {
            const auto code = static_cast<QelUnit::BuiltinTypes>(t);
            if (options.type == std::to_string(t) || options.type == utf8(QelUnit::displayName(code))) {
                type = t;
            }
        }
        if (type < 0) {
            return usage("unknown type '" + options.type + "' (see qelunits types)");
        }
    }
    if (!options.system.empty() && options.system != "metric" && options.system != "imperial") {
        return usage("--system takes metric or imperial, not '" + options.system + "'");
    }
    for (int code = 1; code < QelUnit::kUnitCount; ++code) {
        const auto unit = static_cast<QelUnit::BuiltinUnits>(code);
        const bool systemOk = options.system.empty() ||
                              (options.system == "metric" ? QelUnit::isMetric(unit) : QelUnit::isImperial(unit));
        if (systemOk && (type < 0 || QelUnit::getType(unit) == type)) {
            mOut << code << '\t' << utf8(QelUnit::internalName(unit)) << '\t' << utf8(QelUnitParser::unitText(unit))
                 << '\t' << utf8(QelUnit::singularName(unit)) << '\n';
        }
    }
    return kOk;
}

int Tool::types() {
    for (int t = 0; t < QelUnit::kTypeCount; ++t) {
        const auto type = static_cast<QelUnit::BuiltinTypes>(t);
        int units = 0;
        for (int code = 1; code < QelUnit::kUnitCount; ++code) {
            units += QelUnit::getType(static_cast<QelUnit::BuiltinUnits>(code)) == type ? 1 : 0;
        }
        const QelUnit::BuiltinUnits base = QelUnitParser::baseUnit(type);
        mOut << t << '\t' << utf8(QelUnit::displayName(type)) << '\t' << units << " units\t"
             << (base != QelUnit::dimensionless ? "base " + utf8(QelUnitParser::unitText(base)) : "no base unit")
             << '\n';
    }
    return kOk;
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
                words.push_back(word);
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(word);
    }
    return quote == 0;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

int Tool::lines() {
    int worst = kOk;
    std::string line;
    for (int number = 1; std::getline(mIn, line); ++number) {
        std::vector<std::string> words;
        mWhere = "line " + std::to_string(number) + ": ";
        int status = kOk;
        if (!splitWords(line, words)) {
            status = usage("unbalanced quotes");
        } else if (words.empty() || words[0][0] == '#') {
            continue;
        } else if (words.size() != 3) {
            status = usage("expected VALUE FROM TO");
        } else {
            status = mSettings ? settingsConversion(words[0], words[1], words[2], false)
                               : convert(words[0], words[1], words[2]);
        }
        worst = status > worst ? status : worst;
    }
    mWhere.clear();
    return worst;
}

// "You have: 10 ft" / "You want: m" until the input ends.
int Tool::dialogue() {
    std::string have;
    for (;;) {
        mOut << "You have: " << std::flush;
        if (!std::getline(mIn, have)) {
            mOut << '\n';
            return kOk;
        }
        have = trimmed(have);
        const std::size_t blank = have.find_first_of(" \t");
        double value = 1.0;
        if (blank != std::string::npos && readValue(have.substr(0, blank), value)) {
            have = trimmed(have.substr(blank));
        }
        QelUnitType fromType;
        if (have.empty() || !readUnit(have, fromType)) {
            continue;
        }
        std::string want;
        mOut << "You want: " << std::flush;
        if (!std::getline(mIn, want)) {
            mOut << '\n';
            return kOk;
        }
        if (!trimmed(want).empty()) {
            convertTypes(value, have, fromType, trimmed(want), "\t");
        }
    }
}
} // namespace

int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err, bool interactive) {
    Tool tool(in, out, err);
    Options options;
    if (!tool.parseOptions(argv != nullptr ? argc : 0, argv, options)) {
        return kUsageError;
    }
    return tool.run(options, interactive);
}

} // namespace qelunits_cli
