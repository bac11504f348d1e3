#pragma once

#include <QObject>
#include <QString>

namespace veltrano {

// The encoder side of the media engine: jobs that join inputs into one output.
// FFEncoder is the implementation over libav; tests use fakes. Calls come from the
// user-interface thread and return at once; the work runs on a worker thread, and the two
// events are delivered as queued signals on the thread that owns this object.
class MediaEncoder : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~MediaEncoder() override = default;

    // True when the linked libraries are usable (versions and the encoders the profiles need).
    virtual bool IsEngineLoaded() = 0;
    // Loads (checks) the libraries; the folder is where a separately shipped engine would lie.
    virtual bool LoadEngine(const QString& folder) = 0;
    // Reason of the last failure, a clear sentence with libav's reason.
    virtual QString LastErrorText() const = 0;

    // Forgets every job that is not running.
    virtual void ClearJobs() = 0;
    // A new job with its first input; a handle >= 0, or negative when the input is refused.
    virtual int CreateJob(const QString& firstInput, const QString& inputOptions) = 0;
    // Appends an input; inputs keep call order. Negative on failure.
    virtual int AddJobInput(int handle, const QString& input, const QString& inputOptions) = 0;
    // Parses and validates the option string at once; negative when it cannot be honoured.
    virtual int SetJobOutput(int handle, const QString& outputPath, const QString& parameters) = 0;
    virtual void RemoveJob(int handle) = 0;
    // Starts prepared jobs (at most `parallel` at once) and returns immediately.
    virtual void StartJobs(int parallel) = 0;
    // Stops running jobs; returns within half a second. Harmless when idle.
    virtual void StopJobs(bool wait) = 0;

signals:
    // Bytes the output holds, position on the joined timeline and the total duration, both
    // in microseconds. A few times per second while a job runs.
    void JobProgress(int handle, qint64 bytesWritten, qint64 positionUs, qint64 totalUs);
    // resultCode >= 0 and completed on success; failed with a message otherwise. A stopped
    // job reports neither completed nor failed.
    void JobTerminated(int resultCode, bool completed, bool failed, const QString& message);
};

}  // namespace veltrano
