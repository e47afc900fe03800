#include "common/files/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <system_error>
#include <vector>

// Everything that differs between the platforms: opening, filling, flushing and moving files,
// and telling whether a writer is still alive.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include "common/files/folder_name.h"
#include "common/text/code_page.h"
#else
#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <stdio.h>
#include <sys/file.h>
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

std::string reason(int error) { return std::strerror(error); }

constexpr int kNoFile = -1;
constexpr unsigned kDefaultMode = 0666;  // less the umask, which the system applies

std::atomic<bool> unnamedTemporaries{true};

#ifdef _WIN32

unsigned long currentProcessId() { return ::GetCurrentProcessId(); }

bool processIsGone(unsigned long pid) {
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;
    bool gone = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return gone;
}

// A file a live writer holds open cannot be removed there, so nothing more is needed.
bool lockedByWriter(const fs::path&) { return false; }
void lockForWriting(int) {}

int openSource(const fs::path& file, unsigned& mode) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        errno = ENOENT;
        return kNoFile;
    }
    mode = kDefaultMode;
    return ::_wopen(file.c_str(), _O_RDONLY | _O_BINARY);
}

int createUnnamed(const fs::path&, unsigned) { return kNoFile; }
bool nameUnnamed(int, const fs::path&) { return false; }

int createNew(const fs::path& file, unsigned) {
    return ::_wopen(file.c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

std::FILE* openStream(int file) { return ::_fdopen(file, "r+b"); }
int descriptorOf(std::FILE* stream) { return ::_fileno(stream); }
bool toStart(int file) { return ::_lseeki64(file, 0, SEEK_SET) == 0; }

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
void startWriteback(int) {}
bool closeFile(int file) { return ::_close(file) == 0; }
// MoveFileEx with MOVEFILE_WRITE_THROUGH below already waits for the folder entry.
void flushFolder(const fs::path&) {}

// CON, NUL, COM1 and the like name devices in every folder, also with an extension.
bool isDeviceName(const fs::path& file) {
    const std::wstring name = file.filename().wstring();
    return isWindowsDeviceName(encodeCodePage(std::u32string(name.begin(), name.end())).bytes);
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

unsigned long currentProcessId() { return static_cast<unsigned long>(::getpid()); }

bool processIsGone(unsigned long pid) {
    if (pid == 0 || pid > 0x7FFFFFFFul) return false;  // not a name this code made
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// A writer holds a lock on its temporary file while it lives, which also covers a writer in
// another process-id namespace sharing the folder.
void lockForWriting(int file) { ::flock(file, LOCK_EX | LOCK_NB); }

bool lockedByWriter(const fs::path& file) {
    int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

int openSource(const fs::path& file, unsigned& mode) {
    int in = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return kNoFile;
    struct stat st {};
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(in);
        errno = EISDIR;
        return kNoFile;
    }
    mode = st.st_mode & 0777;
    return in;
}

// A file without a name in `folder`: a writer killed before naming it leaves nothing. Naming it
// goes through /proc, so without /proc the temporary file is a named one from the start.
int createUnnamed(const fs::path& folder, unsigned mode) {
    static const bool procMounted = ::access("/proc/self/fd", X_OK) == 0;
    if (!procMounted) return kNoFile;
    return ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, static_cast<mode_t>(mode));
}

bool nameUnnamed(int file, const fs::path& name) {
    std::string self = "/proc/self/fd/" + std::to_string(file);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

int createNew(const fs::path& file, unsigned mode) {
    return ::open(file.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
}

std::FILE* openStream(int file) { return ::fdopen(file, "r+b"); }
int descriptorOf(std::FILE* stream) { return ::fileno(stream); }
bool toStart(int file) { return ::lseek(file, 0, SEEK_SET) == 0; }

bool writeAll(int out, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(out, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
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
        if (n == 0) errno = EIO;  // the file shrank while it was copied
        if (n <= 0) return false;
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
// Queues the written pages for the disk and returns; errors show again at the fsync.
void startWriteback(int out) { ::sync_file_range(out, 0, 0, SYNC_FILE_RANGE_WRITE); }
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
        return Status::failure("cannot replace " + target.string() + ": " + reason(errno));
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
    return Status::failure("cannot create " + target.string() + ": " + reason(error));
}

#endif

constexpr std::size_t kNamePrefix = 64;  // of the target's name, so names near the limit still fit
constexpr std::string_view kTemporaryMark = ".tmp";

// The writer's process id of a name temporarySibling() made, else nothing.
std::optional<unsigned long> writerOfTemporary(const std::string& name) {
    std::size_t mark = name.rfind(kTemporaryMark);
    if (name.size() < 2 || name[0] != '.' || mark == std::string::npos || mark < 2) return std::nullopt;
    std::string_view rest = std::string_view(name).substr(mark + kTemporaryMark.size());
    std::size_t dash = rest.find('-');
    auto digits = [](std::string_view s) {
        return !s.empty() && s.size() <= 10 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (dash == std::string_view::npos || !digits(rest.substr(0, dash)) || !digits(rest.substr(dash + 1)))
        return std::nullopt;
    return std::stoul(std::string(rest.substr(0, dash)));
}

// Removes the temporary files in `folder` whose writers are gone: once per folder and process, so
// a thousand copies into one folder list it once.
void removeOrphans(const fs::path& folder) {
    static std::mutex mutex;
    static std::set<fs::path> cleaned;
    std::error_code ec;
    fs::path key = fs::absolute(folder.empty() ? fs::path(".") : folder, ec).lexically_normal();
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!cleaned.insert(key).second) return;
    }
    for (fs::directory_iterator it(key, ec), end; !ec && it != end; it.increment(ec)) {
        std::optional<unsigned long> writer = writerOfTemporary(it->path().filename().string());
        std::error_code typeError;
        if (!writer || !it->is_regular_file(typeError)) continue;
        if (processIsGone(*writer) && !lockedByWriter(it->path())) removeQuietly(it->path());
    }
}

// The new file while it is written: an open descriptor (also wrapped in a stdio stream by the
// streaming writer), and its name once it has one.
struct NewFile {
    int fd = kNoFile;
    fs::path name;
    std::FILE* stream = nullptr;

    bool close() {
        bool closed = stream ? std::fclose(stream) == 0 : closeFile(fd);
        fd = kNoFile;
        stream = nullptr;
        return closed;
    }
    void discard() {
        if (fd != kNoFile) close();
        if (!name.empty()) removeQuietly(name);
        name.clear();
    }
};

std::optional<NewFile> createTemporary(const fs::path& real, unsigned mode) {
    fs::path folder = real.parent_path();
    removeOrphans(folder);
    NewFile file;
    if (unnamedTemporaries.load()) file.fd = createUnnamed(folder, mode);
    if (file.fd == kNoFile) {
        file.name = temporarySibling(real);
        file.fd = createNew(file.name, mode);
        if (file.fd == kNoFile) return std::nullopt;
    }
    lockForWriting(file.fd);
    return file;
}

// Gives the filled file the identity of the file it replaces, flushes it, moves it into place
// and flushes the folder. On failure the file is dropped and `real` is as it was.
Status finish(NewFile& file, const fs::path& real, bool replace, const std::string& failure, bool filled,
              int fillError) {
    auto failed = [&](int error) {
        file.discard();
        return Status::failure(failure + ": " + reason(error));
    };
    if (!filled) return failed(fillError);
    if (replace) takeIdentity(file.fd, real);
    if (!flushFile(file.fd)) return failed(errno);
    if (file.name.empty()) {
        // Named only now that it is complete, beside its target, and then renamed like any other.
        fs::path name = temporarySibling(real);
        if (!nameUnnamed(file.fd, name)) return failed(errno);
        file.name = name;
    }
    if (!file.close()) return failed(errno);
    Status moved = moveInto(file.name, real, replace);
    if (!moved) {
        file.discard();
        return moved;
    }
    flushFolder(real.parent_path());
    return moved;
}

// Makes `target` hold what `fill` writes into a new file.
template <typename Fill>
Status replaceWith(const fs::path& target, unsigned newMode, bool replace, const std::string& failure,
                   const Fill& fill) {
    std::optional<fs::path> real = replace ? replacementTarget(target) : std::optional<fs::path>(target);
    if (!real) return Status::failure("cannot replace " + target.string() + ": the symbolic links go round in a loop");
    std::optional<NewFile> file = createTemporary(*real, newMode);
    if (!file) return Status::failure(failure + ": " + reason(errno));
    bool filled = fill(file->fd);
    return finish(*file, *real, replace, failure, filled, errno);
}

}  // namespace

fs::path temporarySibling(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = "." + target.filename().string().substr(0, kNamePrefix) + std::string(kTemporaryMark) +
                             std::to_string(currentProcessId()) + "-";
    for (;;) {
        fs::path candidate = target.parent_path() / (stem + std::to_string(counter++));
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
    if (in == kNoFile) return Status::failure(failure + ": " + reason(errno));
    Status copied = replaceWith(target, mode, overwrite, failure, [&](int out) { return copyAll(in, out); });
    closeFile(in);
    return copied;
}

AtomicFileWriter::~AtomicFileWriter() { abandon(); }

Status AtomicFileWriter::open(const fs::path& target, Start start) {
    abandon();
    target_ = target;
    const std::string failure = "cannot write " + target.string();
    std::optional<fs::path> real = replacementTarget(target);
    if (!real) return Status::failure("cannot replace " + target.string() + ": the symbolic links go round in a loop");
    std::error_code ec;
    if (fs::is_directory(*real, ec)) return Status::failure(failure + ": " + reason(EISDIR));
    int in = kNoFile;
    if (start == Start::CopyOfTarget) {
        unsigned ignored = 0;
        in = openSource(*real, ignored);
        if (in == kNoFile) return Status::failure("cannot read " + target.string() + ": " + reason(errno));
    }
    std::optional<NewFile> file = createTemporary(*real, kDefaultMode);
    int error = errno;
    bool ready = file.has_value();
    if (ready && in != kNoFile) {
        ready = copyAll(in, file->fd) && toStart(file->fd);
        error = errno;
    }
    if (in != kNoFile) closeFile(in);
    if (ready) {
        file->stream = openStream(file->fd);
        ready = file->stream != nullptr;
        error = errno;
    }
    if (!ready) {
        if (file) file->discard();
        return Status::failure(failure + ": " + reason(error));
    }
    real_ = *real;
    temporary_ = file->name;
    file_ = file->stream;
    failed_ = false;
    error_ = 0;
    return Status::success();
}

void AtomicFileWriter::write(std::string_view bytes) {
    if (!file_ || failed_ || bytes.empty()) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        failed_ = true;
        error_ = errno;
    }
}

Status AtomicFileWriter::commit() {
    const std::string failure = "cannot write " + target_.string();
    if (!file_) return Status::failure(failure + ": the file is not open");
    bool filled = !failed_ && !std::ferror(file_);
    int error = failed_ && error_ != 0 ? error_ : EIO;
    if (filled && std::fflush(file_) != 0) {
        filled = false;
        error = errno;
    }
    NewFile file{descriptorOf(file_), temporary_, file_};
    file_ = nullptr;
    temporary_.clear();
    return finish(file, real_, true, failure, filled, error);
}

void AtomicFileWriter::startFlush() {
    if (file_ && std::fflush(file_) == 0) startWriteback(descriptorOf(file_));
}

void AtomicFileWriter::abandon() {
    if (!file_) return;
    NewFile file{descriptorOf(file_), temporary_, file_};
    file.discard();
    file_ = nullptr;
    temporary_.clear();
}

bool useUnnamedTemporaries(bool use) { return unnamedTemporaries.exchange(use); }

}  // namespace korvath
