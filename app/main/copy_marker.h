#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "core/list/join_list.h"
#include "engine/api/copy_checker.h"

namespace veltrano {

// Runs work away from the user-interface thread, one piece at a time.
class WorkerLauncher {
public:
    virtual ~WorkerLauncher() = default;
    // Starts `work`; the caller launches the next piece only once this one has reported.
    virtual void Launch(std::function<void()> work) = 0;
    // Returns once launched work has ended.
    virtual void Wait() = 0;
};

// A worker thread per piece of work.
class ThreadWorkerLauncher : public WorkerLauncher {
public:
    ~ThreadWorkerLauncher() override { Wait(); }
    void Launch(std::function<void()> work) override;
    void Wait() override;

private:
    std::thread worker_;
};

// Keeps the join list's copy notes: which rows "Direct stream copy" cannot take after the first
// row, and why. Every change of the rows' files (added, moved, removed) judges the list again on
// a worker once the list has been quiet for `quietMs` (a burst of changes, such as adding a
// thousand files, once, and never while files are still being added); the notes are applied on
// the user-interface thread, and a judgement of rows that have changed since is dropped.
// User-interface thread only.
class CopyMarker : public QObject {
    Q_OBJECT

public:
    static constexpr int kQuietMs = 300;

    CopyMarker(JoinList& list, CopyChecker& checker, WorkerLauncher& launcher,
               int quietMs = kQuietMs);
    // Stops a judgement under way and waits for its worker.
    ~CopyMarker() override;

private:
    void Rejudge();
    void Start(std::vector<QString> paths);
    void Finished(const std::vector<QString>& paths, const Result<std::vector<Status>>& verdicts,
                  bool stopped);

    JoinList& list_;
    CopyChecker& checker_;
    WorkerLauncher& launcher_;
    QTimer quiet_;
    bool running_ = false;
    std::vector<QString> runningPaths_;
    std::vector<QString> judgedPaths_;
    std::shared_ptr<std::atomic<bool>> cancel_;
};

}  // namespace veltrano
