#pragma once
// Text files of the game and of the tools: 8-bit text, lines ended by CR LF.
// Writers always write CR LF; readers accept CR LF or LF and strip it.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvath {

inline constexpr std::string_view kCrLf = "\r\n";

// Splits text into lines without their ends. A last line without an end still counts;
// text that ends with a line end has no empty line after it.
std::vector<std::string> splitLines(std::string_view text);

// Every line followed by CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);

// Whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> readFileBytes(const std::filesystem::path& file);

// readFileBytes, split into lines.
std::optional<std::vector<std::string>> readTextLines(const std::filesystem::path& file);

}  // namespace korvath
