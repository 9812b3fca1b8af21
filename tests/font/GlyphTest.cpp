#include "font/Glyph.h"

#include <gtest/gtest.h>

#include <random>

#include "font/Error.h"
#include "support/ErrorOf.h"

namespace ledfont {
namespace {

using Record = std::array<std::uint8_t, kRecordBytes>;

// Each byte of the record takes each of its 256 values while the others hold random ones; the glyph
// always encodes back to the very record.
TEST(Glyph, EveryValueOfEveryByteRoundTrips) {
    std::mt19937 random(5);
    for (std::size_t at = 0; at < kRecordBytes; ++at) {
        for (int value = 0; value < 256; ++value) {
            Record record{};
            for (auto& byte : record) {
                byte = static_cast<std::uint8_t>(random());
            }
            record[at] = static_cast<std::uint8_t>(value);
            const Glyph glyph = Glyph::decode(record, {0x15, 0x37});
            ASSERT_EQ(glyph.encode(), record) << "byte " << at << " value " << value;
            EXPECT_EQ(glyph.pair, (std::array<std::uint8_t, 2>{0x15, 0x37}));
        }
    }
}

// Byte 1 is kind and centre; bytes 2 + 2c and 3 + 2c are column c's top and bottom halves, lowest bit
// first, a 0 bit lit.
TEST(Glyph, ReadsTheRecordLayout) {
    Record record;
    record.fill(0xFF);
    record[0] = 0;
    record[1] = 0x2B;
    record[2 + 2 * 3] = 0xFE;       // column 3, row 0
    record[3 + 2 * 3] = 0x7F;       // column 3, row 15
    record[2 + 2 * 15 + 1] = 0xF7;  // column 15, row 11
    const Glyph glyph = Glyph::decode(record);
    EXPECT_EQ(glyph.kind, GlyphKind::Ikaar);
    EXPECT_EQ(glyph.centre, 11);
    EXPECT_EQ(glyph.readWidth(), 16);
    EXPECT_EQ(glyph.shownWidth(), 16);
    int lit = 0;
    for (int c = 0; c < kGlyphColumns; ++c) {
        for (int r = 0; r < kGlyphRows; ++r) {
            lit += glyph.lit(c, r) ? 1 : 0;
        }
    }
    EXPECT_EQ(lit, 3);
    EXPECT_TRUE(glyph.lit(3, 0) && glyph.lit(3, 15) && glyph.lit(15, 11));

    // Widths: the read-out rule keeps a width above 16, the editor's list shows it as 16.
    record[0] = 40;
    EXPECT_EQ(Glyph::decode(record).readWidth(), 40);
    EXPECT_EQ(Glyph::decode(record).shownWidth(), 16);
    // A kind nibble with no name survives.
    record[1] = 0xF3;
    EXPECT_EQ(Glyph::decode(record).kindNumber(), 15);
    EXPECT_EQ(Glyph::decode(record).encode()[1], 0xF3);
}

TEST(Glyph, SetLitChangesOneLedAndChecksItsPlace) {
    Glyph glyph;
    glyph.setLit(7, 9, true);
    EXPECT_TRUE(glyph.lit(7, 9));
    EXPECT_EQ(glyph.encode()[2 + 2 * 7 + 1], 0xFD);
    glyph.setLit(7, 9, false);
    EXPECT_EQ(glyph, Glyph{});
    EXPECT_EQ(test::errorOf([&] { glyph.setLit(16, 0, true); }).code(), ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(test::errorOf([&] { (void)glyph.lit(0, -1); }).code(), ErrorCode::SubscriptOutOfRange);
}

}  // namespace
}  // namespace ledfont
