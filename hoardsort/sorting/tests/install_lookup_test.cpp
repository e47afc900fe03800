#include "hoardsort/sorting/install_lookup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;

namespace hoardsort {
namespace {

constexpr const char* kKey = "Software\\Korvath Technology\\Installed Apps\\KorvathArena";

// system.reg as Wine writes it: key names and strings with backslashes doubled.
constexpr const char* kSystemReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Korvath Technology\\\\Installed Apps] 1700000000\n"
    "#time=1d9f0c2a1b2c3d4\n"
    "\"Folder\"=\"C:\\\\Wrong\"\n"
    "\n"
    "[Software\\\\korvath technology\\\\Installed Apps\\\\KorvathArena] 1700000001\n"
    "#time=1d9f0c2a1b2c3d5\n"
    "\"Version\"=dword:000001a4\n"
    "\"Expand\"=str(2):\"%ProgramFiles%\\\\Arena\"\n"
    "\"Quoted\"=\"say \\\"hi\\\"\\tthere \\x00e9\"\n"
    "\"Cut\"=\"C:\\\\Games\\\\Arena\\0rubbish\"\n"
    "\"folder\"=\"C:\\\\Games\\\\Arena\"\n"
    "\n"
    "[Software\\\\Other] 1700000002\n"
    "\"Folder\"=\"D:\\\\Other\"\n";

TEST(WineRegistry, ReadsPlainStringOfTheKeyWithoutRegardToCase) {
    EXPECT_EQ(readWineRegistryString(kSystemReg, kKey, "Folder"), "C:\\Games\\Arena");
    EXPECT_EQ(readWineRegistryString(kSystemReg, kKey, "Quoted"), "say \"hi\"\tthere \xc3\xa9");
    // Text after a NUL is dropped.
    EXPECT_EQ(readWineRegistryString(kSystemReg, kKey, "Cut"), "C:\\Games\\Arena");
    EXPECT_EQ(readWineRegistryString(kSystemReg, "Software\\Other", "Folder"), "D:\\Other");
}

TEST(WineRegistry, OtherTypesAndMissingNamesGiveNothing) {
    EXPECT_FALSE(readWineRegistryString(kSystemReg, kKey, "Version"));
    EXPECT_FALSE(readWineRegistryString(kSystemReg, kKey, "Expand"));
    EXPECT_FALSE(readWineRegistryString(kSystemReg, kKey, "Missing"));
    EXPECT_FALSE(readWineRegistryString(kSystemReg, "Software\\Nobody", "Folder"));
    // Broken input: an unterminated string or key name.
    EXPECT_FALSE(readWineRegistryString("[Software\\\\Other]\n\"Folder\"=\"C:\\\\x", "Software\\Other", "Folder"));
    EXPECT_FALSE(readWineRegistryString("[Software\\\\Other\n\"Folder\"=\"C:\"", "Software\\Other", "Folder"));
    EXPECT_FALSE(readWineRegistryString("", kKey, "Folder"));
}

#ifndef _WIN32  // Linux reads a Wine prefix's files; Windows asks the registry itself
// A Wine prefix with drive_c and the dosdevices link Wine makes for it.
struct Prefix {
    korvath::testing::TempDir dir;
    Prefix() {
        dir.makeDir("wine/drive_c/Games/Arena/Cache");
        dir.makeDir("wine/dosdevices");
        fs::create_directory_symlink("../drive_c", dir / "wine/dosdevices/c:");
        dir.makeDir("dvd/Data");
        fs::create_directory_symlink(dir / "dvd", dir / "wine/dosdevices/d:");
    }
    fs::path prefix() const { return dir / "wine"; }
};

TEST(WineRegistry, DriveLetterIsMappedThroughDosdevices) {
    Prefix p;
    EXPECT_EQ(mapWinePath(p.prefix(), "C:\\Games\\Arena"), p.prefix() / "dosdevices/c:/Games/Arena");
    EXPECT_TRUE(fs::is_directory(*mapWinePath(p.prefix(), "C:\\Games\\Arena")));
    // The rest of the path is matched without regard to case, as Windows does.
    EXPECT_EQ(mapWinePath(p.prefix(), "c:\\GAMES\\arena"), p.prefix() / "dosdevices/c:/Games/Arena");
    EXPECT_EQ(mapWinePath(p.prefix(), "D:\\data"), p.prefix() / "dosdevices/d:/Data");
    EXPECT_FALSE(mapWinePath(p.prefix(), "\\\\server\\share"));
    EXPECT_FALSE(mapWinePath(p.prefix(), "Games"));
    EXPECT_FALSE(mapWinePath(p.prefix(), ""));

    fs::remove(p.prefix() / "dosdevices/c:");  // no link: drive_c is still C:
    EXPECT_EQ(mapWinePath(p.prefix(), "C:\\Games"), p.prefix() / "drive_c/Games");
}

TEST(InstallLookup, EnvironmentOverridesThenPrefixThenHomeWine) {
    Prefix p;
    std::map<std::string, std::string> env;
    auto lookup = [&] {
        return findInstallFolder([&](const char* name) -> const char* {
            auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        });
    };
    EXPECT_EQ(lookup(), "");  // no prefix at all
    p.dir.write("wine/system.reg", kSystemReg);
    env["WINEPREFIX"] = p.prefix().string();
    EXPECT_EQ(lookup(), (p.prefix() / "dosdevices/c:/Games/Arena").string());

    env["KORVATH_ARENA_DIR"] = "/opt/arena";
    EXPECT_EQ(lookup(), "/opt/arena");
    env.erase("KORVATH_ARENA_DIR");

    // Without WINEPREFIX: ~/.wine; a 64-bit prefix keeps the value below Wow6432Node.
    env.erase("WINEPREFIX");
    env["HOME"] = p.dir.path().string();
    p.dir.makeDir(".wine/drive_c/Arena64");
    p.dir.write(".wine/system.reg",
                "WINE REGISTRY Version 2\n#arch=win64\n"
                "[Software\\\\Wow6432Node\\\\Korvath Technology\\\\Installed Apps\\\\KorvathArena] 1\n"
                "\"Folder\"=\"C:\\\\Arena64\"\n");
    EXPECT_EQ(lookup(), (p.dir / ".wine/drive_c/Arena64").string());
}
#else
// windows-build.sh writes the installer's key with `wine reg add` and names the folder it wrote
// in KORVATH_REGISTRY_FOLDER: first only in the 32-bit view, then also in the 64-bit one.
TEST(InstallRegistry, FolderComesFromTheRegistryUnlessTheEnvironmentNamesOne) {
    const char* expected = std::getenv("KORVATH_REGISTRY_FOLDER");
    if (!expected) GTEST_SKIP() << "run by windows-build.sh registry, which writes the key first";
    std::map<std::string, std::string> env;
    auto lookup = [&] {
        return findInstallFolder([&](const char* name) -> const char* {
            auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        });
    };
    EXPECT_EQ(lookup(), expected);
    env["KORVATH_ARENA_DIR"] = "D:\\Elsewhere";
    EXPECT_EQ(lookup(), "D:\\Elsewhere");
    EXPECT_EQ(readRegistryString(std::string(kKey), "NoSuchValue"), "");
    EXPECT_EQ(readRegistryString("Software\\No Such Vendor", "Folder"), "");
}
#endif

}  // namespace
}  // namespace hoardsort
