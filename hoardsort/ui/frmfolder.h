#pragma once
// The folder picker behind the ".." button: a drive list, a folder list and "Create Folder".
#include <QDialog>
#include <QString>
#include <string>

#include "common/interaction/interaction.h"

class QComboBox;
class QFileSystemModel;
class QPushButton;
class QTreeView;

namespace hoardsort {

class frmfolder : public QDialog {
public:
    // Starts in `start` when it is an existing folder, else at the first drive.
    frmfolder(korvath::Interaction& interaction, const std::string& start, QWidget* parent = nullptr);

    // The folder selected in Dir1 (the drive's root when nothing is selected).
    std::string selectedFolder() const;
    // Shows the drive's folders; a drive that cannot be read sets the first drive instead.
    void setDrive(const QString& drive);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createFolder();
    void selectFolder(const QString& folder);
    void showSelected();

    korvath::Interaction& interaction_;
    QString selected_;  // the folder chosen in Dir1, also before the model has read it
    bool modelRemoving_ = false;
    QFileSystemModel* model_;
    QComboBox* drive1_;
    QTreeView* dir1_;
    QPushButton* command1_;
    QPushButton* command2_;
    QPushButton* command3_;
};

}  // namespace hoardsort
