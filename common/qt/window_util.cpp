#include "common/qt/window_util.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QStorageInfo>

namespace korvath {

void centreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->geometry();
    QSize size = window.frameGeometry().size();
    window.move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

bool saveScreenshot(QWidget& widget, const QString& file) {
    widget.adjustSize();
    return widget.grab().save(file, "PNG");
}

QStringList mountedDriveRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) roots << volume.rootPath();
    roots.removeAll(QDir::rootPath());
    roots.sort(Qt::CaseInsensitive);
    roots.prepend(QDir::rootPath());
    return roots;
}

}  // namespace korvath
