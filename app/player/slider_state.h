#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/product.h"

namespace veltrano {

// Properties saved with a host window, by name, in the order they were written.
using SavedProperties = QList<std::pair<QString, QVariant>>;

// The pixel sizes of one slider skin's artwork; every image is drawn from the top edge.
struct SliderSkinSize {
    int TrackWidthPx = 0;
    int TrackHeightPx = 0;
    int ThumbWidthPx = 0;
    int ThumbHeightPx = 0;
};

// The seek slider's artwork (409 x 11 track, 16 x 11 thumb) and the small one's (67 x 15, 12 x 15).
inline constexpr SliderSkinSize kNaSliderSkin{409, 11, 16, 11};
inline constexpr SliderSkinSize kNaSlider1Skin{67, 15, 12, 15};

// Width of the track's left and right caps; the body between them is stretched.
inline constexpr int kTrackCapTwips = 100;
inline constexpr int kTickHeightTwips = 100;

// Key codes and shift bits as the host receives them (the platform's virtual-key numbers).
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kButtonLeft = 1;
inline constexpr int kButtonRight = 2;
inline constexpr int kButtonMiddle = 4;

inline constexpr std::uint32_t kDefaultSliderBackColor = 15916757;  // red 213, green 222, blue 242
inline constexpr std::uint32_t kDefaultSliderForeColor = 0x80000012;  // system button text

// Where painting puts things, in twips from the control's top-left corner.
struct SliderGeometry {
    int ThumbX = 0;
    std::vector<int> TickX;  // empty when ticks are hidden
    bool FillVisible = false;
    double FillWidth = 0;
};

// The slider's properties, their set rules, and its keyboard and mouse arithmetic, in twips.
// The widget forwards input here and paints what Geometry() says; the signals are the events
// the host sees, emitted in the order the control raises them. UI thread only.
class SliderState : public QObject {
    Q_OBJECT

public:
    explicit SliderState(SliderSkinSize skin, QObject* parent = nullptr);

    SliderSkinSize Skin() const { return skin_; }

    std::uint32_t BackColor() const { return backColor_; }
    void SetBackColor(std::uint32_t color);
    std::uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(std::uint32_t color);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // The font in QFont::toString() form; empty means the host's ambient font.
    QString Font() const { return font_; }
    void SetFont(const QString& font);
    int BackStyle() const { return backStyle_; }
    void SetBackStyle(int style);
    int BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int style);

    int Value() const { return value_; }
    // Clamped to Max first, then to Min, so Min wins when the two cross.
    void SetValue(int value);
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int step);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int step);
    bool ShowTicks() const { return showTicks_; }
    void SetShowTicks(bool show);
    int TickNumber() const { return tickNumber_; }
    void SetTickNumber(int count);
    int SelStart() const { return selStart_; }
    void SetSelStart(int start);
    int SelLength() const { return selLength_; }
    void SetSelLength(int length);

    // Properties that differ from their defaults, in the saved order.
    SavedProperties Save() const;
    // Reads every property back by name, a missing one taking its default; assigned as stored
    // (Value is not clamped). `ambientFont` is what a missing Font becomes.
    void Load(const SavedProperties& stored, const QString& ambientFont = QString());

    // The control's size changed (twips).
    void Resize(int widthTwips, int heightTwips);
    int WidthTwips() const { return width_; }
    int HeightTwips() const { return height_; }
    int HalfThumb() const { return halfThumb_; }
    int Travel() const { return travel_; }
    bool Dragging() const { return dragging_; }
    int ClickX() const { return clickX_; }

    SliderGeometry Geometry() const;

    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void Click();
    void DblClick();
    // The widget painted itself; raises Paint to the host.
    void Painted();

signals:
    // Ask the widget to repaint; `clearFirst` erases the surface before drawing.
    void RepaintRequested(bool clearFirst);
    // A property changed (the host's property store would mark the window as edited).
    void PropertyChanged(const QString& name);

    void ResizeEvent();
    void ClickEvent();
    void DblClickEvent();
    void KeyDownEvent(int keyCode, int shift);
    void KeyPressEvent(int keyAscii);
    void KeyUpEvent(int keyCode, int shift);
    void MouseDownEvent(int button, int shift, float x, float y);
    void MouseMoveEvent(int button, int shift, float x, float y);
    void MouseUpEvent(int button, int shift, float x, float y);
    void PaintEvent();

private:
    void SetFromPointer(double v, int lowValue);

    SliderSkinSize skin_;
    std::uint32_t backColor_ = kDefaultSliderBackColor;
    std::uint32_t foreColor_ = kDefaultSliderForeColor;
    bool enabled_ = true;
    QString font_;
    QString ambientFont_;
    int backStyle_ = 1;
    int borderStyle_ = 0;
    int value_ = 0;
    int min_ = 0;
    int max_ = 1000;
    int smallChange_ = 1;
    int largeChange_ = 10;
    bool showTicks_ = true;
    int tickNumber_ = 10;
    int selStart_ = 0;
    int selLength_ = 0;

    int width_ = 0;
    int height_ = 0;
    int halfThumb_ = 0;
    int travel_ = 0;
    bool dragging_ = false;
    int clickX_ = 0;
};

}  // namespace veltrano
