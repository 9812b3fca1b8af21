#include "editor/CanvasView.h"

namespace ledfont::editor {

CanvasView::CanvasView(GlyphEditor& editor, PictureSurface& pic) : canvas_(pic) {
    // As the window starts: the grid on the black picture, then the lists' first selections draw theirs.
    const Glyph& draft = editor.draft();
    canvas_.DrawGrid();
    canvas_.ColsClick(draft.width - 1);
    canvas_.CentreClick(draft.centre - 1);
    editor.addListener([this, &editor](GlyphEditor::Change change) {
        if (change == GlyphEditor::Change::Shown) {
            canvas_.ShowGlyph(editor.draft());
        } else if (change == GlyphEditor::Change::Draft) {
            canvas_.Follow(editor.draft());
        }
    });
}

}  // namespace ledfont::editor
