#include "rosterdesk/ui/dlg_save_as.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "common/files/game_path.h"
#include "common/qt/qt_interaction.h"
#include "rosterdesk/roster/document.h"

namespace fs = std::filesystem;

namespace rosterdesk {

void listFolderFiles(QListWidget* list, const std::string& folder) {
    list->clear();
    for (const fs::path& path : korvath::listFolderSorted(folder)) {
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) list->addItem(korvath::toQString(path.filename().string()));
    }
}

dlgSaveAs::dlgSaveAs(const std::string& configPath, korvath::Interaction& ui, QWidget* parent)
    : FixedDialog(parent), ui_(ui) {
    setObjectName("dlgSaveAs");
    setWindowTitle("Save Configuration As...");
    auto* grid = new QGridLayout(this);
    grid->addWidget(makeLabel(this, "lblFileList", "File List:"), 0, 0, 1, 3);
    fileOne_ = new QListWidget(this);
    fileOne_->setObjectName("fileOne");
    fileOne_->setMinimumSize(300, 160);
    listFolderFiles(fileOne_, configPath);
    grid->addWidget(fileOne_, 1, 0, 1, 3);
    grid->addWidget(makeLabel(this, "lblFileName", "File Name:"), 2, 0);
    txtNewName_ = new QLineEdit(this);
    txtNewName_->setObjectName("txtNewName");
    grid->addWidget(txtNewName_, 2, 1);
    grid->addWidget(makeLabel(this, "lblExtention", ".bm"), 2, 2);
    auto* buttons = new QHBoxLayout;
    grid->addLayout(buttons, 3, 0, 1, 3);
    buttons->addStretch();
    QPushButton* save = makeButton(this, "cmdSave", "Save File");
    QPushButton* cancel = makeButton(this, "cmdCancel", "Cancel");
    save->setDefault(true);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    connect(fileOne_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { txtNewName_->setText(item->text()); });
    connect(fileOne_, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty()) txtNewName_->setText(name);  // keyboard moves in the list too
    });
    connect(save, &QPushButton::clicked, this, [this] { this->save(); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    txtNewName_->setFocus();
}

void dlgSaveAs::save() {
    std::string typed = korvath::fromQString(txtNewName_->text());
    if (std::string problem = rosterNameProblem(typed); !problem.empty()) {
        ui_.inform(std::string(kSaveAsTitle), problem, korvath::Icon::Warning);
        txtNewName_->setFocus();
        return;
    }
    typed_ = typed;
    done(QDialog::Accepted);
}

}  // namespace rosterdesk
