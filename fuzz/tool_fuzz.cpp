// The qelunits tool's argument handling on any arguments and input lines.

#include "Cli.h"
#include "FuzzTarget.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using qelunits_fuzz::require;

// Input: one flag byte (bit 0: interactive, bit 1: the last piece is standard
// input), then the arguments separated by NUL bytes.
QELUNITS_FUZZ_TARGET(tool) {
    const unsigned flags = size != 0 ? data[0] : 0U;
    const std::string rest(reinterpret_cast<const char*>(data) + (size != 0 ? 1 : 0), size != 0 ? size - 1 : 0);
    std::vector<std::string> pieces(1, "qelunits");
    for (std::size_t from = 0, at = 0; from <= rest.size() && pieces.size() < 16; from = at + 1) {
        at = std::min(rest.find('\0', from), rest.size());
        pieces.push_back(rest.substr(from, at - from));
    }
    std::istringstream input;
    if ((flags & 2U) != 0 && pieces.size() > 1) {
        input.str(pieces.back());
        pieces.pop_back();
    }
    std::vector<const char*> argv(pieces.size() + 1, nullptr); // null at the end, as a program's argv
    std::transform(pieces.begin(), pieces.end(), argv.begin(), [](const std::string& p) { return p.c_str(); });
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        qelunits_cli::run(static_cast<int>(argv.size() - 1), argv.data(), input, out, err, (flags & 1U) != 0);
    require(status >= qelunits_cli::kOk && status <= qelunits_cli::kUsageError, "exit status 0, 1 or 2");
    require(status == qelunits_cli::kOk || !err.str().empty(), "a failure says why");
    require(err.str().empty() || err.str().back() == '\n', "every message ends its line");
    // The dialogue leaves on "quit" right after its prompt; everything else ends its lines.
    require((flags & 1U) != 0 || out.str().empty() || out.str().back() == '\n', "every output ends its line");
    // Lines from standard input each give one line out, so that results stay in step with them.
    const std::string& in = input.str();
    const auto lines = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '\n') + (text.empty() || text.back() == '\n' ? 0 : 1);
    };
    require((flags & 3U) != 2U || pieces.size() != 1 || lines(out.str()) == lines(in), "one line out for each line in");
    return 0;
}
