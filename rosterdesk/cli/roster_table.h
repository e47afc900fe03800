#pragma once
// The roster as a text table for `rosterdesk-cli show`.
#include <string>

#include "rosterdesk/roster/roster.h"

namespace rosterdesk {

// One row per slot (values as the window's controls show them), then the roster-wide settings.
std::string formatRosterTable(const Roster& roster);

}  // namespace rosterdesk
