#include "hoardsort/sorting/folder_text.h"

#include <gtest/gtest.h>

#include "hoardsort/sorting/extension_rule.h"

namespace hoardsort {
namespace {

TEST(FolderText, AddsSeparatorAndCollapsesPairsInOnePass) {
    EXPECT_EQ(folderText("c:\\maps\\\\maps", '\\'), "c:\\maps\\maps\\");
    EXPECT_EQ(folderText("c:\\maps\\", '\\'), "c:\\maps\\");
    EXPECT_EQ(folderText("a\\\\\\b", '\\'), "a\\\\b\\");  // three in a row keep two
    EXPECT_EQ(folderText("a\\\\\\\\b", '\\'), "a\\\\b\\");
    EXPECT_EQ(folderText("", '\\'), "\\");
    EXPECT_EQ(folderText("/home/me//maps", '/'), "/home/me/maps/");
    EXPECT_EQ(folderText("/", '/'), "/");
    // The other separator is left alone.
    EXPECT_EQ(folderText("c:/x//", '\\'), "c:/x//\\");
}

TEST(FolderText, ChangeAllPathsBelowBase) {
    Destinations d = destinationsBelow("C:\\Games\\Arena", '\\');
    EXPECT_EQ(d.maps, "C:\\Games\\Arena\\Maps");
    EXPECT_EQ(d.system, "C:\\Games\\Arena\\System");
    EXPECT_EQ(d.textures, "C:\\Games\\Arena\\Textures");
    EXPECT_EQ(d.sounds, "C:\\Games\\Arena\\Sounds");
    EXPECT_EQ(d.music, "C:\\Games\\Arena\\Music");
    EXPECT_EQ(destinationsBelow("c:\\", '\\').maps, "c:\\Maps");
    EXPECT_EQ(destinationsBelow("/", '/').music, "/Music");
    EXPECT_EQ(destinationsBelow("", '/').sounds, "/Sounds");
}

TEST(FolderText, DefaultsLieUnderHomeOrOnDriveC) {
    Destinations d = defaultDestinations();
#ifdef _WIN32
    EXPECT_EQ(d.maps, "c:\\maps\\maps");
    EXPECT_EQ(d.music, "c:\\maps\\music");
    return;
#endif
    std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    if (home.empty() || home.back() != '/') home += '/';
    EXPECT_EQ(d.maps, home + "maps/maps");
    EXPECT_EQ(d.system, home + "maps/system");
    EXPECT_EQ(d.textures, home + "maps/textures");
    EXPECT_EQ(d.sounds, home + "maps/sounds");
    EXPECT_EQ(d.music, home + "maps/music");
}

TEST(ExtensionRule, ExtensionRunsFromFirstPeriod) {
    EXPECT_EQ(fileExtension("DM-Deck.knr"), ".knr");
    EXPECT_EQ(fileExtension("CTF-Face.v2.knr"), ".v2.knr");
    EXPECT_EQ(fileExtension("Song.kmx=old"), ".kmx=old");
    EXPECT_EQ(fileExtension(".k"), ".k");
    EXPECT_FALSE(fileExtension("Readme").has_value());
}

TEST(ExtensionRule, OnlyAllLowerAndAllUpperFormsMatch) {
    struct Case {
        const char* extension;
        std::optional<Destination> expected;
    };
    for (Case c : {Case{".knr", Destination::Maps}, {".KNR", Destination::Maps}, {".k", Destination::System},
                   {".K", Destination::System}, {".int", Destination::System}, {".INT", Destination::System},
                   {".ktx", Destination::Textures}, {".KTX", Destination::Textures}, {".kax", Destination::Sounds},
                   {".KAX", Destination::Sounds}, {".kmx", Destination::Music}, {".KMX", Destination::Music},
                   {".Ktx", std::nullopt}, {".Int", std::nullopt}, {".v2.knr", std::nullopt},
                   {".kmx=old", std::nullopt}, {".kxx", std::nullopt}, {"knr", std::nullopt}, {"", std::nullopt}}) {
        EXPECT_EQ(destinationFor(c.extension), c.expected) << c.extension;
    }
}

}  // namespace
}  // namespace hoardsort
