#include "hoardsort/ui/folder_drop.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace hoardsort {

std::optional<QString> droppedFolder(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return std::nullopt;
    QFileInfo folder(url.toLocalFile());
    if (!folder.isDir()) return std::nullopt;
    return QDir::toNativeSeparators(folder.absoluteFilePath());
}

FolderDrop::FolderDrop(QLineEdit* box) : QObject(box), box_(box) {
    box->setAcceptDrops(true);
    box->installEventFilter(this);
}

bool FolderDrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!drag->mimeData()->hasUrls()) return false;  // text: the line edit's own handling
        if (droppedFolder(drag->mimeData())) drag->acceptProposedAction();
        else drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasUrls()) return false;
        if (std::optional<QString> folder = droppedFolder(drop->mimeData())) {
            box_->setText(*folder);
            box_->setFocus();
            drop->acceptProposedAction();
        } else {
            drop->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}

}  // namespace hoardsort
