#include "common/qt/window_util.h"

#include <QAbstractItemView>
#include <QDir>
#include <QKeyEvent>
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

namespace {
class EnterOpens : public QObject {
public:
    EnterOpens(QAbstractItemView* view, std::function<void(const QModelIndex&)> open)
        : QObject(view), view_(view), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        if (view_->currentIndex().isValid()) open_(view_->currentIndex());
        return true;
    }

private:
    QAbstractItemView* view_;
    std::function<void(const QModelIndex&)> open_;
};
}  // namespace

void openEntryOnEnter(QAbstractItemView* view, std::function<void(const QModelIndex&)> open) {
    view->installEventFilter(new EnterOpens(view, std::move(open)));
}

}  // namespace korvath
