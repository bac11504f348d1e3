#include "ui/about/flash_artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace veltrano {

namespace {

void PaintBackground(QPainter& painter, const QRectF& area) {
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0.0, QColor(18, 32, 74));
    sky.setColorAt(0.55, QColor(44, 34, 102));
    sky.setColorAt(1.0, QColor(12, 16, 40));
    painter.fillRect(area, sky);
    // A soft glow behind the name.
    QRadialGradient glow(QPointF(150, 70), 190);
    glow.setColorAt(0.0, QColor(90, 140, 255, 90));
    glow.setColorAt(1.0, QColor(90, 140, 255, 0));
    painter.fillRect(area, glow);
}

// A strip of film running across the window at a slight angle; its frames shade from cool to
// warm, and the middle ones meet without a gap: clips joined into one.
void PaintFilmStrip(QPainter& painter) {
    painter.save();
    painter.translate(208, 128);
    painter.rotate(-8);
    const QRectF strip(-260, -30, 520, 60);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 10, 20, 215));
    painter.drawRect(strip);
    // Sprocket holes along both edges.
    painter.setBrush(QColor(200, 210, 240, 150));
    for (qreal x = strip.left() + 6; x < strip.right(); x += 14) {
        painter.drawRoundedRect(QRectF(x, strip.top() + 4, 7, 5), 1.5, 1.5);
        painter.drawRoundedRect(QRectF(x, strip.bottom() - 9, 7, 5), 1.5, 1.5);
    }
    constexpr int kFrames = 7;
    constexpr qreal kFrameWidth = 66;
    constexpr qreal kGap = 8;
    const qreal start = -(kFrames * kFrameWidth + (kFrames - 1) * kGap) / 2;
    for (int i = 0; i < kFrames; ++i) {
        const qreal t = static_cast<qreal>(i) / (kFrames - 1);
        // The middle frames close ranks: the join.
        const bool joined = i == 3;
        const qreal left = start + i * (kFrameWidth + kGap) - (joined ? kGap / 2 : 0);
        const QRectF frame(left, strip.top() + 13, kFrameWidth + (joined ? kGap : 0), 34);
        QLinearGradient light(frame.topLeft(), frame.bottomRight());
        light.setColorAt(0.0, QColor::fromHsvF(0.62 - 0.55 * t, 0.55, 0.95));
        light.setColorAt(1.0, QColor::fromHsvF(0.70 - 0.55 * t, 0.75, 0.55));
        painter.setBrush(light);
        painter.drawRoundedRect(frame, 2, 2);
    }
    painter.restore();
}

// A play mark: a rounded triangle in a ring.
void PaintPlayMark(QPainter& painter, QPointF centre, qreal radius) {
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 220), 2.2));
    painter.setBrush(QColor(255, 255, 255, 30));
    painter.drawEllipse(centre, radius, radius);
    QPainterPath triangle;
    triangle.moveTo(centre + QPointF(-radius * 0.32, -radius * 0.48));
    triangle.lineTo(centre + QPointF(radius * 0.55, 0));
    triangle.lineTo(centre + QPointF(-radius * 0.32, radius * 0.48));
    triangle.closeSubpath();
    painter.setPen(QPen(QColor(255, 255, 255), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(triangle);
    painter.restore();
}

void PaintName(QPainter& painter) {
    QFont name = painter.font();
    name.setPixelSize(34);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QPointF(84, 58), QStringLiteral("Veltrano"));
    QFont role = painter.font();
    role.setPixelSize(18);
    role.setBold(false);
    role.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(role);
    painter.setPen(QColor(190, 210, 255));
    painter.drawText(QPointF(86, 82), QStringLiteral("VIDEO JOINER"));
}

// The band under the notice line keeps the white text readable over the artwork.
void PaintFooter(QPainter& painter, const QRectF& area) {
    QLinearGradient band(QPointF(0, 165), QPointF(0, area.bottom()));
    band.setColorAt(0.0, QColor(0, 0, 0, 0));
    band.setColorAt(0.35, QColor(4, 6, 18, 190));
    band.setColorAt(1.0, QColor(4, 6, 18, 235));
    painter.fillRect(QRectF(0, 165, area.width(), area.bottom() - 165), band);
}

}  // namespace

QImage FlashArtwork::Render(qreal devicePixelRatio) {
    QImage image(Size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(Size()));
    PaintBackground(painter, area);
    PaintFilmStrip(painter);
    PaintFooter(painter, area);
    PaintPlayMark(painter, QPointF(50, 58), 24);
    PaintName(painter);
    return image;
}

}  // namespace veltrano
