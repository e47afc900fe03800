#include "hoardsort/ui/form2.h"

#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "common/qt/qt_interaction.h"
#include "common/qt/window_util.h"

namespace hoardsort {

Form2::Form2(QWidget* parent) : QDialog(parent) {
    setObjectName("Form2");
    setWindowTitle("Summary");
    setFont(QFont("Arial", 9));
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    list1_->setMinimumSize(420, 220);
    command1_ = new QPushButton("OK", this);
    command1_->setObjectName("Command1");
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list1_);
    layout->addWidget(command1_, 0, Qt::AlignHCenter);
}

void Form2::setLines(const std::vector<std::string>& lines) {
    list1_->clear();
    int widest = 0;
    QFontMetrics metrics(list1_->font());
    for (const std::string& line : lines) {
        QString text = korvath::toQString(line);
        list1_->addItem(text);
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    // Wide enough for the longest line (a problem names a 32-digit key) without scrolling
    // sideways, within the screen. Sized afresh each time: a size the user gave it last time
    // is not kept.
    constexpr int kItemMargins = 16;
    int listWidth = widest + kItemMargins + 2 * list1_->frameWidth() +
                    list1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list1_);
    QMargins margins = layout()->contentsMargins();
    int width = std::max(listWidth, list1_->minimumWidth()) + margins.left() + margins.right();
    if (QScreen* screen = this->screen()) width = std::min(width, screen->availableGeometry().width());
    resize(width, sizeHint().height());
}

void Form2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    korvath::centreOnScreen(*this);
}

}  // namespace hoardsort
