#include "exporter/qtwindows/qt_window_system.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "common/qt/qt_text.h"
#include "exporter/qtwindows/message_box_style.h"
#include "exporter/qtwindows/template_dialog.h"

namespace korvath::qtwindows {

using namespace hostsdk;

namespace {

bool canShowWindows() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

QMessageBox::Icon qtIcon(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Error: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Warning: return QMessageBox::Warning;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QWidget* QtWindowSystem::widgetFor(HWND window) const {
    auto found = widgets_.find(window);
    return found == widgets_.end() ? nullptr : found->second.data();
}

INT_PTR QtWindowSystem::DialogBoxParam(const DialogTemplate& dialog, HWND parent, DLGPROC procedure,
                                       LPARAM initParam) {
    if (!canShowWindows() || !procedure) return -1;
    TemplateDialog window(dialog, procedure, widgetFor(parent));
    window.widgetFor = [this](HWND w) { return widgetFor(w); };
    if (onShown_) {
        QTimer::singleShot(0, &window, [this, &window] {
            if (window.isVisible()) onShown_(window);
        });
    }
    const INT_PTR result = window.run(initParam);
    if (onEnded_) onEnded_(dialog, result);
    return result;
}

int QtWindowSystem::MessageBox(HWND owner, const char* text, const char* caption, unsigned type) {
    if (onMessage_) onMessage_(text ? text : "", caption ? caption : "", type);
    if (!canShowWindows()) return 0;
    const BoxStyle style = messageBoxStyle(type);
    // A box without a caption is titled "Error", as the system's boxes are.
    QMessageBox box(qtIcon(style.icon), caption ? korvath::toQString(caption) : QStringLiteral("Error"),
                    korvath::toQString(text ? text : ""), QMessageBox::NoButton, widgetFor(owner));
    box.setTextFormat(Qt::PlainText);
    std::map<QAbstractButton*, int> ids;
    for (size_t i = 0; i < style.buttons.size(); ++i) {
        const BoxButton& b = style.buttons[i];
        QPushButton* button = box.addButton(korvath::toQString(b.text), QMessageBox::ActionRole);
        button->setObjectName(QString::number(b.id));
        ids[button] = b.id;
        if (static_cast<int>(i) == style.defaultIndex) box.setDefaultButton(button);
        if (b.id == style.escapeId) box.setEscapeButton(button);
    }
    box.exec();
    auto found = ids.find(box.clickedButton());
    return found == ids.end() ? style.escapeId : found->second;
}

}  // namespace korvath::qtwindows
