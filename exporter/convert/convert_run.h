#pragma once
// One run of korvathexp-convert: load the scene file, evaluate its frames, present it through
// the in-memory host scene and let korvathexp.dle export it.
#include "exporter/convert/convert_options.h"

#include "exporter/scene/plugin_library.h"
#include "exporter/scene/scene.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

namespace korvath::convert {

constexpr int kExitExported = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitCancelled = 130;

// The steps between which an export's files are replaced.
enum class ExportStep { MarkerWritten, MeshFilesReplaced, ScaleRecordWritten };

struct RunHooks {
    // Sees each of the plug-in's progress reports (tests cancel from here).
    std::function<void(const scene::ProgressEvent&)> onProgress;
    // Shows the plug-in's options dialog and message boxes instead of answering the dialog
    // from the options; a refusal is then seen from the plug-in's result.
    hostsdk::WindowSystem* windows = nullptr;
    // Called as an export passes each step of replacing its files (tests kill the run there).
    std::function<void(ExportStep)> atStep;
};

// The plug-in and one exporter it made; the exporter goes first, before the library that made it.
struct LoadedPlugin {
    std::unique_ptr<scene::PluginLibrary> library;
    std::unique_ptr<hostsdk::SceneExport> exporter;
};
// Loads the plug-in named by the options (else the one beside the program); says why on `err`
// when it cannot.
std::optional<LoadedPlugin> loadPlugin(const ConvertOptions& options, std::ostream& err);

// Returns the exit status. `cancel` is the host's cancel flag source (Ctrl-C sets it); once
// it is set, the export is cancelled and the output folder put back as it was.
int runConvert(const ConvertOptions& options, std::ostream& out, std::ostream& err,
               std::atomic<bool>& cancel, const RunHooks& hooks = {});

}  // namespace korvath::convert
