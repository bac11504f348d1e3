#pragma once

#include <QWidget>

#include "app/player/slider_state.h"
#include "ui/player/slider_artwork.h"

namespace veltrano {

// The program's horizontal slider. Its rules live in SliderState (State()); this widget turns
// pointer and key input into twips and draws the skin's artwork where the state says.
// Hosts connect to State()'s signals for the control's events.
class NaSlider : public QWidget {
    Q_OBJECT

public:
    enum class Skin { NaSlider, NaSlider1 };

    explicit NaSlider(Skin skin, QWidget* parent = nullptr);

    SliderState& State() { return state_; }
    const SliderState& State() const { return state_; }
    // Asks the platform to repaint the control surface.
    void Refresh() { update(); }

    // The colour a stored colour value stands for: red in the low byte, top bit for the
    // system colours of the palette.
    static QColor ColorFromValue(std::uint32_t value, const QPalette& palette);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void OnPropertyChanged(const QString& name);
    const SliderArtwork& Artwork();

    SliderState state_;
    SliderArtwork artwork_;
    qreal artworkRatio_ = 0;
    bool leftPressed_ = false;
};

}  // namespace veltrano
