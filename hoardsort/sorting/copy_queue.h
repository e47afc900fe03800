#pragma once
// Copies that run a few at a time. Each copy waits for its file to reach the disk before it is
// renamed into place; the disk serves many such waits in one flush, so a large extraction stays
// near the speed of the copying itself.
#include <cstddef>
#include <deque>
#include <filesystem>
#include <future>
#include <string>
#include <unordered_set>
#include <vector>

namespace hoardsort {

class CopyQueue {
public:
    explicit CopyQueue(size_t width = 16) : width_(width) {}
    ~CopyQueue() { finish(); }
    CopyQueue(const CopyQueue&) = delete;
    CopyQueue& operator=(const CopyQueue&) = delete;

    // Starts copying `source` to `target` for the entry numbered `entry`; when `width` copies
    // are running, waits for the oldest first.
    void start(size_t entry, const std::filesystem::path& source, const std::filesystem::path& target, bool overwrite);
    // True while a copy to `target` (compared without regard to case) has not finished.
    bool writing(const std::filesystem::path& target) const;
    // Waits for every copy started.
    void finish();
    // The entries whose copy failed, in the order their copies ended; complete after finish().
    const std::vector<size_t>& failed() const { return failed_; }

private:
    struct Running {
        size_t entry;
        std::string targetKey;
        std::future<bool> done;
    };
    void waitOldest();

    size_t width_;
    std::deque<Running> running_;
    std::unordered_multiset<std::string> targets_;
    std::vector<size_t> failed_;
};

}  // namespace hoardsort
