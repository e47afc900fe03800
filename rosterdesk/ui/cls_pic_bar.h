#pragma once
// The splash window's running bar: scrolls the picture of its box sideways, one step per
// progress step.
#include <QLabel>
#include <QPointer>
#include <cstdint>

namespace rosterdesk {

class clsPicBar {
public:
    QLabel* PicBox() const { return picBox_; }
    // The box keeps its picture between repaints (a pixmap label) and measures in pixels.
    void setPicBox(QLabel* box);
    bool ReDraw = false;
    std::int16_t Incrementor = 0;
    std::int32_t PicDir = 1;
    void BGScroll();

private:
    QPointer<QLabel> picBox_;
};

// A horizontal gradient that shows the movement.
QPixmap gradientPicture(QSize size);

}  // namespace rosterdesk
