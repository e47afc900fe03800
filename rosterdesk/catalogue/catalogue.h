#pragma once
// The catalogue built from the game's package-description files: models (bot classes) with
// their skins and faces, the voices, and the skin files that matched no model.
// Every array keeps trailing free slots (first text empty); readers skip them.
#include <string>
#include <vector>

namespace rosterdesk {

// A face (texture name, display name); also an unmatched skin file (file path, skin type).
struct FaceEntry {
    std::string name;
    std::string description;
    bool isFree() const { return name.empty() && description.empty(); }
};

struct SkinEntry {
    std::string name;         // body texture without its trailing digit, e.g. CommandoSkins.cmdo
    std::string description;  // display name
    std::vector<FaceEntry> faces = std::vector<FaceEntry>(2);
    bool isFree() const { return name.empty() && description.empty(); }
};

struct ModelEntry {
    std::string className;    // e.g. BotPack.TMale1Bot
    std::string description;  // shown in the class list
    std::string skinType;     // lower-case key tying skin packages to the model
    std::vector<SkinEntry> skins = std::vector<SkinEntry>(2);
    bool isFree() const { return className.empty(); }
};

enum class VoiceType { Male = 0, Female = 1, Boss = 2 };

struct VoiceEntry {
    std::string className;
    std::string description;
    VoiceType voiceType = VoiceType::Male;
    bool isFree() const { return className.empty(); }
};

using ModelCatalogue = std::vector<ModelEntry>;
using VoiceCatalogue = std::vector<VoiceEntry>;
using UnmatchedSkinList = std::vector<FaceEntry>;  // (skin-file path, skin type)

struct Catalogue {
    ModelCatalogue models = ModelCatalogue(2);
    VoiceCatalogue voices = VoiceCatalogue(2);
    UnmatchedSkinList unmatched = UnmatchedSkinList(2);
};

// The first model whose skin type equals `skinType` without regard to case; nullptr if none.
ModelEntry* findModelBySkinType(ModelCatalogue& models, const std::string& skinType);
const ModelEntry* findModelByDescription(const ModelCatalogue& models, const std::string& description);

// The texts of the main window's lists: every entry with a text, in catalogue order, then "(NONE)".
std::vector<std::string> classListEntries(const ModelCatalogue& models);
std::vector<std::string> skinListEntries(const ModelEntry& model);
std::vector<std::string> faceListEntries(const SkinEntry& skin);

// Lower-case name of a voice type: "male", "female", "boss".
const char* voiceTypeName(VoiceType type);

}  // namespace rosterdesk
