// rosterdesk-cli: the roster and catalogue functions of Rosterdesk without a window.
#include <iostream>
#include <string>
#include <vector>

#include "common/cli/version.h"
#include "rosterdesk/cli/cli_main.h"

int main(int argc, char** argv) {
    if (korvath::answerVersion(argc, argv, "rosterdesk-cli", std::cout)) return 0;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return rosterdesk::runRosterdeskCli(std::move(arguments), std::cout, std::cerr);
}
