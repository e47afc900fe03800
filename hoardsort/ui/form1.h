#pragma once
// Hoardsort's main window: the cache folder, the files found, the five destinations with
// their two options, Search and Extract, and the menus.
#include <QMainWindow>
#include <QPixmap>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/interaction/interaction.h"
#include "hoardsort/sorting/state.h"

class QAction;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace hoardsort {

class Form2;

class Form1 : public QMainWindow {
public:
    Form1(korvath::Interaction& interaction, std::filesystem::path home, QWidget* parent = nullptr);

    // The load step before the window is first shown: the agreement check (skipped when
    // `askAgreement` is false), centring, the logo, and the folders from `installFolder`.
    // False when the user chose to end the program.
    bool load(const std::string& installFolder, bool askAgreement = true);

    // Opens a file or web address with the system's handler (replaced by tests).
    std::function<bool(const QUrl&)> openUrl;

    const HoardsortState& state() const { return state_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QLineEdit* addFolderRow(QGridLayout* grid, int row, const char* labelName, const char* caption,
                            const char* textName, const std::string& text);

    // Handlers, one per control or menu entry.
    void SearchForMaps();
    void ExtractFiles();
    void ViewCacheIni();
    void ChooseFolder();
    void ChangeAllPaths();
    void ExitProgram();
    void ShowAbout();
    void ShowHomePage();
    void ShowBugFixes();
    void ShowAgreement();

    void setExtracting(bool extracting);
    Destinations destinationTexts() const;
    int runAgreement();

    korvath::Interaction& interaction_;
    std::filesystem::path home_;
    HoardsortState state_;
    bool extracting_ = false;
    bool stopRequested_ = false;
    bool exitRequested_ = false;
    bool placed_ = false;
    std::vector<QPixmap> imageList1_;

    QLabel* label1_;
    QLineEdit* text1_;
    QPushButton* command1_;
    QPushButton* command5_;
    QLabel* label5_;
    QListWidget* list1_;
    QLabel* label10_;
    QGroupBox* frame1_;
    QLineEdit* text2_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QLineEdit* text5_;
    QLineEdit* text6_;
    QCheckBox* check1_;
    QCheckBox* check2_;
    QLineEdit* text7_;
    QPushButton* command4_;
    QPushButton* command3_;
    QPushButton* command2_;
    QLabel* picture1_;
    Form2* form2_;
};

}  // namespace hoardsort
