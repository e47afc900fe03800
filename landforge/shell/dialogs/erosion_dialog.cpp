#include "landforge/shell/dialogs/erosion_dialog.h"

#include "common/qt/qt_text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>

#include "landforge/editor/dialog_values.h"

namespace landforge::shell {

namespace {

QString decimals(float v) { return korvath::toQString(formatThreeDecimals(v)); }

}  // namespace

ErosionDialog::ErosionDialog(const QString& templateName, const QString& title, QWidget* parent)
    : FormDialog(templateName, title, parent) {}

QLineEdit* ErosionDialog::addNumber(int id, const QString& label, const QString& text) {
    QLineEdit* edit = addField(id, label, text);
    if (!first_) first_ = edit;
    return edit;
}

void ErosionDialog::addAreaAndButtons(int wholeId, int viewId, bool viewOnly) {
    auto* whole = new QRadioButton("Whole Terrain");
    whole->setObjectName(idName(wholeId));
    view_ = new QRadioButton("View Area");
    view_->setObjectName(idName(viewId));
    (viewOnly ? view_ : whole)->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(whole);
    group->addButton(view_);
    addWidget(whole);
    addWidget(view_);
    addButton(kOkId, "OK", true);
    addButton(kCancelId, "Cancel");
}

bool ErosionDialog::viewOnly() const { return view_->isChecked(); }

void ErosionDialog::showEvent(QShowEvent* event) {
    FormDialog::showEvent(event);
    // Tab focus selects a line edit's text by itself; the first field needs it on open too.
    if (first_) {
        first_->setFocus(Qt::TabFocusReason);
        first_->selectAll();
    }
}

ThermalErosionDialog::ThermalErosionDialog(const ThermalErosionValues& v, QWidget* parent)
    : ErosionDialog("THERMALEROSIONBOX", "Thermal Erosion", parent) {
    addText("Material slides down wherever the slope is steeper than the talus angle.");
    addNumber(kIterationsId, "Iterations (1 - 1000)", QString::number(v.settings.iterations));
    addNumber(kTalusAngleId, "Talus Angle (degrees, 0 - 89)", decimals(v.settings.talusAngle));
    addNumber(kAmountId, "Amount (.010 - 1)", decimals(v.settings.amount));
    addAreaAndButtons(kThermalWholeTerrainId, kThermalViewAreaId, v.viewOnly);
}

ThermalErosionValues ThermalErosionDialog::values() const {
    ThermalErosionValues v;
    v.settings.iterations = fieldInt(kIterationsId);
    v.settings.talusAngle = fieldReal(kTalusAngleId);
    v.settings.amount = fieldReal(kAmountId);
    v.viewOnly = viewOnly();
    return v;
}

HydraulicErosionDialog::HydraulicErosionDialog(const HydraulicErosionValues& v, QWidget* parent)
    : ErosionDialog("HYDRAULICEROSIONBOX", "Hydraulic Erosion", parent) {
    addText("Rain droplets run downhill, carrying sediment from steep slopes to flat ground.");
    addNumber(kDropletsId, "Droplets (1 - 1000000)", QString::number(v.settings.droplets));
    addNumber(kRainId, "Rain (.010 - 10)", decimals(v.settings.rain));
    addNumber(kErosionRateId, "Erosion Rate (0 - 1)", decimals(v.settings.erosionRate));
    addNumber(kDepositionRateId, "Deposition Rate (0 - 1)", decimals(v.settings.depositionRate));
    addNumber(kEvaporationId, "Evaporation (0 - .990)", decimals(v.settings.evaporation));
    addNumber(kErosionSeedId, "Random Number Generator Seed", QString::number(v.settings.seed));
    addAreaAndButtons(kHydraulicWholeTerrainId, kHydraulicViewAreaId, v.viewOnly);
}

HydraulicErosionValues HydraulicErosionDialog::values() const {
    HydraulicErosionValues v;
    v.settings.droplets = fieldInt(kDropletsId);
    v.settings.rain = fieldReal(kRainId);
    v.settings.erosionRate = fieldReal(kErosionRateId);
    v.settings.depositionRate = fieldReal(kDepositionRateId);
    v.settings.evaporation = fieldReal(kEvaporationId);
    v.settings.seed = fieldUnsigned(kErosionSeedId);
    v.viewOnly = viewOnly();
    return v;
}

bool runStepsWithProgress(QWidget* parent, const QString& title, const std::function<bool()>& step,
                          const std::function<double()>& progress) {
    constexpr int kScale = 1000;
    constexpr int kSliceMs = 25;
    QProgressDialog dialog(title + " ...", "Cancel", 0, kScale, parent);
    dialog.setObjectName("EROSIONPROGRESS");
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(400);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    // The Cancel button cancels; Escape only rejects the dialog.
    bool stopped = false;
    QObject::connect(&dialog, &QProgressDialog::canceled, [&stopped] { stopped = true; });
    QObject::connect(&dialog, &QDialog::rejected, [&stopped] { stopped = true; });
    QElapsedTimer slice;
    bool more = true;
    while (more) {
        slice.start();
        while (more && slice.elapsed() < kSliceMs) more = step();
        dialog.setValue(static_cast<int>(progress() * kScale));
        // Until the dialog shows, the main window must not take clicks and keys meant for later.
        QApplication::processEvents(dialog.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        if (stopped) return !more;
    }
    return true;
}

}  // namespace landforge::shell
