#include "shell/status_strip.h"

#include <QLabel>

namespace landforge::shell {

StatusStrip::StatusStrip(QWidget* parent) : QFrame(parent) {
    setObjectName("statusBar");
    setFrameShape(QFrame::NoFrame);
    int height = fontMetrics().height() + 6;
    setFixedHeight(height);
    int left = 0;
    for (int k = 0; k < kStatusPartCount; ++k) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("statusPart%1").arg(k));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setIndent(2);
        label->setGeometry(left, 0, kStatusPartEdges[k] - left, height);
        left = kStatusPartEdges[k];
        parts_[k] = label;
    }
    parts_[0]->setText(kStatusInitialText);
}

void StatusStrip::setTexts(const std::array<std::string, kStatusPartCount>& texts) {
    for (int k = 0; k < kStatusPartCount; ++k) parts_[k]->setText(QString::fromStdString(texts[k]));
}

QString StatusStrip::text(int part) const { return parts_[part]->text(); }

}  // namespace landforge::shell
