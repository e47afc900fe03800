#include "common/files/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

// Everything that differs between the platforms: opening, filling, flushing and moving files.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cwctype>
#else
#include <fcntl.h>
#include <linux/fs.h>
#include <stdio.h>
#include <sys/ioctl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace korvath {

namespace {

void removeQuietly(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
}

constexpr int kNoFile = -1;
constexpr unsigned kDefaultMode = 0666;  // less the umask, which the system applies

#ifdef _WIN32

int openSource(const fs::path& file, unsigned& mode) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return kNoFile;
    mode = kDefaultMode;
    return ::_wopen(file.c_str(), _O_RDONLY | _O_BINARY);
}

int createNew(const fs::path& file, unsigned) {
    return ::_wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

bool writeAll(int out, std::string_view bytes) {
    while (!bytes.empty()) {
        unsigned chunk = static_cast<unsigned>(std::min<size_t>(bytes.size(), 1u << 30));
        int n = ::_write(out, bytes.data(), chunk);
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool copyAll(int in, int out) {
    std::vector<char> buffer(1 << 20);
    for (;;) {
        int n = ::_read(in, buffer.data(), static_cast<unsigned>(buffer.size()));
        if (n < 0) return false;
        if (n == 0) return true;
        if (!writeAll(out, std::string_view(buffer.data(), static_cast<size_t>(n)))) return false;
    }
}

// Access on Windows comes from the folder's inherited ACLs; there are no bits to carry over.
void takeIdentity(int, const fs::path&) {}

bool flushFile(int out) { return ::_commit(out) == 0; }
bool closeFile(int file) { return ::_close(file) == 0; }
// MoveFileEx with MOVEFILE_WRITE_THROUGH below already waits for the folder entry.
void flushFolder(const fs::path&) {}

// CON, NUL, COM1 and the like name devices in every folder, also with an extension.
bool isDeviceName(const fs::path& file) {
    std::wstring base = file.filename().wstring();
    base = base.substr(0, base.find(L'.'));
    while (!base.empty() && (base.back() == L' ' || base.back() == L':')) base.pop_back();
    for (wchar_t& c : base) c = static_cast<wchar_t>(std::towupper(c));
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
        if (base == device) return true;
    return base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT")) && base[3] >= L'1' &&
           base[3] <= L'9';
}

Status moveInto(const fs::path& temp, const fs::path& target, bool replace) {
    if (isDeviceName(target))
        return Status::failure("cannot write " + target.string() + ": " + target.filename().string() +
                               " is a device name on Windows, not a file name");
    DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (::MoveFileExW(temp.c_str(), target.c_str(), flags)) return Status::success();
    DWORD error = ::GetLastError();
    // A program reading the file with FILE_SHARE_DELETE still blocks a rename over it, but lets
    // it be renamed: move the old file aside, the new one in, and delete the old one, which that
    // program keeps reading until it closes it. A program that does not share deletion blocks
    // the first step, and nothing changes.
    std::error_code ec;
    if (replace && (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) &&
        fs::is_regular_file(target, ec)) {
        fs::path aside = temporarySibling(target);
        if (::MoveFileExW(target.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) {
            if (::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
                ::DeleteFileW(aside.c_str());
                return Status::success();
            }
            error = ::GetLastError();
            ::MoveFileExW(aside.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        }
    }
    if (!replace && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS))
        return Status::failure(target.string() + " already exists");
    return Status::failure("cannot replace " + target.string() + ": " +
                           std::system_category().message(static_cast<int>(error)));
}

#else

int openSource(const fs::path& file, unsigned& mode) {
    int in = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return kNoFile;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        return kNoFile;
    }
    mode = st.st_mode & 0777;
    return in;
}

int createNew(const fs::path& file, unsigned mode) {
    return ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
}

bool writeAll(int out, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(out, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The kernel does the work: a clone where the file system supports it, else copy_file_range,
// else sendfile (file systems or kernels that refuse copy_file_range between these two files).
bool copyAll(int in, int out) {
    if (::ioctl(out, FICLONE, in) == 0) return true;
    struct stat st {};
    if (::fstat(in, &st) != 0) return false;
    off_t remaining = st.st_size;
    bool ranged = true;
    while (remaining > 0) {
        size_t chunk = static_cast<size_t>(remaining);
        ssize_t n = ranged ? ::copy_file_range(in, nullptr, out, nullptr, chunk, 0) : ::sendfile(out, in, nullptr, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && ranged && remaining == st.st_size &&
            (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL)) {
            ranged = false;
            continue;
        }
        if (n <= 0) return false;  // an error, or the file shrank while it was copied
        remaining -= n;
    }
    return true;
}

// The replaced file's owner (where allowed: root, or a group the user belongs to) and then its
// permission bits, which a change of owner may have cleared.
void takeIdentity(int out, const fs::path& old) {
    struct stat st {};
    if (::stat(old.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    if (::fchown(out, st.st_uid, st.st_gid) != 0) {
        // Not allowed to give the file away: it stays the user's, with the bits below.
    }
    ::fchmod(out, st.st_mode & 07777);
}

bool flushFile(int out) { return ::fsync(out) == 0; }
bool closeFile(int file) { return ::close(file) == 0; }

// Makes the rename itself survive a power cut. A folder that cannot be opened is left to the
// system's own writeback: the file's contents are on the disk already.
void flushFolder(const fs::path& folder) {
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    ::fsync(dir);
    ::close(dir);
}

// Without `replace`, the target must not exist, checked and moved in one step, so a file that
// appeared since the caller looked is never replaced.
Status moveInto(const fs::path& temp, const fs::path& target, bool replace) {
    if (replace) {
        if (::rename(temp.c_str(), target.c_str()) == 0) return Status::success();
        return Status::failure("cannot replace " + target.string() + ": " + std::strerror(errno));
    }
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
    if (error == EEXIST) return Status::failure(target.string() + " already exists");
    return Status::failure("cannot create " + target.string() + ": " + std::strerror(error));
}

#endif

// Makes `target` hold what `fill` writes into a new file: fill a temporary sibling, give it the
// identity of the file it replaces, flush it, move it into place, flush the folder.
template <typename Fill>
Status replaceWith(const fs::path& target, unsigned newMode, bool replace, const std::string& failure,
                   const Fill& fill) {
    std::optional<fs::path> real = replace ? replacementTarget(target) : std::optional<fs::path>(target);
    if (!real) return Status::failure("cannot replace " + target.string() + ": the symbolic links go round in a loop");
    fs::path temp = temporarySibling(*real);
    int out = createNew(temp, newMode);
    if (out == kNoFile) return Status::failure(failure);
    bool ok = fill(out);
    if (ok && replace) takeIdentity(out, *real);
    ok = ok && flushFile(out);
    ok = closeFile(out) && ok;
    Status moved = ok ? moveInto(temp, *real, replace) : Status::failure(failure);
    if (!moved) {
        removeQuietly(temp);
        return moved;
    }
    flushFolder(real->parent_path());
    return moved;
}

}  // namespace

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

std::optional<fs::path> replacementTarget(const fs::path& target) {
    fs::path current = target;
    for (int hops = 0; hops < 40; ++hops) {  // the kernel's own limit
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) return current;
        fs::path link = fs::read_symlink(current, ec);
        if (ec) return std::nullopt;
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    return std::nullopt;
}

Status writeFileAtomically(const fs::path& target, std::string_view bytes) {
    return replaceWith(target, kDefaultMode, true, "cannot write " + target.string(),
                       [&](int out) { return writeAll(out, bytes); });
}

Status copyFileAtomically(const fs::path& source, const fs::path& target, bool overwrite) {
    std::error_code ec;
    if (!overwrite && fs::exists(fs::symlink_status(target, ec)))
        return Status::failure(target.string() + " already exists");
    std::string failure = "cannot copy " + source.string() + " to " + target.string();
    unsigned mode = kDefaultMode;
    int in = openSource(source, mode);
    if (in == kNoFile) return Status::failure(failure);
    Status copied = replaceWith(target, mode, overwrite, failure, [&](int out) { return copyAll(in, out); });
    closeFile(in);
    return copied;
}

}  // namespace korvath
