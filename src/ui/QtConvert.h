#pragma once

#include <QColor>
#include <QString>
#include <Qt>
#include <string>

#include "editor/LedCanvas.h"
#include "editor/PictureSurface.h"

// The conversions between Qt's types and the core's, kept in one place.
namespace ledfont::ui {

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

inline QColor toQColor(editor::Colour colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

// Button codes as the canvas handlers expect them: 1 left, 2 right, 4 middle, summed for several.
inline int buttonCode(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? editor::kLeftButton : 0) +
           (buttons.testFlag(Qt::RightButton) ? editor::kRightButton : 0) +
           (buttons.testFlag(Qt::MiddleButton) ? editor::kMiddleButton : 0);
}
// Shift state: 1 Shift, 2 Ctrl, 4 Alt.
inline int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) +
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) + (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

}  // namespace ledfont::ui
