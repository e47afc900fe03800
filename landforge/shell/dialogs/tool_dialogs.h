#pragma once
// The reshape method, import mode, view area and export scale dialogs.
#include "landforge/editor/dialog_values.h"
#include "landforge/shell/dialogs/form_dialog.h"

class QComboBox;

namespace landforge::shell {

// RMPEAKMETHODBOX, RMDOMEMETHODBOX, RMRIPPLEMETHODBOX (with its cycles); OK only.
class ReshapeMethodDialog : public FormDialog {
public:
    ReshapeMethodDialog(ReshapeMethod method, const ReshapeValues& current, QWidget* parent = nullptr);
    ReshapeValues values() const;

private:
    ReshapeMethod method_;
    int radiusId_;
};

// IMPORTMODEBOX: the mode list (sorted: Add, Replace, Subtract), Weight; OK, Cancel.
class ImportModeDialog : public FormDialog {
public:
    ImportModeDialog(const ImportModeValues& current, QWidget* parent = nullptr);
    ImportModeValues values() const;

private:
    QComboBox* modes_;
};

// CHANGEVIEWAREABOX: Width, Height; OK, Cancel.
class ViewAreaDialog : public FormDialog {
public:
    ViewAreaDialog(const ViewAreaValues& current, QWidget* parent = nullptr);
    ViewAreaValues values() const;
};

// EXPORTSCALEBOX: scale (starts at 1); Export, Cancel.
class ExportScaleDialog : public FormDialog {
public:
    explicit ExportScaleDialog(QWidget* parent = nullptr);
    // N for Export, 0 for Cancel.
    int scaleFor(int result) const;
};

}  // namespace landforge::shell
