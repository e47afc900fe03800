#pragma once
// The reshape method, import mode, view area and export scale dialogs.
#include "landforge/editor/dialog_values.h"
#include "landforge/shell/dialogs/form_dialog.h"

class QComboBox;

namespace landforge::shell {

// RMPEAKMETHODBOX (1035), RMDOMEMETHODBOX (1025), RMRIPPLEMETHODBOX (1027, cycles 1026); OK
// 1000 only.
class ReshapeMethodDialog : public FormDialog {
public:
    ReshapeMethodDialog(ReshapeMethod method, const ReshapeValues& current, QWidget* parent = nullptr);
    ReshapeValues values() const;

private:
    ReshapeMethod method_;
    int radiusId_;
};

// IMPORTMODEBOX: the mode list 1012 (sorted: Add, Replace, Subtract), Weight 1013; OK 1000,
// Cancel 1006.
class ImportModeDialog : public FormDialog {
public:
    ImportModeDialog(const ImportModeValues& current, QWidget* parent = nullptr);
    ImportModeValues values() const;

private:
    QComboBox* modes_;
};

// CHANGEVIEWAREABOX: Width 1007, Height 1008; OK 1000, Cancel 1006.
class ViewAreaDialog : public FormDialog {
public:
    ViewAreaDialog(const ViewAreaValues& current, QWidget* parent = nullptr);
    ViewAreaValues values() const;
};

// EXPORTSCALEBOX: scale 1036 (starts at 1); Export 1000, Cancel 1006.
class ExportScaleDialog : public FormDialog {
public:
    explicit ExportScaleDialog(QWidget* parent = nullptr);
    // N for Export, 0 for Cancel.
    int scaleFor(int result) const;
};

}  // namespace landforge::shell
