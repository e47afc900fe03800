// Any bytes as a roster file, a user.ini and a .bm2 backup: the readers must end with a result, never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/text/text_lines.h"
#include "rosterdesk/roster/capture.h"
#include "rosterdesk/roster/restore.h"
#include "rosterdesk/roster/roster_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    rosterdesk::RosterParse parsed = rosterdesk::parseRosterFile(bytes);
    if (parsed.roster) (void)rosterdesk::formatRosterFile(*parsed.roster, "fuzz.bm");
    const auto lines = korvath::splitLines(bytes);
    rosterdesk::CaptureResult captured = rosterdesk::captureRoster(lines);
    (void)rosterdesk::backupKeyLines(lines, "fuzz.bm2");
    if (captured.roster) (void)rosterdesk::wrapDescription(bytes);
    return 0;
}
