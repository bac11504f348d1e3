#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "app/join/join_request.h"
#include "app/join/progress_view.h"
#include "app/join/seconds_clock.h"
#include "core/settings_store.h"
#include "core/user_messages.h"
#include "engine/api/media_encoder.h"

namespace veltrano {

// Drives the encoder through one join at a time and turns its events into what the progress
// window shows. Lives on the user-interface thread for the whole run, like the encoder.
//
// A job is accepted from RunJoin until it completes, fails, is stopped or its window closes;
// events that arrive after that (a late progress report or termination after a stop) are
// ignored, so nothing reopens or repaints a closed window.
class JoinRunner : public QObject {
    Q_OBJECT

public:
    enum class RunResult {
        Started,       // the job runs; its events follow
        InputFailed,   // a source was refused; the window stays open, nothing runs
        OutputFailed,  // the output was refused; the job is removed and the window closed
        NothingToJoin  // no source paths; nothing was asked of the encoder
    };

    JoinRunner(MediaEncoder& encoder, UserMessages& messages, SettingsStore& settings,
               const SecondsClock& clock, QObject* parent = nullptr);

    // Start-up: sets ProgramFolder and OutputFolder and makes sure the engine is usable.
    // False after "Video lib not found" was shown: the program must end at once.
    bool EngineSetup(const QString& programFolder);
    const QString& ProgramFolder() const { return programFolder_; }
    // The stored output folder (OutPath) as read by EngineSetup.
    const QString& OutputFolder() const { return outputFolder_; }

    // Hands the sources (join order) and the output to the encoder and starts the job.
    // `view` must stay valid until ProgressWindowClosed is called.
    RunResult RunJoin(ProgressView& view, const std::vector<QString>& sourcePaths,
                      const JoinRequest& request);
    // The progress window's button: stops the job and closes the window. A stop that comes
    // after the output was renamed into place finds the job complete: the job ends as
    // completed and its window stays for "Close"; then the answer is false.
    bool Stop();
    // The progress window closed by any path (button, close box, failure, the program).
    void ProgressWindowClosed();

    // Set by Stop; each RunJoin clears it, so no front end has to.
    bool StopRequested() const { return stopRequested_; }
    // Clock time of the job's first progress report; 0 while there was none.
    double JobStartTime() const { return jobStartTime_.value_or(0.0); }
    bool IsRunning() const { return state_ == State::Running; }
    // The separators of the size text (the user's locale by default).
    void SetLocale(const QLocale& locale) { locale_ = locale; }
    // Where a failed stream copy finds why the first row that differs cannot be copied (the
    // list's FirstCopyNote), to show it below the engine's message. Unset: nothing is added.
    void SetCopyNoteSource(std::function<QString()> source) { copyNoteSource_ = std::move(source); }

public slots:
    void OnJobProgress(int handle, qint64 bytesWritten, qint64 positionUs, qint64 totalUs);
    void OnJobTerminated(int resultCode, bool completed, bool failed, const QString& message);

private:
    enum class State { Idle, NotStarted, Running, Finished, Ended };

    void ReportInputFailure(const QString& path);
    void ResetView(ProgressView& view);
    void EndJob();

    MediaEncoder& encoder_;
    UserMessages& messages_;
    SettingsStore& settings_;
    const SecondsClock& clock_;
    QLocale locale_;

    QString programFolder_;
    QString outputFolder_;

    State state_ = State::Idle;
    ProgressView* view_ = nullptr;  // the open progress window, not owned
    int jobHandle_ = -1;
    QString jobOutputFolder_;
    bool copyJob_ = false;
    std::function<QString()> copyNoteSource_;
    bool stopRequested_ = false;
    std::optional<double> jobStartTime_;
};

}  // namespace veltrano
