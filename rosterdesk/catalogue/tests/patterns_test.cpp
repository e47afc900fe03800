#include "rosterdesk/catalogue/patterns.h"

#include <gtest/gtest.h>

#include "common/interaction/scripted_interaction.h"
#include "common/testing/temp_dir.h"

namespace rosterdesk {
namespace {

using korvath::testing::TempDir;

TEST(Patterns, LoadIndexesByLineAndCutsTrailingBlanks) {
    int lines = 0;
    SkinPatternList p = parsePatterns("commando,Stray,Other  \r\n\r\nsgirl,Girly\nboss\n", [&] { ++lines; });
    EXPECT_EQ(lines, 3);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].modelName, "commando");
    EXPECT_EQ(p[0].skins, (std::vector<std::string>{"Stray", "Other", ""}));  // grows, keeps a free slot
    EXPECT_EQ(p[1].modelName, "");                                             // the empty line's entry
    EXPECT_EQ(p[2].skins, (std::vector<std::string>{"Girly", ""}));
    EXPECT_EQ(p[3].modelName, "boss");
    EXPECT_EQ(parsePatterns("").size(), 2u);
}

TEST(Patterns, LookupIsExactAndFirstInFileOrder) {
    SkinPatternList p = parsePatterns("sgirl,Twin\r\ncommando,Twin,Solo\r\n");
    EXPECT_EQ(lookupPattern(p, "Twin"), "sgirl");
    EXPECT_EQ(lookupPattern(p, "Solo"), "commando");
    EXPECT_EQ(lookupPattern(p, "solo"), std::nullopt);
    EXPECT_EQ(lookupPattern(p, ""), std::nullopt);
    EXPECT_EQ(lookupPattern(parsePatterns("commando,,x\r\n"), ""), std::nullopt);
}

TEST(Patterns, FormatSkipsEmptyEntriesAndFreeSlots) {
    SkinPatternList p = parsePatterns("commando,A\r\n\r\nboss\r\n");
    EXPECT_EQ(formatPatterns(p), "commando,A\r\nboss\r\n");
}

struct FinishFixture {
    ModelCatalogue models = ModelCatalogue(3);
    UnmatchedSkinList unmatched = UnmatchedSkinList(3);
    FinishFixture() {
        models[0] = {"BotPack.TMale1Bot", "Male Commando", "commando"};
        models[1] = {"BotPack.TFemale2Bot", "Female Soldier", "sgirl"};
        unmatched[0] = {"/g/System/Stray.int", "Stray"};
        unmatched[1] = {"/g/System/My - Skins.int", "MySkins"};
    }
};

TEST(PatternWindow, DisplayText) {
    EXPECT_EQ((PatternEntry{"/g/a.int", ""}).displayText(), "/g/a.int");
    EXPECT_EQ((PatternEntry{"/g/a.int", "Male Commando"}).displayText(), "/g/a.int - Male Commando");
}

TEST(PatternWindow, FinishedAddsToExistingAndNewPatterns) {
    FinishFixture f;
    SkinPatternList patterns = parsePatterns("sgirl,Old\r\n");
    std::vector<PatternEntry> entries{
        {"/g/System/Stray.int", "Female Soldier"},
        {"/g/System/My - Skins.int", "Male Commando"},  // " - " in a path is kept whole
        {"/g/System/Unchosen.int", ""},
        {"/g/System/Stray.int", "(NONE)"},
    };
    std::vector<std::string> rescan = finishPatterns(entries, f.models, f.unmatched, patterns);
    EXPECT_EQ(rescan, (std::vector<std::string>{"/g/System/Stray.int", "/g/System/My - Skins.int"}));
    EXPECT_EQ(formatPatterns(patterns), "sgirl,Old,Stray\r\ncommando,MySkins\r\n");
    // Finishing the same choice again does not repeat the skin type.
    finishPatterns({entries[0]}, f.models, f.unmatched, patterns);
    EXPECT_EQ(formatPatterns(patterns), "sgirl,Old,Stray\r\ncommando,MySkins\r\n");
}

TEST(PatternWindow, FinishedRewritesThePatternFile) {
    FinishFixture f;
    TempDir dir;
    dir.write("pattern.ini", "sgirl,Old\r\n");
    SkinPatternList patterns = *readPatterns(dir / "pattern.ini");
    std::vector<std::string> rescan;
    korvath::Status r = finishPatternWindow({{"/g/System/Stray.int", "Male Commando"}}, f.models, f.unmatched, patterns,
                                            dir / "pattern.ini", rescan);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(dir.read("pattern.ini"), "sgirl,Old\r\ncommando,Stray\r\n");

    dir.write("blocker", "x");
    korvath::Status bad =
        finishPatternWindow({}, f.models, f.unmatched, patterns, dir / "blocker" / "pattern.ini", rescan);
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(bad.error(), "The patterns could not be written to " + (dir / "blocker" / "pattern.ini").string() + ".");
}

}  // namespace
}  // namespace rosterdesk

namespace rosterdesk {
namespace {

TEST(PatternWindow, RemoveAsksFirst) {
    korvath::ScriptedInteraction ui;
    PatternEntry entry{"/g/a.int", "Male Commando"};
    ui.answer(korvath::Answer::No);
    removePattern(ui, entry);
    EXPECT_EQ(entry.displayText(), "/g/a.int - Male Commando");
    ui.answer(korvath::Answer::Yes);
    removePattern(ui, entry);
    EXPECT_EQ(entry.displayText(), "/g/a.int");
    ASSERT_EQ(ui.shown().size(), 2u);
    EXPECT_EQ(ui.shown()[1].title, "Remove Pattern");
    EXPECT_EQ(ui.shown()[1].text, "Are you sure?");
    EXPECT_EQ(ui.shown()[1].buttons, korvath::Buttons::YesNo);

    ui.answer(korvath::Answer::Yes);  // an entry without a pattern stays as it is
    removePattern(ui, entry);
    EXPECT_EQ(entry.displayText(), "/g/a.int");
    EXPECT_EQ(entry.filePath, "/g/a.int");
}

}  // namespace
}  // namespace rosterdesk
