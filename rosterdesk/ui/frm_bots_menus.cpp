// frmBots: the menu bar and its commands.
#include <QApplication>
#include <QMenuBar>
#include <QProcess>

#include "common/files/game_path.h"
#include "common/files/home_folder.h"
#include "common/qt/qt_interaction.h"
#include "rosterdesk/editor/open_file.h"
#include "rosterdesk/catalogue/settings.h"
#include "rosterdesk/ui/about.h"
#include "rosterdesk/ui/dlg_apply.h"
#include "rosterdesk/ui/dlg_descr.h"
#include "rosterdesk/ui/dlg_launch_ka.h"
#include "rosterdesk/ui/dlg_open.h"
#include "rosterdesk/ui/dlg_options.h"
#include "rosterdesk/ui/dlg_save_as.h"
#include "rosterdesk/ui/frm_bots_controls.h"
#include "rosterdesk/ui/startup_flow.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {

class QtGameStarter : public GameStarter {
public:
    bool startDetached(const fs::path& program, const std::vector<std::string>& arguments) override {
        QStringList list;
        for (const std::string& argument : arguments) list << korvath::nativeToQString(argument);
        return QProcess::startDetached(korvath::pathToQString(program), list);
    }
};

constexpr const char* kWebsite = "https://rosterdesk.example.org/";
constexpr const char* kSupportSite = "https://rosterdesk.example.org/support/";

}  // namespace

// The help page ships beside the program; a program folder elsewhere (--home, the per-user
// folder) gets its own copy, as it gets the other shipped files.
void seedHelpPage(const fs::path& home) {
    if (home.empty()) return;
    std::error_code ec;
    fs::create_directories(home / "help", ec);
    korvath::resolveHomeFolder(home, korvath::pathFromQString(QCoreApplication::applicationDirPath()), "rosterdesk",
                               {"help/index.html"});
}

void frmBots::buildMenus() {
    seedHelpPage(state_.home);
    defaultStarter_ = std::make_unique<QtGameStarter>();
    gameStarter = defaultStarter_.get();
    auto action = [this](QMenu* menu, const char* name, const char* caption, auto handler,
                         QKeySequence shortcut = {}) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    c_->mnuFileNew = action(file, "mnuFileNew", "&New", [this] { FileNew(); }, QKeySequence("Ctrl+N"));
    file->addSeparator();
    c_->mnuFileOpen = action(file, "mnuFileOpen", "&Open", [this] { FileOpen(); }, QKeySequence("Ctrl+O"));
    file->addSeparator();
    c_->mnuFileApply = action(file, "mnuFileApply", "Apply Config", [this] { FileApply(); });
    file->addSeparator();
    c_->mnuFileOptions = action(file, "mnuFileOptions", "Options", [this] { FileOptions(); });
    file->addSeparator();
    c_->mnuFileSave = action(file, "mnuFileSave", "&Save", [this] { FileSave(); }, QKeySequence("Ctrl+S"));
    c_->mnuFileSaveAs = action(file, "mnuFileSaveAs", "Save As", [this] { FileSaveAs(); });
    file->addSeparator();
    c_->mnuFileQuitLaunch =
        action(file, "mnuFileQuitLaunch", "&Quit and Launch KA w/Current Config", [this] { FileQuitLaunch(); });
    file->addSeparator();
    c_->mnuFileExit = action(file, "mnuFileExit", "E&xit", [this] { FileExit(); }, QKeySequence("Ctrl+X"));

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    action(help, "mnuHelpWebsite", "Website", [this] { openUrl(QUrl(kWebsite)); });
    action(help, "mnuHelpSupport", "Support Site", [this] { openUrl(QUrl(kSupportSite)); });
    action(help, "mnuHelpHelp", "&Help", [this] { HelpHelp(); });
    help->addSeparator();
    action(help, "mnuHelpAbout", "About...", [this] { HelpAbout(); });
}

std::optional<std::string> frmBots::chooseSaveName() {
    std::optional<std::string> name;
    ui_.runDialog("dlgSaveAs", [&] {
        dlgSaveAs dialog(state_.settings.ConfigPath, ui_, this);
        int result = dialog.exec();
        if (result == QDialog::Accepted) name = dialog.typedName();
        return result;
    });
    return name;
}

void frmBots::FileNew() {
    if (!confirmDiscard(state_.session, DocumentCommand::New, state_.settings.ConfigPath, ui_,
                        [this] { return chooseSaveName(); }))
        return syncControls();
    edit([this] { editor_.newRoster(); });
}

void frmBots::FileOpen() {
    if (!confirmDiscard(state_.session, DocumentCommand::Open, state_.settings.ConfigPath, ui_,
                        [this] { return chooseSaveName(); }))
        return syncControls();
    bool opened = false;
    ui_.runDialog("dlgOpen", [&] {
        dlgOpen dialog(
            state_.settings.ConfigPath,
            [&](const OpenChoice& choice) {
                return opened = openChosenRoster(state_.session, state_.settings.ConfigPath, choice, ui_);
            },
            this);
        return dialog.exec();
    });
    if (opened) edit([this] { editor_.refreshAfterOpen(); });
    else syncControls();
}

bool frmBots::openFile(const fs::path& file) {
    bool opened = openRosterFromPath(state_.session, state_.settings.ConfigPath, file, ui_,
                                     [this] { return chooseSaveName(); });
    if (opened) edit([this] { editor_.refreshAfterOpen(); });
    else syncControls();
    return opened;
}

void frmBots::FileSave() {
    edit([this] { saveDocument(state_.session, state_.settings.ConfigPath, ui_, [this] { return chooseSaveName(); }); });
}

void frmBots::FileSaveAs() {
    edit([this] {
        saveDocumentAs(state_.session, state_.settings.ConfigPath, ui_, [this] { return chooseSaveName(); });
    });
}

void frmBots::FileApply() {
    ui_.runDialog("dlgApply", [this] {
        dlgApply dialog(state_.settings, ui_, this);
        return dialog.exec();
    });
}

void frmBots::FileOptions() {
    std::optional<OptionsChoice> choice;
    ui_.runDialog("dlgOptions", [&] {
        dlgOptions dialog(state_, ui_, this);
        int result = dialog.exec();
        if (result == QDialog::Accepted) choice = dialog.choice();
        return result;
    });
    if (!choice || !applyOptionsChoice(*choice, state_.settings, state_.catalogue.bossVariant, state_.home, ui_))
        return;
    editor_.clearLists();  // they point into the catalogue that start-up rebuilds
    syncControls();
    if (!runStartup(state_, ui_, [this] { fillFromCatalogue(); }, this)) return FileExit();
    show();
}

void frmBots::FileQuitLaunch() {
    auto confirm = [this] {
        dlgLaunchKA dialog(launch_, this);
        return dialog.exec();
    };
    LaunchOutcome outcome = quitAndLaunch(state_.session, launch_, state_.settings.KAPath, state_.settings.ConfigPath,
                                          *gameStarter, ui_, confirm, [this] { return chooseSaveName(); });
    syncControls();
    if (outcome != LaunchOutcome::Quit) return;
    exiting_ = true;
    close();
}

void frmBots::FileExit() {
    if (!confirmDiscard(state_.session, DocumentCommand::Exit, state_.settings.ConfigPath, ui_,
                        [this] { return chooseSaveName(); }))
        return syncControls();
    exiting_ = true;
    close();
}

void frmBots::quitBM() {
    if (korvath::Status written = writeOptions(state_.home, state_.settings); !written)
        ui_.inform("Rosterdesk", "Could not write options.ini.\r\n\r\n" + written.error(), korvath::Icon::Warning);
}

void frmBots::HelpHelp() {
    fs::path page = korvath::resolveGamePath(state_.home, "help\\index.html");
    std::error_code ec;
    if (!fs::is_regular_file(page, ec)) {
        ui_.inform("Help", "Can't find " + page.string() + ".", korvath::Icon::Warning);
        return;
    }
    if (!openUrl(QUrl::fromLocalFile(korvath::pathToQString(page))))
        ui_.inform("Help", "Could not open " + page.string() + ".", korvath::Icon::Warning);
}

void frmBots::HelpAbout() {
    ui_.runDialog("frmAbout", [this] {
        frmAbout about(this);
        return about.exec();
    });
}

void frmBots::EnterDescription() {
    ui_.runDialog("dlgDescr", [this] {
        dlgDescr dialog(state_.session.roster.description, this);
        int result = dialog.exec();
        if (result == QDialog::Accepted) edit([&] { editor_.setDescription(dialog.description()); });
        return result;
    });
}

}  // namespace rosterdesk
