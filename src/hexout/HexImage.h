#pragma once

#include <cstdint>
#include <span>

#include "font/FontTables.h"
#include "hexout/HexMemory.h"

namespace ledfont::hexout {

// The work area of the HEX export: each region's bytes laid end to end before they become records. The
// export has its own, so exporting changes nothing in the font.
using HexImageArray = ByteArray<20000>;

// Lays the glyph records 0..glyphCount(kind)-1 end to end in HexImage (glyph g at byte 34 * g) and returns
// the number of image bytes.
int buildGlyphImage(const FontTables& tables, FontKind kind, HexImageArray& HexImage);

// Lays the conjunct pairs of the 512 Jukta512 glyphs in HexImage (glyph g at byte 2 * g) over the start of
// whatever it held and returns the number of image bytes.
int buildConjunctImage(const FontTables& tables, HexImageArray& HexImage);

enum class RegionContent { Glyphs, Pairs };

// A stretch of the controller's memory that a font fills: glyph records (34 bytes each) or conjunct pairs
// (2 bytes each), glyph 0 first.
struct FontRegion {
    RegionContent content;
    std::uint32_t address;
    std::uint32_t size;

    std::uint32_t last() const { return address + size - 1; }
};

// The regions of a font of `kind`, in address order.
std::span<const FontRegion> fontRegions(FontKind kind);

// The region of `kind` that holds `address`, or nullptr.
const FontRegion* fontRegionAt(FontKind kind, std::uint32_t address);

// What the HEX file of the tables sets, by address: the image of the kind JuktaMode selects.
HexMemory fontMemory(const FontTables& tables);

// Calls visit(address, bytes) for every glyph record and conjunct pair of `kind`, region by region, with
// the part of its table row that the image holds: writable when `tables` is, so the export and the
// recovery from a HEX file share one walk.
template <typename Tables, typename Visit>
void forEachImageRow(Tables& tables, FontKind kind, Visit visit) {
    for (const FontRegion& region : fontRegions(kind)) {
        const bool glyphs = region.content == RegionContent::Glyphs;
        const int width = glyphs ? kRecordBytes : kPairBytes;
        for (int g = 0; g < glyphCount(kind); ++g) {
            auto row = glyphs ? tables.FontData.row(g).first(kRecordBytes)
                              : tables.JuktaData.row(g).first(kPairBytes);
            visit(region.address + static_cast<std::uint32_t>(width * g), row);
        }
    }
}

}  // namespace ledfont::hexout
