// Saves every start-up window as a PNG into $ROSTERDESK_SCREENSHOT_DIR, for looking at them.
#include <QTabWidget>
#include <cstdlib>

#include "common/qt/window_util.h"
#include "common/testing/temp_dir.h"
#include "rosterdesk/ui/dlg_error.h"
#include "rosterdesk/ui/dlg_first_run.h"
#include "rosterdesk/ui/dlg_new_boss.h"
#include "rosterdesk/ui/dlg_options.h"
#include "rosterdesk/ui/folder_dialogs.h"
#include "rosterdesk/ui/frm_splash.h"
#include "rosterdesk/ui/tests/startup_test_support.h"
#include "rosterdesk/ui/unmatched_windows.h"

namespace rosterdesk {
namespace {

TEST(StartupScreenshots, EveryWindow) {
    const char* folder = std::getenv("ROSTERDESK_SCREENSHOT_DIR");
    if (!folder) GTEST_SKIP() << "set ROSTERDESK_SCREENSHOT_DIR to save the pictures";
    korvath::testing::ensureApplication();
    korvath::testing::TempDir dir;
    dir.write("game/System/user.ini", "");
    korvath::ScriptedInteraction ui;
    ProgramState state;
    state.home = dir.path();
    state.settings.KAPath = (dir / "game").string() + "/";
    state.settings.ConfigPath = (dir / "rosters").string() + "/";
    auto save = [&](QWidget& w, const QString& name) {
        w.adjustSize();
        EXPECT_TRUE(korvath::saveScreenshot(w, QString(folder) + "/" + name + ".png")) << name.toStdString();
    };

    frmSplash splash(state.settings);
    splash.show();
    splash.setMessage("Analyzing Skin files...");
    for (int i = 0; i < 40; ++i) splash.step();
    save(splash, "frmSplash");
    dlgFirstRun firstRun;
    save(firstRun, "dlgFirstRun");
    dlgCorrectKAPath game(ui, "Locate Korvath Arena Directory...", state.settings.KAPath);
    save(game, "dlgCorrectKAPath");
    dlgChangeConfigPath config(ui, "Locate Configuration Directory...", state.settings.ConfigPath);
    save(config, "dlgChangeConfigPath");
    dlgNewBoss boss(bossDialogState(BossVariant::Both));
    save(boss, "dlgNewBoss");
    dlgChangePath picker(ui, "Choose Configuration Directory...", dir.path().string(), true);
    save(picker, "dlgChangePath");
    UnmatchedSkinList unmatched{{"/games/KorvathArena/System/Stray.int", "Stray"},
                                {"/games/KorvathArena/System/Neon.int", "Neon"}, {}};
    frmBadFiles bad(ui, dir.path(), unmatched);
    save(bad, "frmBadFiles");
    state.catalogue.catalogue.models[0] = {"BotPack.TMale1Bot", "Male Commando", "commando", {}};
    state.catalogue.catalogue.unmatched = unmatched;
    frmPattern pattern(ui, dir / "pattern.ini", state.catalogue, {unmatched[0].name, unmatched[1].name});
    save(pattern, "frmPattern");
    dlgOptions options(state, ui);
    auto* tabs = options.findChild<QTabWidget*>("SSTab1");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        save(options, "dlgOptions-" + tabs->tabText(i));
    }
    dlgError error({"Unknown Error has occured in Sub Main", 53, "File not found: /home/player/pattern.ini"},
                   dir / "ErrNum53_1262026.txt");
    save(error, "dlgError");
}

}  // namespace
}  // namespace rosterdesk
