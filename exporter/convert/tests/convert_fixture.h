#pragma once
// Runs korvathexp-convert in-process against the built plug-in, as its main() would.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace korvath::convert::testing {

struct RunOutcome {
    int status = -1;
    std::string out, err;
};

RunOutcome convert(std::vector<std::string> args);

// A file of Debian's assimp-testmodels package; skips the test when the package is absent.
std::filesystem::path model(const std::string& relative);

#define KORVATH_NEED_MODEL(path)                                                              \
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "assimp-testmodels is not installed: " \
                                                     << (path)

}  // namespace korvath::convert::testing
