#include "compose/Picture.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ledfont::compose {

namespace {

struct PixelChar {
    char code;
    std::array<std::string_view, kCharHeight> rows;
};

// Digits, capitals and the few signs the labels use.
constexpr PixelChar kPixelFont[] = {
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {',', {".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'/', {".....", "....#", "...#.", "..#..", ".#...", "#....", "....."}},
    {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {'=', {".....", ".....", "#####", ".....", "#####", ".....", "....."}},
    {'(', {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."}},
    {')', {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
};

const PixelChar& pixelChar(char code) {
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(code)));
    for (const PixelChar& c : kPixelFont) {
        if (c.code == wanted) {
            return c;
        }
    }
    return kPixelFont[std::size(kPixelFont) - 1];
}

}  // namespace

Image::Image(int width, int height, Rgb fill)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      bytes_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3) {
    this->fill(0, 0, width_, height_, fill);
}

Rgb Image::at(int x, int y) const {
    const std::size_t i =
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
    return {bytes_[i], bytes_[i + 1], bytes_[i + 2]};
}

void Image::set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    const std::size_t i =
        (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
    bytes_[i] = colour.r;
    bytes_[i + 1] = colour.g;
    bytes_[i + 2] = colour.b;
}

void Image::fill(int x, int y, int width, int height, Rgb colour) {
    for (int row = std::max(y, 0); row < std::min(y + height, height_); ++row) {
        for (int column = std::max(x, 0); column < std::min(x + width, width_); ++column) {
            set(column, row, colour);
        }
    }
}

void drawLed(Image& image, int x, int y, int pitch, Rgb colour) {
    // Twice the distances, so that the centre of an even-sized disc lies between pixels.
    const int diameter = pitch - 1;
    for (int dy = 0; dy < diameter; ++dy) {
        for (int dx = 0; dx < diameter; ++dx) {
            const int ex = 2 * dx + 1 - diameter;
            const int ey = 2 * dy + 1 - diameter;
            if (ex * ex + ey * ey <= diameter * diameter) {
                image.set(x + dx, y + dy, colour);
            }
        }
    }
}

int drawText(Image& image, int x, int y, std::string_view text, Rgb colour, int scale) {
    for (char code : text) {
        const PixelChar& c = pixelChar(code);
        for (int row = 0; row < kCharHeight; ++row) {
            for (int column = 0; column < 5; ++column) {
                if (c.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == '#') {
                    image.fill(x + column * scale, y + row * scale, scale, scale, colour);
                }
            }
        }
        x += kCharAdvance * scale;
    }
    return x;
}

int pictureColumns(const Strip& strip, int signColumns) {
    return std::max({strip.width(), signColumns, 1});
}

namespace {

// LEDs of 16 rows of `columns` from pixel row `top`, `columns` wide at least.
void drawLeds(Image& image, int top, const std::vector<std::uint16_t>& leds, int columns, Rgb lit) {
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < kGlyphRows; ++row) {
            const bool on = column < static_cast<int>(leds.size()) &&
                            (leds[static_cast<std::size_t>(column)] >> row & 1u) != 0;
            drawLed(image, kPreviewPitch + column * kPreviewPitch, top + row * kPreviewPitch, kPreviewPitch,
                    on ? lit : kDarkLed);
        }
    }
}

}  // namespace

Image drawStrip(const Strip& strip, int signColumns) {
    return drawStripAbove(strip, nullptr, signColumns);
}

Image drawStripAbove(const Strip& strip, const std::vector<std::uint16_t>* source, int signColumns) {
    constexpr int kBorder = kPreviewPitch;
    constexpr int kBand = kGlyphRows * kPreviewPitch;
    int columns = pictureColumns(strip, signColumns);
    if (source != nullptr) {
        columns = std::max(columns, static_cast<int>(source->size()));
    }
    const int bands = source != nullptr ? 2 : 1;
    Image image(columns * kPreviewPitch + 2 * kBorder, bands * kBand + (bands + 1) * kBorder);
    drawLeds(image, kBorder, strip.columns, columns, kLitLed);
    if (source != nullptr) {
        drawLeds(image, 2 * kBorder + kBand, *source, columns, kSourceLed);
    }
    if (signColumns > 0 && strip.width() > signColumns) {
        image.fill(kBorder + signColumns * kPreviewPitch - 1, 0, 1, kBand + 2 * kBorder, kWarning);
    }
    return image;
}

}  // namespace ledfont::compose
