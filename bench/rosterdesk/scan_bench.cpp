// Scans a generated System folder of 400 description files (about 40,000 lines of class,
// skin, face and voice lines) and prints the scan time as a ratio to reading the files once.
// Usage: bench_rosterdesk_scan [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/scan.h"

namespace fs = std::filesystem;
using namespace rosterdesk;

namespace {
const char* const kModels[] = {"TMale1", "TMale2", "TFemale1", "TFemale2", "TBoss", "TSkaarj", "TNali", "TCow"};
const char* const kPackages[] = {"Commando", "Soldier", "FCommando", "SGirl", "Boss", "TSkm", "TNaliMesh", "TCowMesh"};

void writeFile(const fs::path& file, const std::vector<std::string>& lines) {
    std::ofstream(file, std::ios::binary) << korvath::joinCrLf(lines);
}

// 400 files of about 100 lines each: one in ten holds bot classes, one in ten voices, the
// rest skins with their faces (one skin package in eight matches no model).
std::size_t generate(const fs::path& system) {
    fs::create_directories(system);
    std::size_t total = 0;
    for (int f = 0; f < 400; ++f) {
        std::vector<std::string> lines{"[Public]"};
        std::string id = std::to_string(f);
        if (f % 10 == 0) {
            for (int i = 0; i < 99; ++i) {
                if (i % 5 == 0)
                    lines.push_back("Object=(Name=Pack" + id + "." + kModels[i % 8] + std::to_string(i) +
                                    "Bot,Class=Class,MetaClass=BotPack.Bot,Description=\"Model " + id + "-" +
                                    std::to_string(i) + "\")");
                else
                    lines.push_back("Object=(Name=Pack" + id + ".Weapon" + std::to_string(i) +
                                    ",Class=Class,MetaClass=Engine.Weapon,Description=\"Weapon " + std::to_string(i) + "\")");
            }
        } else if (f % 10 == 1) {
            const char* kinds[] = {"VoiceMale", "VoiceFemale", "VoiceBoss"};
            for (int i = 0; i < 99; ++i)
                lines.push_back("Object=(Name=Voices" + id + ".Voice" + std::to_string(i) +
                                ",Class=Class,MetaClass=BotPack." + kinds[i % 3] + ",Description=\"Voice " + id + "-" +
                                std::to_string(i) + "\")");
        } else {
            std::string package = f % 8 == 7 ? "Stray" + id + "_Skins" : std::string(kPackages[f % 8]) + "Skins" + id;
            for (int s = 0; s < 6; ++s) {
                std::string skin = package + ".sk" + std::to_string(f % 10) + static_cast<char>('a' + s);
                lines.push_back("Object=(Name=" + skin + "1,Class=Texture,Description=\"Skin " + id + "-" +
                                std::to_string(s) + "\")");
                for (int face = 0; face < 16; ++face)
                    lines.push_back("Object=(Name=" + skin + "4Face" + std::to_string(face) +
                                    ",Class=Texture,Description=\"Face " + std::to_string(face) + "\")");
            }
        }
        total += lines.size();
        char name[32];
        std::snprintf(name, sizeof name, "Pack%03d.int", f);
        writeFile(system / name, lines);
    }
    return total;
}

double millisecondsOf(const auto& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
}  // namespace

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    fs::path root = fs::temp_directory_path() / ("bench_rosterdesk_scan_" + std::to_string(::getpid()));
    std::size_t lines = generate(root / "System");
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
