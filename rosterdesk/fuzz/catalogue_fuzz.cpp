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
    // Each input goes to one reader, chosen by its length, so an input costs what one read
    // costs; mutations that change the length carry an input from reader to reader.
    Catalogue catalogue;
    catalogue.models[0] = {"BotPack.TMale1Bot", "Male Commando", "commando"};
    std::vector<AnalysisFailure> failures;
    SkinPatternList patterns{{"commando", {"CommandoSkins", ""}}};
    AnalysisContext context{catalogue, patterns, size % 2 ? BossVariant::Both : BossVariant::NoFixed, nullptr, &failures};
    switch (size % 10) {
    case 0: (void)lookupPattern(parsePatterns(text), "Commando"); break;
    case 1: {
        Settings settings;
        parseOptions(text, settings);
        break;
    }
    case 2: (void)SkipList::parse(text).skips("a.int"); break;
    case 3: (void)classifyDescriptionText(text); break;
    case 4: (void)applyBossChoiceToText(text, 1); break;
    case 5: (void)detectBossVariantInText(text); break;
    case 6: case 7: analyseClassText(context, "System/skeletalcharsfix313.int", text); break;
    case 8: analyseClassText(context, "System/Other.int", text); break;
    default:
        analyseSkinText(context, "System/Skins.int", text);
        analyseVoiceText(context, "System/Voices.int", text);
    }
    return 0;
}
