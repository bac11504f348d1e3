#include "app/player/player_controller.h"
#include <QCoreApplication>

#include "core/rounding.h"

#include <cmath>
#include <limits>
#include <utility>

#include "core/int64_helpers.h"
#include "core/value_format.h"

namespace veltrano {

namespace {

constexpr int kSeekBarBackColor = 0xF0F0F0;
constexpr std::uint32_t kActiveBorderColor = 0x8000000A;
constexpr int kMaxVolume = 128;
constexpr int kSeekSettleMs = 50;

quint32 LowHalf(std::int64_t value) {
    return static_cast<quint32>(static_cast<std::uint64_t>(value) & 0xFFFFFFFFu);
}
qint32 HighHalf(std::int64_t value) {
    return static_cast<qint32>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value) >> 32));
}

}  // namespace

std::int64_t RoundedSeconds(std::int64_t microseconds) {
    return static_cast<std::int64_t>(RoundHalfEven(MicrosecondsToSeconds(microseconds)));
}

PlayerController::PlayerController(MediaPlayer& player, PlayerView& view, PlayerMessages& messages,
                                   QString messageTitle, SliderState& seekBar,
                                   SliderState& volumeBar)
    : player_(player),
      view_(view),
      messages_(messages),
      messageTitle_(std::move(messageTitle)),
      seekBar_(seekBar),
      volumeBar_(volumeBar) {}

void PlayerController::InitSliders() {
    seekBar_.Load({{QStringLiteral("BackColor"), kSeekBarBackColor},
                   {QStringLiteral("SmallChange"), 0},
                   {QStringLiteral("LargeChange"), 0},
                   {QStringLiteral("ShowTicks"), false}},
                  seekBar_.Font());
    volumeBar_.Load({{QStringLiteral("BackColor"), QVariant::fromValue(kActiveBorderColor)},
                     {QStringLiteral("Value"), kMaxVolume},
                     {QStringLiteral("Max"), kMaxVolume},
                     {QStringLiteral("SelLength"), kMaxVolume},
                     {QStringLiteral("ShowTicks"), false}},
                    volumeBar_.Font());
}

bool PlayerController::Load(const QString& sourcePath, const QString& durationText,
                            const QString& programFolder) {
    view_.SetCaption(sourcePath);
    shownDuration_ = durationText;
    if (!player_.IsEngineLoaded()) {
        QString folder = programFolder;
        if (!folder.endsWith(QLatin1Char('/'))) {
            folder += QLatin1Char('/');
        }
        if (!player_.LoadEngine(folder + QStringLiteral("LibAV"), true)) {
            messages_.ShowCritical(QCoreApplication::translate("Player", "Video lib not found"),
                                   messageTitle_);
            view_.EndProgram();
            return false;
        }
    }
    if (!player_.PlayFile(sourcePath, view_.VideoArea(), false)) {
        messages_.ShowPlain(player_.LastErrorText(), messageTitle_);
    }
    view_.ShowMutedPicture(false);
    view_.ShowPlayGlyph(false);
    return true;
}

void PlayerController::Close() {
    player_.ClosePlayer(false);
}

void PlayerController::OnDurationKnown(quint32 low, qint32 high) {
    streamDuration_ = JoinHalves64(low, high);
    const std::int64_t tenths = RoundedSeconds(streamDuration_) * 10;
    // A duration beyond the bar's 32-bit range leaves the bar as it was.
    if (tenths <= std::numeric_limits<std::int32_t>::max()) {
        seekBar_.SetMax(static_cast<int>(tenths));
    }
}

void PlayerController::OnPositionChanged(quint32 low, qint32 high) {
    if (!IsPositive64(low, high) || !IsPositive64(streamDuration_)) {
        return;
    }
    const std::int64_t seconds = RoundedSeconds(JoinHalves64(low, high));
    if (seconds * 10 <= std::numeric_limits<std::int32_t>::max()) {
        seekBar_.SetValue(static_cast<int>(seconds * 10));
        seekBar_.SetSelLength(seekBar_.Value());
    }
    ShowPosition(seconds);
}

void PlayerController::ShowPosition(std::int64_t seconds) {
    view_.SetPositionText(FormatDuration(static_cast<double>(seconds)) + QLatin1Char('/') +
                          shownDuration_);
}

void PlayerController::OnStateChanged(int state) {
    if (state == kPlayStatePlaying) {
        view_.DropTopmost();
        if (VideoOutput* window = player_.VideoWindow()) {
            window->Invalidate();
        }
    } else if (state == kPlayStateEnded) {
        player_.Seek(0, 0, kSeekToStart, false);
        player_.Pause();
        seekBar_.SetValue(0);
        seekBar_.SetSelLength(0);
        // The rewind's position report is 0, which the position handler passes over.
        ShowPosition(0);
        view_.ShowPlayGlyph(true);
    }
}

void PlayerController::OnPauseClicked() {
    player_.TogglePause();
    view_.ShowPlayGlyph(player_.IsPaused());
}

void PlayerController::OnMuteClicked() {
    if (player_.Mute()) {
        player_.SetMute(false);
        view_.ShowMutedPicture(false);
    } else {
        player_.SetMute(true);
        view_.ShowMutedPicture(true);
    }
}

void PlayerController::SetBarFromRelease(SliderState& bar, float x) {
    // The bar's width in twips is its width in pixels x 15; an empty bar maps nothing.
    if (bar.WidthTwips() <= 0) {
        return;
    }
    const double v = RoundHalfEven(static_cast<double>(x) * bar.Max() / bar.WidthTwips());
    if (v < 0 || v > bar.Max()) {
        return;
    }
    bar.SetValue(static_cast<int>(v));
}

void PlayerController::OnSeekBarMouseUp(int button, float x) {
    if (button != kButtonLeft) {
        return;
    }
    view_.SetBusyPointer(true);
    SetBarFromRelease(seekBar_, x);
    SeekToBar();
    view_.SetBusyPointer(false);
    seekBar_.SetSelLength(seekBar_.Value());
}

bool PlayerController::MoveBarForKey(SliderState& bar, int keyCode) {
    // The bar steps itself for the arrows and the page keys; Home and End go to either end.
    switch (keyCode) {
        case kKeyHome:
            bar.SetValue(bar.Min());
            return true;
        case kKeyEnd:
            bar.SetValue(bar.Max());
            return true;
        case kKeyLeft:
        case kKeyRight:
        case kKeyPageUp:
        case kKeyPageDown:
            return true;
        default:
            return false;
    }
}

void PlayerController::OnSeekBarKeyDown(int keyCode) {
    if (!MoveBarForKey(seekBar_, keyCode)) {
        return;
    }
    view_.SetBusyPointer(true);
    SeekToBar();
    view_.SetBusyPointer(false);
    seekBar_.SetSelLength(seekBar_.Value());
}

void PlayerController::OnVolumeBarKeyDown(int keyCode) {
    if (!MoveBarForKey(volumeBar_, keyCode)) {
        return;
    }
    player_.SetAudioVolume(static_cast<std::uint8_t>(volumeBar_.Value() & 0xFF));
    volumeBar_.SetSelLength(volumeBar_.Value());
}

void PlayerController::SeekToBar() {
    // Without a known duration there is no position to go to: seeking would jump to the start.
    if (seekBar_.Max() > 0 && streamDuration_ > 0) {
        const std::int64_t target = ScaleTime64(streamDuration_, seekBar_.Value(), seekBar_.Max());
        player_.Seek(LowHalf(target), HighHalf(target), kSeekToTarget, false);
        const int first = player_.PlayState();
        const int second = player_.PlayState();
        if (first == kPlayStatePaused || second == kPlayStateStopped) {
            player_.Resume();
            player_.Pause();
            view_.Delay(kSeekSettleMs);
            player_.Seek(LowHalf(target), HighHalf(target), kSeekToTarget, false);
        }
    }
}

void PlayerController::OnVolumeBarMouseUp(int button, float x) {
    if (button != kButtonLeft) {
        return;
    }
    view_.SetBusyPointer(true);
    SetBarFromRelease(volumeBar_, x);
    // As a byte: the engine takes 0 to 128, so anything outside wraps like the byte it is.
    player_.SetAudioVolume(static_cast<std::uint8_t>(volumeBar_.Value() & 0xFF));
    view_.SetBusyPointer(false);
    volumeBar_.SetSelLength(volumeBar_.Value());
}

void PlayerController::OnSeekBarClick() {
    seekBar_.SetSelLength(seekBar_.Value());
}

void PlayerController::OnVolumeBarClick() {
    volumeBar_.SetSelLength(volumeBar_.Value());
}

void PlayerController::OnDisplaySizeTick() {
    const int width = view_.VideoAreaWidth();
    const int height = view_.VideoAreaHeight();
    if (player_.ScreenWidth() != width) {
        player_.SetScreenWidth(width);
    } else if (player_.ScreenHeight() != height) {
        player_.SetScreenHeight(height);
    } else if (player_.FrameWidth() != player_.ScreenWidth()) {
        player_.SetFrameWidth(player_.ScreenWidth());
    } else if (player_.FrameHeight() != player_.ScreenHeight()) {
        player_.SetFrameHeight(player_.ScreenHeight());
    } else {
        return;
    }
    player_.ApplyDisplaySize();
}

}  // namespace veltrano
