// The string table behind the library's texts, and the instance handle it depends on.
#include <gtest/gtest.h>

#include <string>

#include "exporter/plugin/module.h"

namespace korvathexp {
namespace {

TEST(StringTable, NoTextBeforeTheInstanceIsKnownOrForAMissingId) {
    ModuleState& module = Module();
    const hostsdk::HINSTANCE saved = module.instance;
    module.instance = nullptr;
    EXPECT_EQ(GetString(1), nullptr);

    static const int here = 0;
    LibraryEntry(&here);
    EXPECT_EQ(module.instance, &here);
    EXPECT_TRUE(module.controlsInitialised);
    EXPECT_STREQ(GetString(7), "Exporting .3d mesh...");
    EXPECT_EQ(GetString(3), nullptr);
    EXPECT_EQ(GetString(8), nullptr);
    const char* first = GetString(4);
    const char* second = GetString(5);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "Korvath Exporter");
    // String 9 opens with the library's name, then its maker in parentheses.
    const std::string description = GetString(9);
    EXPECT_EQ(description.rfind("Korvath file exporter (", 0), 0u);
    EXPECT_EQ(description.back(), ')');
    module.instance = saved;
}

}  // namespace
}  // namespace korvathexp
