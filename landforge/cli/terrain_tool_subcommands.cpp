#include "landforge/cli/terrain_tool_subcommands.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "common/files/atomic_file.h"
#include "landforge/terrain/erosion.h"
#include "landforge/terrain/filters.h"
#include "landforge/terrain/png16_export.h"
#include "landforge/terrain/terrain_edits.h"
#include "landforge/terrain/terrain_file.h"

namespace landforge {

namespace {

class ToolCommand {
public:
    explicit ToolCommand(korvath::ArgList& args) : args_(args) {}

    CliOutcome run(std::string_view name) {
        if (name == "erode") return erode();
        if (name == "export-png16") return exportPng16();
        return raiseLower();
    }

private:
    // An option holding a number; absent leaves `value` as it is.
    template <typename T>
    CliOutcome number(std::string_view option, T& value) {
        std::optional<std::string> text = args_.option(option);
        if (!text) return std::nullopt;
        std::optional<T> read = parseNumber<T>(*text);
        if (read) value = *read;
        if (!read || (std::is_floating_point_v<T> && !std::isfinite(static_cast<double>(value))))
            return usageError(std::string(option) + " takes a number, not " + *text);
        return std::nullopt;
    }

    CliOutcome erode() {
        bool thermal = args_.flag("--thermal"), hydraulic = args_.flag("--hydraulic");
        std::optional<std::string> outPath = args_.option("-o");
        ThermalSettings t;
        HydraulicSettings h;
        int iterations = -1;
        GridRect rect;
        for (auto f : {number("--iterations", iterations), number("--seed", h.seed), number("--talus", t.talusAngle),
                       number("--amount", t.amount), number("--rain", h.rain), number("--erosion", h.erosionRate),
                       number("--deposition", h.depositionRate), number("--evaporation", h.evaporation),
                       readViewOption(args_, rect), takeFileNames(args_, 1, files_)})
            if (f) return f;
        if (thermal == hydraulic) return usageError("erode needs exactly one of --thermal and --hydraulic");
        if (!outPath) return usageError("erode needs -o OUT.lfg");
        if (iterations != -1 && iterations < 1) return usageError("--iterations takes a whole number of at least 1");
        if (iterations != -1) (thermal ? t.iterations : h.droplets) = iterations;
        // The window pulls a value into its range; a batch run says so instead of guessing.
        ThermalSettings tl = withLimits(t);
        HydraulicSettings hl = withLimits(h);
        if (thermal && (tl.iterations != t.iterations || tl.talusAngle != t.talusAngle || tl.amount != t.amount))
            return usageError("thermal erosion takes --iterations 1-1000, --talus 0-89 and --amount 0.01-1");
        if (hydraulic && (hl.droplets != h.droplets || hl.rain != h.rain || hl.erosionRate != h.erosionRate ||
                          hl.depositionRate != h.depositionRate || hl.evaporation != h.evaporation))
            return usageError(
                "hydraulic erosion takes --iterations 1-1000000, --rain 0.01-10, --erosion 0-1, "
                "--deposition 0-1 and --evaporation 0-0.99");
        TerrainState state;
        if (auto f = openCompleteTerrainFile(files_[0], state)) return f;
        runErosion(state,
                   thermal ? ErosionRun::thermal(state.grid, rect, t) : ErosionRun::hydraulic(state.grid, rect, h));
        return writeOutputFile(*outPath, writeDocument(state.grid, kFullRect));
    }

    CliOutcome exportPng16() {
        GridRect rect;
        if (auto f = readViewOption(args_, rect)) return f;
        if (auto f = takeFileNames(args_, 2, files_)) return f;
        TerrainState state;
        if (auto f = openCompleteTerrainFile(files_[0], state)) return f;
        korvath::Status s = landforge::exportPng16(state.grid, files_[1], rect);
        if (!s.ok()) return failed(s.error());
        return std::nullopt;
    }

    CliOutcome raiseLower() {
        bool raise = args_.flag("--raise"), lower = args_.flag("--lower");
        std::optional<std::string> outPath = args_.option("-o");
        std::optional<std::string> to = args_.option("--to"), by = args_.option("--by");
        GridRect rect;
        if (auto f = readViewOption(args_, rect)) return f;
        if (auto f = takeFileNames(args_, 1, files_)) return f;
        if (raise == lower) return usageError("raise-lower needs exactly one of --raise and --lower");
        if (to.has_value() == by.has_value()) return usageError("raise-lower needs exactly one of --to H and --by H");
        if (!outPath) return usageError("raise-lower needs -o OUT.lfg");
        std::optional<int> height = parseNumber<int>(to ? *to : *by);
        if (!height) return usageError("--to and --by take a whole number");
        TerrainState state;
        if (auto f = openCompleteTerrainFile(files_[0], state)) return f;
        state.view = {rect.x, rect.y, rect.width, rect.height};
        RaiseLowerMode mode = to ? RaiseLowerMode::ToHeight : RaiseLowerMode::ByHeight;
        if (raise) raiseTerrain(state, mode, *height);
        else lowerTerrain(state, mode, *height);
        updateTrisFull(state.grid);
        return writeOutputFile(*outPath, writeDocument(state.grid, kFullRect));
    }

    korvath::ArgList& args_;
    std::vector<std::string> files_;
};

}  // namespace

bool isTerrainToolCommand(std::string_view name) {
    return name == "erode" || name == "export-png16" || name == "raise-lower";
}

CliOutcome runTerrainTool(std::string_view name, korvath::ArgList& args) { return ToolCommand(args).run(name); }

}  // namespace landforge
