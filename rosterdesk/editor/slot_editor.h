#pragma once
// What the main window's editing controls show and how each change reaches the roster: the
// slot shown, the class -> skin -> face -> voice cascade, the store rule (nothing is stored
// before the window is visible, except by the check boxes) and the mark-modified rule. The
// window mirrors `controls()` into its widgets and calls one handler per user change.
#include <array>
#include <string>

#include "rosterdesk/catalogue/catalogue.h"
#include "rosterdesk/editor/catalogue_lists.h"
#include "rosterdesk/editor/editor_tables.h"
#include "rosterdesk/roster/document.h"

namespace rosterdesk {

struct EditorControls {
    int bot = 0;  // cmbBot
    std::string name;
    int color = 0;
    CatalogueList<ModelEntry> classes;
    CatalogueList<SkinEntry> skins;
    CatalogueList<FaceEntry> faces;
    CatalogueList<VoiceEntry> voices;
    std::array<int, 5> sliders{};  // by Slider
    bool jumpy = false;
    int combatStyle = -1;
    int favoriteWeapon = -1;
    int difficulty = 0;
    bool adjustSkill = false;
    bool randomOrder = false;
    bool enabled = false;  // EnableAll: off until New or Open
};

class SlotEditor {
public:
    SlotEditor(RosterSession& session, const Catalogue& catalogue);

    const EditorControls& controls() const { return controls_; }
    // The store rule: the window tells whether it is visible.
    void setVisible(bool visible) { visible_ = visible; }

    // Start-up's preparation: lists from the catalogue, the default roster, slot 0 and the
    // roster-wide settings shown. Run again after the catalogue was rebuilt.
    void fillFromCatalogue();
    // Drops every list entry that points into the catalogue (before it is rebuilt).
    void clearLists();

    void showSlot(int slot);  // cmbBot
    void GetBotConfigSettings();
    void SetBotConfigSettings();  // "Novice", clear, clear
    void EnableAll(bool enabled) { controls_.enabled = enabled; }

    // New after its prompt; Open after the file was read into the roster.
    void newRoster();
    void refreshAfterOpen();

    void chooseClass(int index);
    void chooseSkin(int index);
    void chooseFace(int index);
    void chooseVoice(int index);
    void chooseColor(int index);
    void chooseCombatStyle(int index);
    void chooseFavoriteWeapon(int index);
    void chooseDifficulty(int index);
    void setName(const std::string& name);
    void setJumpy(bool checked);
    void setAdjustSkill(bool checked);
    void setRandomOrder(bool checked);
    // A slider's change handler (click, key, release) and its scroll handler (thumb dragged).
    void changeSlider(Slider slider, int value);
    void dragSlider(Slider slider, int value);
    // The description dialog's Apply.
    void setDescription(const std::string& description);

private:
    template <typename T>
    void store(T& field, const T& value, bool always = false);
    void OtherData(int slot);
    void storeClass();
    void storeSkin();
    void storeFace();
    void storeVoice();

    RosterSession& session_;
    const Catalogue& catalogue_;
    EditorControls controls_;
    bool visible_ = false;
    bool cascade_ = false;  // a slot, class or skin change is refilling the dependent lists
    bool showing_ = false;  // the lists are being set from a stored slot
    bool filled_ = false;   // the lists were filled once
};

}  // namespace rosterdesk
