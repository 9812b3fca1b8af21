#pragma once

#include <array>
#include <span>

#include "editor/PictureSurface.h"

namespace ledfont::editor {

// Outer geometry of the canvas control in its container, in twips: what the marker arithmetic and the
// line ends are computed from.
struct OuterGeometry {
    double left = 240;
    double width = 2535;
    double height = 2535;
};

// The in-memory picture: 161 x 161 pixels, one per canvas unit, holding exact colours. The window shows
// it scaled; the tests read it directly.
class Raster : public PictureSurface {
  public:
    static constexpr int kSize = 161;

    explicit Raster(OuterGeometry geometry = {}) : geometry_(geometry) {}

    void line(float x1, float y1, float x2, float y2, Colour colour) override;
    void box(float x1, float y1, float x2, float y2, Colour colour) override;
    Colour point(float x, float y) const override;
    void clear() override {
        pixels_.fill(kBlack);
        ++generation_;
    }

    double outerWidth() const override { return geometry_.width; }
    double outerHeight() const override { return geometry_.height; }
    double outerLeft() const override { return geometry_.left; }
    void setMarkerLeft(float left) override { markerLeft_ = left; }
    float markerLeft() const { return markerLeft_; }

    Colour pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y * kSize + x)]; }
    std::span<const Colour, kSize * kSize> pixels() const { return pixels_; }
    // Bumped on every drawing call, so a view can tell whether it must repaint.
    unsigned long generation() const { return generation_; }

  private:
    // Every pixel between the two corners, edges included, clipped to the raster.
    void fill(long px1, long py1, long px2, long py2, Colour colour);
    void set(int x, int y, Colour colour) { pixels_[static_cast<std::size_t>(y * kSize + x)] = colour; }

    OuterGeometry geometry_;
    std::array<Colour, kSize * kSize> pixels_{};
    float markerLeft_ = 0;
    unsigned long generation_ = 0;
};

}  // namespace ledfont::editor
