#pragma once
// The class, skin, face and voice lists of the main window, built from the catalogue: each
// entry with the catalogue entry behind it, so a chosen index finds its class, skin or face.
#include <string>
#include <string_view>
#include <vector>

#include "rosterdesk/catalogue/catalogue.h"

namespace rosterdesk {

inline constexpr std::string_view kNoneEntry = "(NONE)";             // ends the class, skin and face lists
inline constexpr std::string_view kNoVoiceEntry = "(None Choosen)";  // ends the voice list

// A list as a combo box shows it, the catalogue entries behind its first entries, and the
// selected index (-1 for none). The last text ("(NONE)") has no entry behind it.
template <typename Entry>
struct CatalogueList {
    std::vector<std::string> texts;
    std::vector<const Entry*> entries;
    int selected = -1;

    const Entry* chosen() const {
        return selected >= 0 && selected < static_cast<int>(entries.size()) ? entries[selected] : nullptr;
    }
};

// Models with a description, in catalogue order, then "(NONE)".
CatalogueList<ModelEntry> classList(const ModelCatalogue& models);
// RefreshSkins / RefreshFaces: entries with a name, then "(NONE)"; the first entry selected.
CatalogueList<SkinEntry> skinList(const ModelEntry* model);
CatalogueList<FaceEntry> faceList(const SkinEntry* skin);

// Which voices a model speaks with, from its description in lower case.
VoiceType voiceTypeForModel(std::string_view modelDescription);
// RefreshVoice: the voices of the model's type with a class name, then "(None Choosen)".
CatalogueList<VoiceEntry> voiceList(const VoiceCatalogue& voices, const ModelEntry* model);

// The first index whose entry's name (class name for models) equals `name`; 0 when none does,
// as the main window then shows the list's first entry.
int indexOfName(const CatalogueList<ModelEntry>& list, std::string_view className);
int indexOfName(const CatalogueList<SkinEntry>& list, std::string_view skinName);
int indexOfName(const CatalogueList<FaceEntry>& list, std::string_view faceName);

// SetVoice: the entry showing the description of the catalogue voice whose class is `voiceType`;
// the last entry, "(None Choosen)", when it is empty, names no catalogue voice or is not listed.
int SetVoice(const CatalogueList<VoiceEntry>& list, const VoiceCatalogue& voices, std::string_view voiceType);
// The class of the first catalogue voice described exactly as `entry`; "(NONE)" when none is.
std::string GetVoiceCode(const VoiceCatalogue& voices, std::string_view entry);

}  // namespace rosterdesk
