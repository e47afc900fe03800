// Hoardsort: the window program, or --list/--extract on the command line (no display needed).
#include <iostream>
#include <optional>
#include <string>

#include "common/cli/arg_list.h"
#include "common/cli/version.h"
#include "hoardsort/sorting/command_line.h"
#include "hoardsort/ui/app.h"

int main(int argc, char** argv) {
    if (korvath::answerVersion(argc, argv, "hoardsort", std::cout)) return hoardsort::kExitOk;
    korvath::ArgList args(argc, argv);
    if (args.flag("--help")) {
        std::cout << hoardsort::usageText();
        return hoardsort::kExitOk;
    }
    std::optional<std::string> home = args.option("--home");  // the command-line modes keep no settings
    if (hoardsort::wantsCommandLine(args)) return hoardsort::runCommandLine(args, std::cout, std::cerr);

    std::optional<std::string> screenshot = args.option("--screenshot");
    auto rest = args.positionals();
    if (!args.ok() || !rest.empty()) {
        std::cerr << "hoardsort: " << (args.ok() ? "unexpected argument " + rest.front() : args.error())
                  << "\nTry 'hoardsort --help'.\n";
        return hoardsort::kExitUsage;
    }
    return hoardsort::runWindow(argc, argv, home, screenshot);
}
