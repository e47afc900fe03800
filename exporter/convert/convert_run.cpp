#include "exporter/convert/convert_run.h"

#include "exporter/convert/append_target.h"
#include "exporter/convert/export_marker.h"
#include "exporter/convert/export_report.h"
#include "exporter/convert/frame_choice.h"
#include "exporter/convert/frame_measure.h"
#include "exporter/convert/frame_table.h"
#include "exporter/convert/host_scene.h"
#include "exporter/convert/model_loader.h"
#include "exporter/convert/output_guard.h"
#include "exporter/convert/scale_choice.h"
#include "exporter/convert/scale_record.h"
#include "exporter/convert/scene_listing.h"

#include "exporter/plugin/export_rules.h"

#include "exporter/scene/plugin_library.h"
#include "exporter/scene/scripted_windows.h"

#include <filesystem>

namespace korvath::convert {

namespace {

constexpr int kFrameRangeBox = 1021;
constexpr int kAppendCheck = 1022;
constexpr const char* kBoundsWarning = "A vertex was exported that violated the -128 to 128 bounds";

// Progress of the plug-in on one line of standard error. Anything else printed meanwhile
// starts on a line of its own.
class ProgressPrinter {
public:
    explicit ProgressPrinter(std::ostream& err) : err_(err) {}
    void operator()(const scene::ProgressEvent& e) {
        switch (e.kind) {
        case scene::ProgressEvent::Kind::Start:
            title_ = e.title;
            err_ << title_ << std::flush;
            open_ = true;
            break;
        case scene::ProgressEvent::Kind::Update:
            if (!e.title.empty()) title_ = e.title;
            if (e.percent == shown_ && e.title.empty()) break;
            shown_ = e.percent;
            err_ << '\r' << title_ << ' ' << e.percent << '%' << std::flush;
            open_ = true;
            break;
        case scene::ProgressEvent::Kind::End:
            if (!aborted_) err_ << '\r' << title_ << " done\n" << std::flush;
            open_ = false;
            break;
        }
    }
    void endLine() {
        if (open_) err_ << '\n';
        open_ = false;
    }
    // The export stopped: its end is not reported as done.
    void abort() {
        endLine();
        aborted_ = true;
    }

private:
    std::ostream& err_;
    std::string title_;
    int shown_ = -1;
    bool open_ = false;
    bool aborted_ = false;
};

}  // namespace

std::optional<LoadedPlugin> loadPlugin(const ConvertOptions& options, std::ostream& err) {
    const std::string path = options.pluginPath.empty() ? scene::pluginBesideExecutable() : options.pluginPath;
    std::string error;
    LoadedPlugin plugin;
    plugin.library = scene::PluginLibrary::load(path, error);
    if (!plugin.library) {
        err << "korvathexp-convert: " << error << '\n';
        return std::nullopt;
    }
    plugin.exporter = plugin.library->createExporter();
    if (!plugin.exporter) {
        err << "korvathexp-convert: " << path << " offers no scene exporter\n";
        return std::nullopt;
    }
    return plugin;
}

int runConvert(const ConvertOptions& options, std::ostream& out, std::ostream& err,
               std::atomic<bool>& cancel, const RunHooks& hooks) {
    LoadOptions load{options.scenePath, options.framesPerSecond, options.animation, options.up};
    std::vector<std::string> warnings;
    auto loaded = loadModel(load, warnings);
    if (!loaded) {
        err << "korvathexp-convert: " << loaded.error() << '\n';
        return kExitFailed;
    }
    for (const std::string& warning : warnings) err << "korvathexp-convert: warning: " << warning << '\n';
    LoadedModel& model = *loaded;
    if (options.list) {
        listScene(model, options.framesPerSecond, out);
        return kExitExported;
    }
    // The frames the plug-in will export: its own rule applied to the text it will read.
    const auto choice = chooseFrames(options.frames, model.model.startFrame, model.model.endFrame);
    if (!choice) {
        err << "korvathexp-convert: " << choice.error() << "; nothing was written\n";
        return kExitUsage;
    }
    const std::vector<int>& frames = *choice;

    FrameTable table;
    std::string error;
    int lastShown = -1;
    const bool evaluated = table.prepare(model, options.scenePath, options.framesPerSecond, error,
                                         [&](int done, int total) {
                                               const int percent = done * 100 / total;
                                               if (percent == lastShown || cancel.load()) return;
                                               lastShown = percent;
                                               err << "\rReading frames " << percent << '%' << std::flush;
                                           });
    if (lastShown >= 0) err << '\n';
    if (cancel.load()) {
        err << "korvathexp-convert: cancelled; nothing was written\n";
        return kExitCancelled;
    }
    if (!evaluated) {
        err << "korvathexp-convert: " << error << '\n';
        return kExitFailed;
    }

    if (exportedVertexCount(model.model) == 0) {
        err << "korvathexp-convert: nothing to export: " << options.scenePath
            << " has no mesh the exporter writes (see --list); nothing was written\n";
        return kExitFailed;
    }

    const std::filesystem::path animationPath = korvathexp::MakeAnimationPath(options.outPath);
    const std::filesystem::path recordPath = scaleRecordPath(animationPath);
    std::error_code ec;
    if (options.append && !std::filesystem::is_regular_file(animationPath, ec)) {
        err << "korvathexp-convert: cannot append: the animation file " << animationPath.string()
            << " does not exist; export the first sequence without --append\n";
        return kExitFailed;
    }
    if (Status whole = options.append ? checkAppendTarget(animationPath) : Status::success(); !whole) {
        err << "korvathexp-convert: cannot append: " << whole.error() << "; nothing was written\n";
        return kExitFailed;
    }
    // An append needs the three files to belong together; a fresh export replaces them all. (The
    // options dialog may still choose to append.)
    ExportMarker marker(exportMarkerPath(animationPath), {options.outPath, animationPath, recordPath});
    if (marker.leftByInterruptedExport() && (options.append || hooks.windows)) {
        err << "korvathexp-convert: cannot append: an earlier export into " << options.outPath
            << " was stopped half way (" << exportMarkerPath(animationPath).filename().string()
            << " is still there), so " << std::filesystem::path(options.outPath).filename().string() << ", "
            << animationPath.filename().string() << " and " << recordPath.filename().string()
            << " may not belong together; export every sequence again without --append; nothing was written\n";
        return kExitFailed;
    }
    const StoredScale stored = options.append ? readScaleRecord(recordPath) : StoredScale(std::nullopt);
    const ScaleChoice scaling = chooseScale(options, stored, recordPath.filename().string(),
                                            [&] { return measureFrames(model.model, table, frames, 1.0f); });
    if (!scaling.ok()) {
        err << "korvathexp-convert: " << scaling.error() << "; nothing was written\n";
        return kExitFailed;
    }
    const float scale = scaling->scale;

    std::optional<LoadedPlugin> plugin = loadPlugin(options, err);
    if (!plugin) return kExitFailed;
    auto& exporter = plugin->exporter;

    ProgressPrinter printer(err);
    scene::ScriptedWindows windows;
    bool refused = false, wrapped = false;
    windows.setMessageListener([&](const scene::ShownMessage& m) {
        // Only the end-of-export warnings leave the export standing.
        if (m.caption != "Warning!") refused = true;
        if (refused) printer.abort();
        else printer.endLine();
        err << '[' << m.caption << "] " << m.text << '\n';
        if (m.text == kBoundsWarning) wrapped = true;
    });
    scene::DialogAnswer answer;
    answer.texts[kFrameRangeBox] = options.frames.value_or("");
    answer.checks[kAppendCheck] = options.append;
    windows.answerDialog(answer);

    int result = 0, framesWritten = 0;
    std::optional<FrameMeasure> wrapMeasure;
    {
        scene::Scene host(hooks.windows ? *hooks.windows : windows);
        HostSceneSettings settings;
        settings.ticksPerFrame = hostsdk::TIME_TICKSPERSEC / options.framesPerSecond;
        settings.scale = scale;
        settings.onEvaluate = [&cancel, &host] {
            if (cancel.load()) host.cancelFlag() = true;
        };
        fillHostScene(model.model, table, settings, host);
        host.setProgressListener([&](const scene::ProgressEvent& e) {
            // The plug-in reports progress once before each frame it writes.
            if (e.kind == scene::ProgressEvent::Kind::Update) ++framesWritten;
            if (e.kind == scene::ProgressEvent::Kind::End && (host.cancelFlag().load() || cancel.load()))
                printer.abort();  // a cancelled export is not done
            printer(e);
            if (hooks.onProgress) hooks.onProgress(e);
            if (cancel.load()) host.cancelFlag() = true;
        });

        OutputGuard guard;
        if (Status prepared = guard.prepare({options.outPath, animationPath, recordPath}); !prepared) {
            err << "korvathexp-convert: " << prepared.error() << '\n';
            return kExitFailed;
        }
        if (Status begun = marker.begin(); !begun) {
            err << "korvathexp-convert: " << begun.error() << "; nothing was written\n";
            return kExitFailed;
        }
        auto step = [&](ExportStep reached) {
            if (hooks.atStep) hooks.atStep(reached);
        };
        step(ExportStep::MarkerWritten);
        result = exporter->DoExport(options.outPath.c_str(), nullptr, &host, hostsdk::FALSE, 0);
        if (host.cancelFlag().load() || cancel.load()) {
            guard.restore();
            printer.endLine();
            err << "korvathexp-convert: cancelled; the output folder is as it was\n";
            return kExitCancelled;
        }
        if (!table.lateError().empty()) err << "korvathexp-convert: " << table.lateError() << '\n';
        if (result == 0 || refused || !table.lateError().empty()) {
            guard.restore();
            err << "korvathexp-convert: the export failed; the output folder is as it was\n";
            return kExitFailed;
        }
        if (wrapped) {
            // Measured only now: an export that fits pays nothing for it.
            wrapMeasure = measureFrames(model.model, table, frames, scale);
            if (!wrapMeasure->nonFinite.empty()) {
                guard.restore();
                err << "korvathexp-convert: a position is not a number (" << wrapMeasure->nonFinite
                    << "); the output folder is as it was\n";
                return kExitFailed;
            }
        }
        if (framesWritten == 0) {
            // Only the options dialog can choose nothing here; the command line refused it above.
            guard.restore();
            const std::string text = "The frame range chose no frame of the scene's frames " +
                                     std::to_string(model.model.startFrame) + " to " +
                                     std::to_string(model.model.endFrame) + "!\nNothing was written!";
            if (hooks.windows) hooks.windows->MessageBox(nullptr, text.c_str(), "korvathexp-convert",
                                                         hostsdk::MB_OK | hostsdk::MB_ICONWARNING);
            err << "korvathexp-convert: no frame was chosen; the output folder is as it was\n";
            return kExitUsage;
        }
        step(ExportStep::MeshFilesReplaced);
        // The factor stays with the animation file, for the sequences appended to it later.
        if (Status kept = writeScaleRecord(recordPath, scale); !kept) {
            guard.restore();
            err << "korvathexp-convert: " << kept.error() << "; the output folder is as it was\n";
            return kExitFailed;
        }
        step(ExportStep::ScaleRecordWritten);
        guard.commit();
        marker.complete();
    }
    exporter.reset();  // before the library that made it
    out << "Scale factor: " << scaleText(scale) << (scaling->note.empty() ? "" : " (" + scaling->note + ")") << '\n';
    reportSequence(animationPath, framesWritten, out);
    if (wrapMeasure) reportWrap({*wrapMeasure, scale, !scaling->note.empty()}, err);
    return kExitExported;
}

}  // namespace korvath::convert
