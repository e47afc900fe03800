#include "landforge/shell/qt_editor_dialogs.h"

#include "common/qt/qt_text.h"

#include <QDesktopServices>
#include <QUrl>

#include "landforge/shell/dialogs/erosion_dialog.h"
#include "landforge/shell/dialogs/generation_dialogs.h"
#include "landforge/shell/dialogs/info_dialogs.h"
#include "landforge/shell/dialogs/tool_dialogs.h"

namespace landforge::shell {

namespace {

// The values of a dialog closed with OK, nullopt otherwise.
template <typename Dialog>
auto okValues(Dialog& dialog) -> std::optional<decltype(dialog.values())> {
    if (dialog.exec() != kOkId) return std::nullopt;
    return dialog.values();
}

}  // namespace

std::optional<TerrainParamsValues> QtEditorDialogs::terrainParams(const TerrainParamsValues& current) {
    TerrainParamsDialog d(current, parent_);
    return okValues(d);
}

std::optional<NoiseValues> QtEditorDialogs::addNoise(const NoiseValues& current) {
    AddNoiseDialog d(current, parent_);
    return okValues(d);
}

std::optional<FilterNoiseValues> QtEditorDialogs::filterNoise(const FilterNoiseValues& current) {
    FilterNoiseDialog d(current, parent_);
    return okValues(d);
}

SmoothChoice QtEditorDialogs::smoothMethod() {
    SmoothTerrainDialog d(parent_);
    return SmoothTerrainDialog::choiceOf(d.exec());
}

std::optional<int> QtEditorDialogs::smoothPercent(SmoothChoice method, float meanHeight) {
    SmoothPercentDialog d(method, meanHeight, parent_);
    if (d.exec() != kOkId) return std::nullopt;
    return d.percent();
}

std::optional<RaiseLowerValues> QtEditorDialogs::raiseLower() {
    RaiseLowerDialog d(parent_);
    int result = d.exec();
    if (result != kRaiseId && result != kLowerId) return std::nullopt;
    return d.values(result);
}

ReshapeValues QtEditorDialogs::reshapeMethod(ReshapeMethod method, const ReshapeValues& current) {
    ReshapeMethodDialog d(method, current, parent_);
    d.exec();  // OK is its only button; closing it keeps what it shows as well
    return d.values();
}

std::optional<ImportModeValues> QtEditorDialogs::importMode(const ImportModeValues& current) {
    ImportModeDialog d(current, parent_);
    return okValues(d);
}

std::optional<ViewAreaValues> QtEditorDialogs::viewArea(const ViewAreaValues& current) {
    ViewAreaDialog d(current, parent_);
    return okValues(d);
}

int QtEditorDialogs::exportScale() {
    ExportScaleDialog d(parent_);
    return d.scaleFor(d.exec());
}

void QtEditorDialogs::pointInfo(const std::string& text) {
    PointInfoDialog d(korvath::toQString(text), parent_);
    d.exec();
}

void QtEditorDialogs::about() {
    AboutDialog d(parent_);
    d.exec();
}

bool QtEditorDialogs::openHelp(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(korvath::nativeToQString(path)));
}

std::optional<ThermalErosionValues> QtEditorDialogs::thermalErosion(const ThermalErosionValues& current) {
    ThermalErosionDialog d(current, parent_);
    return okValues(d);
}

std::optional<HydraulicErosionValues> QtEditorDialogs::hydraulicErosion(const HydraulicErosionValues& current) {
    HydraulicErosionDialog d(current, parent_);
    return okValues(d);
}

bool QtEditorDialogs::runWithProgress(const std::string& title, const std::function<bool()>& step,
                                      const std::function<double()>& progress) {
    return runStepsWithProgress(parent_, korvath::toQString(title), step, progress);
}

}  // namespace landforge::shell
