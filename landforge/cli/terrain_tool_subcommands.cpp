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

template <typename T>
bool readNumber(const std::string& text, T& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

class ToolCommand {
public:
    explicit ToolCommand(korvath::ArgList& args) : args_(args) {}

    std::optional<ToolFailure> run(std::string_view name) {
        if (name == "erode") return erode();
        if (name == "export-png16") return exportPng16();
        return raiseLower();
    }

private:
    static std::optional<ToolFailure> usage(std::string message) { return ToolFailure{2, std::move(message)}; }
    static std::optional<ToolFailure> fail(std::string message) { return ToolFailure{1, std::move(message)}; }

    // An option holding a number; absent leaves `value` as it is.
    template <typename T>
    std::optional<ToolFailure> number(std::string_view option, T& value) {
        std::optional<std::string> text = args_.option(option);
        if (!text) return std::nullopt;
        if (!readNumber(*text, value) || (std::is_floating_point_v<T> && !std::isfinite(static_cast<double>(value))))
            return usage(std::string(option) + " takes a number, not " + *text);
        return std::nullopt;
    }

    std::optional<ToolFailure> area(GridRect& rect) {
        rect = kFullRect;
        std::optional<std::string> text = args_.option("--view");
        if (!text) return std::nullopt;
        int v[4];
        std::size_t at = 0;
        for (int k = 0; k < 4; ++k) {
            std::size_t comma = k < 3 ? text->find(',', at) : text->size();
            if (comma == std::string::npos || !readNumber(text->substr(at, comma - at), v[k]))
                return usage("--view takes X,Y,W,H");
            at = comma + 1;
        }
        rect = {v[0], v[1], v[2], v[3]};
        if (!insideGrid(rect)) return fail("the view " + *text + " lies outside the 256 x 256 grid");
        return std::nullopt;
    }

    std::optional<ToolFailure> files(std::size_t count) {
        files_ = args_.positionals();
        if (!args_.ok()) return usage(args_.error());
        if (files_.size() != count) return usage("expected " + std::to_string(count) + " file name(s)");
        return std::nullopt;
    }

    std::optional<ToolFailure> load(TerrainState& state) {
        ParsedDocument doc = readDocumentFile(files_[0]);
        if (!doc.ok()) return fail(files_[0] + ": " + doc.error());
        if (!doc->complete) return fail(files_[0] + ": the file is shorter than its header announces.");
        applyOpenedDocument(state, doc);
        return std::nullopt;
    }

    static std::optional<ToolFailure> write(const std::string& path, const std::string& bytes) {
        korvath::Status s = korvath::writeFileAtomically(path, bytes);
        if (!s.ok()) return fail(s.error());
        return std::nullopt;
    }

    std::optional<ToolFailure> erode() {
        bool thermal = args_.flag("--thermal"), hydraulic = args_.flag("--hydraulic");
        std::optional<std::string> outPath = args_.option("-o");
        ThermalSettings t;
        HydraulicSettings h;
        int iterations = -1;
        GridRect rect;
        for (auto f : {number("--iterations", iterations), number("--seed", h.seed), number("--talus", t.talusAngle),
                       number("--amount", t.amount), number("--rain", h.rain), number("--erosion", h.erosionRate),
                       number("--deposition", h.depositionRate), number("--evaporation", h.evaporation), area(rect),
                       files(1)})
            if (f) return f;
        if (thermal == hydraulic) return usage("erode needs exactly one of --thermal and --hydraulic");
        if (!outPath) return usage("erode needs -o OUT.lfg");
        if (iterations != -1 && iterations < 1) return usage("--iterations takes a whole number of at least 1");
        if (iterations != -1) (thermal ? t.iterations : h.droplets) = iterations;
        // The window pulls a value into its range; a batch run says so instead of guessing.
        ThermalSettings tl = withLimits(t);
        HydraulicSettings hl = withLimits(h);
        if (thermal && (tl.iterations != t.iterations || tl.talusAngle != t.talusAngle || tl.amount != t.amount))
            return usage("thermal erosion takes --iterations 1-1000, --talus 0-89 and --amount 0.01-1");
        if (hydraulic && (hl.droplets != h.droplets || hl.rain != h.rain || hl.erosionRate != h.erosionRate ||
                          hl.depositionRate != h.depositionRate || hl.evaporation != h.evaporation))
            return usage("hydraulic erosion takes --iterations 1-1000000, --rain 0.01-10, --erosion 0-1, "
                         "--deposition 0-1 and --evaporation 0-0.99");
        TerrainState state;
        if (auto f = load(state)) return f;
        runErosion(state, thermal ? ErosionRun::thermal(state.grid, rect, t) : ErosionRun::hydraulic(state.grid, rect, h));
        return write(*outPath, writeDocument(state.grid, kFullRect));
    }

    std::optional<ToolFailure> exportPng16() {
        GridRect rect;
        if (auto f = area(rect)) return f;
        if (auto f = files(2)) return f;
        TerrainState state;
        if (auto f = load(state)) return f;
        korvath::Status s = landforge::exportPng16(state.grid, files_[1], rect);
        if (!s.ok()) return fail(s.error());
        return std::nullopt;
    }

    std::optional<ToolFailure> raiseLower() {
        bool raise = args_.flag("--raise"), lower = args_.flag("--lower");
        std::optional<std::string> outPath = args_.option("-o");
        std::optional<std::string> to = args_.option("--to"), by = args_.option("--by");
        GridRect rect;
        if (auto f = area(rect)) return f;
        if (auto f = files(1)) return f;
        if (raise == lower) return usage("raise-lower needs exactly one of --raise and --lower");
        if (to.has_value() == by.has_value()) return usage("raise-lower needs exactly one of --to H and --by H");
        if (!outPath) return usage("raise-lower needs -o OUT.lfg");
        int height = 0;
        if (!readNumber(to ? *to : *by, height)) return usage("--to and --by take a whole number");
        TerrainState state;
        if (auto f = load(state)) return f;
        state.view = {rect.x, rect.y, rect.width, rect.height};
        RaiseLowerMode mode = to ? RaiseLowerMode::ToHeight : RaiseLowerMode::ByHeight;
        if (raise) raiseTerrain(state, mode, height);
        else lowerTerrain(state, mode, height);
        updateTrisFull(state.grid);
        return write(*outPath, writeDocument(state.grid, kFullRect));
    }

    korvath::ArgList& args_;
    std::vector<std::string> files_;
};

}  // namespace

bool isTerrainToolCommand(std::string_view name) {
    return name == "erode" || name == "export-png16" || name == "raise-lower";
}

std::optional<ToolFailure> runTerrainTool(std::string_view name, korvath::ArgList& args) {
    return ToolCommand(args).run(name);
}

}  // namespace landforge
