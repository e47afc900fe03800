// Start-up with its splash window (offscreen) on the generated 400-file System folder, timed
// against the core scan of the same folder in the same run; prints the ratio.
// Usage: bench_rosterdesk_startup [ROUNDS]
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench/rosterdesk/generated_system.h"
#include "common/interaction/scripted_interaction.h"
#include "rosterdesk/catalogue/scan.h"
#include "rosterdesk/ui/startup_flow.h"

namespace fs = std::filesystem;
using namespace rosterdesk;
using rosterdesk::bench::median;
using rosterdesk::bench::millisecondsOf;

namespace {
void writeText(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QApplication app(argc, argv);
    fs::path root = fs::temp_directory_path() / ("bench_rosterdesk_startup_" + std::to_string(::getpid()));
    std::size_t lines = rosterdesk::bench::generateSystemFolder(root / "System");
    writeText(root / "System" / "user.ini", "");
    fs::create_directories(root / "home");
    fs::create_directories(root / "rosters");
    const std::string skipText = "Pack399.int\r\n", patternText = "commando,Stray7_Skins,Stray15\r\n";
    writeText(root / "home" / "int.ini", skipText);
    writeText(root / "home" / "pattern.ini", patternText);
    writeText(root / "home" / "options.ini", "[SplashScreen]\r\n1\r\n\r\n[KAPath]\r\n0\r\n" + (root / "rosters").string() +
                                                 "/\r\n" + root.string() + "/\r\n");
    SkipList skip = SkipList::parse(skipText);
    SkinPatternList patterns = parsePatterns(patternText);

    std::vector<double> scans, startups;
    std::size_t models = 0, startupModels = 0;
    for (int r = 0; r < rounds; ++r) {
        scans.push_back(millisecondsOf([&] {
            Catalogue catalogue;
            scanGame(catalogue, root, skip, patterns, BossVariant::NoFixed);
            models = 0;
            for (const ModelEntry& model : catalogue.models) models += model.isFree() ? 0 : 1;
        }));
        startups.push_back(millisecondsOf([&] {
            ProgramState state;
            state.home = root / "home";
            korvath::ScriptedInteraction ui;
            ui.answerDialog(0);  // the unmatched-skin window: Continue
            if (!runStartup(state, ui, [] {}, nullptr)) std::fprintf(stderr, "start-up ended early\n");
            startupModels = 0;
            for (const ModelEntry& model : state.catalogue.catalogue.models) startupModels += model.isFree() ? 0 : 1;
        }));
    }
    fs::remove_all(root);
    double scan = median(scans), startup = median(startups);
    std::printf("files: 400, lines: %zu, models found: %zu (start-up: %zu), rounds: %d\n", lines, models,
                startupModels, rounds);
    std::printf("core scan:            %.2f ms (median)\nstart-up with splash: %.2f ms (median)\n"
                "ratio:                %.2f (target at most 1.25)\n",
                scan, startup, startup / scan);
    return 0;
}
