#include "ui/player/form_player.h"
#include <QCoreApplication>

#include <QApplication>
#include <QEventLoop>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <utility>

#include "app/player/player_layout.h"
#include "core/product.h"
#include "engine/api/engine_messages.h"
#include "ui/common/accessible_text.h"
#include "ui/common/window_icon.h"
#include "ui/player/player_artwork.h"

namespace veltrano {

namespace {

constexpr int kDisplaySizeIntervalMs = 1000;
constexpr int kFontPoints = 9;

QString ApplicationTitle() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QString::fromLatin1(kProductName) : name;
}

// The design font is narrower than the sans fonts found here: shrink the position text's font
// until the longest usual text fits its fixed width instead of cutting off the last digits.
void FitPositionFont(QLabel* label) {
    QFont fitted = label->font();
    const QString widest = QStringLiteral("00:00:00/00:00:00");
    while (fitted.pointSizeF() > 6 &&
           QFontMetricsF(fitted).horizontalAdvance(widest) > kPositionTextWidth - 2) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    }
    label->setFont(fitted);
}

// The mute picture, with a focus rectangle while the keyboard is on it.
class MuteLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
};

QString PositionCaption() {
    return QCoreApplication::translate("Player", "Position");
}

}  // namespace

FormPlayer::FormPlayer(MediaPlayer& player, PlayerMessages& messages, QString programFolder,
                       QWidget* parent)
    : QDialog(parent),
      player_(player),
      programFolder_(std::move(programFolder)),
      picPlayer_(new VideoSurface(this)),
      picture2_(new QWidget(this)),
      btnPause_(new QPushButton(picture2_)),
      naSlider1_(new NaSlider(NaSlider::Skin::NaSlider, this)),
      picMute_(new MuteLabel(picture2_)),
      naSliderVol_(new NaSlider(NaSlider::Skin::NaSlider1, this)),
      label1_(new QLabel(QStringLiteral("00:00:00/00:00:00"), picture2_)),
      image1_(new QLabel(this)),
      image2_(new QLabel(this)),
      controller_(player, *this, messages, ApplicationTitle(), naSlider1_->State(),
                  naSliderVol_->State()) {
    setObjectName(QStringLiteral("FormPlayer"));
    setAccessibleDescription(QCoreApplication::translate("Player", "Preview player"));
    QFont windowFont = font();
    windowFont.setPointSizeF(kFontPoints);
    setFont(windowFont);
    resize(kPlayerClientWidth, kPlayerClientHeight);
    setSizeGripEnabled(false);

    picPlayer_->setObjectName(QStringLiteral("PicPlayer"));
    picPlayer_->setAccessibleName(QCoreApplication::translate("Player", "Video"));
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setAccessibleName(QCoreApplication::translate("Player", "Player controls"));
    picture2_->setAutoFillBackground(true);
    btnPause_->setObjectName(QStringLiteral("btnPause"));
    btnPause_->setGeometry(kPauseButtonRect);
    btnPause_->setIconSize(QSize(14, 14));
    naSlider1_->setObjectName(QStringLiteral("NaSlider1"));
    naSlider1_->setAccessibleName(QCoreApplication::translate("Player", "Position"));
    picMute_->setObjectName(QStringLiteral("PicMute"));
    picMute_->setAccessibleName(QCoreApplication::translate("Player", "Mute"));
    picMute_->setFrameShape(QFrame::NoFrame);
    picMute_->setFocusPolicy(Qt::StrongFocus);  // Space or Enter switches the sound
    picMute_->resize(kMuteIconWidth, kMuteIconHeight);
    picMute_->installEventFilter(this);
    naSliderVol_->setObjectName(QStringLiteral("NaSliderVol"));
    naSliderVol_->setAccessibleName(QCoreApplication::translate("Player", "Volume"));
    naSliderVol_->resize(kVolumeBarWidth, kVolumeBarHeight);
    label1_->setObjectName(QStringLiteral("Label1"));
    SetNameWithValue(*label1_, PositionCaption(), label1_->text());
    label1_->resize(kPositionTextWidth, kPositionTextHeight);
    FitPositionFont(label1_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setAccessibleName(QCoreApplication::translate("Player", "Muted speaker"));
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setAccessibleName(QCoreApplication::translate("Player", "Speaker"));
    for (QLabel* image : {image1_, image2_}) {
        image->resize(kMuteIconWidth, kMuteIconHeight);
        image->hide();
    }
    ShowPlayGlyph(false);
    ShowMutedPicture(false);
    naSlider1_->raise();
    naSliderVol_->raise();
    controller_.InitSliders();

    connect(btnPause_, &QPushButton::clicked, this, [this] { controller_.OnPauseClicked(); });
    SliderState& seek = naSlider1_->State();
    connect(&seek, &SliderState::MouseUpEvent, this,
            [this](int button, int, float x, float) { controller_.OnSeekBarMouseUp(button, x); });
    connect(&seek, &SliderState::ClickEvent, this, [this] { controller_.OnSeekBarClick(); });
    connect(&seek, &SliderState::KeyDownEvent, this,
            [this](int keyCode, int) { controller_.OnSeekBarKeyDown(keyCode); });
    SliderState& volume = naSliderVol_->State();
    connect(&volume, &SliderState::MouseUpEvent, this,
            [this](int button, int, float x, float) { controller_.OnVolumeBarMouseUp(button, x); });
    connect(&volume, &SliderState::ClickEvent, this, [this] { controller_.OnVolumeBarClick(); });
    connect(&volume, &SliderState::KeyDownEvent, this,
            [this](int keyCode, int) { controller_.OnVolumeBarKeyDown(keyCode); });
    connect(&player_, &MediaPlayer::DurationKnown, this,
            [this](quint32 low, qint32 high) { controller_.OnDurationKnown(low, high); });
    connect(&player_, &MediaPlayer::PositionChanged, this,
            [this](quint32 low, qint32 high) { controller_.OnPositionChanged(low, high); });
    connect(&player_, &MediaPlayer::StateChanged, this,
            [this](int state) { controller_.OnStateChanged(state); });
    timer1_.setInterval(kDisplaySizeIntervalMs);
    connect(&timer1_, &QTimer::timeout, this, [this] { controller_.OnDisplaySizeTick(); });
    LayOut();
}

FormPlayer::~FormPlayer() {
    if (!closed_) {
        controller_.Close();
    }
}

bool FormPlayer::Load(const QString& sourcePath, const QString& durationText) {
    closed_ = false;
    if (!controller_.Load(sourcePath, durationText, programFolder_)) {
        return false;
    }
    ShowMutedPicture(false);
    ApplyWindowIcon(this);
    timer1_.start();
    return true;
}

void FormPlayer::PlayModal(const QString& sourcePath, const QString& durationText) {
    if (Load(sourcePath, durationText)) {
        exec();
    }
}

void FormPlayer::done(int result) {
    // Every way of closing releases the player at once, so no sound outlives the window.
    timer1_.stop();
    if (!closed_) {
        closed_ = true;
        controller_.Close();
    }
    QDialog::done(result);
}

void FormPlayer::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut();
}

void FormPlayer::LayOut() {
    const PlayerLayout layout = LayOutPlayer(width(), height());
    if (layout.Steps < 1) {
        return;
    }
    picPlayer_->setGeometry(layout.VideoArea);
    picture2_->setGeometry(layout.ControlBar);
    if (layout.Steps < 2) {
        return;
    }
    label1_->setGeometry(layout.PositionText);
    if (layout.Steps < 3) {
        return;
    }
    naSliderVol_->setGeometry(layout.VolumeBar);
    if (layout.Steps < 4) {
        return;
    }
    picMute_->setGeometry(layout.MuteIcon);
    if (layout.Steps < 5) {
        return;
    }
    naSlider1_->setGeometry(layout.SeekBar);
    naSlider1_->Refresh();
}

bool FormPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picMute_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            picMute_->rect().contains(mouse->position().toPoint())) {
            controller_.OnMuteClicked();
        }
        return true;
    }
    if (watched == picMute_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            controller_.OnMuteClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormPlayer::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    setAccessibleName(caption);  // a new title alone reaches no screen reader
}

void FormPlayer::SetPositionText(const QString& text) {
    label1_->setText(text);
    SetNameWithValue(*label1_, PositionCaption(), text);
}

void FormPlayer::ShowPlayGlyph(bool play) {
    pauseGlyph_ = play ? QStringLiteral("4") : QStringLiteral(";");
    btnPause_->setIcon(play ? DrawPlayGlyph() : DrawPauseGlyph());
    btnPause_->setAccessibleName(play ? QCoreApplication::translate("Player", "Play")
                                      : QCoreApplication::translate("Player", "Pause"));
    btnPause_->setToolTip(btnPause_->accessibleName());
}

void FormPlayer::ShowMutedPicture(bool muted) {
    muted_ = muted;
    // Drawn at the screen's density each time, so a move to another screen stays crisp.
    image1_->setPixmap(DrawSpeaker(true, devicePixelRatioF()));
    image2_->setPixmap(DrawSpeaker(false, devicePixelRatioF()));
    picMute_->setPixmap((muted ? image1_ : image2_)->pixmap());
    picMute_->setAccessibleName(muted ? QCoreApplication::translate("Player", "Sound off")
                                      : QCoreApplication::translate("Player", "Sound on"));
}

void FormPlayer::SetBusyPointer(bool busy) {
    if (busy) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

void FormPlayer::DropTopmost() {
    if (!windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        return;
    }
    const QRect frame = geometry();
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    setGeometry(frame);
    show();
}

void FormPlayer::Delay(int milliseconds) {
    // Window and engine events keep running meanwhile; the loop sleeps between them.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void FormPlayer::EndProgram() {
    closed_ = true;
    QCoreApplication::exit(1);
}

}  // namespace veltrano
