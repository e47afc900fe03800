#include "common/cli/arg_list.h"

#include <gtest/gtest.h>

using korvath::ArgList;

TEST(ArgList, TakesFlagsOptionsAndPositionals) {
    ArgList args({"--extract", "cache", "--to=out", "--overwrite", "extra"});
    EXPECT_EQ(args.option("--extract"), "cache");
    EXPECT_EQ(args.option("--to"), "out");
    EXPECT_TRUE(args.flag("--overwrite"));
    EXPECT_FALSE(args.flag("--create-subdirs"));
    EXPECT_EQ(args.positionals(), (std::vector<std::string>{"extra"}));
    EXPECT_TRUE(args.ok());
}

TEST(ArgList, ReportsMissingValuesAndUnknownOptions) {
    ArgList missing({"--to"});
    EXPECT_FALSE(missing.option("--to").has_value());
    EXPECT_EQ(missing.error(), "missing value for --to");

    ArgList unknown({"--bogus", "file"});
    EXPECT_EQ(unknown.positionals(), (std::vector<std::string>{"file"}));
    EXPECT_EQ(unknown.error(), "unknown option --bogus");

    ArgList dashes({"--", "-odd-name"});
    EXPECT_EQ(dashes.positionals(), (std::vector<std::string>{"-odd-name"}));
    EXPECT_TRUE(dashes.ok());
}
