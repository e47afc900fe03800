#pragma once
// Everything the running program holds, shared by its windows.
#include <filesystem>

#include "rosterdesk/catalogue/settings.h"
#include "rosterdesk/catalogue/startup.h"
#include "rosterdesk/roster/document.h"

namespace rosterdesk {

struct ProgramState {
    std::filesystem::path home;  // the program's own folder
    Settings settings;
    CatalogueState catalogue;    // catalogue, patterns, bossVariant
    RosterSession session;       // roster and document state
    bool quietStartup = false;   // --screenshot: none of the first-start questions, no splash wait
};

}  // namespace rosterdesk
