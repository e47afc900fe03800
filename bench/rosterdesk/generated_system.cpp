#include "bench/rosterdesk/generated_system.h"

#include <cstdio>
#include <fstream>
#include <string>

#include "common/text/text_lines.h"

namespace fs = std::filesystem;

namespace rosterdesk::bench {

namespace {
const char* const kModels[] = {"TMale1", "TMale2", "TFemale1", "TFemale2", "TBoss", "TSkaarj", "TNali", "TCow"};
const char* const kPackages[] = {"Commando", "Soldier", "FCommando", "SGirl", "Boss", "TSkm", "TNaliMesh", "TCowMesh"};

void writeFile(const fs::path& file, const std::vector<std::string>& lines) {
    std::ofstream(file, std::ios::binary) << korvath::joinCrLf(lines);
}

}  // namespace

// 400 files of about 100 lines each: one in ten holds bot classes, one in ten voices, the
// rest skins with their faces (one skin package in eight matches no model).
std::size_t generateSystemFolder(const fs::path& system) {
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

}  // namespace rosterdesk::bench
