#pragma once
// Dropping a folder from a file manager on a folder box puts that folder's path into it
// (replacing the text). Drags of anything else carrying file names (files, several folders,
// remote addresses) are refused, so the box never gets a "file://" address typed into it;
// plain text still drops as the line edit handles it.
#include <QObject>
#include <QString>
#include <optional>

class QLineEdit;
class QMimeData;

namespace hoardsort {

// The one local folder the drag carries; nullopt for anything else.
std::optional<QString> droppedFolder(const QMimeData* data);

class FolderDrop : public QObject {
public:
    // Installs itself on `box` (and is owned by it).
    explicit FolderDrop(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box_;
};

}  // namespace hoardsort
