#pragma once
// The host layer's window system in real windows: each dialog template becomes a
// TemplateDialog run modally, each message box a QMessageBox with the type's icon and
// buttons. Needs a QApplication; without one nothing can be shown (dialogs give -1, boxes 0).
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

#include "exporter/host/window_system.h"

namespace korvath::qtwindows {

class TemplateDialog;

class QtWindowSystem : public hostsdk::WindowSystem {
public:
    // Dialogs and boxes owned by `window` are placed over `widget`.
    void setWidget(hostsdk::HWND window, QWidget* widget) { widgets_[window] = widget; }
    QWidget* widgetFor(hostsdk::HWND window) const;

    // Called once each dialog is on the screen (screenshots, tests).
    void setDialogShownListener(std::function<void(TemplateDialog&)> listener) { onShown_ = std::move(listener); }
    // Called when a dialog has ended, with the value its procedure gave EndDialog.
    void setDialogEndedListener(std::function<void(const hostsdk::DialogTemplate&, hostsdk::INT_PTR)> listener) {
        onEnded_ = std::move(listener);
    }
    // Called with each message box before it is shown.
    void setMessageListener(std::function<void(const char* text, const char* caption, unsigned type)> listener) {
        onMessage_ = std::move(listener);
    }

    hostsdk::INT_PTR DialogBoxParam(const hostsdk::DialogTemplate& dialog, hostsdk::HWND parent,
                                    hostsdk::DLGPROC procedure, hostsdk::LPARAM initParam) override;
    int MessageBox(hostsdk::HWND owner, const char* text, const char* caption, unsigned type) override;

private:
    std::map<hostsdk::HWND, QPointer<QWidget>> widgets_;
    std::function<void(TemplateDialog&)> onShown_;
    std::function<void(const hostsdk::DialogTemplate&, hostsdk::INT_PTR)> onEnded_;
    std::function<void(const char*, const char*, unsigned)> onMessage_;
};

}  // namespace korvath::qtwindows
