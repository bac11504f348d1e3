#include "ui/program/placeholder_openers.h"

namespace veltrano {

void PlaceholderOpeners::NotBuiltYet(const QString& window) {
    messages_.Show(QStringLiteral("The %1 window is not built yet.").arg(window),
                   QStringLiteral("Veltrano Video Joiner"), UserMessages::Icon::Information);
}

void PlaceholderOpeners::OpenOutputSettings(QWidget*) {
    NotBuiltYet(QStringLiteral("output settings"));
}

void PlaceholderOpeners::OpenPlayer(QWidget*, const QString&) {
    NotBuiltYet(QStringLiteral("player"));
}

void PlaceholderOpeners::OpenAbout(QWidget*) {
    NotBuiltYet(QStringLiteral("about"));
}

}  // namespace veltrano
