#pragma once

#include "ui/Layout.h"

class QWidget;

namespace ledfont::ui {

// Creates the control of `row` in `container` with its caption, name and geometry at `scale`.
QWidget* createControl(const ControlRow& row, QWidget* container, const TwipsScale& scale);
// Gives the control of `row` its geometry at `scale`; a control lower than a line of its font grows to one,
// about its middle, so a caption is never clipped.
void placeControl(QWidget* widget, const ControlRow& row, const TwipsScale& scale);
// True when the control's caption, or its longest list entry, is as wide as its room at `scale` or less.
bool captionWidthFits(const QWidget* widget, const ControlRow& row, const TwipsScale& scale);

}  // namespace ledfont::ui
