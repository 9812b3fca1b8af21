#include "editor/LedCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace ledfont::editor {

namespace {

// Lights the cells of columns 0..cols-1 whose bit is 0 in a bitmap laid out as CharMap is: two bytes a
// column, top half first, the lowest bit the top row. byteAt(i) gives byte i and checks its bounds.
template <typename ByteAt>
void lightClearedBits(LedCanvas& canvas, int cols, ByteAt byteAt) {
    for (int c = 0; c < cols; ++c) {
        for (int h = 0; h < 2; ++h) {
            int v = byteAt(2 * c + h);
            for (int k = 0; k < 8; ++k) {
                if (((v >> k) & 1) == 0) {
                    canvas.OnLED(c, 8 * h + k);
                }
            }
        }
    }
}

}  // namespace

int pointerToCell(float v) {
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    double rounded = std::nearbyint(static_cast<double>(v));
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw Error(ErrorCode::Overflow);
    }
    return static_cast<std::int32_t>(rounded) / kCellSize;
}

void LedCanvas::DrawGrid() {
    // The lines run to the control's outer size taken as canvas units, far past the drawing area.
    auto bottom = static_cast<float>(pic_.outerHeight());
    auto right = static_cast<float>(pic_.outerWidth());
    for (int x = 0; x <= kCells * kCellSize; x += kCellSize) {
        pic_.line(static_cast<float>(x), 0, static_cast<float>(x), bottom, kGridBlue);
    }
    for (int y = 0; y <= kCells * kCellSize; y += kCellSize) {
        pic_.line(0, static_cast<float>(y), right, static_cast<float>(y), kGridBlue);
    }
    limitWidth_.reset();
}

void LedCanvas::ledBox(int x, int y, Colour colour) {
    // Computed in double: exact for every int, then handed over as single precision.
    double x1 = x * 10.0 + 1, y1 = y * 10.0 + 1;
    double x2 = (x + 1.0) * 10 - 1, y2 = (y + 1.0) * 10 - 1;
    pic_.box(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
             colour);
    draft_.set(x, y, colour != kBlack);
}

void LedCanvas::OnLED(int x, int y) {
    ledBox(x, y, kLitRed);
}
void LedCanvas::OffLED(int x, int y) {
    ledBox(x, y, kBlack);
}

void LedCanvas::Clear() {
    for (int x = 0; x < kCells; ++x) {
        for (int y = 0; y < kCells; ++y) {
            OffLED(x, y);
        }
    }
}

void LedCanvas::GetMap(CharMapArray& map) const {
    draft_.fillMap(map);
}

void LedCanvas::PutChar(int cols, const CharMapArray& source) {
    lightClearedBits(*this, cols, [&](int i) { return source(i); });
}

void visitLine(Cell from, Cell to, const std::function<void(Cell)>& visit) {
    const std::int64_t dx = std::int64_t{to.column} - from.column;
    const std::int64_t dy = std::int64_t{to.row} - from.row;
    const std::int64_t steps = std::max(std::abs(dx), std::abs(dy));
    // Step i lies at from + i/steps of the way, rounded; the steps that can reach the grid (cells -1..16,
    // to be safe at the rounding) are a run, since both coordinates move one way only.
    std::int64_t first = 1;
    std::int64_t last = steps;
    const auto narrow = [&](std::int64_t start, std::int64_t delta) {
        if (delta == 0) {
            if (start < -1 || start > kCells) {
                last = 0;
            }
            return;
        }
        // start + i * delta / steps within -1..kCells, for i in whole steps.
        std::int64_t low = ((-1 - start) * steps) / delta;
        std::int64_t high = ((kCells - start) * steps) / delta;
        if (low > high) {
            std::swap(low, high);
        }
        first = std::max(first, low - 1);
        last = std::min(last, high + 1);
    };
    narrow(from.column, dx);
    narrow(from.row, dy);
    const auto along = [steps](std::int64_t start, std::int64_t delta, std::int64_t i) {
        // Rounded to the nearest cell, halves away from the start, the same way both directions.
        const std::int64_t scaled = 2 * i * delta;
        const std::int64_t offset = (std::abs(scaled) + steps) / (2 * steps);
        return static_cast<int>(start + (scaled < 0 ? -offset : offset));
    };
    for (std::int64_t i = first; i <= last; ++i) {
        visit({along(from.column, dx, i), along(from.row, dy, i)});
    }
    if (last < steps) {
        visit(to);  // the pointer's own cell, even far outside
    }
}

void LedCanvas::DrawLimitLine(int width) {
    auto x = static_cast<float>(kCellSize * width);
    pic_.line(x, 0, x, static_cast<float>(pic_.outerHeight()), kLimitGreen);
    limitWidth_ = width;
}

void LedCanvas::ColsClick(int listIndex) {
    DrawGrid();
    DrawLimitLine(listIndex + 1);
}

void LedCanvas::CentreClick(int listIndex) {
    double left = listIndex * pic_.outerWidth() / 16 + pic_.outerLeft();
    pic_.setMarkerLeft(static_cast<float>(left));
    markerLeft_ = static_cast<float>(left);
}

void LedCanvas::ShowDraft(const GlyphDraft& draft) {
    for (int c = 0; c < kCells; ++c) {
        for (int r = 0; r < kCells; ++r) {
            if (draft.lit(c, r) != draft_.lit(c, r)) {
                draft.lit(c, r) ? OnLED(c, r) : OffLED(c, r);
            }
        }
    }
}

void LedCanvas::ShowGlyph(const Glyph& glyph) {
    pic_.clear();
    draft_.clear();
    DrawGrid();
    for (int c = 0; c < kCells; ++c) {
        for (int r = 0; r < kCells; ++r) {
            if (glyph.lit(c, r)) {
                OnLED(c, r);
            }
        }
    }
    ColsClick(glyph.width - 1);
    CentreClick(glyph.centre - 1);
}

void LedCanvas::Follow(const Glyph& glyph) {
    GlyphDraft draft;
    draft.setColumns(glyph.columns);
    ShowDraft(draft);
    if (limitWidth_ != glyph.width) {
        ColsClick(glyph.width - 1);
    }
    const auto left = static_cast<float>((glyph.centre - 1) * pic_.outerWidth() / 16 + pic_.outerLeft());
    if (markerLeft_ != left) {
        CentreClick(glyph.centre - 1);
    }
}

}  // namespace ledfont::editor
