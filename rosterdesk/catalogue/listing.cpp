#include "rosterdesk/catalogue/listing.h"

#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/int_lines.h"
#include "rosterdesk/catalogue/slots.h"

namespace fs = std::filesystem;

namespace rosterdesk {

SkipList SkipList::parse(std::string_view text) {
    SkipList list;
    forEachLine(text, [&](std::string_view line) {
        for (const std::string& name : delimitedFields(line))
            if (!name.empty()) list.names_.insert(korvath::toLowerAscii(name));
    });
    return list;
}

std::optional<SkipList> SkipList::read(const fs::path& file) {
    std::optional<std::string> text = korvath::readFileBytes(file);
    if (!text) return std::nullopt;
    return parse(*text);
}

bool SkipList::skips(std::string_view fileName) const {
    return names_.count(korvath::toLowerAscii(fileName)) != 0;
}

FileKinds classifyDescriptionText(std::string_view text) { return classifyLoweredText(korvath::toLowerAscii(text)); }

FileKinds classifyLoweredText(std::string_view lowered) {
    FileKinds kinds;
    bool first = true;
    forEachLine(lowered, [&](std::string_view line) {
        if (first) {
            first = false;
            return;
        }
        // First match wins for each line.
        if (line.find("metaclass=botpack.bot") != std::string_view::npos) {
            kinds.isClass = true;
        } else if (line.find("metaclass=botpack.voicemale") != std::string_view::npos ||
                   line.find("metaclass=botpack.voicefemale") != std::string_view::npos ||
                   line.find("metaclass=botpack.voiceboss") != std::string_view::npos) {
            kinds.isVoice = true;
        } else if (line.find("class=texture") != std::string_view::npos) {
            kinds.isSkin = true;
        }
    });
    return kinds;
}

fs::path systemFolderOf(const fs::path& gameDir) { return korvath::resolveGamePath(gameDir, "System"); }

namespace {
void addToList(std::vector<std::string>& list, const std::string& path, const ScanObserver& observer) {
    auto isFree = [](const std::string& entry) { return entry.empty(); };
    if (std::optional<std::size_t> slot = takeFreeSlot(list, isFree, 10)) {
        list[*slot] = path;
        observer.tick();
    }
}
}  // namespace

FileLists listDescriptionFiles(const fs::path& gameDir, const SkipList& skip, const ScanObserver& observer,
                               DescriptionTexts* texts) {
    FileLists lists;
    std::error_code ec;
    for (const fs::path& file : korvath::listFolderSorted(systemFolderOf(gameDir))) {
        std::string name = file.filename().string();
        if (!korvath::equalsNoCase(file.extension().string(), ".int") || !fs::is_regular_file(file, ec)) continue;
        if (skip.skips(name)) continue;
        std::optional<std::string> text = korvath::readFileBytes(file);
        if (!text) continue;
        std::string lowered = korvath::toLowerAscii(*text);
        FileKinds kinds = classifyLoweredText(lowered);
        std::string path = file.string();
        if (kinds.isClass) addToList(lists.classFiles, path, observer);
        if (kinds.isVoice) addToList(lists.voiceFiles, path, observer);
        if (kinds.isSkin) addToList(lists.skinFiles, path, observer);
        if (texts && (kinds.isClass || kinds.isVoice || kinds.isSkin)) (*texts)[path] = {std::move(*text), std::move(lowered)};
    }
    return lists;
}

std::vector<std::string> usedEntries(const std::vector<std::string>& list) {
    std::vector<std::string> used;
    for (const std::string& entry : list)
        if (!entry.empty()) used.push_back(entry);
    return used;
}

}  // namespace rosterdesk
