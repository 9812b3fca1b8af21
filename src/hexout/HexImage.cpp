#include "hexout/HexImage.h"

#include <algorithm>
#include <array>

#include "hexout/HexRecords.h"

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

int buildGlyphImage(const FontTables& tables, FontKind kind, HexImageArray& HexImage) {
    return flattenRows(tables.FontData, glyphCount(kind), kRecordBytes, HexImage);
}

int buildConjunctImage(const FontTables& tables, HexImageArray& HexImage) {
    return flattenRows(tables.JuktaData, glyphCount(FontKind::Jukta512), kPairBytes, HexImage);
}

std::span<const FontRegion> fontRegions(FontKind kind) {
    static constexpr std::array<FontRegion, 1> kHindi = {{
        {RegionContent::Glyphs, kHindiGlyphAddress, 128 * kRecordBytes},
    }};
    static constexpr std::array<FontRegion, 2> kJukta = {{
        {RegionContent::Glyphs, kJuktaGlyphAddress, 512 * kRecordBytes},
        {RegionContent::Pairs, kJuktaPairAddress, 512 * kPairBytes},
    }};
    if (kind == FontKind::Hindi) {
        return kHindi;
    }
    return kJukta;
}

const FontRegion* fontRegionAt(FontKind kind, std::uint32_t address) {
    for (const FontRegion& region : fontRegions(kind)) {
        if (address >= region.address && address <= region.last()) {
            return &region;
        }
    }
    return nullptr;
}

HexMemory fontMemory(const FontTables& tables) {
    const FontKind kind = kindOf(tables.JuktaMode);
    HexMemory memory;
    forEachImageRow(tables, kind, [&](std::uint32_t address, std::span<const std::uint8_t> row) {
        memory.append(address, row.data(), row.size());
    });
    return memory;
}

}  // namespace ledfont::hexout
