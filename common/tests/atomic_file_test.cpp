#include "common/files/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;
using korvath::testing::TempDir;

namespace {
size_t entryCount(const fs::path& dir) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

unsigned modeOf(const fs::path& file) { return static_cast<unsigned>(fs::status(file).permissions()) & 07777; }

void setMode(const fs::path& file, unsigned mode) { fs::permissions(file, static_cast<fs::perms>(mode)); }

// Sets the process umask for one test and puts the old one back.
class Umask {
public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

private:
    mode_t old_;
};

// Both ways of replacing a file, so every identity rule is checked for each.
struct Replacer {
    const char* name;
    std::function<korvath::Status(const TempDir&, const fs::path& target, const std::string& bytes)> replace;
    unsigned newFileMode;  // under umask 027
};
const Replacer kReplacers[] = {
    {"write",
     [](const TempDir&, const fs::path& target, const std::string& bytes) {
         return korvath::writeFileAtomically(target, bytes);
     },
     0640},
    {"copy",
     [](const TempDir& dir, const fs::path& target, const std::string& bytes) {
         fs::path source = dir.write("source/new.kxx", bytes);
         setMode(source, 0755);  // a replaced file keeps its own bits, never the source's
         return korvath::copyFileAtomically(source, target, true);
     },
     0750},
};
constexpr unsigned kNewFile = 0;  // expect the replacer's mode for a new file
}  // namespace

TEST(AtomicFile, ReplacesContentsAndLeavesNoTemporaryFile) {
    TempDir dir;
    dir.write("user.ini", "old");
    ASSERT_TRUE(korvath::writeFileAtomically(dir / "user.ini", "new\r\n").ok);
    EXPECT_EQ(dir.read("user.ini"), "new\r\n");
    EXPECT_EQ(entryCount(dir.path()), 1u);
}

TEST(AtomicFile, FailureLeavesTargetAndFolderAsTheyWere) {
    TempDir dir;
    // A file where the folder must be: fails for root too.
    dir.write("blocker", "x");
    auto status = korvath::writeFileAtomically(dir / "blocker/user.ini", "new");
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.message.empty());
    // A folder standing where the file goes cannot be replaced by a file.
    dir.makeDir("target");
    dir.write("target/keep", "k");
    EXPECT_FALSE(korvath::writeFileAtomically(dir / "target", "new").ok);
    EXPECT_EQ(dir.read("target/keep"), "k");
    EXPECT_EQ(entryCount(dir.path()), 2u);
}

TEST(AtomicFile, CopyKeepsBytesAndHonoursOverwrite) {
    TempDir dir;
    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 31 + 7);
    dir.write("src.kxx", big);
    ASSERT_TRUE(korvath::copyFileAtomically(dir / "src.kxx", dir / "out.knr", false).ok);
    EXPECT_EQ(dir.read("out.knr"), big);

    dir.write("exists.knr", "keep");
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "src.kxx", dir / "exists.knr", false).ok);
    EXPECT_EQ(dir.read("exists.knr"), "keep");
    EXPECT_TRUE(korvath::copyFileAtomically(dir / "src.kxx", dir / "exists.knr", true).ok);
    EXPECT_EQ(dir.read("exists.knr"), big);
}

TEST(AtomicFile, FailedCopyLeavesNothingBehind) {
    TempDir dir;
    dir.write("src.kxx", "data");
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "missing.kxx", dir / "out.knr", true).ok);
    dir.makeDir("dest");
    dir.makeDir("dest/out.knr");  // a folder in the way of the rename
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "src.kxx", dir / "dest/out.knr", true).ok);
    EXPECT_EQ(entryCount(dir / "dest"), 1u);
    EXPECT_FALSE(fs::exists(dir / "out.knr"));
}

TEST(AtomicFile, NamesNearTheLengthLimitStillCopy) {
    TempDir dir;
    dir.write("src.kxx", "data");
    std::string longName(250, 'm');
    longName += ".knr";
    ASSERT_TRUE(korvath::copyFileAtomically(dir / "src.kxx", dir / longName, false).ok);
    EXPECT_EQ(dir.read(longName), "data");
    // Without overwrite, a second copy is refused and the first stays.
    dir.write("other.kxx", "other");
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "other.kxx", dir / longName, false).ok);
    EXPECT_EQ(dir.read(longName), "data");
    EXPECT_EQ(entryCount(dir.path()), 3u);
}

TEST(AtomicFile, ReplacingKeepsTheFilesIdentity) {
    Umask mask(027);
    struct Case {
        const char* name;
        std::function<void(const TempDir&)> setup;
        const char* written;   // the name the caller replaces
        const char* real;      // the file that must hold the new bytes
        bool link;             // `written` must still be a symbolic link afterwards
        unsigned mode;         // the real file's bits afterwards
        size_t systemEntries;  // names in System afterwards: what the case made, no temporary file
    };
    const Case cases[] = {
        {"plain file keeps mode 600",
         [](const TempDir& d) { setMode(d.write("System/user.ini", "old"), 0600); },
         "System/user.ini", "System/user.ini", false, 0600, 1},
        {"absolute link: the linked file is replaced",
         [](const TempDir& d) {
             setMode(d.write("real/user.ini", "old"), 0640);
             fs::create_symlink(d / "real/user.ini", d / "System/user.ini");
         },
         "System/user.ini", "real/user.ini", true, 0640, 1},
        {"relative link through a second link",
         [](const TempDir& d) {
             setMode(d.write("real/user.ini", "old"), 0600);
             fs::create_symlink("../real/user.ini", d / "System/middle.ini");
             fs::create_symlink("middle.ini", d / "System/user.ini");
         },
         "System/user.ini", "real/user.ini", true, 0600, 2},
        {"dangling link: the file it names is created with the default mode",
         [](const TempDir& d) {
             d.makeDir("real");
             fs::create_symlink("../real/user.ini", d / "System/user.ini");
         },
         "System/user.ini", "real/user.ini", true, kNewFile, 1},
        {"new file gets the default mode",
         [](const TempDir&) {}, "System/user.ini", "System/user.ini", false, kNewFile, 1},
    };
    for (const auto& [how, replace, newFileMode] : kReplacers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(how) + ": " + c.name);
            TempDir dir;
            dir.makeDir("System");
            c.setup(dir);
            ASSERT_TRUE(replace(dir, dir / c.written, "new\r\n").ok);
            EXPECT_EQ(dir.read(c.real), "new\r\n");
            EXPECT_EQ(fs::is_symlink(fs::symlink_status(dir / c.written)), c.link);
            EXPECT_EQ(modeOf(dir / c.real), c.mode == kNewFile ? newFileMode : c.mode);
            EXPECT_EQ(entryCount(dir / "System"), c.systemEntries);
            if (fs::exists(dir / "real")) {
                EXPECT_EQ(entryCount(dir / "real"), 1u);
            }
        }
    }
}

TEST(AtomicFile, LinksThatLoopAreRefusedAndLeftAlone) {
    for (const Replacer& r : kReplacers) {
        SCOPED_TRACE(r.name);
        TempDir dir;
        fs::create_symlink("b.ini", dir / "a.ini");
        fs::create_symlink("a.ini", dir / "b.ini");
        auto status = r.replace(dir, dir / "a.ini", "new");
        EXPECT_FALSE(status.ok);
        EXPECT_NE(status.message.find("loop"), std::string::npos) << status.message;
        EXPECT_EQ(fs::read_symlink(dir / "a.ini"), "b.ini");
        EXPECT_EQ(entryCount(dir.path()), fs::exists(dir / "source") ? 3u : 2u);  // no temporary file
    }
}

TEST(AtomicFile, ReplacedFileKeepsItsOwner) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    for (const Replacer& r : kReplacers) {
        SCOPED_TRACE(r.name);
        TempDir dir;
        fs::path file = dir.write("user.ini", "old");
        ASSERT_EQ(::chown(file.c_str(), 4321, 4322), 0);
        setMode(file, 0600);
        ASSERT_TRUE(r.replace(dir, file, "new").ok);
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
        EXPECT_EQ(st.st_mode & 07777, 0600u);
    }
}

TEST(AtomicFile, NewCopyTakesTheSourcesBitsLessTheUmask) {
    Umask mask(027);
    TempDir dir;
    for (auto [sourceMode, expected] : {std::pair{0600u, 0600u}, {0755u, 0750u}, {0666u, 0640u}}) {
        SCOPED_TRACE(sourceMode);
        fs::path source = dir.write("src.kxx", "data");
        setMode(source, sourceMode);
        fs::remove(dir / "out.knr");
        ASSERT_TRUE(korvath::copyFileAtomically(source, dir / "out.knr", false).ok);
        EXPECT_EQ(modeOf(dir / "out.knr"), expected);
    }
}

TEST(AtomicFile, CopyWithoutOverwriteNeverWritesThroughALink) {
    TempDir dir;
    dir.write("src.kxx", "data");
    dir.makeDir("real");
    fs::create_symlink("real/gone.knr", dir / "dangling.knr");
    auto status = korvath::copyFileAtomically(dir / "src.kxx", dir / "dangling.knr", false);
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, (dir / "dangling.knr").string() + " already exists");
    EXPECT_TRUE(fs::is_empty(dir / "real"));
}
