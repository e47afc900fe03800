#pragma once
// The dialogs of Options > Terrain Generation. Each shows the values it is given and reads
// back what was typed; the caller applies the limits.
#include "landforge/editor/dialog_values.h"
#include "landforge/shell/dialogs/form_dialog.h"

class QRadioButton;

namespace landforge::shell {

// TERRAINPARAMSDIALOGBOX: OK, Cancel.
class TerrainParamsDialog : public FormDialog {
public:
    TerrainParamsDialog(const TerrainParamsValues& current, QWidget* parent = nullptr);
    TerrainParamsValues values() const;
};

// ADDRANDOMNOISEBOX: OK, Cancel.
class AddNoiseDialog : public FormDialog {
public:
    AddNoiseDialog(const NoiseValues& current, QWidget* parent = nullptr);
    NoiseValues values() const;
};

// FILTERNOISEBOX: OK, Cancel.
class FilterNoiseDialog : public FormDialog {
public:
    FilterNoiseDialog(const FilterNoiseValues& current, QWidget* parent = nullptr);
    FilterNoiseValues values() const;
};

// SMOOTHTERRAINBOX: Flatten, Average, Cancel.
class SmoothTerrainDialog : public FormDialog {
public:
    explicit SmoothTerrainDialog(QWidget* parent = nullptr);
    static SmoothChoice choiceOf(int result);
};

// FLATTENHEIGHTBOX (with the mean height) and AVERAGEHEIGHTBOX: Smooth, Cancel.
class SmoothPercentDialog : public FormDialog {
public:
    SmoothPercentDialog(SmoothChoice method, float meanHeight, QWidget* parent = nullptr);
    int percent() const;

private:
    int fieldId_;
};

// RAISELOWERTERRAINBOX: Raise, Lower, Cancel.
class RaiseLowerDialog : public FormDialog {
public:
    explicit RaiseLowerDialog(QWidget* parent = nullptr);
    // For the button that closed the dialog.
    RaiseLowerValues values(int result) const;

private:
    QRadioButton* byHeight_;
};

}  // namespace landforge::shell
