#pragma once
// Which destination folder receives a cached file, by the extension of its real name.
#include <optional>
#include <string_view>

namespace hoardsort {

enum class Destination { Maps, System, Textures, Sounds, Music };

// The name from its first period to the end ("CTF-Face.v2.knr" gives ".v2.knr"); nullopt when
// the name has no period.
std::optional<std::string_view> fileExtension(std::string_view fileName);

// The table lookup: exact and case-sensitive, so only all-lower and all-upper forms match
// (".Ktx" does not).
std::optional<Destination> destinationFor(std::string_view extension);

}  // namespace hoardsort
