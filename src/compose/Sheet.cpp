#include "compose/Sheet.h"

#include <algorithm>
#include <array>
#include <string>

#include "font/GlyphCode.h"
#include "font/TextToByte.h"

namespace ledfont::compose {

namespace {

constexpr int kPitch = 5;
constexpr int kGlyphPixels = kGlyphColumns * kPitch;
constexpr int kMargin = 4;
constexpr int kLine = kCharHeight + 3;
constexpr int kLabelLines = 6;
constexpr int kCellWidth = kGlyphPixels + 2 * kMargin;
constexpr int kCellHeight = kGlyphPixels + 3 * kMargin + kLabelLines * kLine;
constexpr int kPerRow = 16;
constexpr int kTagsPerLine = 2;

struct WarningText {
    WarningKind kind;
    std::string_view tag;
    std::string_view legend;
};

constexpr WarningText kWarningTexts[] = {
    {WarningKind::WidthAbove16, "W>16", "width above 16"},
    {WarningKind::KindAbove2, "KIND", "kind other than Consonant, Vowel or Ikaar"},
    {WarningKind::PairByteAbove7F, "P>7F", "conjunct byte above 7F"},
    {WarningKind::LitRightOfWidth, "OVER", "lit LEDs right of the width"},
    {WarningKind::CentreBeyondWidth, "CTR>W", "centre beyond the width"},
    {WarningKind::VowelWithoutCentre, "NOCTR", "Vowel with no centre"},
    {WarningKind::PairNamesEmptyGlyph, "PEMPTY", "pair names an empty glyph"},
    {WarningKind::PairTaken, "PDUP", "a lower glyph has the same pair"},
    {WarningKind::EmptyGlyphUsed, "EMPTY", "empty glyph the text uses"},
    {WarningKind::SignLeavesStrip, "CUT", "a sign with a consonant leaves the strip"},
    {WarningKind::SignStandsOff, "APART", "a sign stands off its consonant"},
    {WarningKind::SignCollides, "CLASH", "a sign collides with the consonant or sign"},
};

const WarningText& textOf(WarningKind kind) {
    return *std::find_if(std::begin(kWarningTexts), std::end(kWarningTexts),
                         [kind](const WarningText& t) { return t.kind == kind; });
}

std::string hexByte(int value) {
    return hexText(static_cast<unsigned long>(value & 0xFF), 2);
}

std::string kindLabel(const Glyph& glyph) {
    switch (glyph.kindNumber()) {
        case 0:
            return "CONS";
        case 1:
            return "VOWEL";
        case 2:
            return "IKAAR";
        default:
            return "KIND" + std::to_string(glyph.kindNumber());
    }
}

void drawGlyph(Image& image, int x, int y, const Glyph& glyph) {
    const int width = glyph.shownWidth();
    for (int column = 0; column < kGlyphColumns; ++column) {
        for (int row = 0; row < kGlyphRows; ++row) {
            const Rgb colour = glyph.lit(column, row) ? kLitLed : column < width ? kDarkLed : kUnshownLed;
            drawLed(image, x + column * kPitch, y + row * kPitch, kPitch, colour);
        }
    }
    image.fill(x + width * kPitch - 1, y - 2, 1, kGlyphPixels + 3, kWidthLine);
    const int centre = centreColumn(glyph);
    if (centre >= 0) {
        // Through the middle of the centre column, broken by its lit LEDs.
        for (int py = -2; py < kGlyphPixels + 1; ++py) {
            const int row = py / kPitch;
            if (py < 0 || py >= kGlyphPixels || !glyph.lit(centre, row)) {
                image.set(x + centre * kPitch + kPitch / 2 - 1, y + py, kCentreLine);
            }
        }
    }
}

void drawCell(Image& image, int x, int y, const FontTables& tables, FontKind kind, int g,
              const std::vector<WarningKind>& warned) {
    const Glyph glyph = glyphAt(tables, g);
    if (!warned.empty()) {
        image.fill(x, y, kCellWidth - 1, 1, kWarning);
        image.fill(x, y + kCellHeight - 2, kCellWidth - 1, 1, kWarning);
        image.fill(x, y, 1, kCellHeight - 1, kWarning);
        image.fill(x + kCellWidth - 2, y, 1, kCellHeight - 1, kWarning);
    }
    drawGlyph(image, x + kMargin, y + kMargin, glyph);
    int line = y + kGlyphPixels + 2 * kMargin;
    const std::string code = glyphCode(kind, g).substr(std::string_view("Code: ").size());
    drawText(image, x + kMargin, line, std::to_string(g) + " " + code, kLabel);
    line += kLine;
    drawText(image, x + kMargin, line,
             kindLabel(glyph) + " W" + std::to_string(glyph.width == 0 ? 16 : glyph.width), kLabel);
    line += kLine;
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about "text" + std::string.
    std::string centre = "C";
    centre.append(glyph.centre == 0 ? "-" : std::to_string(glyph.centre));
    if (kind == FontKind::Jukta512) {
        centre.append(" P").append(hexByte(glyph.pair[0])).append(" ").append(hexByte(glyph.pair[1]));
    }
    drawText(image, x + kMargin, line, centre, kLabel);
    for (std::size_t i = 0; i < warned.size(); i += kTagsPerLine) {
        line += kLine;
        std::string tags;
        for (std::size_t k = i; k < std::min(warned.size(), i + kTagsPerLine); ++k) {
            tags.append(k == i ? "" : " ").append(warningTag(warned[k]));
        }
        drawText(image, x + kMargin, line, tags, kWarning);
    }
}

}  // namespace

std::string_view warningTag(WarningKind kind) {
    return textOf(kind).tag;
}

// Where the first row of glyph cells begins, below the legend.
static int sheetTop() {
    constexpr int kLegendColumns = 3;
    const int legendLines =
        2 + (static_cast<int>(std::size(kWarningTexts)) + kLegendColumns - 1) / kLegendColumns;
    return kMargin + legendLines * kLine + kMargin;
}

int sheetGlyphAt(FontKind kind, int x, int y) {
    const int column = (x - kMargin / 2) / kCellWidth;
    const int row = (y - sheetTop()) / kCellHeight;
    if (x < kMargin / 2 || y < sheetTop() || column >= kPerRow) {
        return -1;
    }
    const int glyph = row * kPerRow + column;
    return glyph < glyphCount(kind) ? glyph : -1;
}

std::string_view warningLegend(WarningKind kind) {
    return textOf(kind).legend;
}

Image drawSheet(const FontTables& tables, FontKind kind, const std::vector<GlyphWarning>& warnings) {
    const int count = glyphCount(kind);
    std::vector<std::vector<WarningKind>> warned(static_cast<std::size_t>(count));
    for (const GlyphWarning& w : warnings) {
        if (w.glyph >= 0 && w.glyph < count) {
            warned[static_cast<std::size_t>(w.glyph)].push_back(w.kind);
        }
    }
    constexpr int kLegendColumns = 3;
    constexpr int kLegendWidth = kPerRow * kCellWidth / kLegendColumns;
    const int top = sheetTop();
    const int rows = (count + kPerRow - 1) / kPerRow;
    Image image(kPerRow * kCellWidth + kMargin, top + rows * kCellHeight);

    std::string title = (kind == FontKind::Hindi ? "HINDI FONT, " : "JUKTA512 FONT, ") +
                        std::to_string(count) + " GLYPHS. LABELS: NUMBER CODE / KIND WIDTH / CENTRE" +
                        (kind == FontKind::Jukta512 ? " PAIR" : "");
    drawText(image, kMargin, kMargin, title, kLabel);
    int x = drawText(image, kMargin, kMargin + kLine, "GREEN: WIDTH  ", kWidthLine);
    x = drawText(image, x, kMargin + kLine, "CYAN: CENTRE COLUMN  ", kCentreLine);
    x = drawText(image, x, kMargin + kLine, "DIM: BEYOND THE WIDTH  ", kLabel);
    drawText(image, x, kMargin + kLine, "RED FRAME: WARNINGS", kWarning);
    for (std::size_t i = 0; i < std::size(kWarningTexts); ++i) {
        const int lx = kMargin + static_cast<int>(i) % kLegendColumns * kLegendWidth;
        const int ly = kMargin + (2 + static_cast<int>(i) / kLegendColumns) * kLine;
        const int after = drawText(image, lx, ly, std::string(kWarningTexts[i].tag) + " ", kWarning);
        drawText(image, after, ly, kWarningTexts[i].legend, kLabel);
    }
    for (int g = 0; g < count; ++g) {
        drawCell(image, kMargin / 2 + g % kPerRow * kCellWidth, top + g / kPerRow * kCellHeight, tables, kind,
                 g, warned[static_cast<std::size_t>(g)]);
    }
    return image;
}

}  // namespace ledfont::compose
