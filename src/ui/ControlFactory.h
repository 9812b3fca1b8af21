#pragma once

#include "ui/Layout.h"

class QWidget;

namespace ledfont::ui {

// Creates the control of `row` in `container` with its caption, name and geometry.
QWidget* createControl(const ControlRow& row, QWidget* container);

}  // namespace ledfont::ui
