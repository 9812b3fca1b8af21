#include "hexout/HexRecover.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "font/Error.h"
#include "font/ErrorPlaces.h"
#include "font/FontPath.h"
#include "font/InputFile.h"
#include "hexout/HexImage.h"

namespace ledfont::hexout {

namespace {

struct Span {
    std::uint64_t first;
    std::uint64_t last;
};

// The first and last address of the kind's regions, which join up.
Span kindSpan(FontKind kind) {
    auto regions = fontRegions(kind);
    return {regions.front().address, regions.back().last()};
}

// The stretches of [span.first, span.last] that `hex` sets (`set`) or leaves out (not `set`).
std::vector<Span> stretches(const HexMemory& hex, Span span, bool set) {
    std::vector<Span> found;
    std::uint64_t at = span.first;
    for (const HexSegment& segment : hex.segments) {
        if (segment.end() <= at) {
            continue;
        }
        if (segment.address > span.last) {
            break;
        }
        if (!set && segment.address > at) {
            found.push_back({at, segment.address - 1});
        }
        const std::uint64_t stop = std::min<std::uint64_t>(segment.end() - 1, span.last);
        if (set) {
            found.push_back({std::max<std::uint64_t>(segment.address, at), stop});
        }
        at = stop + 1;
    }
    if (!set && at <= span.last) {
        found.push_back({at, span.last});
    }
    return found;
}

std::string regionText(FontKind kind) {
    Span span = kindSpan(kind);
    return hexRange(span.first, span.last) + " (" + fontKindName(kind) + ")";
}

// What a region's data spans: from the first address set to the last.
std::string dataText(const std::vector<Span>& data, FontKind kind) {
    return hexRange(data.front().first, data.back().last) + " (" + fontKindName(kind) + ")";
}

}  // namespace

FontKind kindOfHex(const HexMemory& hex, std::string_view source, std::string_view choice) {
    const auto hindi = stretches(hex, kindSpan(FontKind::Hindi), true);
    const auto jukta = stretches(hex, kindSpan(FontKind::Jukta512), true);
    if (!hindi.empty() && !jukta.empty()) {
        std::string text(source);
        text.append(" holds data for both kinds of font: at ")
            .append(dataText(hindi, FontKind::Hindi))
            .append(" and at ")
            .append(dataText(jukta, FontKind::Jukta512));
        if (!choice.empty()) {
            text.append("; ").append(choice);
        }
        throw HexError(0, text);
    }
    if (hindi.empty() && jukta.empty()) {
        throw HexError(0, std::string(source) + " holds no font: nothing at " + regionText(FontKind::Hindi) +
                              " or at " + regionText(FontKind::Jukta512));
    }
    return hindi.empty() ? FontKind::Jukta512 : FontKind::Hindi;
}

FontTables tablesFromHex(const HexMemory& hex, FontKind kind) {
    const auto gaps = stretches(hex, kindSpan(kind), false);
    if (!gaps.empty()) {
        constexpr std::size_t kShown = 3;
        std::string text = "HEX lacks ";
        for (std::size_t i = 0; i < gaps.size() && i < kShown; ++i) {
            text += (i == 0 ? "" : ", ") + hexRange(gaps[i].first, gaps[i].last);
        }
        if (gaps.size() > kShown) {
            text += " and " + std::to_string(gaps.size() - kShown) + " more gaps";
        }
        throw HexError(0, text + " of the " + fontKindName(kind) + " font at " +
                              hexRange(kindSpan(kind).first, kindSpan(kind).last));
    }
    FontTables tables;
    forEachImageRow(tables, kind, [&](std::uint32_t address, std::span<std::uint8_t> row) {
        for (std::size_t b = 0; b < row.size(); ++b) {
            row[b] = *hex.at(address + static_cast<std::uint32_t>(b));
        }
    });
    tables.JuktaMode = kind == FontKind::Jukta512;
    return tables;
}

HexMemory readDumpFile(const std::filesystem::path& path, std::uint32_t base) {
    const std::uint64_t first = fontRegions(FontKind::Hindi).front().address;
    const std::uint64_t end = fontRegions(FontKind::Jukta512).back().last() + std::uint64_t{1};
    std::ifstream in = openInputFile(path);
    HexMemory memory;
    if (base >= end) {
        return memory;
    }
    const std::uint64_t skip = base < first ? first - base : 0;
    std::vector<char> bytes(static_cast<std::size_t>(end - base - skip));
    in.ignore(static_cast<std::streamsize>(skip));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        throw Error(ErrorCode::DeviceIOError, placeOfPath(utf8FromPath(path)));
    }
    memory.append(static_cast<std::uint32_t>(base + skip),
                  reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::size_t>(in.gcount()));
    return memory;
}

}  // namespace ledfont::hexout
