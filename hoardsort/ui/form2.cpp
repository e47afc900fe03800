#include "hoardsort/ui/form2.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

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
    for (const std::string& line : lines) list1_->addItem(korvath::toQString(line));
}

void Form2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    korvath::centreOnScreen(*this);
}

}  // namespace hoardsort
