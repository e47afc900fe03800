#pragma once
// Where the roster section stands in user.ini's lines. Applying, restoring and capturing all
// use this one rule, so what is replaced is exactly what is read.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rosterdesk {

// The header test: the line right-trimmed of blanks equals "[botpack.challengebotinfo]"
// without regard to case. Leading blanks are not ignored.
bool isRosterSectionHeader(std::string_view line);

// The section's header line and one past its last line. It runs to the next line starting
// with "[" or the end of the file; empty lines inside it belong to it (the game reads on past
// them), the empty lines before the next header or the end separate it and do not.
struct SectionSpan {
    std::size_t header = 0;
    std::size_t end = 0;
};
std::optional<SectionSpan> findRosterSection(const std::vector<std::string>& lines);

}  // namespace rosterdesk
