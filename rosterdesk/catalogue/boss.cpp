#include "rosterdesk/catalogue/boss.h"

#include <array>
#include <utility>
#include <vector>

#include "common/files/atomic_file.h"
#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/int_lines.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {
enum class Group { None, PlainFixed, MaleVoices };

bool isObjectLine(std::string_view line) { return !line.empty() && (line[0] == 'o' || line[0] == 'O'); }

Group groupOf(std::string_view line) {
    if (!isObjectLine(line)) return Group::None;
    std::string_view last = lastCommaField(line);
    std::size_t eq = last.find('=');
    std::string description = korvath::toLowerAscii(unwrapValue(eq == std::string_view::npos ? last : last.substr(eq + 1)));
    if (description == "warboss [fixed]" || description == "xan ii [fixed]") return Group::PlainFixed;
    if (description == "warboss [fixed/male voices]" || description == "xan ii [fixed/male voices]" ||
        description == "xan mark ii [fixed/male voices]")
        return Group::MaleVoices;
    return Group::None;
}
}  // namespace

fs::path bossAddOnFile(const fs::path& gameDir) {
    return korvath::resolveGamePath(gameDir, "system\\skeletalcharsfix313.int");
}

bool bossAddOnPresent(const fs::path& gameDir) {
    std::error_code ec;
    return fs::is_regular_file(bossAddOnFile(gameDir), ec);
}

BossVariant detectBossVariantInText(std::string_view text) {
    bool plain = false, male = false;
    forEachLine(text, [&](std::string_view line) {
        Group group = groupOf(line);
        plain = plain || group == Group::PlainFixed;
        male = male || group == Group::MaleVoices;
    });
    if (!plain) return BossVariant::NoFixed;
    return male ? BossVariant::Both : BossVariant::FixedOnly;
}

BossVariant detectBossVariant(const fs::path& gameDir) {
    std::optional<std::string> text = korvath::readFileBytes(bossAddOnFile(gameDir));
    return text ? detectBossVariantInText(*text) : BossVariant::NoFixed;
}

std::string applyBossChoiceToText(std::string_view text, int choice) {
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view raw) {
        std::string_view line = trimTrailingBlanks(raw);
        if (line.size() >= 2 && line[0] == ';' && (line[1] == 'o' || line[1] == 'O')) line.remove_prefix(1);
        Group group = groupOf(line);
        bool off = (group == Group::PlainFixed && choice == 1) || (group == Group::MaleVoices && choice == 2);
        lines.push_back(off ? ";" + std::string(line) : std::string(line));
    });
    return korvath::joinCrLf(lines);
}

korvath::Status applyBossChoice(const fs::path& gameDir, int choice) {
    fs::path file = bossAddOnFile(gameDir);
    std::optional<std::string> text = korvath::readFileBytes(file);
    if (!text) return korvath::Status::failure("The file " + file.string() + " could not be read.");
    if (!korvath::writeFileAtomically(file, applyBossChoiceToText(*text, choice)))
        return korvath::Status::failure("The file " + file.string() + " could not be written.");
    return korvath::Status::success();
}

std::optional<std::string> bossClassSkinType(std::string_view className) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kTable{{
        {"skeletalcharsfix313.warbossbotfix313", "warbossfixed"},
        {"skeletalcharsfix313.xanmk2botfix313", "xanfixed"},
        {"skeletalcharsfix313.warbossmbotfix313", "warbossfixedmale"},
        {"skeletalcharsfix313.xanmk2mbotfix313", "xanfixedmale"},
        {"skeletalchars.warbossbot", "warboss"},
        {"skeletalchars.xanmk2bot", "xanmk2"},
    }};
    std::string lowered = korvath::toLowerAscii(className);
    for (const auto& [name, type] : kTable)
        if (lowered == name) return std::string(type);
    return std::nullopt;
}

std::string bossPackageSkinType(const std::string& skinType) {
    std::string lowered = korvath::toLowerAscii(skinType);
    if (lowered == "newxan") return "xanfixed";
    if (lowered == "warmachineboss") return "warbossfixed";
    return skinType;
}

std::optional<std::string> bossPartnerSkinType(std::string_view skinType) {
    std::string lowered = korvath::toLowerAscii(skinType);
    if (lowered == "xanfixed") return "xanfixedmale";
    if (lowered == "xanfixedmale") return "xanfixed";
    if (lowered == "warbossfixed") return "warbossfixedmale";
    if (lowered == "warbossfixedmale") return "warbossfixed";
    return std::nullopt;
}

BossDialogState bossDialogState(BossVariant detected) {
    switch (detected) {
        case BossVariant::FixedOnly: return {1, "Your current choice is marked below."};
        case BossVariant::NoFixed: return {0, "Your current choice is marked below."};
        case BossVariant::Both: break;
    }
    return {2, "Currently both boss models are turned on.  You only need one turned on.  I recommend the first "
               "choice below."};
}

int bossChoiceForDialogOption(int option) {
    if (option == 0) return 1;
    if (option == 1) return 2;
    return 0;
}

korvath::Status runBossDialog(korvath::Interaction& ui, const fs::path& gameDir,
                              const std::function<int(const BossDialogState&)>& show) {
    BossDialogState state = bossDialogState(detectBossVariant(gameDir));
    int option = ui.runDialog("dlgNewBoss", [&] { return show ? show(state) : state.selectedOption; });
    return applyBossChoice(gameDir, bossChoiceForDialogOption(option));
}

int bossOptionsTabIndex(BossVariant current) {
    switch (current) {
        case BossVariant::FixedOnly: return 2;
        case BossVariant::NoFixed: return 1;
        case BossVariant::Both: break;
    }
    return 0;
}

bool bossChoiceChanges(BossVariant current, int choice) { return bossOptionsTabIndex(current) != choice; }

}  // namespace rosterdesk
