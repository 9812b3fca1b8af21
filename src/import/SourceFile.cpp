#include "import/SourceFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "font/FontPath.h"
#include "import/BdfFont.h"
#include "import/OutlineFont.h"
#include "import/TextLines.h"
#include "import/UnifontHex.h"

namespace ledfont::import {

namespace {

bool endsWith(std::string name, std::string_view extension) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name.ends_with(extension);
}

OpenedSource outline(const std::filesystem::path& file, int pixelSize) {
    auto font = std::make_unique<OutlineSource>(file, pixelSize);
    OpenedSource opened{nullptr, font->pixelSize()};
    if (const std::optional<GlyphImage> ka = font->image(U"\u0915")) {
        for (int r = 0; r < kGlyphRows; ++r) {
            if (ka->rows[static_cast<std::size_t>(r)] != 0) {
                opened.bodyFirst = opened.bodyFirst < 0 ? r : opened.bodyFirst;
                opened.bodyLast = r;
            }
        }
    }
    opened.source = std::move(font);
    return opened;
}

std::optional<int> glyphNumber(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end || value < 0) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

OpenedSource openSourceFile(const std::string& path, int pixelSize) {
    const std::filesystem::path file = pathFromUtf8(path);
    if (endsWith(path, ".hex")) {
        return {std::make_unique<UnifontHexSource>(UnifontHexSource::fromFile(file)), 0};
    }
    if (endsWith(path, ".bdf")) {
        return {std::make_unique<BdfSource>(BdfSource::fromFile(file)), 0};
    }
    if (looksLikeBdf(readFirstBytes(file, kBdfSniffBytes))) {
        return {std::make_unique<BdfSource>(BdfSource::fromFile(file)), 0};
    }
    return outline(file, pixelSize);
}

OpenedSource openSystemFont(const std::string& family, int pixelSize) {
    return outline(findSystemFont(family), pixelSize);
}

std::optional<std::vector<std::pair<int, int>>> glyphRanges(std::string_view text) {
    std::vector<std::pair<int, int>> ranges;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const std::size_t dash = item.find('-');
        const auto first = glyphNumber(item.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : glyphNumber(item.substr(dash + 1));
        if (!first || !last || *last < *first) {
            return std::nullopt;
        }
        ranges.emplace_back(*first, *last);
        if (comma == std::string_view::npos) {
            return ranges;
        }
        text.remove_prefix(comma + 1);
    }
}

}  // namespace ledfont::import
