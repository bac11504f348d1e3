#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
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
        Calls << QStringLiteral("IsEngineLoaded");
        return EngineLoaded;
    }
    bool LoadEngine(const QString& folder) override {
        Calls << QStringLiteral("LoadEngine ") + folder;
        return LoadSucceeds;
    }
    QString LastErrorText() const override {
        Calls << QStringLiteral("LastErrorText");
        return LastError;
    }
    void ClearJobs() override { Calls << QStringLiteral("ClearJobs"); }
    int CreateJob(const QString& firstInput, const QString& inputOptions) override {
        Calls << QStringLiteral("CreateJob %1 [%2]").arg(firstInput, inputOptions);
        return RefusedInputs.count(firstInput) ? -1 : kHandle;
    }
    int AddJobInput(int handle, const QString& input, const QString& inputOptions) override {
        Calls << QStringLiteral("AddJobInput %1 %2 [%3]").arg(handle).arg(input, inputOptions);
        return RefusedInputs.count(input) ? -1 : 0;
    }
    int SetJobOutput(int handle, const QString& outputPath, const QString& parameters) override {
        Calls << QStringLiteral("SetJobOutput %1 %2 [%3]").arg(handle).arg(outputPath, parameters);
        return RefuseOutput ? -1 : 0;
    }
    void RemoveJob(int handle) override {
        Calls << QStringLiteral("RemoveJob %1").arg(handle);
        if (RemoveClearsError) {
            LastError.clear();
        }
    }
    void StartJobs(int parallel) override { Calls << QStringLiteral("StartJobs %1").arg(parallel); }
    void StopJobs(bool wait) override {
        Calls << QStringLiteral("StopJobs %1")
                     .arg(wait ? QStringLiteral("true") : QStringLiteral("false"));
        if (completeOnStop_) {
            QMetaObject::invokeMethod(
                this, [this, note = *completeOnStop_] { emit JobTerminated(0, true, false, note); },
                Qt::QueuedConnection);
            completeOnStop_.reset();
        }
    }
    // A job whose worker had renamed its output before the stop: its completion is already
    // queued when StopJobs returns.
    void CompleteOnStop(const QString& note) { completeOnStop_ = note; }

    static constexpr int kHandle = 7;
    mutable QStringList Calls;
    bool EngineLoaded = true;
    bool LoadSucceeds = true;
    QString LastError;
    std::set<QString> RefusedInputs;
    bool RefuseOutput = false;
    bool RemoveClearsError = false;

private:
    std::optional<QString> completeOnStop_;
};

// Keeps what the progress window would show, and the order of the calls that changed it.
class FakeProgressView : public ProgressView {
public:
    void SetCaption(const QString& text) override { Record("Caption", Caption = text); }
    void SetButtonCaption(const QString& text) override { Record("Button", Button = text); }
    void SetElapsedText(const QString& text) override { Record("Elapsed", Elapsed = text); }
    void SetRemainingText(const QString& text) override { Record("Remaining", Remaining = text); }
    void SetSizeText(const QString& text) override { Record("Size", Size = text); }
    void SetProgress(int percent) override {
        Bar = percent;
        Record("Bar", QString::number(percent));
    }
    void SetTaskbarProgress(int percent) override {
        Taskbar = percent;
        Record("Taskbar", QString::number(percent));
    }
    void ClearTaskbarProgress() override {
        Taskbar = -1;
        Record("TaskbarCleared", {});
    }
    void PlayCompletionSound() override {
        ++Sounds;
        Record("Sound", {});
    }
    void ShowCompletionNotice(const QString& outputFolder, const QString& note) override {
        NoticeFolder = outputFolder;
        NoticeNote = note;
        ++Notices;
        Record("Notice", outputFolder);
    }
    void CloseWindow() override {
        ++Closes;
        Record("Close", {});
    }
    void ProcessPendingEvents() override { ++PendingEventRuns; }

    void Record(const char* what, const QString& value) {
        Log << QString::fromLatin1(what) +
                   (value.isEmpty() ? QString() : QStringLiteral(" ") + value);
    }

    QString Caption, Button, Elapsed, Remaining, Size, NoticeFolder, NoticeNote;
    int Bar = 0;
    int Taskbar = -1;  // -1: cleared / never shown
    int Sounds = 0;
    int Notices = 0;
    int Closes = 0;
    int PendingEventRuns = 0;
    QStringList Log;
};

class FakeClock : public SecondsClock {
public:
    double Now() const override { return Seconds; }
    double Seconds = 0.0;
};

class FakeSettings : public SettingsStore {
public:
    QString ReadSetting(const QString& name) const override {
        const auto it = Values.find(name);
        return it == Values.end() ? QString() : it->second;
    }
    void WriteSetting(const QString& name, const QString& text) override { Values[name] = text; }
    std::map<QString, QString> Values;
};

}  // namespace veltrano
