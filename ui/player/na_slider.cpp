#include "ui/player/na_slider.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "core/product.h"

namespace veltrano {

namespace {

constexpr double kTwips = kTwipsPerPixel;

int ButtonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kButtonLeft;
        case Qt::RightButton:
            return kButtonRight;
        case Qt::MiddleButton:
            return kButtonMiddle;
        default:
            return 0;
    }
}

int ButtonsCode(Qt::MouseButtons buttons) {
    int code = 0;
    code |= buttons.testFlag(Qt::LeftButton) ? kButtonLeft : 0;
    code |= buttons.testFlag(Qt::RightButton) ? kButtonRight : 0;
    code |= buttons.testFlag(Qt::MiddleButton) ? kButtonMiddle : 0;
    return code;
}

int ShiftCode(Qt::KeyboardModifiers modifiers) {
    int code = 0;
    code |= modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0;
    code |= modifiers.testFlag(Qt::ControlModifier) ? 2 : 0;
    code |= modifiers.testFlag(Qt::AltModifier) ? 4 : 0;
    return code;
}

int KeyCode(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Down:
            return kKeyDown;
        case Qt::Key_PageUp:
            return kKeyPageUp;
        case Qt::Key_PageDown:
            return kKeyPageDown;
        case Qt::Key_Home:
            return kKeyHome;
        case Qt::Key_End:
            return kKeyEnd;
        default:
            break;
    }
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key;  // letters and digits share their virtual-key numbers with Qt's
    }
    return static_cast<int>(event->nativeVirtualKey() & 0xFFFF);
}

// Screen readers read the bar as a slider with its value, minimum and maximum.
class NaSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit NaSliderAccessible(NaSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return State().Value(); }
    void setCurrentValue(const QVariant& value) override {
        static_cast<NaSlider*>(widget())->State().SetValue(value.toInt());
    }
    QVariant maximumValue() const override { return State().Max(); }
    QVariant minimumValue() const override { return State().Min(); }
    QVariant minimumStepSize() const override { return State().SmallChange(); }

private:
    const SliderState& State() const { return static_cast<const NaSlider*>(widget())->State(); }
};

QAccessibleInterface* NaSliderAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("veltrano::NaSlider") && object->isWidgetType()) {
        return new NaSliderAccessible(static_cast<NaSlider*>(object));
    }
    return nullptr;
}

}  // namespace

NaSlider::NaSlider(Skin skin, QWidget* parent)
    : QWidget(parent), state_(skin == Skin::NaSlider ? kNaSliderSkin : kNaSlider1Skin) {
    QAccessible::installFactory(NaSliderAccessibleFactory);  // Qt skips a repeat
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    state_.Load({}, font().toString());
    connect(&state_, &SliderState::RepaintRequested, this, [this](bool) { update(); });
    connect(&state_, &SliderState::PropertyChanged, this, &NaSlider::OnPropertyChanged);
}

QColor NaSlider::ColorFromValue(std::uint32_t value, const QPalette& palette) {
    if ((value & 0x80000000u) != 0) {
        switch (value & 0xFFu) {
            case 0x05:  // window
                return palette.color(QPalette::Base);
            case 0x08:  // window text
            case 0x12:  // button text
                return palette.color(QPalette::ButtonText);
            case 0x0F:  // button face
                return palette.color(QPalette::Button);
            default:  // active border and the rest: the window's own colour
                return palette.color(QPalette::Window);
        }
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void NaSlider::OnPropertyChanged(const QString& name) {
    if (name == QLatin1String("Value")) {
        QAccessibleValueChangeEvent event(this, state_.Value());
        QAccessible::updateAccessibility(&event);
    } else if (name == QLatin1String("Enabled")) {
        setEnabled(state_.Enabled());
        update();
    } else if (name == QLatin1String("Font")) {
        QFont chosen;
        if (!state_.Font().isEmpty() && chosen.fromString(state_.Font())) {
            setFont(chosen);
        }
    } else if (name == QLatin1String("BackStyle")) {
        setAttribute(Qt::WA_OpaquePaintEvent, state_.BackStyle() != 0);
        update();
    } else if (name == QLatin1String("BackColor") || name == QLatin1String("BorderStyle")) {
        update();
    }
}

const SliderArtwork& NaSlider::Artwork() {
    const qreal ratio = devicePixelRatioF();
    if (ratio != artworkRatio_) {
        artwork_ = MakeSliderArtwork(state_.Skin(), ratio);
        artworkRatio_ = ratio;
    }
    return artwork_;
}

void NaSlider::paintEvent(QPaintEvent*) {
    const SliderArtwork& art = Artwork();
    const SliderSkinSize skin = state_.Skin();
    const qreal ratio = artworkRatio_;
    QPainter painter(this);
    // BackStyle 0 is transparent: the host shows through around the artwork.
    if (state_.BackStyle() != 0) {
        painter.fillRect(rect(), ColorFromValue(state_.BackColor(), palette()));
    }
    // Source rectangles are in the pictures' device pixels; targets in twips / 15.
    auto sourceX = [ratio](double twips) { return twips / kTwips * ratio; };
    const double trackTwips = skin.TrackWidthPx * kTwips;
    const double widthTwips = state_.WidthTwips();
    const qreal trackH = skin.TrackHeightPx;
    painter.drawPixmap(
        QRectF(0, 0, width(), trackH), art.Track,
        QRectF(sourceX(kTrackCapTwips), 0, sourceX(kTrackCapTwips), art.Track.height()));
    painter.drawPixmap(QRectF(0, 0, kTrackCapTwips / kTwips, trackH), art.Track,
                       QRectF(0, 0, sourceX(kTrackCapTwips), art.Track.height()));
    painter.drawPixmap(
        QRectF((widthTwips - kTrackCapTwips) / kTwips, 0, kTrackCapTwips / kTwips, trackH),
        art.Track,
        QRectF(sourceX(trackTwips - kTrackCapTwips), 0, sourceX(kTrackCapTwips),
               art.Track.height()));

    const SliderGeometry geometry = state_.Geometry();
    if (!geometry.TickX.empty()) {
        QPen pen(QColor(120, 120, 120));
        pen.setCosmetic(true);
        painter.setPen(pen);
        const double bottom = state_.HeightTwips() / kTwips;
        const double top = (state_.HeightTwips() - kTickHeightTwips) / kTwips;
        for (int x : geometry.TickX) {
            const double px = std::floor(x / kTwips) + 0.5;
            painter.drawLine(QPointF(px, bottom), QPointF(px, top));
        }
    }
    if (geometry.FillVisible && geometry.FillWidth > 0) {
        painter.drawPixmap(QRectF(0, 0, geometry.FillWidth / kTwips, skin.ThumbHeightPx),
                           art.Selection, QRectF(art.Selection.rect()));
    }
    const QPixmap& thumb = state_.Enabled() ? art.Thumb : art.ThumbDisabled;
    painter.drawPixmap(QRectF(geometry.ThumbX / kTwips, 0, skin.ThumbWidthPx, skin.ThumbHeightPx),
                       thumb, QRectF(thumb.rect()));
    if (state_.BorderStyle() != 0) {
        painter.setPen(QPen(palette().color(QPalette::Dark), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.5, 0.5, width() - 1.0, height() - 1.0));
    }
    if (hasFocus()) {
        // Keyboard users see where their keys go.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.end();
    state_.Painted();
}

void NaSlider::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    state_.Resize(static_cast<int>(width() * kTwips), static_cast<int>(height() * kTwips));
}

void NaSlider::keyPressEvent(QKeyEvent* event) {
    state_.KeyDown(KeyCode(event), ShiftCode(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() < 256) {
        state_.KeyPress(text.at(0).unicode());
    }
    event->accept();
}

void NaSlider::keyReleaseEvent(QKeyEvent* event) {
    state_.KeyUp(KeyCode(event), ShiftCode(event->modifiers()));
    event->accept();
}

void NaSlider::mousePressEvent(QMouseEvent* event) {
    leftPressed_ = event->button() == Qt::LeftButton;
    const QPointF at = event->position() * kTwips;
    state_.MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                     static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void NaSlider::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position() * kTwips;
    state_.MouseMove(ButtonsCode(event->buttons()), ShiftCode(event->modifiers()),
                     static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void NaSlider::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position() * kTwips;
    state_.MouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                   static_cast<float>(at.x()), static_cast<float>(at.y()));
    // A click is a left press and release both on the control.
    const bool click = leftPressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click) {
        state_.Click();
    }
}

void NaSlider::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click: the control reports it instead of a second click.
    const QPointF at = event->position() * kTwips;
    state_.MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                     static_cast<float>(at.x()), static_cast<float>(at.y()));
    state_.DblClick();
}

}  // namespace veltrano
