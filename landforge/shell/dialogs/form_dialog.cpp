#include "landforge/shell/dialogs/form_dialog.h"

#include "common/qt/qt_text.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "landforge/editor/dialog_values.h"

namespace landforge::shell {

namespace {

// A field whose text is selected whenever it takes the focus other than by a click (the dialog
// opening, Tab, a label's mnemonic), so that typing replaces the value shown.
class NumberField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason) selectAll();
    }
};

}  // namespace

QString idName(int id) { return QString::number(id); }

FormDialog::FormDialog(const QString& templateName, const QString& title, QWidget* parent)
    : QDialog(parent), rows_(new QGridLayout), buttons_(new QHBoxLayout) {
    setObjectName(templateName);
    setWindowTitle(title);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(rows_);
    buttons_->addStretch();
    outer->addLayout(buttons_);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit* FormDialog::addField(int id, const QString& label, const QString& text) {
    auto* edit = new NumberField(text, this);
    edit->setObjectName(idName(id));
    edit->setMinimumWidth(120);
    addRow(label, edit);
    return edit;
}

void FormDialog::addRow(const QString& label, QWidget* control) {
    control->setParent(this);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(control);
    rows_->addWidget(caption, nextRow_, 0);
    rows_->addWidget(control, nextRow_, 1);
    ++nextRow_;
}

QLabel* FormDialog::addText(const QString& text, int id) {
    auto* label = new QLabel(text, this);
    if (id != 0) label->setObjectName(idName(id));
    addWidget(label);
    return label;
}

void FormDialog::addWidget(QWidget* widget) {
    widget->setParent(this);
    rows_->addWidget(widget, nextRow_++, 0, 1, 2);
}

QPushButton* FormDialog::addButton(int id, const QString& caption, bool isDefault) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(idName(id));
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    connect(button, &QPushButton::clicked, this, [this, id] { done(id); });
    buttons_->addWidget(button);
    return button;
}

QString FormDialog::fieldText(int id) const {
    auto* edit = findChild<QLineEdit*>(idName(id));
    return edit ? edit->text() : QString();
}

int FormDialog::fieldInt(int id) const { return parseIntField(korvath::fromQString(fieldText(id))); }
float FormDialog::fieldReal(int id) const { return parseRealField(korvath::fromQString(fieldText(id))); }
std::uint32_t FormDialog::fieldUnsigned(int id) const { return parseUnsignedField(korvath::fromQString(fieldText(id))); }

}  // namespace landforge::shell
