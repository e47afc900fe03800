#pragma once
// The two windows start-up shows after the scan: the skin files that matched no model
// (frmBadFiles), and the pattern window (frmPattern) that ties the checked ones to models.
#include <QDialog>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/interaction/interaction.h"
#include "rosterdesk/catalogue/patterns.h"
#include "rosterdesk/catalogue/startup.h"
#include "rosterdesk/ui/fixed_dialog.h"

class QComboBox;
class QListWidget;

namespace rosterdesk {

class frmBadFiles : public FixedDialog {
public:
    frmBadFiles(korvath::Interaction& ui, std::filesystem::path home, const UnmatchedSkinList& unmatched,
                QWidget* parent = nullptr);
    // The checked files after Continue: the pattern window's list (empty: no pattern window).
    const std::vector<std::string>& chosenFiles() const { return chosen_; }
    // Opens the saved list; tests replace it.
    std::function<bool(const QUrl&)> openUrl;

private:
    void toggleChecks();
    korvath::Interaction& ui_;
    std::filesystem::path home_;
    const UnmatchedSkinList& unmatched_;
    std::vector<std::string> chosen_;
    QListWidget* lstFileList = nullptr;
    QPushButton* cmdCheckAll = nullptr;
};

class frmPattern : public QDialog {
public:
    frmPattern(korvath::Interaction& ui, std::filesystem::path patternFile, CatalogueState& state,
               const std::vector<std::string>& files, QWidget* parent = nullptr);
    // After Finished: the files to analyse again; empty when the window was closed otherwise.
    const std::vector<std::string>& rescanFiles() const { return rescan_; }
    bool finished() const { return finished_; }

private:
    void setPattern();
    void removeSelectedPattern();
    void finish();
    void refreshRow(int row);

    korvath::Interaction& ui_;
    std::filesystem::path patternFile_;
    CatalogueState& state_;
    std::vector<PatternEntry> entries_;
    std::vector<std::string> rescan_;
    bool finished_ = false;
    QListWidget* lstFiles = nullptr;
    QComboBox* cmbModelAssoc = nullptr;
};

// Start-up's step after the scan: frmBadFiles, then frmPattern when the user goes on. The
// files to analyse again.
std::vector<std::string> runUnmatchedWindows(korvath::Interaction& ui, const std::filesystem::path& home,
                                             CatalogueState& state, QWidget* parent);

}  // namespace rosterdesk
