#include "hexout/HexImage.h"

#include <algorithm>

namespace ledfont::hexout {

namespace {

// Copies the first `width` bytes of rows 0..rows-1 of `table` into the image, row after row. The table
// checks each row index and the image checks the last byte, so a miscount throws instead of overrunning.
template <typename Table>
int flattenRows(const Table& table, int rows, int width, HexImageArray& image) {
    int size = rows * width;
    checkIndex(size - 1, HexImageArray::kUpper);
    auto out = image.bytes().begin();
    for (int r = 0; r < rows; ++r) {
        auto row = table.row(r);
        out = std::copy_n(row.begin(), width, out);
    }
    return size;
}

}  // namespace

int buildGlyphImage(FontTables& tables, FontKind kind) {
    return flattenRows(tables.FontData, glyphCount(kind), kRecordBytes, tables.HexImage);
}

int buildConjunctImage(FontTables& tables) {
    return flattenRows(tables.JuktaData, glyphCount(FontKind::Jukta512), kPairBytes, tables.HexImage);
}

}  // namespace ledfont::hexout
