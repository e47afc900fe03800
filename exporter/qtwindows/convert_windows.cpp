#include "exporter/qtwindows/convert_windows.h"

#include <QApplication>
#include <QString>
#include <QTimer>

#include <clocale>
#include <cstdlib>
#include <string>

#include "common/qt/qt_text.h"
#include "common/qt/window_util.h"
#include "exporter/convert/convert_run.h"
#include "exporter/qtwindows/progress_window.h"
#include "exporter/qtwindows/qt_window_system.h"
#include "exporter/qtwindows/template_dialog.h"
#include "exporter/scene/plugin_library.h"

namespace korvath::convert {

namespace {

constexpr int kOptionsDialog = 105;

[[maybe_unused]] bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// With --screenshot: the first dialog is saved as it opens and closed by its close box.
struct Screenshot {
    std::string file;
    bool taken = false;
    bool saved = false;

    void watch(qtwindows::QtWindowSystem& windows) {
        if (file.empty()) return;
        windows.setDialogShownListener([this](qtwindows::TemplateDialog& dialog) {
            if (!taken) {
                taken = true;
                saved = saveScreenshot(dialog, korvath::nativeToQString(file));
            }
            dialog.close();
        });
    }
    // The exit status of a screenshot run, or -1 when none was asked for or none was taken.
    int status(std::ostream& err) const {
        if (file.empty() || !taken) return -1;
        if (!saved) err << "korvathexp-convert: cannot write the screenshot " << file << '\n';
        return saved ? kExitExported : kExitFailed;
    }
};

int showAbout(const ConvertOptions& options, hostsdk::HWND mainWindow, std::ostream& err) {
    std::optional<LoadedPlugin> plugin = loadPlugin(options, err);
    if (!plugin) return kExitFailed;
    plugin->exporter->ShowAbout(mainWindow);
    return kExitExported;
}

}  // namespace

int runDialogExport(const ConvertOptions& options, qtwindows::QtWindowSystem& windows, std::ostream& out,
                    std::ostream& err, std::atomic<bool>& cancel) {
    // Cancel in the options dialog cancels the run as Ctrl-C does: nothing is written.
    windows.setDialogEndedListener([&cancel](const hostsdk::DialogTemplate& dialog, hostsdk::INT_PTR result) {
        if (dialog.resourceId == kOptionsDialog && result == 0) cancel.store(true);
    });
    // The boxes also go to standard error, as a record of the run.
    windows.setMessageListener([&err](const char* text, const char* caption, unsigned) {
        err << '[' << caption << "] " << text << '\n';
    });
    // Ctrl-C only raises the flag; an open options dialog is then closed as if by its close box.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&cancel] {
        auto* dialog = dynamic_cast<qtwindows::TemplateDialog*>(QApplication::activeModalWidget());
        if (cancel.load() && dialog) dialog->close();
    });
    watch.start(200);
    qtwindows::ProgressWindow progress(cancel);
    RunHooks hooks;
    hooks.windows = &windows;
    hooks.onProgress = [&progress](const scene::ProgressEvent& event) { progress.report(event); };
    return runConvert(options, out, err, cancel, hooks);
}

std::string missingDisplay(bool screenshot) {
#ifdef _WIN32
    (void)screenshot;
    return {};
#else
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string name = platform ? std::string(platform).substr(0, std::string(platform).find(':')) : "";
    // These platforms draw nowhere a user can see: only a screenshot can come of them.
    if (name == "offscreen" || name == "minimal")
        return screenshot ? std::string() : "QT_QPA_PLATFORM=" + name + " shows no windows (give --screenshot FILE to save one)";
    if (named("DISPLAY") || named("WAYLAND_DISPLAY") || !name.empty()) return {};
    return "neither DISPLAY nor WAYLAND_DISPLAY is set";
#endif
}

int runWithWindows(const ConvertOptions& options, std::ostream& out, std::ostream& err, std::atomic<bool>& cancel) {
    if (const std::string missing = missingDisplay(!options.screenshot.empty()); !missing.empty()) {
        err << "korvathexp-convert: " << (options.about ? "--about" : "--dialog") << " needs a display, and "
            << missing;
        if (options.dialog) err << "; give the frames with --frames and --append instead";
        err << '\n';
        return 2;
    }
    static int argc = 1;
    static char name[] = "korvathexp-convert";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // Qt took the user's locale; numbers in files must not

    qtwindows::QtWindowSystem windows;
    hostsdk::HostWindow mainWindow{&windows, "korvathexp-convert"};
    Screenshot screenshot{options.screenshot};
    screenshot.watch(windows);
    const int status = options.about ? showAbout(options, &mainWindow, err)
                                     : runDialogExport(options, windows, out, err, cancel);
    const int shot = screenshot.status(err);
    return shot >= 0 ? shot : status;
}

}  // namespace korvath::convert
