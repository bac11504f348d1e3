#pragma once

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
    static constexpr const char* kAppUri = "application://veltrano-video-joiner.desktop";
    static constexpr const char* kObjectPath = "/com/veltrano/VideoJoiner";
    static constexpr const char* kInterface = "com.canonical.Unity.LauncherEntry";

    void SetProgress(int percent) override;
    void Clear() override;

private:
    void Send(double progress, bool visible);
};

}  // namespace veltrano
