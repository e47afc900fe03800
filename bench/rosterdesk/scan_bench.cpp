// Scans a generated System folder of 400 description files (about 40,000 lines of class,
// skin, face and voice lines) and prints the scan time as a ratio to reading the files once.
// Usage: bench_rosterdesk_scan [ROUNDS]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench/rosterdesk/generated_system.h"
#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/scan.h"

namespace fs = std::filesystem;
using namespace rosterdesk;
using rosterdesk::bench::median;
using rosterdesk::bench::millisecondsOf;
using rosterdesk::bench::generateSystemFolder;

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    fs::path root = fs::temp_directory_path() / ("bench_rosterdesk_scan_" + std::to_string(::getpid()));
    std::size_t lines = generateSystemFolder(root / "System");
    SkipList skip = SkipList::parse("Pack399.int\r\n");
    SkinPatternList patterns = parsePatterns("commando,Stray7_Skins,Stray15\r\n");

    std::vector<double> reads, scans;
    std::size_t bytes = 0, models = 0;
    for (int r = 0; r < rounds; ++r) {
        reads.push_back(millisecondsOf([&] {
            bytes = 0;
            for (const fs::path& file : korvath::listFolderSorted(root / "System"))
                if (auto text = korvath::readFileBytes(file)) bytes += text->size();
        }));
        scans.push_back(millisecondsOf([&] {
            Catalogue catalogue;
            scanGame(catalogue, root, skip, patterns, BossVariant::NoFixed);
            models = 0;
            for (const ModelEntry& model : catalogue.models) models += model.isFree() ? 0 : 1;
        }));
    }
    fs::remove_all(root);
    double read = median(reads), scan = median(scans);
    std::printf("files: 400, lines: %zu, bytes: %zu, models found: %zu, rounds: %d\n", lines, bytes, models, rounds);
    std::printf("read once: %.2f ms (median)\nscan:      %.2f ms (median)\nratio:     %.2f (target at most 3.0)\n",
                read, scan, scan / read);
    return 0;
}
