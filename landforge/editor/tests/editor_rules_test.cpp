// The command table, the status bar, the keys and the dialogs' limits, without a window.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

#include "common/interaction/scripted_interaction.h"
#include "landforge/editor/editor_keys.h"
#include "landforge/editor/menu_command_handlers.h"
#include "landforge/editor/menu_command_table.h"
#include "landforge/editor/status_texts.h"
#include "landforge/editor/tests/scripted_dialogs.h"

namespace landforge {
namespace {

std::set<int> checkedIds(const EditorState& s) {
    std::set<int> ids;
    for (const CommandInfo& c : commandTable())
        if (commandChecked(c, s)) ids.insert(c.id);
    return ids;
}

TEST(CommandTable, HoldsEveryMenuIdOnceWithItsPlace) {
    const std::set<int> expected{40001, 40002, 40003, 40004, 40006, 40007, 40011, 40012, 40013, 40025, 40026,
                                 40027, 40029, 40030, 40032, 40033, 40034, 40035, 40036, 40037, 40039, 40040,
                                 40041, 40042, 40043, 40044, 40045, 40047, 40048, 40049, 40050, 40051, 40053,
                                 40055, 40056, 40057, 40058, 40059, 40060, 40061, 40062, 40063, 40067, 40068,
                                 40069, 40070, 40071, 40072, 40073, 40074};
    std::set<int> ids;
    std::set<int> added;
    for (const CommandInfo& c : commandTable()) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.id;
        if (c.id > 40074) {
            added.insert(c.id);
            ids.erase(c.id);
        }
    }
    EXPECT_EQ(ids, expected);
    // Every command does something, except the Quake MAP exports (never enabled).
    for (const CommandInfo& c : commandTable())
        EXPECT_EQ(static_cast<bool>(c.run), c.id != 40048 && c.id != 40049) << c.id;
    // Recent Terrains, the erosion filters and the 16-bit heightmap export.
    EXPECT_EQ(added, (std::set<int>{40101, 40102, 40103, 40104, 40105, 40106, 40107, 40108, 40210, 40211, 40212,
                                    40213}));
    struct Place {
        int id;
        const char* path;
        const char* caption;
    };
    for (Place p : {Place{40012, "File/Save Terrain", "Full ..."}, Place{40045, "File/Export/Korvath Text", "View ..."},
                    Place{40049, "File/Export/Quake MAP", "View ..."}, Place{40056, "View/Render Mode", "Bottom See-Through"},
                    Place{40073, "Options/Terrain Generation", "Raise / Lower Terrain ..."},
                    Place{40030, "Options/Change Colors", "Change Sea Color ..."},
                    Place{40036, "Window/Layout", "All In One"}, Place{40002, "Help", "About Landforge ..."}}) {
        const CommandInfo* c = findCommand(p.id);
        ASSERT_NE(c, nullptr) << p.id;
        EXPECT_EQ(c->menuPath, p.path) << p.id;
        EXPECT_EQ(withoutMnemonic(c->caption), p.caption) << p.id;
    }
}

// Every menu and entry has one mnemonic letter, none twice within a menu, and the captions
// keep their words.
TEST(CommandTable, MnemonicsDoNotClashWithinAMenu) {
    std::map<std::string, std::vector<std::string>> entries;  // menu path -> captions in it
    std::set<std::string> menus;
    for (const CommandInfo& c : commandTable()) {
        entries[std::string(c.menuPath)].push_back(std::string(c.caption));
        std::string path(c.menuPath);
        while (!path.empty()) {
            menus.insert(path);
            auto cut = path.rfind('/');
            path = cut == std::string::npos ? "" : path.substr(0, cut);
        }
    }
    for (const std::string& menu : menus) {
        auto cut = menu.rfind('/');
        std::string parent = cut == std::string::npos ? "" : menu.substr(0, cut);
        std::string title(menuTitle(menu));
        EXPECT_EQ(withoutMnemonic(title), menu.substr(cut == std::string::npos ? 0 : cut + 1));
        entries[parent].push_back(title);
    }
    for (const auto& [menu, captions] : entries) {
        std::set<char> letters;
        for (const std::string& caption : captions) {
            auto mark = caption.find('&');
            ASSERT_NE(mark, std::string::npos) << menu << ": " << caption;
            ASSERT_LT(mark + 1, caption.size()) << caption;
            EXPECT_EQ(caption.find('&', mark + 1), std::string::npos) << caption;
            char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(caption[mark + 1])));
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(letter))) << caption;
            EXPECT_TRUE(letters.insert(letter).second) << "'" << letter << "' twice in " << (menu.empty() ? "the menu bar" : menu);
        }
    }
    EXPECT_EQ(withoutMnemonic("Save Terrain &As ..."), "Save Terrain As ...");
    EXPECT_EQ(withoutMnemonic("A && B"), "A & B");
    EXPECT_EQ(menuTitle("Options/Change Colors"), "Change &Colors");
}

TEST(CommandTable, InitialChecksAndEnabledRules) {
    EditorState s;
    EXPECT_EQ(checkedIds(s), (std::set<int>{40053, 40056, 40069, 40047, 40058, 40035}));
    for (int id : {40067, 40068, 40048, 40049}) EXPECT_FALSE(commandEnabled(*findCommand(id), s)) << id;
    EXPECT_TRUE(submenuAlwaysDisabled("File/Export/Quake MAP"));
    EXPECT_FALSE(submenuAlwaysDisabled("File/Export/Bitmap"));
    takeSnapshot(s.terrain.history, s.terrain.grid, SnapshotKind::Points, kFullRect);
    EXPECT_TRUE(commandEnabled(*findCommand(40067), s));
    ASSERT_TRUE(undo(s.terrain.history, s.terrain.grid));
    EXPECT_FALSE(commandEnabled(*findCommand(40067), s));
    EXPECT_TRUE(commandEnabled(*findCommand(40068), s));
}

// Each row: the commands run from the start state, and the checks that must follow.
TEST(CommandTable, ChecksFollowTheCommands) {
    struct Row {
        std::vector<int> run;
        std::set<int> checked;
    };
    const std::vector<Row> rows{
        {{40055}, {40055, 40056, 40069, 40047, 40058, 40035}},
        {{40007, 40056, 40069}, {40007, 40047, 40058, 40035}},
        {{40057, 40060, 40039}, {40053, 40056, 40069, 40047, 40058, 40035, 40057, 40060, 40039}},
        {{40063, 40036, 40047}, {40053, 40056, 40069, 40063, 40036}},
        {{40059, 40036, 40035}, {40053, 40056, 40069, 40047, 40059, 40035}},
    };
    for (const Row& row : rows) {
        EditorState s;
        korvath::ScriptedInteraction ui;
        testing::ScriptedDialogs dialogs;
        EditorContext ctx{s, ui, dialogs, {}};
        for (int id : row.run) runCommand(ctx, id);
        EXPECT_EQ(checkedIds(s), row.checked) << "after " << row.run.front();
    }
}

TEST(StatusBar, PartsAndTexts) {
    EXPECT_EQ(kStatusPartEdges, (std::array<int, 8>{50, 100, 150, 200, 290, 350, 400, 450}));
    EditorState s;
    EXPECT_EQ(statusTexts(s),
              (std::array<std::string, 8>{"16,16", "0,0", "Snap 2", "N/A", "Replace", "", "Select", "RM Off"}));
    s.terrain.view = {3, 250, 40, 6};
    s.options.snapDivisor = 0;
    s.options.layout = ViewLayout::AllInOne;
    s.terrain.patch.importMode = ImportMode::Add;
    s.terrain.patch.importWeight = 35;
    s.terrain.pasting = true;
    s.options.selectMode = SelectMode::Deselect;
    s.options.reshapeOn = true;
    EXPECT_EQ(statusTexts(s), (std::array<std::string, 8>{"40,6", "3,250", "Snap Off", "XY plane", "Add - 35%",
                                                          "Pasting", "Deselect", "RM On"}));
    s.options.dragAxis = DragAxis::ZAxis;
    s.terrain.importing = true;
    s.terrain.patch.importMode = ImportMode::Subtract;
    auto parts = statusTexts(s);
    EXPECT_EQ(parts[3], "Z axis");
    EXPECT_EQ(parts[4], "Subtract - 35%");
    EXPECT_EQ(parts[5], "Importing") << "an import shows before a paste";
}

TEST(Keys, EitherCaseAndTheSnapCycle) {
    EditorState s;
    korvath::ScriptedInteraction ui;
    testing::ScriptedDialogs dialogs;
    EditorContext ctx{s, ui, dialogs, {}};
    std::vector<int> seen;
    for (char c : std::string("gGgGg")) {
        ASSERT_TRUE(applyKey(ctx, keyOfChar(c)).handled);
        seen.push_back(s.options.snapDivisor);
    }
    EXPECT_EQ(seen, (std::vector<int>{4, 8, 16, 0, 1}));
    EXPECT_EQ(keyOfChar('q'), EditorKey::None);
    applyKey(ctx, keyOfChar('r'));
    applyKey(ctx, keyOfChar('S'));
    applyKey(ctx, keyOfChar('z'));
    EXPECT_TRUE(s.options.reshapeOn);
    EXPECT_EQ(s.options.selectMode, SelectMode::Deselect);
    EXPECT_EQ(s.options.dragAxis, DragAxis::ZAxis);
    applyKey(ctx, keyOfChar('X'));
    applyKey(ctx, keyOfChar('R'));
    applyKey(ctx, keyOfChar('s'));
    EXPECT_FALSE(s.options.reshapeOn);
    EXPECT_EQ(s.options.selectMode, SelectMode::Select);
    EXPECT_EQ(s.options.dragAxis, DragAxis::XYPlane);
}

TEST(Keys, PointInformationNeedsASelection) {
    EditorState s;
    korvath::ScriptedInteraction ui;
    testing::ScriptedDialogs dialogs;
    EditorContext ctx{s, ui, dialogs, {}};
    applyKey(ctx, keyOfChar('i'));
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].title, "Landforge Error");
    EXPECT_EQ(ui.shown()[0].text, "You must have points selected in order to see information on them.");
    EXPECT_EQ(ui.shown()[0].icon, korvath::Icon::Information);
    s.terrain.grid.point(2, 1).z = 7.5f;
    s.terrain.selection.add({2, 1});
    applyKey(ctx, keyOfChar('I'));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], "POINTINFOBOX point-1 (2,1)\tX=+20.000000\tY=+10.000000\tZ=+7.500000\t");
}

TEST(DialogValues, LimitsAppliedOnOk) {
    struct ParamsRow {
        TerrainParamsValues in;
        float dampening, initialHeight, seaLevel;
    };
    for (ParamsRow r : {ParamsRow{{1, 0.5f, 300, 255}, 1, 255, 254}, ParamsRow{{1, 1.5f, -1, -3}, 1.5f, 0, 0},
                        ParamsRow{{1, 2, 255, 254.5f}, 2, 255, 254.5f}}) {
        TerrainParamsValues v = withLimits(r.in);
        EXPECT_EQ(v.dampening, r.dampening);
        EXPECT_EQ(v.initialHeight, r.initialHeight);
        EXPECT_EQ(v.seaLevel, r.seaLevel);
    }
    EXPECT_EQ(withLimits(FilterNoiseValues{0}).maxNoise, 1);
    EXPECT_EQ(withLimits(FilterNoiseValues{-4}).maxNoise, 1);
    EXPECT_EQ(withLimits(SmoothValues{SmoothChoice::Average, 0}).percent, 1);
    EXPECT_EQ(withLimits(SmoothValues{SmoothChoice::Average, 101}).percent, 100);
    ToolSettings tools;
    EXPECT_EQ(reshapeValuesOf(tools, ReshapeMethod::Peak).radius, 4);
    EXPECT_EQ(reshapeValuesOf(tools, ReshapeMethod::Ripple).radius, 8);
    applyReshapeValues(tools, ReshapeMethod::Ripple, {0, -2});
    EXPECT_EQ(tools.rippleRadius, 1.0f) << "the stored radius is kept at least 1";
    EXPECT_EQ(tools.rippleCycles, 1);
    EXPECT_EQ(tools.method, ReshapeMethod::Ripple);
    applyReshapeValues(tools, ReshapeMethod::Dome, {12, 5});
    EXPECT_EQ(tools.domeRadius, 120.0f);
    EXPECT_EQ(tools.rippleCycles, 1) << "Dome leaves the ripple's cycles alone";
}

TEST(DialogValues, FieldsReadAndShowNumbersLikeTheDialogs) {
    struct IntRow {
        const char* text;
        int value;
    };
    for (IntRow r : {IntRow{"42", 42}, IntRow{" -7 ", -7}, IntRow{"+3", 3}, IntRow{"4x", 0}, IntRow{"", 0},
                     IntRow{"1.5", 0}, IntRow{"99999999999", 2147483647}})
        EXPECT_EQ(parseIntField(r.text), r.value) << r.text;
    EXPECT_EQ(parseUnsignedField("4294967295"), 4294967295u);
    EXPECT_EQ(parseUnsignedField("-1"), 0u);
    EXPECT_EQ(parseRealField("2.5x"), 2.5f);
    EXPECT_EQ(parseRealField(" .75"), 0.75f);
    EXPECT_EQ(parseRealField("abc"), 0.0f);
    EXPECT_EQ(formatThreeDecimals(2.0f), "2.000");
    EXPECT_EQ(formatThreeDecimals(0.5f), ".500");
    EXPECT_EQ(formatThreeDecimals(0.0f), ".000");
    EXPECT_EQ(formatThreeDecimals(-0.25f), "-.250");
    EXPECT_EQ(formatThreeDecimals(254.0f), "254.000");
    EXPECT_EQ(heightAverageText(12.5f), "The height average is : 12.500000");
}

}  // namespace
}  // namespace landforge
