#include "editor/Raster.h"

#include <algorithm>
#include <cmath>

namespace ledfont::editor {

namespace {

// A canvas unit maps to the pixel whose square [n, n+1) holds it; coordinates are whole numbers in
// every call the canvas makes, so each lands on exactly one pixel.
long toPixel(double v) {
    return static_cast<long>(std::floor(std::clamp(v, -1.0e6, 1.0e6)));
}

}  // namespace

void Raster::line(float x1, float y1, float x2, float y2, Colour colour) {
    ++generation_;
    long px1 = toPixel(x1), py1 = toPixel(y1), px2 = toPixel(x2), py2 = toPixel(y2);
    if (px1 == px2 || py1 == py2) {
        // The grid and limit lines are all upright or level: a box one pixel thick.
        fill(px1, py1, px2, py2, colour);
        return;
    }
    // Any other line: step along the longer axis, plotting what falls inside.
    long steps = std::max(std::labs(px2 - px1), std::labs(py2 - py1));
    for (long i = 0; i <= steps; ++i) {
        long x = px1 + (px2 - px1) * i / steps;
        long y = py1 + (py2 - py1) * i / steps;
        if (x >= 0 && x < kSize && y >= 0 && y < kSize) {
            set(static_cast<int>(x), static_cast<int>(y), colour);
        }
    }
}

void Raster::box(float x1, float y1, float x2, float y2, Colour colour) {
    ++generation_;
    fill(toPixel(x1), toPixel(y1), toPixel(x2), toPixel(y2), colour);
}

void Raster::fill(long px1, long py1, long px2, long py2, Colour colour) {
    long xa = std::max(std::min(px1, px2), 0L), xb = std::min(std::max(px1, px2), long{kSize - 1});
    long ya = std::max(std::min(py1, py2), 0L), yb = std::min(std::max(py1, py2), long{kSize - 1});
    for (long y = ya; y <= yb; ++y) {
        for (long x = xa; x <= xb; ++x) {
            set(static_cast<int>(x), static_cast<int>(y), colour);
        }
    }
}

Colour Raster::point(float x, float y) const {
    long px = toPixel(x), py = toPixel(y);
    if (px < 0 || px >= kSize || py < 0 || py >= kSize) {
        return kBlack;
    }
    return pixel(static_cast<int>(px), static_cast<int>(py));
}

}  // namespace ledfont::editor
