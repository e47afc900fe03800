// Any bytes as a roster file, a user.ini and a .bm2 backup: the readers must end with a result,
// never crash, and let only key lines through to user.ini. Each input goes to one reader,
// chosen by its length, so an input costs what one read costs; mutations that change the
// length carry an input from reader to reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/text/text_lines.h"
#include "rosterdesk/roster/capture.h"
#include "rosterdesk/roster/restore.h"
#include "rosterdesk/roster/roster_body.h"
#include "rosterdesk/roster/roster_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    switch (size % 3) {
    case 0:
        (void)rosterdesk::parseRosterFile(bytes);
        break;
    case 1:
        (void)rosterdesk::captureRoster(korvath::splitLines(bytes));
        break;
    default: {
        const auto lines = korvath::splitLines(bytes);
        (void)rosterdesk::backupKeyLines(lines, "fuzz.bm2");
        const auto body = rosterdesk::rosterBody(lines, 0, "fuzz.bm");
        if (body.ok())
            for (const std::string& line : body->keyLines)
                if (!rosterdesk::isKeyLine(line)) __builtin_trap();  // only key lines may reach user.ini
    }
    }
    return 0;
}
