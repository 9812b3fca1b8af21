#include "ui/CanvasWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/Layout.h"
#include "ui/QtConvert.h"

namespace ledfont::ui {

CanvasWidget::CanvasWidget(editor::OuterGeometry geometry, QWidget* parent)
    : QWidget(parent),
      raster_(geometry),
      image_(editor::Raster::kSize, editor::Raster::kSize, QImage::Format_RGB32) {
    // Moves without a button reach the handler too; it ignores them, as it ignores every other code.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::line(float x1, float y1, float x2, float y2, editor::Colour colour) {
    raster_.line(x1, y1, x2, y2, colour);
    update();
}

void CanvasWidget::box(float x1, float y1, float x2, float y2, editor::Colour colour) {
    raster_.box(x1, y1, x2, y2, colour);
    update();
}

void CanvasWidget::clear() {
    raster_.clear();
    update();
}

void CanvasWidget::setMarkerLeft(float left) {
    raster_.setMarkerLeft(left);
    if (marker_ != nullptr) {
        marker_->move(scale_.toPixels(left), marker_->y());
    }
}

void CanvasWidget::setScale(const TwipsScale& scale) {
    scale_ = scale;
    setMarkerLeft(raster_.markerLeft());
}

QPointF CanvasWidget::toCanvasUnits(QPointF position) const {
    constexpr double units = editor::Raster::kSize;
    return {position.x() * units / width(), position.y() * units / height()};
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    if (shownGeneration_ != raster_.generation()) {
        for (int y = 0; y < editor::Raster::kSize; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = 0; x < editor::Raster::kSize; ++x) {
                row[x] = toQColor(raster_.pixel(x, y)).rgb();
            }
        }
        shownGeneration_ = raster_.generation();
    }
    // No smooth transform: every canvas unit stays a block of its exact colour.
    QPainter painter(this);
    painter.drawImage(rect(), image_);
    const double unitX = width() / double(editor::Raster::kSize);
    const double unitY = height() / double(editor::Raster::kSize);
    for (int c = 0; c < 16; ++c) {
        for (int r = 0; r < 16; ++r) {
            if (((underlay_[static_cast<std::size_t>(c)] >> r) & 1U) == 0 ||
                raster_.pixel(10 * c + 5, 10 * r + 5) != editor::kBlack) {
                continue;
            }
            painter.fillRect(QRectF((10 * c + 2) * unitX, (10 * r + 2) * unitY, 7 * unitX, 7 * unitY),
                             QColor(96, 40, 40));
        }
    }
}

void CanvasWidget::setUnderlay(const std::array<std::uint16_t, 16>& cells) {
    if (cells != underlay_) {
        underlay_ = cells;
        update();
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    int button = buttonCode(event->button());
    if (button == 0) {
        return;
    }
    QPointF at = toCanvasUnits(event->position());
    emit mouseDown(button, shiftCode(event->modifiers()), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    // Qt keeps sending moves to the pressed widget while a button is held, also outside it.
    QPointF at = toCanvasUnits(event->position());
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                   static_cast<float>(at.y()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (buttonCode(event->button()) != 0) {
        emit mouseUp();
    }
}

}  // namespace ledfont::ui
