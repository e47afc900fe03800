#pragma once
// The command line of korvathexp-convert.
#include "exporter/convert/up_axis.h"

#include <optional>
#include <string>
#include <vector>

namespace korvath::convert {

struct ConvertOptions {
    std::string scenePath;
    std::string outPath;             // empty with --list
    std::optional<std::string> frames;  // the options dialog's frame range text
    bool append = false;
    int framesPerSecond = 30;
    std::optional<std::string> animation;
    std::optional<float> scale;
    bool fit = false;
    std::optional<UpAxis> up;
    bool list = false;
    std::string pluginPath;  // empty: korvathexp.dle beside the program
    bool dialog = false;     // the plug-in's own options dialog, boxes and progress in windows
    bool about = false;      // only the plug-in's about box
    std::string screenshot;  // with --dialog or --about: save the dialog as PNG and quit
};

struct ParsedCommandLine {
    std::optional<ConvertOptions> options;  // empty on a usage error or --help
    bool help = false;
    std::string error;  // the usage error
};

ParsedCommandLine parseCommandLine(std::vector<std::string> args);

extern const char* const kUsage;

}  // namespace korvath::convert
