#include "rosterdesk/catalogue/unmatched_file.h"

#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"

namespace rosterdesk {
namespace {

using korvath::testing::TempDir;

const LocalTime kWhen{2001, 7, 20, 5, 19, 54, 4};  // Friday, July 20, 2001, 7:54:04 PM

TEST(UnmatchedList, FileNameWithoutLeadingZeros) {
    EXPECT_EQ(unmatchedListFileName(kWhen), "UnMatched_Files_7-20-2001_h19m54s4.txt");
    EXPECT_EQ(unmatchedListFileName({2026, 12, 6, 0, 7, 5, 44}), "UnMatched_Files_12-6-2026_h7m5s44.txt");
}

TEST(UnmatchedList, TextHasHeaderPathsFreeSlotsAndEnd) {
    UnmatchedSkinList list(3);
    list[0] = {"/g/System/Stray.int", "Stray"};
    list[1] = {"/g/System/Lost.int", "Lost"};
    std::string stars(70, '*');
    EXPECT_EQ(formatUnmatchedList(list, kWhen),
              stars + "\r\n* UNMATCHED SKIN FILE LIST OUTPUT\r\n* Date: Friday, July 20, 2001\r\n"
                      "* Time: 7:54:04 PM\r\n" +
                  stars + "\r\n \r\n/g/System/Stray.int\r\n/g/System/Lost.int\r\n\r\n \r\nEnd of List\r\n");
    LocalTime morning{2001, 1, 2, 2, 0, 5, 9};
    EXPECT_NE(formatUnmatchedList(UnmatchedSkinList(2), morning).find("* Date: Tuesday, January 2, 2001\r\n* Time: 12:05:09 AM\r\n"),
              std::string::npos);
}

TEST(UnmatchedList, SaveWritesTheFileAndSaysSo) {
    TempDir dir;
    korvath::ScriptedInteraction ui;
    UnmatchedSkinList list(2);
    list[0] = {"/g/System/Stray.int", "Stray"};
    UnmatchedListWrite w = saveUnmatchedList(ui, dir.path(), list, kWhen);
    EXPECT_TRUE(w.status.ok());
    EXPECT_EQ(w.file, dir / "UnMatched_Files_7-20-2001_h19m54s4.txt");
    EXPECT_NE(dir.read("UnMatched_Files_7-20-2001_h19m54s4.txt").find("\r\n/g/System/Stray.int\r\n"), std::string::npos);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].text, "File Created");
}

TEST(UnmatchedList, FailureIsToldNotHidden) {
    TempDir dir;
    dir.write("blocker", "x");
    korvath::ScriptedInteraction ui;
    UnmatchedListWrite w = saveUnmatchedList(ui, dir / "blocker", UnmatchedSkinList(2), kWhen);
    EXPECT_FALSE(w.status.ok());
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].text, "The list could not be written to " +
                                      (dir / "blocker" / "UnMatched_Files_7-20-2001_h19m54s4.txt").string() + ".");
    EXPECT_EQ(dir.read("blocker"), "x");
}

}  // namespace
}  // namespace rosterdesk
