#include "common/text/text_lines.h"

#include <gtest/gtest.h>

#include "common/testing/temp_dir.h"

using korvath::joinCrLf;
using korvath::splitLines;

TEST(TextLines, SplitsCrLfAndLfAlikeAndKeepsEmptyLines) {
    EXPECT_EQ(splitLines("a\r\n\r\nb\nc"), (std::vector<std::string>{"a", "", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(splitLines("\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(splitLines("").empty());
    // A lone CR inside a line is text, not a line end.
    EXPECT_EQ(splitLines("a\rb\r\n"), (std::vector<std::string>{"a\rb"}));
}

TEST(TextLines, JoinWritesCrLfAfterEveryLine) {
    EXPECT_EQ(joinCrLf({"[Cache]", "", "A=b"}), "[Cache]\r\n\r\nA=b\r\n");
    EXPECT_EQ(joinCrLf({}), "");
}

TEST(TextLines, ReadTextLinesReportsMissingFile) {
    korvath::testing::TempDir dir;
    EXPECT_FALSE(korvath::readTextLines(dir / "nope.ini").has_value());
    dir.write("x.ini", "one\r\ntwo");
    EXPECT_EQ(*korvath::readTextLines(dir / "x.ini"), (std::vector<std::string>{"one", "two"}));
    // A folder is not a readable text file.
    dir.makeDir("folder");
    EXPECT_FALSE(korvath::readTextLines(dir / "folder").has_value());
}
