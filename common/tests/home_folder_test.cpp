#include "common/files/home_folder.h"

#include <gtest/gtest.h>

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
