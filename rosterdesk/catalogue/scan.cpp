#include "rosterdesk/catalogue/scan.h"

namespace rosterdesk {

namespace {
using Analyse = void (*)(AnalysisContext&, const std::string&, std::string_view, std::string_view);

// The status text appears while the first file of the list is analysed.
void analyseList(AnalysisContext& context, const std::vector<std::string>& list, const DescriptionTexts& texts,
                 const char* status, Analyse analyse, void (*analyseFile)(AnalysisContext&, const std::string&)) {
    bool first = true;
    for (const std::string& path : list) {
        if (path.empty()) continue;
        if (first && context.observer) context.observer->say(status);
        first = false;
        auto text = texts.find(path);
        if (text != texts.end())
            analyse(context, path, text->second.text, text->second.lowered);
        else
            analyseFile(context, path);
        if (context.observer) context.observer->tick();
    }
}
}  // namespace

ScanResult scanGame(Catalogue& catalogue, const std::filesystem::path& gameDir, const SkipList& skip,
                    const SkinPatternList& patterns, BossVariant bossVariant, const ScanObserver& observer) {
    ScanResult result;
    observer.say("Locating Model & Skin files...");
    DescriptionTexts texts;
    result.lists = listDescriptionFiles(gameDir, skip, observer, &texts);
    AnalysisContext context{catalogue, patterns, bossVariant, &observer, &result.failures};
    analyseList(context, result.lists.classFiles, texts, "Analyzing Class files...", analyseClassText,
                analyseClassFile);
    analyseList(context, result.lists.skinFiles, texts, "Analyzing Skin files...", analyseSkinText, analyseSkinFile);
    analyseList(context, result.lists.voiceFiles, texts, "Analyzing Voice files...", analyseVoiceText,
                analyseVoiceFile);
    return result;
}

std::vector<AnalysisFailure> rescanSkinFiles(Catalogue& catalogue, const std::vector<std::string>& files,
                                             const SkinPatternList& patterns, BossVariant bossVariant,
                                             const ScanObserver& observer) {
    std::vector<AnalysisFailure> failures;
    AnalysisContext context{catalogue, patterns, bossVariant, &observer, &failures};
    for (const std::string& path : files)
        if (!path.empty()) analyseSkinFile(context, path);
    return failures;
}

}  // namespace rosterdesk
