#pragma once
// The erosion dialogs of Options > Terrain Generation and the progress display a run shows.
// Each field's text is selected when the dialog opens and when Tab reaches it, so typing
// replaces the value.
#include <functional>

#include "landforge/editor/erosion_values.h"
#include "landforge/shell/dialogs/form_dialog.h"

class QLineEdit;
class QRadioButton;

namespace landforge::shell {

// The Whole Terrain / View Area choice and the select-on-open behaviour both dialogs share.
class ErosionDialog : public FormDialog {
public:
    ErosionDialog(const QString& templateName, const QString& title, QWidget* parent);

protected:
    QLineEdit* addNumber(int id, const QString& label, const QString& text);
    // The two area buttons (ids `wholeId`, `wholeId + 1`), then OK and Cancel.
    void addAreaAndButtons(int wholeId, int viewId, bool viewOnly);
    bool viewOnly() const;
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* first_ = nullptr;
    QRadioButton* view_ = nullptr;
};

// THERMALEROSIONBOX: Iterations, Talus Angle, Amount, Whole Terrain, View Area, OK, Cancel.
class ThermalErosionDialog : public ErosionDialog {
public:
    ThermalErosionDialog(const ThermalErosionValues& current, QWidget* parent = nullptr);
    ThermalErosionValues values() const;
};

// HYDRAULICEROSIONBOX: Droplets, Rain, Erosion Rate, Deposition Rate, Evaporation, Seed, Whole
// Terrain, View Area, OK, Cancel.
class HydraulicErosionDialog : public ErosionDialog {
public:
    HydraulicErosionDialog(const HydraulicErosionValues& current, QWidget* parent = nullptr);
    HydraulicErosionValues values() const;
};

// Runs `step` from the event loop in slices of a few milliseconds until it returns false, so the
// windows keep painting; a progress dialog ("EROSIONPROGRESS") appears when the run takes
// longer than a moment. False when its Cancel button or Escape stopped the run first.
bool runStepsWithProgress(QWidget* parent, const QString& title, const std::function<bool()>& step,
                          const std::function<double()>& progress);

}  // namespace landforge::shell
