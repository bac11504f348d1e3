#pragma once

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "engine/api/media_encoder.h"
#include "engine/av/opened_input_record.h"
#include "engine/copy/copy_scan.h"
#include "engine/jobs/convert_module_loader.h"
#include "engine/jobs/output_space.h"
#include "engine/plan/encode_options.h"
#include "engine/plan/engine_check.h"
#include "engine/plan/join_task.h"
#include "engine/plan/output_plan.h"

namespace veltrano {

// The encoder over libav. Calls come from the thread that owns the object (the user-interface
// thread) and return at once; started jobs run one after another on one worker thread.
// JobProgress (about four times a second) and JobTerminated are delivered as queued signals
// on the owner's thread.
//
// A job writes a hidden temporary file beside its output and renames it into place only when
// the join succeeded; a stop or a failure deletes it. Inputs are only read. "-vcodec copy
// -acodec copy" joins by stream copy (RunCopyJoin); every other string re-encodes
// (JoinByConverting, in the conversion module that the first such job loads). A stopped job ends
// with JobTerminated(AVERROR_EXIT, false, false, ...) and leaves the folder as it found it; a stop
// that comes once the output has its name is too late and the job completes. A completed job's
// message ends with the check of the output read back (CheckJoinedOutput), after the joiner's note
// if there is one.
class FFEncoder : public MediaEncoder {
    Q_OBJECT

public:
    explicit FFEncoder(QObject* parent = nullptr);
    // `opened`, which must outlive the encoder, spares the job check a second open of an input
    // the probe opened and that has not changed since.
    FFEncoder(const av::OpenedInputRecord& opened, QObject* parent = nullptr);
    // Stops a running job and waits for its worker; events not yet delivered are dropped.
    ~FFEncoder() override;

    bool IsEngineLoaded() override;
    bool LoadEngine(const QString& folder) override;
    QString LastErrorText() const override { return lastError_; }

    void ClearJobs() override;
    // Opens the input with libavformat to check it; negative with "Cannot open file: <reason>".
    int CreateJob(const QString& firstInput, const QString& inputOptions) override;
    int AddJobInput(int handle, const QString& input, const QString& inputOptions) override;
    // Refuses an unknown handle, an output that is one of the inputs, a missing folder and
    // any option string ParseEncodeOptions refuses; LastErrorText says why.
    int SetJobOutput(int handle, const QString& outputPath, const QString& parameters) override;
    void RemoveJob(int handle) override;
    // Starts every job with an output, one after another; refused while a worker runs. The
    // argument is accepted for the interface; jobs never run side by side. Events of earlier
    // jobs not delivered yet are dropped.
    void StartJobs(int parallel) override;
    // Asks the running job to stop and waits at most 450 ms for it (all the way with `wait`).
    void StopJobs(bool wait) override;

    // Asks the running job to stop and returns at once; safe from any thread, also from a
    // stage observer on the worker.
    void RequestStop();
    // Called on the worker thread at each JoinStage of every job. Only tests set it, to make a
    // stop arrive at an exact point; set it while no job runs.
    void SetStageObserver(JoinStageFn observer) { stageObserver_ = std::move(observer); }
    // Where the free space of the output's file system comes from; tests set a figure. Set it
    // while no job runs.
    void SetFreeSpaceProbe(FreeSpaceFn probe) { freeSpace_ = std::move(probe); }

    // True while the worker thread runs a job.
    bool IsRunning() const { return !workerDone_.load(); }

private:
    struct Job {
        int Handle = -1;
        std::vector<QString> Inputs;
        FirstInputFacts Facts;
        QString OutputPath;
        std::optional<OutputPlan> Plan;
        // The first input as the check opened and analysed it, for a stream copy's scan.
        AnalysedInput FirstInput;
    };

    Job* FindJob(int handle);
    void ReapWorker();
    // Worker thread.
    void RunJobs(std::vector<Job> jobs);
    void RunOneJob(Job& job);
    void PostProgress(int handle, qint64 bytes, qint64 positionUs, qint64 totalUs);
    void PostTerminated(int code, bool completed, bool failed, const QString& message);

    JoinStageFn stageObserver_;
    FreeSpaceFn freeSpace_ = FreeSpaceOf;
    // Jobs of the running worker whose end has not reached the owner's thread yet (owner's
    // thread only). At 0 the worker has nothing left but to return.
    std::size_t unreported_ = 0;
    EngineCheck check_;
    // The conversion's libraries, loaded by the first job that converts (worker thread).
    ConvertModuleLoader convertModule_;
    std::vector<Job> jobs_;
    int nextHandle_ = 1;
    QString lastError_;
    const av::OpenedInputRecord* opened_ = nullptr;

    std::atomic<bool> cancel_{false};
    std::atomic<bool> workerDone_{true};
    std::mutex doneMutex_;
    std::condition_variable doneChanged_;
    std::thread worker_;
};

}  // namespace veltrano
