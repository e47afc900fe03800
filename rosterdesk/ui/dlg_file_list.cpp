#include "rosterdesk/ui/dlg_file_list.h"

#include <QKeyEvent>
#include <QLabel>
#include <filesystem>

#include "common/files/game_path.h"
#include "common/qt/qt_interaction.h"
#include "rosterdesk/ui/fixed_dialog.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {

// The file list copies an entry's name into the name box when the user picks it: a click, or
// a move with the keys. Focus arriving by Tab makes the first entry current without picking it.
class FileList : public QListWidget {
public:
    using QListWidget::QListWidget;
    void copyNamesInto(QLineEdit* nameBox) {
        nameBox_ = nameBox;
        connect(this, &QListWidget::itemClicked, nameBox, [nameBox](QListWidgetItem* item) { nameBox->setText(item->text()); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QListWidget::keyPressEvent(event);
        switch (event->key()) {
            case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Home: case Qt::Key_End:
            case Qt::Key_PageUp: case Qt::Key_PageDown:
                if (currentItem() && nameBox_) nameBox_->setText(currentItem()->text());
                break;
            default: break;
        }
    }

private:
    QLineEdit* nameBox_ = nullptr;
};

}  // namespace

void listFolderFiles(QListWidget* list, const std::string& folder) {
    list->clear();
    for (const fs::path& path : korvath::listFolderSorted(folder)) {
        std::error_code ec;
        // A file's name as the file system spells it; the core gets the same bytes back.
        if (fs::is_regular_file(path, ec)) list->addItem(korvath::pathToQString(path.filename()));
    }
}

FileListArea addFileListArea(QWidget* dialog, QGridLayout* grid, const std::string& folder, const char* nameBoxName,
                             int columns) {
    FileListArea area;
    grid->addWidget(makeLabel(dialog, "lblFileList", "File List:"), 0, 0, 1, columns);
    // Created in Tab order: the list, then the name box below it.
    auto* list = new FileList(dialog);
    area.fileOne = list;
    area.nameBox = new QLineEdit(dialog);
    area.nameBox->setObjectName(nameBoxName);
    list->copyNamesInto(area.nameBox);
    area.fileOne->setObjectName("fileOne");
    area.fileOne->setMinimumSize(300, 160);
    listFolderFiles(area.fileOne, folder);
    grid->addWidget(area.fileOne, 1, 0, 1, columns);
    grid->addWidget(makeLabel(dialog, "lblFileName", "File Name:"), 2, 0);
    grid->addWidget(area.nameBox, 2, 1);
    area.nameBox->setFocus();
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
