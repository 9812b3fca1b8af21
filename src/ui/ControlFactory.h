#pragma once

#include "ui/Layout.h"

class QWidget;

namespace ledfont::ui {

// Creates the control of `spec` in `container` with its caption, name and geometry.
QWidget* createControl(const ControlSpec& spec, QWidget* container);

}  // namespace ledfont::ui
