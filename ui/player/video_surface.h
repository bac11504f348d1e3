#pragma once

#include <QImage>
#include <QWidget>

#include "engine/api/media_player.h"

namespace veltrano {

// The video area: shows the player's latest picture centred on black, fitted to the area
// with its shape kept, until the player sends the next one.
class VideoSurface : public QWidget, public VideoOutput {
    Q_OBJECT

public:
    explicit VideoSurface(QWidget* parent = nullptr);

    void ShowPicture(const VideoPicture& picture) override;
    void Invalidate() override;
    void Clear() override;

    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace veltrano
