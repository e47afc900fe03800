#pragma once
// The boss-model add-on: its description file declares each of two boss models twice, as a
// "[Fixed]" class and as a "[Fixed/Male Voices]" class. Which group is active is read from the
// file, and a group is switched off by commenting its lines out.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/interaction/interaction.h"
#include "common/result.h"

namespace rosterdesk {

enum class BossVariant {
    Both = 0,        // both groups active
    FixedOnly = 1,   // only the "[Fixed]" group active
    NoFixed = 2,     // the "[Fixed]" group is off (male voices alone, or neither)
};

// The add-on's description file under the game folder (any letter case).
std::filesystem::path bossAddOnFile(const std::filesystem::path& gameDir);
bool bossAddOnPresent(const std::filesystem::path& gameDir);

// The variant the file's text describes.
BossVariant detectBossVariantInText(std::string_view text);
// The variant of the game's add-on file; NoFixed when the file is absent (no group is active).
BossVariant detectBossVariant(const std::filesystem::path& gameDir);

// The file's text with choice 0 (both on), 1 (male voices only) or 2 ([Fixed] only) applied.
std::string applyBossChoiceToText(std::string_view text, int choice);
// Rewrites the game's add-on file for the choice; the file is replaced only when complete.
korvath::Status applyBossChoice(const std::filesystem::path& gameDir, int choice);

// The skin type the class analyser gives an add-on class, when it is one of the add-on's.
std::optional<std::string> bossClassSkinType(std::string_view className);
// An add-on skin package's type after the general rule: newxan -> xanfixed, warmachineboss ->
// warbossfixed; any other type is returned as it is.
std::string bossPackageSkinType(const std::string& skinType);
// The other variant of a boss model's skin type (xanfixed <-> xanfixedmale, ...), if any.
std::optional<std::string> bossPartnerSkinType(std::string_view skinType);

// The first-run boss dialog (dlgNewBoss): its options in index order are
// 0 "[Fixed/Male Voices] Only", 1 "[Fixed] Only", 2 "Both".
struct BossDialogState {
    int selectedOption = 2;
    std::string statusText;
};
BossDialogState bossDialogState(BossVariant detected);
// The choice that dlgNewBoss's OK applies for the selected option.
int bossChoiceForDialogOption(int option);
// Runs dlgNewBoss: detects the variant, shows the dialog through `ui` (named "dlgNewBoss",
// `show` draws it and returns the selected option) and applies the choice.
korvath::Status runBossDialog(korvath::Interaction& ui, const std::filesystem::path& gameDir,
                              const std::function<int(const BossDialogState&)>& show);

// The options dialog's Boss tab orders its options 0 "Both", 1 "[Fixed/Male Voices] Only",
// 2 "[Fixed] Only"; its index is the choice to apply.
int bossOptionsTabIndex(BossVariant current);
// Whether applying `choice` changes the state `current` describes.
bool bossChoiceChanges(BossVariant current, int choice);

}  // namespace rosterdesk
