#include "rosterdesk/catalogue/listing.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"
#include "rosterdesk/catalogue/tests/int_text.h"

namespace rosterdesk {
namespace {

using korvath::testing::TempDir;
using testing::botLine;
using testing::crlf;
using testing::textureLine;
using testing::voiceLine;

std::vector<std::string> names(const std::vector<std::string>& list) {
    std::vector<std::string> out;
    for (const std::string& path : usedEntries(list)) out.push_back(std::filesystem::path(path).filename().string());
    return out;
}

TEST(Listing, SortsWithoutRegardToCaseAndSortsIntoLists) {
    TempDir game;
    game.write("system/b.int", crlf({"[Public]", botLine("BotPack.TMale1Bot", "Male Commando")}));
    game.write("system/A.int", crlf({"[Public]", textureLine("CommandoSkins.cmdo1", "Gorn")}));
    game.write("system/c.INT", crlf({"[Public]", voiceLine("BotPack.VoiceMaleOne", "VoiceMale", "Male 1")}));
    game.write("system/Both.int", crlf({"[Public]", botLine("X.YBot", "Y"), textureLine("XSkins.y1", "Y")}));
    game.write("system/none.int", crlf({"[Public]", "Object=(Name=Foo.Bar,Class=Class,MetaClass=Engine.Mutator)"}));
    game.write("system/notes.txt", crlf({"[Public]", botLine("BotPack.TMale1Bot", "x")}));
    game.makeDir("system/dir.int");
    int steps = 0;
    ScanObserver observer{nullptr, [&] { ++steps; }};
    FileLists lists = listDescriptionFiles(game.path(), SkipList(), observer);
    EXPECT_EQ(names(lists.classFiles), (std::vector<std::string>{"b.int", "Both.int"}));
    EXPECT_EQ(names(lists.skinFiles), (std::vector<std::string>{"A.int", "Both.int"}));
    EXPECT_EQ(names(lists.voiceFiles), (std::vector<std::string>{"c.INT"}));
    EXPECT_EQ(steps, 5);
    EXPECT_TRUE(lists.classFiles.back().empty());  // a free slot always follows
}

TEST(Listing, FirstLineIgnoredAndFirstMatchPerLineWins) {
    // The first line is never looked at.
    EXPECT_FALSE(classifyDescriptionText(crlf({botLine("A.BBot", "B")})).isClass);
    // A class line that also names a texture class counts as a class only.
    FileKinds kinds = classifyDescriptionText(crlf({"[Public]", botLine("A.BBot", "B") + ",Class=Texture"}));
    EXPECT_TRUE(kinds.isClass);
    EXPECT_FALSE(kinds.isSkin);
    FileKinds voice = classifyDescriptionText(
        crlf({"[public]", "OBJECT=(NAME=X.Y,CLASS=CLASS,METACLASS=BOTPACK.VOICEBOSS)", "x"}));
    EXPECT_TRUE(voice.isVoice);
    EXPECT_FALSE(voice.isClass);
    EXPECT_FALSE(voice.isSkin);
}

TEST(Listing, SkipListWithoutRegardToCase) {
    TempDir game;
    game.write("System/Keep.int", crlf({"[Public]", botLine("A.BBot", "B")}));
    game.write("System/Skip.int", crlf({"[Public]", botLine("A.CBot", "C")}));
    game.write("System/Also.int", crlf({"[Public]", botLine("A.DBot", "D")}));
    SkipList skip = SkipList::parse("SKIP.INT\r\n  other.int , also.int\r\n\r\n");
    EXPECT_EQ(skip.size(), 3u);
    FileLists lists = listDescriptionFiles(game.path(), skip, {});
    EXPECT_EQ(names(lists.classFiles), (std::vector<std::string>{"Keep.int"}));
}

TEST(Listing, ListsGrowByTenAndKeepEveryFile) {
    TempDir game;
    for (int i = 0; i < 12; ++i)
        game.write("System/f" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".int",
                   crlf({"[Public]", botLine("A.B" + std::to_string(i) + "Bot", "x")}));
    DescriptionTexts texts;
    FileLists lists = listDescriptionFiles(game.path(), SkipList(), {}, &texts);
    EXPECT_EQ(usedEntries(lists.classFiles).size(), 12u);
    EXPECT_EQ(lists.classFiles.size(), 22u);  // 2, then 12, then 22
    EXPECT_EQ(texts.size(), 12u);
}

TEST(Listing, MissingSystemFolderAndMissingSkipFile) {
    TempDir game;
    FileLists lists = listDescriptionFiles(game / "nothing", SkipList(), {});
    EXPECT_TRUE(usedEntries(lists.classFiles).empty());
    EXPECT_FALSE(SkipList::read(game / "int.ini").has_value());
    game.write("int.ini", "");
    EXPECT_TRUE(SkipList::read(game / "int.ini").has_value());
}

}  // namespace
}  // namespace rosterdesk
