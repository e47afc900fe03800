// The main window under X with its OpenGL views: menus by id, status bar, layouts, keys, the
// save prompts with scripted answers, the instance lock and the --screenshot smoke run.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <QMenuBar>
#include <QProcess>
#include <QTest>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/qt_application.h"
#include "common/testing/temp_dir.h"
#include "landforge/editor/menu_command_table.h"
#include "landforge/editor/tests/scripted_dialogs.h"
#include "landforge/shell/dialogs/control_ids.h"
#include "landforge/shell/dialogs/form_dialog.h"
#include "landforge/shell/main_window.h"
#include "landforge/shell/qt_editor_dialogs.h"
#include "landforge/shell/single_instance.h"
#include "landforge/shell/status_strip.h"
#include "landforge/shell/view_panel.h"

namespace landforge::shell {
namespace {

using korvath::testing::ensureApplication;

using korvath::Answer;

class MainWindowTest : public ::testing::Test {
protected:
    EditorState state;
    korvath::ScriptedInteraction ui;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        ensureApplication();
        initTerrainState(state.terrain, 5);
        window = std::make_unique<MainWindow>(EditorContext{state, ui, dialogs, {}});
        window->resize(800, 600);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        state.terrain.modified = false;
        window->close();
    }
    void trigger(int id) {
        QAction* a = window->findChild<QAction*>(QString::number(id));
        ASSERT_NE(a, nullptr) << id;
        a->trigger();
    }
    QString status(int part) const { return window->statusStrip()->text(part); }
};

TEST_F(MainWindowTest, MenusFromTheTableWithTheirInitialState) {
    EXPECT_EQ(window->windowTitle(), "Landforge - (untitled)");
    for (const CommandInfo& c : commandTable()) {
        QAction* a = window->findChild<QAction*>(QString::number(c.id));
        ASSERT_NE(a, nullptr) << c.id;
        EXPECT_EQ(a->text().toStdString(), c.caption);
        EXPECT_EQ(a->isChecked(), commandChecked(c, state)) << c.id;
    }
    for (int id : {40053, 40056, 40069, 40047, 40058, 40035}) EXPECT_TRUE(window->action(id)->isChecked()) << id;
    EXPECT_FALSE(window->action(40039)->isChecked());
    EXPECT_FALSE(window->action(40067)->isEnabled());
    EXPECT_FALSE(window->action(40068)->isEnabled());
    QMenu* quake = window->findChild<QMenu*>("File/Export/Quake MAP");
    ASSERT_NE(quake, nullptr);
    EXPECT_FALSE(quake->menuAction()->isEnabled());
    QStringList top;
    for (QAction* a : window->menuBar()->actions()) top << a->text();
    EXPECT_EQ(top, (QStringList{"&File", "&Edit", "&View", "&Options", "&Window", "&Help"}));
    QMenu* recent = window->findChild<QMenu*>("File/Recent Terrains");
    ASSERT_NE(recent, nullptr);
    EXPECT_FALSE(recent->menuAction()->isEnabled()) << "nothing opened yet";
    EXPECT_EQ(window->findChild<QMenu*>("File")->actions().last(), recent->menuAction()) << "after the File entries";
}

// A line above Exit, above Recent Terrains and above About; nowhere else.
TEST_F(MainWindowTest, MenusHaveTheirSeparators) {
    auto entries = [&](const char* menu) {
        QStringList texts;
        for (QAction* a : window->findChild<QMenu*>(menu)->actions()) texts << (a->isSeparator() ? "-" : a->text());
        return texts;
    };
    EXPECT_EQ(entries("File"),
              (QStringList{"&New Terrain", "&Open Terrain ...", "&Save Terrain", "Save Terrain &As ...", "&Import",
                           "&Export", "-", "E&xit", "-", "&Recent Terrains"}));
    EXPECT_EQ(entries("Help"), (QStringList{"&Help ...", "-", "&About Landforge ..."}));
    for (const char* menu : {"Edit", "View", "Options", "Window", "File/Export", "View/Render Mode"})
        EXPECT_FALSE(entries(menu).contains("-")) << menu;
}

TEST_F(MainWindowTest, RecentTerrainsShowTheirPathsAndOpen) {
    korvath::testing::TempDir dir;
    state.terrain.grid.point(3, 4).z = 42;
    state.terrain.modified = true;
    ui.answerText((dir / "first.lfg").string());
    trigger(40013);
    state.terrain.modified = true;
    ui.answerText((dir / "second.lfg").string());
    trigger(40013);
    EXPECT_TRUE(window->findChild<QMenu*>("File/Recent Terrains")->menuAction()->isEnabled());
    EXPECT_EQ(window->action(40101)->text(), "&1 " + QString::fromStdString((dir / "second.lfg").string()));
    EXPECT_TRUE(window->action(40102)->isVisible());
    EXPECT_FALSE(window->action(40103)->isVisible());
    trigger(40006);
    trigger(40102);
    EXPECT_EQ(window->windowTitle(), "Landforge - first.lfg");
    EXPECT_EQ(state.terrain.grid.point(3, 4).z, 42.0f);
}

// A terrain dropped on a view reaches the main window and opens.
TEST_F(MainWindowTest, ADroppedTerrainOpens) {
    korvath::testing::TempDir dir;
    state.terrain.grid.point(5, 5).z = 7;
    state.terrain.modified = true;
    ui.answerText((dir / "dropped.lfg").string());
    trigger(40013);
    trigger(40006);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString((dir / "dropped.lfg").string()))});
    TerrainView* view = window->viewPanel()->view(kViewXZ);
    QPoint at = view->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(window.get(), &drop);
    QTest::qWait(50);
    EXPECT_EQ(window->windowTitle(), "Landforge - dropped.lfg");
    EXPECT_EQ(state.terrain.grid.point(5, 5).z, 7.0f);
    QMimeData text;
    text.setText("not a file");
    QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, {});
    refused.setAccepted(false);
    QApplication::sendEvent(window.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(MainWindowTest, F10OpensTheMenuBar) {
    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_EQ(window->menuBar()->activeAction(), window->menuBar()->actions().first());
    QTest::keyClick(window->menuBar(), Qt::Key_Escape);
}

// The parts keep their order and at least their original widths, and each shows its longest
// texts whole in the current font.
TEST_F(MainWindowTest, StatusBarAlongTheTopWithItsEightParts) {
    const int edges[] = {50, 100, 150, 200, 290, 350, 400, 450};
    int left = 0;
    for (int k = 0; k < 8; ++k) {
        auto* part = window->findChild<QLabel*>(QString("statusPart%1").arg(k));
        ASSERT_NE(part, nullptr);
        EXPECT_EQ(part->geometry().left(), left);
        EXPECT_GE(part->geometry().width(), edges[k] - (k ? edges[k - 1] : 0));
        left = part->geometry().right() + 1;
        const std::vector<std::string>& texts = statusPartLongestTexts(k);
        for (const std::string& t : texts) {
            QString text = QString::fromStdString(t);
            part->setText(text);
            int room = part->contentsRect().width() - 2 * part->indent();
            EXPECT_LE(part->fontMetrics().horizontalAdvance(text), room) << "part " << k << " cuts " << t;
        }
    }
    // The texts the bar was seen to cut are among those measured.
    std::vector<std::string> measured;
    for (int k = 0; k < 8; ++k)
        for (const std::string& t : statusPartLongestTexts(k)) measured.push_back(t);
    for (const char* cut : {"Snap 16", "Deselect", "XY plane", "256,256", "Subtract - 100%"})
        EXPECT_NE(std::find(measured.begin(), measured.end(), cut), measured.end()) << cut;
    window->refresh();
    QPoint bar = window->statusStrip()->mapTo(window.get(), QPoint(0, 0));
    QPoint views = window->viewPanel()->mapTo(window.get(), QPoint(0, 0));
    EXPECT_LT(bar.y(), views.y()) << "the bar stands above the views";
    EXPECT_EQ(status(0), "16,16");
    EXPECT_EQ(status(2), "Snap 2");
    EXPECT_EQ(status(3), "N/A");
    EXPECT_EQ(status(7), "RM Off");
}

TEST_F(MainWindowTest, CommandsByIdChangeStateChecksAndLayout) {
    trigger(40055);
    EXPECT_EQ(state.options.renderMode, RenderMode::Shaded);
    EXPECT_TRUE(window->action(40055)->isChecked());
    EXPECT_FALSE(window->action(40053)->isChecked());
    trigger(40036);
    ViewPanel* panel = window->viewPanel();
    EXPECT_TRUE(panel->view(kViewAllInOne)->isVisible());
    EXPECT_FALSE(panel->view(kViewXY)->isVisible());
    EXPECT_EQ(panel->view(kViewAllInOne)->size(), panel->size());
    EXPECT_EQ(status(3), "XY plane");
    EXPECT_TRUE(window->action(40036)->isChecked());
    trigger(40035);
    EXPECT_TRUE(panel->view(kViewYZ)->isVisible());
    // Four quadrants with a one-pixel divider between them, outside every view.
    int w = (panel->width() - 1) / 2;
    int h = (panel->height() - 1) / 2;
    EXPECT_EQ(panel->view(kViewXY)->geometry(), QRect(0, 0, w, h));
    EXPECT_EQ(panel->view(kViewXZ)->geometry(), QRect(w + 1, 0, panel->width() - w - 1, h));
    EXPECT_EQ(panel->view(kViewYZ)->geometry(), QRect(0, h + 1, w, panel->height() - h - 1));
    EXPECT_EQ(panel->view(kViewFreeRotate)->geometry().bottomRight(), panel->rect().bottomRight());
    QImage panelPicture = panel->grab().toImage();
    EXPECT_EQ(panelPicture.pixel(w, h / 2), panel->palette().color(QPalette::Dark).rgb());
    trigger(40039);
    ASSERT_NE(window->overhead(), nullptr);
    EXPECT_TRUE(window->overhead()->isVisible());
    EXPECT_TRUE(window->action(40039)->isChecked());
    trigger(40039);
    QApplication::processEvents();
    EXPECT_FALSE(window->action(40039)->isChecked());
}

TEST_F(MainWindowTest, AMenuEditCanBeUndoneFromTheMenu) {
    auto before = state.terrain.grid.points;
    trigger(40032);
    EXPECT_TRUE(window->action(40067)->isEnabled());
    EXPECT_NE(state.terrain.grid.points[300].z, before[300].z);
    trigger(40067);
    EXPECT_EQ(state.terrain.grid.points[300].z, before[300].z);
    EXPECT_FALSE(window->action(40067)->isEnabled());
    EXPECT_TRUE(window->action(40068)->isEnabled());
}

TEST_F(MainWindowTest, KeysReachTheRulesFromTheWindowAndFromAView) {
    QTest::keyClick(window.get(), Qt::Key_G);
    EXPECT_EQ(status(2), "Snap 4");
    QTest::keyClick(window.get(), 'r');
    EXPECT_EQ(status(7), "RM On");
    TerrainView* xy = window->viewPanel()->view(kViewXY);
    xy->setFocus();
    QTest::keyClick(xy, Qt::Key_S, Qt::ShiftModifier);
    EXPECT_EQ(status(6), "Deselect");
    // Arrows move an active paste.
    trigger(40070);
    trigger(40071);
    EXPECT_EQ(status(5), "Pasting");
    QTest::keyClick(window.get(), Qt::Key_Up);
    EXPECT_EQ(state.terrain.pasteY, 1);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(status(5), "");
}

TEST_F(MainWindowTest, ClosePromptWithScriptedAnswers) {
    trigger(40032);
    state.terrain.modified = true;
    ui.answer(Answer::Cancel);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(ui.shown().size(), 1u);
    EXPECT_EQ(ui.shown()[0].text, "Save current terrain?");
    EXPECT_EQ(ui.shown()[0].title, "Landforge");
    EXPECT_TRUE(window->isVisible());
    ui.answer(Answer::No);
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ui.shown().size(), 2u);
}

TEST_F(MainWindowTest, OpenAsksWithItsOwnTextAndSetsTheTitle) {
    korvath::testing::TempDir dir;
    state.terrain.modified = true;
    ui.answerText((dir / "a").string());
    trigger(40013);  // Save As first: the prompt comes with Open
    EXPECT_EQ(window->windowTitle(), "Landforge - a.lfg");
    state.terrain.modified = true;
    ui.clear();
    ui.answer(Answer::No);
    ui.answerText((dir / "a.lfg").string());
    trigger(40011);
    ASSERT_GE(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[0].text, "Save current Terrain?");
    EXPECT_EQ(ui.shown()[1].file.filter, "Landforge Files (*.lfg)");
    EXPECT_EQ(window->windowTitle(), "Landforge - a.lfg");
    EXPECT_FALSE(state.terrain.modified);
}

// The real dialogs behind the menu: Change View Area typed in and confirmed by its OK button.
TEST(MainWindowDialogs, ChangeViewAreaThroughItsDialogClampsTheSize) {
    ensureApplication();
    EditorState state;
    initTerrainState(state.terrain, 5);
    state.terrain.view = {10, 0, 16, 16};
    korvath::ScriptedInteraction ui;
    QtEditorDialogs dialogs;
    MainWindow window(EditorContext{state, ui, dialogs, {}});
    dialogs.setParent(&window);
    window.resize(800, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    bool seen = false;
    QTimer::singleShot(0, &window, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        seen = box->objectName() == "CHANGEVIEWAREABOX";
        auto* width = box->findChild<QLineEdit*>(idName(kViewWidthId));
        ASSERT_NE(width, nullptr);
        EXPECT_EQ(width->text(), "16");
        width->setText("300");
        QTest::mouseClick(box->findChild<QPushButton*>(idName(kOkId)), Qt::LeftButton);
    });
    window.findChild<QAction*>("40034")->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(state.terrain.view.viewWidth, 256);
    EXPECT_EQ(state.terrain.view.viewX, 0);
    EXPECT_EQ(window.statusStrip()->text(0), "256,16");
    EXPECT_EQ(window.statusStrip()->text(1), "0,0");
}

bool underWindowManager() { return qEnvironmentVariableIsSet("KORVATH_WINDOW_MANAGER"); }

// The client windows bottom to top, as the window manager stacks them.
std::vector<WId> stackingOrder() {
    QProcess xprop;
    xprop.start("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    if (!xprop.waitForFinished(10000)) return {};
    QString out = QString::fromLatin1(xprop.readAllStandardOutput());
    std::vector<WId> ids;
    for (const QString& word : out.mid(out.indexOf('#') + 1).split(',', Qt::SkipEmptyParts))
        ids.push_back(word.trimmed().toULongLong(nullptr, 16));
    return ids;
}

// A main window shown as the program shows it.
struct StartedWindow {
    EditorState state;
    korvath::ScriptedInteraction ui;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    StartedWindow() {
        ensureApplication();
        initTerrainState(state.terrain, 5);
        window = std::make_unique<MainWindow>(EditorContext{state, ui, dialogs, {}});
        window->showOnScreen();
    }
};

// Sized to the screen's free area by the window manager (maximised) or, without one, by the
// program itself. The screen as it then looks is saved when LANDFORGE_SCREEN_GRAB names a file.
TEST(MainWindowOnTheScreen, CoversTheAvailableAreaWithOrWithoutAWindowManager) {
    StartedWindow started;
    MainWindow& window = *started.window;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry() == available; }, 3000))
        << "frame " << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " on "
        << available.width() << "x" << available.height();
    if (underWindowManager()) {
        EXPECT_TRUE(window.isMaximized());
    }
    if (QString grab = qEnvironmentVariable("LANDFORGE_SCREEN_GRAB"); !grab.isEmpty()) {
        window.runCommandId(cmd::ShowOverhead);
        QTest::qWait(500);
        window.screen()->grabWindow(0).save(grab);
    }
    window.close();
}

// With a window manager a click in a view raises the main window; the overhead map, owned by
// it, stays above it, keeps its title bar and its place at the screen's top-left corner.
TEST(OverheadWithAWindowManager, StaysAboveTheMainWindowAfterAClickInAView) {
    if (!underWindowManager()) GTEST_SKIP() << "runs in landforge.overhead_with_window_manager";
    StartedWindow started;
    MainWindow& window = *started.window;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.runCommandId(cmd::ShowOverhead);
    OverheadWindow* overhead = window.overhead();
    ASSERT_NE(overhead, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overhead));
    QTest::qWait(300);
    EXPECT_EQ(overhead->frameGeometry().topLeft(), window.screen()->geometry().topLeft());
    EXPECT_GT(overhead->frameGeometry().height(), overhead->height()) << "a title bar";

    auto above = [&] {
        std::vector<WId> order = stackingOrder();
        auto main = std::find(order.begin(), order.end(), window.winId());
        auto map = std::find(order.begin(), order.end(), overhead->winId());
        return main != order.end() && map != order.end() && map > main;
    };
    EXPECT_TRUE(above()) << "shown above";
    TerrainView* free = window.viewPanel()->view(kViewFreeRotate);
    QPoint at = free->mapToGlobal(free->rect().center());
    QProcess click;
    click.start("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
    ASSERT_TRUE(click.waitForFinished(10000));
    ASSERT_EQ(click.exitCode(), 0) << click.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }, 10000)) << "the click reached the view";
    QTest::qWait(300);
    EXPECT_TRUE(above()) << "still above after the click";
    EXPECT_TRUE(overhead->isVisible());
    EXPECT_TRUE(window.action(cmd::ShowOverhead)->isChecked());

    auto hidden = [](QWidget& w) {
        QProcess xprop;
        xprop.start("xprop", {"-id", QString::number(w.winId()), "_NET_WM_STATE"});
        return xprop.waitForFinished(10000) && xprop.readAllStandardOutput().contains("_NET_WM_STATE_HIDDEN");
    };
    window.showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return hidden(window) && hidden(*overhead); }, 10000)) << "minimised together";
    window.close();
}

TEST(SingleInstanceTest, ASecondLockFailsAndACrashedOwnersLockIsTakenOver) {
    korvath::testing::TempDir dir;
    QString path = QString::fromStdString((dir / "landforge.lock").string());
    {
        SingleInstance first(path);
        ASSERT_TRUE(first.acquired());
        SingleInstance second(path);
        EXPECT_FALSE(second.acquired());
    }
    // A lock left by a process that is gone: QLockFile's own layout, pid, name, host.
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForStarted());
    qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(pid) + "\nlandforge\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleInstance after(path);
    EXPECT_TRUE(after.acquired());
    EXPECT_EQ(QString(kSecondInstanceText), "Sorry, only one instance of Landforge may be run at once.");
}

TEST(ScreenshotTest, SavesTheMainWindowWithItsViews) {
    korvath::testing::TempDir dir;
    QString out = QString::fromStdString((dir / "shot.png").string());
    QProcess p;
    // As ./run starts it: on the demo game's sample terrain.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KORVATH_ARENA_DIR", QStringLiteral(KORVATH_SOURCE_DIR "/demo"));
    p.setProcessEnvironment(env);
    p.start(LANDFORGE_EXE, {"--screenshot", out});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QImage image(out);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1024);
    // The views drew something besides their black background.
    int coloured = 0;
    for (int y = image.height() / 4; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (qGray(image.pixel(x, y)) > 40 && image.pixel(x, y) != image.pixel(2, image.height() - 2)) ++coloured;
    EXPECT_GT(coloured, 100);
}

}  // namespace
}  // namespace landforge::shell
