#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>

namespace veltrano {

// The main window's taskbar button: shows a join's percentage or nothing.
class TaskbarProgress {
public:
    virtual ~TaskbarProgress() = default;
    // 0 to 100.
    virtual void SetProgress(int percent) = 0;
    // The button shows no progress.
    virtual void Clear() = 0;
};

// Desktop docks and task managers (KDE's task manager, Dash to Dock, Plank and others) read
// progress from the launcher-entry signal that the program broadcasts on the session bus for
// its desktop file. Without a session bus the calls do nothing.
class LauncherTaskbarProgress : public TaskbarProgress {
public:
    // The desktop entry the launcher shows the progress on: the installed one.
    static QString AppUri();
    static constexpr const char* kObjectPath = "/com/veltrano/VideoJoiner";
    static constexpr const char* kInterface = "com.canonical.Unity.LauncherEntry";

    // On the user's session bus, or on `bus` (tests).
    LauncherTaskbarProgress();
    explicit LauncherTaskbarProgress(const QDBusConnection& bus);

    void SetProgress(int percent) override;
    void Clear() override;
    // False when there is no bus to broadcast on; the calls then do nothing.
    bool Connected() const { return bus_.isConnected(); }

    // The launcher-entry "Update" signal: progress 0..1 and whether the dock shows it.
    static QDBusMessage UpdateMessage(double progress, bool visible);
    // 0..100 percent as the 0..1 fraction the signal carries; out-of-range values are clamped.
    static double ProgressFraction(int percent);

private:
    void Send(double progress, bool visible);

    QDBusConnection bus_;
};

}  // namespace veltrano
