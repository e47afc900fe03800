#pragma once
// An advisory lock on user.ini for a whole read-modify-replace, so two applies or restores on
// one game folder take turns and the later one's roster is the one left in the file. On Linux
// the file itself is locked (a lock taken on a file that was replaced meanwhile is let go and
// taken again on the new one); on Windows a mutex named after the file's path.
#include <filesystem>
#include <optional>
#include <string>

namespace rosterdesk {

class UserIniLock {
public:
    // Waits for the lock. nullopt with `problem` set when the file cannot be opened or locked.
    static std::optional<UserIniLock> acquire(const std::filesystem::path& userIni, std::string& problem);

    UserIniLock(UserIniLock&& other) noexcept;
    UserIniLock& operator=(UserIniLock&&) = delete;
    UserIniLock(const UserIniLock&) = delete;
    ~UserIniLock();

private:
#ifdef _WIN32
    explicit UserIniLock(void* handle) : handle_(handle) {}
    void* handle_ = nullptr;
#else
    explicit UserIniLock(int fd) : fd_(fd) {}
    int fd_ = -1;
#endif
};

}  // namespace rosterdesk
