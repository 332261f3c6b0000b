#include <iostream>

#include "cli/Cli.h"
#include "cli/JournalCli.h"

int main(int argc, char** argv) {
    return orvan::cli::runCli(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr,
                              {orvan::cli::journalGroup()});
}
