#include "editor/GlyphTransfer.h"

#include <gtest/gtest.h>

namespace ledfont::editor {
namespace {

TEST(GlyphTransferTest, ViewOfRecordFields) {
    struct Case {
        int byte0, byte1;
        GlyphView view;
    };
    const Case cases[] = {
        {0, 0x00, {16, 15, -1, 0}},              // zero record: width 16, Consonant, no centre
        {1, 0x15, {1, 0, 4, 1}},                 // Vowel, centre 5
        {8, 0x2F, {8, 7, 14, 2}},                // Ikaar, centre 15
        {16, 0x31, {16, 15, 0, std::nullopt}},   // kind 3 sets no option
        {17, 0xF0, {16, 15, -1, std::nullopt}},  // a width the list cannot show reads as 16
        {255, 0x01, {16, 15, 0, 0}},
    };
    for (const Case& c : cases) {
        FontDataTable font;
        font.set(5, 0, c.byte0);
        font.set(5, 1, c.byte1);
        EXPECT_EQ(glyphView(font, 5), c.view) << c.byte0 << " " << c.byte1;
    }
}

TEST(GlyphTransferTest, ConjunctTextAndListEntry) {
    struct Case {
        int value;
        const char* text;
        int entry;
    };
    const Case cases[] = {{0, "00", 0},     {0x0A, "0A", 10}, {0x7F, "7F", 127},
                          {0x80, "80", -1}, {0x9C, "9C", -1}, {0xFF, "FF", -1}};
    for (const Case& c : cases) {
        auto value = static_cast<std::uint8_t>(c.value);
        EXPECT_EQ(conjunctText(value), c.text);
        EXPECT_EQ(conjunctListIndex(value), c.entry);
        EXPECT_EQ(conjunctFromText(c.text), c.value) << "the text reads back as the byte";
    }
    for (const char* bad : {"", "G1", "-1", "1.5", "&H10"}) {
        EXPECT_THROW(conjunctFromText(bad), Error) << bad;
    }
    EXPECT_THROW(conjunctFromText("100"), Error) << "three digits overflow a byte";
}

TEST(GlyphTransferTest, RecordFromControls) {
    // (Ikaar, Vowel) to the kind nibble; Ikaar wins.
    for (auto [ikaar, vowel, kind] :
         {std::tuple{false, false, 0}, {false, true, 1}, {true, false, 2}, {true, true, 2}}) {
        EXPECT_EQ(kindFromOptions(ikaar, vowel), kind) << ikaar << vowel;
    }
    CharMapArray charMap;
    for (int i = 0; i < 51; ++i) {
        charMap.set(i, (i * 7 + 3) % 256);
    }
    GlyphControls controls{7, 0, 0, {"00", "01"}};
    GlyphRecord hindi = buildRecord(controls, charMap, false);
    EXPECT_EQ(hindi.bytes[0], 8);
    EXPECT_EQ(hindi.bytes[1], 1);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(hindi.bytes[static_cast<std::size_t>(2 + i)], charMap(i)) << i;
    }
    EXPECT_FALSE(hindi.pair) << "a Hindi font has no conjunct pair";

    GlyphControls none{-1, -1, 2, {"9C", "7F"}};
    GlyphRecord jukta = buildRecord(none, charMap, true);
    EXPECT_EQ(jukta.bytes[0], 0) << "nothing selected stores 0";
    EXPECT_EQ(jukta.bytes[1], 0x20);
    ASSERT_TRUE(jukta.pair);
    EXPECT_EQ((*jukta.pair)[0], 0x9C);
    EXPECT_EQ((*jukta.pair)[1], 0x7F);

    GlyphControls broken{7, 0, 0, {"00", "x"}};
    EXPECT_THROW(buildRecord(broken, charMap, true), Error);
    EXPECT_NO_THROW(buildRecord(broken, charMap, false)) << "the texts are not read in a Hindi font";
}

TEST(GlyphTransferTest, StoreWritesRecordAndPairOnly) {
    FontDocument document;
    const FontTables& tables = document.tables();
    GlyphRecord record;
    record.bytes.fill(0xAB);
    FontTables seeded;
    seeded.FontData.set(3, 40, 9);
    document.setTables(seeded);
    storeRecord(document, 3, record);
    for (int i = 0; i < 34; ++i) {
        EXPECT_EQ(tables.FontData(3, i), 0xAB) << i;
    }
    EXPECT_EQ(tables.FontData(3, 40), 9) << "bytes past the record stay";
    EXPECT_EQ(tables.JuktaData(3, 0), 0) << "no pair, no conjunct write";

    record.pair = std::array<std::uint8_t, 2>{0x12, 0x34};
    storeRecord(document, 511, record);
    EXPECT_EQ(tables.JuktaData(511, 0), 0x12);
    EXPECT_EQ(tables.JuktaData(511, 1), 0x34);

    FontTables before = tables;
    EXPECT_THROW(storeRecord(document, 601, record), Error);
    EXPECT_THROW(storeRecord(document, -1, record), Error);
    EXPECT_EQ(tables, before) << "a bad index writes nothing";
}

TEST(GlyphTransferTest, SteppingStopsAtBothEnds) {
    struct Case {
        bool jukta;
        int from, next, previous;
    };
    const Case cases[] = {
        {false, 0, 1, 0}, {false, 126, 127, 125}, {false, 127, 127, 126},
        {true, 0, 1, 0},  {true, 127, 128, 126},  {true, 511, 511, 510},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nextGlyph(c.from, c.jukta), c.next) << c.jukta << " " << c.from;
        EXPECT_EQ(previousGlyph(c.from), c.previous) << c.from;
    }
}

}  // namespace
}  // namespace ledfont::editor
