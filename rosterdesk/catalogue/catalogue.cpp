#include "rosterdesk/catalogue/catalogue.h"

#include "common/files/game_path.h"

namespace rosterdesk {

ModelEntry* findModelBySkinType(ModelCatalogue& models, const std::string& skinType) {
    if (skinType.empty()) return nullptr;
    for (ModelEntry& model : models)
        if (!model.isFree() && korvath::equalsNoCase(model.skinType, skinType)) return &model;
    return nullptr;
}

const ModelEntry* findModelByDescription(const ModelCatalogue& models, const std::string& description) {
    for (const ModelEntry& model : models)
        if (!model.isFree() && model.description == description) return &model;
    return nullptr;
}

std::vector<std::string> classListEntries(const ModelCatalogue& models) {
    std::vector<std::string> entries;
    for (const ModelEntry& model : models)
        if (!model.description.empty()) entries.push_back(model.description);
    entries.emplace_back("(NONE)");
    return entries;
}

std::vector<std::string> skinListEntries(const ModelEntry& model) {
    std::vector<std::string> entries;
    for (const SkinEntry& skin : model.skins)
        if (!skin.name.empty()) entries.push_back(skin.description);
    entries.emplace_back("(NONE)");
    return entries;
}

std::vector<std::string> faceListEntries(const SkinEntry& skin) {
    std::vector<std::string> entries;
    for (const FaceEntry& face : skin.faces)
        if (!face.name.empty()) entries.push_back(face.description);
    entries.emplace_back("(NONE)");
    return entries;
}

const char* voiceTypeName(VoiceType type) {
    switch (type) {
        case VoiceType::Female: return "female";
        case VoiceType::Boss: return "boss";
        case VoiceType::Male: break;
    }
    return "male";
}

}  // namespace rosterdesk
