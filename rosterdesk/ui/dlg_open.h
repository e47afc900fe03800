#pragma once
// "Open Existing Configuration...": the roster folder's files and a name box. Open hands the
// choice to the caller's `take` (openChosenRoster), which reads the file; the dialog closes
// only when it was taken and stays open, for another name, when it was not.
#include <functional>
#include <string>

#include "rosterdesk/editor/open_file.h"
#include "rosterdesk/ui/fixed_dialog.h"

class QLineEdit;
class QListWidget;

namespace rosterdesk {

class dlgOpen : public FixedDialog {
public:
    using Take = std::function<bool(const OpenChoice&)>;
    dlgOpen(const std::string& configPath, Take take, QWidget* parent = nullptr);
    // The name last handed over; the one opened once the dialog was accepted.
    const OpenChoice& choice() const { return choice_; }

private:
    void open();

    Take take_;
    QListWidget* fileOne_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    OpenChoice choice_;
};

}  // namespace rosterdesk
