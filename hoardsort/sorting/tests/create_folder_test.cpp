#include "hoardsort/sorting/create_folder.h"

#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "hoardsort/sorting/folder_text.h"

namespace fs = std::filesystem;
using Kind = korvath::ScriptedInteraction::Kind;

namespace hoardsort {
namespace {

void expectQuestion(const korvath::ScriptedInteraction::Shown& shown) {
    EXPECT_EQ(shown.kind, Kind::Text);
    EXPECT_EQ(shown.title, "Folder Create");
    EXPECT_EQ(shown.text, "Type in the folder name to create.");
}

TEST(CreateFolder, SlashesAreRefusedAndAskedAgain) {
    korvath::testing::TempDir dir;
    korvath::ScriptedInteraction ui;
    ui.answerText("new/maps");
    ui.answer(korvath::Answer::Ok);
    ui.answerText("new\\maps");
    ui.answer(korvath::Answer::Ok);
    ui.answerText("maps");
    EXPECT_EQ(createFolderFlow(dir.path().string(), ui), (dir / "maps").string());
    EXPECT_TRUE(fs::is_directory(dir / "maps"));
    EXPECT_FALSE(fs::exists(dir / "new"));
    ASSERT_EQ(ui.shown().size(), 5u);
    expectQuestion(ui.shown()[0]);
    EXPECT_EQ(ui.shown()[1].kind, Kind::Message);
    EXPECT_EQ(ui.shown()[1].title, "Hoardsort");
    EXPECT_EQ(ui.shown()[1].text, "Don't include slashes. Just type in the name of the folder to create.");
    EXPECT_EQ(ui.shown()[1].icon, korvath::Icon::Information);
    expectQuestion(ui.shown()[4]);
}

TEST(CreateFolder, EmptyAnswerOrCancelChangesNothing) {
    korvath::testing::TempDir dir;
    for (std::optional<std::string> answer : {std::optional<std::string>(""), std::optional<std::string>()}) {
        korvath::ScriptedInteraction ui;
        ui.answerText(answer);
        EXPECT_FALSE(createFolderFlow(dir.path().string(), ui));
        EXPECT_EQ(ui.shown().size(), 1u);
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(CreateFolder, RootSelectedGivesNoDoubleSeparator) {
    korvath::testing::TempDir dir;
    korvath::ScriptedInteraction ui;
    ui.answerText("made");
    EXPECT_EQ(createFolderFlow(dir.path().string() + kSeparator, ui), (dir / "made").string());
}

TEST(CreateFolder, ExistingFolderOrMissingParentReportsFailure) {
    korvath::testing::TempDir dir;
    dir.makeDir("maps");
    dir.write("file", "x");
    for (std::string selected : {dir.path().string(), (dir / "missing").string(), (dir / "file").string()}) {
        korvath::ScriptedInteraction ui;
        ui.answerText("maps");
        EXPECT_FALSE(createFolderFlow(selected, ui)) << selected;
        ASSERT_EQ(ui.shown().size(), 2u);
        EXPECT_EQ(ui.shown()[1].title, "Error");
        EXPECT_EQ(ui.shown()[1].text, "Couldn't create folder. Folder may already exist.");
        EXPECT_EQ(ui.shown()[1].icon, korvath::Icon::Critical);
    }
}

TEST(CreateFolder, NamesNoFolderCanHaveReportFailureAndMakeNothing) {
    korvath::testing::TempDir dir;
    for (const char* name : {".", "..", "NUL", "com1.maps", "a:b"}) {
        korvath::ScriptedInteraction ui;
        ui.answerText(name);
        EXPECT_FALSE(createFolderFlow(dir.path().string(), ui)) << name;
        ASSERT_EQ(ui.shown().size(), 2u) << name;
        EXPECT_EQ(ui.shown()[1].text, "Couldn't create folder. Folder may already exist.");
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace hoardsort
