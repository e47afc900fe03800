#pragma once
// Replacing a file without ever leaving it half written: the new contents go to a temporary
// file in the same folder, which is renamed over the old one only when it is complete.
#include <filesystem>
#include <string_view>

#include "common/result.h"

namespace korvath {

// A unique, not yet existing name in the folder of `target`, for a file that will be
// renamed to `target`.
std::filesystem::path temporarySibling(const std::filesystem::path& target);

// Writes `bytes` to `target` via a temporary sibling and a rename. On failure the target is
// as it was and no temporary file remains.
Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Copies `source` to `target` the same way, through the kernel (reflink or copy_file_range
// where the file system offers them). `overwrite` false refuses an existing target.
Status copyFileAtomically(const std::filesystem::path& source, const std::filesystem::path& target,
                          bool overwrite);

}  // namespace korvath
