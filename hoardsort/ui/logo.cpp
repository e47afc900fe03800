#include "hoardsort/ui/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace hoardsort {

QPixmap paintLogo() {
    QPixmap logo(300, 64);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(36, 52, 92));
    sky.setColorAt(1, QColor(12, 18, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.5, 0.5, 299, 63), 8, 8);

    // A stack of three crates: the hoard, sorted.
    const QColor crates[] = {QColor(214, 150, 60), QColor(190, 120, 44), QColor(236, 180, 82)};
    const QRectF boxes[] = {QRectF(12, 32, 24, 22), QRectF(38, 32, 24, 22), QRectF(25, 9, 24, 22)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(crates[i]);
        p.setPen(QPen(QColor(80, 46, 14), 1.5));
        p.drawRect(boxes[i]);
        p.drawLine(boxes[i].topLeft(), boxes[i].bottomRight());
    }

    QFont title("Arial", 22, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QRectF(78, 2, 220, 44), Qt::AlignLeft | Qt::AlignVCenter, "Hoardsort");
    p.setPen(QColor(250, 214, 120));
    p.drawText(QRectF(76, 0, 220, 44), Qt::AlignLeft | Qt::AlignVCenter, "Hoardsort");
    QFont subtitle("Arial", 8);
    p.setFont(subtitle);
    p.setPen(QColor(190, 204, 230));
    p.drawText(QRectF(78, 40, 220, 18), Qt::AlignLeft | Qt::AlignVCenter, "Korvath Arena cache organizer");
    return logo;
}

}  // namespace hoardsort
