#include "editor/LedCanvas.h"
#include "ui/ListCombo.h"
#include "ui/frmFont.h"

// The handlers of the LED canvas and of the width and centre lists drawn on it.
namespace ledfont::ui {

void frmFont::pic_MouseDown(int button, int /*shift*/, float x, float y) {
    canvas_->MouseDown(button, x, y);
    updateActions();  // the tools and the preview follow the painting
}

void frmFont::pic_MouseMove(int button, int /*shift*/, float x, float y) {
    canvas_->MouseMove(button, x, y);
    if (button != 0) {
        updateActions();
    }
}

void frmFont::cmbCols_Click() {
    Step step(*this);
    canvas_->ColsClick(cmbCols->listIndex());
}

void frmFont::cmbCentre_Click() {
    Step step(*this);
    canvas_->CentreClick(cmbCentre->listIndex());
}

}  // namespace ledfont::ui
