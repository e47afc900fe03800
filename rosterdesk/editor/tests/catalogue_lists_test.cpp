#include "rosterdesk/editor/catalogue_lists.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "rosterdesk/editor/tests/test_catalogue.h"

namespace rosterdesk {
namespace {

using ::testing::ElementsAre;

TEST(CatalogueLists, VoiceTypeFollowsTheModelDescription) {
    const std::pair<const char*, VoiceType> cases[] = {
        {"Male Commando", VoiceType::Male},   {"male soldier", VoiceType::Male},
        {"Skaarj Hybrid", VoiceType::Male},   {"Nali", VoiceType::Male},
        {"Nali WarCow", VoiceType::Male},     {"Female Commando", VoiceType::Female},
        {"FEMALE SOLDIER", VoiceType::Female}, {"Boss", VoiceType::Boss},
        {"Amazon FeMale warrior", VoiceType::Female}, {"Robot", VoiceType::Male},
        {"boss of the female", VoiceType::Female},
    };
    for (const auto& [description, type] : cases) EXPECT_EQ(voiceTypeForModel(description), type) << description;
}

TEST(CatalogueLists, ListsEndInTheirNoneEntryAndSkipFreeSlots) {
    Catalogue c = testing::testCatalogue();
    auto classes = classList(c.models);
    EXPECT_THAT(classes.texts, ElementsAre("Male Commando", "Female Commando", "Amazon FEMALE warrior", "(NONE)"));
    EXPECT_EQ(classes.selected, 0);
    EXPECT_THAT(skinList(classes.entries[0]).texts, ElementsAre("Commando", "Mercenary", "(NONE)"));
    EXPECT_THAT(faceList(&c.models[0].skins[0]).texts, ElementsAre("Blake", "Gorn", "(NONE)"));
    EXPECT_THAT(skinList(nullptr).texts, ElementsAre("(NONE)"));
    EXPECT_THAT(voiceList(c.voices, &c.models[0]).texts, ElementsAre("Male One", "Male Two", "(None Choosen)"));
    EXPECT_THAT(voiceList(c.voices, &c.models[2]).texts, ElementsAre("Female One", "(None Choosen)"));
}

TEST(CatalogueLists, LookupByNameFallsBackToTheFirstEntry) {
    Catalogue c = testing::testCatalogue();
    c.models.insert(c.models.begin() + 1, ModelEntry{"BotPack.TMale1Bot", "Second copy", "x", {}});
    auto classes = classList(c.models);
    EXPECT_EQ(indexOfName(classes, "BotPack.TFemale1Bot"), 2);
    EXPECT_EQ(indexOfName(classes, "BotPack.TMale1Bot"), 0);  // the first match
    EXPECT_EQ(indexOfName(classes, "Missing.Bot"), 0);
    EXPECT_EQ(indexOfName(skinList(classes.entries[0]), "CommandoSkins.daco"), 1);
    EXPECT_EQ(indexOfName(faceList(&c.models[0].skins[0]), "CommandoSkins.Nobody"), 0);
}

TEST(CatalogueLists, VoicesAreSetAndStoredByDescription) {
    Catalogue c = testing::testCatalogue();
    auto voices = voiceList(c.voices, &c.models[0]);
    EXPECT_EQ(SetVoice(voices, c.voices, "BotPack.VoiceMaleTwo"), 1);
    EXPECT_EQ(SetVoice(voices, c.voices, ""), 2);
    EXPECT_EQ(SetVoice(voices, c.voices, "Gone.Voice"), 2);
    EXPECT_EQ(SetVoice(voices, c.voices, "BotPack.VoiceFemaleOne"), 2);  // not in this model's list
    EXPECT_EQ(GetVoiceCode(c.voices, "Male Two"), "BotPack.VoiceMaleTwo");
    EXPECT_EQ(GetVoiceCode(c.voices, "(None Choosen)"), "(NONE)");
    EXPECT_EQ(GetVoiceCode(c.voices, "male two"), "(NONE)");
}

}  // namespace
}  // namespace rosterdesk
