#pragma once
// Replacing a file without ever leaving it half written: the new contents go to a temporary
// file in the same folder, are flushed to the disk, and only then renamed over the old one, so
// after a crash or a power cut the name holds the old file or the new one, never an empty one.
//
// A replaced file keeps its identity: when the name is a symbolic link, the file it points to is
// replaced and the link stays; the new file keeps the old one's permission bits (and its owner
// where the system allows).
#include <filesystem>
#include <optional>
#include <string_view>

#include "common/result.h"

namespace korvath {

// A unique, not yet existing name in the folder of `target`, for a file that will be
// renamed to `target`.
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

}  // namespace korvath
