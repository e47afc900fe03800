#pragma once
// A small catalogue for the editor's tests: two installed models of the default roster, a
// female add-on model, and voices of every type.
#include "rosterdesk/catalogue/catalogue.h"

namespace rosterdesk::testing {

inline Catalogue testCatalogue() {
    Catalogue c;
    ModelEntry male{"BotPack.TMale1Bot", "Male Commando", "commandoskins", {}};
    male.skins = {SkinEntry{"CommandoSkins.cmdo", "Commando", {{"CommandoSkins.Blake", "Blake"},
                                                               {"CommandoSkins.Gorn", "Gorn"}, {}}},
                  SkinEntry{"CommandoSkins.daco", "Mercenary", {{"CommandoSkins.Luthor", "Luthor"}, {}}},
                  {}};
    ModelEntry female{"BotPack.TFemale1Bot", "Female Commando", "fcommandoskins", {}};
    female.skins = {SkinEntry{"FCommandoSkins.goth", "Goth", {{"FCommandoSkins.Cryss", "Cryss"}, {}}}, {}};
    ModelEntry addOn{"Amazons.Warrior", "Amazon FEMALE warrior", "amazon", {}};
    c.models = {male, female, addOn, {}};
    c.voices = {{"BotPack.VoiceMaleOne", "Male One", VoiceType::Male},
                {"BotPack.VoiceFemaleOne", "Female One", VoiceType::Female},
                {"BotPack.VoiceMaleTwo", "Male Two", VoiceType::Male},
                {"BotPack.VoiceBoss", "Boss", VoiceType::Boss},
                {}};
    return c;
}

}  // namespace rosterdesk::testing
