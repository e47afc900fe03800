#include "hoardsort/sorting/extraction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace hoardsort {
namespace {

// A cache folder and a destination base with the five folders, in one temporary folder.
class ExtractionTest : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;

    void SetUp() override {
        dir.makeDir("Cache");
        for (const char* folder : {"Out/Maps", "Out/System", "Out/Textures", "Out/Sounds", "Out/Music"})
            dir.makeDir(folder);
    }
    void cache(const std::string& key, const std::string& bytes) { dir.write("Cache/" + key + ".kxx", bytes); }
    ExtractRequest request(bool overwrite = false) const {
        ExtractRequest r;
        r.searchedCacheFolder = (dir / "Cache").string() + "/";
        r.cacheText = (dir / "Cache").string();
        r.destinations = destinationsBelow((dir / "Out").string());
        r.overwrite = overwrite;
        return r;
    }
    // Every file below a folder with its bytes, for before/after comparisons.
    std::map<std::string, std::string> snapshot(const std::string& folder) const {
        std::map<std::string, std::string> files;
        for (auto& e : fs::recursive_directory_iterator(dir / folder))
            files[fs::relative(e.path(), dir.path()).generic_string()] =
                e.is_regular_file() ? korvath::testing::readFile(e.path()) : "<dir>";
        return files;
    }
    std::vector<std::string> summary(const ExtractResult& r, size_t n) const { return summaryLines(r.problems, n); }
};

TEST_F(ExtractionTest, CopiesEveryTableExtensionToItsFolderAndOnlyReadsTheCache) {
    std::vector<CacheEntry> entries = {
        {"K01", "DM-Deck.knr"}, {"K02", "CTF-BIG.KNR"}, {"K03", "Botpack.k"},   {"K04", "CORE.K"},
        {"K05", "Botpack.int"}, {"K06", "LADDER.INT"},  {"K07", "Rock.ktx"},    {"K08", "METAL.KTX"},
        {"K09", "Boom.kax"},    {"K10", "VOICE.KAX"},   {"K11", "Theme.kmx"},   {"K12", "CREDITS.KMX"}};
    for (const auto& e : entries) cache(e.key, "bytes of " + e.fileName);
    dir.write("Cache/cache.ini", "[Cache]\r\n");
    auto before = snapshot("Cache");

    ExtractResult result = extractEntries(entries, request());

    EXPECT_FALSE(result.foldersMissing);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(result.copied, 12u);
    for (auto [file, from] : {std::pair{"Out/Maps/DM-Deck.knr", "DM-Deck.knr"}, {"Out/Maps/CTF-BIG.KNR", "CTF-BIG.KNR"},
                              {"Out/System/Botpack.k", "Botpack.k"}, {"Out/System/CORE.K", "CORE.K"},
                              {"Out/System/Botpack.int", "Botpack.int"}, {"Out/System/LADDER.INT", "LADDER.INT"},
                              {"Out/Textures/Rock.ktx", "Rock.ktx"}, {"Out/Textures/METAL.KTX", "METAL.KTX"},
                              {"Out/Sounds/Boom.kax", "Boom.kax"}, {"Out/Sounds/VOICE.KAX", "VOICE.KAX"},
                              {"Out/Music/Theme.kmx", "Theme.kmx"}, {"Out/Music/CREDITS.KMX", "CREDITS.KMX"}})
        EXPECT_EQ(dir.read(file), std::string("bytes of ") + from) << file;
    EXPECT_EQ(snapshot("Cache"), before);
    EXPECT_THAT(summary(result, 12),
                ElementsAre(" ", "All files successfully extracted! :)", " ", "12 out of 12 files were copied"));
}

TEST_F(ExtractionTest, ProblemKindsAreReportedInEntryOrderWithTheirSuffixes) {
    for (const char* key : {"A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"}) cache(key, key);
    dir.write("Out/Maps/Old.knr", "kept");
    std::vector<CacheEntry> entries = {
        {"A1", "DM-Deck.knr"},     {"A2", "Readme"},  {"GONE", "Lost.ktx"}, {"A3", "Skin.Ktx"},
        {"A4", "CTF-Face.v2.knr"}, {"A5", "Old.knr"}, {"A6", "Song.kmx=old"}, {"A7", "Tune.kmx"},
        {"A8", "Snd.kax"},         {"A9", "Tex.ktx"}};

    ExtractResult result = extractEntries(entries, request());

    EXPECT_EQ(result.copied, 4u);
    EXPECT_EQ(dir.read("Out/Maps/Old.knr"), "kept");
    EXPECT_THAT(summary(result, entries.size()),
                ElementsAre("- A2 - Readme: has an unknown extension", "- GONE - Lost.ktx: couldn't locate file",
                            "- A3 - Skin.Ktx: couldn't locate file", "- A4 - CTF-Face.v2.knr: couldn't locate file",
                            "- A5 - Old.knr: file already exists", "- A6 - Song.kmx=old: couldn't locate file", " ",
                            "There were errors :(", " ", "4 out of 10 files were copied"));
}

TEST_F(ExtractionTest, NoPeriodComesBeforeTheMissingCachedFile) {
    ExtractResult result = extractEntries({{"NOFILE", "Readme"}, {"NOFILE", "Map.knr"}}, request());
    ASSERT_EQ(result.problems.size(), 2u);
    EXPECT_EQ(result.problems[0].kind, ProblemKind::UnknownExtension);
    EXPECT_EQ(result.problems[1].kind, ProblemKind::NotFound);
}

TEST_F(ExtractionTest, SummaryCountsTenEntriesWithThreeProblems) {
    std::vector<Problem> problems = {{"a - b", ProblemKind::NotFound},
                                     {"c - d", ProblemKind::UnknownExtension},
                                     {"e - f", ProblemKind::AlreadyExists}};
    EXPECT_EQ(summaryLines(problems, 10).back(), "7 out of 10 files were copied");
    EXPECT_THAT(summaryLines({}, 0), ElementsAre(" ", "All files successfully extracted! :)", " ",
                                                 "0 out of 0 files were copied"));
}

TEST_F(ExtractionTest, OverwriteReplacesExistingFileWithoutReport) {
    cache("NEW", "new bytes");
    dir.write("Out/Textures/Rock.ktx", "old");
    ExtractResult result = extractEntries({{"NEW", "Rock.ktx"}}, request(true));
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(dir.read("Out/Textures/Rock.ktx"), "new bytes");
}

TEST_F(ExtractionTest, ExistingDestinationFileIsFoundWithoutRegardToCase) {
    cache("K1", "new");
    cache("K2", "map");
    dir.write("Out/System/botpack.k", "old");
    ExtractResult result = extractEntries({{"K1", "BotPack.k"}, {"K2", "MAP.knr"}, {"K2", "map.knr"}}, request());
    EXPECT_THAT(summary(result, 3),
                ElementsAre("- K1 - BotPack.k: file already exists", "- K2 - map.knr: file already exists", " ",
                            "There were errors :(", " ", "1 out of 3 files were copied"));
    EXPECT_THAT(snapshot("Out/System"), ElementsAre(std::pair<const std::string, std::string>("Out/System/botpack.k", "old")));
    EXPECT_THAT(snapshot("Out/Maps"), ElementsAre(std::pair<const std::string, std::string>("Out/Maps/MAP.knr", "map")));

    // Overwriting replaces the file there under its own name; no twin appears beside it.
    result = extractEntries({{"K1", "BotPack.k"}}, request(true));
    EXPECT_TRUE(result.problems.empty());
    EXPECT_THAT(snapshot("Out/System"), ElementsAre(std::pair<const std::string, std::string>("Out/System/botpack.k", "new")));
}

TEST_F(ExtractionTest, CachedFileIsFoundWithoutRegardToCase) {
    cache("ABC123", "map");
    ExtractResult result = extractEntries({{"abc123", "DM-Deck.knr"}}, request());
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(dir.read("Out/Maps/DM-Deck.knr"), "map");
}

TEST_F(ExtractionTest, UnsafeNamesAndKeysAreNeverReadOrWritten) {
    cache("SAFE", "secret");
    dir.write("Elsewhere.kxx", "outside the cache");
    dir.makeDir("Out/Maps/sub");
    std::vector<CacheEntry> entries = {
        {"SAFE", "../escape.knr"}, {"SAFE", "sub/inside.knr"}, {"SAFE", "..\\back.knr"}, {"SAFE", "sub/Readme"},
        {"SAFE", "."},             {"SAFE", ".."},             {"SAFE", "c:evil.knr"},   {"SAFE", "/abs.knr"},
        {"../Elsewhere", "Stolen.knr"}, {"..", "Dots.knr"},     {"SAFE", std::string("..\0.knr", 7)},
        {"SAFE", "CON.knr"},       {"SAFE", "nul"},            {"SAFE", "Aux.K"},        {"SAFE", "com1.ktx"},
        {"SAFE", "LPT9.kax.knr"},  {"SAFE", "prn .int"},       {"NUL", "fine.knr"},      {"SAFE", "com\xb9.knr"}};

    auto before = snapshot("Out");
    ExtractResult result = extractEntries(entries, request(true));

    EXPECT_EQ(result.copied, 0u);
    ASSERT_EQ(result.problems.size(), entries.size());
    for (const Problem& p : result.problems) EXPECT_EQ(p.kind, ProblemKind::Unsafe) << p.text;
    EXPECT_EQ(snapshot("Out"), before);
    EXPECT_FALSE(fs::exists(dir / "escape.knr"));
    EXPECT_FALSE(fs::exists(dir / "Out/Maps/sub/inside.knr"));
    EXPECT_EQ(summaryLines({result.problems[0]}, 1)[0], "- SAFE - ../escape.knr: unsafe file name");
    EXPECT_EQ(summaryLines({result.problems[8]}, 1)[0], "- ../Elsewhere - Stolen.knr: unsafe file name");
}

TEST_F(ExtractionTest, NamesThatOnlyLookLikeDevicesAreCopied) {
    cache("K", "bytes");
    std::vector<CacheEntry> entries = {{"K", "CONSOLE.knr"}, {"K", "com10.knr"}, {"K", "lpt0.knr"}, {"K", "xnul.knr"},
                                       {"K", "Con-Deck.knr"}};
    ExtractResult result = extractEntries(entries, request());
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(result.copied, entries.size());
}

// Links in the cache are not followed; a destination link is written through only when it
// stays in its folder.
TEST_F(ExtractionTest, SymbolicLinksNeverLeadACopyOutOfItsFolders) {
    dir.write("secret.txt", "private");
    std::error_code linked;
    fs::create_symlink(dir / "secret.txt", dir / "Cache/LINK.kxx", linked);
    if (linked) GTEST_SKIP() << "no symbolic links here (Windows needs a right Wine does not give): " << linked.message();
    cache("A", "new map");
    cache("B", "new texture");
    cache("C", "new sound");
    dir.write("Out/Maps/real.knr", "old map");
    fs::create_symlink("real.knr", dir / "Out/Maps/Inside.knr");        // stays in the folder
    fs::create_symlink(dir / "victim.ktx", dir / "Out/Textures/Out.ktx");  // dangling, outside
    dir.write("victim.kax", "keep me");
    fs::create_symlink("../../victim.kax", dir / "Out/Sounds/Up.kax");     // existing, outside
    std::vector<CacheEntry> entries = {{"LINK", "Stolen.knr"}, {"A", "Inside.knr"}, {"B", "Out.ktx"}, {"C", "Up.kax"}};

    ExtractResult result = extractEntries(entries, request(true));
    EXPECT_EQ(result.copied, 1u);
    ASSERT_EQ(result.problems.size(), 3u);
    EXPECT_EQ(result.problems[0].kind, ProblemKind::LinkNotFollowed);
    EXPECT_EQ(result.problems[1].kind, ProblemKind::LinkOutOfFolder);
    EXPECT_EQ(result.problems[2].kind, ProblemKind::LinkOutOfFolder);
    EXPECT_FALSE(fs::exists(dir / "Out/Maps/Stolen.knr"));
    EXPECT_EQ(dir.read("Out/Maps/real.knr"), "new map");
    EXPECT_TRUE(fs::is_symlink(dir / "Out/Maps/Inside.knr"));
    EXPECT_FALSE(fs::exists(dir / "victim.ktx"));
    EXPECT_EQ(dir.read("victim.kax"), "keep me");
    EXPECT_EQ(summaryLines({result.problems[0]}, 1)[0],
              "- LINK - Stolen.knr: cached file is a symbolic link, not followed");
    EXPECT_EQ(summaryLines({result.problems[2]}, 1)[0],
              "- C - Up.kax: destination is a symbolic link out of its folder, not written");
}

TEST_F(ExtractionTest, FailedCopyIsReportedAndLeavesNoFileBehind) {
    cache("K", "bytes");
    dir.makeDir("Out/Maps/Blocked.knr/inner");  // a folder stands where the file must go
    for (bool overwrite : {false, true}) {
        auto before = snapshot("Out");
        ExtractResult result = extractEntries({{"K", "Blocked.knr"}}, request(overwrite));
        ASSERT_EQ(result.problems.size(), 1u);
        EXPECT_EQ(result.problems[0].kind, ProblemKind::CopyFailed);
        EXPECT_EQ(summaryLines(result.problems, 1)[0], "- K - Blocked.knr: couldn't copy file");
        EXPECT_EQ(summaryLines(result.problems, 1).back(), "0 out of 1 files were copied");
        EXPECT_EQ(snapshot("Out"), before);  // no temporary file either
    }
}

TEST_F(ExtractionTest, MissingFolderStopsBeforeAnyCopy) {
    cache("K", "bytes");
    fs::remove(dir / "Out/Music");
    ExtractResult result = extractEntries({{"K", "Map.knr"}}, request());
    EXPECT_TRUE(result.foldersMissing);
    EXPECT_FALSE(fs::exists(dir / "Out/Maps/Map.knr"));

    // A file standing where a folder must be is no folder either, also for root.
    dir.write("Out/Music", "not a folder");
    EXPECT_TRUE(extractEntries({{"K", "Map.knr"}}, request()).foldersMissing);
}

TEST_F(ExtractionTest, CreateSubdirectoriesMakesOneLevelOnly) {
    cache("K", "bytes");
    ExtractRequest r = request();
    r.createSubdirectories = true;
    r.destinations = destinationsBelow((dir / "New").string());
    EXPECT_TRUE(extractEntries({{"K", "Map.knr"}}, r).foldersMissing);  // New itself is missing
    for (const char* folder : {"New/Maps", "New/System", "New/Textures", "New/Sounds", "New/Music"})
        EXPECT_FALSE(fs::exists(dir / folder)) << folder;

    dir.makeDir("New");
    ExtractResult result = extractEntries({{"K", "Map.knr"}}, r);
    EXPECT_FALSE(result.foldersMissing);
    EXPECT_EQ(dir.read("New/Maps/Map.knr"), "bytes");
    for (const char* folder : {"New/System", "New/Textures", "New/Sounds", "New/Music"})
        EXPECT_TRUE(fs::is_directory(dir / folder)) << folder;
}

TEST_F(ExtractionTest, DestinationInsideTheCacheIsRefusedBeforeAnythingIsMade) {
    cache("K", "bytes");
    dir.write("Cache/cache.ini", "[Cache]\r\nK=Map.knr\r\n");
    dir.makeDir("Cache/Sub");
    std::error_code linked;
    fs::create_directory_symlink(dir / "Cache", dir / "Link", linked);
    if (linked) GTEST_SKIP() << "no symbolic links here (Windows needs a right Wine does not give): " << linked.message();
    auto before = snapshot("Cache");
    for (const char* inside : {"Cache", "Cache/", "Cache/Sub", "Cache/New", "Link", "Link/New", "Out/../Cache"}) {
        ExtractRequest r = request(true);
        r.createSubdirectories = true;
        r.destinations.music = (dir / inside).string();
        ExtractResult result = extractEntries({{"K", "Map.knr"}, {"K", "Song.kmx"}}, r);
        EXPECT_TRUE(result.destinationInCache) << inside;
        EXPECT_FALSE(result.foldersMissing) << inside;
        EXPECT_EQ(result.copied, 0u) << inside;
    }
    EXPECT_EQ(snapshot("Cache"), before);
    EXPECT_FALSE(fs::exists(dir / "Out/Maps/Map.knr"));

    // The cache now in the box counts too, not only the one searched.
    dir.write("Other/K.kxx", "other");
    ExtractRequest r = request();
    r.cacheText = (dir / "Other").string();
    r.destinations.maps = (dir / "Other").string();
    EXPECT_TRUE(extractEntries({{"K", "Map.knr"}}, r).destinationInCache);
    EXPECT_FALSE(fs::exists(dir / "Other/Map.knr"));

    // A sibling whose name starts like the cache's is not inside it.
    dir.makeDir("CacheCopy");
    r = request();
    r.destinations.maps = (dir / "CacheCopy").string();
    ExtractResult result = extractEntries({{"K", "Map.knr"}}, r);
    EXPECT_FALSE(result.destinationInCache);
    EXPECT_EQ(dir.read("CacheCopy/Map.knr"), "bytes");
}

TEST_F(ExtractionTest, FolderCheckUsesSearchedCacheWhileFilesComeFromTheBoxNow) {
    dir.write("Other/K.kxx", "from the other cache");
    ExtractRequest r = request();
    r.cacheText = (dir / "Other").string();
    ExtractResult result = extractEntries({{"K", "Map.knr"}}, r);
    EXPECT_TRUE(result.problems.empty());
    EXPECT_EQ(dir.read("Out/Maps/Map.knr"), "from the other cache");

    r.searchedCacheFolder = (dir / "Gone").string() + "/";
    EXPECT_TRUE(extractEntries({{"K", "Map2.knr"}}, r).foldersMissing);
}

TEST_F(ExtractionTest, StopRequestEndsAfterTheFileInProgress) {
    for (const char* key : {"K1", "K2", "K3", "K4"}) cache(key, key);
    std::vector<std::string> seen;
    bool stop = false;
    ExtractHooks hooks{[&](const std::string& name) {
                           seen.push_back(name);
                           if (name == "C.knr") stop = true;  // Exit chosen while B.knr was copied
                       },
                       [&] { return stop; }};
    ExtractResult result =
        extractEntries({{"K1", "A.knr"}, {"K2", "B.knr"}, {"K3", "C.knr"}, {"K4", "D.knr"}}, request(), hooks);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.copied, 2u);
    EXPECT_THAT(seen, ElementsAre("A.knr", "B.knr", "C.knr"));
    EXPECT_THAT(snapshot("Out/Maps"), ElementsAre(std::pair<const std::string, std::string>("Out/Maps/A.knr", "K1"),
                                                  std::pair<const std::string, std::string>("Out/Maps/B.knr", "K2")));
}

}  // namespace
}  // namespace hoardsort
