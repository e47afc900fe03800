#include "rosterdesk/roster/user_ini_lock.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include <cwchar>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rosterdesk {

#ifdef _WIN32

namespace {

// One name per user.ini, whatever spelling of its path: mutex names cannot hold a backslash, so the
// full, lower-cased path is hashed (FNV-1a).
std::wstring mutexName(const std::filesystem::path& userIni) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::weakly_canonical(userIni, ec);
    if (ec) full = std::filesystem::absolute(userIni, ec);
    std::wstring text = full.wstring();
    CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    unsigned long long hash = 14695981039346656037ull;
    for (wchar_t c : text) {
        hash ^= static_cast<unsigned long long>(c);
        hash *= 1099511628211ull;
    }
    wchar_t name[64];
    swprintf(name, 64, L"Local\\korvath-user-ini-%016llx", hash);
    return name;
}

}  // namespace

// A named mutex rather than a lock on the file itself: a handle held open on user.ini by a
// waiter would keep the holder from renaming the new file over it in one step.
std::optional<UserIniLock> UserIniLock::acquire(const std::filesystem::path& userIni, std::string& problem) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName(userIni).c_str());
    if (!mutex) {
        problem = "Can't lock user.ini (error " + std::to_string(GetLastError()) + ")";
        return std::nullopt;
    }
    // An abandoned mutex (its holder was killed) is ours now; the replacement it was making
    // either happened whole or not at all.
    const DWORD waited = WaitForSingleObject(mutex, INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        problem = "Can't lock user.ini (error " + std::to_string(GetLastError()) + ")";
        CloseHandle(mutex);
        return std::nullopt;
    }
    return UserIniLock(mutex);
}

UserIniLock::UserIniLock(UserIniLock&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }

UserIniLock::~UserIniLock() {
    if (!handle_) return;
    ReleaseMutex(static_cast<HANDLE>(handle_));
    CloseHandle(static_cast<HANDLE>(handle_));
}

#else

namespace {
// Gives up when the file keeps being replaced under us (another program rewriting it).
constexpr int kAttempts = 1000;
}  // namespace

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
