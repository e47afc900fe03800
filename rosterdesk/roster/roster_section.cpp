#include "rosterdesk/roster/roster_section.h"

#include <algorithm>

#include "common/files/game_path.h"
#include "rosterdesk/roster/roster.h"

namespace rosterdesk {

bool isRosterSectionHeader(std::string_view line) {
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return korvath::equalsNoCase(line, kRosterSection);
}

std::optional<SectionSpan> findRosterSection(const std::vector<std::string>& lines) {
    auto header = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return isRosterSectionHeader(l); });
    if (header == lines.end()) return std::nullopt;
    SectionSpan span{static_cast<std::size_t>(header - lines.begin()), 0};
    std::size_t next = span.header + 1;
    while (next < lines.size() && !lines[next].starts_with('[')) ++next;
    span.end = next;
    while (span.end > span.header + 1 && lines[span.end - 1].empty()) --span.end;
    return span;
}

}  // namespace rosterdesk
