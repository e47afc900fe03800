#include "common/files/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
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

// Unnamed temporary files (where the file system has them) or named ones, for one test.
class TemporaryNaming {
public:
    explicit TemporaryNaming(bool unnamed) : old_(korvath::useUnnamedTemporaries(unnamed)) {}
    ~TemporaryNaming() { korvath::useUnnamedTemporaries(old_); }

private:
    bool old_;
};

// The streaming writer, fed in two pieces.
korvath::Status streamInto(const fs::path& target, const std::string& bytes) {
    korvath::AtomicFileWriter writer;
    if (korvath::Status opened = writer.open(target); !opened) return opened;
    writer.write(std::string_view(bytes).substr(0, bytes.size() / 2));
    writer.write(std::string_view(bytes).substr(bytes.size() / 2));
    return writer.commit();
}

// Every way of replacing a file, so every identity rule is checked for each.
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
    {"stream", [](const TempDir&, const fs::path& target, const std::string& bytes) { return streamInto(target, bytes); },
     0640},
};
constexpr unsigned kNewFile = 0;  // expect the replacer's mode for a new file
}  // namespace

TEST(AtomicFile, ReplacesContentsAndLeavesNoTemporaryFile) {
    TempDir dir;
    dir.write("user.ini", "old");
    ASSERT_TRUE(korvath::writeFileAtomically(dir / "user.ini", "new\r\n").ok());
    EXPECT_EQ(dir.read("user.ini"), "new\r\n");
    EXPECT_EQ(entryCount(dir.path()), 1u);
}

TEST(AtomicFile, FailureLeavesTargetAndFolderAsTheyWere) {
    TempDir dir;
    // A file where the folder must be: fails for root too.
    dir.write("blocker", "x");
    auto status = korvath::writeFileAtomically(dir / "blocker/user.ini", "new");
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.error().empty());
    // A folder standing where the file goes cannot be replaced by a file.
    dir.makeDir("target");
    dir.write("target/keep", "k");
    EXPECT_FALSE(korvath::writeFileAtomically(dir / "target", "new").ok());
    EXPECT_EQ(dir.read("target/keep"), "k");
    EXPECT_EQ(entryCount(dir.path()), 2u);
}

TEST(AtomicFile, CopyKeepsBytesAndHonoursOverwrite) {
    TempDir dir;
    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 31 + 7);
    dir.write("src.kxx", big);
    ASSERT_TRUE(korvath::copyFileAtomically(dir / "src.kxx", dir / "out.knr", false).ok());
    EXPECT_EQ(dir.read("out.knr"), big);

    dir.write("exists.knr", "keep");
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "src.kxx", dir / "exists.knr", false).ok());
    EXPECT_EQ(dir.read("exists.knr"), "keep");
    EXPECT_TRUE(korvath::copyFileAtomically(dir / "src.kxx", dir / "exists.knr", true).ok());
    EXPECT_EQ(dir.read("exists.knr"), big);
}

TEST(AtomicFile, FailedCopyLeavesNothingBehind) {
    TempDir dir;
    dir.write("src.kxx", "data");
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "missing.kxx", dir / "out.knr", true).ok());
    dir.makeDir("dest");
    dir.makeDir("dest/out.knr");  // a folder in the way of the rename
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "src.kxx", dir / "dest/out.knr", true).ok());
    EXPECT_EQ(entryCount(dir / "dest"), 1u);
    EXPECT_FALSE(fs::exists(dir / "out.knr"));
}

TEST(AtomicFile, NamesNearTheLengthLimitStillCopy) {
    TempDir dir;
    dir.write("src.kxx", "data");
    std::string longName(250, 'm');
    longName += ".knr";
    ASSERT_TRUE(korvath::copyFileAtomically(dir / "src.kxx", dir / longName, false).ok());
    EXPECT_EQ(dir.read(longName), "data");
    // Without overwrite, a second copy is refused and the first stays.
    dir.write("other.kxx", "other");
    EXPECT_FALSE(korvath::copyFileAtomically(dir / "other.kxx", dir / longName, false).ok());
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
    for (bool unnamed : {true, false}) {
        for (const auto& [how, replace, newFileMode] : kReplacers) {
            TemporaryNaming naming(unnamed);
            for (const Case& c : cases) {
                SCOPED_TRACE(std::string(how) + (unnamed ? " unnamed: " : " named: ") + c.name);
                TempDir dir;
                dir.makeDir("System");
                c.setup(dir);
                ASSERT_TRUE(replace(dir, dir / c.written, "new\r\n").ok());
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
}

TEST(AtomicFile, LinksThatLoopAreRefusedAndLeftAlone) {
    for (const Replacer& r : kReplacers) {
        SCOPED_TRACE(r.name);
        TempDir dir;
        fs::create_symlink("b.ini", dir / "a.ini");
        fs::create_symlink("a.ini", dir / "b.ini");
        auto status = r.replace(dir, dir / "a.ini", "new");
        EXPECT_FALSE(status.ok());
        EXPECT_NE(status.error().find("loop"), std::string::npos) << status.error();
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
        ASSERT_TRUE(r.replace(dir, file, "new").ok());
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
        ASSERT_TRUE(korvath::copyFileAtomically(source, dir / "out.knr", false).ok());
        EXPECT_EQ(modeOf(dir / "out.knr"), expected);
    }
}

TEST(AtomicFile, CopyWithoutOverwriteNeverWritesThroughALink) {
    TempDir dir;
    dir.write("src.kxx", "data");
    dir.makeDir("real");
    fs::create_symlink("real/gone.knr", dir / "dangling.knr");
    auto status = korvath::copyFileAtomically(dir / "src.kxx", dir / "dangling.knr", false);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.error(), (dir / "dangling.knr").string() + " already exists");
    EXPECT_TRUE(fs::is_empty(dir / "real"));
}

namespace {
// Names in `dir` other than `keep`: temporary files a writer left.
std::vector<std::string> leftovers(const fs::path& dir, const std::string& keep) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename() != keep) names.push_back(entry.path().filename().string());
    return names;
}

// Starts a process that writes `target` slowly through the streaming writer and kills it once
// the first megabyte is written.
void killWriterMidWrite(const fs::path& target) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        korvath::AtomicFileWriter writer;
        if (!writer.open(target)) ::_exit(1);
        const std::string chunk(1 << 20, 'x');
        writer.write(chunk);
        if (std::fflush(writer.stream()) != 0 || ::write(ready[1], "w", 1) != 1) ::_exit(1);
        for (int i = 0; i < 1000; ++i) {  // ten seconds at most, should the kill not come
            writer.write("slow");
            ::usleep(10000);
        }
        ::_exit(2);
    }
    ::close(ready[1]);
    char signal = 0;
    EXPECT_EQ(::read(ready[0], &signal, 1), 1);
    ::close(ready[0]);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
}
}  // namespace

TEST(AtomicFile, WritersKilledMidWriteLeaveNothingAfterTheNextRun) {
    for (bool unnamed : {true, false}) {
        for (const Replacer& r : kReplacers) {
            SCOPED_TRACE(std::string(r.name) + (unnamed ? " unnamed" : " named"));
            TemporaryNaming naming(unnamed);
            TempDir dir;
            dir.makeDir("System");
            dir.write("System/user.ini", "old");
            for (int kill = 0; kill < 20; ++kill) killWriterMidWrite(dir / "System/user.ini");
            EXPECT_EQ(dir.read("System/user.ini"), "old");
            // Named temporary files are left by the kills (each writer removes its predecessor's).
            if (!unnamed) {
                EXPECT_EQ(leftovers(dir / "System", "user.ini").size(), 1u);
            }
            // A temporary file of a live writer stays.
            fs::path live = korvath::temporarySibling(dir / "System/user.ini");
            dir.write(live.lexically_relative(dir.path()).string(), "being written");
            ASSERT_TRUE(r.replace(dir, dir / "System/user.ini", "new").ok());
            EXPECT_EQ(dir.read("System/user.ini"), "new");
            EXPECT_EQ(leftovers(dir / "System", "user.ini"), std::vector<std::string>{live.filename().string()});
        }
    }
}

TEST(AtomicFile, StreamingWriterCommitsOrLeavesTheOldFile) {
    for (bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed" : "named");
        TemporaryNaming naming(unnamed);
        TempDir dir;
        dir.write("skin_a.3d", "HEADframes");
        {
            korvath::AtomicFileWriter abandoned;
            ASSERT_TRUE(abandoned.open(dir / "skin_a.3d").ok());
            abandoned.write("half");
        }
        EXPECT_EQ(dir.read("skin_a.3d"), "HEADframes");

        // A copy of the old file, changed in place and lengthened.
        korvath::AtomicFileWriter writer;
        ASSERT_TRUE(writer.open(dir / "skin_a.3d", korvath::AtomicFileWriter::Start::CopyOfTarget).ok());
        writer.write("NEW!");
        ASSERT_EQ(std::fseek(writer.stream(), 0, SEEK_END), 0);
        writer.write("more");
        EXPECT_EQ(dir.read("skin_a.3d"), "HEADframes");  // nothing shows before commit
        ASSERT_TRUE(writer.commit().ok());
        EXPECT_EQ(dir.read("skin_a.3d"), "NEW!framesmore");
        EXPECT_FALSE(writer.commit().ok());  // committed once
        EXPECT_EQ(entryCount(dir.path()), 1u);

        korvath::AtomicFileWriter missing;
        auto status = missing.open(dir / "gone_a.3d", korvath::AtomicFileWriter::Start::CopyOfTarget);
        EXPECT_FALSE(status.ok());
        EXPECT_NE(status.error().find(std::strerror(ENOENT)), std::string::npos) << status.error();
        EXPECT_EQ(entryCount(dir.path()), 1u);
    }
}

TEST(AtomicFile, FailuresGiveTheSystemsReason) {
    TempDir dir;
    dir.makeDir("folder.t3d");
    const struct {
        const char* name;
        std::function<korvath::Status()> run;
        int error;
    } cases[] = {
        {"missing folder", [&] { return korvath::writeFileAtomically(dir / "none/user.ini", "x"); }, ENOENT},
        {"missing source", [&] { return korvath::copyFileAtomically(dir / "none.kxx", dir / "out.knr", true); }, ENOENT},
        {"folder in the way", [&] { return streamInto(dir / "folder.t3d", "x"); }, EISDIR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        korvath::Status status = c.run();
        EXPECT_FALSE(status.ok());
        EXPECT_NE(status.error().find(std::strerror(c.error)), std::string::npos) << status.error();
    }
}
