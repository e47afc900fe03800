// ParseFrameRange with every quirk of its scan.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exporter/plugin/korvathexp.h"

namespace korvathexp {

using namespace hostsdk;
namespace {

std::vector<int> parse(const char* text, int start = 0, int end = 100) {
    KorvathExp exp;
    exp.startFrame = start;
    exp.endFrame = end;
    exp.frames = {99};  // emptied by every parse
    exp.ParseFrameRange(text);
    return exp.frames;
}

using Frames = std::vector<int>;

TEST(ParseFrameRange, ListsRangesAndSingles) {
    EXPECT_EQ(parse("1-5,10,15"), (Frames{1, 2, 3, 4, 5, 10, 15}));
    EXPECT_EQ(parse("10-5"), (Frames{10, 9, 8, 7, 6, 5}));
    EXPECT_EQ(parse("7-7"), (Frames{7}));
    EXPECT_EQ(parse("3,3"), (Frames{3, 3}));
    EXPECT_EQ(parse(" 4 , 6"), (Frames{4, 6}));
}

TEST(ParseFrameRange, NoTextMeansTheWholeRange) {
    Frames all;
    for (int f = 0; f <= 30; ++f) all.push_back(f);
    EXPECT_EQ(parse(nullptr, 0, 30), all);
    EXPECT_EQ(parse("", 0, 30), all);
}

TEST(ParseFrameRange, DropsWhatLiesOutsideTheAnimationRange) {
    EXPECT_EQ(parse("15-25,3", 0, 20), (Frames{3}));
    EXPECT_EQ(parse("30", 0, 20), Frames{});
    EXPECT_EQ(parse("-2,5", 0, 20), (Frames{5}));
    EXPECT_EQ(parse("9", 10, 20), Frames{});
}

TEST(ParseFrameRange, SeparatorQuirks) {
    EXPECT_EQ(parse("4,"), (Frames{4}));
    EXPECT_EQ(parse("4-"), Frames{});
    EXPECT_EQ(parse("2,,3"), (Frames{2, 0}));
    EXPECT_EQ(parse("2,,3", 1, 10), (Frames{2}));
    // The character after a comma is never a separator: "-3" is read as a number.
    EXPECT_EQ(parse("5,-3", -5, 10), (Frames{5, -3}));
    // The character after a "-" is not tested for another "-": 2--4 reads "-4" as the end.
    EXPECT_EQ(parse("2--4", -5, 10), (Frames{2, 1, 0, -1, -2, -3, -4}));
    EXPECT_EQ(parse("abc"), (Frames{0}));
}

TEST(ParseFrameRange, StopsGrowingOncePastWhatTheFileCanCount) {
    KorvathExp exp;
    exp.startFrame = 0;
    exp.endFrame = 2000000000;
    exp.ParseFrameRange("0-2000000000");
    EXPECT_EQ(exp.frames.size(), 65536u);
    EXPECT_EQ(exp.frames.back(), 65535);
    exp.ParseFrameRange("99999999999999,5");
    EXPECT_EQ(exp.frames, (Frames{5}));
}

}  // namespace
}  // namespace korvathexp
