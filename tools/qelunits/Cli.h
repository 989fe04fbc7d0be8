#ifndef QELUNITS_TOOLS_QELUNITS_CLI_H
#define QELUNITS_TOOLS_QELUNITS_CLI_H

// The qelunits command line: argument handling and output only; every
// computation is the library's. Callable from tests and fuzzers.

#include <iosfwd>
#include <string>

namespace qelunits_cli {

/// Exit statuses.
enum Status : int { kOk = 0, kConversionError = 1, kUsageError = 2 };

/// Shows prompt and reads one line of the dialogue into line; false at the end of input.
using LineReader = bool (*)(const char* prompt, std::string& line);

/// Runs the tool on argv[0, argc) (argv[0] is the program name) with the given
/// streams; interactive selects the "You have:" dialogue when no command is given,
/// which reads its lines through reader (a line editor), or from in when reader is
/// null. Texts are UTF-8. Returns the exit status.
int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err, bool interactive,
        LineReader reader = nullptr);

} // namespace qelunits_cli

#endif
