#include <iostream>

#include "common/cli/version.h"
#include "landforge/cli/subcommands.h"

int main(int argc, char** argv) {
    if (korvath::answerVersion(argc, argv, "landforge-cli", std::cout)) return 0;
    std::vector<std::string> args(argv + 1, argv + argc);
    return landforge::runLandforgeCli(std::move(args), std::cout, std::cerr);
}
