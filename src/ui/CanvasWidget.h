#pragma once

#include <array>
#include <cstdint>

#include <QImage>
#include <QWidget>

#include "editor/PictureSurface.h"
#include "editor/Raster.h"
#include "ui/Layout.h"

namespace ledfont::ui {

// The picture `pic`: keeps the exact 161 x 161 raster the LED canvas draws on, shows it scaled without
// smoothing, and reports mouse presses and moves in canvas units. Its outer geometry is the layout's
// twips, so the marker arithmetic works in the same units as the layout.
class CanvasWidget : public QWidget, public editor::PictureSurface {
    Q_OBJECT

  public:
    CanvasWidget(editor::OuterGeometry geometry, QWidget* parent = nullptr);

    // The shape that setMarkerLeft moves; it shares the picture's container.
    void setMarker(QWidget* marker) { marker_ = marker; }
    // The window's twips scale, which places the marker.
    void setScale(const TwipsScale& scale);
    float markerLeft() const { return raster_.markerLeft(); }
    const editor::Raster& raster() const { return raster_; }

    void line(float x1, float y1, float x2, float y2, editor::Colour colour) override;
    void box(float x1, float y1, float x2, float y2, editor::Colour colour) override;
    editor::Colour point(float x, float y) const override { return raster_.point(x, y); }
    void clear() override;
    double outerWidth() const override { return raster_.outerWidth(); }
    double outerHeight() const override { return raster_.outerHeight(); }
    double outerLeft() const override { return raster_.outerLeft(); }
    void setMarkerLeft(float left) override;

    // Cells drawn faintly where the picture shows a dark LED, as a guide only: the raster and so every
    // LED reading stay as they are. Bit r of column c marks cell (c, r); all zero shows nothing.
    void setUnderlay(const std::array<std::uint16_t, 16>& cells);
    const std::array<std::uint16_t, 16>& underlay() const { return underlay_; }

    // A widget position in canvas units: 161 units across the widget.
    QPointF toCanvasUnits(QPointF position) const;

  signals:
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    // A button let go: the end of a stroke.
    void mouseUp();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    editor::Raster raster_;
    QImage image_;
    unsigned long shownGeneration_ = ~0UL;
    QWidget* marker_ = nullptr;
    std::array<std::uint16_t, 16> underlay_{};
    TwipsScale scale_;
};

}  // namespace ledfont::ui
