#include "rosterdesk/catalogue/error_log.h"

#include "common/files/atomic_file.h"
#include "common/text/text_lines.h"

namespace fs = std::filesystem;

namespace rosterdesk {

std::string errorLogFileName(int number, const LocalTime& when) {
    return "ErrNum" + std::to_string(number) + "_" + std::to_string(when.month) + std::to_string(when.day) +
           std::to_string(when.year) + ".txt";
}

std::string formatErrorLog(const ErrorReport& report) {
    return "Error Message: " + report.message + "\r\n" + "Error Number: " + std::to_string(report.number) + "\r\n" +
           "Description: " + report.description + "\r\n";
}

ErrorLogWrite writeErrorLog(const fs::path& home, const ErrorReport& report, const LocalTime& when) {
    const std::string name = errorLogFileName(report.number, when);
    const std::string text = formatErrorLog(report);
    korvath::Status status = korvath::writeFileAtomically(home / name, text);
    if (status) return {home / name, status};
    std::error_code ec;
    fs::path fallback = fs::temp_directory_path(ec);
    if (!ec && korvath::writeFileAtomically(fallback / name, text)) return {fallback / name, korvath::Status::success()};
    return {{}, korvath::Status::failure("The error log could not be written to " + (home / name).string() + ".")};
}

}  // namespace rosterdesk
