#pragma once
// The folder dialogs of start-up and the options dialog: the game folder (dlgCorrectKAPath),
// the roster folder (dlgChangeConfigPath) and the general picker (dlgChangePath).
#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/interaction/interaction.h"
#include "rosterdesk/ui/fixed_dialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace rosterdesk {

// Runs one of the program's own folder dialogs through ui.runDialog(name). A scripted run,
// which draws no dialog, is asked for the folder with ui.pickFolder(title, start) instead.
std::optional<std::string> runFolderDialog(korvath::Interaction& ui, const std::string& name, const std::string& title,
                                           const std::string& start,
                                           const std::function<std::optional<std::string>()>& show);

// The general folder picker: drives, folders, and a new-folder area.
class dlgChangePath : public QDialog {
public:
    dlgChangePath(korvath::Interaction& ui, const QString& caption, const std::string& start, bool allowCreate,
                  QWidget* parent = nullptr);
    // The chosen folder with a trailing separator; empty after Cancel.
    const std::string& chosenFolder() const { return chosen_; }
    // Shows the drive's root (the drive list's choice).
    void chooseDrive(int index);
    void showFolder(const std::filesystem::path& folder);
    std::filesystem::path shownFolder() const { return shown_; }

private:
    void startNewFolder();
    void finishNewFolder();

    korvath::Interaction& ui_;
    std::filesystem::path shown_;
    std::string chosen_;
    QComboBox* driveOne = nullptr;
    QListWidget* dirOne = nullptr;
    QWidget* newFolderArea_ = nullptr;
    QLineEdit* txtNewFolder = nullptr;
    QPushButton* cmdCreate = nullptr;
    QPushButton* cmdCreateFolder = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

// Opens dlgChangePath from one of the two dialogs below.
std::optional<std::string> browseFolder(korvath::Interaction& ui, QWidget* parent, const QString& caption,
                                        const std::string& start, bool allowCreate);

// The game folder: OK only when it holds System\user.ini.
class dlgCorrectKAPath : public FixedDialog {
public:
    dlgCorrectKAPath(korvath::Interaction& ui, const QString& caption, const std::string& start, QWidget* parent = nullptr);
    const std::string& folder() const { return result_; }

private:
    korvath::Interaction& ui_;
    std::string result_;
    QLabel* lblKAPath = nullptr;
};

// The roster folder: created on OK when missing.
class dlgChangeConfigPath : public FixedDialog {
public:
    dlgChangeConfigPath(korvath::Interaction& ui, const QString& caption, const std::string& configPath,
                        QWidget* parent = nullptr);
    const std::string& folder() const { return result_; }

private:
    korvath::Interaction& ui_;
    std::string result_;
    QLabel* lblConfigPath = nullptr;
};

}  // namespace rosterdesk
