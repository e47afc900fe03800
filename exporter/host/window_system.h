#pragma once
// The little of the window system the plug-in uses: modal dialogs built from its own templates,
// driven by a dialog procedure in the usual message style, and message boxes. Each host
// implements WindowSystem and decides how these appear (real windows, the command line, a
// script in tests); a window handle carries the window system it belongs to.
#include <cstdint>
#include <string>
#include <vector>

namespace hostsdk {

class WindowSystem;

// A window of the host that dialogs and boxes can be placed over.
struct HostWindow {
    WindowSystem* windows = nullptr;
    std::string title;
};
using HWND = HostWindow*;
using HINSTANCE = const void*;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using INT_PTR = std::intptr_t;

// Messages sent to a dialog procedure.
constexpr unsigned WM_INITDIALOG = 0x0110;  // lParam: the value given to DialogBoxParam
constexpr unsigned WM_COMMAND = 0x0111;     // wParam: the control id
constexpr unsigned WM_CLOSE = 0x0010;       // the close box

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Message box types.
constexpr unsigned MB_OK = 0x00000000;
constexpr unsigned MB_ICONWARNING = 0x00000030;

// Window and control styles a template may carry.
constexpr unsigned DS_MODALFRAME = 0x80;
constexpr unsigned WS_SYSMENU = 0x00080000;
constexpr unsigned WS_CAPTION = 0x00C00000;
constexpr unsigned ES_AUTOHSCROLL = 0x0080;
constexpr unsigned SS_CENTER = 0x0001;

enum class ControlKind { Label, GroupBox, EditBox, CheckBox, PushButton, DefaultPushButton };

// One control of a dialog template; positions and sizes in dialog units.
struct DialogControl {
    ControlKind kind = ControlKind::Label;
    int id = -1;  // -1: a control without id (labels, frames)
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;
    unsigned style = 0;
};

// A dialog resource of the plug-in.
struct DialogTemplate {
    int resourceId = 0;
    std::string caption;
    int width = 0, height = 0;
    unsigned style = 0;
    std::string fontName;
    int fontSize = 0;
    std::vector<DialogControl> controls;
};

// A dialog while it is shown, as its procedure sees it.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;
    // Copies at most maxCount - 1 characters of the control's text and a terminating zero;
    // returns the number of characters copied.
    virtual unsigned GetDlgItemText(int id, char* buffer, int maxCount) = 0;
    virtual unsigned IsDlgButtonChecked(int id) = 0;
    virtual void CenterWindow(HWND parent) = 0;
    virtual void EndDialog(INT_PTR result) = 0;
    // The dialog's window data (the plug-in keeps its exporter there).
    virtual void SetWindowData(LPARAM value) = 0;
    virtual LPARAM GetWindowData() = 0;
};

using DLGPROC = INT_PTR (*)(DialogWindow& dialog, unsigned message, WPARAM wParam, LPARAM lParam);

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // Runs the dialog modally over `parent` (may be null) and returns the value the procedure
    // gave EndDialog; -1 when the dialog could not be shown.
    virtual INT_PTR DialogBoxParam(const DialogTemplate& dialog, HWND parent, DLGPROC procedure,
                                   LPARAM initParam) = 0;
    // A message box owned by `owner` (may be null); returns the button pressed (IDOK).
    virtual int MessageBox(HWND owner, const char* text, const char* caption, unsigned type) = 0;
};

}  // namespace hostsdk
