#include "Cli.h"

#include <unistd.h>

#include <iostream>

#ifdef QELUNITS_LINE_EDITING
#include <editline/readline.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

// Line editing and a history of the session's lines on a terminal.
bool editLine(const char* prompt, std::string& line) {
    std::cout << std::flush;
    char* text = readline(prompt);
    if (text == nullptr) {
        return false;
    }
    line = text;
    if (*text != '\0') {
        add_history(text);
    }
    std::free(text);
    return true;
}

} // namespace
#endif

int main(int argc, char** argv) {
    const bool interactive = isatty(STDIN_FILENO) != 0;
    qelunits_cli::LineReader reader = nullptr;
#ifdef QELUNITS_LINE_EDITING
    if (interactive) {
        // The editor takes "°" and "²" as one character each only in the user's locale.
        std::setlocale(LC_CTYPE, "");
        reader = editLine;
    }
#endif
    return qelunits_cli::run(argc, argv, std::cin, std::cout, std::cerr, interactive, reader);
}
