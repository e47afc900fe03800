#include "rosterdesk/editor/slot_editor.h"

#include <gtest/gtest.h>

#include "rosterdesk/editor/tests/test_catalogue.h"

namespace rosterdesk {
namespace {

class SlotEditorTest : public ::testing::Test {
protected:
    Catalogue catalogue = testing::testCatalogue();
    RosterSession session;
    SlotEditor editor{session, catalogue};

    // The window as the user meets it: filled at start-up, then shown, then a new roster.
    void startVisible() {
        editor.fillFromCatalogue();
        editor.setVisible(true);
        editor.newRoster();
    }
    void saved() { SavedFunc(session.document, true); }
    const EditorControls& shown() const { return editor.controls(); }
};

TEST_F(SlotEditorTest, NothingButTheCheckBoxesStoresBeforeTheWindowIsVisible) {
    session.roster.BotClasses[0] = "Missing.Bot";  // not installed: the list shows its first model
    editor.fillFromCatalogue();
    Roster before = session.roster;
    EXPECT_EQ(shown().classes.selected, 0);
    editor.chooseClass(1);
    editor.setName("Other");
    editor.changeSlider(Slider::Accuracy, 50);
    EXPECT_EQ(session.roster, before);
    editor.setJumpy(true);
    editor.setRandomOrder(true);
    EXPECT_EQ(session.roster.BotJumpy[0], 1);
    EXPECT_TRUE(session.roster.bRandomOrder);
    EXPECT_EQ(session.document.state, SavedState::None);
}

TEST_F(SlotEditorTest, ShowingInstalledSlotsChangesNothing) {
    startVisible();
    saved();
    Roster before = session.roster;
    editor.showSlot(3);  // TMale1Bot, daco, Luthor: all installed
    EXPECT_EQ(shown().classes.selected, 0);
    EXPECT_EQ(shown().skins.selected, 1);
    EXPECT_EQ(shown().faces.texts[shown().faces.selected], "Luthor");
    EXPECT_EQ(shown().voices.texts[shown().voices.selected], "(None Choosen)");
    EXPECT_EQ(shown().color, 2);  // slot 3 is blue
    editor.showSlot(0);
    EXPECT_EQ(session.roster, before);
    EXPECT_TRUE(IsSaved(session.document));
}

TEST_F(SlotEditorTest, ShowingASlotReplacesWhatIsNotInstalledWithTheFirstEntries) {
    startVisible();
    session.roster.BotClasses[3] = "Gone.Bot";
    session.roster.BotSkins[4] = "FCommandoSkins.none";  // slot 4: TFemale1Bot installed, skin not
    saved();
    editor.showSlot(3);
    EXPECT_EQ(session.roster.BotClasses[3], "BotPack.TMale1Bot");
    EXPECT_EQ(session.roster.BotSkins[3], "CommandoSkins.daco");  // held by the first model
    editor.showSlot(4);
    EXPECT_EQ(session.roster.BotSkins[4], "FCommandoSkins.goth");
    EXPECT_EQ(session.roster.BotFaces[4], "FCommandoSkins.Cryss");
    EXPECT_EQ(session.document.state, SavedState::Modified);
}

TEST_F(SlotEditorTest, OtherDataShowsStoredValuesAndLeavesUnknownOnesAlone) {
    startVisible();
    struct Case {
        const char* style;
        int styleIndex;
        const char* weapon;
        int weaponIndex;
    };
    const Case cases[] = {{"0.000000", 4, "", 0}, {"0.500000", 0, "BotPack.PulseGun", 8},
                          {"-1.000000", 1, "BotPack.Translocator", 14}, {"0.3", 1, "Botpack.PulseGun", 14}};
    for (const Case& c : cases) {
        session.roster.CombatStyle[7] = c.style;
        session.roster.FavoriteWeapon[7] = c.weapon;
        editor.showSlot(7);
        EXPECT_EQ(shown().combatStyle, c.styleIndex) << c.style;
        EXPECT_EQ(shown().favoriteWeapon, c.weaponIndex) << c.weapon;
    }
    EXPECT_EQ(session.roster.CombatStyle[7], "0.3");  // unmatched: shown as before, not stored
    session.roster.Alertness[18] = -30;
    editor.showSlot(18);
    EXPECT_EQ(shown().sliders[static_cast<int>(Slider::Alertness)], -30);
    EXPECT_EQ(shown().name, "Tamerlane");
    EXPECT_EQ(shown().color, 0);  // even slots: no team
}

TEST_F(SlotEditorTest, ChoosingAClassCascadesThroughSkinFaceAndVoice) {
    startVisible();
    editor.showSlot(1);  // TFemale2Bot is not installed; replaced by Male Commando
    editor.chooseClass(1);  // Female Commando
    EXPECT_EQ(session.roster.BotClasses[1], "BotPack.TFemale1Bot");
    EXPECT_EQ(session.roster.BotSkins[1], "FCommandoSkins.goth");
    EXPECT_EQ(session.roster.BotFaces[1], "FCommandoSkins.Cryss");
    EXPECT_EQ(session.roster.VoiceType[1], "BotPack.VoiceFemaleOne");
    EXPECT_EQ(shown().voices.selected, 0);

    editor.chooseClass(0);
    editor.chooseSkin(1);  // Mercenary: faces refilled, first face stored
    EXPECT_EQ(session.roster.BotSkins[1], "CommandoSkins.daco");
    EXPECT_EQ(session.roster.BotFaces[1], "CommandoSkins.Luthor");
    editor.chooseFace(1);  // "(NONE)"
    EXPECT_EQ(session.roster.BotFaces[1], "");
    editor.chooseVoice(2);  // "(None Choosen)"
    EXPECT_EQ(session.roster.VoiceType[1], "(NONE)");

    editor.chooseClass(3);  // "(NONE)": the dependent lists hold only their none entries
    EXPECT_EQ(session.roster.BotClasses[1], "");
    EXPECT_EQ(shown().skins.texts.size(), 1u);
}

TEST_F(SlotEditorTest, EditsMarkSavedModifiedButLeaveLoaded) {
    startVisible();
    saved();
    editor.setName(session.roster.BotNames[0]);  // unchanged value: still saved
    EXPECT_TRUE(IsSaved(session.document));
    editor.chooseColor(3);
    EXPECT_EQ(session.roster.BotTeams[0], 2);
    EXPECT_EQ(session.document.state, SavedState::Modified);

    LoadedFunc(session.document);
    editor.changeSlider(Slider::Accuracy, 35);
    editor.chooseCombatStyle(2);
    editor.setDescription("new words");
    EXPECT_EQ(session.document.state, SavedState::Loaded);
    EXPECT_EQ(session.roster.CombatStyle[0], "1.000000");
    EXPECT_EQ(session.roster.BotAccuracy[0], 35);
}

TEST_F(SlotEditorTest, DraggingFourSlidersMarksLoadedModifiedButNotAlertness) {
    startVisible();
    for (Slider slider : {Slider::SkillAdjust, Slider::Accuracy, Slider::Camping, Slider::Strafing}) {
        LoadedFunc(session.document);
        editor.dragSlider(slider, sliderDefinition(slider).max);
        EXPECT_EQ(session.document.state, SavedState::Modified) << sliderDefinition(slider).control;
    }
    LoadedFunc(session.document);
    editor.dragSlider(Slider::Alertness, 35);
    EXPECT_EQ(session.document.state, SavedState::Loaded);
    EXPECT_EQ(session.roster.Alertness[0], 35);
    saved();
    editor.dragSlider(Slider::Alertness, 40);
    EXPECT_EQ(session.document.state, SavedState::Modified);
}

TEST_F(SlotEditorTest, RefreshAfterOpenKeepsLoadedAndShowsRosterSettings) {
    editor.fillFromCatalogue();
    editor.setVisible(true);
    session.roster.Difficulty = 5;
    session.roster.bAdjustSkill = true;
    session.roster.BotClasses[0] = "Gone.Bot";
    LoadedFunc(session.document);
    editor.refreshAfterOpen();
    EXPECT_EQ(session.document.state, SavedState::Loaded);
    EXPECT_EQ(session.roster.BotClasses[0], "BotPack.TMale1Bot");
    EXPECT_EQ(shown().difficulty, 5);
    EXPECT_TRUE(shown().adjustSkill);
    EXPECT_TRUE(shown().enabled);
}

TEST_F(SlotEditorTest, NewResetsRosterSettingsKeepsDescriptionAndARestartKeepsEdits) {
    editor.fillFromCatalogue();
    editor.setVisible(true);
    session.roster.Difficulty = 4;
    session.roster.bRandomOrder = true;
    session.roster.description = "kept";
    session.roster.BotNames[2] = "Edited";
    editor.newRoster();
    EXPECT_EQ(session.roster.Difficulty, 0);
    EXPECT_FALSE(session.roster.bRandomOrder);
    EXPECT_EQ(session.roster.description, "kept");
    EXPECT_EQ(session.roster.BotNames[2], "Alarik");
    EXPECT_EQ(session.document.fileLabel, "(Un-Named)");
    EXPECT_EQ(session.document.state, SavedState::Modified);

    session.roster.BotNames[2] = "Edited";
    editor.clearLists();
    editor.fillFromCatalogue();
    EXPECT_EQ(session.roster.BotNames[2], "Edited");
}

}  // namespace
}  // namespace rosterdesk
