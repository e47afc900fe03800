// The file rules that only Windows has: device names, drive letters and backslashes, a file
// system that ignores case, sharing modes. Built and run only in the Windows build (under Wine).
#include <gtest/gtest.h>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "common/files/atomic_file.h"
#include "common/files/game_path.h"
#include "common/testing/temp_dir.h"
#include "common/text/text_lines.h"

namespace fs = std::filesystem;
using korvath::testing::TempDir;

namespace {

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const fs::path& entry : korvath::listFolderSorted(dir)) names.push_back(entry.filename().string());
    return names;
}

// A handle on `file` as another program holds it (sharing is decided per handle, so a handle of
// this process meets the same rules as one of another process).
class OpenElsewhere {
public:
    OpenElsewhere(const fs::path& file, DWORD share)
        : handle_(::CreateFileW(file.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~OpenElsewhere() {
        if (ok()) ::CloseHandle(handle_);
    }
    OpenElsewhere(const OpenElsewhere&) = delete;
    OpenElsewhere& operator=(const OpenElsewhere&) = delete;
    bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }
    std::string readAll() const {
        std::string bytes(64, '\0');
        DWORD got = 0;
        ::SetFilePointer(handle_, 0, nullptr, FILE_BEGIN);
        if (!::ReadFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) return "<error>";
        bytes.resize(got);
        return bytes;
    }

private:
    HANDLE handle_;
};

}  // namespace

// A device name is never a file: writing or copying to one fails and leaves nothing behind,
// with or without an extension and in any case.
TEST(WindowsFiles, DeviceNamesAreRefusedAsFileNames) {
    TempDir dir;
    fs::path source = dir.write("source.ini", "bytes");
    for (const char* name : {"CON", "nul", "Aux", "PRN", "COM1", "lpt9", "nul.txt", "CON.ini", "com3.bm"}) {
        SCOPED_TRACE(name);
        korvath::Status written = korvath::writeFileAtomically(dir / name, "roster\r\n");
        EXPECT_FALSE(written.ok());
        EXPECT_NE(written.error().find("device"), std::string::npos) << written.error();
        EXPECT_FALSE(korvath::copyFileAtomically(source, dir / name, true).ok());
        EXPECT_FALSE(korvath::copyFileAtomically(source, dir / name, false).ok());
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"source.ini"});
    }
    // Names that only start like a device are ordinary files.
    for (const char* name : {"CONSOLE.ini", "nul_", "COM10.txt", "lpt.bm"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(korvath::writeFileAtomically(dir / name, "x").ok);
        EXPECT_EQ(dir.read(name), "x");
    }
}

// A path with a drive letter and backslashes, any case: the same file as the one written.
TEST(WindowsFiles, DriveLetterAndBackslashPathsNameTheSameFile) {
    TempDir dir;
    std::string root = dir.path().string();
    ASSERT_GE(root.size(), 3u);
    ASSERT_EQ(root[1], ':') << "the temporary folder has a drive letter: " << root;
    fs::path slashes = dir.path() / "System" / "User.ini";
    dir.makeDir("System");
    ASSERT_TRUE(korvath::writeFileAtomically(slashes, "[Bots]\r\n").ok);
    std::string backslashed = korvath::toUpperAscii(root) + "\\SYSTEM\\USER.INI";
    EXPECT_EQ(korvath::testing::readFile(backslashed), "[Bots]\r\n");
    std::string forward = root + "/System/User.ini";
    ASSERT_TRUE(korvath::writeFileAtomically(forward, "[Bots]\r\nName=A\r\n").ok);
    EXPECT_EQ(dir.read("System/User.ini"), "[Bots]\r\nName=A\r\n");
    EXPECT_EQ(korvath::resolveGamePath(dir.path(), "system\\user.ini"), dir.path() / "System" / "User.ini");
}

// Lookups ignore case as the file system does, and a replaced or copied-over file keeps the
// name it had, so the game's `User.ini` never turns into whatever case a caller typed.
TEST(WindowsFiles, ReplacingThroughAnotherCaseKeepsTheStoredName) {
    TempDir dir;
    dir.write("System/User.ini", "old\r\n");
    fs::path source = dir.write("new.ini", "new\r\n");
    fs::path resolved = korvath::resolveGamePath(dir.path(), "SYSTEM\\USER.INI");
    EXPECT_EQ(resolved, dir.path() / "System" / "User.ini");
    ASSERT_TRUE(korvath::writeFileAtomically(resolved, "written\r\n").ok);
    ASSERT_TRUE(korvath::copyFileAtomically(source, korvath::resolveGamePath(dir.path(), "system/user.INI"), true).ok);
    EXPECT_EQ(namesIn(dir / "System"), std::vector<std::string>{"User.ini"});
    EXPECT_EQ(dir.read("System/User.ini"), "new\r\n");
    // Without overwrite, another case of an existing name is the same file: refused.
    EXPECT_FALSE(korvath::copyFileAtomically(source, dir / "system" / "USER.ini", false).ok());
    EXPECT_EQ(dir.read("System/User.ini"), "new\r\n");
}

// CR LF and lone bytes above 127 go through writing, copying and the text lines unchanged.
TEST(WindowsFiles, CrLfAndEightBitBytesAreKept) {
    TempDir dir;
    const std::string text = "[Bots]\r\nName=J\xE9r\xF4me\r\n\r\nlone\nline\r\n";
    ASSERT_TRUE(korvath::writeFileAtomically(dir / "user.ini", text).ok);
    ASSERT_TRUE(korvath::copyFileAtomically(dir / "user.ini", dir / "copy.ini", false).ok);
    EXPECT_EQ(dir.read("user.ini"), text);
    EXPECT_EQ(dir.read("copy.ini"), text);
    auto lines = korvath::readTextLines(dir / "copy.ini");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"[Bots]", "Name=J\xE9r\xF4me", "", "lone", "line"}));
}

// A file another program has open is replaced when that program allows it (it then keeps
// reading the old bytes); when it does not share deletion, the replace fails with a message and
// the file and folder stay as they were.
TEST(WindowsFiles, ReplacingAFileThatIsOpenElsewhere) {
    TempDir dir;
    dir.write("user.ini", "old\r\n");
    {
        OpenElsewhere reader(dir / "user.ini", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        ASSERT_TRUE(reader.ok());
        korvath::Status replaced = korvath::writeFileAtomically(dir / "user.ini", "new\r\n");
        EXPECT_TRUE(replaced.ok()) << replaced.error();
        EXPECT_EQ(reader.readAll(), "old\r\n");
    }
    EXPECT_EQ(dir.read("user.ini"), "new\r\n");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"user.ini"});
    {
        OpenElsewhere holder(dir / "user.ini", FILE_SHARE_READ);
        ASSERT_TRUE(holder.ok());
        korvath::Status replaced = korvath::writeFileAtomically(dir / "user.ini", "newer\r\n");
        EXPECT_FALSE(replaced.ok());
        EXPECT_NE(replaced.error().find("user.ini"), std::string::npos) << replaced.error();
        EXPECT_EQ(holder.readAll(), "new\r\n");
    }
    EXPECT_EQ(dir.read("user.ini"), "new\r\n");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"user.ini"});
    // Once the other program lets go, the same replace works.
    EXPECT_TRUE(korvath::writeFileAtomically(dir / "user.ini", "newer\r\n").ok);
    EXPECT_EQ(dir.read("user.ini"), "newer\r\n");
}
