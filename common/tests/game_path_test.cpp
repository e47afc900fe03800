#include "common/files/game_path.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

using korvath::resolveGamePath;

TEST(GamePath, ResolvesEitherSeparatorWithoutRegardToCase) {
    korvath::testing::TempDir game;
    game.write("System/User.ini", "x");
    EXPECT_EQ(resolveGamePath(game.path(), "system\\user.ini"), game / "System/User.ini");
    EXPECT_EQ(resolveGamePath(game.path(), "SYSTEM/USER.INI"), game / "System/User.ini");
    EXPECT_EQ(resolveGamePath(game.path(), "System\\\\User.ini"), game / "System/User.ini");
}

TEST(GamePath, ExactNameWinsAndMissingTailIsKeptAsWritten) {
    korvath::testing::TempDir game;
#ifndef _WIN32  // two names that differ only in case need a file system that tells them apart
    game.write("Cache/a.kxx", "1");
    game.write("Cache/A.kxx", "2");
    EXPECT_EQ(resolveGamePath(game.path(), "cache\\A.kxx"), game / "Cache/A.kxx");
#endif
    game.makeDir("Cache");
    EXPECT_EQ(resolveGamePath(game.path(), "cache\\New\\File.txt"), game / "Cache/New/File.txt");
}

TEST(GamePath, ListsFoldersSortedWithoutRegardToCase) {
    korvath::testing::TempDir dir;
    for (const char* name : {"b.int", "A.int", "c.INT", "a2.int"}) dir.write(name, "");
    std::vector<std::string> names;
    for (const auto& p : korvath::listFolderSorted(dir.path())) names.push_back(p.filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"A.int", "a2.int", "b.int", "c.INT"}));
    EXPECT_TRUE(korvath::listFolderSorted(dir / "missing").empty());
}

TEST(GamePath, CaseHelpers) {
    EXPECT_TRUE(korvath::equalsNoCase("System", "sYSTEM"));
    EXPECT_FALSE(korvath::equalsNoCase("System", "Systems"));
    EXPECT_TRUE(korvath::lessNoCase("apple", "Banana"));
    EXPECT_EQ(korvath::toUpperAscii("hoardsort.cfg"), "HOARDSORT.CFG");
    EXPECT_EQ(korvath::splitGamePath("\\a//b\\"), (std::vector<std::string>{"a", "b"}));
}
