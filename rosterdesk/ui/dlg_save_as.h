#pragma once
// "Save Configuration As...": the roster folder's files and a name box. A name that would
// leave the folder is explained and the dialog stays open.
#include <string>

#include "common/interaction/interaction.h"
#include "rosterdesk/ui/fixed_dialog.h"

class QLineEdit;
class QListWidget;

namespace rosterdesk {

class dlgSaveAs : public FixedDialog {
public:
    dlgSaveAs(const std::string& configPath, korvath::Interaction& ui, QWidget* parent = nullptr);
    // The text of the name box as "Save File" took it (".bm" not yet added).
    std::string typedName() const { return typed_; }

private:
    void save();

    korvath::Interaction& ui_;
    QListWidget* fileOne_ = nullptr;
    QLineEdit* txtNewName_ = nullptr;
    std::string typed_;
};

}  // namespace rosterdesk
