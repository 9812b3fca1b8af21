#include "hexout/HexRecords.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "HexTestSupport.h"
#include "font/Error.h"
#include "hexout/HexImage.h"
#include "support/ErrorOf.h"

namespace ledfont::hexout {
namespace {

std::string recordsOf(std::vector<std::uint8_t> bytes, int address) {
    std::string out;
    appendDataRecords(out, bytes, address);
    return out;
}

ErrorCode errorOf(auto&& call) {
    return test::errorOf(call).code();
}

TEST(HexChkSum, TwosComplementOfTheLeadingBytes) {
    const std::vector<std::uint8_t> worked = {0x08, 0x04, 0xFF, 0xFF, 0x00, 0xFF, 0x81, 0x7E, 0x3C, 0xC3,
                                              0x00, 0x00, 0xFF, 0xFF, 0x12, 0x34, 0x10, 0x90, 0x00};
    std::vector<std::uint8_t> largest(130, 0xFF);  // 128 x 255 + 127 = 32767 is the largest sum
    largest[128] = 127;
    largest[129] = 1;
    const struct {
        std::vector<std::uint8_t> bytes;
        int count;
        const char* sum;
    } cases[] = {
        {worked, 19, "15"},
        {worked, 16, "B5"},
        {{0x50, 0x10, 0x90, 0x10}, 4, "00"},
        {{0x01, 0x00, 0x7F}, 1, "FF"},
        {{0x01, 0x00, 0x7F}, 3, "80"},
        {{0x01}, 0, "00"},
        {largest, 128, "80"},
        {largest, 129, "01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HexChkSum(c.bytes, c.count), c.sum) << c.count;
    }
    EXPECT_EQ(errorOf([&] { (void)HexChkSum(largest, 130); }), ErrorCode::Overflow);
    EXPECT_EQ(errorOf([&] { (void)HexChkSum(worked, 20); }), ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { (void)HexChkSum(std::span<const std::uint8_t>(), 1); }),
              ErrorCode::SubscriptOutOfRange);
}

TEST(DataRecords, WorkedExamples) {
    const struct {
        std::vector<std::uint8_t> bytes;
        int address;
        const char* line;
    } cases[] = {
        {{0x08, 0x04, 0xFF, 0xFF, 0x00, 0xFF, 0x81, 0x7E, 0x3C, 0xC3, 0x00, 0x00, 0xFF, 0xFF, 0x12, 0x34},
         0x9000,
         ":109000000804FFFF00FF817E3CC30000FFFF123415"},
        {std::vector<std::uint8_t>(16, 0), 0xA100, ":10A10000000000000000000000000000000000004F"},
        {{0x50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         0x9010,
         ":109010005000000000000000000000000000000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(recordsOf(c.bytes, c.address), std::string(c.line) + "\r\n");
    }
}

TEST(DataRecords, RaggedOrOversizedImagesAreRefused) {
    std::string out;
    std::vector<std::uint8_t> ragged(17);
    std::vector<std::uint8_t> two(32);
    EXPECT_EQ(errorOf([&] { appendDataRecords(out, ragged, 0x9000); }), ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { appendDataRecords(out, two, 0xFFF0); }), ErrorCode::SubscriptOutOfRange);
    EXPECT_TRUE(out.empty());
    // The very last record of the address space is still allowed.
    auto lines = test::crLfLines(recordsOf(two, 0xFFE0));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 7), ":10FFE0");
    EXPECT_EQ(lines[1].substr(0, 7), ":10FFF0");
}

struct RegionCase {
    bool juktaMode;
    std::size_t lines;
    // Index of a line and the first seven characters it must have.
    std::vector<std::pair<std::size_t, std::string>> starts;
};

TEST(HexText, LineCountsAndRegionAddresses) {
    const RegionCase cases[] = {
        {false, 273, {{0, ":109000"}, {271, ":10A0F0"}}},
        {true, 1153, {{0, ":10A100"}, {1087, ":10E4F0"}, {1088, ":10E500"}, {1151, ":10E8F0"}}},
    };
    for (const auto& c : cases) {
        FontTables tables = test::randomTables(7, c.juktaMode);
        auto lines = test::crLfLines(buildHexText(tables));
        ASSERT_EQ(lines.size(), c.lines);
        for (const auto& [index, start] : c.starts) {
            EXPECT_EQ(lines[index].substr(0, 7), start) << "line " << index;
        }
        EXPECT_EQ(lines.back(), ":00000001FF");
    }
}

TEST(HexText, GlyphsStraddleRecordBoundaries) {
    FontTables tables;
    tables.JuktaMode = true;
    tables.FontData.set(1, 0, 0xB1);
    tables.FontData.set(1, 1, 0xC2);
    tables.FontData.set(8, 0, 0xD3);
    tables.FontData.set(8, 33, 0xE4);
    tables.JuktaData.set(511, 1, 0xF5);
    auto lines = test::crLfLines(buildHexText(tables));
    ASSERT_EQ(lines.size(), 1153u);
    // Glyph 1 at 0xA122: data bytes 2 and 3 of the record at 0xA120 (data starts at character 9).
    EXPECT_EQ(lines[2].substr(0, 7), ":10A120");
    EXPECT_EQ(lines[2].substr(9, 8), "0000B1C2");
    // Glyph 8 at 0xA210: data byte 0 of the record at 0xA210; its last byte at 0xA231 is byte 1 of 0xA230.
    EXPECT_EQ(lines[17].substr(0, 7), ":10A210");
    EXPECT_EQ(lines[17].substr(9, 2), "D3");
    EXPECT_EQ(lines[19].substr(0, 7), ":10A230");
    EXPECT_EQ(lines[19].substr(9, 4), "00E4");
    // The last pair is the last data byte of the file.
    EXPECT_EQ(lines[1151].substr(39, 2), "F5");
}

TEST(HexText, AllZeroTablesGiveAnAllZeroHindiFile) {
    FontTables tables;
    auto lines = test::crLfLines(buildHexText(tables));
    ASSERT_EQ(lines.size(), 273u);
    EXPECT_EQ(lines[0], ":10900000" + std::string(32, '0') + "60");
    for (std::size_t i = 0; i < 272; ++i) {
        EXPECT_EQ(lines[i].substr(9, 32), std::string(32, '0')) << "line " << i;
    }
}

TEST(HexText, TheImageHoldsTheGlyphsAndThenThePairsOverTheirStart) {
    for (bool jukta : {false, true}) {
        const FontTables before = test::randomTables(5, jukta);
        auto HexImage = std::make_unique<HexImageArray>();
        EXPECT_EQ(buildGlyphImage(before, kindOf(jukta), *HexImage), 34 * (jukta ? 512 : 128));
        if (jukta) {
            EXPECT_EQ(buildConjunctImage(before, *HexImage), 1024);
        }
        EXPECT_THROW((void)(*HexImage)(20001), Error);
        // Hindi: the glyph image. Jukta512: the pairs over the start of the glyph image.
        auto image = HexImage->bytes();
        for (int g = 0; g < (jukta ? 512 : 128); ++g) {
            for (int b = 0; b < 34; ++b) {
                int at = 34 * g + b;
                if (!jukta || at >= 1024) {
                    ASSERT_EQ(image[static_cast<std::size_t>(at)], before.FontData(g, b)) << at;
                }
            }
            for (int k = 0; jukta && k < 2; ++k) {
                ASSERT_EQ(image[static_cast<std::size_t>(2 * g + k)], before.JuktaData(g, k));
            }
        }
    }
}

}  // namespace
}  // namespace ledfont::hexout
