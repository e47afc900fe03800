#include "rosterdesk/ui/dlg_save_as.h"

#include <QLabel>

#include "common/qt/qt_interaction.h"
#include "rosterdesk/roster/document.h"
#include "rosterdesk/ui/dlg_file_list.h"

namespace rosterdesk {

dlgSaveAs::dlgSaveAs(const std::string& configPath, korvath::Interaction& ui, QWidget* parent)
    : FixedDialog(parent), ui_(ui) {
    setObjectName("dlgSaveAs");
    setWindowTitle("Save Configuration As...");
    auto* grid = new QGridLayout(this);
    FileListArea area = addFileListArea(this, grid, configPath, "txtNewName", 3);
    fileOne_ = area.fileOne;
    txtNewName_ = area.nameBox;
    // The name is also written into the file, as 8-bit text.
    korvath::limitToCodePage(txtNewName_);
    grid->addWidget(makeLabel(this, "lblExtention", ".bm"), 2, 2);
    QPushButton* save = makeButton(this, "cmdSave", "Save File");
    QPushButton* cancel = makeButton(this, "cmdCancel", "Cancel");
    grid->addLayout(buttonRow({save, cancel}), 3, 0, 1, 3);
    connect(save, &QPushButton::clicked, this, [this] { this->save(); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
}

void dlgSaveAs::save() {
    std::string typed = korvath::nativeFromQString(txtNewName_->text());
    if (std::string problem = rosterNameProblem(typed); !problem.empty()) {
        ui_.inform(std::string(kSaveAsTitle), problem, korvath::Icon::Warning);
        txtNewName_->setFocus();
        return;
    }
    typed_ = typed;
    done(QDialog::Accepted);
}

}  // namespace rosterdesk
