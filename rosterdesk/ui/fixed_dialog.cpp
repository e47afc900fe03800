#include "rosterdesk/ui/fixed_dialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace rosterdesk {

FixedDialog::FixedDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(QFont("Arial", 9));
}

void FixedDialog::closeEvent(QCloseEvent* event) {
    // The window manager's close command is ignored; done() closes without an event.
    event->ignore();
}

void placeLeftOfCentre(QWidget& dialog, const QWidget& splash) {
    constexpr int kTwips650 = 650 / 15;
    dialog.adjustSize();
    QRect frame = splash.frameGeometry();
    QSize size = dialog.frameGeometry().size();
    dialog.move(frame.left() + (frame.width() - size.width()) / 2 - kTwips650,
                frame.top() + (frame.height() - size.height()) / 2);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(wrap);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace rosterdesk
