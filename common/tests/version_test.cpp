#include "common/cli/version.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "korvath_config.h"

TEST(Version, AskedAnywhereBeforeTheEndOfOptions) {
    struct Case {
        std::vector<const char*> argv;
        bool asked;
    };
    const Case cases[] = {
        {{"prog", "--version"}, true},
        {{"prog", "generate", "--version"}, true},
        {{"prog"}, false},
        {{"prog", "--versions"}, false},
        {{"prog", "--", "--version"}, false},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        EXPECT_EQ(korvath::answerVersion(static_cast<int>(c.argv.size()), c.argv.data(), "prog", out), c.asked)
            << c.argv.back();
        EXPECT_EQ(out.str(), c.asked ? std::string("prog ") + KORVATH_VERSION + "\n" : "");
    }
}

TEST(Version, IsThreeNumbers) {
    std::string version = KORVATH_VERSION;
    int dots = 0;
    for (char c : version) {
        if (c == '.') ++dots;
        else EXPECT_TRUE(c >= '0' && c <= '9') << version;
    }
    EXPECT_EQ(dots, 2) << version;
}
