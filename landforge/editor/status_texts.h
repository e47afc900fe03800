#pragma once
// The eight parts of the status bar along the top of the main window.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "landforge/editor/editor_state.h"

namespace landforge {

inline constexpr int kStatusPartCount = 8;
// Right edge of each part in pixels of the small system font the bar was laid out for.
inline constexpr std::array<int, kStatusPartCount> kStatusPartEdges{50, 100, 150, 200, 290, 350, 400, 450};

// Every text a part can show at its widest (the largest numbers, each mode's word).
const std::vector<std::string>& statusPartLongestTexts(int part);

// The right edges for the current font: each part as wide as its edge above gives it, or wider
// when one of its texts (measured by `textWidth`) plus `padding` pixels needs more.
std::array<int, kStatusPartCount> statusPartEdges(const std::function<int(const std::string&)>& textWidth,
                                                 int padding);
// What the bar shows before it is divided into parts.
inline constexpr const char* kStatusInitialText = "Viewing Area : (16,16) @ (0,0)";

std::array<std::string, kStatusPartCount> statusTexts(const EditorState& state);

}  // namespace landforge
