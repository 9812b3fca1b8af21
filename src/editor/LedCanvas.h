#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "editor/GlyphDraft.h"
#include "editor/PictureSurface.h"
#include "font/FontTables.h"

namespace ledfont::editor {

// Mouse button codes as the window delivers them: the button pressed, or for moves the sum held.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// Canvas geometry: cell (c, r) spans (10c, 10r)..(10c + 10, 10r + 10); its LED box lies strictly inside.
constexpr int kCellSize = 10;
constexpr int kCells = 16;

// The pointer coordinate to a cell index: round half to even, then divide by 10 towards zero.
int pointerToCell(float v);

// A cell of the grid, or outside it (column or row beyond 0..15).
struct Cell {
    int column = 0;
    int row = 0;
    bool operator==(const Cell&) const = default;
};

// The cells a drag paints from the cell painted last, `from`, to the pointer's cell `to`: those of the
// straight line of cells one step apart after `from` that can reach the grid, then `to` itself when it lies
// far outside.
void visitLine(Cell from, Cell to, const std::function<void(Cell)>& visit);

// The 16 x 16 LED grid drawn on a picture surface. It only draws; every LED drawn lands in its draft too,
// and GetMap reads the draft back: the same bits as reading the colour at every cell centre (black meaning
// dark), since nothing but an LED box ever covers a cell centre and a cleared picture is black.
class LedCanvas {
  public:
    explicit LedCanvas(PictureSurface& pic) : pic_(pic) {}

    void DrawGrid();
    void OnLED(int x, int y);
    void OffLED(int x, int y);
    void Clear();
    // Bytes 0..31 of `map` from what the canvas shows, in CharMap's layout; the bytes after them stay.
    void GetMap(CharMapArray& map) const;
    // Lights the cells of columns 0..cols-1 whose bit is 0 in `source` (CharMap's layout); its bounds
    // stop a cols of 26 or more at index 51.
    void PutChar(int cols, const CharMapArray& source);

    // cmbCols_Click: grid redrawn, then the green limit line for width listIndex + 1.
    void ColsClick(int listIndex);
    // cmbCentre_Click: the marker over centre listIndex + 1 (-1 puts it one step left of the canvas).
    void CentreClick(int listIndex);
    // The green line after `width` columns.
    void DrawLimitLine(int width);

    // Draws `glyph` anew, as showing a stored glyph does: the picture cleared and gridded, its lit LEDs,
    // then the grid and limit line of its width and the marker over its centre, as the lists draw them.
    void ShowGlyph(const Glyph& glyph);
    // Draws only what differs between `glyph` and the picture: LEDs, the limit line, the marker.
    void Follow(const Glyph& glyph);

    // The LEDs as the canvas shows them.
    const GlyphDraft& draft() const { return draft_; }
    // Lights and darkens the LEDs that differ from `draft`; the lines and the marker stay.
    void ShowDraft(const GlyphDraft& draft);

  private:
    void ledBox(int x, int y, Colour colour);

    PictureSurface& pic_;
    GlyphDraft draft_;
    // A grid drawn covers the limit line, which always stands on a grid line.
    std::optional<int> limitWidth_;
    std::optional<float> markerLeft_;
};

}  // namespace ledfont::editor
