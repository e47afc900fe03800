#pragma once
// A window system without windows: dialogs are answered from a queue and every dialog and
// message box is recorded with its exact texts. The model-file host answers from its command
// line and prints message boxes through the listener; tests assert on the records.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "exporter/host/window_system.h"

namespace korvath::scene {

// What the user does in one dialog, in this order: type the texts, set the check boxes,
// press the buttons (until one of them closes the dialog).
struct DialogAnswer {
    std::map<int, std::string> texts;
    std::map<int, bool> checks;
    std::vector<int> commands{hostsdk::IDOK};
};

struct ShownDialog {
    hostsdk::DialogTemplate dialog;
    hostsdk::HWND parent = nullptr;
    bool centred = false;
    hostsdk::HWND centredOver = nullptr;
    bool closed = false;       // the procedure ended it; otherwise the script gave up (result -1)
    hostsdk::INT_PTR result = -1;
    std::map<int, std::string> texts;  // edit texts when it closed
    std::map<int, bool> checks;        // check states when it closed
};

struct ShownMessage {
    hostsdk::HWND owner = nullptr;
    std::string text;
    std::string caption;
    unsigned type = 0;
};

class ScriptedWindows : public hostsdk::WindowSystem {
public:
    // Answers are used in the order dialogs open; a dialog with no answer is cancelled
    // (IDCANCEL, then the close box).
    void answerDialog(DialogAnswer answer) { answers_.push_back(std::move(answer)); }
    void setMessageListener(std::function<void(const ShownMessage&)> listener) { messageListener_ = std::move(listener); }
    const std::vector<ShownDialog>& dialogs() const { return dialogs_; }
    const std::vector<ShownMessage>& messages() const { return messages_; }
    size_t pendingAnswers() const { return answers_.size(); }

    hostsdk::INT_PTR DialogBoxParam(const hostsdk::DialogTemplate& dialog, hostsdk::HWND parent,
                                    hostsdk::DLGPROC procedure, hostsdk::LPARAM initParam) override;
    int MessageBox(hostsdk::HWND owner, const char* text, const char* caption, unsigned type) override;

private:
    std::vector<DialogAnswer> answers_;
    std::vector<ShownDialog> dialogs_;
    std::vector<ShownMessage> messages_;
    std::function<void(const ShownMessage&)> messageListener_;
};

}  // namespace korvath::scene
