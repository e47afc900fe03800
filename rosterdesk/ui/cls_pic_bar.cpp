#include "rosterdesk/ui/cls_pic_bar.h"

#include <QLinearGradient>
#include <QPainter>

#include "rosterdesk/catalogue/pic_bar.h"

namespace rosterdesk {

void clsPicBar::setPicBox(QLabel* box) {
    picBox_ = box;
    if (box) box->setScaledContents(false);
}

void clsPicBar::BGScroll() {
    if (!picBox_) return;
    QPixmap picture = picBox_->pixmap();
    if (picture.isNull()) return;
    ScrollStep step = bgScrollStep(picture.width(), Incrementor, PicDir);
    if (step.stripWidth == 0) return;
    QPixmap next(picture.size());
    next.fill(Qt::transparent);
    {
        QPainter painter(&next);
        painter.drawPixmap(step.pictureX, 0, picture);
        painter.drawPixmap(step.stripTargetX, 0, picture, step.stripSourceX, 0, step.stripWidth, picture.height());
    }
    picBox_->setPixmap(next);
}

QPixmap gradientPicture(QSize size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), 0);
    gradient.setColorAt(0.0, QColor(0, 0, 128));
    gradient.setColorAt(0.5, QColor(96, 160, 255));
    gradient.setColorAt(1.0, QColor(0, 0, 128));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

}  // namespace rosterdesk
