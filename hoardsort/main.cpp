// Hoardsort: the window program, or --list/--extract on the command line (no display needed).
#include <iostream>
#include <optional>
#include <string>

#include "common/cli/arg_list.h"
#include "hoardsort/sorting/command_line.h"

int main(int argc, char** argv) {
    korvath::ArgList args(argc, argv);
    if (args.flag("--help")) {
        std::cout << hoardsort::usageText();
        return hoardsort::kExitOk;
    }
    std::optional<std::string> home = args.option("--home");  // the command-line modes keep no settings
    if (hoardsort::wantsCommandLine(args)) return hoardsort::runCommandLine(args, std::cout, std::cerr);
    std::cerr << "hoardsort: the window is not built yet; use --list or --extract\n";
    return hoardsort::kExitUsage;
}
