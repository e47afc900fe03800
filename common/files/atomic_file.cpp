#include "common/files/atomic_file.h"

#include <atomic>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#ifdef __linux__
#include <fcntl.h>
#include <stdio.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace korvath {

fs::path temporarySibling(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    auto stamp = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    for (;;) {
        // Only a prefix of the target's name, so names near the length limit still fit.
        std::string name = "." + target.filename().string().substr(0, 64) + ".tmp" +
                           std::to_string(stamp % 1000000) + "-" + std::to_string(counter++);
        fs::path candidate = target.parent_path() / name;
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
    }
}

namespace {

void removeQuietly(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
}

Status renameInto(const fs::path& temp, const fs::path& target) {
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        removeQuietly(temp);
        return Status::failure("cannot replace " + target.string() + ": " + ec.message());
    }
    return Status::success();
}

// Moves temp to target only if target does not exist, in one step, so a file that appeared
// since the caller looked is never replaced.
Status renameIntoNew(const fs::path& temp, const fs::path& target) {
#ifdef __linux__
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return Status::success();
    int error = errno;
    if (error == EINVAL || error == ENOSYS) {
        // File systems without RENAME_NOREPLACE: a hard link fails the same way on an existing name.
        if (::link(temp.c_str(), target.c_str()) == 0) {
            removeQuietly(temp);
            return Status::success();
        }
        error = errno;
    }
    removeQuietly(temp);
    if (error == EEXIST) return Status::failure(target.string() + " already exists");
    return Status::failure("cannot create " + target.string() + ": " + std::strerror(error));
#else
    std::error_code ec;
    if (fs::exists(fs::symlink_status(target, ec))) {
        removeQuietly(temp);
        return Status::failure(target.string() + " already exists");
    }
    return renameInto(temp, target);
#endif
}

#ifdef __linux__
// Copies with the kernel doing the work: a clone where the file system supports it,
// else copy_file_range (which falls back to an in-kernel copy itself).
bool kernelCopy(const fs::path& source, const fs::path& temp) {
    int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return false;
    }
    int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = ::ioctl(out, FICLONE, in) == 0;
    if (!ok) {
        off_t remaining = st.st_size;
        ok = true;
        while (remaining > 0) {
            ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(remaining), 0);
            if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL)) {
                // Old kernels or odd file systems: let the library's copy (sendfile) do it.
                ::close(out);
                ::close(in);
                removeQuietly(temp);
                std::error_code ec;
                return fs::copy_file(source, temp, ec) && !ec;
            }
            if (n <= 0) {
                ok = false;
                break;
            }
            remaining -= n;
        }
    }
    if (::close(out) != 0) ok = false;
    ::close(in);
    return ok;
}
#else
bool kernelCopy(const fs::path& source, const fs::path& temp) {
    std::error_code ec;
    return fs::copy_file(source, temp, ec) && !ec;
}
#endif

}  // namespace

Status writeFileAtomically(const fs::path& target, std::string_view bytes) {
    fs::path temp = temporarySibling(target);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return Status::failure("cannot write " + target.string());
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            removeQuietly(temp);
            return Status::failure("cannot write " + target.string());
        }
    }
    return renameInto(temp, target);
}

Status copyFileAtomically(const fs::path& source, const fs::path& target, bool overwrite) {
    std::error_code ec;
    if (!overwrite && fs::exists(fs::symlink_status(target, ec)))
        return Status::failure(target.string() + " already exists");
    fs::path temp = temporarySibling(target);
    if (!kernelCopy(source, temp)) {
        removeQuietly(temp);
        return Status::failure("cannot copy " + source.string() + " to " + target.string());
    }
    return overwrite ? renameInto(temp, target) : renameIntoNew(temp, target);
}

}  // namespace korvath
