#include "editor/GlyphEditor.h"

#include <exception>
#include <utility>

#include "editor/LedCanvas.h"
#include "font/Error.h"

namespace ledfont::editor {

namespace {

constexpr int kMaxCentre = 15;
constexpr int kKinds = 3;

void checkRange(int value, int lowest, int highest) {
    if (value < lowest || value > highest) {
        throwError(ErrorCode::SubscriptOutOfRange);
    }
}

}  // namespace

GlyphEditor::GlyphEditor() {
    // The controls as the window starts: width 8, centre 1, Consonant, every LED dark, pair lists at 00 and
    // 01.
    shown_.draft.width = 8;
    shown_.draft.centre = 1;
    for (int k = 0; k < kPairBytes; ++k) {
        shown_.pairEntry[static_cast<std::size_t>(k)] = k;
        shown_.pairText[static_cast<std::size_t>(k)] = conjunctText(static_cast<std::uint8_t>(k));
    }
}

EditState GlyphEditor::state() const {
    EditState now{font(), shown_};
    now.font.FontFile.clear();
    return now;
}

CharMapArray GlyphEditor::charMap() const {
    GlyphDraft draft;
    draft.setColumns(shown_.draft.columns);
    CharMapArray map;
    draft.fillMap(map);
    return map;
}

GlyphRecord GlyphEditor::record() const {
    GlyphControls controls;
    controls.colsIndex = shown_.draft.width - 1;
    controls.centreIndex = shown_.draft.centre - 1;
    controls.kind = shown_.draft.kindNumber();
    controls.conjunctTexts = shown_.pairText;
    return buildRecord(controls, charMap(), font().JuktaMode);
}

FontTables GlyphEditor::fontWithDraft() const {
    FontTables tables = font();
    try {
        const GlyphRecord drafted = record();
        setGlyph(tables, glyph(),
                 Glyph::decode(drafted.bytes, drafted.pair.value_or(std::array<std::uint8_t, kPairBytes>{})),
                 drafted.pair.has_value());
    } catch (const std::exception&) {
        // what the draft holds cannot be stored; the stored record stands
    }
    return tables;
}

// Compared with what storing would have written when the glyph was shown, not with the stored bytes: a
// record the controls cannot show exactly (a width of 0, a kind above 2) is not a change the user made.
bool GlyphEditor::modified() const {
    if (document_.documentFile().empty()) {
        return false;  // nothing was loaded, so there is no font to lose
    }
    if (document_.modified()) {
        return true;
    }
    try {
        return !shownRecord_ || record() != *shownRecord_;
    } catch (const std::exception&) {
        return true;  // what the draft holds cannot even be stored: the user has changed something
    }
}

void GlyphEditor::rememberShown() {
    try {
        shownRecord_ = record();
    } catch (const std::exception&) {
        shownRecord_.reset();
    }
}

void GlyphEditor::notify(Change change) const {
    for (const Listener& listener : listeners_) {
        listener(change);
    }
}

void GlyphEditor::startHistory() {
    strokeBefore_.reset();
    history_.clear();
    notify(Change::History);
}

void GlyphEditor::setFontFile(std::string path) {
    document_.setFontFile(std::move(path));
    notify(Change::Font);
}

void GlyphEditor::load(const std::string& path, FontKind kind) {
    endStroke();
    document_.load(path, kind);
    // A font loaded starts a history of its own.
    showGlyph(0);
    startHistory();
}

void GlyphEditor::save(const std::string& path) {
    document_.save(path);
    rememberShown();
    notify(Change::Font);
}

void GlyphEditor::importFont(const FontTables& tables) {
    Transaction step(*this, "Import Glyphs");
    FontTables imported = tables;
    imported.FontFile = document_.fontFile();
    document_.setTables(imported);
    showGlyph(glyph());
    step.commit();
}

void GlyphEditor::showGlyph(int index) {
    const GlyphView view = glyphView(font().FontData, index);
    const Glyph stored = recordAt(font().FontData, index);
    ShownGlyph shown = shown_;
    shown.glyph = index;
    shown.fromFont = true;
    if (index == kCaptionGlyph) {
        shown.caption = view.width;
    }
    shown.draft.columns = stored.columns;
    if (view.kind) {
        shown.draft.kind = static_cast<GlyphKind>(*view.kind);  // another kind leaves the one set
    }
    shown.draft.width = static_cast<std::uint8_t>(view.width);
    shown.draft.centre = stored.centre;
    if (font().JuktaMode) {
        for (int k = 0; k < kPairBytes; ++k) {
            const auto slot = static_cast<std::size_t>(k);
            // A byte above 7F has no list entry; its box still shows the byte, so storing keeps it.
            const std::uint8_t value = font().JuktaData(index, k);
            shown.pairText[slot] = conjunctText(value);
            shown.pairEntry[slot] = conjunctListIndex(value);
        }
    }
    shown_ = std::move(shown);
    rememberShown();
    notify(Change::Shown);
}

void GlyphEditor::storeGlyph(int index) {
    // The whole record is built before anything is written, so a failure leaves the font as it was.
    storeRecord(document_, index, record());
    notify(Change::Font);
}

void GlyphEditor::show(int index) {
    Transaction step(*this, "Show Glyph");
    showGlyph(index);
    step.commit();
}

void GlyphEditor::store(int index) {
    Transaction step(*this, "Store Glyph");
    storeGlyph(index);
    step.commit();
}

void GlyphEditor::storeAndShow(int index) {
    storeGlyph(glyph());
    showGlyph(index);
}

void GlyphEditor::next() {
    Transaction step(*this, "Next Glyph");
    storeAndShow(nextGlyph(glyph(), font().JuktaMode));
    step.commit();
}

void GlyphEditor::previous() {
    Transaction step(*this, "Previous Glyph");
    storeAndShow(previousGlyph(glyph()));
    step.commit();
}

void GlyphEditor::goTo(int index) {
    Transaction step(*this, "Go to Glyph");
    storeAndShow(index);
    step.commit();
}

void GlyphEditor::paintCell(int button, int column, int row) {
    if (button != kLeftButton && button != kRightButton) {
        return;  // the middle button paints nothing
    }
    if (column < 0 || column >= kGlyphColumns || row < 0 || row >= kGlyphRows) {
        return;  // a cell outside the grid leaves no trace
    }
    shown_.draft.setLit(column, row, button == kLeftButton);
}

void GlyphEditor::beginStroke(int button, float x, float y) {
    endStroke();
    const Cell cell{pointerToCell(x), pointerToCell(y)};
    strokeBefore_ = state();
    paintCell(button, cell.column, cell.row);
    strokeButton_ = button;
    strokeCell_ = cell;
    notify(Change::Draft);
}

void GlyphEditor::paint(int button, float x, float y) {
    if (button != kLeftButton && button != kRightButton) {
        strokeCell_.reset();  // no button, both, or the middle one: a move that paints nothing
        return;
    }
    const Cell cell{pointerToCell(x), pointerToCell(y)};
    if (!strokeBefore_) {
        strokeBefore_ = state();
    }
    // Every cell on the way from the cell painted last, however fast the pointer moved.
    if (strokeCell_ && strokeButton_ == button) {
        visitLine(*strokeCell_, cell, [&](Cell on) { paintCell(button, on.column, on.row); });
    } else {
        paintCell(button, cell.column, cell.row);
    }
    strokeButton_ = button;
    strokeCell_ = cell;
    notify(Change::Draft);
}

void GlyphEditor::endStroke() {
    if (!strokeBefore_) {
        return;
    }
    EditState before = std::move(*strokeBefore_);
    strokeBefore_.reset();
    strokeCell_.reset();
    if (!(state() == before)) {
        history_.push(std::move(before), "Paint");
        notify(Change::History);
    }
}

void GlyphEditor::setWidth(int width) {
    checkRange(width, 0, kMaxWidth);
    Transaction step(*this, "Width");
    shown_.draft.width = static_cast<std::uint8_t>(width);
    notify(Change::Draft);
    step.commit();
}

void GlyphEditor::setCentre(int centre) {
    checkRange(centre, 0, kMaxCentre);
    Transaction step(*this, "Centre");
    shown_.draft.centre = static_cast<std::uint8_t>(centre);
    notify(Change::Draft);
    step.commit();
}

void GlyphEditor::setKind(int kind) {
    checkRange(kind, 0, kKinds - 1);
    Transaction step(*this, "Kind");
    shown_.draft.kind = static_cast<GlyphKind>(kind);
    notify(Change::Draft);
    step.commit();
}

void GlyphEditor::setPairByte(int slot, int entry) {
    checkRange(slot, 0, kPairBytes - 1);
    checkRange(entry, -1, kConjunctEntries - 1);
    Transaction step(*this, "Conjunct");
    const auto k = static_cast<std::size_t>(slot);
    shown_.pairEntry[k] = entry;
    // With no entry selected the box keeps the byte it shows.
    if (entry >= 0) {
        shown_.pairText[k] = conjunctText(static_cast<std::uint8_t>(entry));
    }
    notify(Change::Draft);
    step.commit();
}

void GlyphEditor::setPairText(int slot, std::string text) {
    checkRange(slot, 0, kPairBytes - 1);
    auto& shownText = shown_.pairText[static_cast<std::size_t>(slot)];
    if (shownText != text) {
        shownText = std::move(text);
        notify(Change::Draft);
    }
}

bool GlyphEditor::toolChanges(GlyphTool tool) const {
    GlyphDraft draft;
    draft.setColumns(shown_.draft.columns);
    return editor::applyTool(tool, draft, shown_.draft.width) != draft;
}

void GlyphEditor::applyTool(GlyphTool tool) {
    Transaction step(*this, toolLabel(tool));
    GlyphDraft draft;
    draft.setColumns(shown_.draft.columns);
    shown_.draft.columns = editor::applyTool(tool, draft, shown_.draft.width).columns();
    notify(Change::Draft);
    step.commit();
}

void GlyphEditor::paste(const Glyph& glyph, bool withPair) {
    Transaction step(*this, "Paste");
    Glyph& draft = shown_.draft;
    draft.columns = glyph.columns;
    draft.width = static_cast<std::uint8_t>(glyph.shownWidth());
    draft.centre = glyph.centre;
    if (glyph.kindNumber() < kKinds) {
        draft.kind = glyph.kind;
    }
    if (withPair && font().JuktaMode) {
        for (std::size_t k = 0; k < kPairBytes; ++k) {
            shown_.pairText[k] = conjunctText(glyph.pair[k]);
            shown_.pairEntry[k] = conjunctListIndex(glyph.pair[k]);
        }
    }
    notify(Change::Draft);
    step.commit();
}

void GlyphEditor::restore(const EditState& state) {
    FontTables tables = state.font;
    tables.FontFile = document_.fontFile();
    document_.setTables(tables);
    shown_ = state.shown;
    notify(Change::Shown);
}

void GlyphEditor::undo() {
    endStroke();
    if (!history_.canUndo()) {
        return;
    }
    restore(history_.undo(state()));
    notify(Change::History);
}

void GlyphEditor::redo() {
    endStroke();
    if (!history_.canRedo()) {
        return;
    }
    restore(history_.redo(state()));
    notify(Change::History);
}

GlyphEditor::Transaction::Transaction(GlyphEditor& editor, std::string label)
    : editor_(editor), label_(std::move(label)), outermost_(editor.depth_ == 0) {
    if (outermost_) {
        editor_.endStroke();  // a stroke whose release never came ends before the next step
    }
    ++editor_.depth_;
    before_ = editor_.state();
}

GlyphEditor::Transaction::~Transaction() {
    if (done_) {
        return;
    }
    --editor_.depth_;
    if (!(editor_.state() == before_)) {
        editor_.restore(before_);
    }
}

void GlyphEditor::Transaction::commit() {
    if (done_) {
        return;
    }
    done_ = true;
    --editor_.depth_;
    if (outermost_ && !(editor_.state() == before_)) {
        editor_.history_.push(std::move(before_), label_);
        editor_.notify(Change::History);
    }
}

}  // namespace ledfont::editor
