#pragma once
// The options dialog's flows. Change applies a chosen folder at once (applyRosterFolderChoice,
// or changeGameFolder of settings.h); OK hands back an OptionsChoice, which applyOptionsChoice
// applies: AutoClose, options.ini and the boss add-on. The dialog itself changes nothing.
#include <filesystem>
#include <optional>
#include <string>

#include "common/interaction/interaction.h"
#include "rosterdesk/catalogue/boss.h"
#include "rosterdesk/catalogue/settings.h"

namespace rosterdesk {

struct OptionsChoice {
    // Change with "KA Path:" chose another game folder: start-up must run again.
    bool restart = false;
    // The Boss tab's index (0 both, 1 male voices only, 2 [Fixed] only); nullopt when the
    // add-on is not installed and the tab's options are disabled.
    std::optional<int> bossChoice;
    bool autoClose = false;
};

// Change with "Save Configuration Path:": `folder` (made when missing) becomes the roster
// folder, the old one's roster files moved as answered.
void applyRosterFolderChoice(const std::string& folder, Settings& settings, korvath::Interaction& ui);

// OK: AutoClose, options.ini in `home` (start-up reads it again after a game-folder change),
// then the boss choice when it changes the add-on. Failures are shown through `ui`. True when
// start-up must run again.
bool applyOptionsChoice(const OptionsChoice& choice, Settings& settings, BossVariant& bossVariant,
                        const std::filesystem::path& home, korvath::Interaction& ui);

}  // namespace rosterdesk
