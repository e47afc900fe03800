#include "exporter/convert/export_marker.h"

#include "common/files/atomic_file.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace korvath::convert {

namespace fs = std::filesystem;

namespace {

// What tells one version of a file from the next: files are replaced by renaming a new file over
// them, so the new one has another inode, and its own time and size.
std::string identity(const fs::path& file) {
    std::ostringstream text;
#ifdef _WIN32
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (ec) return "absent";
    text << size << ' ' << fs::last_write_time(file, ec).time_since_epoch().count();
#else
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return "absent";
    text << st.st_size << ' ' << st.st_mtim.tv_sec << '.' << st.st_mtim.tv_nsec << ' ' << st.st_dev << ':' << st.st_ino;
#endif
    return text.str();
}

}  // namespace

fs::path exportMarkerPath(const fs::path& animationPath) {
    fs::path marker = animationPath;
    marker += ".exporting";
    return marker;
}

ExportMarker::ExportMarker(fs::path marker, std::vector<fs::path> files)
    : marker_(std::move(marker)), files_(std::move(files)) {}

ExportMarker::~ExportMarker() {
    if (!wrote_) return;
    std::error_code ec;
    fs::remove(marker_, ec);
}

std::string ExportMarker::describeFiles() const {
    std::string text;
    for (const fs::path& file : files_) text += file.filename().string() + ' ' + identity(file) + "\r\n";
    return text;
}

bool ExportMarker::leftByInterruptedExport() {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(marker_, ec))) return false;
    std::ifstream in(marker_, std::ios::binary);
    const std::string noted((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || noted != describeFiles()) return true;
    fs::remove(marker_, ec);
    return false;
}

Status ExportMarker::begin() {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(marker_, ec))) return Status::success();
    Status written = writeFileAtomically(marker_, describeFiles());
    wrote_ = written.ok();
    return written;
}

void ExportMarker::complete() {
    std::error_code ec;
    fs::remove(marker_, ec);
    wrote_ = false;
}

}  // namespace korvath::convert
