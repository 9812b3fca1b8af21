#include "font/FontTables.h"

#include <gtest/gtest.h>

#include "support/ErrorOf.h"

#include <memory>

namespace ledfont {
namespace {

TEST(FontTables, StartAllZeroWithNoFileChosen) {
    auto tables = std::make_unique<FontTables>();
    EXPECT_FALSE(tables->JuktaMode);
    EXPECT_TRUE(tables->FontFile.empty());
    EXPECT_EQ(tables->FontData(600, 50), 0);
    EXPECT_EQ(tables->JuktaData(600, 2), 0);
}

TEST(FontTables, ZeroRecordReadsAsFullWidthConsonantWithEveryLedLit) {
    FontDataTable font;
    EXPECT_EQ(glyphWidth(font, 7), 16);
    EXPECT_EQ(glyphKind(font, 7), 0);
    EXPECT_EQ(glyphCentre(font, 7), 0);
    for (int c = 0; c < 16; ++c) {
        for (int r = 0; r < 16; ++r) {
            EXPECT_TRUE(ledLit(font, 7, c, r)) << c << "," << r;
        }
    }
}

TEST(FontTables, RecordReadings) {
    FontDataTable font;
    font.set(3, 0, 9);
    font.set(3, 1, 0x23);
    EXPECT_EQ(glyphWidth(font, 3), 9);
    EXPECT_EQ(glyphKind(font, 3), 2);
    EXPECT_EQ(glyphCentre(font, 3), 3);

    // Column 3: rows 0..7 in byte 8, rows 8..15 in byte 9, bit k is row k of the half; 0 is lit.
    font.set(3, 2 + 2 * 3 + 1, 0xFF & ~0x02);
    font.set(3, 2 + 2 * 3, 0xFF);
    EXPECT_TRUE(ledLit(font, 3, 3, 9));
    EXPECT_FALSE(ledLit(font, 3, 3, 8));
    EXPECT_FALSE(ledLit(font, 3, 3, 0));
    EXPECT_TRUE(ledLit(font, 3, 2, 0)) << "other columns untouched";
}

TEST(FontTables, EveryIndexIsCheckedAgainstItsBounds) {
    auto tables = std::make_unique<FontTables>();
    const std::pair<int, int> badFontData[] = {{-1, 0}, {601, 0}, {0, -1}, {0, 51}};
    for (auto [row, col] : badFontData) {
        EXPECT_THROW(tables->FontData.set(row, col, 1), Error) << row << "," << col;
        const Error e = test::errorOf([&, row = row, col = col] { (void)tables->FontData(row, col); });
        EXPECT_EQ(e.code(), ErrorCode::SubscriptOutOfRange);
        EXPECT_STREQ(e.what(), "Subscript out of range");
    }
    EXPECT_THROW((void)tables->JuktaData(0, 3), Error);
    EXPECT_THROW((void)tables->JuktaData(601, 0), Error);
    EXPECT_THROW((void)CharMapArray{}(51), Error);
    EXPECT_THROW((void)glyphWidth(tables->FontData, 601), Error);
    EXPECT_THROW((void)ledLit(tables->FontData, 0, 16, 0), Error);
    EXPECT_NO_THROW(tables->FontData.set(600, 50, 1));
    EXPECT_EQ(tables->FontData(600, 50), 1);
}

TEST(FontTables, AValueOutsideAByteOverflowsAndLeavesTheTableAlone) {
    ByteArray<50> map;
    map.set(4, 200);
    for (int bad : {256, -1, 1000}) {
        const Error e = test::errorOf([&] { map.set(4, bad); });
        EXPECT_EQ(e.code(), ErrorCode::Overflow);
        EXPECT_STREQ(e.what(), "Overflow");
    }
    EXPECT_EQ(map(4), 200);
}

TEST(FontTables, KindSizes) {
    EXPECT_EQ(valueCount(FontKind::Hindi), 4352);
    EXPECT_EQ(valueCount(FontKind::Jukta512), 18432);
    EXPECT_EQ(glyphCount(kindOf(true)), 512);
}

TEST(Error, DescriptionsAndPlace) {
    EXPECT_EQ(describe(ErrorCode::InputPastEndOfFile), "Input past end of file");
    EXPECT_EQ(describe(ErrorCode::PathNotFound), "Path not found");
    EXPECT_EQ(describe(ErrorCode::DeviceIOError), "Device I/O error");
    EXPECT_EQ(describe(ErrorCode::BadFileNameOrNumber), "Bad file name or number");
    ErrorPlace place;
    place.line = 41;
    place.value = "256";
    place.hasValue = true;
    Error e(ErrorCode::Overflow, place);
    EXPECT_STREQ(e.what(), "Overflow: line 41, value \"256\"");
    EXPECT_STREQ(e.withPath("/f/hindi.txt").what(), "Overflow: /f/hindi.txt, line 41, value \"256\"");
    EXPECT_EQ(displayValue(std::string(300, '7')), std::string(40, '7') + "...");
    EXPECT_EQ(displayValue(std::string("a\0b\r", 4)), "a\\x00b\\x0D");
}

}  // namespace
}  // namespace ledfont
