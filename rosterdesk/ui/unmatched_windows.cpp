#include "rosterdesk/ui/unmatched_windows.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/files/game_path.h"
#include "common/qt/qt_interaction.h"
#include "rosterdesk/catalogue/unmatched_file.h"

namespace fs = std::filesystem;

namespace rosterdesk {

frmBadFiles::frmBadFiles(korvath::Interaction& ui, fs::path home, const UnmatchedSkinList& unmatched, QWidget* parent)
    : FixedDialog(parent), ui_(ui), home_(std::move(home)), unmatched_(unmatched) {
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName("frmBadFiles");
    setWindowTitle("These Skin files could not be matched to any Models...");
    QLabel* explain = makeLabel(this, "lblExplain",
                                "What this means is that this program could not properly decide what models these "
                                "skin files belonged too.  Put a check next to each file that you want to specify a "
                                "pattern for then click Continue.", true);
    QLabel* header = makeLabel(this, "lblPath", "PATH");
    header->setFrameShape(QFrame::Panel);
    header->setFrameShadow(QFrame::Raised);
    lstFileList = new QListWidget(this);
    lstFileList->setObjectName("lstFileList");
    lstFileList->setMinimumSize(520, 220);
    for (const FaceEntry& entry : unmatched_) {
        if (entry.isFree()) continue;
        auto* item = new QListWidgetItem(korvath::toQString(entry.name), lstFileList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    cmdCheckAll = makeButton(this, "cmdCheckAll", "Check All");
    QPushButton* save = makeButton(this, "cmdSaveToFile", "Save List to File");
    QPushButton* saveOpen = makeButton(this, "cmdSaveOpen", "Save List to File and Open It");
    QPushButton* help = makeButton(this, "cmdHelp", "Help");
    QPushButton* next = makeButton(this, "cmdContinue", "Continue");
    next->setDefault(true);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdCheckAll, save, saveOpen, help}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(next);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explain);
    layout->addWidget(header);
    layout->setSpacing(4);
    layout->addWidget(lstFileList, 1);
    layout->addLayout(buttons);

    connect(cmdCheckAll, &QPushButton::clicked, this, &frmBadFiles::toggleChecks);
    connect(save, &QPushButton::clicked, this, [this] { saveUnmatchedList(ui_, home_, unmatched_, currentLocalTime()); });
    connect(saveOpen, &QPushButton::clicked, this, [this] {
        UnmatchedListWrite written = writeUnmatchedList(home_, unmatched_, currentLocalTime());
        if (!written.status) {
            ui_.inform("Rosterdesk", written.status.error(), korvath::Icon::Warning);
            return;
        }
        if (!openUrl(QUrl::fromLocalFile(korvath::pathToQString(written.file))))
            ui_.inform("Rosterdesk", "The list was saved as " + written.file.string() + " but could not be opened.",
                       korvath::Icon::Warning);
    });
    connect(help, &QPushButton::clicked, this, [this] { ui_.inform("Unassigned", "Button Currently Unassigned"); });
    connect(next, &QPushButton::clicked, this, [this] {
        chosen_.clear();
        for (int i = 0; i < lstFileList->count(); ++i)
            if (lstFileList->item(i)->checkState() == Qt::Checked)
                chosen_.push_back(korvath::fromQString(lstFileList->item(i)->text()));
        done(chosen_.empty() ? 0 : 1);
    });
}

void frmBadFiles::toggleChecks() {
    bool check = cmdCheckAll->text() == "Check All";
    for (int i = 0; i < lstFileList->count(); ++i)
        lstFileList->item(i)->setCheckState(check ? Qt::Checked : Qt::Unchecked);
    cmdCheckAll->setText(check ? "Uncheck All" : "Check All");
}

frmPattern::frmPattern(korvath::Interaction& ui, fs::path patternFile, CatalogueState& state,
                       const std::vector<std::string>& files, QWidget* parent)
    : QDialog(parent), ui_(ui), patternFile_(std::move(patternFile)), state_(state) {
    setObjectName("frmPattern");
    setWindowTitle("Create/Add Pattern to the Pattern File");
    setFont(QFont("Arial", 9));
    lstFiles = new QListWidget(this);
    lstFiles->setObjectName("lstFiles");
    lstFiles->setMinimumSize(520, 180);
    for (const std::string& file : files) {
        entries_.push_back({file, {}});
        new QListWidgetItem(korvath::toQString(file), lstFiles);
    }
    if (lstFiles->count() > 0) lstFiles->setCurrentRow(0);
    cmbModelAssoc = new QComboBox(this);
    cmbModelAssoc->setObjectName("cmbModelAssoc");
    for (const std::string& model : classListEntries(state_.catalogue.models))
        cmbModelAssoc->addItem(korvath::toQString(model));

    auto* layout = new QGridLayout(this);
    layout->addWidget(makeLabel(this, "lblFiles", "1. Choose one Skin file at a time:"), 0, 0, 1, 3);
    layout->addWidget(lstFiles, 1, 0, 1, 3);
    layout->addWidget(makeLabel(this, "lblModelAssoc", "2. Choose the Model to associate the Skin file too:"), 2, 0, 1, 3);
    layout->addWidget(cmbModelAssoc, 3, 0, 1, 3);
    QPushButton* set = makeButton(this, "cmdSetPattern", "Set Pattern");
    QPushButton* setHelp = makeButton(this, "cmdHelpAddPattern", "?");
    QPushButton* remove = makeButton(this, "cmdRemovePattern", "Remove Pattern");
    QPushButton* removeHelp = makeButton(this, "cmdHelpRemovePattern", "?");
    QPushButton* done = makeButton(this, "cmdFinished", "Finished");
    for (QPushButton* help : {setHelp, removeHelp}) help->setFixedWidth(28);
    auto* row = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{set, setHelp, remove, removeHelp}) row->addWidget(w);
    row->addStretch(1);
    row->addWidget(done);
    layout->addLayout(row, 4, 0, 1, 3);

    connect(set, &QPushButton::clicked, this, &frmPattern::setPattern);
    connect(remove, &QPushButton::clicked, this, &frmPattern::removeSelectedPattern);
    connect(setHelp, &QPushButton::clicked, this, [this] {
        ui_.inform("Rosterdesk", "This is how to set a pattern...\r\n1. Choose one Skin at a time in the list box.\r\n"
                                 "2. Choose the Model in the combo box.\r\n3. Click the SET PATTERN button.\r\n"
                                 "4. Repeat and then click FINISHED when done.");
    });
    connect(removeHelp, &QPushButton::clicked, this, [this] {
        ui_.inform("Rosterdesk", "This is how to remove a pattern...\r\n1. Choose one Skin at a time in the list box.\r\n"
                                 "2. Click the REMOVE PATTERN button.\r\n3. Repeat on each pattern you want to remove.");
    });
    connect(done, &QPushButton::clicked, this, &frmPattern::finish);
}

void frmPattern::refreshRow(int row) {
    lstFiles->item(row)->setText(korvath::toQString(entries_[static_cast<std::size_t>(row)].displayText()));
}

void frmPattern::setPattern() {
    int row = lstFiles->currentRow();
    if (row < 0 || cmbModelAssoc->currentIndex() < 0) return;
    entries_[static_cast<std::size_t>(row)].modelDescription = korvath::fromQString(cmbModelAssoc->currentText());
    refreshRow(row);
}

void frmPattern::removeSelectedPattern() {
    int row = lstFiles->currentRow();
    if (row < 0) return;
    removePattern(ui_, entries_[static_cast<std::size_t>(row)]);
    refreshRow(row);
}

void frmPattern::finish() {
    korvath::Status written = finishPatternWindow(entries_, state_.catalogue.models, state_.catalogue.unmatched,
                                                  state_.patterns, patternFile_, rescan_);
    if (!written) ui_.inform("Rosterdesk", written.error(), korvath::Icon::Warning);
    finished_ = true;
    accept();
}

std::vector<std::string> runUnmatchedWindows(korvath::Interaction& ui, const fs::path& home, CatalogueState& state,
                                             QWidget* parent) {
    std::vector<std::string> chosen;
    int goOn = ui.runDialog("frmBadFiles", [&] {
        frmBadFiles window(ui, home, state.catalogue.unmatched, parent);
        int result = window.exec();
        chosen = window.chosenFiles();
        return result;
    });
    if (goOn != 1 || chosen.empty()) return {};
    std::vector<std::string> rescan;
    ui.runDialog("frmPattern", [&] {
        frmPattern window(ui, korvath::resolveGamePath(home, "pattern.ini"), state, chosen, parent);
        int result = window.exec();
        rescan = window.rescanFiles();
        return result;
    });
    return rescan;
}

}  // namespace rosterdesk
