// The vertex-mesh file rules: animation file names, packed vertices, texture bytes, append.
#include <gtest/gtest.h>

#include <cstdio>

#include "common/testing/temp_dir.h"
#include "exporter/plugin/mesh_files.h"

namespace korvathexp {
namespace {

TEST(AnimationPath, ReplacesFromTheLastUnderscoreElseTheFirstPeriod) {
    EXPECT_EQ(MakeAnimationPath("C:\\models\\ship_d.3d"), "C:\\models\\ship_a.3d");
    EXPECT_EQ(MakeAnimationPath("C:\\models\\ship.3d"), "C:\\models\\ship_a.3d");
    EXPECT_EQ(MakeAnimationPath("C:\\models\\ship_d_v2.3d"), "C:\\models\\ship_d_a.3d");
    EXPECT_EQ(MakeAnimationPath("/home/me/ship.final.3d"), "/home/me/ship_a.3d");
    EXPECT_EQ(MakeAnimationPath("ship_d.3d"), "ship_a.3d");
}

TEST(AnimationPath, NeverLeavesTheDataFilesFolder) {
    // An underscore or period in a folder name is not looked at.
    EXPECT_EQ(MakeAnimationPath("/work/my_models/ship.3d"), "/work/my_models/ship_a.3d");
    EXPECT_EQ(MakeAnimationPath("/work/v1.2/ship.3d"), "/work/v1.2/ship_a.3d");
    EXPECT_EQ(MakeAnimationPath("C:\\my_models\\ship"), "C:\\my_models\\ship_a.3d");
    EXPECT_EQ(MakeAnimationPath("/work/my_models/ship"), "/work/my_models/ship_a.3d");
}

TEST(PackVertex, FieldsAndWrapping) {
    EXPECT_EQ(PackVertex(1.0f, -1.0f, 0.5f), 0x00BFC008u);
    // Exactly 128 passes the bounds check and wraps to the most negative field value.
    EXPECT_EQ(PackVertex(128.0f, 128.0f, 128.0f), 0x400u | (0x400u << 11) | (0x200u << 22));
    EXPECT_EQ(PackVertex(127.9f, 127.9f, 127.9f), 1023u | (1023u << 11) | (511u << 22));
    EXPECT_EQ(PackVertex(-1.0f, 1.0f, -0.5f), 0xFF8047F8u);  // negative fields in two's complement
    EXPECT_EQ(PackVertex(-128.0f, 0.0f, -128.0f), 0x400u | (0x200u << 22));
    EXPECT_EQ(PackVertex(-128.125f, 0.0f, -128.25f), 0x3FFu | (0x1FFu << 22));  // wrap to the top
    EXPECT_EQ(PackVertex(-0.1f, 0.12f, -0.2f), 0u);  // truncation toward zero
    EXPECT_EQ(PackVertex(1.0e30f, 0.0f, 0.0f), 0u);  // far beyond any field: no undefined cast
    // Past 32 bits once scaled, the low bits still come from the whole truncated value.
    EXPECT_EQ(PackVertex(268435488.0f, 0.0f, 0.0f), 0x100u);                // 2^31 + 256
    EXPECT_EQ(PackVertex(-268435488.0f, 0.0f, 0.0f), 0x700u);               // -(2^31 + 256)
    EXPECT_EQ(PackVertex(0.0f, 0.0f, 536870976.0f), 0x100u << 22);          // 2^31 + 256
    EXPECT_EQ(PackVertex(268435440.0f, 0.0f, 0.0f), 0x780u);                // 2^31 - 128, just inside
}

TEST(TextureBytes, TruncateAndWrapWithoutClamping) {
    EXPECT_EQ(TextureU(1.0f), 255);
    EXPECT_EQ(TextureU(0.0f), 0);
    EXPECT_EQ(TextureV(0.0f), 255);
    EXPECT_EQ(TextureV(1.0f), 0);
    EXPECT_EQ(TextureU(1.5f), 126);
    EXPECT_EQ(TextureU(-0.25f), 193);
    EXPECT_EQ(TextureV(0.5f), 127);
}

class AppendFile : public ::testing::Test {
protected:
    korvath::testing::TempDir dir;

    // Opens `bytes`, written to a file, for append and returns the file's bytes afterwards.
    std::string appendTo(const std::string& bytes, int vertices, int frames, AppendResult& result) {
        const auto path = dir.write("x_a.3d", bytes);
        std::FILE* file = std::fopen(path.string().c_str(), "r+b");
        EXPECT_NE(file, nullptr);
        result = OpenAnimationForAppend(file, vertices, frames);
        if (result == AppendResult::Ready) std::fputc(0x77, file);
        std::fclose(file);
        return dir.read("x_a.3d");
    }
};

TEST_F(AppendFile, RaisesTheCountAndPositionsAfterTheStoredFrames) {
    AppendResult result;
    const std::string before = std::string("\x02\x00\x08\x00", 4) + std::string(16, '\x11');
    const std::string after = appendTo(before, 2, 3, result);
    EXPECT_EQ(result, AppendResult::Ready);
    EXPECT_EQ(after, std::string("\x05\x00\x08\x00", 4) + std::string(16, '\x11') + "\x77");
}

TEST_F(AppendFile, RefusalsLeaveTheFileAsItWas) {
    const std::string header = std::string("\x0A\x00\x90\x01", 4);  // 10 frames of 400 bytes
    const std::string whole = header + std::string(4000, '\x11');
    const std::string full = std::string("\xFF\xFF\x04\x00", 4) + std::string(65535 * 4, '\x22');
    const struct {
        std::string bytes;
        int vertices;
        AppendResult expected;
    } cases[] = {
        {whole, 101, AppendResult::Mismatch},
        {"\x0A\x00", 100, AppendResult::Mismatch},  // no header
        {"", 100, AppendResult::Mismatch},
        {header, 100, AppendResult::WrongSize},  // its frames are missing
        {whole.substr(0, 4003), 100, AppendResult::WrongSize},
        {whole + "tail", 100, AppendResult::WrongSize},
        {full, 1, AppendResult::TooManyFrames},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        AppendResult result;
        EXPECT_EQ(appendTo(c.bytes, c.vertices, 1, result), c.bytes);
        EXPECT_EQ(result, c.expected);
    }
}

}  // namespace
}  // namespace korvathexp
