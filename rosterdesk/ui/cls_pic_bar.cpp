#include "rosterdesk/ui/cls_pic_bar.h"

#include <QLinearGradient>
#include <QPainter>

#include "rosterdesk/catalogue/pic_bar.h"

namespace rosterdesk {

void PictureBox::setPicture(QImage picture) {
    picture_ = std::move(picture);
    offset_ = 0;
    update();
}

void PictureBox::scrollBy(int dx) {
    int width = picture_.width();
    if (width > 0) offset_ = ((offset_ + dx) % width + width) % width;
}

void PictureBox::paintEvent(QPaintEvent*) {
    // The picture moved right by offset_, and the strip that left it drawn in at the left.
    QPainter painter(this);
    painter.drawImage(offset_, 0, picture_);
    if (offset_ > 0) painter.drawImage(offset_ - picture_.width(), 0, picture_);
}

void clsPicBar::BGScroll() {
    if (!picBox_ || picBox_->picture().isNull()) return;
    ScrollStep step = bgScrollStep(picBox_->picture().width(), Incrementor, PicDir);
    // The strip wraps round to the other side, so one step is a turn by pictureX.
    picBox_->scrollBy(step.pictureX);
}

QImage gradientPicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, size.width(), 0);
    gradient.setColorAt(0.0, QColor(0, 0, 128));
    gradient.setColorAt(0.5, QColor(96, 160, 255));
    gradient.setColorAt(1.0, QColor(0, 0, 128));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

}  // namespace rosterdesk
