#include "rosterdesk/roster/user_ini_lock.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rosterdesk {

namespace {
// Gives up when the file keeps being replaced under us (another program rewriting it).
constexpr int kAttempts = 1000;
}  // namespace

#ifdef _WIN32

namespace {

bool sameFile(HANDLE handle, const std::filesystem::path& path) {
    HANDLE now = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (now == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    bool same = GetFileInformationByHandle(handle, &a) && GetFileInformationByHandle(now, &b) &&
                a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
                a.nFileIndexLow == b.nFileIndexLow;
    CloseHandle(now);
    return same;
}

}  // namespace

std::optional<UserIniLock> UserIniLock::acquire(const std::filesystem::path& userIni, std::string& problem) {
    constexpr int kMissingAttempts = 50;
    int missing = 0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        // Every sharing mode, so readers and the rename that replaces the file are not hindered.
        HANDLE handle = CreateFileW(userIni.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            // Another apply may be replacing it this moment (moved aside, then the new one moved
            // in): try again for a while before calling it missing.
            const bool betweenNames = error == ERROR_FILE_NOT_FOUND || error == ERROR_ACCESS_DENIED;
            if (betweenNames && ++missing < kMissingAttempts) {
                Sleep(10);
                continue;
            }
            problem = "Can't open user.ini to lock it (error " + std::to_string(error) + ")";
            return std::nullopt;
        }
        // Byte locks are binding on Windows: lock one byte far past the end, which nobody reads.
        OVERLAPPED at{};
        at.Offset = 0xFFFFFFF0u;
        at.OffsetHigh = 0x7FFFFFFFu;
        if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &at)) {
            problem = "Can't lock user.ini (error " + std::to_string(GetLastError()) + ")";
            CloseHandle(handle);
            return std::nullopt;
        }
        if (sameFile(handle, userIni)) return UserIniLock(handle);
        CloseHandle(handle);  // replaced while we waited: lock the new file
    }
    problem = "Can't lock user.ini: it keeps being replaced";
    return std::nullopt;
}

UserIniLock::UserIniLock(UserIniLock&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }

UserIniLock::~UserIniLock() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));  // closing releases the lock
}

#else

std::optional<UserIniLock> UserIniLock::acquire(const std::filesystem::path& userIni, std::string& problem) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        int fd = ::open(userIni.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            problem = std::string("Can't open user.ini to lock it: ") + std::strerror(errno);
            return std::nullopt;
        }
        int locked;
        do locked = ::flock(fd, LOCK_EX);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            problem = std::string("Can't lock user.ini: ") + std::strerror(errno);
            ::close(fd);
            return std::nullopt;
        }
        struct stat held{}, current{};
        if (::fstat(fd, &held) == 0 && ::stat(userIni.c_str(), &current) == 0 && held.st_dev == current.st_dev &&
            held.st_ino == current.st_ino)
            return UserIniLock(fd);
        ::close(fd);  // replaced while we waited: lock the new file
    }
    problem = "Can't lock user.ini: it keeps being replaced";
    return std::nullopt;
}

UserIniLock::UserIniLock(UserIniLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

UserIniLock::~UserIniLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

#endif

}  // namespace rosterdesk
