#include "common/cli/version.h"

#include <string_view>

#include "korvath_config.h"

namespace korvath {

bool versionRequested(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--") return false;
        if (arg == "--version") return true;
    }
    return false;
}

void printVersion(std::string_view programName, std::ostream& out) {
    out << programName << ' ' << KORVATH_VERSION << '\n';
}

bool answerVersion(int argc, const char* const* argv, std::string_view programName, std::ostream& out) {
    if (!versionRequested(argc, argv)) return false;
    printVersion(programName, out);
    return true;
}

}  // namespace korvath
