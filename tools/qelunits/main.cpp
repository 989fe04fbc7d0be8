#include "Cli.h"

#include <unistd.h>

#include <iostream>

int main(int argc, char** argv) {
    return qelunits_cli::run(argc, argv, std::cin, std::cout, std::cerr, isatty(STDIN_FILENO) != 0);
}
