#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/GlyphTools.h"
#include "editor/GlyphTransfer.h"
#include "editor/LedCanvas.h"
#include "editor/UndoHistory.h"
#include "font/FontDocument.h"
#include "font/FontTables.h"
#include "font/Glyph.h"

namespace ledfont::editor {

// The glyph shown and the draft of it that the editing controls show.
struct ShownGlyph {
    int glyph = 0;
    // False until a glyph has been shown from the font: there is no code to show before.
    bool fromFont = false;
    // Width and centre as the lists hold them (0 for no selection), the kind of the option set, the LEDs.
    // Its pair is unused: the pair lives in the texts and lists below.
    Glyph draft;
    // What the conjunct boxes show and which entry each list has selected (-1 for none); storing reads the
    // texts, as only the boxes can carry a byte above 7F.
    std::array<std::string, kPairBytes> pairText;
    std::array<int, kPairBytes> pairEntry{};
    // The width last shown of the caption glyph; the window caption shows it once it has been shown.
    std::optional<int> caption;
    bool operator==(const ShownGlyph&) const = default;
};

// Everything an editing step can change, so that undo gives it back exactly: the font (without the file
// chosen, which is no edit) and the glyph shown.
struct EditState {
    FontTables font;
    ShownGlyph shown;
    bool operator==(const EditState&) const = default;
};

// The editing session: the font document, the glyph shown and its draft, the undo history. Each
// operation is one undo step; a failure throws and leaves everything as it was. Views listen for changes
// and draw what shown() holds.
class GlyphEditor {
  public:
    enum class Change {
        Shown,    // a glyph was shown from the font, or the whole state put back: draw it anew
        Draft,    // the draft changed: the LEDs, the width, the centre, the kind or the pair
        Font,     // the font or the file chosen changed, not what is shown
        History,  // what undo and redo would do changed
    };
    using Listener = std::function<void(Change)>;

    GlyphEditor();

    // The state undo keeps; a copy of the whole font.
    EditState state() const;
    const ShownGlyph& shown() const { return shown_; }
    const FontDocument& document() const { return document_; }
    const FontTables& font() const { return document_.tables(); }
    FontKind kind() const { return document_.kind(); }
    int glyph() const { return shown_.glyph; }
    const Glyph& draft() const { return shown_.draft; }
    // The bitmap of the draft in CharMap's layout (bytes 0..31, 1 for a dark LED).
    CharMapArray charMap() const;
    // What storing the draft would write; throws when a conjunct text holds no byte.
    GlyphRecord record() const;
    // The font with the draft in place of the stored record of the glyph shown (the stored one when the
    // draft cannot be stored).
    FontTables fontWithDraft() const;
    // True once a font is loaded when its tables differ from what was last loaded or saved, or the draft
    // from what storing it would have written when the glyph was shown.
    bool modified() const;

    void addListener(Listener listener) { listeners_.push_back(std::move(listener)); }
    // Views of the stored font (not of the draft) listen to the document itself.
    void addFontListener(FontDocument::Listener listener) { document_.addListener(std::move(listener)); }

    // Files. load reads the whole file before it changes anything, then shows glyph 0 and starts a fresh
    // history; save stores nothing itself and never changes the history.
    void setFontFile(std::string path);
    void load(const std::string& path, FontKind kind);
    void save(const std::string& path);
    // Replaces the font with `tables` (an import's result, same kind) and shows the glyph again.
    void importFont(const FontTables& tables);

    // LoadCharacter: shows glyph `index` from the font. SaveCharacter: stores the draft into glyph `index`.
    void show(int index);
    void store(int index);
    // Stores the draft under the glyph shown and shows the next, the previous or glyph `index`.
    void next();
    void previous();
    void goTo(int index);
    bool canGoNext() const { return nextGlyph(glyph(), font().JuktaMode) != glyph(); }
    bool canGoPrevious() const { return previousGlyph(glyph()) != glyph(); }

    // A stroke, from the press to the release, is one step; a move with the button of the press paints
    // every cell on the straight line from the cell painted last. The button codes are the canvas's
    // (kLeftButton, kRightButton); positions in canvas units.
    void beginStroke(int button, float x, float y);
    void paint(int button, float x, float y);
    void endStroke();

    // The editing controls: width 0..16 and centre 0..15 (0: no entry chosen), kind 0..2, a pair byte by its
    // list entry (-1: none, the box keeps its text).
    void setWidth(int width);
    void setCentre(int centre);
    void setKind(int kind);
    void setPairByte(int slot, int entry);
    // What a conjunct box holds when something other than its list wrote it; checked only when stored.
    void setPairText(int slot, std::string text);

    void applyTool(GlyphTool tool);
    bool toolChanges(GlyphTool tool) const;
    // The glyph pasted onto the draft: LEDs, width, centre, a kind the options show and, when `withPair` in
    // a Jukta512 font, the pair.
    void paste(const Glyph& glyph, bool withPair);

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    std::string undoLabel() const { return history_.undoLabel(); }
    std::string redoLabel() const { return history_.redoLabel(); }
    void undo();
    void redo();

    // One step: changes made while it is open are one undo entry once committed; a step never committed
    // puts everything back as it was when it began. Steps opened inside a step join it.
    class Transaction {
      public:
        Transaction(GlyphEditor& editor, std::string label);
        ~Transaction();
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

      private:
        GlyphEditor& editor_;
        std::string label_;
        EditState before_;
        bool outermost_;
        bool done_ = false;
    };

  private:
    void restore(const EditState& state);
    void notify(Change change) const;
    // The steps' work without a step of their own.
    void showGlyph(int index);
    void storeGlyph(int index);
    void storeAndShow(int index);
    void paintCell(int button, int column, int row);
    void rememberShown();
    void startHistory();

    FontDocument document_;
    ShownGlyph shown_;
    UndoHistory<EditState> history_;
    int depth_ = 0;
    // The stroke under way: the state before it, the button painting and the cell it painted last.
    std::optional<EditState> strokeBefore_;
    int strokeButton_ = 0;
    std::optional<Cell> strokeCell_;
    std::optional<GlyphRecord> shownRecord_;
    std::vector<Listener> listeners_;
};

}  // namespace ledfont::editor
