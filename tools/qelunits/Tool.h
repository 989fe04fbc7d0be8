#ifndef QELUNITS_TOOLS_QELUNITS_TOOL_H
#define QELUNITS_TOOLS_QELUNITS_TOOL_H

// The parts of the qelunits tool, between its entry (Cli.cpp: the command table
// and the options), its commands (Commands.cpp, Listings.cpp), its output
// (Output.cpp) and its dialogue (Dialogue.cpp).

#include "Cli.h"

#include <qelunits/Contexts.h>
#include <qelunits/Error.h>
#include <qelunits/Levels.h>
#include <qelunits/Quantity.h>

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qelunits_cli {

// The options in the order --help lists them; each is one bit of Options::given.
enum Option : unsigned {
    kSettings,
    kFoot,
    kUcum,
    kFile,
    kDefine,
    kContext,
    kDigits,
    kExact,
    kType,
    kSystem,
    kHelp,
    kVersion,
    kOptionCount
};

/// The bit of an option in Options::given and CommandSpec::options.
constexpr unsigned bit(unsigned option) { return 1U << option; }

/// The words of the command line after the options are taken out.
struct Options {
    std::vector<std::string> positional;
    unsigned given = 0;
    std::string values[kOptionCount];
    /// --file and --define, each may be given again: in the order given, the option and its value.
    std::vector<std::pair<Option, std::string>> definitions;

    bool has(Option option) const { return (given & bit(option)) != 0; }
    const std::string& value(Option option) const { return values[option]; }
};

/// How the commands and the dialogue read the user's unit and quantity texts. Options that change the reading
/// (a dialect today; definitions and contexts later) set it once, and every text goes through it.
struct Reading {
    bool ucum = false;                        // unit texts are UCUM codes
    std::optional<qelunits::Context> context; // converts between the dimensions it relates, where given

    /// The unit a unit text means.
    qelunits::Result<qelunits::Unit> unit(std::string_view text) const;
    /// The quantity a quantity text means ("5 ft + 10 in"; in UCUM a number and a code: "5 [ft_i]").
    qelunits::Result<qelunits::Quantity> quantity(std::string_view text) const;
    /// A unit text as the library's text layer reads it: the text itself, or the symbol of a UCUM code.
    qelunits::Result<std::string> unitText(std::string_view text) const;
    /// A quantity text as the library's text layer reads it.
    qelunits::Result<std::string> quantityText(std::string_view text) const;
    /// How the tool writes a unit it worked out: its symbol, or its UCUM code.
    std::string written(const qelunits::Unit& unit) const;
};

/// A number with digits significant digits, trailing zeros dropped; or the shortest text that reads back as it.
std::string written(double value, int digits, bool exact);

/// A catalogue unit's symbol as the world writes it ("s", "h", "kWh", "L"), which reads back as the unit.
std::string symbolOf(QelUnit::BuiltinUnits unit);

/// Standard output and error, and how numbers are shown on them.
class Output {
public:
    static constexpr int kDefaultDigits = 12;
    static constexpr int kMaxDigits = 17;

    Output(std::ostream& out, std::ostream& err) : mOut(out), mErr(err) {}

    std::ostream& out() { return mOut; }
    /// Where the messages are ("line 3: " while reading lines).
    void setWhere(std::string where) { mWhere = std::move(where); }
    /// --digits N (chosen) or --exact.
    void setDigits(int digits, bool chosen, bool exact) {
        mDigits = digits;
        mChosen = chosen;
        mExact = exact;
    }

    /// A usage error, with the hint to --help.
    int usage(const std::string& message);
    /// A failure to convert.
    int fail(const std::string& message);
    /// A failure of the library, with the exit status its kind maps to.
    template <class T>
    int fail(const qelunits::Result<T>& result) {
        fail(result.message());
        return exitStatus(result.kind());
    }
    /// A note on standard error.
    void note(const std::string& text);
    /// The one mapping of the library's error kinds to exit statuses.
    static int exitStatus(qelunits::ErrorKind kind) {
        return kind == qelunits::ErrorKind::None ? kOk : kConversionError;
    }

    /// A number as --digits or --exact ask.
    std::string number(double value) const { return written(value, mDigits, mExact); }
    /// A result with the digits it vouches for, at most 12, or as many as asked, noting those beyond what
    /// the definitions or the catalogue vouch for.
    std::string shown(const qelunits::Result<double>& result);
    /// Prints lead, a finite result and unit on a line; a result beyond the range of a double fails.
    int print(const qelunits::Result<double>& result, const std::string& lead, const std::string& unit);

private:
    std::ostream& mOut;
    std::ostream& mErr;
    std::string mWhere;
    int mDigits = kDefaultDigits;
    bool mChosen = false;
    bool mExact = false;
};

/// The commands on the texts the user gave: each prints its result or why there is none, and returns the
/// exit status.
class Commands {
public:
    Commands(Output& output, const Reading& reading) : mOutput(output), mReading(reading) {}

    /// VALUE FROM TO: a number in from, converted to to (levels too: 20 dBm in mW).
    int convert(const std::string& value, const std::string& from, const std::string& to);
    /// QUANTITY TO; lead goes before the result ("\t" in the dialogue).
    int convertQuantity(const std::string& quantity, const std::string& to, const std::string& lead);
    /// True for a text that is a number alone, which convert QUANTITY TO takes for VALUE FROM TO short of one.
    bool isBareNumber(const std::string& text) const;
    /// The factor from from to to.
    int factor(const std::string& from, const std::string& to);
    /// Describes a unit or a unit expression.
    int info(const std::string& text);
    /// Settings codes: value in code from converted to code to (or the factor), by the catalogue's factors.
    int settingsConversion(const std::string& value, const std::string& from, const std::string& to, bool asFactor,
                           bool surveyFoot);
    /// A quantity text of the dialogue's "You have:", checked before it asks "You want:"; false after saying why.
    bool checkQuantity(const std::string& quantity);

private:
    int converted(const qelunits::Result<double>& result, const qelunits::Result<double>& reciprocal,
                  const std::string& from, const std::string& to, const std::string& lead);
    int incompatible(const std::string& from, const std::string& to);
    int noted(int status, const std::string& from, const std::string& to, const std::string& more = "");
    int level(const std::string& value, const std::string& from, const std::string& to, const std::string& lead,
              bool& done);
    int inContext(const qelunits::Result<qelunits::Quantity>& quantity, const std::string& to, const std::string& lead,
                  bool& done);
    qelunits::Result<qelunits::Level> levelOf(const std::string& value, const std::string& from) const;
    int fromLevel(const qelunits::Level& source, const std::string& from, const std::string& to,
                  const std::string& lead);
    void infoUnit(QelUnit::BuiltinUnits unit);
    void infoFactor(QelUnit::BuiltinUnits unit);
    void infoSharedNames(QelUnit::BuiltinUnits unit, std::string& notes);

    Output& mOutput;
    const Reading& mReading;
};

/// list [--type TYPE] [--system metric|imperial]: the catalogue's units.
int listUnits(Output& output, const Options& options);
/// types: the catalogue's unit types.
int listTypes(Output& output);
/// constants: the physical constants with value, unit, uncertainty and source.
int listConstants(Output& output, const Reading& reading);

/// The lines of standard input, "VALUE FROM TO" or "QUANTITY TO" each, one output line for each.
int readLines(std::istream& in, Output& output, Commands& commands, bool settings, bool surveyFoot);
/// The "You have:" / "You want:" dialogue, reading its lines through reader, or from in when it is null.
int dialogue(std::istream& in, Output& output, Commands& commands, LineReader reader);

/// The text without blanks at its ends.
std::string trimmed(const std::string& text);

} // namespace qelunits_cli

#endif
