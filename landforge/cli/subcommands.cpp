#include "landforge/cli/subcommands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "common/cli/arg_list.h"
#include "common/files/atomic_file.h"
#include "landforge/cli/terrain_tool_subcommands.h"
#include "landforge/qtimage/qt_image_decoder.h"
#include "landforge/terrain/bitmap_export.h"
#include "landforge/terrain/generator.h"
#include "landforge/terrain/patch.h"
#include "landforge/terrain/t3d_export.h"
#include "landforge/terrain/terrain_edits.h"
#include "landforge/terrain/terrain_file.h"

namespace landforge {

namespace {

constexpr std::string_view kUsage =
    "Usage: landforge-cli COMMAND ...\n"
    "  generate --seed N [--dampening D] -o OUT.lfg\n"
    "  export-t3d IN.lfg OUT.t3d [--scale N] [--view X,Y,W,H]\n"
    "  export-bmp IN.lfg OUT.bmp [--view X,Y,W,H]\n"
    "  import-image IMAGE -o OUT.lfg [--onto BASE.lfg] [--at X,Y] [--mode add|replace|subtract]"
    " [--weight P]\n"
    "  info IN.lfg\n"
    "  erode IN.lfg -o OUT.lfg --thermal|--hydraulic [--iterations N] [--seed N] [--view X,Y,W,H]\n"
    "        thermal: [--talus DEGREES] [--amount A]; hydraulic (N droplets): [--rain R]\n"
    "        [--erosion E] [--deposition D] [--evaporation V]\n"
    "  export-png16 IN.lfg OUT.png [--view X,Y,W,H]\n"
    "  raise-lower IN.lfg -o OUT.lfg --raise|--lower --to H|--by H [--view X,Y,W,H]\n";

struct Failure {
    int code;
    std::string message;
};

template <typename T>
std::optional<T> parseNumber(std::string_view text) {
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "A,B,..." as exactly `count` integers.
std::optional<std::vector<int>> parseInts(std::string_view text, std::size_t count) {
    std::vector<int> values;
    while (true) {
        std::size_t comma = text.find(',');
        auto v = parseNumber<int>(text.substr(0, comma));
        if (!v) return std::nullopt;
        values.push_back(*v);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (values.size() != count) return std::nullopt;
    return values;
}

class Command {
public:
    Command(std::vector<std::string> args, std::ostream& out) : args_(std::move(args)), out_(out) {}

    std::optional<Failure> run(const std::string& name) {
        if (name == "generate") return generate();
        if (name == "export-t3d") return exportT3d();
        if (name == "export-bmp") return exportBmp();
        if (name == "import-image") return importImage();
        if (name == "info") return info();
        if (isTerrainToolCommand(name)) {
            if (auto f = runTerrainTool(name, args_)) return Failure{f->code, f->message};
            return std::nullopt;
        }
        return Failure{2, "unknown command " + name};
    }

private:
    std::optional<Failure> usage(std::string message) { return Failure{2, std::move(message)}; }
    static std::optional<Failure> fail(std::string message) { return Failure{1, std::move(message)}; }

    // Positionals after the options were taken; a usage failure unless there are `count`.
    std::optional<Failure> takePositionals(std::size_t count) {
        positionals_ = args_.positionals();
        if (!args_.ok()) return usage(args_.error());
        if (positionals_.size() != count)
            return usage("expected " + std::to_string(count) + (count == 1 ? " file name" : " file names"));
        return std::nullopt;
    }

    // A complete, well-formed document opened as the terrain.
    std::optional<Failure> open(const std::string& path, TerrainState& state) {
        ParsedDocument doc = readDocumentFile(path);
        if (!doc.ok()) return fail(path + ": " + doc.error());
        if (!doc->complete) return fail(path + ": the file is shorter than its header announces.");
        applyOpenedDocument(state, doc);
        return std::nullopt;
    }

    std::optional<Failure> save(const std::string& path, const std::string& bytes) {
        korvath::Status s = korvath::writeFileAtomically(path, bytes);
        if (!s.ok()) return fail(s.error());
        return std::nullopt;
    }

    // --view X,Y,W,H, or the full grid.
    std::optional<Failure> viewOption(GridRect& rect) {
        rect = kFullRect;
        auto text = args_.option("--view");
        if (!text) return std::nullopt;
        auto v = parseInts(*text, 4);
        if (!v) return usage("--view takes X,Y,W,H");
        rect = {(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
        if (!insideGrid(rect)) return fail("the view " + *text + " lies outside the 256 x 256 grid");
        return std::nullopt;
    }

    std::optional<Failure> generate() {
        auto seedText = args_.option("--seed");
        auto dampText = args_.option("--dampening");
        auto outPath = args_.option("-o");
        if (auto f = takePositionals(0)) return f;
        if (!seedText) return usage("generate needs --seed N");
        // Named explicitly: a default name would replace a terrain of that name without a word.
        if (!outPath) return usage("generate needs -o OUT.lfg");
        auto seed = parseNumber<std::uint32_t>(*seedText);
        if (!seed) return usage("--seed takes a whole number from 0 to 4294967295");
        TerrainParameters params;
        params.seed = *seed;
        if (dampText) {
            auto d = parseNumber<float>(*dampText);
            if (!d || !std::isfinite(*d)) return usage("--dampening takes a number");
            params.dampening = *d;
        }
        TerrainState state;
        changeTerrainParameters(state, params);
        return save(*outPath, writeDocument(state.grid, kFullRect));
    }

    std::optional<Failure> exportT3d() {
        auto scaleText = args_.option("--scale");
        GridRect rect;
        if (auto f = viewOption(rect)) return f;
        if (auto f = takePositionals(2)) return f;
        int scale = 1;
        if (scaleText) {
            auto s = parseNumber<int>(*scaleText);
            if (!s || *s < 1) return usage("--scale takes a whole number of at least 1");
            scale = *s;
        }
        TerrainState state;
        if (auto f = open(positionals_[0], state)) return f;
        korvath::Status s = writeT3dFile(exportArea(state.grid, rect), scale, positionals_[1]);
        if (!s.ok()) return fail(s.error());
        return std::nullopt;
    }

    std::optional<Failure> exportBmp() {
        GridRect rect;
        if (auto f = viewOption(rect)) return f;
        if (auto f = takePositionals(2)) return f;
        TerrainState state;
        if (auto f = open(positionals_[0], state)) return f;
        return save(positionals_[1], writeBitmap(state.grid, rect));
    }

    std::optional<Failure> importImage() {
        auto outPath = args_.option("-o");
        auto onto = args_.option("--onto");
        auto at = args_.option("--at");
        auto modeText = args_.option("--mode");
        auto weightText = args_.option("--weight");
        if (auto f = takePositionals(1)) return f;
        if (!outPath) return usage("import-image needs -o OUT.lfg");
        TerrainState state;
        if (at) {
            auto v = parseInts(*at, 2);
            if (!v) return usage("--at takes X,Y");
            if ((*v)[0] < 0 || (*v)[1] < 0 || (*v)[0] >= kGridSize || (*v)[1] >= kGridSize)
                return fail("the position " + *at + " lies outside the 256 x 256 grid");
            state.view.viewX = (*v)[0];
            state.view.viewY = (*v)[1];
        }
        ImportMode mode = ImportMode::Replace;
        if (modeText) {
            if (*modeText == "add")
                mode = ImportMode::Add;
            else if (*modeText == "subtract")
                mode = ImportMode::Subtract;
            else if (*modeText != "replace")
                return usage("--mode takes add, replace or subtract");
        }
        int weight = 100;
        if (weightText) {
            auto w = parseNumber<int>(*weightText);
            if (!w) return usage("--weight takes a whole number");
            weight = *w;
        }
        setImportMode(state.patch, mode, weight);
        if (onto) {
            if (auto f = open(*onto, state)) return f;
        }
        ImageRead read = readImageFile(positionals_[0]);
        if (!read.ok() && !read.error().empty()) return fail(positionals_[0] + ": " + read.error() + ".");
        if (!read.ok() || !loadImagePatch(state.patch, *read))
            return fail(positionals_[0] + ": the file is either corrupted or not in a known image format.");
        startImport(state);
        commitImport(state);
        return save(*outPath, writeDocument(state.grid, kFullRect));
    }

    std::optional<Failure> info() {
        if (auto f = takePositionals(1)) return f;
        ParsedDocument doc = readDocumentFile(positionals_[0]);
        if (!doc.ok()) return fail(positionals_[0] + ": " + doc.error());
        if (!doc->complete) return fail(positionals_[0] + ": the file is shorter than its header announces.");
        float lowest = doc->points.front().z, highest = lowest;
        double sum = 0;
        for (const TerrainPoint& p : doc->points) {
            lowest = std::min(lowest, p.z);
            highest = std::max(highest, p.z);
            sum += p.z;
        }
        out_ << "width " << doc->width << "\nheight " << doc->height << "\nlowest " << fixed(lowest) << "\nhighest "
             << fixed(highest) << "\nmean " << fixed(sum / static_cast<double>(doc->points.size())) << "\n";
        return std::nullopt;
    }

    static std::string fixed(double v) {
        char buf[400];
        auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
        return std::string(buf, r.ptr);
    }

    korvath::ArgList args_;
    std::ostream& out_;
    std::vector<std::string> positionals_;
};

}  // namespace

int runLandforgeCli(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        out << kUsage;
        return 0;
    }
    std::string name = args[0];
    args.erase(args.begin());
    for (const std::string& a : args)
        if (a == "--help") {
            out << kUsage;
            return 0;
        }
    std::optional<Failure> failure = Command(std::move(args), out).run(name);
    if (!failure) return 0;
    err << "landforge-cli: " << failure->message << "\n";
    if (failure->code == 2) err << kUsage;
    return failure->code;
}

}  // namespace landforge
