#include "ui/progress/taskbar_progress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>
#include <algorithm>

namespace veltrano {

void LauncherTaskbarProgress::SetProgress(int percent) {
    Send(std::clamp(percent, 0, 100) / 100.0, true);
}

void LauncherTaskbarProgress::Clear() {
    Send(0.0, false);
}

void LauncherTaskbarProgress::Send(double progress, bool visible) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusMessage signal =
        QDBusMessage::createSignal(QString::fromLatin1(kObjectPath),
                                   QString::fromLatin1(kInterface), QStringLiteral("Update"));
    QVariantMap properties;
    properties.insert(QStringLiteral("progress"), progress);
    properties.insert(QStringLiteral("progress-visible"), visible);
    signal << QString::fromLatin1(kAppUri) << properties;
    // A signal is fire-and-forget: a dock that does not listen costs nothing.
    bus.send(signal);
}

}  // namespace veltrano
