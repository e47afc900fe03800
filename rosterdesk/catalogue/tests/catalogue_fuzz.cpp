// Feeds arbitrary bytes to every reader of user-provided text in the catalogue.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "rosterdesk/catalogue/analysers.h"
#include "rosterdesk/catalogue/boss.h"
#include "rosterdesk/catalogue/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    using namespace rosterdesk;
    SkinPatternList patterns = parsePatterns(text);
    (void)lookupPattern(patterns, "Commando");
    (void)formatPatterns(patterns);
    Settings settings;
    parseOptions(text, settings);
    (void)SkipList::parse(text).skips("a.int");
    (void)classifyDescriptionText(text);
    (void)applyBossChoiceToText(text, 1);
    (void)detectBossVariantInText(text);

    Catalogue catalogue;
    catalogue.models[0] = {"BotPack.TMale1Bot", "Male Commando", "commando"};
    std::vector<AnalysisFailure> failures;
    for (BossVariant variant : {BossVariant::Both, BossVariant::NoFixed}) {
        AnalysisContext context{catalogue, patterns, variant, nullptr, &failures};
        analyseClassText(context, "System/skeletalcharsfix313.int", text);
        analyseClassText(context, "System/Other.int", text);
        analyseSkinText(context, "System/Skins.int", text);
        analyseVoiceText(context, "System/Voices.int", text);
    }
    return 0;
}
