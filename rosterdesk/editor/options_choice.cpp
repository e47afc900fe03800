#include "rosterdesk/editor/options_choice.h"

#include <system_error>

#include "rosterdesk/roster/folder_move.h"

namespace rosterdesk {

void applyRosterFolderChoice(const std::string& folder, Settings& settings, korvath::Interaction& ui) {
    if (folder.empty()) return;
    const std::string oldFolder = settings.ConfigPath;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    settings.ConfigPath = withTrailingSeparator(folder);
    if (!oldFolder.empty() && oldFolder != withTrailingSeparator(""))
        moveRosterFiles(oldFolder, settings.ConfigPath, ui);
}

bool applyOptionsChoice(const OptionsChoice& choice, Settings& settings, BossVariant& bossVariant,
                        const std::filesystem::path& home, korvath::Interaction& ui) {
    settings.AutoClose = choice.autoClose ? 1 : 0;
    if (korvath::Status written = writeOptions(home, settings); !written)
        ui.inform("Rosterdesk", written.error(), korvath::Icon::Warning);
    if (choice.bossChoice && bossChoiceChanges(bossVariant, *choice.bossChoice)) {
        if (korvath::Status applied = applyBossChoice(settings.KAPath, *choice.bossChoice))
            bossVariant = detectBossVariant(settings.KAPath);
        else ui.inform("Rosterdesk", applied.error(), korvath::Icon::Warning);
    }
    return choice.restart;
}

}  // namespace rosterdesk
