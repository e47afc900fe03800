#include "common/qt/window_util.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

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

}  // namespace korvath
