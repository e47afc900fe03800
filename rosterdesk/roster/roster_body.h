#pragma once
// What a roster file or a ".bm2" backup may put into user.ini's roster section. Roster files are
// passed between players, so their lines are checked: only key lines ("key=value" or
// "key[index]=value", the key of letters, digits, "_" and ".") are copied, a line starting with
// "[" ends the roster (what follows would otherwise become sections of user.ini), and a line
// holding a control byte refuses the whole file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace rosterdesk {

// Larger files are refused unread: a roster file is about 16 KB.
inline constexpr std::uintmax_t kMaxRosterFileBytes = 16u << 20;

bool isKeyLine(std::string_view line);

// What of a roster file or backup may reach user.ini.
struct RosterBody {
    std::vector<std::string> keyLines;
    std::string warning;  // the lines left out, "" when none
};
// The key lines among lines[first ...], or why the file is refused; `name` is the file's name
// for the messages.
korvath::Result<RosterBody> rosterBody(const std::vector<std::string>& lines, std::size_t first,
                                       const std::string& name);

// The bytes of a roster file or backup, refused without reading when larger than
// kMaxRosterFileBytes. nullopt with `problem` set when refused or unreadable.
std::optional<std::string> readRosterFileBytes(const std::filesystem::path& file, std::string& problem);

}  // namespace rosterdesk
