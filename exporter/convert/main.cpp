// korvathexp-convert: exports a model file through the korvathexp plug-in.
#include "common/cli/version.h"
#include "exporter/convert/convert_options.h"
#include "exporter/convert/convert_run.h"

#ifdef KORVATHEXP_WINDOWS
#include "exporter/qtwindows/convert_windows.h"
#endif

#include <atomic>
#include <csignal>
#include <iostream>

namespace {

// A signal handler can reach nothing but a static; it only raises the flag. The first Ctrl-C
// cancels cleanly; a second one ends the program at once.
std::atomic<bool> g_cancel{false};

extern "C" void onInterrupt(int) {
    g_cancel.store(true);
    std::signal(SIGINT, SIG_DFL);
}

}  // namespace

int main(int argc, char** argv) {
    if (korvath::answerVersion(argc, argv, "korvathexp-convert", std::cout)) return 0;
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = korvath::convert::parseCommandLine(args);
    if (parsed.help) {
        std::cout << korvath::convert::kUsage;
        return 0;
    }
    if (!parsed.options) {
        std::cerr << "korvathexp-convert: " << parsed.error << '\n' << korvath::convert::kUsage;
        return 2;
    }
    std::signal(SIGINT, onInterrupt);
    if (parsed.options->dialog || parsed.options->about) {
#ifdef KORVATHEXP_WINDOWS
        return korvath::convert::runWithWindows(*parsed.options, std::cout, std::cerr, g_cancel);
#else
        std::cerr << "korvathexp-convert: this build has no windows (it was made without Qt); "
                     "--dialog and --about are not available\n";
        return 2;
#endif
    }
    return korvath::convert::runConvert(*parsed.options, std::cout, std::cerr, g_cancel);
}
