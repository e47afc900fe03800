#pragma once
// The log file the error dialog writes: ErrNum<N>_<M><D><YYYY>.txt in the program's folder,
// three CR LF lines. The same error number on the same day overwrites the file.
#include <filesystem>
#include <string>

#include "common/result.h"
#include "rosterdesk/catalogue/unmatched_file.h"

namespace rosterdesk {

// A failure on its way to the error dialog: the caller's message and the error itself.
struct ErrorReport {
    std::string message;
    int number = 0;
    std::string description;
};

std::string errorLogFileName(int number, const LocalTime& when);
std::string formatErrorLog(const ErrorReport& report);

struct ErrorLogWrite {
    std::filesystem::path file;  // empty when no folder could take the file
    korvath::Status status;
};
// Writes the log into `home`; when that folder cannot be written, into the temporary folder,
// so the report still names a file the user can send.
ErrorLogWrite writeErrorLog(const std::filesystem::path& home, const ErrorReport& report, const LocalTime& when);

}  // namespace rosterdesk
