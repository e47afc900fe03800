#include "landforge/shell/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace landforge::shell {

QIcon landforgeIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(QColor(20, 20, 40));
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath hill;
        hill.moveTo(0, size);
        hill.cubicTo(size * 0.3, size * 0.1, size * 0.55, size * 0.2, size * 0.7, size * 0.5);
        hill.cubicTo(size * 0.8, size * 0.65, size * 0.9, size * 0.55, size, size * 0.6);
        hill.lineTo(size, size);
        hill.closeSubpath();
        QLinearGradient colours(0, 0, 0, size);
        colours.setColorAt(0.0, QColor(0, 255, 0));    // high ground
        colours.setColorAt(0.5, QColor(255, 255, 0));  // base
        colours.setColorAt(1.0, QColor(127, 0, 0));    // low ground
        p.fillPath(hill, colours);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace landforge::shell
