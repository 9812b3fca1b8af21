#include "hexout/HexRecords.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "HexTestSupport.h"
#include "font/Error.h"

namespace ledfont::hexout {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end in CR LF";
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::string recordsOf(std::vector<std::uint8_t> bytes, int address) {
    std::string out;
    appendDataRecords(out, bytes, address);
    return out;
}

ErrorCode errorOf(auto&& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.code();
    }
    ADD_FAILURE() << "no error thrown";
    return ErrorCode{};
}

TEST(HexCh, TwoUpperCaseDigitsWithLeadingZero) {
    const std::pair<int, const char*> cases[] = {
        {0x00, "00"}, {0x05, "05"}, {0x0F, "0F"}, {0x10, "10"}, {0x7E, "7E"}, {0xAB, "AB"}, {0xFF, "FF"},
    };
    for (auto [byte, text] : cases) {
        EXPECT_EQ(HexCh(static_cast<std::uint8_t>(byte)), text);
    }
}

TEST(HexChkSum, TwosComplementOfTheLowByte) {
    const std::array<std::uint8_t, 19> worked = {0x08, 0x04, 0xFF, 0xFF, 0x00, 0xFF, 0x81, 0x7E, 0x3C, 0xC3,
                                                 0x00, 0x00, 0xFF, 0xFF, 0x12, 0x34, 0x10, 0x90, 0x00};
    const std::array<std::uint8_t, 4> wraps = {0x50, 0x10, 0x90, 0x10};  // sums to 0x100
    const std::array<std::uint8_t, 3> small = {0x01, 0x00, 0x7F};
    EXPECT_EQ(HexChkSum(worked, 19), "15");
    EXPECT_EQ(HexChkSum(wraps, 4), "00");
    EXPECT_EQ(HexChkSum(small, 1), "FF");
    EXPECT_EQ(HexChkSum(small, 3), "80");
    EXPECT_EQ(HexChkSum(small, 0), "00");
    // Only the leading elements count.
    EXPECT_EQ(HexChkSum(worked, 16), HexCh(static_cast<std::uint8_t>((256 - 1867 % 256) % 256)));
}

TEST(HexChkSum, SumAbove32767Overflows) {
    // 128 x 255 + 127 = 32767 is the largest sum; one more unit overflows.
    std::vector<std::uint8_t> bytes(130, 0xFF);
    bytes[128] = 127;
    bytes[129] = 1;
    EXPECT_EQ(HexChkSum(bytes, 128), "80");
    EXPECT_EQ(HexChkSum(bytes, 129), "01");
    EXPECT_EQ(errorOf([&] { (void)HexChkSum(bytes, 130); }), ErrorCode::Overflow);
}

TEST(HexChkSum, ElementBeyondTheArrayIsOutOfRange) {
    const std::array<std::uint8_t, 19> block{};
    EXPECT_EQ(HexChkSum(block, 19), "00");
    EXPECT_EQ(errorOf([&] { (void)HexChkSum(block, 20); }), ErrorCode::SubscriptOutOfRange);
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

TEST(DataRecords, ConsecutiveRecordsAre16Apart) {
    std::vector<std::uint8_t> bytes(48);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i);
    }
    auto lines = linesOf(recordsOf(bytes, 0xE8D0));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 9), ":10E8D000");
    EXPECT_EQ(lines[1].substr(0, 11), ":10E8E00010");
    EXPECT_EQ(lines[2].substr(0, 11), ":10E8F00020");
}

TEST(DataRecords, RaggedOrOversizedImagesAreRefused) {
    std::string out;
    std::vector<std::uint8_t> ragged(17);
    std::vector<std::uint8_t> two(32);
    EXPECT_EQ(errorOf([&] { appendDataRecords(out, ragged, 0x9000); }), ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { appendDataRecords(out, two, 0xFFF0); }), ErrorCode::SubscriptOutOfRange);
    EXPECT_TRUE(out.empty());
    // The very last record of the address space is still allowed.
    auto lines = linesOf(recordsOf(two, 0xFFE0));
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
        auto lines = linesOf(buildHexText(tables));
        ASSERT_EQ(lines.size(), c.lines);
        for (const auto& [index, start] : c.starts) {
            EXPECT_EQ(lines[index].substr(0, 7), start) << "line " << index;
        }
        EXPECT_EQ(lines.back(), ":00000001FF");
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
            EXPECT_EQ(lines[i].size(), 43u) << "line " << i;
            if (i > 0 && lines[i].substr(3, 4) != "E500") {
                int step = std::stoi(lines[i].substr(3, 4), nullptr, 16) -
                           std::stoi(lines[i - 1].substr(3, 4), nullptr, 16);
                EXPECT_EQ(step, 16) << "line " << i;
            }
        }
    }
}

TEST(HexText, CrLfAfterEveryLineAndNothingElse) {
    for (bool jukta : {false, true}) {
        FontTables tables = test::randomTables(11, jukta);
        std::string text = buildHexText(tables);
        std::size_t crlf = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            char c = text[i];
            bool digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
            if (c == '\r') {
                ASSERT_LT(i + 1, text.size());
                ASSERT_EQ(text[i + 1], '\n') << "at " << i;
                ++crlf;
                ++i;
            } else {
                ASSERT_TRUE(digit || c == ':') << "character " << int(c) << " at " << i;
            }
        }
        EXPECT_EQ(crlf, jukta ? 1153u : 273u);
        EXPECT_EQ(text.substr(text.size() - 13), ":00000001FF\r\n");
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
    auto lines = linesOf(buildHexText(tables));
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

TEST(HexText, HindiGlyphZeroOpensTheFile) {
    FontTables tables;
    tables.FontData.set(0, 0, 8);
    tables.FontData.set(0, 1, 0 * 16 + 4);
    EXPECT_EQ(buildHexText(tables).substr(0, 13), ":109000000804");
}

TEST(HexText, AllZeroTablesGiveAnAllZeroHindiFile) {
    FontTables tables;
    auto lines = linesOf(buildHexText(tables));
    ASSERT_EQ(lines.size(), 273u);
    EXPECT_EQ(lines[0], ":10900000" + std::string(32, '0') + "60");
    for (std::size_t i = 0; i < 272; ++i) {
        EXPECT_EQ(lines[i].substr(9, 32), std::string(32, '0')) << "line " << i;
    }
}

TEST(HexText, HindiModeIgnoresJuktaDataLeftInMemory) {
    FontTables jukta = test::randomTables(3, true);
    FontTables hindi = jukta;
    hindi.JuktaMode = false;
    std::string text = buildHexText(hindi);
    auto memory = test::memoryOf(test::parseHex(text));
    EXPECT_EQ(memory.size(), 4352u);
    EXPECT_EQ(memory.begin()->first, 0x9000);
    EXPECT_EQ(memory.rbegin()->first, 0xA0FF);
    EXPECT_EQ(memory, test::expectedMemory(hindi));
}

TEST(HexText, ChangesOnlyTheImageAndLeavesTheLastImageBuilt) {
    for (bool jukta : {false, true}) {
        const FontTables before = test::randomTables(5, jukta);
        FontTables tables = before;
        (void)buildHexText(tables);
        FontTables others = tables;
        others.HexImage = before.HexImage;
        EXPECT_EQ(others, before);
        // Hindi: the glyph image. Jukta512: the pairs over the start of the glyph image.
        auto image = tables.HexImage.bytes();
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
