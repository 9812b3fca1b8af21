#include "GlyphArt.h"

#include <sstream>
#include <string>

namespace ledfont::samples {

namespace {

[[noreturn]] void fail(long line, const std::string& text) {
    ErrorPlace place;
    place.line = line;
    place.value = displayValue(text);
    place.hasValue = true;
    throw Error(ErrorCode::TypeMismatch, place);
}

int kindNumber(const std::string& name) {
    if (name == "consonant") {
        return 0;
    }
    if (name == "vowel") {
        return 1;
    }
    return name == "ikaar" ? 2 : -1;
}

void blankGlyph(FontTables& tables, int glyph) {
    Glyph blank;
    blank.width = 8;
    setGlyph(tables, glyph, blank, false);
}

}  // namespace

void readGlyphArt(std::istream& in, FontTables& tables) {
    for (int g = 0; g < glyphCount(FontKind::Jukta512); ++g) {
        blankGlyph(tables, g);
    }
    std::string text;
    long lineNo = 0;
    while (std::getline(in, text)) {
        ++lineNo;
        if (text.empty() || text[0] == '#') {
            continue;
        }
        std::istringstream header(text);
        std::string word, kind;
        int glyph = -1, width = 0, centre = 0, pair0 = 0, pair1 = 0;
        header >> word >> std::hex >> glyph >> std::dec;
        if (word != "glyph" || glyph < 0 || glyph >= glyphCount(FontKind::Jukta512)) {
            fail(lineNo, text);
        }
        header >> word >> width;
        if (word != "width" || width < 1 || width > 16) {
            fail(lineNo, text);
        }
        header >> word >> kind;
        if (word != "kind" || kindNumber(kind) < 0) {
            fail(lineNo, text);
        }
        header >> word >> centre;
        if (word != "centre" || centre < 0 || centre > 15) {
            fail(lineNo, text);
        }
        if (header >> word) {
            header >> std::hex >> pair0 >> pair1;
            if (word != "pair" || !header) {
                fail(lineNo, text);
            }
        }
        Glyph art;
        art.width = static_cast<std::uint8_t>(width);
        art.kind = static_cast<GlyphKind>(kindNumber(kind));
        art.centre = static_cast<std::uint8_t>(centre);
        art.pair = {checkedByte(pair0), checkedByte(pair1)};
        for (int row = 0; row < 16; ++row) {
            if (!std::getline(in, text)) {
                ErrorPlace place;
                place.line = lineNo;
                throw Error(ErrorCode::InputPastEndOfFile, place);
            }
            ++lineNo;
            if (static_cast<int>(text.size()) > width) {
                fail(lineNo, text);
            }
            for (int col = 0; col < static_cast<int>(text.size()); ++col) {
                if (text[col] != '#' && text[col] != '.') {
                    fail(lineNo, text);
                }
                art.setLit(col, row, text[col] == '#');
            }
        }
        setGlyph(tables, glyph, art, true);
    }
}

}  // namespace ledfont::samples
