// The erosion and 16-bit heightmap menu commands with scripted dialogs.
#include <gtest/gtest.h>

#include <cstring>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"
#include "landforge/editor/menu_command_handlers.h"
#include "landforge/editor/menu_command_table.h"
#include "landforge/editor/tests/scripted_dialogs.h"
#include "landforge/terrain/generator.h"

namespace landforge {
namespace {

class ErosionFlows : public ::testing::Test {
protected:
    EditorState s;
    korvath::ScriptedInteraction ui;
    testing::ScriptedDialogs dialogs;
    EditorContext ctx{s, ui, dialogs, {}};

    void SetUp() override {
        initTerrainState(s.terrain, 1234);
        generateTerrain(s.terrain.grid, s.terrain.random, 99, 2.0f, false);
        updateTrisFull(s.terrain.grid);
        s.terrain.view = {20, 30, 40, 40};
    }
    bool unchangedSince(const Heightfield& g) const {
        return std::memcmp(g.points.data(), s.terrain.grid.points.data(), g.points.size() * sizeof(TerrainPoint)) == 0;
    }
};

TEST_F(ErosionFlows, MenuEntriesFollowTheOriginalOnes) {
    auto position = [](int id) {
        const auto& table = commandTable();
        for (std::size_t k = 0; k < table.size(); ++k)
            if (table[k].id == id) return k;
        return table.size();
    };
    EXPECT_EQ(position(cmd::ThermalErosion), position(cmd::RaiseLower) + 1);
    EXPECT_EQ(position(cmd::HydraulicErosion), position(cmd::RaiseLower) + 2);
    EXPECT_EQ(position(cmd::ExportPng16Full), position(cmd::QuakeView) + 1);
    EXPECT_EQ(findCommand(cmd::ExportPng16View)->menuPath, "File/Export/Heightmap (16-bit PNG)");
    EXPECT_EQ(withoutMnemonic(findCommand(cmd::ThermalErosion)->caption), "Thermal Erosion ...");
    EXPECT_EQ(withoutMnemonic(findCommand(cmd::HydraulicErosion)->caption), "Hydraulic Erosion ...");
}

// OK erodes (the view area when asked) with one undo step and marks the document; Cancel in the
// dialog or in the progress display changes nothing; the limited values are kept for next time.
TEST_F(ErosionFlows, DialogProgressAndUndo) {
    using Answer = testing::ScriptedDialogs::Answer;
    struct Row {
        const char* name;
        int id;
        Answer answer;
        int cancelAfter;
        bool changes;
    };
    const Row rows[] = {
        {"thermal", cmd::ThermalErosion, ThermalErosionValues{{30, 5.0f, 0.5f}, true}, -1, true},
        {"hydraulic", cmd::HydraulicErosion, HydraulicErosionValues{{3000, 1, .3f, .3f, .02f, 4}, false}, -1, true},
        {"thermal cancelled", cmd::ThermalErosion, std::monostate{}, -1, false},
        {"hydraulic stopped", cmd::HydraulicErosion, HydraulicErosionValues{{3000, 1, .3f, .3f, .02f, 4}, false}, 1,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        s.terrain.modified = false;
        s.terrain.history = {};
        const Heightfield before = s.terrain.grid;
        dialogs.answers = {row.answer};
        dialogs.cancelAfterSteps = row.cancelAfter;
        runCommand(ctx, row.id);
        EXPECT_EQ(s.terrain.modified, row.changes);
        EXPECT_EQ(s.terrain.history.undoList.size(), row.changes ? 1u : 0u);
        EXPECT_EQ(unchangedSince(before), !row.changes);
        if (!row.changes) continue;
        if (row.id == cmd::ThermalErosion) {
            EXPECT_TRUE(s.erosion.thermal.viewOnly);
            EXPECT_EQ(s.terrain.grid.point(0, 0).z, before.point(0, 0).z);  // outside the view area
        }
        runCommand(ctx, cmd::Undo);
        EXPECT_TRUE(unchangedSince(before));
    }
    dialogs.answers = {ThermalErosionValues{{5000, 100.0f, 0.0f}, false}};
    dialogs.cancelAfterSteps = 0;
    runCommand(ctx, cmd::ThermalErosion);
    EXPECT_EQ(s.erosion.thermal.settings.iterations, 1000);
    EXPECT_EQ(s.erosion.thermal.settings.talusAngle, 89.0f);
    EXPECT_EQ(dialogs.shown.back(), "progress Thermal Erosion");
}

TEST_F(ErosionFlows, ExportPng16WritesTheChosenArea) {
    korvath::testing::TempDir dir;
    ui.answerText((dir / "full").string());  // the default extension is added
    runCommand(ctx, cmd::ExportPng16Full);
    std::string full = dir.read("full.png");
    ASSERT_GT(full.size(), 24u);
    EXPECT_EQ(full.substr(1, 3), "PNG");
    EXPECT_EQ(full.substr(16, 8), std::string("\0\0\1\0\0\0\1\0", 8));  // 256 x 256
    ui.answerText((dir / "view.png").string());
    runCommand(ctx, cmd::ExportPng16View);
    EXPECT_EQ(dir.read("view.png").substr(16, 8), std::string("\0\0\0\x28\0\0\0\x28", 8));  // 40 x 40
    EXPECT_FALSE(s.terrain.modified);
}

}  // namespace
}  // namespace landforge
