// Any bytes as a roster file and as a user.ini: the readers must end with a result, never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/text/text_lines.h"
#include "rosterdesk/roster/capture.h"
#include "rosterdesk/roster/roster_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    rosterdesk::RosterParse parsed = rosterdesk::parseRosterFile(bytes);
    if (parsed.roster) (void)rosterdesk::formatRosterFile(*parsed.roster, "fuzz.bm");
    rosterdesk::CaptureResult captured = rosterdesk::captureRoster(korvath::splitLines(bytes));
    if (captured.roster) (void)rosterdesk::wrapDescription(bytes);
    return 0;
}
