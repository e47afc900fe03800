#pragma once
// The description dialog: a multi-line box holding the roster's description. "Apply" keeps the
// text for the roster (it is written with the next save), "Cancel" drops it.
#include <string>

#include "rosterdesk/ui/fixed_dialog.h"

class QPlainTextEdit;

namespace rosterdesk {

class dlgDescr : public FixedDialog {
public:
    dlgDescr(const std::string& description, QWidget* parent = nullptr);
    std::string description() const;

private:
    QPlainTextEdit* txtDescr_ = nullptr;
};

}  // namespace rosterdesk
