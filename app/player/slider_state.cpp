#include "app/player/slider_state.h"

#include "core/rounding.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

namespace veltrano {

namespace {

// More tick lines than this would only paint over one another; a huge TickNumber must not
// hang the paint handler.
constexpr int kMaxTickLines = 4096;

bool FitsInt32(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

bool FitsInt32(double value) {
    return std::isfinite(value) && value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

SliderState::SliderState(SliderSkinSize skin, QObject* parent) : QObject(parent), skin_(skin) {
    halfThumb_ = static_cast<int>(RoundHalfEven(skin_.ThumbWidthPx * kTwipsPerPixel / 2.0));
}

void SliderState::SetBackColor(std::uint32_t color) {
    backColor_ = color;
    emit PropertyChanged(QStringLiteral("BackColor"));
}

void SliderState::SetForeColor(std::uint32_t color) {
    foreColor_ = color;
    emit PropertyChanged(QStringLiteral("ForeColor"));
}

void SliderState::SetEnabled(bool enabled) {
    enabled_ = enabled;
    emit PropertyChanged(QStringLiteral("Enabled"));
}

void SliderState::SetFont(const QString& font) {
    font_ = font;
    emit PropertyChanged(QStringLiteral("Font"));
}

void SliderState::SetBackStyle(int style) {
    backStyle_ = style;
    emit PropertyChanged(QStringLiteral("BackStyle"));
}

void SliderState::SetBorderStyle(int style) {
    borderStyle_ = style;
    emit PropertyChanged(QStringLiteral("BorderStyle"));
}

void SliderState::SetValue(int value) {
    if (value > max_) {
        value = max_;
    }
    if (value < min_) {
        value = min_;
    }
    value_ = value;
    emit PropertyChanged(QStringLiteral("Value"));
    emit RepaintRequested(false);
}

void SliderState::SetMin(int min) {
    min_ = min;
    emit PropertyChanged(QStringLiteral("Min"));
}

void SliderState::SetMax(int max) {
    max_ = max;
    emit PropertyChanged(QStringLiteral("Max"));
}

void SliderState::SetSmallChange(int step) {
    smallChange_ = step;
    emit PropertyChanged(QStringLiteral("SmallChange"));
}

void SliderState::SetLargeChange(int step) {
    largeChange_ = step;
    emit PropertyChanged(QStringLiteral("LargeChange"));
}

void SliderState::SetShowTicks(bool show) {
    showTicks_ = show;
    emit PropertyChanged(QStringLiteral("ShowTicks"));
}

void SliderState::SetTickNumber(int count) {
    tickNumber_ = count;
    emit PropertyChanged(QStringLiteral("TickNumber"));
}

void SliderState::SetSelStart(int start) {
    selStart_ = start;
    emit PropertyChanged(QStringLiteral("SelStart"));
    emit RepaintRequested(true);
}

void SliderState::SetSelLength(int length) {
    selLength_ = length;
    emit PropertyChanged(QStringLiteral("SelLength"));
    emit RepaintRequested(true);
}

SavedProperties SliderState::Save() const {
    SavedProperties saved;
    auto keep = [&saved](const char* name, const QVariant& value, const QVariant& fallback) {
        if (value != fallback) {
            saved.append({QString::fromLatin1(name), value});
        }
    };
    keep("BackColor", QVariant::fromValue(backColor_),
         QVariant::fromValue(kDefaultSliderBackColor));
    keep("ForeColor", QVariant::fromValue(foreColor_),
         QVariant::fromValue(kDefaultSliderForeColor));
    keep("Enabled", enabled_, true);
    // The ambient font is not stored: a window reopened elsewhere takes its new host's font.
    if (!font_.isEmpty() && font_ != ambientFont_) {
        saved.append({QStringLiteral("Font"), font_});
    }
    keep("BackStyle", backStyle_, 1);
    keep("BorderStyle", borderStyle_, 0);
    keep("Value", value_, 0);
    keep("Min", min_, 0);
    keep("SmallChange", smallChange_, 1);
    keep("LargeChange", largeChange_, 10);
    keep("ShowTicks", showTicks_, true);
    keep("Max", max_, 1000);
    keep("TickNumber", tickNumber_, 10);
    keep("SelStart", selStart_, 0);
    keep("SelLength", selLength_, 0);
    return saved;
}

void SliderState::Load(const SavedProperties& stored, const QString& ambientFont) {
    auto read = [&stored](const char* name, const QVariant& fallback) {
        const QString key = QString::fromLatin1(name);
        for (const auto& [storedName, value] : stored) {
            if (storedName == key) {
                return value;
            }
        }
        return fallback;
    };
    ambientFont_ = ambientFont;
    backColor_ = read("BackColor", QVariant::fromValue(kDefaultSliderBackColor)).toUInt();
    foreColor_ = read("ForeColor", QVariant::fromValue(kDefaultSliderForeColor)).toUInt();
    enabled_ = read("Enabled", true).toBool();
    font_ = read("Font", ambientFont).toString();
    backStyle_ = read("BackStyle", 1).toInt();
    borderStyle_ = read("BorderStyle", 0).toInt();
    value_ = read("Value", 0).toInt();
    min_ = read("Min", 0).toInt();
    smallChange_ = read("SmallChange", 1).toInt();
    largeChange_ = read("LargeChange", 10).toInt();
    showTicks_ = read("ShowTicks", true).toBool();
    max_ = read("Max", 1000).toInt();
    tickNumber_ = read("TickNumber", 10).toInt();
    selStart_ = read("SelStart", 0).toInt();
    selLength_ = read("SelLength", 0).toInt();
}

void SliderState::Resize(int widthTwips, int heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
    halfThumb_ = static_cast<int>(RoundHalfEven(skin_.ThumbWidthPx * kTwipsPerPixel / 2.0));
    travel_ = width_ - skin_.ThumbWidthPx * kTwipsPerPixel;
    emit ResizeEvent();
}

SliderGeometry SliderState::Geometry() const {
    SliderGeometry geometry;
    if (showTicks_) {
        int step = 0;
        if (tickNumber_ != 0) {
            step = static_cast<int>(RoundHalfEven(static_cast<double>(travel_) / tickNumber_));
        }
        const int lines = std::min(tickNumber_, kMaxTickLines - 1);
        for (int i = 0; i <= lines; ++i) {
            geometry.TickX.push_back(halfThumb_ + i * step);
        }
    }
    if (max_ != 0 && static_cast<std::int64_t>(max_) - selStart_ >= selLength_) {
        geometry.FillVisible = true;
        geometry.FillWidth = static_cast<double>(selLength_) / max_ * travel_;
    }
    if (value_ <= min_) {
        geometry.ThumbX = 0;
    } else if (value_ >= max_) {
        geometry.ThumbX = travel_;
    } else if (max_ != 0) {
        const double x = RoundHalfEven(static_cast<double>(value_) / max_ * travel_);
        // A negative Max puts the proportion outside the track; keep the thumb on it.
        geometry.ThumbX =
            static_cast<int>(std::clamp(x, 0.0, static_cast<double>(std::max(travel_, 0))));
    }
    return geometry;
}

void SliderState::KeyDown(int keyCode, int shift) {
    // Left and Page Up step down, Right and Page Down step up; a step that would leave the
    // 32-bit range is an overflow, and the value stays as it was.
    auto down = [this](int step) {
        const std::int64_t next = static_cast<std::int64_t>(value_) - step;
        if (next <= min_) {
            SetValue(min_);
        } else if (FitsInt32(next)) {
            SetValue(static_cast<int>(next));
        }
    };
    auto up = [this](int step) {
        const std::int64_t next = static_cast<std::int64_t>(value_) + step;
        if (next >= max_) {
            SetValue(max_);
        } else if (FitsInt32(next)) {
            SetValue(static_cast<int>(next));
        }
    };
    switch (keyCode) {
        case kKeyLeft:
            down(smallChange_);
            break;
        case kKeyRight:
            up(smallChange_);
            break;
        case kKeyPageUp:
            down(largeChange_);
            break;
        case kKeyPageDown:
            up(largeChange_);
            break;
        default:
            break;
    }
    emit RepaintRequested(false);
    emit KeyDownEvent(keyCode, shift);
}

void SliderState::KeyPress(int keyAscii) {
    emit KeyPressEvent(keyAscii);
}

void SliderState::KeyUp(int keyCode, int shift) {
    emit KeyUpEvent(keyCode, shift);
}

void SliderState::MouseDown(int button, int shift, float x, float y) {
    dragging_ = true;
    emit MouseDownEvent(button, shift, x, y);
}

void SliderState::SetFromPointer(double v, int lowValue) {
    if (!std::isfinite(v)) {
        return;
    }
    if (v <= min_) {
        SetValue(lowValue);
    } else if (v >= max_) {
        SetValue(max_);
    } else if (FitsInt32(RoundHalfEven(v))) {
        SetValue(static_cast<int>(RoundHalfEven(v)));
    }
}

void SliderState::MouseMove(int button, int shift, float x, float y) {
    if (button == kButtonRight) {
        return;
    }
    if (dragging_) {
        if (travel_ != 0) {
            SetFromPointer((x - halfThumb_) * (static_cast<double>(max_) / travel_), min_);
        }
        emit RepaintRequested(false);
    }
    emit MouseMoveEvent(button, shift, x, y);
}

void SliderState::MouseUp(int button, int shift, float x, float y) {
    dragging_ = false;
    if (button == kButtonLeft && FitsInt32(RoundHalfEven(x))) {
        clickX_ = static_cast<int>(RoundHalfEven(x));
    }
    emit MouseUpEvent(button, shift, x, y);
}

void SliderState::Click() {
    if (travel_ != 0) {
        // A click left of the track's start goes to Min like a drag there does (not to 0,
        // which lies outside the range when Min is negative).
        SetFromPointer(static_cast<double>(max_) / travel_ * (clickX_ - halfThumb_), min_);
    }
    emit RepaintRequested(false);
    emit ClickEvent();
}

void SliderState::DblClick() {
    emit DblClickEvent();
}

void SliderState::Painted() {
    emit PaintEvent();
}

}  // namespace veltrano
