#include "ui/common/caption_fit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QVariant>
#include <algorithm>

namespace veltrano {

namespace caption_fit {

namespace {

constexpr const char* kSourceProperty = "veltranoCaptionSource";

QString CaptionOf(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return button->text();
    }
    return QString();
}

}  // namespace

void NoteSource(QWidget& control, const char* source) {
    control.setProperty(kSourceProperty, QString::fromUtf8(source));
}

bool ShowsTranslation(const QWidget& control) {
    const QVariant source = control.property(kSourceProperty);
    return source.isValid() && source.toString() != CaptionOf(control);
}

int NeededWidth(QWidget& control) {
    control.ensurePolished();  // a style sheet may change the face and the padding
    if (const auto* label = qobject_cast<QLabel*>(&control)) {
        const QMargins margins = label->contentsMargins();
        const int text = label->fontMetrics().horizontalAdvance(label->text()) +
                         2 * label->margin() + margins.left() + margins.right();
        return std::max(text, label->sizeHint().width());
    }
    return control.sizeHint().width();
}

int Grow(QWidget& control, Keep keep) {
    const int extra = NeededWidth(control) - control.width();
    if (extra <= 0) {
        return 0;
    }
    QRect area = control.geometry();
    switch (keep) {
        case Keep::Left:
            area.setWidth(area.width() + extra);
            break;
        case Keep::Right:
            area.setLeft(area.left() - extra);
            break;
        case Keep::Centre:
            area.setLeft(area.left() - extra / 2);
            area.setWidth(area.width() + extra);
            break;
    }
    control.setGeometry(area);
    return extra;
}

void ClearOf(const QWidget& caption, QWidget& box, int gap) {
    const int left = caption.geometry().right() + 1 + gap;
    if (box.x() < left) {
        QRect area = box.geometry();
        area.setLeft(left);
        box.setGeometry(area);
    }
}

}  // namespace caption_fit

}  // namespace veltrano
