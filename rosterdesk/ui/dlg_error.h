#pragma once
// The error dialog and ProcessError: every unexpected failure of start-up and the analysers
// is logged to a file in the program's folder and shown here.
#include <filesystem>

#include "common/interaction/interaction.h"
#include "rosterdesk/catalogue/error_log.h"
#include "rosterdesk/ui/fixed_dialog.h"

namespace rosterdesk {

class dlgError : public FixedDialog {
public:
    dlgError(const ErrorReport& report, const std::filesystem::path& logFile, QWidget* parent = nullptr);
};

// Writes the log file, then shows dlgError through `ui`.
void ProcessError(korvath::Interaction& ui, const std::filesystem::path& home, const ErrorReport& report,
                  QWidget* parent = nullptr);

}  // namespace rosterdesk
