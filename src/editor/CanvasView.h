#pragma once

#include "editor/GlyphEditor.h"
#include "editor/LedCanvas.h"
#include "editor/PictureSurface.h"

namespace ledfont::editor {

// The LED canvas as a view of an editor: draws the start-up picture, then follows every change of the
// glyph shown and its draft. It only draws; what it shows is the editor's.
class CanvasView {
  public:
    // `editor` and `pic` outlive the view; the editor must not notify once the view is gone.
    CanvasView(GlyphEditor& editor, PictureSurface& pic);
    CanvasView(const CanvasView&) = delete;
    CanvasView& operator=(const CanvasView&) = delete;

    const LedCanvas& canvas() const { return canvas_; }

  private:
    LedCanvas canvas_;
};

}  // namespace ledfont::editor
