#include "editor/LedCanvas.h"

#include <gtest/gtest.h>

#include "editor/Raster.h"

#include <array>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace ledfont::editor {
namespace {

class LedCanvasTest : public ::testing::Test {
  protected:
    // The start-up picture: a black raster with the grid drawn.
    LedCanvasTest() { canvas.DrawGrid(); }

    bool lit(int c, int r) const { return raster.pixel(10 * c + 5, 10 * r + 5) != kBlack; }
    int litCount() const {
        int n = 0;
        for (int c = 0; c < 16; ++c) {
            for (int r = 0; r < 16; ++r) {
                n += lit(c, r) ? 1 : 0;
            }
        }
        return n;
    }

    Raster raster;
    CharMapArray charMap;
    LedCanvas canvas{raster};
};

TEST_F(LedCanvasTest, GridIsBlueOnMultiplesOfTenAndLeavesCellsDark) {
    for (int v = 0; v <= 160; v += 10) {
        EXPECT_EQ(raster.pixel(v, 3), kGridBlue) << v;
        EXPECT_EQ(raster.pixel(3, v), kGridBlue) << v;
        EXPECT_EQ(raster.pixel(v, 160), kGridBlue) << "vertical lines reach the bottom edge";
    }
    EXPECT_EQ(raster.pixel(5, 5), kBlack);
    EXPECT_EQ(raster.pixel(1, 1), kBlack);
    EXPECT_EQ(litCount(), 0);
}

TEST_F(LedCanvasTest, LedBoxesStayStrictlyInsideTheirCell) {
    canvas.OnLED(2, 3);
    EXPECT_EQ(raster.pixel(21, 31), kLitRed);
    EXPECT_EQ(raster.pixel(29, 39), kLitRed);
    EXPECT_EQ(raster.pixel(20, 35), kGridBlue);
    EXPECT_EQ(raster.pixel(30, 35), kGridBlue);
    EXPECT_EQ(raster.pixel(25, 40), kGridBlue);
    canvas.OffLED(2, 3);
    EXPECT_EQ(raster.pixel(25, 35), kBlack);
    EXPECT_EQ(raster.pixel(20, 35), kGridBlue);
    // Cells outside the grid fall outside the picture and leave no trace.
    Raster before = raster;
    canvas.OnLED(16, 0);
    canvas.OnLED(-1, 5);
    canvas.OnLED(3, 16);
    EXPECT_TRUE(std::equal(raster.pixels().begin(), raster.pixels().end(), before.pixels().begin()));
}

// Byte 2c + r / 8 holds row r of column c in bit r % 8, 1 for dark; bytes from 32 on are not the bitmap's.
TEST_F(LedCanvasTest, GetMapBitLayout) {
    charMap.set(32, 77);
    canvas.OnLED(3, 9);
    canvas.OnLED(0, 0);
    canvas.OnLED(15, 15);
    canvas.OnLED(4, 9);
    canvas.GetMap(charMap);
    for (int i = 0; i < 33; ++i) {
        const int expected = i == 0 ? 0xFE : i == 7 || i == 9 ? 0xFD : i == 31 ? 0x7F : i == 32 ? 77 : 0xFF;
        EXPECT_EQ(charMap(i), expected) << "byte " << i;
    }
}

TEST_F(LedCanvasTest, ClearDarkensEveryLedWithoutRefreshingCharMap) {
    canvas.OnLED(4, 4);
    canvas.GetMap(charMap);
    CharMapArray before = charMap;
    canvas.Clear();
    EXPECT_EQ(litCount(), 0);
    EXPECT_EQ(charMap, before);
    EXPECT_EQ(raster.pixel(40, 45), kGridBlue) << "the grid is not touched";
    canvas.GetMap(charMap);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(charMap(i), 255);
    }
}

TEST(PointerToCell, RoundsHalfToEvenThenTruncates) {
    const std::pair<float, int> cases[] = {
        {4.9f, 0},  {9.4f, 0},   {9.5f, 1},  {10.5f, 1}, {19.4f, 1}, {19.5f, 2}, {159.4f, 15}, {159.5f, 16},
        {-9.4f, 0}, {-9.5f, -1}, {-0.5f, 0}, {0.5f, 0},  {14.5f, 1}, {15.5f, 1}, {149.5f, 15}, {-10.5f, -1},
    };
    for (auto [v, cell] : cases) {
        EXPECT_EQ(pointerToCell(v), cell) << v;
    }
}

TEST_F(LedCanvasTest, OnlyTheLatestLimitLineIsGreenAndDrawGridKeepsLeds) {
    canvas.ColsClick(15);
    canvas.ColsClick(0);
    EXPECT_EQ(raster.pixel(160, 100), kGridBlue);
    canvas.ColsClick(7);
    for (int x = 0; x <= 160; x += 10) {
        EXPECT_EQ(raster.pixel(x, 0), x == 80 ? kLimitGreen : kGridBlue) << x;
        EXPECT_EQ(raster.pixel(x, 160), x == 80 ? kLimitGreen : kGridBlue) << x;
    }
    canvas.OnLED(7, 5);
    canvas.DrawGrid();
    EXPECT_EQ(raster.pixel(80, 50), kGridBlue);
    EXPECT_EQ(raster.pixel(79, 59), kLitRed);
    canvas.ColsClick(-1);
    EXPECT_EQ(raster.pixel(0, 100), kLimitGreen) << "no selection draws on x = 0";
}

TEST_F(LedCanvasTest, CentreMarkerPositions) {
    canvas.CentreClick(0);
    EXPECT_FLOAT_EQ(raster.markerLeft(), 240.0f);
    canvas.CentreClick(7);
    EXPECT_FLOAT_EQ(raster.markerLeft(), 1349.0625f);
    canvas.CentreClick(-1);
    EXPECT_FLOAT_EQ(raster.markerLeft(), 81.5625f);
}

TEST_F(LedCanvasTest, PutCharLightsZeroBitsOfTheGivenColumns) {
    CharMapArray source;  // all zero: every LED lit
    canvas.PutChar(0, source);
    EXPECT_EQ(litCount(), 0);
    canvas.PutChar(16, source);
    EXPECT_EQ(litCount(), 256);

    canvas.Clear();
    source.set(2, 0xFE);  // column 1, rows 1..7 dark, row 0 lit
    source.set(3, 0xFF);
    canvas.PutChar(2, source);
    EXPECT_TRUE(lit(0, 0));
    EXPECT_TRUE(lit(1, 0));
    EXPECT_FALSE(lit(1, 1));
    EXPECT_FALSE(lit(2, 0)) << "columns from cols on are not drawn";
    // 26 columns would read past the source's last index, 50.
    EXPECT_NO_THROW(canvas.PutChar(25, source));
    EXPECT_THROW(canvas.PutChar(26, source), Error);
}

TEST_F(LedCanvasTest, ShowGlyphClearsGridsAndPaintsTheRecord) {
    canvas.OnLED(9, 9);
    FontDataTable font;
    for (int b = 2; b < 34; ++b) {
        font.set(5, b, 0xFF);
    }
    font.set(5, 2 + 2 * 3 + 1, 0xFD);  // column 3, row 9
    font.set(5, 0, 9);
    font.set(5, 1, 0x13);
    canvas.ShowGlyph(recordAt(font, 5));
    EXPECT_EQ(litCount(), 1);
    EXPECT_TRUE(lit(3, 9));
    EXPECT_EQ(raster.pixel(80, 50), kGridBlue);
    EXPECT_EQ(raster.pixel(90, 50), kLimitGreen) << "the limit line after the width";
    EXPECT_FLOAT_EQ(raster.markerLeft(), 2 * 2535.0f / 16 + 240) << "the marker over centre 3";
    canvas.GetMap(charMap);
    EXPECT_EQ(charMap(7), 0xFD);
}

// GetMap reads the draft, not the picture: over any sequence of drawing calls the two must give the same
// bitmap, black at a cell centre meaning dark.
TEST_F(LedCanvasTest, TheDraftAlwaysReadsAsThePictureAtTheCellCentres) {
    std::mt19937 random(14);
    FontDataTable font;
    for (int b = 0; b < 34; ++b) {
        font.set(0, b, static_cast<int>(random() % 256));
    }
    CharMapArray source;
    for (int i = 0; i < 32; ++i) {
        source.set(i, static_cast<int>(random() % 256));
    }
    for (int step = 0; step < 2000; ++step) {
        const int x = static_cast<int>(random() % 20) - 2, y = static_cast<int>(random() % 20) - 2;
        switch (random() % 40) {
            case 0:
                canvas.Clear();
                break;
            case 1:
                canvas.ShowGlyph(recordAt(font, 0));
                break;
            case 2:
                canvas.PutChar(static_cast<int>(random() % 17), source);
                break;
            case 3:
                canvas.ColsClick(static_cast<int>(random() % 16));
                break;
            default:
                random() % 2 == 0 ? canvas.OnLED(x, y) : canvas.OffLED(x, y);
                break;
        }
        canvas.GetMap(charMap);
        for (int i = 0; i < 32; ++i) {
            int fromPixels = 0;
            for (int k = 0; k < 8; ++k) {
                fromPixels |= lit(i / 2, 8 * (i % 2) + k) ? 0 : 1 << k;
            }
            ASSERT_EQ(charMap(i), fromPixels) << "byte " << i << " after step " << step;
        }
    }
}

}  // namespace
}  // namespace ledfont::editor
