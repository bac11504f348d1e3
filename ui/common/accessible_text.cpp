#include "ui/common/accessible_text.h"

#include <QAccessible>
#include <QWidget>

namespace veltrano {

QString NameWithValue(const QString& caption, const QString& value) {
    QString name = caption.trimmed();
    if (value.isEmpty()) {
        return name;
    }
    if (!name.endsWith(QLatin1Char(':'))) {
        name += QLatin1Char(':');
    }
    return name + QLatin1Char(' ') + value;
}

void SetNameWithValue(QWidget& widget, const QString& caption, const QString& value) {
    // Setting the name raises the name-change event itself.
    widget.setAccessibleName(NameWithValue(caption, value));
}

void AnnounceAlert(QWidget& window) {
    QAccessibleEvent event(&window, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

}  // namespace veltrano
