// rosterdesk-cli: the roster and catalogue functions of Rosterdesk without a window.
#include <iostream>
#include <string>
#include <vector>

#include "rosterdesk/cli/cli_main.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return rosterdesk::runRosterdeskCli(std::move(arguments), std::cout, std::cerr);
}
