#include "rosterdesk/roster/roster.h"

namespace rosterdesk {

namespace {

struct DefaultSlot {
    const char* name;
    const char* botClass;
    const char* skin;
    const char* face;
    const char* combatStyle;
    std::int16_t alertness;
    std::int16_t camping;
    std::int16_t strafing;
    const char* weapon;
    std::int16_t jumpy;
};

// The defaults' weapons keep the package's lower-case spelling ("Botpack."), as the game's own
// roster has them.
constexpr DefaultSlot kDefaults[kSlotCount] = {
    {"Archon", "BotPack.TMale1Bot", "CommandoSkins.cmdo", "CommandoSkins.Blake", "0.000000", 0, 0, 0, "", 0},
    {"Aryss", "BotPack.TFemale2Bot", "SGirlSkins.fbth", "SGirlSkins.Aryss", "0.000000", 0, 0, 0, "", 0},
    {"Alarik", "BotPack.TMale2Bot", "SoldierSkins.blkt", "SoldierSkins.Malcom", "0.000000", 0, 0, 0, "", 0},
    {"Dessloch", "BotPack.TMale1Bot", "CommandoSkins.daco", "CommandoSkins.Luthor", "0.000000", 0, 0, 0, "", 0},
    {"Cryss", "BotPack.TFemale1Bot", "FCommandoSkins.goth", "FCommandoSkins.Cryss", "0.000000", 0, 0, 0, "", 0},
    {"Nikita", "BotPack.TFemale1Bot", "FCommandoSkins.goth", "FCommandoSkins.Visse", "0.000000", 0, 0, 0, "", 0},
    {"Drimacus", "BotPack.TMale2Bot", "SoldierSkins.RawS", "SoldierSkins.Kregore", "0.000000", 0, 0, 0, "", 0},
    {"Rhea", "BotPack.TFemale2Bot", "SGirlSkins.Venm", "SGirlSkins.Cilia", "0.000000", 0, 0, 0, "", 0},
    {"Raynor", "BotPack.TMale1Bot", "CommandoSkins.goth", "CommandoSkins.Kragoth", "0.000000", 0, 0, 0, "", 0},
    {"Kira", "BotPack.TFemale1Bot", "FCommandoSkins.daco", "FCommandoSkins.Tanya", "0.000000", 0, 0, 0, "", 0},
    {"Karag", "BotPack.TMale2Bot", "SoldierSkins.sldr", "SoldierSkins.Johnson", "0.000000", 0, 0, 0, "", 0},
    {"Zenith", "BotPack.TMale1Bot", "CommandoSkins.daco", "CommandoSkins.Boris", "0.000000", 0, 0, 0, "", 0},
    {"Cali", "BotPack.TFemale2Bot", "SGirlSkins.Garf", "SGirlSkins.Vixen", "0.000000", 0, 0, 0, "", 0},
    {"Alys", "BotPack.TFemale2Bot", "SGirlSkins.army", "SGirlSkins.Sara", "0.000000", 0, 0, 0, "", 0},
    {"Kosak", "BotPack.TMale2Bot", "SoldierSkins.blkt", "SoldierSkins.Othello", "0.000000", 0, 0, 0, "", 0},
    {"Illana", "BotPack.TFemale1Bot", "FCommandoSkins.daco", "FCommandoSkins.Kyla", "0.000000", 0, 0, 0, "", 0},
    {"Barak", "BotPack.TMale1Bot", "CommandoSkins.cmdo", "CommandoSkins.Gorn", "0.000000", 0, 0, 0, "Botpack.KA_FlakCannon", 0},
    {"Kara", "BotPack.TFemale2Bot", "SGirlSkins.fbth", "SGirlSkins.Annaka", "0.000000", 0, 0, 5, "Botpack.KA_Eightball", 0},
    {"Tamerlane", "BotPack.TMale2Bot", "SoldierSkins.blkt", "SoldierSkins.Riker", "-0.500000", -30, 10, 0, "Botpack.SniperRifle", 0},
    {"Arachne", "BotPack.TFemale1Bot", "FCommandoSkins.goth", "FCommandoSkins.Malise", "-0.500000", 0, 0, 0, "Botpack.SniperRifle", 0},
    {"Liche", "BotPack.TMale1Bot", "CommandoSkins.daco", "CommandoSkins.Ramirez", "-1.000000", 30, 0, 5, "", 0},
    {"Jared", "BotPack.TFemale1Bot", "FCommandoSkins.goth", "FCommandoSkins.Freylis", "-0.500000", 0, 0, 10, "", 0},
    {"Ichthys", "BotPack.TMale2Bot", "SoldierSkins.RawS", "SoldierSkins.Arkon", "0.500000", 30, 0, 5, "Botpack.PulseGun", 0},
    {"Tamara", "BotPack.TFemale2Bot", "SGirlSkins.Venm", "SGirlSkins.Sarena", "1.000000", 0, 0, 5, "", 0},
    {"Loque", "BotPack.TMale1Bot", "CommandoSkins.goth", "CommandoSkins.Grail", "0.000000", 30, 0, 5, "", 0},
    {"Athena", "BotPack.TFemale1Bot", "FCommandoSkins.daco", "FCommandoSkins.Mariana", "0.000000", 0, 0, 5, "Botpack.Minigun2", 0},
    {"Cilia", "BotPack.TMale2Bot", "SoldierSkins.sldr", "SoldierSkins.Rankin", "0.500000", 0, 0, 5, "", 0},
    {"Sarena", "BotPack.TFemale2Bot", "SGirlSkins.Garf", "SGirlSkins.Isis", "0.000000", 0, 0, 0, "Botpack.ShockRifle", 0},
    {"Malakai", "BotPack.TMale1Bot", "CommandoSkins.daco", "CommandoSkins.Graves", "0.000000", 0, 5, 0, "Botpack.ShockRifle", 0},
    {"Visse", "BotPack.TFemale2Bot", "SGirlSkins.army", "SGirlSkins.Lauren", "0.000000", 40, 0, 10, "", 0},
    {"Necroth", "BotPack.TMale2Bot", "SoldierSkins.blkt", "SoldierSkins.Malcom", "0.500000", 0, 0, 0, "", 1},
    {"Kragoth", "BotPack.TFemale1Bot", "FCommandoSkins.daco", "FCommandoSkins.Jayce", "0.000000", 0, 0, 0, "", 1},
};

}  // namespace

void SetDefaults(Roster& roster) {
    for (int i = 0; i < kSlotCount; ++i) {
        const DefaultSlot& slot = kDefaults[i];
        roster.BotNames[i] = slot.name;
        // Even slots have no team; odd slots cycle red, blue, green, gold.
        roster.BotTeams[i] = static_cast<std::int16_t>(i % 2 == 0 ? 255 : (i / 2) % 4);
        roster.BotClasses[i] = slot.botClass;
        roster.BotSkins[i] = slot.skin;
        roster.BotFaces[i] = slot.face;
        roster.VoiceType[i].clear();
        roster.BotSkills[i] = 0;
        roster.BotAccuracy[i] = 0;
        roster.CombatStyle[i] = slot.combatStyle;
        roster.Alertness[i] = slot.alertness;
        roster.Camping[i] = slot.camping;
        roster.StrafingAbility[i] = slot.strafing;
        roster.FavoriteWeapon[i] = slot.weapon;
        roster.BotJumpy[i] = slot.jumpy;
    }
}

Roster defaultRoster() {
    Roster roster;
    SetDefaults(roster);
    return roster;
}

std::string_view difficultyName(int difficulty) {
    static constexpr std::string_view kNames[] = {"Novice", "Average", "Experienced", "Skilled",
                                                  "Adept",  "Masterful", "In Human", "Godlike"};
    if (difficulty < 0 || difficulty >= 8) return {};
    return kNames[difficulty];
}

std::string_view teamName(int team) {
    switch (team) {
        case 255: return "None";
        case 0: return "Red";
        case 1: return "Blue";
        case 2: return "Green";
        case 3: return "Gold";
        default: return {};
    }
}

}  // namespace rosterdesk
