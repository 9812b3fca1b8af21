#pragma once

#include <QIcon>

namespace ledfont::ui {

// The window's information sign: a white letter i on a navy-blue disc, drawn at 16 and 32 pixels.
QIcon informationIcon();

}  // namespace ledfont::ui
