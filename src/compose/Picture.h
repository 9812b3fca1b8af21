#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "compose/Compose.h"

namespace ledfont::compose {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kLitLed{255, 170, 0};
constexpr Rgb kDarkLed{48, 34, 24};
constexpr Rgb kUnshownLed{24, 24, 24};   // a glyph's LEDs beyond its width, which the sign does not draw
constexpr Rgb kWidthLine{0, 200, 0};     // the editor's green limit line
constexpr Rgb kCentreLine{0, 192, 192};  // the editor's centre marker
constexpr Rgb kLabel{220, 220, 220};
constexpr Rgb kWarning{255, 80, 80};
constexpr Rgb kSourceLed{230, 230, 230};  // a LED of the source's drawing set beside the sign's

// An RGB picture, row by row, 3 bytes a pixel; drawing outside it is cut.
class Image {
  public:
    Image(int width, int height, Rgb fill = kBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb at(int x, int y) const;
    void set(int x, int y, Rgb colour);
    void fill(int x, int y, int width, int height, Rgb colour);
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

  private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bytes_;
};

// A round LED in the square of `pitch` pixels at (x, y), leaving the last row and column of it dark so that
// neighbours stay apart.
void drawLed(Image& image, int x, int y, int pitch, Rgb colour);

// Text in the built-in 5 x 7 pixel font, letters as capitals; `scale` pixels a font pixel. A character the
// font lacks is drawn as '?'. Returns the x after the text.
constexpr int kCharAdvance = 6;
constexpr int kCharHeight = 7;
int drawText(Image& image, int x, int y, std::string_view text, Rgb colour, int scale = 1);

// The strip as LEDs on black, as wide as the sign (`signColumns`, 0 for the strip's own width) or the
// strip, whichever is wider; a red line marks the sign's edge when the text runs past it.
constexpr int kPreviewPitch = 8;
Image drawStrip(const Strip& strip, int signColumns);
// The same with a drawing of the text by another font below it, its LEDs white, to hold the two side by side.
Image drawStripAbove(const Strip& strip, const std::vector<std::uint16_t>* source, int signColumns);

// The widest strip a picture is drawn of: 1000 panels of 32 columns, 256,016 pixels across, well within
// what PNG writers and readers take (libpng refuses rows over 1,000,000 pixels) and what a window shows.
constexpr int kMostPictureColumns = 32000;
// The columns drawStrip would draw: the strip's or the sign's, whichever is wider.
int pictureColumns(const Strip& strip, int signColumns);

}  // namespace ledfont::compose
