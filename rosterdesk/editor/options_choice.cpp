#include "rosterdesk/editor/options_choice.h"

#include <system_error>

#include "rosterdesk/roster/folder_move.h"

namespace rosterdesk {

bool applyOptionsChoice(const OptionsChoice& choice, Settings& settings, BossVariant& bossVariant,
                        const std::filesystem::path& home, korvath::Interaction& ui) {
    if (choice.rosterFolder && !choice.rosterFolder->empty()) {
        const std::string oldFolder = settings.ConfigPath;
        std::error_code ec;
        std::filesystem::create_directories(*choice.rosterFolder, ec);
        settings.ConfigPath = *choice.rosterFolder;
        if (!oldFolder.empty() && oldFolder != withTrailingSeparator(""))
            moveRosterFiles(oldFolder, settings.ConfigPath, ui);
    }
    const bool restart = choice.gameFolder && changeGameFolder(ui, settings, *choice.gameFolder);
    settings.AutoClose = choice.autoClose ? 1 : 0;
    // Start-up reads options.ini again, so a new game folder must be in it first.
    if (korvath::Status written = writeOptions(home, settings); !written)
        ui.inform("Rosterdesk", written.error(), korvath::Icon::Warning);
    if (choice.bossChoice && bossChoiceChanges(bossVariant, *choice.bossChoice)) {
        if (korvath::Status applied = applyBossChoice(settings.KAPath, *choice.bossChoice))
            bossVariant = detectBossVariant(settings.KAPath);
        else ui.inform("Rosterdesk", applied.error(), korvath::Icon::Warning);
    }
    return restart;
}

}  // namespace rosterdesk
