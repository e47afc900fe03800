#pragma once
// A file written beside its target and renamed over it only when complete, so an export that
// fails, is refused or stops half way never leaves the old file half replaced.
#include <cstdio>
#include <string>

namespace korvathexp {

class ReplacementFile {
public:
    ReplacementFile() = default;
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Opens an empty temporary file, or with `fromExisting` a copy of the target (which must
    // exist), for reading and writing. False when that is not possible.
    bool open(const std::string& target, bool fromExisting);
    std::FILE* file() const { return file_; }
    // Closes the file and renames it over the target; false when a write or the rename failed
    // (the target is then as it was).
    bool commit();

private:
    void abandon();

    std::string target_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
};

}  // namespace korvathexp
