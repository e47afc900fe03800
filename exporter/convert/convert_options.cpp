#include "exporter/convert/convert_options.h"

#include "common/cli/arg_list.h"

#include <charconv>
#include <cmath>

namespace korvath::convert {

const char* const kUsage =
    "usage: korvathexp-convert SCENE OUT.3d [--frames TEXT] [--append] [--fps N]\n"
    "                          [--animation NAME] [--scale F | --fit] [--up x|y|z]\n"
    "       korvathexp-convert SCENE OUT.3d --dialog [--fps N] [--animation NAME] ...\n"
    "       korvathexp-convert SCENE --list\n"
    "       korvathexp-convert --about\n"
    "Exports a model file (glTF, FBX, Collada, 3DS, OBJ, MD2, ...) through korvathexp.dle\n"
    "into a vertex-mesh data file OUT.3d and its animation file.\n"
    "  --frames TEXT     frames to export, as typed in the exporter's box (e.g. 1-5,10,15);\n"
    "                    default the whole animation range\n"
    "  --append          append the frames to the existing animation file\n"
    "  --fps N           frames per second (a divisor of 4800; default 30)\n"
    "  --animation NAME  the animation to export (default the first)\n"
    "  --scale F         multiply the world by F (default 1)\n"
    "  --fit             scale so the largest coordinate of all frames is 127\n"
    "  --up x|y|z        the file's up axis (default from the file, else y)\n"
    "  --list            list the nodes (exported or not, and why) and the animations\n"
    "  --plugin PATH     the plug-in library to load (default beside this program)\n"
    "  --dialog          ask for the frames in the exporter's own options dialog and show its\n"
    "                    warnings and a progress window with Cancel (needs a display)\n"
    "  --about           show the exporter's about box\n"
    "  --screenshot FILE with --dialog or --about: save the dialog as PNG and quit\n"
    "  --version         print the version\n"
    "Exit status: 0 exported, 130 cancelled (Ctrl-C), 1 failed or refused, 2 usage error.\n";

namespace {

template <typename T>
bool parseNumber(const std::string& text, T& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

}  // namespace

ParsedCommandLine parseCommandLine(std::vector<std::string> args) {
    ParsedCommandLine result;
    ArgList list(std::move(args));
    if (list.flag("--help") || list.flag("-h")) {
        result.help = true;
        return result;
    }
    ConvertOptions o;
    o.frames = list.option("--frames");
    o.append = list.flag("--append");
    const auto fps = list.option("--fps");
    o.animation = list.option("--animation");
    const auto scale = list.option("--scale");
    o.fit = list.flag("--fit");
    const auto up = list.option("--up");
    o.list = list.flag("--list");
    if (auto plugin = list.option("--plugin")) o.pluginPath = *plugin;
    o.dialog = list.flag("--dialog");
    o.about = list.flag("--about");
    o.screenshot = list.option("--screenshot").value_or("");
    const std::vector<std::string> rest = list.positionals();
    auto fail = [&result](std::string message) {
        result.error = std::move(message);
        return result;
    };
    if (!list.ok()) return fail(list.error());
    if (fps && (!parseNumber(*fps, o.framesPerSecond) || o.framesPerSecond < 1 ||
                4800 % o.framesPerSecond != 0))
        return fail("--fps needs a whole number of frames per second that divides 4800 (e.g. 24, 25, 30, 60)");
    if (scale) {
        float f = 0.0f;
        if (!parseNumber(*scale, f) || !std::isfinite(f) || f <= 0.0f)
            return fail("--scale needs a positive number");
        o.scale = f;
    }
    if (o.scale && o.fit) return fail("--scale and --fit cannot be used together");
    if (up) {
        o.up = parseUpAxis(*up);
        if (!o.up) return fail("--up needs x, y or z");
    }
    if (!o.screenshot.empty() && !o.dialog && !o.about) return fail("--screenshot needs --dialog or --about");
    if (o.about) {
        if (o.dialog || o.list || !rest.empty()) return fail("--about takes no scene, output file, --dialog or --list");
        result.options = o;
        return result;
    }
    if (o.dialog && (o.frames || o.append || o.list))
        return fail("--dialog asks for the frames and the append box in the dialog; leave out --frames, --append and --list");
    if (o.list) {
        if (rest.size() != 1) return fail("--list needs exactly one scene file");
    } else if (rest.size() != 2) {
        return fail("expected a scene file and an output .3d file");
    } else {
        o.outPath = rest[1];
    }
    if (!rest.empty()) o.scenePath = rest[0];
    result.options = o;
    return result;
}

}  // namespace korvath::convert
