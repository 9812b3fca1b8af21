#pragma once

#include <cstdint>

namespace ledfont::editor {

// Colours as 24-bit values red + 256 x green + 65536 x blue.
using Colour = std::uint32_t;
constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) + 65536u * static_cast<Colour>(blue);
}
constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kGridBlue = rgb(0, 0, 255);
constexpr Colour kLitRed = rgb(255, 0, 0);
constexpr Colour kLimitGreen = rgb(0, 255, 0);
constexpr Colour kMarkerColour = rgb(0, 192, 192);

// What the LED canvas needs of the picture it draws on: a drawing area in canvas units, the control's
// outer geometry in its container's units, and the centre marker that shares that container.
class PictureSurface {
  public:
    virtual ~PictureSurface() = default;

    virtual void line(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // A filled box between two corners, edges included.
    virtual void box(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // The colour at a point, exactly as drawn; 0 outside the drawing area.
    virtual Colour point(float x, float y) const = 0;
    virtual void clear() = 0;

    virtual double outerWidth() const = 0;
    virtual double outerHeight() const = 0;
    virtual double outerLeft() const = 0;
    virtual void setMarkerLeft(float left) = 0;
};

}  // namespace ledfont::editor
