#pragma once
// What the roster dialogs share: the roster folder's file list above a name box that a click
// (or a move with the keys) in the list fills, and a right-aligned row of buttons.
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <initializer_list>
#include <string>

namespace rosterdesk {

// Fills a file list with every file of a folder, sorted by name without regard to case.
void listFolderFiles(QListWidget* list, const std::string& folder);

struct FileListArea {
    QListWidget* fileOne = nullptr;
    QLineEdit* nameBox = nullptr;
};
// Rows 0 to 2 of `grid`: "File List:", the list `fileOne`, "File Name:" and the box `nameBoxName`.
FileListArea addFileListArea(QWidget* dialog, QGridLayout* grid, const std::string& folder, const char* nameBoxName,
                             int columns);

// A row of buttons at the right, the first one the default button.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);

}  // namespace rosterdesk
