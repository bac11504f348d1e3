#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <set>

#include "app/join/progress_view.h"
#include "app/join/seconds_clock.h"
#include "core/settings_store.h"
#include "engine/api/media_encoder.h"

namespace veltrano {

// An encoder that records every call as one line of text and refuses what it is told to.
class FakeEncoder : public MediaEncoder {
public:
    bool IsEngineLoaded() override {
        calls << QStringLiteral("IsEngineLoaded");
        return engineLoaded;
    }
    bool LoadEngine(const QString& folder) override {
        calls << QStringLiteral("LoadEngine ") + folder;
        return loadSucceeds;
    }
    QString LastErrorText() const override {
        calls << QStringLiteral("LastErrorText");
        return lastError;
    }
    void ClearJobs() override { calls << QStringLiteral("ClearJobs"); }
    int CreateJob(const QString& firstInput, const QString& inputOptions) override {
        calls << QStringLiteral("CreateJob %1 [%2]").arg(firstInput, inputOptions);
        return refusedInputs.count(firstInput) ? -1 : kHandle;
    }
    int AddJobInput(int handle, const QString& input, const QString& inputOptions) override {
        calls << QStringLiteral("AddJobInput %1 %2 [%3]").arg(handle).arg(input, inputOptions);
        return refusedInputs.count(input) ? -1 : 0;
    }
    int SetJobOutput(int handle, const QString& outputPath, const QString& parameters) override {
        calls << QStringLiteral("SetJobOutput %1 %2 [%3]").arg(handle).arg(outputPath, parameters);
        return refuseOutput ? -1 : 0;
    }
    void RemoveJob(int handle) override {
        calls << QStringLiteral("RemoveJob %1").arg(handle);
        if (removeClearsError) {
            lastError.clear();
        }
    }
    void StartJobs(int parallel) override { calls << QStringLiteral("StartJobs %1").arg(parallel); }
    void StopJobs(bool wait) override {
        calls << QStringLiteral("StopJobs %1")
                     .arg(wait ? QStringLiteral("true") : QStringLiteral("false"));
    }

    static constexpr int kHandle = 7;
    mutable QStringList calls;
    bool engineLoaded = true;
    bool loadSucceeds = true;
    QString lastError;
    std::set<QString> refusedInputs;
    bool refuseOutput = false;
    bool removeClearsError = false;
};

// Keeps what the progress window would show, and the order of the calls that changed it.
class FakeProgressView : public ProgressView {
public:
    void SetCaption(const QString& text) override { Record("Caption", caption = text); }
    void SetButtonCaption(const QString& text) override { Record("Button", button = text); }
    void SetElapsedText(const QString& text) override { Record("Elapsed", elapsed = text); }
    void SetRemainingText(const QString& text) override { Record("Remaining", remaining = text); }
    void SetSizeText(const QString& text) override { Record("Size", size = text); }
    void SetProgress(int percent) override {
        bar = percent;
        Record("Bar", QString::number(percent));
    }
    void SetTaskbarProgress(int percent) override {
        taskbar = percent;
        Record("Taskbar", QString::number(percent));
    }
    void ClearTaskbarProgress() override {
        taskbar = -1;
        Record("TaskbarCleared", {});
    }
    void PlayCompletionSound() override {
        ++sounds;
        Record("Sound", {});
    }
    void ShowCompletionNotice(const QString& outputFolder) override {
        noticeFolder = outputFolder;
        ++notices;
        Record("Notice", outputFolder);
    }
    void CloseWindow() override {
        ++closes;
        Record("Close", {});
    }
    void ProcessPendingEvents() override { ++pendingEventRuns; }

    void Record(const char* what, const QString& value) {
        log << QString::fromLatin1(what) +
                   (value.isEmpty() ? QString() : QStringLiteral(" ") + value);
    }

    QString caption, button, elapsed, remaining, size, noticeFolder;
    int bar = 0;
    int taskbar = -1;  // -1: cleared / never shown
    int sounds = 0;
    int notices = 0;
    int closes = 0;
    int pendingEventRuns = 0;
    QStringList log;
};

class FakeClock : public SecondsClock {
public:
    double Now() const override { return now; }
    double now = 0.0;
};

class FakeSettings : public SettingsStore {
public:
    QString ReadSetting(const QString& name) const override {
        const auto it = values.find(name);
        return it == values.end() ? QString() : it->second;
    }
    void WriteSetting(const QString& name, const QString& text) override { values[name] = text; }
    std::map<QString, QString> values;
};

}  // namespace veltrano
