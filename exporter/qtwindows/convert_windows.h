#pragma once
// korvathexp-convert in windows: --about shows the plug-in's about box; --dialog runs the
// export with the plug-in's own options dialog and message boxes and a progress window whose
// Cancel stops the export as Ctrl-C does.
#include <atomic>
#include <ostream>
#include <string>

#include "exporter/convert/convert_options.h"

namespace korvath::qtwindows {
class QtWindowSystem;
}

namespace korvath::convert {

// Why a user could not see the windows, or empty where they can be shown: on Windows always,
// elsewhere when DISPLAY or WAYLAND_DISPLAY names a display or QT_QPA_PLATFORM chooses a platform
// that draws on a screen. The offscreen and minimal platforms serve only `screenshot` runs.
std::string missingDisplay(bool screenshot);

// Returns the exit status; 2 when there is no display (the run never falls back to the
// command line, so nothing is exported with answers the user did not give).
int runWithWindows(const ConvertOptions& options, std::ostream& out, std::ostream& err, std::atomic<bool>& cancel);

// The export of --dialog in a running QApplication: the options dialog, the warnings and a
// progress window shown through `windows`; Cancel in the dialog or the progress window, or
// Ctrl-C, cancels the run (exit 130, the output folder as it was).
int runDialogExport(const ConvertOptions& options, qtwindows::QtWindowSystem& windows, std::ostream& out,
                    std::ostream& err, std::atomic<bool>& cancel);

}  // namespace korvath::convert
