#pragma once
// The animation file an --append adds frames to must be whole: exactly as long as its header
// says. A file cut short would get frames of zeros where its lost frames were.
#include "common/result.h"

#include <filesystem>

namespace korvath::convert {

Status checkAppendTarget(const std::filesystem::path& animationPath);

}  // namespace korvath::convert
