#pragma once
// What the options dialog hands back, and the flow that applies it once OK closed the dialog:
// folders are made, roster files moved, options.ini written and the boss add-on changed only
// here, never in the dialog.
#include <filesystem>
#include <optional>
#include <string>

#include "common/interaction/interaction.h"
#include "rosterdesk/catalogue/boss.h"
#include "rosterdesk/catalogue/settings.h"

namespace rosterdesk {

struct OptionsChoice {
    // Chosen with Change and "Save Configuration Path:" (with a trailing separator).
    std::optional<std::string> rosterFolder;
    // Another game folder chosen with Change and "KA Path:", already found valid.
    std::optional<std::string> gameFolder;
    // The Boss tab's index (0 both, 1 male voices only, 2 [Fixed] only); nullopt when the
    // add-on is not installed and the tab's options are disabled.
    std::optional<int> bossChoice;
    bool autoClose = false;
};

// Applies `choice` in the dialog's order: the roster folder (made when missing, the old one's
// roster files moved as answered), the game folder ("Restart Rosterdesk", RestartPending),
// AutoClose, options.ini in `home`, then the boss choice when it changes the add-on. Failures
// are shown through `ui`. True when start-up must run again.
bool applyOptionsChoice(const OptionsChoice& choice, Settings& settings, BossVariant& bossVariant,
                        const std::filesystem::path& home, korvath::Interaction& ui);

}  // namespace rosterdesk
