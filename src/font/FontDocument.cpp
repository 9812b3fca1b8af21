#include "font/FontDocument.h"

#include "font/FontPath.h"
#include "font/FontText.h"

namespace ledfont {

bool FontDocument::load(const std::string& path, FontKind kind) {
    bool moreFollow = false;
    // Everything is read and converted before the first byte is stored, so a failure changes nothing.
    const std::vector<std::uint8_t> values = readFontFile(pathFromUtf8(path), kind, moreFollow);
    storeFontValues(tables_, kind, values);
    tables_.JuktaMode = kind == FontKind::Jukta512;
    markSaved(path, moreFollow);
    changed(kWholeFont);
    return moreFollow;
}

void FontDocument::save(const std::string& path) {
    saveFontFile(pathFromUtf8(path), tables_);
    markSaved(path, false);
}

void FontDocument::setGlyph(int index, const Glyph& value, bool withPair) {
    ledfont::setGlyph(tables_, index, value, withPair);
    changed(index);
}

void FontDocument::setTables(const FontTables& tables) {
    std::string file = std::move(tables_.FontFile);
    tables_ = tables;
    tables_.FontFile = std::move(file);
    changed(kWholeFont);
}

bool FontDocument::modified() const {
    if (documentFile_.empty()) {
        return false;  // nothing was loaded, so there is no font to lose
    }
    return tables_.JuktaMode != savedJuktaMode_ || !(tables_.FontData == savedFont_) ||
           !(tables_.JuktaData == savedJukta_);
}

void FontDocument::markSaved(const std::string& file, bool moreFollow) {
    documentFile_ = file;
    documentHasMore_ = moreFollow;
    savedFont_ = tables_.FontData;
    savedJukta_ = tables_.JuktaData;
    savedJuktaMode_ = tables_.JuktaMode;
}

void FontDocument::changed(int glyph) const {
    for (const Listener& listener : listeners_) {
        listener(glyph);
    }
}

}  // namespace ledfont
