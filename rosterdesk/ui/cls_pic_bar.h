#pragma once
// The splash window's running bar: scrolls the picture of its box sideways, one step per
// progress step.
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>

namespace rosterdesk {

// A picture box that keeps its drawing between repaints and measures in pixels. Its picture
// is shown turned round by `offset` pixels, so a scroll costs nothing until it is drawn.
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent = nullptr) : QWidget(parent) {}
    const QImage& picture() const { return picture_; }
    void setPicture(QImage picture);
    int offset() const { return offset_; }
    void scrollBy(int dx);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    int offset_ = 0;
};

class clsPicBar {
public:
    PictureBox* PicBox() const { return picBox_; }
    void setPicBox(PictureBox* box) { picBox_ = box; }
    bool ReDraw = false;
    std::int16_t Incrementor = 0;
    std::int32_t PicDir = 1;
    // One scroll step of the box's current picture; the box shows it at its next repaint,
    // which the caller asks for.
    void BGScroll();

private:
    QPointer<PictureBox> picBox_;
};

// A horizontal gradient that shows the movement.
QImage gradientPicture(QSize size);

}  // namespace rosterdesk
