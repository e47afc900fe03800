// The converter's own readers: a 3DS file's animation segment, the key frames a model file
// declares, an OFF file's counts and the scale record.
#include "exporter/convert/key_frame_header.h"
#include "exporter/convert/off_header.h"
#include "exporter/convert/scale_record.h"
#include "exporter/convert/three_ds_segment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace korvath::convert {
namespace {

std::string chunk(std::uint16_t id, const std::string& body, std::uint32_t extraLength = 0) {
    const std::uint32_t length = std::uint32_t(body.size()) + 6 + extraLength;
    std::string out{char(id & 0xFF), char(id >> 8)};
    for (int i = 0; i < 4; ++i) out += char((length >> (8 * i)) & 0xFF);
    return out + body;
}

std::string int32s(std::int32_t a, std::int32_t b) {
    std::string out;
    for (std::int32_t v : {a, b})
        for (int i = 0; i < 4; ++i) out += char((std::uint32_t(v) >> (8 * i)) & 0xFF);
    return out;
}

TEST(ThreeDsSegment, FoundInTheKeyFrameSectionAndRefusedWhenItMakesNoSense) {
    const std::string editor = chunk(0x3D3D, std::string(20, 'x'));
    const std::string header = chunk(0xB00A, std::string(9, '\0'));
    auto file = [&](const std::string& segment) { return chunk(0x4D4D, editor + chunk(0xB000, header + segment)); };
    struct Case {
        const char* what;
        std::string bytes;
        std::optional<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {"stored", file(chunk(0xB008, int32s(0, 300))), std::pair{0, 300}},
        {"starting later", file(chunk(0xB008, int32s(10, 20))), std::pair{10, 20}},
        {"end before start", file(chunk(0xB008, int32s(20, 10))), std::nullopt},
        {"negative start", file(chunk(0xB008, int32s(-5, 10))), std::nullopt},
        {"more frames than a file counts", file(chunk(0xB008, int32s(0, 65535))), std::nullopt},
        {"body too short", file(chunk(0xB008, std::string(6, '\0'))), std::nullopt},
        {"length past the end", file(chunk(0xB008, int32s(0, 300), 100)), std::nullopt},
        {"no key-frame section", chunk(0x4D4D, editor), std::nullopt},
        {"segment outside the key-frame section", chunk(0x4D4D, chunk(0xB008, int32s(0, 300))), std::nullopt},
        {"empty", "", std::nullopt},
        {"a chunk of length zero", std::string(6, '\0'), std::nullopt},
    };
    for (const Case& c : cases) {
        const auto got = threeDsSegment(c.bytes);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.what;
        if (got) {
            EXPECT_EQ((std::pair{got->start, got->end}), *c.expected) << c.what;
        }
    }
}

TEST(KeyFrameHeader, CountReadFromEachFormatsHeaderAndRefusedWhenItMakesNoSense) {
    auto header = [](const char* magic, std::size_t offset, std::int32_t count, std::size_t size) {
        std::string bytes(size, '\x7f');
        bytes.replace(0, 4, magic);
        if (offset + 4 <= size)
            for (int i = 0; i < 4; ++i) bytes[offset + std::size_t(i)] = char((std::uint32_t(count) >> (8 * i)) & 0xFF);
        return bytes;
    };
    struct Row {
        std::string bytes;
        std::optional<int> count;
    };
    const Row rows[] = {
        {header("IDP2", 40, 198, 68), 198},   {header("IDP3", 76, 8, 108), 8},
        {header("IDPC", 76, 250, 108), 250},  {header("IDPO", 68, 3, 84), 3},
        {header("MDL3", 68, 70000, 84), 70000}, {header("MDL5", 68, 1, 84), 1},
        {header("IDP2", 40, 0, 68), std::nullopt},   // no frames
        {header("IDP2", 40, -5, 68), std::nullopt},  // negative
        {header("IDP3", 76, 8, 79), std::nullopt},   // cut short inside the count
        {header("MDL7", 68, 8, 84), std::nullopt},   // frames kept per group, not in the header
        {header("IDST", 68, 8, 84), std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& r : rows) EXPECT_EQ(declaredKeyFrames(r.bytes), r.count) << r.bytes.substr(0, 4);
}

TEST(OffHeader, CountsReadAfterTheKeywordAndCheckedAgainstTheFileSize) {
    struct Row {
        const char* head;
        std::optional<std::pair<std::uint64_t, std::uint64_t>> counts;
    };
    const Row rows[] = {
        {"OFF\n8 6 0\n-0.5", std::pair<std::uint64_t, std::uint64_t>{8, 6}},
        {"# made by hand\nCOFF\n# counts\n3 1 0\n", std::pair<std::uint64_t, std::uint64_t>{3, 1}},
        {"OFF 4 2 0\n", std::pair<std::uint64_t, std::uint64_t>{4, 2}},
        {"OFF\n353535235358 6 0\n", std::pair<std::uint64_t, std::uint64_t>{353535235358, 6}},
        {"OFF\n8", std::nullopt},  // cut short
        {"OFF\n8x 6", std::nullopt},
        {"ply\n8 6", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& r : rows) {
        const auto counts = offCounts(r.head);
        ASSERT_EQ(counts.has_value(), r.counts.has_value()) << r.head;
        if (counts) {
            EXPECT_EQ(std::make_pair(counts->vertices, counts->faces), *r.counts) << r.head;
        }
    }
    EXPECT_FALSE(offCountsExceed({8, 6}, 8 * 6 + 6 * 4));
    EXPECT_TRUE(offCountsExceed({8, 6}, 8 * 6 + 6 * 4 - 1));
    EXPECT_TRUE(offCountsExceed({353535235358, 6}, 309));
    EXPECT_TRUE(offCountsExceed({std::uint64_t(-1) / 16, std::uint64_t(-1) / 16}, 1000));
}

TEST(ScaleRecord, OneLineThatReadsBackExactly) {
    EXPECT_EQ(formatScaleRecord(254.0f), "scale=254\r\n");
    for (float f : {0.12345679f, 254.0f, 12.7f, 1.0e-7f, 3.4e38f}) {
        EXPECT_EQ(parseScaleRecord(formatScaleRecord(f)), f);
    }
    EXPECT_EQ(parseScaleRecord("scale=2.5\n"), 2.5f);
    for (const char* bad : {"", "scale=", "scale=0", "scale=-2", "scale=inf", "scale=nan", "scale=2x", "Scale=2",
                            " scale=2", "scale=2\r\nscale=3\r\n"}) {
        EXPECT_FALSE(parseScaleRecord(bad)) << bad;
    }
    EXPECT_EQ(scaleRecordPath("/m/ship_a.3d"), std::filesystem::path("/m/ship_a.3d.scale"));
}

}  // namespace
}  // namespace korvath::convert
