#pragma once
// Skin-to-model patterns (pattern.ini): each line names a model's skin type and then the skin
// types of packages that belong to that model.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/interaction/interaction.h"
#include "common/result.h"
#include "rosterdesk/catalogue/catalogue.h"

namespace rosterdesk {

struct SkinPattern {
    std::string modelName;  // a model's skin type, e.g. commando
    std::vector<std::string> skins = std::vector<std::string>(2);  // trailing free slots
};

using SkinPatternList = std::vector<SkinPattern>;

inline SkinPatternList emptyPatternList() { return SkinPatternList(2); }

// pattern.ini's text. Entries are indexed by line, so an empty line leaves its entry empty.
// `onLine` is called once per pattern line (start-up's progress step).
SkinPatternList parsePatterns(std::string_view text, const std::function<void()>& onLine = {});
// nullopt when the file cannot be read.
std::optional<SkinPatternList> readPatterns(const std::filesystem::path& file);

// The model name of the first pattern, in file order, whose skins hold `skinType` exactly.
std::optional<std::string> lookupPattern(const SkinPatternList& patterns, std::string_view skinType);

// One line per pattern with a model name: the model name and its skins joined by ",".
std::string formatPatterns(const SkinPatternList& patterns);

// An entry of the pattern window's file list: an unmatched skin file and the description of
// the model the user tied it to (empty while it has none).
struct PatternEntry {
    std::string filePath;
    std::string modelDescription;
    // As the list shows it: the path, then " - " and the model when there is one.
    std::string displayText() const;
};

// "Remove Pattern": asks "Are you sure?" and on Yes unties the entry from its model.
void removePattern(korvath::Interaction& ui, PatternEntry& entry);

// The pattern window's Finished: each entry with a model adds the file's skin type to the
// pattern of that model (a new pattern when it has none), and its file joins the re-scan list,
// which is returned. Entries whose model or file the catalogue does not know are left out.
std::vector<std::string> finishPatterns(const std::vector<PatternEntry>& entries, const ModelCatalogue& models,
                                        const UnmatchedSkinList& unmatched, SkinPatternList& patterns);

// Finished in full: finishPatterns, then pattern.ini rewritten from the patterns. `rescan` gets
// finishPatterns' list also when the file could not be written.
korvath::Status finishPatternWindow(const std::vector<PatternEntry>& entries, const ModelCatalogue& models,
                                    const UnmatchedSkinList& unmatched, SkinPatternList& patterns,
                                    const std::filesystem::path& patternFile, std::vector<std::string>& rescan);

}  // namespace rosterdesk
