#include "app/join/join_runner.h"

#include <QCoreApplication>

#include "app/join/copy_check.h"
#include "app/join/progress_estimate.h"
#include "app/join/progress_view.h"
#include "app/join/seconds_clock.h"
#include "core/product.h"
#include "core/settings_store.h"
#include "core/user_messages.h"
#include "engine/api/engine_messages.h"
#include "engine/api/media_encoder.h"
#include "profiles/parameter_builder.h"

namespace veltrano {

namespace {

QString ProductName() {
    return QString::fromLatin1(kProductName);
}

}  // namespace

JoinRunner::JoinRunner(MediaEncoder& encoder, UserMessages& messages, SettingsStore& settings,
                       const SecondsClock& clock, QObject* parent)
    : QObject(parent), encoder_(encoder), messages_(messages), settings_(settings), clock_(clock) {
    connect(&encoder_, &MediaEncoder::JobProgress, this, &JoinRunner::OnJobProgress);
    connect(&encoder_, &MediaEncoder::JobTerminated, this, &JoinRunner::OnJobTerminated);
}

bool JoinRunner::EngineSetup(const QString& programFolder) {
    programFolder_ = programFolder;
    if (!programFolder_.endsWith(QLatin1Char('/'))) {
        programFolder_ += QLatin1Char('/');
    }
    outputFolder_ = settings_.ReadSetting(QString::fromLatin1(SettingsStore::kOutPath));
    if (encoder_.IsEngineLoaded()) {
        return true;
    }
    if (encoder_.LoadEngine(programFolder_ + QStringLiteral("LibAV"))) {
        return true;
    }
    messages_.Show(QCoreApplication::translate("Progress", "Video lib not found"), ProductName(),
                   UserMessages::Icon::Error);
    return false;
}

void JoinRunner::ResetView(ProgressView& view) {
    view.SetCaption(QCoreApplication::translate("Progress", "Please wait..."));
    view.SetButtonCaption(QCoreApplication::translate("Progress", "Cancel"));
    view.SetElapsedText(QString());
    view.SetRemainingText(QString());
    view.SetSizeText(QString());
    view.SetProgress(0);
}

JoinRunner::RunResult JoinRunner::RunJoin(ProgressView& view,
                                          const std::vector<QString>& sourcePaths,
                                          const JoinRequest& request) {
    // Every job starts fresh, whatever the previous one left behind.
    view_ = &view;
    state_ = State::NotStarted;
    stopRequested_ = false;
    jobStartTime_.reset();
    jobHandle_ = -1;
    jobOutputFolder_ = request.OutputFolder;
    copyJob_ = request.EngineParameters == QString::fromUtf8(kDirectCopyParameters);
    ResetView(view);
    if (sourcePaths.empty()) {
        return RunResult::NothingToJoin;
    }

    const QString outputPath = request.OutputPath();
    encoder_.ClearJobs();
    const int handle = encoder_.CreateJob(sourcePaths.front(), QString());
    if (handle < 0) {
        ReportInputFailure(sourcePaths.front());
        return RunResult::InputFailed;
    }
    jobHandle_ = handle;
    for (size_t i = 1; i < sourcePaths.size(); ++i) {
        if (encoder_.AddJobInput(handle, sourcePaths[i], QString()) < 0) {
            ReportInputFailure(sourcePaths[i]);
            return RunResult::InputFailed;
        }
    }
    if (encoder_.SetJobOutput(handle, outputPath, request.EngineParameters) < 0) {
        // Read the reason before the job is dropped: removing a job may reset it.
        const QString reason = encoder_.LastErrorText();
        encoder_.RemoveJob(handle);
        messages_.Show(engine_messages::CannotConvert(reason),
                       QCoreApplication::translate("Progress", "Error"), UserMessages::Icon::Error);
        EndJob();
        view.CloseWindow();
        return RunResult::OutputFailed;
    }
    state_ = State::Running;
    encoder_.StartJobs(1);
    if (view_ != nullptr) {
        view_->ProcessPendingEvents();
    }
    return RunResult::Started;
}

void JoinRunner::ReportInputFailure(const QString& path) {
    messages_.Show(engine_messages::CannotOpenFile(path, encoder_.LastErrorText()), ProductName(),
                   UserMessages::Icon::Error);
}

void JoinRunner::OnJobProgress(int handle, qint64 bytesWritten, qint64 positionUs, qint64 totalUs) {
    if (stopRequested_ || state_ != State::Running || view_ == nullptr || handle != jobHandle_) {
        return;
    }
    const double now = clock_.Now();
    if (!jobStartTime_) {
        jobStartTime_ = now;
    }
    const std::optional<ProgressEstimate> estimate =
        ProgressEstimate::Compute(bytesWritten, positionUs, totalUs, now - *jobStartTime_, locale_);
    if (!estimate) {
        return;
    }
    view_->SetElapsedText(estimate->ElapsedText);
    view_->SetRemainingText(estimate->RemainingText);
    view_->SetSizeText(estimate->SizeText);
    view_->SetProgress(estimate->Percent);
    view_->SetTaskbarProgress(estimate->Percent);
}

void JoinRunner::OnJobTerminated(int resultCode, bool completed, bool failed,
                                 const QString& message) {
    if (state_ != State::Running || view_ == nullptr) {
        return;
    }
    // The two outcomes are tested one after the other: an event with both flags runs both.
    if (resultCode >= 0 && completed) {
        state_ = State::Finished;
        view_->SetProgress(100);
        view_->SetCaption(QCoreApplication::translate("Progress", "Join Finished!"));
        view_->SetButtonCaption(QCoreApplication::translate("Progress", "Close"));
        view_->PlayCompletionSound();
        view_->SetRemainingText(QStringLiteral("00:00:00"));
        jobStartTime_.reset();
        view_->ClearTaskbarProgress();
        // A completed job's message is a note, such as the tracks a copy left out.
        view_->ShowCompletionNotice(jobOutputFolder_, message);
    }
    if (failed && view_ != nullptr) {
        // The job is over before the message box opens: events that arrive while it is
        // shown are ignored.
        ProgressView* view = view_;
        EndJob();
        const QString note = copyJob_ && copyNoteSource_ ? copyNoteSource_() : QString();
        messages_.Show(WithCopyNote(message, note), ProductName(), UserMessages::Icon::Warning);
        jobStartTime_.reset();
        view->ClearTaskbarProgress();
        view->CloseWindow();
    }
}

bool JoinRunner::Stop() {
    const bool wasRunning = state_ == State::Running;
    stopRequested_ = true;
    encoder_.StopJobs(false);
    if (wasRunning) {
        // StopJobs waits for the worker: a job that had already renamed its output has posted
        // its completion by now. It is taken here, while the job is still this window's.
        QCoreApplication::sendPostedEvents(&encoder_, QEvent::MetaCall);
        if (state_ == State::Finished) {
            return false;
        }
    }
    jobStartTime_.reset();
    ProgressView* view = view_;
    EndJob();
    if (view != nullptr) {
        view->ClearTaskbarProgress();
        view->CloseWindow();
    }
    return true;
}

void JoinRunner::ProgressWindowClosed() {
    encoder_.StopJobs(false);
    // A job closed by the window's close box no longer runs: its progress must not stay on
    // the taskbar.
    if (state_ == State::Running && view_ != nullptr) {
        view_->ClearTaskbarProgress();
    }
    EndJob();
}

void JoinRunner::EndJob() {
    state_ = State::Ended;
    view_ = nullptr;
}

}  // namespace veltrano
