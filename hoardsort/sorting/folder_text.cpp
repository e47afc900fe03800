#include "hoardsort/sorting/folder_text.h"

#include "common/files/home_folder.h"

namespace hoardsort {

std::string collapseSeparatorPairs(std::string_view text, char separator) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator) ++i;
    }
    return out;
}

std::string folderText(std::string_view text, char separator) {
    std::string withEnd(text);
    withEnd += separator;
    return collapseSeparatorPairs(withEnd, separator);
}

Destinations destinationsBelow(std::string_view base, char separator) {
    auto below = [&](std::string_view name) {
        std::string text(base);
        text += separator;
        text += name;
        return collapseSeparatorPairs(text, separator);
    };
    return {below("Maps"), below("System"), below("Textures"), below("Sounds"), below("Music")};
}

Destinations defaultDestinations() {
#ifdef _WIN32
    return {"c:\\maps\\maps", "c:\\maps\\system", "c:\\maps\\textures", "c:\\maps\\sounds", "c:\\maps\\music"};
#else
    std::string maps = (korvath::userHomeFolder() / "maps").string();
    auto below = [&](std::string_view name) { return collapseSeparatorPairs(maps + kSeparator + std::string(name)); };
    return {below("maps"), below("system"), below("textures"), below("sounds"), below("music")};
#endif
}

}  // namespace hoardsort
