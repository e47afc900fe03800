#include "terrain/chunk_file.h"

#include "common/files/atomic_file.h"

namespace landforge {

namespace fs = std::filesystem;

ChunkFile::ChunkFile(const fs::path& target) : target_(target) {
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        error_ = "Cannot write " + target.string() + ": it is a folder.";
        return;
    }
    temp_ = korvath::temporarySibling(target);
    file_ = std::fopen(temp_.string().c_str(), "wb");
    if (!file_) error_ = "Cannot create " + target.string() + ".";
}

ChunkFile::~ChunkFile() {
    if (file_) {
        std::fclose(file_);
        std::error_code ec;
        fs::remove(temp_, ec);
    }
}

void ChunkFile::write(std::string_view bytes) {
    if (!file_ || failed_ || bytes.empty()) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

korvath::Status ChunkFile::commit() {
    if (!file_) return korvath::Status::failure(error_);
    bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    std::error_code ec;
    if (failed_ || !closed) {
        fs::remove(temp_, ec);
        return korvath::Status::failure("Cannot write " + target_.string() + ".");
    }
    fs::rename(temp_, target_, ec);
    if (ec) {
        fs::remove(temp_, ec);
        return korvath::Status::failure("Cannot replace " + target_.string() + ".");
    }
    return korvath::Status::success();
}

}  // namespace landforge
