#include "replacement_file.h"

#include <filesystem>
#include <system_error>

#include "common/files/atomic_file.h"

namespace korvathexp {

namespace fs = std::filesystem;

ReplacementFile::~ReplacementFile() { abandon(); }

bool ReplacementFile::open(const std::string& target, bool fromExisting) {
    abandon();
    target_ = target;
    temporary_ = korvath::temporarySibling(target).string();
    if (fromExisting) {
        std::error_code ec;
        if (!fs::is_regular_file(target, ec) ||
            !fs::copy_file(target, temporary_, fs::copy_options::overwrite_existing, ec)) {
            fs::remove(temporary_, ec);
            temporary_.clear();
            return false;
        }
    }
    file_ = std::fopen(temporary_.c_str(), fromExisting ? "r+b" : "w+b");
    if (!file_) {
        std::error_code ec;
        if (fromExisting) fs::remove(temporary_, ec);
        temporary_.clear();
    }
    return file_ != nullptr;
}

bool ReplacementFile::commit() {
    if (!file_) return false;
    const bool written = std::fflush(file_) == 0 && !std::ferror(file_);
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    std::error_code ec;
    if (written && closed) fs::rename(temporary_, target_, ec);
    if (!written || !closed || ec) {
        fs::remove(temporary_, ec);
        temporary_.clear();
        return false;
    }
    temporary_.clear();
    return true;
}

void ReplacementFile::abandon() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temporary_.empty()) {
        std::error_code ec;
        fs::remove(temporary_, ec);
    }
    temporary_.clear();
}

}  // namespace korvathexp
