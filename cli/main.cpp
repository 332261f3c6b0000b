#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    return orvan::cli::runCli(args, std::cout, std::cerr);
}
