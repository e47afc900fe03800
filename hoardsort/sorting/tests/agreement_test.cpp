#include "hoardsort/sorting/agreement.h"

#include <gtest/gtest.h>

#include "common/files/game_path.h"
#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;

namespace hoardsort {
namespace {

TEST(Agreement, RecordedOnlyByTheExactFirstItem) {
    korvath::testing::TempDir home;
    EXPECT_FALSE(agreementRecorded(home.path()));
    struct Case {
        const char* bytes;
        bool agreed;
    };
    for (Case c : {Case{"DisplayAgreement = 0\r\n", true}, {"DisplayAgreement = 0\n", true},
                   {"DisplayAgreement = 0,extra\r\n", true}, {"DisplayAgreement = 1\r\n", false},
                   {"DisplayAgreement=0\r\n", false}, {"", false}, {"\r\nDisplayAgreement = 0\r\n", false}}) {
        home.write("hoardsort.cfg", c.bytes);
        EXPECT_EQ(agreementRecorded(home.path()), c.agreed) << c.bytes;
    }
}

TEST(Agreement, FileIsFoundWithoutRegardToCase) {
    korvath::testing::TempDir home;
    home.write("HOARDSORT.CFG", "DisplayAgreement = 0\r\n");
    EXPECT_TRUE(agreementRecorded(home.path()));
}

TEST(Agreement, RecordWritesUpperCaseNameOrReplacesTheFileThere) {
    korvath::testing::TempDir home;
    ASSERT_TRUE(recordAgreement(home.path()).ok());
    EXPECT_EQ(home.read("HOARDSORT.CFG"), "DisplayAgreement = 0\r\n");

    korvath::testing::TempDir other;
    other.write("hoardsort.cfg", "DisplayAgreement = 1\r\n");
    ASSERT_TRUE(recordAgreement(other.path()).ok());
    EXPECT_EQ(other.read("hoardsort.cfg"), "DisplayAgreement = 0\r\n");
    // The file keeps its name (a case-insensitive file system finds it under either name).
    EXPECT_EQ(korvath::listFolderSorted(other.path()), std::vector<fs::path>{other / "hoardsort.cfg"});
}

TEST(Agreement, CheckShowsWindowUntilAgreedAndRemembersIt) {
    korvath::testing::TempDir home;
    home.write("hoardsort.cfg", "DisplayAgreement = 1\r\n");
    korvath::ScriptedInteraction ui;
    ui.answerDialog(1);
    EXPECT_TRUE(runAgreementCheck(home.path(), ui, [] { return 1; }));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].kind, korvath::ScriptedInteraction::Kind::Dialog);
    EXPECT_EQ(ui.shown()[0].title, "Form3");
    EXPECT_EQ(home.read("hoardsort.cfg"), "DisplayAgreement = 0\r\n");

    // The next start does not ask.
    ui.clear();
    EXPECT_TRUE(runAgreementCheck(home.path(), ui, [] { return 1; }));
    EXPECT_TRUE(ui.shown().empty());
}

TEST(Agreement, DecliningEndsWithoutWritingSettings) {
    korvath::testing::TempDir home;
    korvath::ScriptedInteraction ui;
    ui.answerDialog(0);
    EXPECT_FALSE(runAgreementCheck(home.path(), ui, [] { return 0; }));
    EXPECT_FALSE(fs::exists(home / "HOARDSORT.CFG"));
}

TEST(Agreement, DisclaimerLinesEachEndInCrLf) {
    korvath::testing::TempDir home;
    EXPECT_FALSE(disclaimerText(home.path()));
    home.write("ULA.TXT", "First line\nSecond\r\n\r\nLast");
    EXPECT_EQ(disclaimerText(home.path()), "First line\r\nSecond\r\n\r\nLast\r\n");
}

}  // namespace
}  // namespace hoardsort
