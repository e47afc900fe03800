#include "hoardsort/sorting/cache_index.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "hoardsort/sorting/folder_text.h"

namespace hoardsort {
namespace {

TEST(CacheIndex, SkipsHeaderEmptyLinesAndLinesWithoutEquals) {
    auto entries = parseCacheIndex({"[Cache]", "", "ABC123=DM-Deck.knr", "[Other]", "   ", "DEF456=Song.kmx=old",
                                    "[cache]", "=NoKey.ktx"});
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].key, "ABC123");
    EXPECT_EQ(entries[0].fileName, "DM-Deck.knr");
    // Everything after the first "=" is the name.
    EXPECT_EQ(entries[1].key, "DEF456");
    EXPECT_EQ(entries[1].fileName, "Song.kmx=old");
    EXPECT_EQ(entries[2].key, "");
    EXPECT_EQ(entries[2].fileName, "NoKey.ktx");
}

TEST(CacheIndex, SearchReadsCrLfIndexAndKeepsFolderWithSeparator) {
    korvath::testing::TempDir dir;
    dir.write("Cache/cache.ini", "[Cache]\r\n\r\nABC123=DM-Deck.knr\r\nXYZ=Tex.ktx\r\n");
    auto result = searchCache((dir / "Cache").string());
    ASSERT_TRUE(result.ok()) << result.error();
    EXPECT_EQ(result->cacheFolder, (dir / "Cache").string() + kSeparator);
    ASSERT_EQ(result->entries.size(), 2u);
    EXPECT_EQ(result->entries[1].fileName, "Tex.ktx");
    // A trailing separator in the box changes nothing.
    EXPECT_EQ(searchCache((dir / "Cache").string() + kSeparator)->cacheFolder, result->cacheFolder);
}

TEST(CacheIndex, IndexNameIsFoundWithoutRegardToCase) {
    korvath::testing::TempDir dir;
    dir.write("Cache/CACHE.INI", "[Cache]\nK=Map.knr\n");
    auto result = searchCache((dir / "Cache").string());
    ASSERT_TRUE(result.ok());
    ASSERT_EQ(result->entries.size(), 1u);
}

TEST(CacheIndex, MissingIndexGivesMessageWithFolder) {
    korvath::testing::TempDir dir;
    dir.makeDir("Empty");
    dir.makeDir("Cache/cache.ini");  // a folder is no index
    for (const char* folder : {"Empty", "Cache", "Nowhere"}) {
        auto result = searchCache((dir / folder).string());
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.error(), "Couldn't locate 'cache.ini' in directory " + (dir / folder).string() + kSeparator);
    }
}

}  // namespace
}  // namespace hoardsort
