#include "rosterdesk/editor/catalogue_lists.h"

#include <algorithm>

namespace rosterdesk {

namespace {

template <typename Entry, typename Source, typename Listed, typename Text>
CatalogueList<Entry> listOf(const Source& source, Listed listed, Text text, std::string_view last) {
    CatalogueList<Entry> list;
    for (const Entry& entry : source) {
        if (!listed(entry)) continue;
        list.texts.push_back(text(entry));
        list.entries.push_back(&entry);
    }
    list.texts.emplace_back(last);
    list.selected = 0;
    return list;
}

template <typename Entry, typename Name>
int firstIndexOf(const CatalogueList<Entry>& list, Name name, std::string_view wanted) {
    for (int i = 0; i < static_cast<int>(list.entries.size()); ++i)
        if (name(*list.entries[i]) == wanted) return i;
    return 0;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return lower;
}

}  // namespace

CatalogueList<ModelEntry> classList(const ModelCatalogue& models) {
    return listOf<ModelEntry>(
        models, [](const ModelEntry& m) { return !m.description.empty(); },
        [](const ModelEntry& m) { return m.description; }, kNoneEntry);
}

CatalogueList<SkinEntry> skinList(const ModelEntry* model) {
    static const std::vector<SkinEntry> kNoSkins;
    return listOf<SkinEntry>(
        model ? model->skins : kNoSkins, [](const SkinEntry& s) { return !s.name.empty(); },
        [](const SkinEntry& s) { return s.description; }, kNoneEntry);
}

CatalogueList<FaceEntry> faceList(const SkinEntry* skin) {
    static const std::vector<FaceEntry> kNoFaces;
    return listOf<FaceEntry>(
        skin ? skin->faces : kNoFaces, [](const FaceEntry& f) { return !f.name.empty(); },
        [](const FaceEntry& f) { return f.description; }, kNoneEntry);
}

VoiceType voiceTypeForModel(std::string_view modelDescription) {
    const std::string lower = lowerCase(modelDescription);
    for (const char* male : {"male commando", "male soldier", "skaarj hybrid", "nali", "nali warcow"})
        if (lower == male) return VoiceType::Male;
    if (lower == "female commando" || lower == "female soldier") return VoiceType::Female;
    if (lower == "boss") return VoiceType::Boss;
    return lower.find("female") != std::string::npos ? VoiceType::Female : VoiceType::Male;
}

CatalogueList<VoiceEntry> voiceList(const VoiceCatalogue& voices, const ModelEntry* model) {
    const VoiceType type = voiceTypeForModel(model ? model->description : std::string());
    return listOf<VoiceEntry>(
        voices, [type](const VoiceEntry& v) { return !v.className.empty() && v.voiceType == type; },
        [](const VoiceEntry& v) { return v.description; }, kNoVoiceEntry);
}

int indexOfName(const CatalogueList<ModelEntry>& list, std::string_view className) {
    return firstIndexOf(list, [](const ModelEntry& m) -> const std::string& { return m.className; }, className);
}

int indexOfName(const CatalogueList<SkinEntry>& list, std::string_view skinName) {
    return firstIndexOf(list, [](const SkinEntry& s) -> const std::string& { return s.name; }, skinName);
}

int indexOfName(const CatalogueList<FaceEntry>& list, std::string_view faceName) {
    return firstIndexOf(list, [](const FaceEntry& f) -> const std::string& { return f.name; }, faceName);
}

int SetVoice(const CatalogueList<VoiceEntry>& list, const VoiceCatalogue& voices, std::string_view voiceType) {
    const int last = static_cast<int>(list.texts.size()) - 1;
    if (voiceType.empty()) return last;
    auto voice = std::find_if(voices.begin(), voices.end(),
                              [&](const VoiceEntry& v) { return !v.isFree() && v.className == voiceType; });
    if (voice == voices.end()) return last;
    auto text = std::find(list.texts.begin(), list.texts.end() - 1, voice->description);
    return text == list.texts.end() - 1 ? last : static_cast<int>(text - list.texts.begin());
}

std::string GetVoiceCode(const VoiceCatalogue& voices, std::string_view entry) {
    for (const VoiceEntry& voice : voices)
        if (!voice.isFree() && voice.description == entry) return voice.className;
    return std::string(kNoneEntry);
}

}  // namespace rosterdesk
