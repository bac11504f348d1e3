#include "ui/player/player_artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace veltrano {

namespace {

constexpr int kGlyphSize = 14;

QPixmap Blank(int width, int height, qreal ratio) {
    QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon GlyphIcon(void (*draw)(QPainter&)) {
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap = Blank(kGlyphSize, kGlyphSize, ratio);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(32, 32, 32));
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QPixmap DrawSpeaker(bool muted, qreal devicePixelRatio) {
    QPixmap pixmap = Blank(20, 15, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Box and cone.
    QPainterPath speaker;
    speaker.moveTo(2, 5.5);
    speaker.lineTo(5, 5.5);
    speaker.lineTo(9.5, 1.5);
    speaker.lineTo(9.5, 13.5);
    speaker.lineTo(5, 9.5);
    speaker.lineTo(2, 9.5);
    speaker.closeSubpath();
    painter.setPen(QPen(QColor(40, 48, 64), 1.0));
    painter.setBrush(QColor(112, 128, 160));
    painter.drawPath(speaker);
    painter.setBrush(Qt::NoBrush);
    if (muted) {
        painter.setPen(QPen(QColor(200, 32, 32), 1.6, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(12.5, 4.5), QPointF(18, 10.5));
        painter.drawLine(QPointF(18, 4.5), QPointF(12.5, 10.5));
    } else {
        // Two sound waves.
        painter.setPen(QPen(QColor(40, 48, 64), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(8.5, 4.5, 5, 6), -60 * 16, 120 * 16);
        painter.drawArc(QRectF(8, 2, 9, 11), -60 * 16, 120 * 16);
    }
    return pixmap;
}

QIcon DrawPauseGlyph() {
    return GlyphIcon([](QPainter& painter) {
        painter.drawRect(QRectF(3, 2, 3, 10));
        painter.drawRect(QRectF(8, 2, 3, 10));
    });
}

QIcon DrawPlayGlyph() {
    return GlyphIcon([](QPainter& painter) {
        QPainterPath triangle;
        triangle.moveTo(3.5, 1.5);
        triangle.lineTo(12, 7);
        triangle.lineTo(3.5, 12.5);
        triangle.closeSubpath();
        painter.drawPath(triangle);
    });
}

}  // namespace veltrano
