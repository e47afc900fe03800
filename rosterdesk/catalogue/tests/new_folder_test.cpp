#include "rosterdesk/catalogue/new_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;

namespace rosterdesk {
namespace {

TEST(NewFolder, OnlyANameTheRuleAcceptsIsMadeAndOnlyInsideTheShownFolder) {
    korvath::testing::TempDir dir;
    dir.makeDir("shown/taken");
    const struct {
        const char* name;
        const char* message;  // empty: created
    } cases[] = {
        {"Fresh", ""},
        {"new/maps", "A folder name can't hold \\ or /.  Type only the name of the new folder."},
        {"..\\up", "A folder name can't hold \\ or /.  Type only the name of the new folder."},
        {"..", "\"..\" is not the name of a new folder."},
        {"nul.txt", "\"nul.txt\" names a device on Windows, not a folder."},
        {"a:b", "A folder name can't hold any of : * ? \" < > | or control characters."},
    };
    for (const auto& c : cases) {
        auto created = createNewFolder({dir / "shown", c.name});
        EXPECT_EQ(created.ok(), std::string(c.message).empty()) << c.name;
        if (created) EXPECT_TRUE(fs::is_directory(*created)) << c.name;
        else EXPECT_EQ(created.error(), c.message);
    }
    std::vector<std::string> made;
    for (const auto& entry : fs::directory_iterator(dir / "shown")) made.push_back(entry.path().filename().string());
    std::sort(made.begin(), made.end());
    EXPECT_EQ(made, (std::vector<std::string>{"Fresh", "taken"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);  // only "shown"
}

// An existing folder of the name is simply there to pick; a folder that can't be made is named.
TEST(NewFolder, AnExistingFolderIsKeptAndAMissingParentIsReported) {
    korvath::testing::TempDir dir;
    dir.write("shown/taken/keep.bm", "x");
    auto existing = createNewFolder({dir / "shown", "taken"});
    ASSERT_TRUE(existing.ok()) << existing.error();
    EXPECT_EQ(dir.read("shown/taken/keep.bm"), "x");

    auto missing = createNewFolder({dir / "missing", "made"});
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(
        missing.error().starts_with("The folder " + (dir / "missing" / "made").string() + " could not be created: "))
        << missing.error();
}

}  // namespace
}  // namespace rosterdesk
