#pragma once
// Replacing a file without ever leaving it half written: the new contents go to a temporary
// file in the same folder, are flushed to the disk, and only then renamed over the old one, so
// after a crash or a power cut the name holds the old file or the new one, never an empty one.
//
// A replaced file keeps its identity: when the name is a symbolic link, the file it points to is
// replaced and the link stays; the new file keeps the old one's permission bits (and its owner
// where the system allows).
//
// Nothing is left behind by a writer that is killed: on Linux the temporary file has no name
// until it is complete (O_TMPFILE), where the file system allows it. Elsewhere it is a hidden
// sibling named after its target and its writer's process id, and such a sibling whose process is
// gone is removed by the next write into that folder.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

#include "common/result.h"

namespace korvath {

// A unique, not yet existing name in the folder of `target`, for a file that will be
// renamed to `target`: ".NAME.tmpPID-N", so a later run can tell it from a live writer's.
std::filesystem::path temporarySibling(const std::filesystem::path& target);

// The file that replacing `target` writes: `target` itself, or, when it is a symbolic link, the
// file at the end of the links (a relative link is read from the link's own folder). A dangling
// link gives the name it points to, so writing through it creates that file as writing to a link
// always does. nullopt when the links loop or cannot be read.
std::optional<std::filesystem::path> replacementTarget(const std::filesystem::path& target);

// Writes `bytes` to `target` as described above. A new file gets the default mode (0666 less
// the umask). On failure the target is as it was and no temporary file remains.
Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Copies `source` to `target` the same way, through the kernel (reflink or copy_file_range
// where the file system offers them). A new file gets the source's permission bits less the
// umask, as `cp` gives it. `overwrite` false refuses a target that exists, also one that
// appears while the copy runs, and any symbolic link standing there.
Status copyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& target,
                          bool overwrite);

// The same replacement for files written piece by piece: open, write as often as needed,
// commit. Dropped (or failed) without commit, the target stays as it was and no temporary file
// remains.
class AtomicFileWriter {
public:
    enum class Start { Empty, CopyOfTarget };

    AtomicFileWriter() = default;
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Starts the new file for `target`: empty, or a copy of the existing target (which must be a
    // file) to be changed in place, positioned at its start.
    Status open(const std::filesystem::path& target, Start start = Start::Empty);
    bool isOpen() const { return file_ != nullptr; }
    // Appends at the current position; a failed write makes commit() fail.
    void write(std::string_view bytes);
    // The new file for writers built on stdio (opened for reading and writing).
    std::FILE* stream() const { return file_; }
    // Starts putting what is written so far on the disk without waiting for it, so that a
    // long write overlaps its flush with the work still to do and commit() waits less.
    void startFlush();
    // Flushes the new file and moves it over the target; on failure the target is as it was.
    Status commit();
    // Drops the new file; the target stays as it was.
    void abandon();

private:
    std::filesystem::path target_;     // the name the caller gave
    std::filesystem::path real_;       // the file replaced (links followed)
    std::filesystem::path temporary_;  // empty while the new file has no name
    std::FILE* file_ = nullptr;
    bool failed_ = false;
    int error_ = 0;  // errno of the write that failed
};

// For tests: false makes every temporary file a named sibling, as on file systems without
// unnamed files. Returns the previous setting.
bool useUnnamedTemporaries(bool use);

}  // namespace korvath
