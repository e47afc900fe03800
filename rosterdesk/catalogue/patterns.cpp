#include "rosterdesk/catalogue/patterns.h"

#include <functional>

#include "common/files/atomic_file.h"
#include "common/files/game_path.h"
#include "common/text/text_lines.h"
#include "rosterdesk/catalogue/int_lines.h"
#include "rosterdesk/catalogue/slots.h"

namespace fs = std::filesystem;

namespace rosterdesk {

namespace {
void addSkin(SkinPattern& pattern, const std::string& skin) {
    if (std::optional<std::size_t> slot = takeFreeSlot(pattern.skins, [](const std::string& s) { return s.empty(); }))
        pattern.skins[*slot] = skin;
}

std::vector<std::string> splitAtCommas(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = line.find(',', start);
        fields.emplace_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return fields;
}
}  // namespace

SkinPatternList parsePatterns(std::string_view text, const std::function<void()>& onLine) {
    SkinPatternList patterns = emptyPatternList();
    std::size_t index = 0;
    forEachLine(text, [&](std::string_view raw) {
        std::string_view line = trimTrailingBlanks(raw);
        if (!line.empty() && index < kMaxSlots) {
            if (patterns.size() <= index) patterns.resize(index + 1);
            std::vector<std::string> fields = splitAtCommas(line);
            patterns[index].modelName = fields[0];
            for (std::size_t i = 1; i < fields.size(); ++i) addSkin(patterns[index], fields[i]);
            if (onLine) onLine();
        }
        ++index;
    });
    return patterns;
}

std::optional<SkinPatternList> readPatterns(const fs::path& file) {
    std::optional<std::string> text = korvath::readFileBytes(file);
    if (!text) return std::nullopt;
    return parsePatterns(*text);
}

std::optional<std::string> lookupPattern(const SkinPatternList& patterns, std::string_view skinType) {
    if (skinType.empty()) return std::nullopt;
    for (const SkinPattern& pattern : patterns) {
        if (pattern.modelName.empty()) continue;
        for (const std::string& skin : pattern.skins)
            if (skin == skinType) return pattern.modelName;
    }
    return std::nullopt;
}

std::string formatPatterns(const SkinPatternList& patterns) {
    std::vector<std::string> lines;
    for (const SkinPattern& pattern : patterns) {
        if (pattern.modelName.empty()) continue;
        std::string line = pattern.modelName;
        for (const std::string& skin : pattern.skins)
            if (!skin.empty()) line += "," + skin;
        lines.push_back(std::move(line));
    }
    return korvath::joinCrLf(lines);
}

std::string PatternEntry::displayText() const {
    return modelDescription.empty() ? filePath : filePath + " - " + modelDescription;
}

void removePattern(korvath::Interaction& ui, PatternEntry& entry) {
    if (ui.message({"Remove Pattern", "Are you sure?", korvath::Buttons::YesNo, korvath::Icon::Question}) ==
        korvath::Answer::Yes)
        entry.modelDescription.clear();
}

std::vector<std::string> finishPatterns(const std::vector<PatternEntry>& entries, const ModelCatalogue& models,
                                        const UnmatchedSkinList& unmatched, SkinPatternList& patterns) {
    std::vector<std::string> rescan;
    for (const PatternEntry& entry : entries) {
        if (entry.modelDescription.empty()) continue;
        const ModelEntry* model = findModelByDescription(models, entry.modelDescription);
        const FaceEntry* file = nullptr;
        for (const FaceEntry& candidate : unmatched)
            if (!candidate.isFree() && candidate.name == entry.filePath) {
                file = &candidate;
                break;
            }
        // "(NONE)" or a file the scan never saw: nothing to tie, nothing to scan again.
        if (!model || !file || file->description.empty()) continue;
        SkinPattern* pattern = nullptr;
        for (SkinPattern& candidate : patterns)
            if (!candidate.modelName.empty() && korvath::equalsNoCase(candidate.modelName, model->skinType)) {
                pattern = &candidate;
                break;
            }
        if (!pattern) {
            std::optional<std::size_t> slot =
                takeFreeSlot(patterns, [](const SkinPattern& p) { return p.modelName.empty(); });
            if (!slot) continue;
            pattern = &patterns[*slot];
            *pattern = SkinPattern{model->skinType};
        }
        bool known = false;
        for (const std::string& skin : pattern->skins) known = known || skin == file->description;
        if (!known) addSkin(*pattern, file->description);
        rescan.push_back(entry.filePath);
    }
    return rescan;
}

korvath::Status finishPatternWindow(const std::vector<PatternEntry>& entries, const ModelCatalogue& models,
                                    const UnmatchedSkinList& unmatched, SkinPatternList& patterns,
                                    const fs::path& patternFile, std::vector<std::string>& rescan) {
    rescan = finishPatterns(entries, models, unmatched, patterns);
    if (!korvath::writeFileAtomically(patternFile, formatPatterns(patterns)))
        return korvath::Status::failure("The patterns could not be written to " + patternFile.string() + ".");
    return korvath::Status::success();
}

}  // namespace rosterdesk
