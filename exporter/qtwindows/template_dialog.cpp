#include "exporter/qtwindows/template_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstring>

#include "common/qt/qt_text.h"
#include "common/qt/window_util.h"

namespace korvath::qtwindows {

using namespace hostsdk;

namespace {

// The plug-in's texts are 8-bit, one byte a character.
QString fromHost(const std::string& text) { return korvath::toQString(text); }

QFont templateFont(const DialogTemplate& dialog) {
    QFont font(QString::fromStdString(dialog.fontName));
    font.setStyleHint(QFont::SansSerif);  // where the template's own face is not installed
    if (dialog.fontSize > 0) font.setPointSize(dialog.fontSize);
    return font;
}

DialogBaseUnits measure(const QFont& font) {
    const QFontMetrics metrics(font);
    return {averageCharWidth(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))),
            metrics.height()};
}

QString controlText(const QWidget* widget) {
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
    return {};
}

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, DLGPROC procedure, QWidget* parent)
    : QDialog(parent), template_(dialog), procedure_(procedure) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialog.style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(fromHost(dialog.caption));
    setFont(templateFont(dialog));
    units_ = measure(font());
    setFixedSize(horizontalPixels(dialog.width, units_), verticalPixels(dialog.height, units_));
    buildControls();
}

void TemplateDialog::buildControls() {
    for (const DialogControl& c : template_.controls) {
        const QString text = fromHost(c.text);
        const int id = c.id;
        QWidget* widget = nullptr;
        switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(((c.style & SS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::GroupBox:
            widget = new QGroupBox(text, this);
            break;
        case ControlKind::EditBox: {
            auto* edit = new QLineEdit(text, this);
            connect(edit, &QLineEdit::textChanged, this, [this, id] { command(id, kEditChanged); });
            widget = edit;
            break;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(text, this);
            connect(box, &QCheckBox::clicked, this, [this, id] { command(id, kButtonClicked); });
            widget = box;
            break;
        }
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(true);
            button->setDefault(c.kind == ControlKind::DefaultPushButton);
            connect(button, &QPushButton::clicked, this, [this, id] { command(id, kButtonClicked); });
            widget = button;
            break;
        }
        }
        if (id != -1) widget->setObjectName(QString::number(id));
        widget->setGeometry(horizontalPixels(c.x, units_), verticalPixels(c.y, units_),
                            horizontalPixels(c.width, units_), verticalPixels(c.height, units_));
    }
}

INT_PTR TemplateDialog::run(LPARAM initParam) {
    send(WM_INITDIALOG, 0, initParam);
    if (!ended_) exec();
    return ended_ ? result_ : -1;
}

QWidget* TemplateDialog::control(int id) const {
    if (id == -1) return nullptr;
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

unsigned TemplateDialog::GetDlgItemText(int id, char* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    const std::string text = korvath::fromQString(controlText(control(id)));
    const size_t count = std::min(static_cast<size_t>(text.size()), static_cast<size_t>(maxCount - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<unsigned>(count);
}

unsigned TemplateDialog::IsDlgButtonChecked(int id) {
    auto* box = qobject_cast<QCheckBox*>(control(id));
    return box && box->isChecked() ? 1 : 0;
}

void TemplateDialog::CenterWindow(HWND parent) {
    centre_ = true;
    centreOver_ = widgetFor ? widgetFor(parent) : nullptr;
    if (isVisible()) showEvent(nullptr);
}

void TemplateDialog::EndDialog(INT_PTR result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
    done(0);
}

void TemplateDialog::reject() {
    // Escape is the Cancel command, whether or not the template has a Cancel button.
    command(IDCANCEL, kButtonClicked);
}

void TemplateDialog::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    event->ignore();
    // Sent once the close event is over: ending the dialog from inside it would not hide it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            // A procedure that leaves the close box alone gets the Cancel command instead.
            if (!ended_ && send(WM_CLOSE, 0, 0) == 0) command(IDCANCEL, kButtonClicked);
        },
        Qt::QueuedConnection);
}

void TemplateDialog::showEvent(QShowEvent* event) {
    if (event) QDialog::showEvent(event);
    if (!centre_) return;
    if (centreOver_ && centreOver_->isVisible()) {
        const QRect over = centreOver_->frameGeometry();
        const QSize size = frameGeometry().size();
        move(over.x() + (over.width() - size.width()) / 2, over.y() + (over.height() - size.height()) / 2);
    } else {
        centreOnScreen(*this);
    }
}

void TemplateDialog::command(int id, unsigned code) {
    if (ended_) return;
    send(WM_COMMAND, (static_cast<WPARAM>(code) << 16) | static_cast<WPARAM>(id & 0xFFFF), 0);
}

INT_PTR TemplateDialog::send(unsigned message, WPARAM wParam, LPARAM lParam) {
    return procedure_ ? procedure_(*this, message, wParam, lParam) : 0;
}

}  // namespace korvath::qtwindows
