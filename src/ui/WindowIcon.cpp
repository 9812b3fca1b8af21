#include "ui/WindowIcon.h"

#include <QPainter>
#include <QPixmap>

namespace ledfont::ui {

namespace {

QPixmap informationSign(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 128));
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    // The letter as shapes rather than a font glyph, so it looks the same on every system.
    const double unit = size / 16.0;
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(6.5 * unit, 2.5 * unit, 3 * unit, 3 * unit));
    painter.drawRect(QRectF(6.75 * unit, 6.5 * unit, 2.5 * unit, 7 * unit));
    return pixmap;
}

}  // namespace

QIcon informationIcon() {
    QIcon icon;
    icon.addPixmap(informationSign(16));
    icon.addPixmap(informationSign(32));
    return icon;
}

}  // namespace ledfont::ui
