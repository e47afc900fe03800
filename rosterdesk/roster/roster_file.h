#pragma once
// Roster files (".bm"): a header block with the description, an empty line, and a complete
// roster section ready to be copied into user.ini. Written byte for byte in one fixed shape;
// read back by position (the keys on the lines are not looked at).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "rosterdesk/roster/roster.h"

namespace rosterdesk {

inline constexpr int kRosterKeyLineCount = 451;  // 14 keys x 32 slots + 3 roster-wide lines
inline constexpr std::string_view kDescriptionMarker = "* Description:";
// The row of 80 asterisks that opens and closes the header block.
std::string_view asteriskRow();

// Whether a file name matches "*.bm" in any letter case, ".bm" itself included (the name an
// empty Save As box gives), as the roster dialogs list roster files.
bool isRosterFileName(std::string_view fileName);

// The description lines ("* " + piece), at most 78 characters of text each, breaking after
// the last blank within them. Line breaks become blanks; a run without blanks is cut at 78.
std::vector<std::string> wrapDescription(std::string_view description);

// The section's key lines, BotFaces first and BotJumpy last.
std::vector<std::string> rosterKeyLines(const Roster& roster);

// The whole file as written under `fileName` (which line 2 names), CR LF after every line.
std::string formatRosterFile(const Roster& roster, std::string_view fileName);

// The roster, when the whole file was read; why not, otherwise.
using RosterParse = korvath::Result<Roster>;

// Reads a file's bytes by position. Each description line gives its text less "* " and one
// blank. Values the window could not hold (a team of 9, accuracy 2.000000) fail the read.
RosterParse parseRosterFile(std::string_view bytes);

// Reads `file` and replaces `roster` only when the whole file was read.
korvath::Status readRosterFileInto(const std::filesystem::path& file, Roster& roster);

}  // namespace rosterdesk
