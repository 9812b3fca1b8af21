#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ImportData.h"
#include "import/BdfFont.h"
#include "import/GlyphImport.h"
#include "import/UnifontHex.h"
#include "support/TestFiles.h"

namespace ledfont::import {
namespace {

std::string bdfFont(const std::string& header, const std::string& glyphs, int count) {
    return "STARTFONT 2.1\nFONT test\nSIZE 16 75 75\n" + header + "CHARS " + std::to_string(count) + "\n" +
           glyphs + "ENDFONT\n";
}

std::string bdfGlyph(int code, const std::string& bbx, const std::vector<std::string>& rows) {
    std::string text =
        "STARTCHAR g\nENCODING " + std::to_string(code) + "\nDWIDTH 8 0\nBBX " + bbx + "\nBITMAP\n";
    for (const std::string& row : rows) {
        text += row + "\n";
    }
    return text + "ENDCHAR\n";
}

const std::string kProperties =
    "FONTBOUNDINGBOX 8 16 0 -2\nSTARTPROPERTIES 2\nFONT_ASCENT 14\nFONT_DESCENT 2\n"
    "ENDPROPERTIES\n";

TEST(BdfFont, PlacesEachGlyphByTheAscentAndItsBox) {
    // Ascent 14: a glyph whose box is 3 rows from y = -1 has its rows on 12, 13, 14.
    const std::string glyphs = bdfGlyph(0x915, "4 3 1 -1", {"80", "40", "30"}) +
                               bdfGlyph(0x916, "12 1 0 13", {"8010"}) + bdfGlyph(-1, "8 1 0 0", {"FF"});
    const BdfSource source(bdfFont(kProperties, glyphs, 3));
    GlyphImage ka;
    ka.rows[12] = 1u;
    ka.rows[13] = 2u;
    ka.rows[14] = 4u | 8u;
    GlyphImage kha;
    kha.rows[0] = 1u | 1u << 11;
    EXPECT_EQ(source.image(U"\u0915"), ka);
    EXPECT_EQ(source.image(U"\u0916"), kha);
    EXPECT_EQ(source.image(U"\u0917"), std::nullopt);

    // Without the properties the bounding box gives the ascent (12), and ink above row 0 is cut.
    const BdfSource boxed(
        bdfFont("FONTBOUNDINGBOX 8 16 0 -4\n", bdfGlyph(0x915, "8 2 0 11", {"01", "80"}), 1));
    GlyphImage cut;
    cut.rows[0] = 1u;
    cut.cut = true;
    EXPECT_EQ(boxed.image(U"\u0915"), cut);
}

TEST(BdfFont, RejectsABadFontNamingTheLine) {
    const std::string glyph = bdfGlyph(0x915, "8 2 0 0", {"00", "00"});
    const std::vector<std::pair<std::string, std::string>> cases = {
        {bdfFont(kProperties, bdfGlyph(0x915, "8 2 0 0", {"00"}), 1),
         "line 16: BITMAP of U+0915 has 1 rows, BBX says 2"},
        {bdfFont(kProperties, bdfGlyph(0x915, "8 1 0 0", {"00", "00"}), 1),
         "line 16: BITMAP of U+0915 has more than the 1 rows BBX says (no ENDCHAR)"},
        {bdfFont(kProperties, bdfGlyph(0x915, "12 1 0 0", {"00"}), 1),
         "line 15: BITMAP row of U+0915 is \"00\", expected 4 hex digits"},
        {bdfFont(kProperties, bdfGlyph(0x915, "8 1 0 0", {"0Z"}), 1),
         "line 15: 'Z' in the BITMAP of U+0915 is not a hex digit"},
        {bdfFont(kProperties, glyph + glyph, 2), "line 22: U+0915 is given a second time"},
        {bdfFont(kProperties, glyph, 2), "line 18: CHARS says 2 glyphs, the font has 1"},
        {bdfFont("FONT_ASCENT 14\nFONT_DESCENT 4\n", glyph, 1),
         "line 7: the font is 18 rows tall (FONT_ASCENT 14, FONT_DESCENT 4); a glyph has 16"},
        {bdfFont("", glyph, 1),
         "line 5: the font gives neither FONT_ASCENT and FONT_DESCENT nor FONTBOUNDINGBOX"},
        {bdfFont(kProperties, "STARTCHAR g\nBBX 8 1 0 0\nBITMAP\n00\nENDCHAR\n", 1),
         "line 12: glyph on line 10 has no ENCODING before BITMAP"},
        {bdfFont(kProperties, "STARTCHAR g\nENCODING x\n", 1), "line 11: ENCODING: \"x\" is not a number"},
        {"STARTFONT 2.1\n" + kProperties + glyph, "line 15: the font ends without ENDFONT"},
        {"P4\n1 1\n", "line 1: not a BDF font: expected STARTFONT, found \"P4\""},
        {"", "line 1: not a BDF font: no STARTFONT"},
    };
    for (const auto& [text, message] : cases) {
        try {
            BdfSource source(text);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const SourceError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

#ifndef _WIN32
// hex2bdf (unifont-bin) turns the Unifont block into BDF; both give the same font.
TEST(BdfFont, UnifontThroughHex2bdfGivesTheFontTheHexGives) {
    LEDFONT_NEED_IMPORT_DATA(std::filesystem::exists(test::kUnifontHex), "Unifont (package unifont)");
    LEDFONT_NEED_IMPORT_DATA(std::system("command -v hex2bdf >/dev/null") == 0,
                             "hex2bdf (package unifont-bin)");
    test::TempFolder folder;
    std::string block;
    std::ifstream in(test::kUnifontHex);
    for (std::string line; std::getline(in, line);) {
        if (line.size() > 4 && line[4] == ':' && line.starts_with("09") && line[2] >= '0' && line[2] <= '7') {
            block += line + "\n";
        }
    }
    test::writeFile(folder / "block.hex", block);
    const std::string command =
        "hex2bdf < '" + (folder / "block.hex").string() + "' > '" + (folder / "block.bdf").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);

    FontTables fromHex = newFont(FontKind::Hindi);
    FontTables fromBdf = newFont(FontKind::Hindi);
    const ImportReport hexReport =
        importGlyphs(fromHex, FontKind::Hindi, UnifontHexSource::fromFile(folder / "block.hex"), {});
    const ImportReport bdfReport =
        importGlyphs(fromBdf, FontKind::Hindi, BdfSource::fromFile(folder / "block.bdf"), {});
    EXPECT_EQ(hexReport.imported.size(), 128u);
    EXPECT_EQ(bdfReport.imported, hexReport.imported);
    EXPECT_TRUE(bdfReport.cut.empty());
    EXPECT_EQ(fromBdf, fromHex);
}
#endif

}  // namespace
}  // namespace ledfont::import
