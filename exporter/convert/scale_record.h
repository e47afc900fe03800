#pragma once
// The scale factor an animation file's frames were written with, kept beside it (the file
// format has no room for it) so that an appended sequence is written at the same size.
// The record is one CR LF text line, "scale=F", F written so that it reads back exactly.
#include "common/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korvath::convert {

// NAME_a.3d → NAME_a.3d.scale
std::filesystem::path scaleRecordPath(const std::filesystem::path& animationPath);

std::string formatScaleRecord(float scale);
// The factor of a record's text, or empty when the text is not a record of a positive factor.
std::optional<float> parseScaleRecord(std::string_view text);

// The record's factor, nullopt when there is no record file, or why the file there could not be
// read as one.
using StoredScale = Result<std::optional<float>>;
StoredScale readScaleRecord(const std::filesystem::path& recordPath);

// Replaces the record as every file is replaced (common/files/atomic_file.h).
Status writeScaleRecord(const std::filesystem::path& recordPath, float scale);

}  // namespace korvath::convert
