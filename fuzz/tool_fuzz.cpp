// The qelunits tool's argument handling on any arguments and input lines.

#include "Cli.h"
#include "FuzzTarget.h"

#include <sstream>
#include <string>
#include <vector>

using qelunits_fuzz::require;

// Input: one flag byte (bit 0: interactive, bit 1: the last piece is standard
// input), then the arguments separated by NUL bytes.
QELUNITS_FUZZ_TARGET(tool) {
    qelunits_fuzz::Input in(data, size);
    const auto flags = in.take<std::uint8_t>();
    const std::string rest(reinterpret_cast<const char*>(data) + (size != 0 ? 1 : 0), size != 0 ? size - 1 : 0);
    std::vector<std::string> pieces(1, "qelunits");
    std::size_t from = 0;
    for (std::size_t at = rest.find('\0'); from <= rest.size() && pieces.size() < 16; at = rest.find('\0', from)) {
        pieces.push_back(rest.substr(from, at == std::string::npos ? std::string::npos : at - from));
        from = at == std::string::npos ? rest.size() + 1 : at + 1;
    }
    std::istringstream input;
    if ((flags & 2U) != 0 && pieces.size() > 1) {
        input.str(pieces.back());
        pieces.pop_back();
    }
    std::vector<const char*> argv;
    argv.reserve(pieces.size() + 1);
    for (const std::string& p : pieces) {
        argv.push_back(p.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    argv.push_back(nullptr); // as a program's argv ends
    const int status =
        qelunits_cli::run(static_cast<int>(argv.size() - 1), argv.data(), input, out, err, (flags & 1U) != 0);
    require(status >= qelunits_cli::kOk && status <= qelunits_cli::kUsageError, "exit status 0, 1 or 2");
    require(status == qelunits_cli::kOk || !err.str().empty(), "a failure says why");
    require(err.str().empty() || err.str().back() == '\n', "every message ends its line");
    // The dialogue leaves on "quit" right after its prompt; everything else ends its lines.
    require((flags & 1U) != 0 || out.str().empty() || out.str().back() == '\n', "every output ends its line");
    return 0;
}
