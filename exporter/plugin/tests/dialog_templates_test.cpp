// The plug-in's two dialog resources as a host receives them: every control's kind, id,
// place, size, text and style, written out here rather than taken from the plug-in.
#include <gtest/gtest.h>

#include <tuple>

#include "common/testing/temp_dir.h"
#include "exporter/scene/tests/test_scene.h"

namespace korvath::exporter_test {
namespace {

using namespace hostsdk;

using ControlRow = std::tuple<ControlKind, int, int, int, int, int, std::string, unsigned>;

std::vector<ControlRow> rows(const DialogTemplate& dialog) {
    std::vector<ControlRow> out;
    for (const auto& c : dialog.controls) out.emplace_back(c.kind, c.id, c.x, c.y, c.width, c.height, c.text, c.style);
    return out;
}

void expectDialog(const DialogTemplate& dialog, int id, const char* caption, int width, int height) {
    EXPECT_EQ(dialog.resourceId, id);
    EXPECT_EQ(dialog.caption, caption);
    EXPECT_EQ(dialog.width, width);
    EXPECT_EQ(dialog.height, height);
    EXPECT_EQ(dialog.style & 0x80u, 0x80u);              // modal frame
    EXPECT_EQ(dialog.style & 0x00080000u, 0x00080000u);  // system menu
    EXPECT_EQ(dialog.fontName, "MS Sans Serif");
    EXPECT_EQ(dialog.fontSize, 8);
}

TEST(DialogTemplates, AboutBox) {
    Host host;
    host.windows.answerDialog({});
    plugin().createExporter()->ShowAbout(&host.scene.mainWindow());
    ASSERT_EQ(host.windows.dialogs().size(), 1u);
    const DialogTemplate& about = host.windows.dialogs()[0].dialog;
    expectDialog(about, 102, "About Korvath Export", 172, 76);
    const auto controls = rows(about);
    ASSERT_EQ(controls.size(), 3u);
    EXPECT_EQ(controls[0], ControlRow(ControlKind::GroupBox, -1, 7, 7, 158, 44, "", 0u));
    const auto& [kind, id, x, y, w, h, text, style] = controls[1];
    EXPECT_EQ(std::tie(kind, id, x, y, w, h), std::make_tuple(ControlKind::Label, -1, 10, 13, 151, 36));
    EXPECT_EQ(text.substr(0, text.find('\n')), "Korvath File Exporter v1.0 (3D Studio Max 3)");
    EXPECT_NE(text.find('\n'), std::string::npos);  // credit lines follow
    EXPECT_EQ(style & 0x1u, 0x1u);                   // centred
    EXPECT_EQ(controls[2], ControlRow(ControlKind::DefaultPushButton, 1, 60, 55, 50, 14, "OK", 0u));
}

TEST(DialogTemplates, OptionsDialogAndItsAnswer) {
    testing::TempDir dir;
    Host host;
    host.scene.root().addChild("tri").setMesh(lineMesh(3, {Face(0, 1, 2)}));
    host.scene.setAnimRange(0, 160 * 10);
    host.windows.answerDialog({{{1021, "2,4"}}, {{1022, false}}, {IDOK}});
    ASSERT_EQ(host.exportTo((dir / "t.3d").string(), false), 1);
    ASSERT_EQ(host.windows.dialogs().size(), 1u);
    const auto& shown = host.windows.dialogs()[0];
    const DialogTemplate& options = shown.dialog;
    expectDialog(options, 105, "Korvath Exporter v1", 168, 119);
    const auto controls = rows(options);
    ASSERT_EQ(controls.size(), 6u);
    EXPECT_EQ(controls[0], ControlRow(ControlKind::Label, -1, 8, 8, 91, 8, "Frame Range: (ie: 1-5,10,15)", 0u));
    EXPECT_EQ(controls[1], ControlRow(ControlKind::EditBox, 1021, 7, 17, 92, 12, "", 0x80u));  // scrolls sideways
    EXPECT_EQ(controls[2], ControlRow(ControlKind::CheckBox, 1022, 7, 34, 76, 10, "Append animations", 0u));
    EXPECT_EQ(controls[3], ControlRow(ControlKind::Label, -1, 7, 78, 154, 25,
                                      "Notes:\nExcludes: '!' , 'bip', 'link' and 'bone' name prefixes.", 0u));
    EXPECT_EQ(controls[4], ControlRow(ControlKind::DefaultPushButton, 1, 111, 7, 50, 14, "OK", 0u));
    EXPECT_EQ(controls[5], ControlRow(ControlKind::PushButton, 2, 111, 24, 50, 14, "Cancel", 0u));
    EXPECT_TRUE(shown.centred);
    EXPECT_EQ(shown.centredOver, &host.scene.mainWindow());
    EXPECT_EQ(shown.result, 1);
    EXPECT_EQ(u16(dir.read("t_a.3d"), 0), 2);  // frames 2 and 4
}

}  // namespace
}  // namespace korvath::exporter_test
