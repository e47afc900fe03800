#include "hoardsort/sorting/extension_rule.h"

#include <array>
#include <utility>

namespace hoardsort {

std::optional<std::string_view> fileExtension(std::string_view fileName) {
    size_t dot = fileName.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    return fileName.substr(dot);
}

std::optional<Destination> destinationFor(std::string_view extension) {
    // Looked up in this order; the order matters to nobody but is kept as the tool always had it.
    static constexpr std::array<std::pair<std::string_view, Destination>, 12> kTable{{
        {".ktx", Destination::Textures},
        {".KTX", Destination::Textures},
        {".K", Destination::System},
        {".k", Destination::System},
        {".int", Destination::System},
        {".INT", Destination::System},
        {".KNR", Destination::Maps},
        {".knr", Destination::Maps},
        {".KAX", Destination::Sounds},
        {".kax", Destination::Sounds},
        {".KMX", Destination::Music},
        {".kmx", Destination::Music},
    }};
    for (const auto& [text, destination] : kTable)
        if (text == extension) return destination;
    return std::nullopt;
}

}  // namespace hoardsort
