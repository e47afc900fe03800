#include "landforge/shell/status_strip.h"

#include "common/qt/qt_text.h"

#include <QLabel>

namespace landforge::shell {

namespace {
constexpr int kIndent = 2;
}

StatusStrip::StatusStrip(QWidget* parent) : QFrame(parent) {
    setObjectName("statusBar");
    setFrameShape(QFrame::NoFrame);
    int height = fontMetrics().height() + 6;
    setFixedHeight(height);
    for (int k = 0; k < kStatusPartCount; ++k) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("statusPart%1").arg(k));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setIndent(kIndent);
        parts_[k] = label;
    }
    // The edges were set for a small system font: today's fonts need the room their texts take.
    QFontMetrics metrics = parts_[0]->fontMetrics();
    int padding = 2 * (parts_[0]->frameWidth() + kIndent) + 2;
    std::array<int, kStatusPartCount> edges = statusPartEdges(
        [&](const std::string& text) { return metrics.horizontalAdvance(korvath::toQString(text)); }, padding);
    int left = 0;
    for (int k = 0; k < kStatusPartCount; ++k) {
        parts_[k]->setGeometry(left, 0, edges[k] - left, height);
        left = edges[k];
    }
    parts_[0]->setText(kStatusInitialText);
}

void StatusStrip::setTexts(const std::array<std::string, kStatusPartCount>& texts) {
    for (int k = 0; k < kStatusPartCount; ++k) parts_[k]->setText(korvath::toQString(texts[k]));
}

QString StatusStrip::text(int part) const { return parts_[part]->text(); }

}  // namespace landforge::shell
