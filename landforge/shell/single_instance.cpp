#include "landforge/shell/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace landforge::shell {

QString SingleInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", "user"));
    return QDir(folder).filePath("landforge-" + user + ".lock");
}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(std::make_unique<QLockFile>(lockPath)) {
    // Stale only when its process is gone, however long the first instance runs.
    lock_->setStaleLockTime(0);
    acquired_ = lock_->tryLock(0);
}

SingleInstance::~SingleInstance() = default;

}  // namespace landforge::shell
