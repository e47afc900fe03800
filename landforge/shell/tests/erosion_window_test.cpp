// Hydraulic erosion from the main window's menu with the real dialogs: the progress display
// appears over a window that keeps painting, and Escape leaves the terrain as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/qt_application.h"
#include "landforge/editor/menu_command_table.h"
#include "landforge/shell/dialogs/control_ids.h"
#include "landforge/shell/dialogs/form_dialog.h"
#include "landforge/shell/main_window.h"
#include "landforge/shell/qt_editor_dialogs.h"
#include "landforge/terrain/generator.h"

namespace landforge::shell {
namespace {

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

TEST(ErosionWindow, EscapeInTheProgressDisplayLeavesTheTerrainAsItWas) {
    korvath::testing::ensureApplication();
    EditorState state;
    initTerrainState(state.terrain, 5);
    generateTerrain(state.terrain.grid, state.terrain.random, 3, 2.0f, false);
    const Heightfield before = state.terrain.grid;
    korvath::ScriptedInteraction ui;
    QtEditorDialogs dialogs;
    MainWindow window(EditorContext{state, ui, dialogs, {}});
    dialogs.setParent(&window);
    window.resize(800, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    bool sawProgress = false;
    std::function<void()> drive = [&] {
        if (QWidget* d = topLevel("HYDRAULICEROSIONBOX")) {
            auto* droplets = d->findChild<QLineEdit*>(idName(kDropletsId));
            droplets->setText("1000000");
            d->findChild<QPushButton*>(idName(kOkId))->click();
        } else if (QWidget* p = topLevel("EROSIONPROGRESS")) {
            sawProgress = true;
            QTest::keyClick(p, Qt::Key_Escape);
            return;
        }
        QTimer::singleShot(50, drive);
    };
    QTimer::singleShot(50, drive);
    window.runCommandId(cmd::HydraulicErosion);

    EXPECT_TRUE(sawProgress);
    EXPECT_EQ(std::memcmp(before.points.data(), state.terrain.grid.points.data(),
                          before.points.size() * sizeof(TerrainPoint)),
              0);
    EXPECT_FALSE(state.terrain.modified);
    EXPECT_FALSE(state.terrain.history.canUndo());
    EXPECT_EQ(state.erosion.hydraulic.settings.droplets, 1000000);  // kept for the next time
    window.close();
}

}  // namespace
}  // namespace landforge::shell
