#pragma once
// What landforge-cli's subcommands share: how they fail, the numbers, --view and file names
// they read from the arguments, the complete terrain file they open and the file they write.
#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/cli/arg_list.h"
#include "landforge/terrain/terrain_file.h"
#include "landforge/terrain/terrain_state.h"

namespace landforge {

// The exit status, 1 (the command failed) or 2 (a usage error), and the message.
struct CliFailure {
    int code;
    std::string message;
};
// nullopt: the subcommand did its work.
using CliOutcome = std::optional<CliFailure>;

inline CliOutcome usageError(std::string message) { return CliFailure{2, std::move(message)}; }
inline CliOutcome failed(std::string message) { return CliFailure{1, std::move(message)}; }

// The whole text as one number, nothing before or after it.
template <typename T>
std::optional<T> parseNumber(std::string_view text) {
    T value{};
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// "A,B,..." as exactly `count` whole numbers.
std::optional<std::vector<int>> parseInts(std::string_view text, std::size_t count);

// The positional arguments once the options were taken: a usage error unless there are `count`.
CliOutcome takeFileNames(korvath::ArgList& args, std::size_t count, std::vector<std::string>& names);

// --view X,Y,W,H into `rect`, the full grid without it.
CliOutcome readViewOption(korvath::ArgList& args, GridRect& rect);

// A complete, well-formed terrain file; the refusal names the file.
ParsedDocument readCompleteTerrainFile(const std::string& path);
// The same, opened as the terrain.
CliOutcome openCompleteTerrainFile(const std::string& path, TerrainState& state);

CliOutcome writeOutputFile(const std::string& path, const std::string& bytes);

}  // namespace landforge
