#include "rosterdesk/editor/slot_editor.h"

namespace rosterdesk {

namespace {

class Flag {
public:
    explicit Flag(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Flag() { flag_ = was_; }

private:
    bool& flag_;
    bool was_;
};

}  // namespace

SlotEditor::SlotEditor(RosterSession& session, const Catalogue& catalogue)
    : session_(session), catalogue_(catalogue) {
    clearLists();
}

template <typename T>
void SlotEditor::store(T& field, const T& value, bool always) {
    if (!visible_ && !always) return;
    if (field == value) return;
    field = value;
    markModified(session_.document);
}

void SlotEditor::clearLists() {
    controls_.classes = classList({});
    controls_.skins = skinList(nullptr);
    controls_.faces = faceList(nullptr);
    controls_.voices = voiceList({}, nullptr);
}

void SlotEditor::fillFromCatalogue() {
    controls_.bot = 0;
    controls_.difficulty = 0;
    // The default roster only at program start: a restart after a changed game folder keeps
    // what the user edited.
    if (!filled_) SetDefaults(session_.roster);
    filled_ = true;
    controls_.classes = classList(catalogue_.models);
    showSlot(0);
    GetBotConfigSettings();
}

void SlotEditor::showSlot(int slot) {
    if (slot < 0 || slot >= kSlotCount) return;
    controls_.bot = slot;
    const Roster& roster = session_.roster;
    Flag cascade(cascade_), showing(showing_);
    controls_.classes.selected = indexOfName(controls_.classes, roster.BotClasses[slot]);
    storeClass();
    controls_.skins = skinList(controls_.classes.chosen());
    controls_.skins.selected = indexOfName(controls_.skins, roster.BotSkins[slot]);
    storeSkin();
    controls_.faces = faceList(controls_.skins.chosen());
    controls_.faces.selected = indexOfName(controls_.faces, roster.BotFaces[slot]);
    storeFace();
    controls_.voices = voiceList(catalogue_.voices, controls_.classes.chosen());
    controls_.voices.selected = SetVoice(controls_.voices, catalogue_.voices, roster.VoiceType[slot]);
    OtherData(slot);
}

void SlotEditor::OtherData(int slot) {
    const Roster& roster = session_.roster;
    controls_.name = roster.BotNames[slot];
    if (auto color = colorIndexFor(roster.BotTeams[slot])) controls_.color = *color;
    for (const SliderDefinition& definition : sliderDefinitions())
        controls_.sliders[static_cast<std::size_t>(definition.slider)] = (roster.*definition.field)[slot];
    controls_.jumpy = roster.BotJumpy[slot] == 1;
    if (auto style = combatStyleIndexFor(roster.CombatStyle[slot])) controls_.combatStyle = *style;
    if (auto weapon = weaponIndexFor(roster.FavoriteWeapon[slot])) controls_.favoriteWeapon = *weapon;
}

void SlotEditor::GetBotConfigSettings() {
    const Roster& roster = session_.roster;
    controls_.difficulty = roster.Difficulty >= 0 && roster.Difficulty < 8 ? roster.Difficulty : 0;
    controls_.adjustSkill = roster.bAdjustSkill;
    controls_.randomOrder = roster.bRandomOrder;
}

void SlotEditor::SetBotConfigSettings() {
    chooseDifficulty(0);
    setAdjustSkill(false);
    setRandomOrder(false);
}

void SlotEditor::newRoster() {
    newDocument(session_);
    showSlot(0);
    SetBotConfigSettings();
    EnableAll(true);
    SavedFunc(session_.document, false);
}

void SlotEditor::refreshAfterOpen() {
    Flag refreshing(session_.document.bRefreshing);
    showSlot(0);
    GetBotConfigSettings();
    EnableAll(true);
}

// "(NONE)" has no catalogue entry: chosen by the user it stores empty text; met while a
// stored slot is shown (an empty list) it leaves the stored value alone.
void SlotEditor::storeClass() {
    const ModelEntry* model = controls_.classes.chosen();
    if (!model && showing_) return;
    store(session_.roster.BotClasses[controls_.bot], model ? model->className : std::string());
}

void SlotEditor::storeSkin() {
    const SkinEntry* skin = controls_.skins.chosen();
    if (!skin && showing_) return;
    store(session_.roster.BotSkins[controls_.bot], skin ? skin->name : std::string());
}

void SlotEditor::storeFace() {
    const FaceEntry* face = controls_.faces.chosen();
    if (!face && showing_) return;
    store(session_.roster.BotFaces[controls_.bot], face ? face->name : std::string());
}

void SlotEditor::storeVoice() {
    const auto& texts = controls_.voices.texts;
    int index = controls_.voices.selected;
    if (index < 0 || index >= static_cast<int>(texts.size())) return;
    store(session_.roster.VoiceType[controls_.bot], GetVoiceCode(catalogue_.voices, texts[index]));
}

void SlotEditor::chooseClass(int index) {
    if (index < 0 || index >= static_cast<int>(controls_.classes.texts.size())) return;
    controls_.classes.selected = index;
    if (!cascade_) {
        Flag cascade(cascade_);
        controls_.skins = skinList(controls_.classes.chosen());
        storeSkin();
        controls_.faces = faceList(controls_.skins.chosen());
        storeFace();
        controls_.voices = voiceList(catalogue_.voices, controls_.classes.chosen());
        storeVoice();
    }
    storeClass();
}

void SlotEditor::chooseSkin(int index) {
    if (index < 0 || index >= static_cast<int>(controls_.skins.texts.size())) return;
    controls_.skins.selected = index;
    if (!cascade_) {
        Flag cascade(cascade_);
        controls_.faces = faceList(controls_.skins.chosen());
        storeFace();
        OtherData(controls_.bot);
    }
    storeSkin();
}

void SlotEditor::chooseFace(int index) {
    if (index < 0 || index >= static_cast<int>(controls_.faces.texts.size())) return;
    controls_.faces.selected = index;
    storeFace();
}

void SlotEditor::chooseVoice(int index) {
    if (index < 0 || index >= static_cast<int>(controls_.voices.texts.size())) return;
    controls_.voices.selected = index;
    storeVoice();
}

void SlotEditor::chooseColor(int index) {
    if (!colorIndexFor(GetColorNumber(index)) || index < 0) return;
    controls_.color = index;
    store(session_.roster.BotTeams[controls_.bot], GetColorNumber(index));
}

void SlotEditor::chooseCombatStyle(int index) {
    std::string code = combatStyleCode(index);
    if (code.empty()) return;
    controls_.combatStyle = index;
    store(session_.roster.CombatStyle[controls_.bot], code);
}

void SlotEditor::chooseFavoriteWeapon(int index) {
    if (index < 0 || index >= static_cast<int>(favoriteWeapons().size())) return;
    controls_.favoriteWeapon = index;
    store(session_.roster.FavoriteWeapon[controls_.bot], GetWeaponCode(index));
}

void SlotEditor::chooseDifficulty(int index) {
    if (difficultyName(index).empty()) return;
    controls_.difficulty = index;
    store(session_.roster.Difficulty, static_cast<std::int16_t>(index));
}

void SlotEditor::setName(const std::string& name) {
    controls_.name = name;
    store(session_.roster.BotNames[controls_.bot], name);
}

void SlotEditor::setJumpy(bool checked) {
    controls_.jumpy = checked;
    store(session_.roster.BotJumpy[controls_.bot], static_cast<std::int16_t>(checked ? 1 : 0), true);
}

void SlotEditor::setAdjustSkill(bool checked) {
    controls_.adjustSkill = checked;
    store(session_.roster.bAdjustSkill, checked, true);
}

void SlotEditor::setRandomOrder(bool checked) {
    controls_.randomOrder = checked;
    store(session_.roster.bRandomOrder, checked, true);
}

void SlotEditor::changeSlider(Slider slider, int value) {
    const SliderDefinition& definition = sliderDefinition(slider);
    if (value < definition.min || value > definition.max) return;
    controls_.sliders[static_cast<std::size_t>(slider)] = value;
    store((session_.roster.*definition.field)[controls_.bot], static_cast<std::int16_t>(value));
}

void SlotEditor::dragSlider(Slider slider, int value) {
    changeSlider(slider, value);
    // Four of the five sliders mark the roster modified on any drag, "Loaded" included.
    if (sliderDefinition(slider).dragMarksModified && !session_.document.bRefreshing) SavedFunc(session_.document, false);
}

void SlotEditor::setDescription(const std::string& description) {
    if (session_.roster.description == description) return;
    session_.roster.description = description;
    markModified(session_.document);
}

}  // namespace rosterdesk
