// Menu commands run on the program-wide state with scripted dialogs and boxes.
#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "landforge/editor/editor_keys.h"
#include "landforge/editor/menu_command_handlers.h"
#include "landforge/editor/menu_command_table.h"
#include "landforge/editor/tests/scripted_dialogs.h"
#include "landforge/terrain/generator.h"
#include "landforge/terrain/patch.h"

namespace landforge {
namespace {

using Answer = testing::ScriptedDialogs::Answer;

// Records the colour each chooser was opened on.
class RecordingInteraction : public korvath::ScriptedInteraction {
public:
    std::vector<korvath::Rgb> colourStarts;
    std::optional<korvath::Rgb> pickColour(const std::string& title, korvath::Rgb initial) override {
        colourStarts.push_back(initial);
        return ScriptedInteraction::pickColour(title, initial);
    }
};

class MenuCommandHandlers : public ::testing::Test {
protected:
    EditorState s;
    RecordingInteraction ui;
    testing::ScriptedDialogs dialogs;
    EditorContext ctx{s, ui, dialogs, {}};

    void SetUp() override {
        initTerrainState(s.terrain, 1234);
        generateTerrain(s.terrain.grid, s.terrain.random, 99, 2.0f, false);
        s.terrain.view = {20, 30, 16, 16};
    }
    std::vector<TerrainPoint> points() const { return s.terrain.grid.points; }
};

bool samePoints(const std::vector<TerrainPoint>& a, const std::vector<TerrainPoint>& b) {
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k].x != b[k].x || a[k].y != b[k].y || a[k].z != b[k].z) return false;
    return true;
}

std::vector<std::int32_t> diagonals(const Heightfield& g) {
    std::vector<std::int32_t> d;
    for (const TerrainCell& c : g.cells) d.push_back(c.diagonal);
    return d;
}

// Every command that edits the terrain can be undone to exactly the terrain before it, and
// redone to exactly the terrain after it.
TEST_F(MenuCommandHandlers, UndoAfterEachCommand) {
    struct Row {
        const char* name;
        int id;
        std::vector<Answer> answers;
        bool thenEnter;  // the command starts a patch that Enter commits
    };
    const std::vector<Row> rows{
        {"new random", cmd::NewRandom, {}, false},
        {"fill in", cmd::FillInRandom, {}, false},
        {"parameters", cmd::TerrainParams, {TerrainParamsValues{77, 1.5f, 0, 0}}, false},
        {"noise", cmd::AddNoise, {NoiseValues{9, 3}}, false},
        {"filter", cmd::FilterNoise, {FilterNoiseValues{40}}, false},
        {"flatten", cmd::SmoothTerrain, {SmoothChoice::Flatten, std::optional<int>(60)}, false},
        {"average", cmd::SmoothTerrain, {SmoothChoice::Average, std::optional<int>(100)}, false},
        {"raise", cmd::RaiseLower, {RaiseLowerValues{true, RaiseLowerMode::ByHeight, 30}}, false},
        {"lower", cmd::RaiseLower, {RaiseLowerValues{false, RaiseLowerMode::ToHeight, 3}}, false},
        {"new", cmd::FileNew, {}, false},
        {"paste", cmd::Paste, {}, true},
    };
    for (const Row& row : rows) {
        SetUp();
        s.terrain.grid.point(0, 0).z = 0;  // Fill In has a point to fill
        runCommand(ctx, cmd::Copy);
        s.terrain.view = {100, 120, 16, 16};
        for (int k = 0; k < 3; ++k) {  // make the cells disagree with the points
            s.terrain.grid.cell(k, 0).diagonal = 7;
            s.terrain.grid.cell(110, 125 + k).diagonal = 7;
        }
        s.terrain.history = {};
        dialogs.answers.assign(row.answers.begin(), row.answers.end());
        auto before = points();
        auto cellsBefore = diagonals(s.terrain.grid);
        runCommand(ctx, row.id);
        if (row.thenEnter) applyKey(ctx, EditorKey::Enter);
        auto after = points();
        auto cellsAfter = diagonals(s.terrain.grid);
        ASSERT_TRUE(!samePoints(before, after) || cellsBefore != cellsAfter) << row.name << " changed nothing";
        EXPECT_EQ(s.terrain.modified, row.id != cmd::FileNew) << row.name;
        ASSERT_TRUE(commandEnabled(*findCommand(cmd::Undo), s)) << row.name;
        runCommand(ctx, cmd::Undo);
        EXPECT_TRUE(samePoints(points(), before)) << row.name;
        EXPECT_EQ(diagonals(s.terrain.grid), cellsBefore) << row.name;
        runCommand(ctx, cmd::Redo);
        EXPECT_TRUE(samePoints(points(), after)) << row.name;
        EXPECT_EQ(diagonals(s.terrain.grid), cellsAfter) << row.name;
    }
}

TEST_F(MenuCommandHandlers, UpdateTrisUndoesItsRangeOfCells) {
    for (int id : {cmd::UpdateTrisFull, cmd::UpdateTrisView}) {
        s.terrain.grid.cell(25, 35).diagonal = 7;   // inside the view
        s.terrain.grid.cell(200, 200).diagonal = 7; // outside it
        runCommand(ctx, id);
        EXPECT_NE(s.terrain.grid.cell(25, 35).diagonal, 7);
        EXPECT_EQ(s.terrain.grid.cell(200, 200).diagonal == 7, id == cmd::UpdateTrisView);
        runCommand(ctx, cmd::Undo);
        EXPECT_EQ(s.terrain.grid.cell(25, 35).diagonal, 7);
        EXPECT_EQ(s.terrain.grid.cell(200, 200).diagonal, 7);
    }
}

TEST_F(MenuCommandHandlers, SmoothCancelInTheSecondDialogReturnsToTheFirst) {
    auto before = points();
    dialogs.answers = {SmoothChoice::Flatten, std::optional<int>(), SmoothChoice::Average, std::optional<int>(250)};
    runCommand(ctx, cmd::SmoothTerrain);
    ASSERT_EQ(dialogs.shown.size(), 4u);
    EXPECT_EQ(dialogs.shown[0], "SMOOTHTERRAINBOX");
    EXPECT_EQ(dialogs.shown[1].rfind("FLATTENHEIGHTBOX ", 0), 0u);
    EXPECT_EQ(dialogs.shown[2], "SMOOTHTERRAINBOX");
    EXPECT_EQ(dialogs.shown[3].rfind("AVERAGEHEIGHTBOX", 0), 0u);
    EXPECT_FALSE(samePoints(points(), before));
    EXPECT_EQ(s.terrain.history.undoList.size(), 1u) << "one smoothing, at 100 %";
    // Cancel in the first dialog changes nothing.
    dialogs.shown.clear();
    dialogs.answers = {SmoothChoice::Cancel};
    before = points();
    runCommand(ctx, cmd::SmoothTerrain);
    EXPECT_TRUE(samePoints(points(), before));
    EXPECT_EQ(s.terrain.history.undoList.size(), 1u);
}

TEST_F(MenuCommandHandlers, CancelChangesNothing) {
    auto before = points();
    for (int id : {cmd::TerrainParams, cmd::AddNoise, cmd::FilterNoise, cmd::RaiseLower, cmd::ChangeViewArea,
                   cmd::ImportModeCmd, cmd::ExportT3dFull}) {
        dialogs.answers = {std::monostate{}};
        CommandOutcome out = runCommand(ctx, id);
        EXPECT_FALSE(out.recentre) << id;
    }
    EXPECT_TRUE(samePoints(points(), before));
    EXPECT_TRUE(s.terrain.history.undoList.empty());
    EXPECT_FALSE(s.terrain.modified);
    EXPECT_EQ(s.terrain.view.viewWidth, 16);
    EXPECT_EQ(ui.shown().size(), 0u) << "Cancel in the scale dialog shows no save dialog";
}

TEST_F(MenuCommandHandlers, ChangeViewAreaClampsAndPullsTheOriginBack) {
    struct Row {
        ViewArea start;
        ViewAreaValues entered;
        ViewArea expected;
    };
    for (Row r : {Row{{10, 0, 16, 16}, {300, 16}, {0, 0, 256, 16}}, Row{{250, 250, 4, 4}, {0, -5}, {250, 250, 1, 1}},
                  Row{{250, 100, 4, 4}, {10, 160}, {246, 96, 10, 160}}}) {
        s.terrain.view = r.start;
        dialogs.answers = {r.entered};
        CommandOutcome out = runCommand(ctx, cmd::ChangeViewArea);
        EXPECT_TRUE(out.recentre);
        const ViewArea& v = s.terrain.view;
        EXPECT_EQ((GridRect{v.viewX, v.viewY, v.viewWidth, v.viewHeight}), rectOf(r.expected));
    }
    EXPECT_FALSE(s.terrain.modified) << "moving the view area is not an edit";
}

TEST_F(MenuCommandHandlers, DialogsOpenOnTheCurrentValuesAndKeepWhatWasEntered) {
    dialogs.answers = {NoiseValues{7, -1}, FilterNoiseValues{-3}};
    runCommand(ctx, cmd::AddNoise);
    runCommand(ctx, cmd::FilterNoise);
    runCommand(ctx, cmd::AddNoise);
    runCommand(ctx, cmd::FilterNoise);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"ADDRANDOMNOISEBOX 2 -2", "FILTERNOISEBOX 5",
                                                       "ADDRANDOMNOISEBOX 7 -1", "FILTERNOISEBOX 1"}));
    dialogs.shown.clear();
    dialogs.answers = {ReshapeValues{12, 3}};
    runCommand(ctx, cmd::RippleMethod);
    runCommand(ctx, cmd::RippleMethod);  // no answer: OK on what it shows
    runCommand(ctx, cmd::PeakMethod);
    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"RM radius 8 cycles 1", "RM radius 12 cycles 3",
                                                       "RM radius 4 cycles 3"}));
    EXPECT_EQ(s.terrain.tools.rippleRadius, 120.0f);
    EXPECT_EQ(s.terrain.tools.method, ReshapeMethod::Peak);
    dialogs.answers = {ImportModeValues{ImportMode::Subtract, 0}};
    runCommand(ctx, cmd::ImportModeCmd);
    EXPECT_EQ(s.terrain.patch.importMode, ImportMode::Subtract);
    EXPECT_EQ(s.terrain.patch.importWeight, 1);
}

TEST_F(MenuCommandHandlers, ColourChooserOpensOnTheCurrentColour) {
    ui.answerColour(korvath::Rgb{1, 2, 3});
    ui.answerColour(std::nullopt);
    runCommand(ctx, cmd::BaseColor);
    runCommand(ctx, cmd::SeaColor);
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(s.terrain.colors.baseColor, (Rgb{1, 2, 3}));
    EXPECT_EQ(s.terrain.colors.seaColor, (Rgb{0, 0, 255})) << "Cancel keeps the colour";
    ASSERT_EQ(ui.colourStarts.size(), 2u);
    EXPECT_EQ(ui.colourStarts[0], (korvath::Rgb{255, 255, 0}));
    EXPECT_EQ(ui.colourStarts[1], (korvath::Rgb{0, 0, 255}));
}

TEST_F(MenuCommandHandlers, PasteMessages) {
    runCommand(ctx, cmd::Paste);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Landforge Notice");
    EXPECT_FALSE(s.terrain.pasting) << "an empty clipboard starts no paste";
    runCommand(ctx, cmd::Copy);
    s.terrain.patch.importWidth = s.terrain.patch.importHeight = 2;
    startImport(s.terrain);
    runCommand(ctx, cmd::Paste);
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[1].title, "Landforge Warning");
    EXPECT_EQ(ui.shown()[1].text, "Pasting while importing is not allowed.");
    EXPECT_EQ(ui.shown()[1].icon, korvath::Icon::Critical);
    EXPECT_FALSE(s.terrain.pasting);
    applyKey(ctx, EditorKey::Escape);
    EXPECT_FALSE(s.terrain.importing);
    runCommand(ctx, cmd::Paste);
    EXPECT_TRUE(s.terrain.pasting);
    EXPECT_TRUE(applyKey(ctx, EditorKey::Up).terrainChanged);
    EXPECT_EQ(s.terrain.pasteY, 31);
}

TEST_F(MenuCommandHandlers, HelpOpensTheReadmeBesideTheProgramOrSaysItIsMissing) {
    korvath::testing::TempDir dir;
    s.programFolder = dir.path().string();
    runCommand(ctx, cmd::HelpHelp);
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_NE(ui.shown()[0].text.find("readme.htm"), std::string::npos);
    EXPECT_TRUE(dialogs.shown.empty());
    dir.write("readme.htm", "<html></html>");
    runCommand(ctx, cmd::HelpHelp);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], "help " + (dir.path() / "readme.htm").string());
    EXPECT_EQ(ui.shown().size(), 1u);
}

TEST_F(MenuCommandHandlers, QuakeExportAndExitDoNothingToTheTerrain) {
    auto before = points();
    EXPECT_FALSE(runCommand(ctx, cmd::QuakeFull).recentre);
    EXPECT_TRUE(runCommand(ctx, cmd::FileExit).closeRequested);
    EXPECT_TRUE(samePoints(points(), before));
    EXPECT_TRUE(ui.shown().empty());
}

}  // namespace
}  // namespace landforge
