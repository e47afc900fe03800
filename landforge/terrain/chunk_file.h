#pragma once
// A file replaced as a whole but written piece by piece: the pieces go to a temporary sibling,
// which is renamed over the target only on commit. Dropped without commit, it leaves the target
// as it was and removes the temporary file.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/result.h"

namespace landforge {

class ChunkFile {
public:
    explicit ChunkFile(const std::filesystem::path& target);
    ~ChunkFile();
    ChunkFile(const ChunkFile&) = delete;
    ChunkFile& operator=(const ChunkFile&) = delete;

    bool opened() const { return file_ != nullptr; }
    const std::string& error() const { return error_; }
    void write(std::string_view bytes);
    korvath::Status commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    std::string error_;
};

}  // namespace landforge
