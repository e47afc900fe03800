#include "common/files/folder_name.h"

#include <gtest/gtest.h>

using korvath::FolderNameFault;

TEST(FolderName, DeviceNamesInAnyCaseWithExtensionOrTrailingBlanks) {
    for (const char* device :
         {"CON", "nul", "Aux.txt", "prn ", "COM1", "com9.log", "LPT3:", "conin$", "CONOUT$.x", "COM\xB9", "lpt\xB2"})
        EXPECT_TRUE(korvath::isWindowsDeviceName(device)) << device;
    for (const char* name : {"CONSOLE", "nul2", "COM0", "COM10", "LPT", "xCON", "maps", "", "COM\xB4"})
        EXPECT_FALSE(korvath::isWindowsDeviceName(name)) << name;
}

TEST(FolderName, EachRefusedNameSaysWhy) {
    const struct {
        const char* name;
        FolderNameFault fault;
    } refused[] = {
        {"", FolderNameFault::Empty},
        {"new/maps", FolderNameFault::Separator},
        {"new\\maps", FolderNameFault::Separator},
        {"..\\up", FolderNameFault::Separator},
        {".", FolderNameFault::DotName},
        {"..", FolderNameFault::DotName},
        {"a:b", FolderNameFault::ForbiddenCharacter},
        {"what?", FolderNameFault::ForbiddenCharacter},
        {"tab\there", FolderNameFault::ForbiddenCharacter},
        {"NUL", FolderNameFault::Device},
        {"com1.maps", FolderNameFault::Device},
    };
    for (const auto& r : refused) {
        auto refusal = korvath::checkFolderName(r.name);
        ASSERT_TRUE(refusal) << r.name;
        EXPECT_EQ(refusal->fault, r.fault) << r.name;
        EXPECT_FALSE(refusal->message.empty());
    }
    EXPECT_EQ(korvath::checkFolderName("new/maps")->message,
              "A folder name can't hold \\ or /.  Type only the name of the new folder.");
    EXPECT_EQ(korvath::checkFolderName("NUL")->message, "\"NUL\" names a device on Windows, not a folder.");
    for (const char* name : {"maps", "My Rosters", "...x", "caf\xE9", "CONSOLE"})
        EXPECT_FALSE(korvath::checkFolderName(name)) << name;
}
