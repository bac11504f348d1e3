#include "ui/progress/taskbar_progress.h"

#include "core/product.h"

#include <QVariantMap>
#include <algorithm>

namespace veltrano {

QString LauncherTaskbarProgress::AppUri() {
    return QStringLiteral("application://") + QString::fromLatin1(kApplicationId) +
           QStringLiteral(".desktop");
}

LauncherTaskbarProgress::LauncherTaskbarProgress()
    : LauncherTaskbarProgress(QDBusConnection::sessionBus()) {}

LauncherTaskbarProgress::LauncherTaskbarProgress(const QDBusConnection& bus) : bus_(bus) {}

void LauncherTaskbarProgress::SetProgress(int percent) {
    Send(ProgressFraction(percent), true);
}

void LauncherTaskbarProgress::Clear() {
    Send(0.0, false);
}

void LauncherTaskbarProgress::Send(double progress, bool visible) {
    if (!bus_.isConnected()) {
        return;
    }
    // A signal is fire-and-forget: a dock that does not listen costs nothing.
    bus_.send(UpdateMessage(progress, visible));
}

QDBusMessage LauncherTaskbarProgress::UpdateMessage(double progress, bool visible) {
    QDBusMessage signal =
        QDBusMessage::createSignal(QString::fromLatin1(kObjectPath),
                                   QString::fromLatin1(kInterface), QStringLiteral("Update"));
    QVariantMap properties;
    properties.insert(QStringLiteral("progress"), progress);
    properties.insert(QStringLiteral("progress-visible"), visible);
    signal << AppUri() << properties;
    return signal;
}

double LauncherTaskbarProgress::ProgressFraction(int percent) {
    return std::clamp(percent, 0, 100) / 100.0;
}

}  // namespace veltrano
