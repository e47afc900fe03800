#include "exporter/convert/output_guard.h"

#include "common/files/atomic_file.h"

#include <system_error>

namespace korvath::convert {

namespace fs = std::filesystem;

OutputGuard::~OutputGuard() { commit(); }

bool OutputGuard::madeByExport(const std::string& name) const {
    // The outputs, and the temporary siblings they are written through.
    for (const std::string& output : outputs_)
        if (name == output || name.rfind("." + output + ".tmp", 0) == 0) return true;
    return false;
}

Status OutputGuard::prepare(const std::vector<fs::path>& outputs) {
    if (outputs.empty()) return Status::success();
    folder_ = outputs.front().parent_path().empty() ? fs::path(".") : outputs.front().parent_path();
    for (const fs::path& output : outputs) outputs_.push_back(output.filename().string());
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec))
        before_.insert(it->path().filename());
    if (ec) return Status::failure("cannot read the folder " + folder_.string() + ": " + ec.message());
    for (const fs::path& original : outputs) {
        if (!fs::is_regular_file(original, ec)) continue;
        const fs::path copy = temporarySibling(original);
        // The exporter replaces its files by renaming, never rewriting them in place, so a
        // second name keeps the old contents without copying them; copy where links fail.
        std::error_code linkError;
        fs::create_hard_link(original, copy, linkError);
        Status copied = linkError ? copyFileAtomically(original, copy, false) : Status::success();
        if (!copied) {
            commit();
            return Status::failure("cannot keep a copy of " + original.string() + ": " + copied.error());
        }
        backups_.push_back({original, copy});
    }
    return Status::success();
}

void OutputGuard::restore() {
    std::error_code ec;
    std::vector<fs::path> appeared;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        bool isCopy = false;
        for (const Backup& b : backups_) isCopy = isCopy || b.copy.filename() == name;
        if (!isCopy && !before_.count(name) && madeByExport(name.string()) && it->is_regular_file(ec))
            appeared.push_back(it->path());
    }
    for (const fs::path& path : appeared) fs::remove(path, ec);
    for (const Backup& b : backups_) {
        // A rename between two names of one file does nothing: the original was never replaced.
        if (fs::equivalent(b.copy, b.original, ec))
            fs::remove(b.copy, ec);
        else
            fs::rename(b.copy, b.original, ec);
    }
    backups_.clear();
}

void OutputGuard::commit() {
    std::error_code ec;
    for (const Backup& b : backups_) fs::remove(b.copy, ec);
    backups_.clear();
}

}  // namespace korvath::convert
