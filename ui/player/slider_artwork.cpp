#include "ui/player/slider_artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace veltrano {

namespace {

QPixmap BlankPixmap(int widthPx, int heightPx, qreal ratio) {
    QPixmap pixmap(qMax(1, qRound(widthPx * ratio)), qMax(1, qRound(heightPx * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A rounded groove across the middle third of the height: dark rim, light bottom edge.
QPixmap DrawTrack(int w, int h, qreal ratio) {
    QPixmap pixmap = BlankPixmap(w, h, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal grooveHeight = qMax(3.0, h / 3.0);
    const QRectF groove(1.5, (h - grooveHeight) / 2.0, w - 3.0, grooveHeight);
    QLinearGradient fill(groove.topLeft(), groove.bottomLeft());
    fill.setColorAt(0, QColor(150, 158, 172));
    fill.setColorAt(1, QColor(226, 230, 238));
    painter.setPen(QPen(QColor(104, 112, 128), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(groove, grooveHeight / 2.0, grooveHeight / 2.0);
    return pixmap;
}

// A rounded knob with a pointed bottom; the disabled one is grey and flat.
QPixmap DrawThumb(int w, int h, qreal ratio, bool enabled) {
    QPixmap pixmap = BlankPixmap(w, h, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(1.0, 0.5, w - 2.0, h - 1.0);
    QPainterPath path;
    path.addRoundedRect(body, 3.0, 3.0);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    if (enabled) {
        fill.setColorAt(0, QColor(250, 252, 255));
        fill.setColorAt(0.5, QColor(196, 214, 240));
        fill.setColorAt(1, QColor(112, 146, 200));
        painter.setPen(QPen(QColor(44, 78, 140), 1.0));
    } else {
        fill.setColorAt(0, QColor(236, 236, 236));
        fill.setColorAt(1, QColor(196, 196, 196));
        painter.setPen(QPen(QColor(150, 150, 150), 1.0));
    }
    painter.setBrush(fill);
    painter.drawPath(path);
    // Two grip lines in the middle.
    painter.setPen(QPen(enabled ? QColor(60, 90, 150) : QColor(160, 160, 160), 1.0));
    const qreal mid = w / 2.0;
    painter.drawLine(QPointF(mid - 1.5, h * 0.3), QPointF(mid - 1.5, h * 0.7));
    painter.drawLine(QPointF(mid + 1.5, h * 0.3), QPointF(mid + 1.5, h * 0.7));
    return pixmap;
}

// The played part of the groove: a blue bar of the groove's height.
QPixmap DrawSelection(int w, int h, qreal ratio) {
    QPixmap pixmap = BlankPixmap(w, h, ratio);
    QPainter painter(&pixmap);
    const qreal grooveHeight = qMax(3.0, h / 3.0);
    const QRectF bar(0, (h - grooveHeight) / 2.0 + 0.5, w, grooveHeight - 1.0);
    QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
    fill.setColorAt(0, QColor(66, 128, 214));
    fill.setColorAt(1, QColor(140, 190, 250));
    painter.fillRect(bar, fill);
    return pixmap;
}

}  // namespace

SliderArtwork MakeSliderArtwork(const SliderSkinSize& skin, qreal devicePixelRatio) {
    SliderArtwork artwork;
    artwork.Track = DrawTrack(skin.TrackWidthPx, skin.TrackHeightPx, devicePixelRatio);
    artwork.Thumb = DrawThumb(skin.ThumbWidthPx, skin.ThumbHeightPx, devicePixelRatio, true);
    artwork.ThumbDisabled =
        DrawThumb(skin.ThumbWidthPx, skin.ThumbHeightPx, devicePixelRatio, false);
    artwork.Selection = DrawSelection(skin.ThumbWidthPx, skin.ThumbHeightPx, devicePixelRatio);
    return artwork;
}

}  // namespace veltrano
