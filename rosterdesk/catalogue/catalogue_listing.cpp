#include "rosterdesk/catalogue/catalogue_listing.h"

namespace rosterdesk {

namespace {
template <typename List>
std::size_t usedCount(const List& list) {
    std::size_t count = 0;
    for (const auto& entry : list) count += entry.isFree() ? 0 : 1;
    return count;
}
}  // namespace

void formatCatalogue(const Catalogue& catalogue, std::ostream& out) {
    out << "Models (" << usedCount(catalogue.models) << ")\n";
    for (const ModelEntry& model : catalogue.models) {
        if (model.isFree()) continue;
        out << "  " << model.className << "  \"" << model.description << "\"  skin type " << model.skinType << "\n";
        for (const SkinEntry& skin : model.skins) {
            if (skin.isFree()) continue;
            out << "    skin " << skin.name << "  \"" << skin.description << "\"\n";
            for (const FaceEntry& face : skin.faces)
                if (!face.isFree()) out << "      face " << face.name << "  \"" << face.description << "\"\n";
        }
    }
    out << "Voices (" << usedCount(catalogue.voices) << ")\n";
    for (const VoiceEntry& voice : catalogue.voices)
        if (!voice.isFree())
            out << "  " << voice.className << "  \"" << voice.description << "\"  " << voiceTypeName(voice.voiceType)
                << "\n";
    out << "Unmatched skin files (" << usedCount(catalogue.unmatched) << ")\n";
    for (const FaceEntry& entry : catalogue.unmatched)
        if (!entry.isFree()) out << "  " << entry.name << "  skin type " << entry.description << "\n";
}

}  // namespace rosterdesk
