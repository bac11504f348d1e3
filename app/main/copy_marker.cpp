#include "app/main/copy_marker.h"

#include "app/join/copy_check.h"

namespace veltrano {

void ThreadWorkerLauncher::Launch(std::function<void()> work) {
    Wait();
    worker_ = std::thread(std::move(work));
}

void ThreadWorkerLauncher::Wait() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

CopyMarker::CopyMarker(JoinList& list, CopyChecker& checker, WorkerLauncher& launcher, int quietMs)
    : list_(list), checker_(checker), launcher_(launcher) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(quietMs);
    connect(&quiet_, &QTimer::timeout, this, &CopyMarker::Rejudge);
    // Every change starts the quiet time again.
    const auto changed = [this] { quiet_.start(); };
    connect(&list_, &JoinList::RowsAppended, this, changed);
    connect(&list_, &JoinList::ResetDone, this, changed);
    connect(&list_, &JoinList::RowsChanged, this, changed);
}

CopyMarker::~CopyMarker() {
    if (cancel_) {
        cancel_->store(true);
    }
    launcher_.Wait();
}

void CopyMarker::Rejudge() {
    std::vector<QString> paths = list_.SourcePaths();
    if (running_) {
        if (paths != runningPaths_) {
            cancel_->store(true);  // Finished starts again with the list as it is then
        }
        return;
    }
    if (paths == judgedPaths_) {
        return;
    }
    if (paths.empty()) {
        judgedPaths_.clear();
        return;
    }
    Start(std::move(paths));
}

void CopyMarker::Start(std::vector<QString> paths) {
    running_ = true;
    runningPaths_ = paths;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    launcher_.Launch([this, paths = std::move(paths), cancel = cancel_, &checker = checker_] {
        auto verdicts =
            std::make_shared<Result<std::vector<Status>>>(CheckDirectCopy(checker, paths, *cancel));
        QMetaObject::invokeMethod(
            this, [this, paths, verdicts, cancel] { Finished(paths, *verdicts, cancel->load()); },
            Qt::QueuedConnection);
    });
}

void CopyMarker::Finished(const std::vector<QString>& paths,
                          const Result<std::vector<Status>>& verdicts, bool stopped) {
    running_ = false;
    if (!stopped && paths == list_.SourcePaths()) {
        // A check that failed as a whole (parameters the engine refuses) says nothing per row:
        // no notes, and no new try until the rows change.
        std::vector<QString> notes(paths.size());
        for (std::size_t i = 0; verdicts.Ok() && i < verdicts->size() && i < notes.size(); ++i) {
            const Status& verdict = (*verdicts)[i];
            notes[i] = verdict.Ok() ? QString() : verdict.Message();
        }
        judgedPaths_ = paths;
        list_.SetCopyNotes(paths, notes);
    }
    Rejudge();
}

}  // namespace veltrano
