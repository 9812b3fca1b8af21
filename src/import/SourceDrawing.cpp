#include "import/SourceDrawing.h"

#include <filesystem>
#include <utility>

#include "font/Error.h"
#include "font/FontPath.h"
#include "import/OutlineFont.h"

namespace ledfont::import {

namespace {

constexpr char32_t kKa = 0x0915;

}  // namespace

SourceDrawing::SourceDrawing(const std::string& source, const Glyph& ka, int size) {
    std::error_code error;
    const std::filesystem::path path = pathFromUtf8(source);
    const bool isFile = std::filesystem::is_regular_file(path, error);
    const std::filesystem::path file = isFile ? path : findSystemFont(source);
    // Any size will do to open it; the fit below, or `size`, sets the one it is drawn at.
    source_ = std::make_unique<OutlineSource>(file, size > 0 ? size : 16);
    const OutlineSource::Fit fit = source_->fitTo(kKa, ka.columns, size);
    if (fit.size == 0) {
        throw SourceError(0, "has no क to find the font's size by", displayValue(source));
    }
    rowShift_ = fit.rowShift;
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about chains of string additions.
    if (isFile) {
        name_ = displayPath(source);
    } else {
        name_.append("\"").append(displayValue(source)).append("\"");
    }
    name_.append(" at ").append(std::to_string(source_->pixelSize())).append(" pixels");
}

SourceDrawing::~SourceDrawing() = default;

std::vector<std::uint16_t> SourceDrawing::draw(std::u32string_view text) const {
    return source_->drawLine(text, rowShift_);
}

bool SourceDrawing::drawsVirama(std::u32string_view cluster) const {
    return source_->drawsVirama(cluster);
}

}  // namespace ledfont::import
