#include "ui/progress/close_button_strip.h"

#include <QPainter>
#include <QPen>

namespace veltrano {

namespace {

void DrawLook(QPainter& painter, const QRectF& cell, CloseButtonStrip::Look look) {
    const QRectF box = cell.adjusted(1.5, 1.5, -1.5, -1.5);
    QColor cross(90, 90, 90);
    if (look == CloseButtonStrip::Look::Highlighted) {
        painter.setPen(QPen(QColor(120, 120, 96), 1.0));
        painter.setBrush(QColor(255, 255, 250));
        painter.drawRoundedRect(box, 2.5, 2.5);
        cross = QColor(20, 20, 20);
    } else if (look == CloseButtonStrip::Look::Pressed) {
        painter.setPen(QPen(QColor(80, 80, 64), 1.0));
        painter.setBrush(QColor(222, 222, 190));
        painter.drawRoundedRect(box, 2.5, 2.5);
        cross = QColor(0, 0, 0);
    }
    // Pressed moves the cross by a pixel, as a button that gives way.
    const qreal shift = look == CloseButtonStrip::Look::Pressed ? 1.0 : 0.0;
    const QPointF centre = cell.center() + QPointF(shift, shift);
    constexpr qreal kArm = 3.6;
    painter.setPen(QPen(cross, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-kArm, -kArm), centre + QPointF(kArm, kArm));
    painter.drawLine(centre + QPointF(-kArm, kArm), centre + QPointF(kArm, -kArm));
}

}  // namespace

QPixmap CloseButtonStrip::Render(qreal devicePixelRatio) {
    QPixmap strip(QSize(3 * kImageSize, kImageSize) * devicePixelRatio);
    strip.setDevicePixelRatio(devicePixelRatio);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (Look look : {Look::Normal, Look::Highlighted, Look::Pressed}) {
        DrawLook(painter, QRectF(SourceRect(look)), look);
    }
    return strip;
}

}  // namespace veltrano
