#include <iostream>

#include "cli/Cli.h"
#include "cli/JournalCli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    if (args.size() > 1 && args[1] == "journal")
        return orvan::cli::runJournalCli(args, std::cout, std::cerr);
    return orvan::cli::runCli(args, std::cout, std::cerr);
}
