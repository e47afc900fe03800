// The save prompts, the file choosers and the failures of the document commands.
#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "landforge/editor/document_flows.h"
#include "landforge/editor/menu_command_handlers.h"
#include "landforge/editor/menu_command_table.h"
#include "landforge/editor/recent_terrains.h"
#include "landforge/editor/tests/scripted_dialogs.h"

namespace landforge {
namespace {

using korvath::Answer;
using Kind = korvath::ScriptedInteraction::Kind;

class DocumentFlows : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;
    EditorState s;
    korvath::ScriptedInteraction ui;
    testing::ScriptedDialogs dialogs;
    EditorContext ctx{s, ui, dialogs, {}};

    void modify() {
        s.terrain.grid.point(3, 4).z = 99;
        s.terrain.modified = true;
    }
    std::string path(const char* name) const { return (dir / name).string(); }
};

TEST_F(DocumentFlows, SavePromptTextsAndAnswers) {
    struct Row {
        PromptReason reason;
        const char* text;
        Answer answer;
        bool goesOn;
    };
    for (Row r : {Row{PromptReason::NewTerrain, "Save current terrain?", Answer::Cancel, false},
                  Row{PromptReason::NewTerrain, "Save current terrain?", Answer::No, true},
                  Row{PromptReason::OpenTerrain, "Save current Terrain?", Answer::Cancel, false},
                  Row{PromptReason::OpenTerrain, "Save current Terrain?", Answer::No, true},
                  Row{PromptReason::Close, "Save current terrain?", Answer::No, true},
                  Row{PromptReason::Close, "Save current terrain?", Answer::Cancel, false}}) {
        korvath::ScriptedInteraction script;
        EditorContext c{s, script, dialogs, {}};
        modify();
        script.answer(r.answer);
        EXPECT_EQ(confirmDiscard(c, r.reason), r.goesOn) << r.text << " " << static_cast<int>(r.answer);
        ASSERT_EQ(script.shown().size(), 1u);
        const auto& box = script.shown()[0];
        EXPECT_EQ(box.title, "Landforge");
        EXPECT_EQ(box.text, r.text);
        EXPECT_EQ(box.buttons, korvath::Buttons::YesNoCancel);
        EXPECT_EQ(box.icon, korvath::Icon::Question);
    }
    // Cancel abandons New; without changes nothing is asked.
    ui.answer(Answer::Cancel);
    runCommand(ctx, cmd::FileNew);
    EXPECT_EQ(s.terrain.grid.point(3, 4).z, 99.0f);
    s.terrain.modified = false;
    EXPECT_TRUE(confirmClose(ctx));
    EXPECT_EQ(ui.shown().size(), 1u);
}

TEST_F(DocumentFlows, YesSavesToTheDocumentsOwnPath) {
    modify();
    s.terrain.filePath = path("mine.lfg");
    ui.answer(Answer::Yes);
    ASSERT_TRUE(confirmClose(ctx));
    EXPECT_EQ(std::filesystem::file_size(dir / "mine.lfg"), 1826840u);
    EXPECT_FALSE(s.terrain.modified);
    EXPECT_EQ(ui.shown().size(), 1u) << "no save dialog for a named document";
}

TEST_F(DocumentFlows, YesOnAnUntitledTerrainAndACancelledSaveDialogStillCloses) {
    modify();
    ui.answer(Answer::Yes);
    ui.answerText(std::nullopt);
    EXPECT_TRUE(confirmClose(ctx));
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[1].kind, Kind::File);
    EXPECT_EQ(ui.shown()[1].file.filter, "Landforge Files (*.lfg)");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(DocumentFlows, AFailedSaveKeepsTheDocumentAndSaysWhy) {
    dir.write("blocker", "a file where a folder must be");
    modify();
    s.terrain.filePath = path("blocker/doc.lfg");
    s.terrain.fileName = "doc.lfg";
    ui.answer(Answer::Yes);
    EXPECT_FALSE(confirmClose(ctx)) << "closing after a failed save would lose the work";
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[1].title, "Landforge Error");
    EXPECT_EQ(ui.shown()[1].text.rfind("The terrain was not saved.\n", 0), 0u);
    EXPECT_TRUE(s.terrain.modified);
    EXPECT_EQ(s.terrain.fileName, "doc.lfg");
    EXPECT_EQ(s.terrain.filePath, path("blocker/doc.lfg"));
    // Export failures keep the document too.
    ui.answerText(path("blocker/out"));
    runCommand(ctx, cmd::ExportBitmapFull);
    EXPECT_EQ(ui.shown().back().text.rfind("The bitmap was not written.\n", 0), 0u);
    EXPECT_TRUE(s.terrain.modified);
}

TEST_F(DocumentFlows, SaveFullOnlyWhenModifiedAndSaveAsAlwaysAsks) {
    runCommand(ctx, cmd::SaveFull);
    EXPECT_TRUE(ui.shown().empty()) << "nothing to save";
    modify();
    ui.answerText(path("first"));
    runCommand(ctx, cmd::SaveFull);
    EXPECT_EQ(s.terrain.fileName, "first.lfg") << "the default extension";
    EXPECT_FALSE(s.terrain.modified);
    ui.answerText(path("second.lfg"));
    runCommand(ctx, cmd::SaveAs);
    EXPECT_EQ(s.terrain.fileName, "second.lfg") << "a named document is asked for a new name";
    EXPECT_EQ(ui.shown().size(), 2u);
    s.terrain.view = {10, 20, 4, 3};
    ui.answerText(path("part.lfg"));
    runCommand(ctx, cmd::SaveView);
    EXPECT_EQ(std::filesystem::file_size(dir / "part.lfg"), 248u);
    EXPECT_EQ(s.terrain.fileName, "part.lfg");
}

TEST_F(DocumentFlows, OpenReplacesTheTerrainAndARefusedFileChangesNothing) {
    modify();
    ui.answerText(path("saved.lfg"));
    runCommand(ctx, cmd::SaveAs);
    runCommand(ctx, cmd::FileNew);
    ASSERT_EQ(s.terrain.grid.point(3, 4).z, 0.0f);
    ui.answerText(path("saved.lfg"));
    CommandOutcome out = runCommand(ctx, cmd::FileOpen);
    ASSERT_TRUE(out.recentre);
    EXPECT_TRUE(out.recentre->resetCameras);
    EXPECT_EQ(s.terrain.grid.point(3, 4).z, 99.0f);
    EXPECT_EQ(s.terrain.fileName, "saved.lfg");
    dir.write("bad.lfg", "short");
    ui.answerText(path("bad.lfg"));
    runCommand(ctx, cmd::FileOpen);
    EXPECT_EQ(ui.shown().back().title, "Landforge Error");
    EXPECT_EQ(s.terrain.fileName, "saved.lfg");
    EXPECT_EQ(s.terrain.grid.point(3, 4).z, 99.0f);
}

TEST_F(DocumentFlows, BitmapImportRefusalAndExportNotices) {
    ctx.decodeImage = [](const std::string&) { return std::optional<GreyImage>(); };
    ui.answerText(path("x.bmp"));
    runCommand(ctx, cmd::ImportBitmap);
    EXPECT_EQ(ui.shown().back().text, "The file is either corrupted or not in bitmap format.");
    EXPECT_EQ(ui.shown().back().title, "Landforge Error");
    EXPECT_FALSE(s.terrain.importing);
    ctx.decodeImage = [](const std::string&) { return std::optional<GreyImage>(GreyImage{2, 2, {1, 2, 3, 4}}); };
    ui.answerText(path("x.bmp"));
    runCommand(ctx, cmd::ImportBitmap);
    ASSERT_TRUE(s.terrain.importing);
    ui.clear();
    ui.answerText(std::nullopt);
    runCommand(ctx, cmd::ExportBitmapView);
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[0].title, "Landforge Notice");
    EXPECT_EQ(ui.shown()[0].text,
              "Because you are currently importing, Landforge will not export the importing patch with the working terrain.");
    EXPECT_EQ(ui.shown()[1].file.filter, "Bitmap Files (*.bmp)");
    EXPECT_TRUE(s.terrain.importing) << "a bitmap export lets the import go on";
    dialogs.answers = {3};
    ui.answerText(path("brush"));
    runCommand(ctx, cmd::ExportT3dFull);
    EXPECT_FALSE(s.terrain.importing) << "a brush export ends the import";
    EXPECT_EQ(ui.shown().back().file.filter, "Korvath Text Files (*.t3d)");
    EXPECT_TRUE(std::filesystem::exists(dir / "brush.t3d"));
}

// A dropped terrain opens after the save prompt; any other dropped file goes through the
// bitmap import and its refusal.
TEST_F(DocumentFlows, DroppedFilesOpenOrImport) {
    modify();
    ui.answerText(path("kept.lfg"));
    runCommand(ctx, cmd::SaveAs);
    runCommand(ctx, cmd::FileNew);
    modify();
    ui.answer(Answer::Cancel);
    dropFile(ctx, path("kept.lfg"));
    EXPECT_EQ(ui.shown().back().text, "Save current Terrain?");
    EXPECT_EQ(s.terrain.fileName, "(untitled)") << "Cancel keeps the terrain";
    ui.answer(Answer::No);
    std::filesystem::copy_file(dir / "kept.lfg", dir / "UP.LFG");
    CommandOutcome out = dropFile(ctx, path("UP.LFG"));
    EXPECT_EQ(s.terrain.fileName, "UP.LFG");
    EXPECT_EQ(s.terrain.grid.point(3, 4).z, 99.0f);
    EXPECT_FALSE(s.terrain.modified);
    EXPECT_TRUE(out.recentre && out.recentre->resetCameras);

    ctx.decodeImage = [](const std::string&) { return std::optional<GreyImage>(); };
    dropFile(ctx, path("notes.txt"));
    EXPECT_EQ(ui.shown().back().text, "The file is either corrupted or not in bitmap format.");
    EXPECT_FALSE(s.terrain.importing);
    ctx.decodeImage = [](const std::string&) { return std::optional<GreyImage>(GreyImage{2, 2, {1, 2, 3, 4}}); };
    EXPECT_TRUE(dropFile(ctx, path("heights.PNG")).recentre);
    EXPECT_TRUE(s.terrain.importing);
    EXPECT_EQ(s.terrain.fileName, "UP.LFG") << "an import keeps the document";
}

// Opened and saved terrains head the list, which its file keeps; an entry whose file is gone
// leaves the list when it is chosen or read.
TEST_F(DocumentFlows, RecentTerrainsKeepTheLastEightThatStillExist) {
    s.recentTerrainsFile = path("recent.txt");
    for (int k = 0; k < 10; ++k) {
        ui.answerText(path(("t" + std::to_string(k) + ".lfg").c_str()));
        runCommand(ctx, cmd::SaveAs);
    }
    ASSERT_EQ(s.recentTerrains.size(), 8u);
    EXPECT_EQ(s.recentTerrains.front(), path("t9.lfg"));
    EXPECT_EQ(s.recentTerrains.back(), path("t2.lfg"));
    EXPECT_EQ(loadRecentTerrains(s.recentTerrainsFile), s.recentTerrains);

    ui.answerText(path("t5.lfg"));
    runCommand(ctx, cmd::FileOpen);
    EXPECT_EQ(s.recentTerrains.front(), path("t5.lfg"));
    EXPECT_EQ(s.recentTerrains.size(), 8u) << "no entry twice";
    EXPECT_TRUE(commandEnabled(*findCommand(cmd::RecentTerrain + 7), s));

    runCommand(ctx, cmd::RecentTerrain + 1);  // t9
    EXPECT_EQ(s.terrain.fileName, "t9.lfg");
    EXPECT_EQ(s.recentTerrains.front(), path("t9.lfg"));

    std::filesystem::remove(dir / "t8.lfg");
    std::filesystem::remove(dir / "t7.lfg");
    EXPECT_EQ(loadRecentTerrains(s.recentTerrainsFile).size(), 6u);
    ui.clear();
    runCommand(ctx, cmd::RecentTerrain + 2);  // t8
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Landforge Error");
    EXPECT_EQ(s.terrain.fileName, "t9.lfg");
    EXPECT_EQ(s.recentTerrains.size(), 7u);
    EXPECT_FALSE(commandEnabled(*findCommand(cmd::RecentTerrain + 7), s));
    EXPECT_EQ(loadRecentTerrains(s.recentTerrainsFile).size(), 6u) << "t7 is dropped when read";
    EXPECT_TRUE(loadRecentTerrains(path("none.txt")).empty());
}

// Without a document the window starts on the reset grid; a document that cannot be read is
// reported and leaves the reset grid too.
TEST_F(DocumentFlows, StartTerrain) {
    auto isResetGrid = [this] {
        for (int i = 0; i < 256; ++i)
            for (int j = 0; j < 256; ++j)
                if (s.terrain.grid.point(i, j).z != 0.0f || s.terrain.grid.point(i, j).x != 10.0f * i) return false;
        for (int i = 0; i < 255; ++i)
            for (int j = 0; j < 255; ++j)
                if (s.terrain.grid.cell(i, j).diagonal != 1) return false;
        return true;
    };
    openStartTerrain(ctx, std::nullopt, "");
    EXPECT_TRUE(isResetGrid());
    EXPECT_TRUE(ui.shown().empty());
    openStartTerrain(ctx, std::nullopt, dir.path().string());
    EXPECT_TRUE(isResetGrid()) << "a game folder without a sample";
    dir.write("bad.lfg", "short");
    openStartTerrain(ctx, path("bad.lfg"), "");
    EXPECT_TRUE(isResetGrid());
    EXPECT_EQ(ui.shown().back().title, "Landforge Error");

    modify();
    ui.answerText(path("sample.lfg"));
    runCommand(ctx, cmd::SaveAs);
    std::filesystem::create_directories(dir / "Terrain");
    std::filesystem::rename(dir / "sample.lfg", dir / "Terrain" / "sample.lfg");
    EditorState fresh;
    EditorContext started{fresh, ui, dialogs, {}};
    openStartTerrain(started, std::nullopt, dir.path().string());
    EXPECT_EQ(fresh.terrain.fileName, "sample.lfg");
    EXPECT_EQ(fresh.terrain.grid.point(3, 4).z, 99.0f);
    EXPECT_FALSE(fresh.terrain.history.canUndo());
    EXPECT_FALSE(fresh.terrain.modified);
}

}  // namespace
}  // namespace landforge
