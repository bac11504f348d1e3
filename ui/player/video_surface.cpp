#include "ui/player/video_surface.h"

#include <QPainter>

namespace veltrano {

VideoSurface::VideoSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoSurface::ShowPicture(const VideoPicture& picture) {
    if (picture.Width <= 0 || picture.Height <= 0 ||
        picture.Pixels.size() < static_cast<qsizetype>(picture.BytesPerLine) * picture.Height) {
        return;
    }
    // A deep copy: the picture's bytes belong to the player.
    picture_ = QImage(reinterpret_cast<const uchar*>(picture.Pixels.constData()), picture.Width,
                      picture.Height, picture.BytesPerLine, QImage::Format_RGB32)
                   .copy();
    update();
}

void VideoSurface::Invalidate() {
    repaint();
}

void VideoSurface::Clear() {
    picture_ = QImage();
    update();
}

void VideoSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (picture_.isNull()) {
        return;
    }
    QSizeF fitted = QSizeF(picture_.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QRectF target((width() - fitted.width()) / 2.0, (height() - fitted.height()) / 2.0,
                        fitted.width(), fitted.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
}

}  // namespace veltrano
