#include "exporter/scene/scripted_windows.h"

#include <algorithm>
#include <cstring>

namespace korvath::scene {

using namespace hostsdk;

namespace {

class ScriptedDialog : public DialogWindow {
public:
    explicit ScriptedDialog(ShownDialog& shown) : shown_(shown) {
        for (const auto& control : shown.dialog.controls) {
            if (control.kind == ControlKind::EditBox) shown_.texts[control.id] = control.text;
            if (control.kind == ControlKind::CheckBox) shown_.checks[control.id] = false;
        }
    }

    unsigned GetDlgItemText(int id, char* buffer, int maxCount) override {
        if (maxCount <= 0) return 0;
        auto found = shown_.texts.find(id);
        const std::string text = found == shown_.texts.end() ? std::string() : found->second;
        const size_t count = std::min(text.size(), static_cast<size_t>(maxCount - 1));
        std::memcpy(buffer, text.data(), count);
        buffer[count] = '\0';
        return static_cast<unsigned>(count);
    }
    unsigned IsDlgButtonChecked(int id) override {
        auto found = shown_.checks.find(id);
        return found != shown_.checks.end() && found->second ? 1 : 0;
    }
    void CenterWindow(HWND parent) override {
        shown_.centred = true;
        shown_.centredOver = parent;
    }
    void EndDialog(INT_PTR result) override {
        shown_.closed = true;
        shown_.result = result;
    }
    void SetWindowData(LPARAM value) override { data_ = value; }
    LPARAM GetWindowData() override { return data_; }

private:
    ShownDialog& shown_;
    LPARAM data_ = 0;
};

}  // namespace

INT_PTR ScriptedWindows::DialogBoxParam(const DialogTemplate& dialog, HWND parent, DLGPROC procedure,
                                        LPARAM initParam) {
    ShownDialog shown;
    shown.dialog = dialog;
    shown.parent = parent;
    DialogAnswer answer;
    answer.commands = {IDCANCEL};
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.erase(answers_.begin());
    }
    ScriptedDialog window(shown);
    procedure(window, WM_INITDIALOG, 0, initParam);
    for (const auto& [id, text] : answer.texts) shown.texts[id] = text;
    for (const auto& [id, checked] : answer.checks) shown.checks[id] = checked;
    for (int command : answer.commands) {
        if (shown.closed) break;
        procedure(window, WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
    if (!shown.closed) procedure(window, WM_CLOSE, 0, 0);
    const INT_PTR result = shown.closed ? shown.result : -1;
    dialogs_.push_back(std::move(shown));
    return result;
}

int ScriptedWindows::MessageBox(HWND owner, const char* text, const char* caption, unsigned type) {
    messages_.push_back({owner, text ? text : "", caption ? caption : "", type});
    if (messageListener_) messageListener_(messages_.back());
    return IDOK;
}

}  // namespace korvath::scene
