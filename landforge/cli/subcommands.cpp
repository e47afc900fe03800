#include "landforge/cli/subcommands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "common/cli/arg_list.h"
#include "common/files/atomic_file.h"
#include "landforge/cli/subcommand_support.h"
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

class Command {
public:
    Command(std::vector<std::string> args, std::ostream& out) : args_(std::move(args)), out_(out) {}

    CliOutcome run(const std::string& name) {
        if (name == "generate") return generate();
        if (name == "export-t3d") return exportT3d();
        if (name == "export-bmp") return exportBmp();
        if (name == "import-image") return importImage();
        if (name == "info") return info();
        if (isTerrainToolCommand(name)) {
            return runTerrainTool(name, args_);
        }
        return usageError("unknown command " + name);
    }

private:
    CliOutcome generate() {
        auto seedText = args_.option("--seed");
        auto dampText = args_.option("--dampening");
        auto outPath = args_.option("-o");
        if (auto f = takeFileNames(args_, 0, positionals_)) return f;
        if (!seedText) return usageError("generate needs --seed N");
        // Named explicitly: a default name would replace a terrain of that name without a word.
        if (!outPath) return usageError("generate needs -o OUT.lfg");
        auto seed = parseNumber<std::uint32_t>(*seedText);
        if (!seed) return usageError("--seed takes a whole number from 0 to 4294967295");
        TerrainParameters params;
        params.seed = *seed;
        if (dampText) {
            auto d = parseNumber<float>(*dampText);
            if (!d || !std::isfinite(*d)) return usageError("--dampening takes a number");
            params.dampening = *d;
        }
        TerrainState state;
        changeTerrainParameters(state, params);
        return writeOutputFile(*outPath, writeDocument(state.grid, kFullRect));
    }

    CliOutcome exportT3d() {
        auto scaleText = args_.option("--scale");
        GridRect rect;
        if (auto f = readViewOption(args_, rect)) return f;
        if (auto f = takeFileNames(args_, 2, positionals_)) return f;
        int scale = 1;
        if (scaleText) {
            auto s = parseNumber<int>(*scaleText);
            if (!s || *s < 1) return usageError("--scale takes a whole number of at least 1");
            scale = *s;
        }
        TerrainState state;
        if (auto f = openCompleteTerrainFile(positionals_[0], state)) return f;
        korvath::Status s = writeT3dFile(exportArea(state.grid, rect), scale, positionals_[1]);
        if (!s.ok()) return failed(s.error());
        return std::nullopt;
    }

    CliOutcome exportBmp() {
        GridRect rect;
        if (auto f = readViewOption(args_, rect)) return f;
        if (auto f = takeFileNames(args_, 2, positionals_)) return f;
        TerrainState state;
        if (auto f = openCompleteTerrainFile(positionals_[0], state)) return f;
        return writeOutputFile(positionals_[1], writeBitmap(state.grid, rect));
    }

    CliOutcome importImage() {
        auto outPath = args_.option("-o");
        auto onto = args_.option("--onto");
        auto at = args_.option("--at");
        auto modeText = args_.option("--mode");
        auto weightText = args_.option("--weight");
        if (auto f = takeFileNames(args_, 1, positionals_)) return f;
        if (!outPath) return usageError("import-image needs -o OUT.lfg");
        TerrainState state;
        if (at) {
            auto v = parseInts(*at, 2);
            if (!v) return usageError("--at takes X,Y");
            if ((*v)[0] < 0 || (*v)[1] < 0 || (*v)[0] >= kGridSize || (*v)[1] >= kGridSize)
                return failed("the position " + *at + " lies outside the 256 x 256 grid");
            state.view.viewX = (*v)[0];
            state.view.viewY = (*v)[1];
        }
        ImportMode mode = ImportMode::Replace;
        if (modeText) {
            if (*modeText == "add") mode = ImportMode::Add;
            else if (*modeText == "subtract") mode = ImportMode::Subtract;
            else if (*modeText != "replace") return usageError("--mode takes add, replace or subtract");
        }
        int weight = 100;
        if (weightText) {
            auto w = parseNumber<int>(*weightText);
            if (!w) return usageError("--weight takes a whole number");
            weight = *w;
        }
        setImportMode(state.patch, mode, weight);
        if (onto) {
            if (auto f = openCompleteTerrainFile(*onto, state)) return f;
        }
        ImageRead read = readImageFile(positionals_[0]);
        if (!read.ok() && !read.error().empty()) return failed(positionals_[0] + ": " + read.error() + ".");
        if (!read.ok() || !loadImagePatch(state.patch, *read))
            return failed(positionals_[0] + ": the file is either corrupted or not in a known image format.");
        startImport(state);
        commitImport(state);
        return writeOutputFile(*outPath, writeDocument(state.grid, kFullRect));
    }

    CliOutcome info() {
        if (auto f = takeFileNames(args_, 1, positionals_)) return f;
        ParsedDocument doc = readCompleteTerrainFile(positionals_[0]);
        if (!doc.ok()) return failed(doc.error());
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
    CliOutcome failure = Command(std::move(args), out).run(name);
    if (!failure) return 0;
    err << "landforge-cli: " << failure->message << "\n";
    if (failure->code == 2) err << kUsage;
    return failure->code;
}

}  // namespace landforge
