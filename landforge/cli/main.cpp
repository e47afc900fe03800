#include <iostream>

#include "cli/cli_commands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return landforge::runLandforgeCli(std::move(args), std::cout, std::cerr);
}
