#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "font/FontTables.h"
#include "font/Glyph.h"

namespace ledfont {

// One font being worked on: its tables, the kind they are read as and the file chosen for them, and what
// was last loaded or saved, so unsaved work can be told. Views learn of every change through listeners.
class FontDocument {
  public:
    // The glyph a listener is told of, or this when the whole font changed.
    static constexpr int kWholeFont = -1;
    using Listener = std::function<void(int glyph)>;

    const FontTables& tables() const { return tables_; }
    FontKind kind() const { return kindOf(tables_.JuktaMode); }

    // The file chosen for the next load, save or export: the file list's selection, not necessarily the
    // file the font came from.
    const std::string& fontFile() const { return tables_.FontFile; }
    void setFontFile(std::string path) { tables_.FontFile = std::move(path); }

    // Reads the whole of `path` as a font of `kind`, and only then stores its glyphs (and for Jukta512 its
    // pairs; the rows of the other kind stay), switches to that kind and takes the file as the document's.
    // A failure throws and changes nothing. Returns whether the file continues after the kind's values.
    bool load(const std::string& path, FontKind kind);
    // Writes the font text of the tables atomically to `path`, which then is the document's file.
    void save(const std::string& path);

    Glyph glyph(int index) const { return glyphAt(tables_, index); }
    // Writes glyph `index`, and its pair too when `withPair`; a bad index writes nothing.
    void setGlyph(int index, const Glyph& value, bool withPair);
    // Replaces the whole font, e.g. from an undo step; the document's file stays.
    void setTables(const FontTables& tables);

    // The file last loaded or saved; empty before the first load.
    const std::string& documentFile() const { return documentFile_; }
    // Whether that file holds more values than the font read from it.
    bool documentHasMore() const { return documentHasMore_; }
    // True when the glyphs, pairs or kind differ from what was last loaded or saved.
    bool modified() const;
    // The tables now equal `file`, which `moreFollow` says continues after the values of their kind.
    void markSaved(const std::string& file, bool moreFollow);

    // Listeners stay until the document goes; each hears every change after it was added.
    void addListener(Listener listener) { listeners_.push_back(std::move(listener)); }

  private:
    void changed(int glyph) const;

    FontTables tables_;
    std::string documentFile_;
    FontDataTable savedFont_;
    JuktaDataTable savedJukta_;
    bool savedJuktaMode_ = false;
    bool documentHasMore_ = false;
    std::vector<Listener> listeners_;
};

}  // namespace ledfont
