#pragma once
// One Landforge per user session: a lock file that names the running process, so a lock left
// behind by a crash is seen as stale and taken over.
#include <memory>

#include <QString>

class QLockFile;

namespace landforge::shell {

class SingleInstance {
public:
    // The lock in the session's runtime folder (else the temporary folder), per user.
    static QString defaultLockPath();

    explicit SingleInstance(const QString& lockPath);
    ~SingleInstance();
    // False when another live process holds the lock.
    bool acquired() const { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

inline constexpr const char* kSecondInstanceText = "Sorry, only one instance of Landforge may be run at once.";

}  // namespace landforge::shell
