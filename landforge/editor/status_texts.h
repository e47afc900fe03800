#pragma once
// The eight parts of the status bar along the top of the main window.
#include <array>
#include <string>

#include "editor/editor_state.h"

namespace landforge {

inline constexpr int kStatusPartCount = 8;
// Right edge of each part in pixels.
inline constexpr std::array<int, kStatusPartCount> kStatusPartEdges{50, 100, 150, 200, 290, 350, 400, 450};
// What the bar shows before it is divided into parts.
inline constexpr const char* kStatusInitialText = "Viewing Area : (16,16) @ (0,0)";

std::array<std::string, kStatusPartCount> statusTexts(const EditorState& state);

}  // namespace landforge
