// FreeType, HarfBuzz and fontconfig are used here and nowhere else; none of their types leaves this file.
#include "import/OutlineFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "font/FontPath.h"
#include "import/TextLines.h"

namespace ledfont::import {

namespace {

constexpr int kSmallestSize = 4;
constexpr int kLargestSize = 64;
// FreeType reads the font from memory; a larger file is no Devanagari font (the largest are a few MiB).
constexpr std::size_t kLargestFontBytes = std::size_t{64} << 20;

// Ink is drawn on a canvas larger than a glyph, then the 16 rows of the font are taken from it. The
// baseline is the top edge of canvas row kBaseline; the pen starts at column kPenStart.
constexpr int kCanvasRows = 96;
constexpr int kCanvasColumns = 64;
constexpr int kBaseline = 64;
constexpr int kPenStart = 16;

struct Canvas {
    std::array<std::uint64_t, kCanvasRows> rows{};
    bool lost = false;  // ink beyond the canvas

    void set(int column, int row) {
        if (column < 0 || column >= kCanvasColumns || row < 0 || row >= kCanvasRows) {
            lost = true;
            return;
        }
        rows[static_cast<std::size_t>(row)] |= std::uint64_t{1} << column;
    }
};

// The canvas rows that hold ink, first and last; first > last when none does.
struct InkRows {
    int first = kCanvasRows;
    int last = -1;

    void add(const Canvas& canvas) {
        for (int r = 0; r < kCanvasRows; ++r) {
            if (canvas.rows[static_cast<std::size_t>(r)] != 0) {
                first = std::min(first, r);
                last = std::max(last, r);
            }
        }
    }
    int height() const { return last < first ? 0 : last - first + 1; }
};

// A glyph rendered at the face's current size: its bitmap rows, one bit a pixel, and where its top left
// lies from the pen.
struct GlyphBitmap {
    int left = 0;
    int top = 0;
    unsigned rows = 0;
    unsigned width = 0;
    unsigned pitch = 0;
    std::vector<unsigned char> bits;

    bool lit(unsigned row, unsigned column) const {
        return (bits[row * pitch + column / 8] >> (7 - column % 8)) & 1;
    }
};

// FreeType's own texts for its error codes, which Debian's build does not keep (FT_Error_String).
std::string freetypeFault(FT_Error error) {
#undef FTERRORS_H_
#define FT_ERRORDEF(e, v, s) {v, s},
#define FT_ERROR_START_LIST {
#define FT_ERROR_END_LIST }
    struct Text {
        int code;
        const char* text;
    };
    static constexpr Text kTexts[] =
#include FT_ERRORS_H
        ;
    for (const Text& t : kTexts) {
        if (t.code == error) {
            return t.text;
        }
    }
    return "FreeType error " + std::to_string(error);
}

// What Hindi writes, which the size is chosen to fit: its letters, digits and the signs on KA, and conjuncts
// whose forms reach highest and lowest (reph, the र below, stacked forms). The block has signs Hindi never
// writes (Vedic and other languages' signs, some reaching far above or below); fitting those too would
// leave the letters small.
const std::vector<std::u32string>& hindiTexts() {
    static const std::vector<std::u32string> texts = [] {
        std::vector<std::u32string> all;
        const auto add = [&all](char32_t first, char32_t last) {
            for (char32_t c = first; c <= last; ++c) {
                all.emplace_back(1, c);
            }
        };
        add(0x0905, 0x0914);  // अ..औ
        add(0x0915, 0x0939);  // क..ह
        add(0x0958, 0x095F);  // क़..य़
        add(0x0966, 0x096F);  // ०..९
        for (char32_t sign : {0x0901, 0x0902, 0x0903, 0x093C, 0x093E, 0x093F, 0x0940, 0x0941, 0x0942, 0x0943,
                              0x0945, 0x0947, 0x0948, 0x0949, 0x094B, 0x094C, 0x094D}) {
            all.push_back({0x0915, sign});
        }
        for (const char32_t* cluster :
             {U"\u0930\u094D\u0915", U"\u0915\u094D\u0930", U"\u092A\u094D\u0930", U"\u0915\u094D\u0937",
              U"\u0924\u094D\u0930", U"\u091C\u094D\u091E", U"\u0936\u094D\u0930", U"\u0926\u094D\u0927",
              U"\u0926\u094D\u0935", U"\u0939\u094D\u092E", U"\u0930\u0941", U"\u0930\u0942"}) {
            all.emplace_back(cluster);
        }
        return all;
    }();
    return texts;
}

// 26.6 fixed point to whole pixels, rounded.
int pixels(hb_position_t value) {
    return (value + 32) >> 6;
}

}  // namespace

struct OutlineSource::Face {
    std::string bytes;  // FreeType reads the font from here for as long as the face lives
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    hb_font_t* font = nullptr;
    hb_buffer_t* buffer = nullptr;
    std::string shown;  // the file's name, for messages
    int size = 0;
    int rowOffset = 0;  // canvas row of glyph row 0
    // The glyphs rendered at `size`, by glyph index (nothing for one FreeType cannot render): the size
    // search, the block, the vowel signs on KA and the conjuncts draw the same glyphs many times over, and
    // hinting them is most of an import's time.
    mutable std::unordered_map<hb_codepoint_t, std::optional<GlyphBitmap>> bitmaps;

    ~Face() {
        if (buffer) {
            hb_buffer_destroy(buffer);
        }
        if (font) {
            hb_font_destroy(font);
        }
        if (face) {
            FT_Done_Face(face);
        }
        if (library) {
            FT_Done_FreeType(library);
        }
    }

    void setSize(int px) {
        if (const FT_Error error = FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(px)); error != 0) {
            throw SourceError(0,
                              "cannot be set to " + std::to_string(px) + " pixels: " + freetypeFault(error));
        }
        hb_ft_font_changed(font);
        size = px;
        bitmaps.clear();
    }

    const std::optional<GlyphBitmap>& bitmapOf(hb_codepoint_t glyph) const {
        if (const auto found = bitmaps.find(glyph); found != bitmaps.end()) {
            return found->second;
        }
        std::optional<GlyphBitmap>& made = bitmaps[glyph];
        if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0 ||
            FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0) {
            return made;
        }
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        GlyphBitmap result{slot->bitmap_left, slot->bitmap_top,       bitmap.rows,
                           bitmap.width,      (bitmap.width + 7) / 8, {}};
        result.bits.resize(static_cast<std::size_t>(result.rows) * result.pitch);
        for (unsigned j = 0; j < bitmap.rows; ++j) {
            const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(j) * bitmap.pitch;
            std::copy(row, row + result.pitch,
                      result.bits.begin() + static_cast<std::ptrdiff_t>(j * result.pitch));
        }
        made = std::move(result);
        return made;
    }

    // How many glyphs the shaping of `text` makes, leaving them in `buffer`; 0 when one is missing.
    unsigned shape(std::u32string_view text) const {
        hb_buffer_clear_contents(buffer);
        hb_buffer_add_utf32(buffer, reinterpret_cast<const std::uint32_t*>(text.data()),
                            static_cast<int>(text.size()), 0, static_cast<int>(text.size()));
        hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
        hb_buffer_set_script(buffer, HB_SCRIPT_DEVANAGARI);
        hb_buffer_set_language(buffer, hb_language_from_string("hi", -1));
        // A mark on its own is drawn as it is, without the dotted circle shaping would put under it.
        hb_buffer_set_flags(buffer, HB_BUFFER_FLAG_DO_NOT_INSERT_DOTTED_CIRCLE);
        hb_shape(font, buffer, nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
        for (unsigned i = 0; i < count; ++i) {
            if (infos[i].codepoint == 0) {
                return 0;
            }
        }
        return count;
    }

    // Plots the ink of `text` as shaped, of its glyphs from number `from` on (the pen passes over the ones
    // before), at canvas columns from kPenStart and rows from the baseline kBaseline; false when a glyph is
    // missing or there are no more than `from`.
    template <class Plot>
    bool draw(std::u32string_view text, unsigned from, Plot plot) const {
        const unsigned count = shape(text);
        if (count <= from) {
            return false;
        }
        const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, nullptr);
        const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, nullptr);
        hb_position_t penX = 0;
        hb_position_t penY = 0;
        for (unsigned i = 0; i < count; ++i) {
            if (i >= from) {
                const std::optional<GlyphBitmap>& bitmap = bitmapOf(infos[i].codepoint);
                if (!bitmap) {
                    return false;
                }
                const int left = kPenStart + pixels(penX + positions[i].x_offset) + bitmap->left;
                const int top = kBaseline - pixels(penY + positions[i].y_offset) - bitmap->top;
                for (unsigned j = 0; j < bitmap->rows; ++j) {
                    for (unsigned k = 0; k < bitmap->width; ++k) {
                        if (bitmap->lit(j, k)) {
                            plot(left + static_cast<int>(k), top + static_cast<int>(j));
                        }
                    }
                }
            }
            penX += positions[i].x_advance;
            penY += positions[i].y_advance;
        }
        return true;
    }

    std::optional<Canvas> render(std::u32string_view text, unsigned from = 0) const {
        Canvas canvas;
        if (!draw(text, from, [&canvas](int column, int row) { canvas.set(column, row); })) {
            return std::nullopt;
        }
        return canvas;
    }

    // The canvas rows the ink of what Hindi writes covers at the current size.
    InkRows hindiInk() const {
        InkRows ink;
        for (const std::u32string& text : hindiTexts()) {
            if (const std::optional<Canvas> canvas = render(text)) {
                ink.add(*canvas);
            }
        }
        return ink;
    }

    // The largest size at which what Hindi writes fits the rows of a glyph. Ink grows with the size, so a
    // binary search finds it.
    int fittingSize() {
        int fits = kSmallestSize;
        int fails = kLargestSize + 1;
        while (fails - fits > 1) {
            const int middle = (fits + fails) / 2;
            setSize(middle);
            (hindiInk().height() <= kGlyphRows ? fits : fails) = middle;
        }
        return fits;
    }

    // What Hindi writes centred on the 16 rows, its spare rows split with the odd one below.
    void placeRows() {
        const InkRows ink = hindiInk();
        if (ink.height() == 0) {
            rowOffset = kBaseline - kGlyphRows;
            return;
        }
        rowOffset = ink.first - std::max(0, (kGlyphRows - ink.height()) / 2);
    }
};

bool outlineFontsAvailable() {
    return true;
}

OutlineSource::OutlineSource(const std::filesystem::path& path, int pixelSize)
    : face_(std::make_unique<Face>()) {
    Face& f = *face_;
    f.bytes = readWholeFile(path, kLargestFontBytes);
    f.shown = utf8FromPath(path);
    const std::string& shown = f.shown;
    if (const FT_Error error = FT_Init_FreeType(&f.library); error != 0) {
        throw SourceError(0, "FreeType does not start: " + freetypeFault(error), shown);
    }
    if (const FT_Error error = FT_New_Memory_Face(f.library, reinterpret_cast<const FT_Byte*>(f.bytes.data()),
                                                  static_cast<FT_Long>(f.bytes.size()), 0, &f.face);
        error != 0) {
        throw SourceError(0, "not a font file (" + freetypeFault(error) + ")", shown);
    }
    f.font = hb_ft_font_create_referenced(f.face);
    hb_ft_font_set_load_flags(f.font, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO);
    f.buffer = hb_buffer_create();
    try {
        f.setSize(pixelSize > 0 ? pixelSize : f.fittingSize());
    } catch (const SourceError& e) {
        throw e.withPath(shown);
    }
    f.placeRows();
}

OutlineSource::~OutlineSource() = default;

namespace {

int firstInkColumn(const Canvas& canvas) {
    std::uint64_t ink = 0;
    for (std::uint64_t row : canvas.rows) {
        ink |= row;
    }
    return ink == 0 ? 0 : std::countr_zero(ink);
}

// The 16 rows of the canvas from `rowOffset` on, column `first` becoming column 0; ink elsewhere is cut.
GlyphImage imageOf(const Canvas& canvas, int rowOffset, int first) {
    GlyphImage image;
    image.cut = canvas.lost;
    const std::uint64_t leftOfFirst = (std::uint64_t{1} << first) - 1;
    for (int r = 0; r < kCanvasRows; ++r) {
        const std::uint64_t whole = canvas.rows[static_cast<std::size_t>(r)];
        const std::uint64_t row = whole >> first;
        const int at = r - rowOffset;
        if (at < 0 || at >= kGlyphRows) {
            image.cut = image.cut || whole != 0;
            continue;
        }
        image.rows[static_cast<std::size_t>(at)] = static_cast<std::uint32_t>(row);
        image.cut = image.cut || (row >> kImageColumns) != 0 || (whole & leftOfFirst) != 0;
    }
    return image;
}

}  // namespace

std::optional<GlyphImage> OutlineSource::image(std::u32string_view text) const {
    const std::optional<Canvas> canvas = face_->render(text);
    if (!canvas) {
        return std::nullopt;
    }
    return imageOf(*canvas, face_->rowOffset, firstInkColumn(*canvas));
}

std::optional<GlyphImage> OutlineSource::markImage(std::u32string_view base, char32_t mark) const {
    // The mark shaped on the base, so that the font's anchors put it where it goes; the base's glyphs must
    // stay as they are, first, for the mark's ink to be told from theirs.
    const std::optional<Canvas> alone = face_->render(base);
    const unsigned count = face_->shape(base);
    if (!alone || count == 0) {
        return std::nullopt;
    }
    std::vector<hb_codepoint_t> baseGlyphs(count);
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(face_->buffer, nullptr);
    std::transform(infos, infos + count, baseGlyphs.begin(),
                   [](const hb_glyph_info_t& i) { return i.codepoint; });
    std::u32string text(base);
    text += mark;
    if (face_->shape(text) <= count) {
        return std::nullopt;
    }
    infos = hb_buffer_get_glyph_infos(face_->buffer, nullptr);
    if (!std::equal(baseGlyphs.begin(), baseGlyphs.end(), infos,
                    [](hb_codepoint_t g, const hb_glyph_info_t& i) { return g == i.codepoint; })) {
        return std::nullopt;
    }
    const std::optional<Canvas> canvas = face_->render(text, count);
    if (!canvas) {
        return std::nullopt;
    }
    return imageOf(*canvas, face_->rowOffset, firstInkColumn(*alone));
}

std::vector<std::uint16_t> OutlineSource::drawLine(std::u32string_view text, int rowShift) const {
    std::vector<std::pair<int, int>> ink;
    const int rowOffset = face_->rowOffset - rowShift;
    const bool drawn = face_->draw(text, 0, [&ink, rowOffset](int column, int row) {
        if (row - rowOffset >= 0 && row - rowOffset < kGlyphRows) {
            ink.emplace_back(column, row - rowOffset);
        }
    });
    std::vector<std::uint16_t> columns;
    if (!drawn || ink.empty()) {
        return columns;
    }
    const auto [first, last] = std::minmax_element(ink.begin(), ink.end());
    columns.resize(static_cast<std::size_t>(last->first - first->first + 1));
    for (const auto& [column, row] : ink) {
        columns[static_cast<std::size_t>(column - first->first)] |= static_cast<std::uint16_t>(1u << row);
    }
    return columns;
}

bool OutlineSource::drawsVirama(std::u32string_view text) const {
    const char32_t virama = kVirama;
    if (face_->shape(std::u32string_view(&virama, 1)) != 1) {
        return false;
    }
    const hb_codepoint_t sign = hb_buffer_get_glyph_infos(face_->buffer, nullptr)[0].codepoint;
    unsigned count = 0;
    face_->shape(text);
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(face_->buffer, &count);
    return std::any_of(infos, infos + count,
                       [sign](const hb_glyph_info_t& info) { return info.codepoint == sign; });
}

void OutlineSource::setPixelSize(int pixelSize) {
    try {
        face_->setSize(pixelSize);
    } catch (const SourceError& e) {
        throw e.withPath(face_->shown);
    }
    face_->placeRows();
}

OutlineSource::Fit OutlineSource::fitTo(char32_t code,
                                        const std::array<std::uint16_t, kGlyphColumns>& columns, int size) {
    // The glyph's ink as rows from its top lit row, columns from its first lit one.
    std::vector<std::uint64_t> want;
    int wantTop = -1;
    for (int r = 0; r < kGlyphRows; ++r) {
        std::uint64_t row = 0;
        for (int c = 0; c < kGlyphColumns; ++c) {
            row |= std::uint64_t{(columns[static_cast<std::size_t>(c)] >> r) & 1u} << c;
        }
        if (row != 0 && wantTop < 0) {
            wantTop = r;
        }
        if (wantTop >= 0) {
            want.push_back(row);
        }
    }
    while (!want.empty() && want.back() == 0) {
        want.pop_back();
    }
    std::uint64_t wantInk = 0;
    for (std::uint64_t row : want) {
        wantInk |= row;
    }
    Fit best;
    int bestTop = 0;
    for (int px = size > 0 ? size : kSmallestSize; px <= (size > 0 ? size : kLargestSize) && !want.empty();
         ++px) {
        face_->setSize(px);
        const std::optional<Canvas> canvas = face_->render(std::u32string_view(&code, 1));
        if (!canvas) {
            break;
        }
        InkRows rows;
        rows.add(*canvas);
        const int first = firstInkColumn(*canvas) - std::countr_zero(wantInk);
        int differing = 0;
        const int height = std::max(rows.height(), static_cast<int>(want.size()));
        for (int r = 0; r < height; ++r) {
            const int at = rows.first + r;
            const std::uint64_t have =
                at < kCanvasRows && first >= 0 ? canvas->rows[static_cast<std::size_t>(at)] >> first : 0;
            const std::uint64_t wanted =
                r < static_cast<int>(want.size()) ? want[static_cast<std::size_t>(r)] : 0;
            differing += std::popcount(have ^ wanted);
        }
        if (best.size == 0 || differing < best.differing) {
            best = {px, 0, differing};
            bestTop = rows.first;
        }
    }
    if (best.size == 0) {
        return best;
    }
    setPixelSize(best.size);
    best.rowShift = wantTop - (bestTop - face_->rowOffset);
    return best;
}

int OutlineSource::pixelSize() const {
    return face_->size;
}

std::size_t OutlineSource::shapedGlyphCount(std::u32string_view text) const {
    return face_->shape(text);
}

}  // namespace ledfont::import
