#include "cli/GlyphText.h"

#include "cli/GlyphCode.h"
#include "font/TextToByte.h"

namespace ledfont::cli {

namespace {

constexpr int kColumns = 16;
constexpr int kRows = 16;

std::string centreText(int centre) {
    return centre == 0 ? "no centre" : "centre " + std::to_string(centre);
}

}  // namespace

std::string kindName(int kind) {
    switch (kind) {
        case 0:
            return "Consonant";
        case 1:
            return "Vowel";
        case 2:
            return "Ikaar";
        default:
            return "kind " + std::to_string(kind);
    }
}

std::string glyphHeader(const FontTables& tables, FontKind kind, int glyph) {
    const FontDataTable& font = tables.FontData;
    std::string header = "glyph " + std::to_string(glyph) + "  " + glyphCodeText(kind, glyph) + "  width " +
                         std::to_string(glyphWidth(font, glyph)) + "  " + kindName(glyphKind(font, glyph)) +
                         "  " + centreText(glyphCentre(font, glyph));
    if (kind == FontKind::Jukta512) {
        header += "  conjunct " + byteToHexText(tables.JuktaData(glyph, 0)) + " " +
                  byteToHexText(tables.JuktaData(glyph, 1));
    }
    return header;
}

std::string glyphRows(const FontDataTable& font, int glyph) {
    const int width = glyphWidth(font, glyph);
    std::string rows;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            if (column == width) {
                rows += '|';
            }
            rows += ledLit(font, glyph, column, row) ? '#' : '.';
        }
        rows += '\n';
    }
    return rows;
}

std::string formatGlyph(const FontTables& tables, FontKind kind, int glyph) {
    return glyphHeader(tables, kind, glyph) + "\n" + glyphRows(tables.FontData, glyph);
}

}  // namespace ledfont::cli
