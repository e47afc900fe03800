#pragma once
// What the editor's window tests share: a scripted interaction that shows chosen dialogs for
// real, a program state on a small game folder, and a way to act on the modal dialog that
// opens next.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>
#include <set>

#include "common/interaction/scripted_interaction.h"
#include "common/qt/qt_text.h"
#include "common/qt/window_util.h"
#include "common/testing/qt_application.h"
#include "common/testing/temp_dir.h"
#include "rosterdesk/editor/tests/test_catalogue.h"
#include "rosterdesk/ui/frm_bots.h"
#include "rosterdesk/ui/program_state.h"

namespace rosterdesk::testing {

// Scripted, except that the dialogs named in `real` are shown for real.
class PartlyScripted : public korvath::ScriptedInteraction {
public:
    std::set<std::string> real;
    int runDialog(const std::string& name, const std::function<int()>& show) override {
        return real.count(name) ? show() : ScriptedInteraction::runDialog(name, show);
    }
};

template <typename T>
T* child(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Runs `act` on the next modal dialog once it is shown.
inline void whenModal(std::function<void(QDialog&)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
    });
    timer->start();
}

// With ROSTERDESK_SCREENSHOTS set to a folder, saves `window` there as NAME.png.
inline void screenshot(QWidget& window, const char* name) {
    const char* folder = std::getenv("ROSTERDESK_SCREENSHOTS");
    if (!folder || !*folder) return;
    korvath::saveScreenshot(window, QString("%1/%2.png").arg(folder, name));
}

// A game folder with user.ini and its executable, a roster folder, the program's folder.
struct EditorFixture : public ::testing::Test {
    korvath::testing::TempDir dir;
    PartlyScripted ui;
    ProgramState state;

    void SetUp() override {
        korvath::testing::ensureApplication();
        dir.write("game/System/user.ini", "[Engine]\r\nA=1\r\n\r\n[Botpack.ChallengeBotInfo]\r\nBotNames[0]=Old\r\n\r\n");
        dir.makeDir("configs");
        dir.makeDir("home");
        state.home = dir / "home";
        state.settings.KAPath = (dir / "game").string() + "/";
        state.settings.ConfigPath = (dir / "configs").string() + "/";
        state.catalogue.catalogue = testCatalogue();
    }
};

class FakeStarter : public GameStarter {
public:
    std::vector<std::filesystem::path> started;
    bool startDetached(const std::filesystem::path& program, const std::vector<std::string>&) override {
        started.push_back(program);
        return true;
    }
};

class EditorWindowFixture : public EditorFixture {
protected:
    std::unique_ptr<frmBots> bots;
    std::vector<QUrl> opened;
    FakeStarter starter;

    void SetUp() override {
        EditorFixture::SetUp();
        bots = std::make_unique<frmBots>(state, ui);
        bots->openUrl = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        bots->gameStarter = &starter;
    }
    // Start-up's preparation, then the window shown, as the program does it.
    void start() {
        bots->fillFromCatalogue();
        bots->show();
        bots->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(bots.get()));
    }
    // New at once after start-up: there is nothing to save yet, so nothing is asked.
    void startNew() {
        start();
        trigger("mnuFileNew");
        ASSERT_TRUE(ui.shown().empty());
    }
    template <typename T>
    T* get(const char* name) { return child<T>(*bots, name); }
    QString textOf(const char* name) { return get<QLabel>(name)->text(); }
    QComboBox* combo(const char* name) { return get<QComboBox>(name); }
    void trigger(const char* action) { get<QAction>(action)->trigger(); }
    const Roster& roster() const { return state.session.roster; }
    std::string saved() { return korvath::fromQString(textOf("lblSaved")); }
    // Saves through the real Save As dialog under `name`.
    void saveAs(const QString& name) {
        ui.real.insert("dlgSaveAs");
        whenModal([name](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("txtNewName")->setText(name);
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
        });
        trigger("mnuFileSaveAs");
        reactivate();
    }
    void reactivate() {
        bots->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(bots.get()));
    }
    // Opens `name` through the real open dialog.
    void openFile(const QString& name) {
        ui.real.insert("dlgOpen");
        whenModal([name](QDialog& dialog) {
            dialog.findChild<QLineEdit*>("txtName")->setText(name);
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOpen"), Qt::LeftButton);
        });
        trigger("mnuFileOpen");
        reactivate();
    }
};

}  // namespace rosterdesk::testing
