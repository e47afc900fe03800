#pragma once
// "Open Existing Configuration...": the roster folder's files and a name box. Open reads the
// file into the roster; a file that cannot be read is explained and nothing changes.
#include <string>

#include "common/interaction/interaction.h"
#include "rosterdesk/roster/document.h"
#include "rosterdesk/ui/fixed_dialog.h"

class QLineEdit;
class QListWidget;

namespace rosterdesk {

class dlgOpen : public FixedDialog {
public:
    dlgOpen(RosterSession& session, const std::string& configPath, korvath::Interaction& ui, QWidget* parent = nullptr);
    // False until a file was read completely.
    bool succeeded() const { return succeeded_; }
    std::string openedName() const { return name_; }

private:
    void open();

    RosterSession& session_;
    std::string configPath_;
    korvath::Interaction& ui_;
    QListWidget* fileOne_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    bool succeeded_ = false;
    std::string name_;
};

}  // namespace rosterdesk
