#include "common/files/atomic_file.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;
using korvath::testing::TempDir;

namespace {
size_t entryCount(const fs::path& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}
}  // namespace

TEST(AtomicFile, ReplacesContentsAndLeavesNoTemporaryFile) {
    TempDir dir;
    dir.write("user.ini", "old");
    ASSERT_TRUE(korvath::writeFileAtomically(dir / "user.ini", "new\r\n").ok);
    EXPECT_EQ(dir.read("user.ini"), "new\r\n");
    EXPECT_EQ(entryCount(dir.path()), 1u);
}

TEST(AtomicFile, FailureLeavesTargetAndFolderAsTheyWere) {
    TempDir dir;
    // A file where the folder must be: fails for root too.
    dir.write("blocker", "x");
    auto status = korvath::writeFileAtomically(dir / "blocker/user.ini", "new");
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.message.empty());
    // A folder standing where the file goes cannot be replaced by a file.
    dir.makeDir("target");
    dir.write("target/keep", "k");
    EXPECT_FALSE(korvath::writeFileAtomically(dir / "target", "new").ok);
    EXPECT_EQ(dir.read("target/keep"), "k");
    EXPECT_EQ(entryCount(dir.path()), 2u);
}

TEST(AtomicFile, CopyKeepsBytesAndHonoursOverwrite) {
    TempDir dir;
    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 31 + 7);
    dir.write("src.kxx", big);
    ASSERT_TRUE(korvath::copyFileAtomically(dir / "src.kxx", dir / "out.knr", false).ok);
    EXPECT_EQ(dir.read("out.knr"), big);

    dir.write("exists.knr", "keep");
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "src.kxx", dir / "exists.knr", false).ok);
    EXPECT_EQ(dir.read("exists.knr"), "keep");
    EXPECT_TRUE(korvath::copyFileAtomically(dir / "src.kxx", dir / "exists.knr", true).ok);
    EXPECT_EQ(dir.read("exists.knr"), big);
}

TEST(AtomicFile, FailedCopyLeavesNothingBehind) {
    TempDir dir;
    dir.write("src.kxx", "data");
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "missing.kxx", dir / "out.knr", true).ok);
    dir.makeDir("dest");
    dir.makeDir("dest/out.knr");  // a folder in the way of the rename
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "src.kxx", dir / "dest/out.knr", true).ok);
    EXPECT_EQ(entryCount(dir / "dest"), 1u);
    EXPECT_FALSE(fs::exists(dir / "out.knr"));
}

TEST(AtomicFile, NamesNearTheLengthLimitStillCopy) {
    TempDir dir;
    dir.write("src.kxx", "data");
    std::string longName(250, 'm');
    longName += ".knr";
    ASSERT_TRUE(korvath::copyFileAtomically(dir / "src.kxx", dir / longName, false).ok);
    EXPECT_EQ(dir.read(longName), "data");
    // Without overwrite, a second copy is refused and the first stays.
    dir.write("other.kxx", "other");
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "other.kxx", dir / longName, false).ok);
    EXPECT_EQ(dir.read(longName), "data");
    EXPECT_EQ(entryCount(dir.path()), 3u);
}
