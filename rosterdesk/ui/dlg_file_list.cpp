#include "rosterdesk/ui/dlg_file_list.h"

#include <QLabel>
#include <filesystem>

#include "common/files/game_path.h"
#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/fixed_dialog.h"

namespace fs = std::filesystem;

namespace rosterdesk {

void listFolderFiles(QListWidget* list, const std::string& folder) {
    list->clear();
    for (const fs::path& path : korvath::listFolderSorted(folder)) {
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) list->addItem(korvath::toQString(path.filename().string()));
    }
}

FileListArea addFileListArea(QWidget* dialog, QGridLayout* grid, const std::string& folder, const char* nameBoxName,
                             int columns) {
    FileListArea area;
    grid->addWidget(makeLabel(dialog, "lblFileList", "File List:"), 0, 0, 1, columns);
    area.fileOne = new QListWidget(dialog);
    area.fileOne->setObjectName("fileOne");
    area.fileOne->setMinimumSize(300, 160);
    listFolderFiles(area.fileOne, folder);
    grid->addWidget(area.fileOne, 1, 0, 1, columns);
    grid->addWidget(makeLabel(dialog, "lblFileName", "File Name:"), 2, 0);
    area.nameBox = new QLineEdit(dialog);
    area.nameBox->setObjectName(nameBoxName);
    grid->addWidget(area.nameBox, 2, 1);
    QLineEdit* box = area.nameBox;
    QObject::connect(area.fileOne, &QListWidget::itemClicked, box, [box](QListWidgetItem* item) { box->setText(item->text()); });
    QObject::connect(area.fileOne, &QListWidget::currentTextChanged, box, [box](const QString& name) {
        if (!name.isEmpty()) box->setText(name);
    });
    box->setFocus();
    return area;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) row->addWidget(button);
    if (buttons.size() > 0) (*buttons.begin())->setDefault(true);
    return row;
}

}  // namespace rosterdesk
