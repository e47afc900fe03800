#pragma once
// Folders are held as texts that end in the native separator, built from what the user typed.
#include <string>
#include <string_view>

namespace hoardsort {

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// Replaces each pair of adjacent separators by one, in a single left-to-right pass, so that
// three in a row keep two.
std::string collapseSeparatorPairs(std::string_view text, char separator = kSeparator);

// The text followed by the separator, with pairs collapsed: "c:\maps\" and "c:\maps" both
// give "c:\maps\".
std::string folderText(std::string_view text, char separator = kSeparator);

// The five destination folders, in the order of the main window's text boxes Text2 to Text6.
struct Destinations {
    std::string maps;      // Text2: .knr
    std::string system;    // Text3: .k and .int
    std::string textures;  // Text4: .ktx
    std::string sounds;    // Text5: .kax
    std::string music;     // Text6: .kmx
};

// "Change all paths to above": Maps, System, Textures, Sounds and Music below `base`.
Destinations destinationsBelow(std::string_view base, char separator = kSeparator);

// The texts the destination boxes start with: c:\maps\... on Windows, ~/maps/... elsewhere.
Destinations defaultDestinations();

}  // namespace hoardsort
