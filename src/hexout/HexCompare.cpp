#include "hexout/HexCompare.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "font/Error.h"
#include "font/GlyphCode.h"
#include "font/TextToByte.h"
#include "hexout/HexImage.h"

namespace ledfont::hexout {

namespace {

std::string recordByteRole(int byte) {
    if (byte == 0) {
        return "width";
    }
    if (byte == 1) {
        return "kind and centre";
    }
    const int column = (byte - 2) / 2;
    return "column " + std::to_string(column) + (byte % 2 == 0 ? ", rows 0..7" : ", rows 8..15");
}

// The byte at `address` as the font knows it: "glyph 21 (Code: 0915) byte 9 (column 3, rows 8..15)".
std::string fontByteName(FontKind kind, std::uint32_t address) {
    const FontRegion* region = fontRegionAt(kind, address);
    const int offset = static_cast<int>(address - region->address);
    if (region->content == RegionContent::Pairs) {
        return "conjunct pair of glyph " + std::to_string(offset / kPairBytes) + " byte " +
               std::to_string(offset % kPairBytes);
    }
    const int glyph = offset / kRecordBytes;
    const int byte = offset % kRecordBytes;
    return "glyph " + std::to_string(glyph) + " (" + glyphCode(kind, glyph) + ") byte " +
           std::to_string(byte) + " (" + recordByteRole(byte) + ")";
}

class Collector {
  public:
    Collector(FontKind kind, std::size_t maxLines) : kind_(kind), maxLines_(maxLines) {}

    void differs(std::uint32_t address, std::uint8_t font, std::uint8_t hex) {
        if (add()) {
            result_.differences.push_back(fontByteName(kind_, address) + ": font " + byteToHexText(font) +
                                          ", HEX " + byteToHexText(hex));
        }
    }
    void missing(std::uint64_t first, std::uint64_t last) {
        if (add()) {
            result_.differences.push_back("missing from the HEX: " + hexRange(first, last));
        }
    }
    void extra(std::uint64_t first, std::uint64_t last) {
        if (add()) {
            result_.differences.push_back("not part of the font: " + hexRange(first, last));
        }
    }

    HexComparison take() { return std::move(result_); }

  private:
    bool add() {
        ++result_.count;
        return result_.differences.size() < maxLines_;
    }

    FontKind kind_;
    std::size_t maxLines_;
    HexComparison result_;
};

// Walks two sets of segments together in address order. `font` and `hex` each hold their addresses in
// ascending segments that do not touch, so every stretch found is as long as it can be.
void sweep(const HexMemory& font, const HexMemory& hex, Collector& out) {
    constexpr std::uint64_t kNone = std::numeric_limits<std::uint64_t>::max();
    std::size_t i = 0;
    std::size_t j = 0;
    std::uint64_t at = 0;
    while (i < font.segments.size() || j < hex.segments.size()) {
        const HexSegment* f = i < font.segments.size() ? &font.segments[i] : nullptr;
        const HexSegment* h = j < hex.segments.size() ? &hex.segments[j] : nullptr;
        const std::uint64_t fStart = f ? f->address : kNone;
        const std::uint64_t hStart = h ? h->address : kNone;
        at = std::max(at, std::min(fStart, hStart));
        const bool inFont = f && at >= fStart;
        const bool inHex = h && at >= hStart;
        std::uint64_t stop = 0;
        if (inFont && inHex) {
            stop = std::min(f->end(), h->end());
            for (std::uint64_t a = at; a < stop; ++a) {
                std::uint8_t fb = f->bytes[a - fStart];
                std::uint8_t hb = h->bytes[a - hStart];
                if (fb != hb) {
                    out.differs(static_cast<std::uint32_t>(a), fb, hb);
                }
            }
        } else if (inFont) {
            stop = std::min(f->end(), hStart);
            out.missing(at, stop - 1);
        } else {
            stop = std::min(h->end(), fStart);
            out.extra(at, stop - 1);
        }
        at = stop;
        if (f && at >= f->end()) {
            ++i;
        }
        if (h && at >= h->end()) {
            ++j;
        }
    }
}

}  // namespace

HexComparison compareHexWithFont(const FontTables& tables, const HexMemory& hex, std::size_t maxLines) {
    const FontKind kind = kindOf(tables.JuktaMode);
    const HexMemory font = fontMemory(tables);
    Collector collector(kind, maxLines);
    sweep(font, hex, collector);
    HexComparison result = collector.take();
    const std::string name = tables.FontFile.empty() ? "the font" : displayPath(tables.FontFile);
    if (result.matches()) {
        const HexSegment& whole = font.segments.front();  // the regions of either kind join up
        result.summary = "HEX matches " + name + ": " + std::to_string(whole.bytes.size()) + " bytes at " +
                         hexRange(whole.address, whole.end() - 1);
    } else {
        result.summary = "HEX does not match " + name + ": " + std::to_string(result.count) +
                         (result.count == 1 ? " difference" : " differences");
        if (result.differences.size() < result.count) {
            result.summary += ", the first " + std::to_string(result.differences.size()) + " shown";
        }
    }
    return result;
}

}  // namespace ledfont::hexout
