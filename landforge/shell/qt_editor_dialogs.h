#pragma once
// The program's dialogs shown as real Qt dialogs over the main window.
#include <QPointer>
#include <QWidget>

#include "landforge/editor/editor_dialogs.h"

namespace landforge::shell {

class QtEditorDialogs : public EditorDialogs {
public:
    explicit QtEditorDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<TerrainParamsValues> terrainParams(const TerrainParamsValues& current) override;
    std::optional<NoiseValues> addNoise(const NoiseValues& current) override;
    std::optional<FilterNoiseValues> filterNoise(const FilterNoiseValues& current) override;
    SmoothChoice smoothMethod() override;
    std::optional<int> smoothPercent(SmoothChoice method, float meanHeight) override;
    std::optional<RaiseLowerValues> raiseLower() override;
    ReshapeValues reshapeMethod(ReshapeMethod method, const ReshapeValues& current) override;
    std::optional<ImportModeValues> importMode(const ImportModeValues& current) override;
    std::optional<ViewAreaValues> viewArea(const ViewAreaValues& current) override;
    int exportScale() override;
    void pointInfo(const std::string& text) override;
    void about() override;
    bool openHelp(const std::string& path) override;
    std::optional<ThermalErosionValues> thermalErosion(const ThermalErosionValues& current) override;
    std::optional<HydraulicErosionValues> hydraulicErosion(const HydraulicErosionValues& current) override;
    bool runWithProgress(const std::string& title, const std::function<bool()>& step,
                         const std::function<double()>& progress) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace landforge::shell
