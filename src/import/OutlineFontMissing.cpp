// The outline font reader of a build without FreeType, HarfBuzz and fontconfig: every use says so.
#include "import/OutlineFont.h"

namespace ledfont::import {

namespace {

[[noreturn]] void unavailable() {
    throw SourceError(0,
                      "outline fonts are not available in this build of ledfont (it was built without "
                      "FreeType, HarfBuzz and fontconfig); .hex and .bdf sources are");
}

}  // namespace

struct OutlineSource::Face {};

bool outlineFontsAvailable() {
    return false;
}

OutlineSource::OutlineSource(const std::filesystem::path&, int) {
    unavailable();
}

OutlineSource::~OutlineSource() = default;

std::optional<GlyphImage> OutlineSource::image(std::u32string_view) const {
    unavailable();
}

std::optional<GlyphImage> OutlineSource::markImage(std::u32string_view, char32_t) const {
    unavailable();
}

int OutlineSource::pixelSize() const {
    unavailable();
}

OutlineSource::Fit OutlineSource::fitTo(char32_t, const std::array<std::uint16_t, kGlyphColumns>&, int) {
    unavailable();
}

void OutlineSource::setPixelSize(int) {
    unavailable();
}

std::vector<std::uint16_t> OutlineSource::drawLine(std::u32string_view, int) const {
    unavailable();
}

bool OutlineSource::drawsVirama(std::u32string_view) const {
    unavailable();
}

std::size_t OutlineSource::shapedGlyphCount(std::u32string_view) const {
    unavailable();
}

std::filesystem::path findSystemFont(const std::string&) {
    unavailable();
}

std::vector<std::string> devanagariFamilies() {
    return {};
}

}  // namespace ledfont::import
