#pragma once
// The main window: the roster editor with its 32 slots, menus and document state. The rules
// live in SlotEditor and the roster core; this class wires widgets to them.
#include <QMainWindow>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/interaction/interaction.h"
#include "rosterdesk/editor/slot_editor.h"
#include "rosterdesk/roster/launch.h"
#include "rosterdesk/ui/program_state.h"

namespace rosterdesk {

class frmBots : public QMainWindow {
public:
    frmBots(ProgramState& state, korvath::Interaction& ui, QWidget* parent = nullptr);
    ~frmBots() override;

    // Lists from the catalogue, the default roster, slot 0 shown; called before the window is
    // visible (start-up's "Initializing Information..." stage) and again after a restart.
    void fillFromCatalogue();

    // Opens a web page or file with the desktop's handler (tests replace it).
    std::function<bool(const QUrl&)> openUrl;
    // Starts the game (tests replace it).
    GameStarter* gameStarter = nullptr;

    const SlotEditor& editor() const { return editor_; }

    // Opens a roster file from anywhere (a drop, the command line) as File, Open would; a file
    // outside the roster folder is copied into it first. True when the roster was replaced.
    bool openFile(const std::filesystem::path& file);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Controls;
    void buildControls();
    void buildMenus();
    void connectControls();
    // Mirrors the editor's state and the document indicator into the widgets.
    void syncControls();
    void showIndicator();
    // Runs one handler, then shows the result.
    void edit(const std::function<void()>& handler);

    // Menu commands.
    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void FileApply();
    void FileOptions();
    void FileQuitLaunch();
    void FileExit();
    void HelpHelp();
    void HelpAbout();
    void EnterDescription();
    std::optional<std::string> chooseSaveName();  // dlgSaveAs
    void quitBM();

    ProgramState& state_;
    korvath::Interaction& ui_;
    SlotEditor editor_;
    LaunchSettings launch_;
    std::unique_ptr<GameStarter> defaultStarter_;
    std::unique_ptr<Controls> c_;
    bool exiting_ = false;  // the save question was answered: close without asking again
};

}  // namespace rosterdesk
