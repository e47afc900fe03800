#include "hoardsort/sorting/copy_queue.h"

#include "common/files/atomic_file.h"
#include "common/files/game_path.h"

namespace fs = std::filesystem;

namespace hoardsort {

namespace {
std::string keyOf(const fs::path& target) { return korvath::toLowerAscii(target.string()); }
}  // namespace

void CopyQueue::start(size_t entry, const fs::path& source, const fs::path& target, bool overwrite) {
    while (running_.size() >= width_) waitOldest();
    auto done = std::async(std::launch::async, [source, target, overwrite] {
        return korvath::copyFileAtomically(source, target, overwrite).ok();
    });
    targets_.insert(keyOf(target));
    running_.push_back({entry, keyOf(target), std::move(done)});
}

bool CopyQueue::writing(const fs::path& target) const { return targets_.count(keyOf(target)) > 0; }

void CopyQueue::finish() {
    while (!running_.empty()) waitOldest();
}

void CopyQueue::waitOldest() {
    Running oldest = std::move(running_.front());
    running_.pop_front();
    if (!oldest.done.get()) failed_.push_back(oldest.entry);
    targets_.erase(targets_.find(oldest.targetKey));
}

}  // namespace hoardsort
