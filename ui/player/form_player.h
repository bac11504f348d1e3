#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/player/player_controller.h"
#include "engine/api/media_player.h"
#include "ui/player/na_slider.h"
#include "ui/player/video_surface.h"

namespace veltrano {

// The preview player window: the video area, and a control bar with the pause/play button,
// the seek bar, the mute icon, the volume bar and the position text. Its rules live in
// PlayerController; the window lays out, renders and forwards. The main window builds it with
// the player engine it owns (FFPlayer) and QtPlayerMessages, then calls PlayModal.
class FormPlayer : public QDialog, private PlayerView {
    Q_OBJECT

public:
    FormPlayer(MediaPlayer& player, PlayerMessages& messages, QString programFolder,
               QWidget* parent = nullptr);
    ~FormPlayer() override;

    // Plays `sourcePath` in the window, shown modally; returns once the window is closed.
    // `durationText` is the list row's duration, shown behind the position.
    void PlayModal(const QString& sourcePath, const QString& durationText = QString());
    // The loading steps without the modal loop; false when the engine is missing.
    bool Load(const QString& sourcePath, const QString& durationText = QString());

    // ";" while playing (the pause glyph shows), "4" while paused (the play glyph shows).
    QString PauseGlyph() const { return pauseGlyph_; }
    bool ShowsMutedPicture() const { return muted_; }
    PlayerController& Controller() { return controller_; }

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayOut();
    void SetCaption(const QString& caption) override;
    void SetPositionText(const QString& text) override;
    void ShowPlayGlyph(bool play) override;
    void ShowMutedPicture(bool muted) override;
    void SetBusyPointer(bool busy) override;
    void DropTopmost() override;
    void Delay(int milliseconds) override;
    VideoOutput* VideoArea() override { return picPlayer_; }
    int VideoAreaWidth() const override { return picPlayer_->width(); }
    int VideoAreaHeight() const override { return picPlayer_->height(); }
    void EndProgram() override;

    MediaPlayer& player_;
    QString programFolder_;
    VideoSurface* picPlayer_;
    QWidget* picture2_;
    QPushButton* btnPause_;
    NaSlider* naSlider1_;
    QLabel* picMute_;
    NaSlider* naSliderVol_;
    QLabel* label1_;
    QLabel* image1_;
    QLabel* image2_;
    QTimer timer1_;
    PlayerController controller_;
    QString pauseGlyph_ = QStringLiteral(";");
    bool muted_ = false;
    bool closed_ = false;
};

}  // namespace veltrano
