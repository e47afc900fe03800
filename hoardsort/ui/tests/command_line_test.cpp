// Runs the built program, as scripts and server owners do.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "common/testing/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string quoted(const std::string& text) {
    std::string q = "'";
    for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class CommandLineTest : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;

    Outcome run(const std::string& arguments) {
        // No display: the command-line face must not need one.
        std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " + quoted(HOARDSORT_EXE) + " " +
                              arguments + " >" + quoted((dir / "out.txt").string()) + " 2>" +
                              quoted((dir / "err.txt").string()) + " </dev/null";
        Outcome r;
        int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = dir.read("out.txt");
        r.err = dir.read("err.txt");
        return r;
    }
    std::string path(const char* relative) { return quoted((dir / relative).string()); }
    void makeCache() {
        dir.write("Cache/cache.ini", "[Cache]\r\n\r\nA1=DM-Deck.knr\r\nA2=Readme\r\nA3=Rock.ktx\r\nbroken line\r\n");
        dir.write("Cache/A1.kxx", "map");
        dir.write("Cache/A2.kxx", "text");
        dir.write("Cache/A3.kxx", "texture");
    }
};

TEST_F(CommandLineTest, HelpDescribesBothModes) {
    Outcome r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--list CACHE_DIR"), std::string::npos);
    EXPECT_NE(r.out.find("--extract CACHE_DIR --to BASE_DIR"), std::string::npos);
}

TEST_F(CommandLineTest, ListPrintsNamesInIndexOrder) {
    makeCache();
    Outcome r = run("--list " + path("Cache"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "DM-Deck.knr\nReadme\nRock.ktx\n");
}

// A name in cache.ini may hold terminal escapes: they are shown, never sent to the terminal.
TEST_F(CommandLineTest, ControlCharactersInNamesArePrintedEscaped) {
    dir.write("Cache/cache.ini", "[Cache]\r\nA1=\x1b]0;owned\x07Map.knr\r\nB\x1b[2J=x.knr\r\n");
    Outcome listed = run("--list " + path("Cache"));
    EXPECT_EQ(listed.out, "\\x1b]0;owned\\x07Map.knr\nx.knr\n");
    dir.makeDir("Out");
    Outcome extracted = run("--extract " + path("Cache") + " --to " + path("Out") + " --create-subdirs");
    EXPECT_EQ(extracted.status, 1);
    EXPECT_NE(extracted.out.find("- A1 - \\x1b]0;owned\\x07Map.knr: couldn't locate file\n"), std::string::npos)
        << extracted.out;
    EXPECT_NE(extracted.out.find("- B\\x1b[2J - x.knr: couldn't locate file\n"), std::string::npos) << extracted.out;
    EXPECT_EQ(extracted.out.find('\x1b'), std::string::npos);
}

TEST_F(CommandLineTest, MissingIndexIsReportedOnStandardError) {
    dir.makeDir("Empty");
    for (std::string args : {"--list " + path("Empty"), "--extract " + path("Empty") + " --to " + path("Empty")}) {
        Outcome r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "Couldn't locate 'cache.ini' in directory " + (dir / "Empty").string() + "/\n");
    }
}

TEST_F(CommandLineTest, ExtractCopiesAndPrintsSummaryWithProblems) {
    makeCache();
    Outcome r = run("--extract " + path("Cache") + " --to " + path("Out") + " --create-subdirs --home " + path("Home"));
    // Out itself is missing: --create-subdirs makes one level only.
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "Starting folder or sub folders do not exist! Try selecting the 'Create Subdirectories' option\n"
              "or make sure the starting folder exists!\n");

    dir.makeDir("Out");
    r = run("--extract " + path("Cache") + " --to " + path("Out") + " --create-subdirs");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "- A2 - Readme: has an unknown extension\n \nThere were errors :(\n \n2 out of 3 files were copied\n");
    EXPECT_EQ(dir.read("Out/Maps/DM-Deck.knr"), "map");
    EXPECT_EQ(dir.read("Out/Textures/Rock.ktx"), "texture");

    // Again: the files are there now.
    r = run("--extract " + path("Cache") + " --to " + path("Out"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("- A1 - DM-Deck.knr: file already exists\n"), std::string::npos);
}

TEST_F(CommandLineTest, ExtractWithFolderOverridesAndOverwriteSucceeds) {
    dir.write("Cache/cache.ini", "[Cache]\r\nA1=DM-Deck.knr\r\nA3=Rock.ktx\r\n");
    dir.write("Cache/A1.kxx", "map");
    dir.write("Cache/A3.kxx", "texture");
    for (const char* folder : {"Out/Maps", "Out/System", "Out/Sounds", "Out/Music", "Tex"}) dir.makeDir(folder);
    dir.write("Out/Maps/DM-Deck.knr", "old");
    Outcome r = run("--extract=" + path("Cache") + " --to " + path("Out") + " --textures " + path("Tex") + " --overwrite");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, " \nAll files successfully extracted! :)\n \n2 out of 2 files were copied\n");
    EXPECT_EQ(dir.read("Out/Maps/DM-Deck.knr"), "map");
    EXPECT_EQ(dir.read("Tex/Rock.ktx"), "texture");
    EXPECT_FALSE(fs::exists(dir / "Out/Textures"));
}

TEST_F(CommandLineTest, DestinationInsideTheCacheExitsWithTwoAndLeavesTheCache) {
    makeCache();
    std::string before = dir.read("Cache/cache.ini");
    Outcome r = run("--extract " + path("Cache") + " --to " + path("Cache") + " --create-subdirs --overwrite");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "A destination folder is the cache folder or lies inside it! The cache is only read:\n"
              "choose destination folders outside of it.\n");
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir / "Cache")) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"A1.kxx", "A2.kxx", "A3.kxx", "cache.ini"}));
    EXPECT_EQ(dir.read("Cache/cache.ini"), before);
}

TEST_F(CommandLineTest, UsageErrorsExitWithTwo) {
    makeCache();
    for (std::string args : {"--extract " + path("Cache"), std::string("--list"), "--list " + path("Cache") + " extra",
                             "--extract " + path("Cache") + " --to " + path("Out") + " --bogus",
                             "--list " + path("Cache") + " --extract " + path("Cache"),
                             "--extract " + path("Cache") + " --to ''",
                             "--extract " + path("Cache") + " --to " + path("Out") + " --maps ''"}) {
        Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("hoardsort: "), std::string::npos) << args;
        EXPECT_EQ(r.out, "") << args;
    }
}

}  // namespace
