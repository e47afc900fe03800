#pragma once
// The program's dialogs answered from a script, recording what each was shown.
#include <deque>
#include <string>
#include <variant>
#include <vector>

#include "landforge/editor/editor_dialogs.h"

namespace landforge::testing {

class ScriptedDialogs : public EditorDialogs {
public:
    using Answer = std::variant<std::monostate, TerrainParamsValues, NoiseValues, FilterNoiseValues, SmoothChoice,
                                std::optional<int>, RaiseLowerValues, ReshapeValues, ImportModeValues,
                                ViewAreaValues, int, ThermalErosionValues, HydraulicErosionValues>;
    // Queued in the order the command asks; std::monostate is Cancel.
    std::deque<Answer> answers;
    std::vector<std::string> shown;  // dialog names in order, with what they showed
    bool helpOpens = true;
    int cancelAfterSteps = -1;  // the progress display's Cancel after this many steps; -1 never

    std::optional<TerrainParamsValues> terrainParams(const TerrainParamsValues& v) override {
        shown.push_back("TERRAINPARAMSDIALOGBOX seed " + std::to_string(v.seed));
        return next<TerrainParamsValues>();
    }
    std::optional<NoiseValues> addNoise(const NoiseValues& v) override {
        shown.push_back("ADDRANDOMNOISEBOX " + std::to_string(v.high) + " " + std::to_string(v.low));
        return next<NoiseValues>();
    }
    std::optional<FilterNoiseValues> filterNoise(const FilterNoiseValues& v) override {
        shown.push_back("FILTERNOISEBOX " + std::to_string(v.maxNoise));
        return next<FilterNoiseValues>();
    }
    SmoothChoice smoothMethod() override {
        shown.push_back("SMOOTHTERRAINBOX");
        return next<SmoothChoice>().value_or(SmoothChoice::Cancel);
    }
    std::optional<int> smoothPercent(SmoothChoice method, float mean) override {
        shown.push_back(std::string(method == SmoothChoice::Flatten ? "FLATTENHEIGHTBOX " : "AVERAGEHEIGHTBOX ") +
                        std::to_string(mean));
        return next<std::optional<int>>().value_or(std::nullopt);
    }
    std::optional<RaiseLowerValues> raiseLower() override {
        shown.push_back("RAISELOWERTERRAINBOX");
        return next<RaiseLowerValues>();
    }
    ReshapeValues reshapeMethod(ReshapeMethod, const ReshapeValues& v) override {
        shown.push_back("RM radius " + std::to_string(v.radius) + " cycles " + std::to_string(v.cycles));
        return next<ReshapeValues>().value_or(v);
    }
    std::optional<ImportModeValues> importMode(const ImportModeValues& v) override {
        shown.push_back("IMPORTMODEBOX " + std::to_string(v.weight));
        return next<ImportModeValues>();
    }
    std::optional<ViewAreaValues> viewArea(const ViewAreaValues& v) override {
        shown.push_back("CHANGEVIEWAREABOX " + std::to_string(v.width) + "," + std::to_string(v.height));
        return next<ViewAreaValues>();
    }
    int exportScale() override {
        shown.push_back("EXPORTSCALEBOX");
        return next<int>().value_or(0);
    }
    void pointInfo(const std::string& text) override { shown.push_back("POINTINFOBOX " + text); }
    void about() override { shown.push_back("About"); }
    bool openHelp(const std::string& path) override {
        shown.push_back("help " + path);
        return helpOpens;
    }
    std::optional<ThermalErosionValues> thermalErosion(const ThermalErosionValues& v) override {
        shown.push_back("THERMALEROSIONBOX " + std::to_string(v.settings.iterations));
        return next<ThermalErosionValues>();
    }
    std::optional<HydraulicErosionValues> hydraulicErosion(const HydraulicErosionValues& v) override {
        shown.push_back("HYDRAULICEROSIONBOX " + std::to_string(v.settings.droplets));
        return next<HydraulicErosionValues>();
    }
    bool runWithProgress(const std::string& title, const std::function<bool()>& step,
                         const std::function<double()>&) override {
        shown.push_back("progress " + title);
        for (int k = 0; k != cancelAfterSteps; ++k)
            if (!step()) return true;
        return false;
    }

private:
    template <typename T>
    std::optional<T> next() {
        if (answers.empty()) return std::nullopt;
        Answer a = answers.front();
        answers.pop_front();
        if (const T* v = std::get_if<T>(&a)) return *v;
        return std::nullopt;
    }
};

}  // namespace landforge::testing
