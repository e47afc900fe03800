#include "common/files/home_folder.h"

#include <gtest/gtest.h>

#include "common/testing/environment.h"
#include "common/testing/temp_dir.h"

using korvath::testing::TempDir;

TEST(HomeFolder, ExplicitHomeIsCreatedAndSeededWithShippedFiles) {
    TempDir dir;
    dir.write("bin/ula.txt", "terms");
    auto home = korvath::resolveHomeFolder(dir / "home/tool", dir / "bin", "tool", {"ula.txt", "absent.ini"});
    EXPECT_EQ(home, dir / "home/tool");
    EXPECT_EQ(dir.read("home/tool/ula.txt"), "terms");
    EXPECT_FALSE(std::filesystem::exists(dir / "home/tool/absent.ini"));
}

TEST(HomeFolder, SeedingNeverReplacesTheUsersCopy) {
    TempDir dir;
    dir.write("bin/ULA.TXT", "shipped");
    dir.write("home/ula.txt", "edited");
    korvath::resolveHomeFolder(dir / "home", dir / "bin", "tool", {"ula.txt"});
    EXPECT_EQ(dir.read("home/ula.txt"), "edited");
}

TEST(HomeFolder, WritableProgramFolderIsTheHome) {
    TempDir dir;
    dir.makeDir("bin");
    EXPECT_EQ(korvath::resolveHomeFolder(std::nullopt, dir / "bin", "tool", {}), dir / "bin");
}

// An installed program (bin/ beside share/korvath-toolkit/TOOL) never keeps settings in bin/,
// even where bin/ is writable (root, a prefix in the user's home): they go to the per-user
// folder, seeded from the installed data folder, sub-folders included.
TEST(HomeFolder, InstalledProgramUsesThePerUserFolderSeededFromShare) {
    TempDir dir;
    dir.makeDir("prefix/bin");
    auto data = korvath::installedDataFolder(dir / "prefix/bin", "tool");
    EXPECT_EQ(data, (dir / "prefix/share/korvath-toolkit/tool").lexically_normal());
    dir.write("prefix/share/korvath-toolkit/tool/help/index.html", "page");
    dir.write("prefix/share/korvath-toolkit/tool/ula.txt", "terms");
    korvath::testing::setEnvironment("XDG_CONFIG_HOME", (dir / "config").string());
    auto home = korvath::resolveHomeFolder(std::nullopt, dir / "prefix/bin", "tool", {"help/index.html", "ula.txt"});
    korvath::testing::setEnvironment("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(home, dir / "config/tool");
    EXPECT_EQ(dir.read("config/tool/help/index.html"), "page");
    EXPECT_EQ(dir.read("config/tool/ula.txt"), "terms");
}

TEST(HomeFolder, ShippedFileBesideTheProgramWinsOverTheInstalledOne) {
    TempDir dir;
    dir.write("prefix/bin/README.HTM", "beside");
    dir.write("prefix/share/korvath-toolkit/tool/readme.htm", "installed");
    dir.write("prefix/share/korvath-toolkit/tool/only.txt", "installed");
    EXPECT_EQ(korvath::findShippedFile(dir / "prefix/bin", "tool", "readme.htm"), dir / "prefix/bin/README.HTM");
    auto only = korvath::findShippedFile(dir / "prefix/bin", "tool", "only.txt");
    ASSERT_TRUE(only);
    EXPECT_EQ(only->lexically_normal(), (dir / "prefix/share/korvath-toolkit/tool/only.txt").lexically_normal());
    EXPECT_FALSE(korvath::findShippedFile(dir / "prefix/bin", "tool", "missing.txt"));
}
