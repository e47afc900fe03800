#pragma once
// One of the plug-in's dialog templates as a Qt dialog: the template's font, its controls at
// their dialog-unit places (each named by its id, so tests find "1021"), and every click,
// edit and close sent to the dialog procedure as the message it expects. The dialog closes
// only when the procedure calls EndDialog.
#include <QDialog>
#include <QPointer>

#include <functional>

#include "exporter/host/window_system.h"
#include "exporter/qtwindows/dialog_units.h"

namespace korvath::qtwindows {

// Notification codes in the high word of WM_COMMAND's wParam.
constexpr unsigned kButtonClicked = 0;    // BN_CLICKED
constexpr unsigned kEditChanged = 0x300;  // EN_CHANGE

class TemplateDialog : public QDialog, public hostsdk::DialogWindow {
public:
    TemplateDialog(const hostsdk::DialogTemplate& dialog, hostsdk::DLGPROC procedure, QWidget* parent);

    // Sends WM_INITDIALOG and runs the dialog; the value given to EndDialog, or -1 when the
    // procedure gave none (it cannot, the dialog stays until it does).
    hostsdk::INT_PTR run(hostsdk::LPARAM initParam);

    const hostsdk::DialogTemplate& dialogTemplate() const { return template_; }
    DialogBaseUnits baseUnits() const { return units_; }
    // The widget of a control, by id; null when the template has none.
    QWidget* control(int id) const;
    // Where CenterWindow asked to be centred (null: on the screen).
    void setCentreOver(QWidget* widget) { centreOver_ = widget; }

    // The dialog as its procedure sees it.
    unsigned GetDlgItemText(int id, char* buffer, int maxCount) override;
    unsigned IsDlgButtonChecked(int id) override;
    void CenterWindow(hostsdk::HWND parent) override;
    void EndDialog(hostsdk::INT_PTR result) override;
    void SetWindowData(hostsdk::LPARAM value) override { data_ = value; }
    hostsdk::LPARAM GetWindowData() override { return data_; }

    // Maps a host window to the widget that stands for it (CenterWindow uses it).
    std::function<QWidget*(hostsdk::HWND)> widgetFor;

protected:
    void reject() override;                       // Escape
    void closeEvent(QCloseEvent* event) override;  // the close box
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void command(int id, unsigned code);
    hostsdk::INT_PTR send(unsigned message, hostsdk::WPARAM wParam, hostsdk::LPARAM lParam);

    hostsdk::DialogTemplate template_;
    hostsdk::DLGPROC procedure_;
    DialogBaseUnits units_;
    hostsdk::LPARAM data_ = 0;
    bool ended_ = false;
    hostsdk::INT_PTR result_ = -1;
    bool centre_ = false;
    QPointer<QWidget> centreOver_;
};

}  // namespace korvath::qtwindows
