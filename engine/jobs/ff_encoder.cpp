#include "engine/jobs/ff_encoder.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <utility>

#include "engine/av/av_error.h"
#include "engine/av/av_input.h"
#include "engine/av/av_ptr.h"
#include "engine/copy/copy_input.h"
#include "engine/copy/copy_join.h"
#include "engine/jobs/encoder_output_file.h"
#include "engine/jobs/output_check.h"
#include "engine/plan/join_task.h"
#include "engine/plan/output_plan_resolver.h"

namespace veltrano {

namespace {

constexpr auto kStopWait = std::chrono::milliseconds(450);

// Inputs are opened here to refuse what cannot be read before a job is made; only the first
// is analysed, for what the option rules need from its first video stream. The others are
// analysed by the join itself, so opening them is enough without decoding every input one
// time more.
Result<av::InputFormatPtr> OpenToCheck(const QString& path) {
    av::InputOpenOptions options;
    options.FailureLead = QStringLiteral("Cannot open file");
    return av::OpenMediaInput(path, options);
}

// The first input, analysed, and what the option rules need from it.
struct CheckedFirstInput {
    FirstInputFacts Facts;
    // Kept for a stream copy's scan, which analyses the inputs just so.
    AnalysedInput Analysed;
};

Result<CheckedFirstInput> CheckFirstInput(const QString& path) {
    av::InputOpenOptions options;
    options.FailureLead = QStringLiteral("Cannot open file");
    // Read as the copy pass reads, which then takes the file as it stands.
    options.ReadBufferBytes = copy_input::kCopyReadBufferBytes;
    Result<av::InputFormatPtr> opened = av::OpenMediaInput(path, options);
    if (!opened.Ok()) {
        return opened.GetStatus();
    }
    CheckedFirstInput checked;
    checked.Analysed.Context = std::move(opened).Value();
    AVFormatContext* input = checked.Analysed.Context.get();
    // Read before the analysis: demuxers drop the flag once they have found their streams.
    checked.Analysed.Headerless = (input->ctx_flags & AVFMTCTX_NOHEADER) != 0;
    const int ret = avformat_find_stream_info(input, nullptr);
    if (ret < 0) {
        return Status(ret, av::Describe(QStringLiteral("Cannot open file"), ret));
    }
    FirstInputFacts& facts = checked.Facts;
    facts.Container = QString::fromLatin1(input->iformat->name);
    if (const AVDictionaryEntry* brand = av_dict_get(input->metadata, "major_brand", nullptr, 0)) {
        facts.MajorBrand = QString::fromLatin1(brand->value);
    }
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        AVStream* stream = input->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO ||
            (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0) {
            continue;
        }
        const AVRational rate = av_guess_frame_rate(input, stream, nullptr);
        if (rate.num > 0 && rate.den > 0) {
            facts.FrameRate = rate;
        }
        facts.Width = stream->codecpar->width;
        facts.Height = stream->codecpar->height;
        break;
    }
    return checked;
}

}  // namespace

FFEncoder::FFEncoder(QObject* parent) : MediaEncoder(parent) {}

FFEncoder::FFEncoder(const av::OpenedInputRecord& opened, QObject* parent)
    : MediaEncoder(parent), opened_(&opened) {}

FFEncoder::~FFEncoder() {
    cancel_.store(true);
    if (worker_.joinable()) {
        worker_.join();
    }
}

bool FFEncoder::IsEngineLoaded() {
    const bool loaded = check_.IsEngineLoaded();
    if (!loaded) {
        lastError_ = check_.LastErrorText();
    }
    return loaded;
}

bool FFEncoder::LoadEngine(const QString& folder) {
    const bool loaded = check_.LoadEngine(folder);
    if (!loaded) {
        lastError_ = check_.LastErrorText();
    }
    return loaded;
}

void FFEncoder::ClearJobs() {
    jobs_.clear();
}

FFEncoder::Job* FFEncoder::FindJob(int handle) {
    const auto found = std::find_if(jobs_.begin(), jobs_.end(),
                                    [&](const Job& job) { return job.Handle == handle; });
    return found != jobs_.end() ? &*found : nullptr;
}

int FFEncoder::CreateJob(const QString& firstInput, const QString& /*inputOptions*/) {
    Result<CheckedFirstInput> checked = CheckFirstInput(firstInput);
    if (!checked.Ok()) {
        lastError_ = checked.Message();
        return checked.Code();
    }
    Job job;
    job.Handle = nextHandle_++;
    job.Inputs.push_back(firstInput);
    job.Facts = std::move(checked->Facts);
    job.FirstInput = std::move(checked->Analysed);
    jobs_.push_back(std::move(job));
    return jobs_.back().Handle;
}

int FFEncoder::AddJobInput(int handle, const QString& input, const QString& /*inputOptions*/) {
    Job* job = FindJob(handle);
    if (job == nullptr) {
        lastError_ = QStringLiteral("There is no job %1.").arg(handle);
        return -1;
    }
    // Opened by the probe as it stands, it would open again.
    if (opened_ == nullptr || !opened_->OpenedUnchanged(input)) {
        if (const Result<av::InputFormatPtr> opened = OpenToCheck(input); !opened.Ok()) {
            lastError_ = opened.Message();
            return opened.Code();
        }
    }
    job->Inputs.push_back(input);
    return 0;
}

int FFEncoder::SetJobOutput(int handle, const QString& outputPath, const QString& parameters) {
    Job* job = FindJob(handle);
    if (job == nullptr) {
        lastError_ = QStringLiteral("There is no job %1.").arg(handle);
        return -1;
    }
    if (outputPath.trimmed().isEmpty() || QFileInfo(outputPath).fileName().isEmpty()) {
        lastError_ = QStringLiteral("The output file has no name.");
        return -1;
    }
    for (const QString& input : job->Inputs) {
        if (encoder_output_file::SameFile(input, outputPath)) {
            lastError_ = QStringLiteral(
                             "The output file %1 is one of the files to join; choose another "
                             "name.")
                             .arg(QFileInfo(outputPath).fileName());
            return -1;
        }
    }
    const QFileInfo folder(QFileInfo(outputPath).absolutePath());
    if (!folder.isDir() || !folder.isWritable()) {
        lastError_ = QStringLiteral("Cannot write to the folder %1.").arg(folder.filePath());
        return -1;
    }
    const Result<OutputPlan> plan = ParseEncodeOptions(parameters, outputPath, job->Facts);
    if (!plan.Ok()) {
        lastError_ = plan.Message();
        return -1;
    }
    job->OutputPath = outputPath;
    job->Plan = *plan;
    return 0;
}

void FFEncoder::RemoveJob(int handle) {
    jobs_.erase(std::remove_if(jobs_.begin(), jobs_.end(),
                               [&](const Job& job) { return job.Handle == handle; }),
                jobs_.end());
}

void FFEncoder::ReapWorker() {
    if (worker_.joinable() && workerDone_.load()) {
        worker_.join();
    }
}

void FFEncoder::StartJobs(int /*parallel*/) {
    ReapWorker();
    if (worker_.joinable() && (cancel_.load() || unreported_ == 0)) {
        // A stopped job may still be closing its files, and a worker whose last job has been
        // reported is returning; the new one waits for that instead of being refused after
        // the caller was told it started.
        worker_.join();
    }
    if (worker_.joinable()) {
        lastError_ = QStringLiteral("A join is already running.");
        const QString refusal = lastError_;
        QMetaObject::invokeMethod(
            this, [this, refusal] { emit JobTerminated(-1, false, true, refusal); },
            Qt::QueuedConnection);
        return;
    }
    std::vector<Job> ready;
    for (auto it = jobs_.begin(); it != jobs_.end();) {
        if (it->Plan) {
            ready.push_back(std::move(*it));
            it = jobs_.erase(it);
        } else {
            ++it;
        }
    }
    if (ready.empty()) {
        return;
    }
    // No worker runs now. Whatever an earlier job posted and nobody has received yet would be
    // taken for the new job's (the events name no job), so it goes.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    cancel_.store(false);
    workerDone_.store(false);
    unreported_ = ready.size();
    worker_ = std::thread([this, jobs = std::move(ready)]() mutable { RunJobs(std::move(jobs)); });
}

void FFEncoder::RequestStop() {
    cancel_.store(true);
}

void FFEncoder::StopJobs(bool wait) {
    if (!worker_.joinable()) {
        return;
    }
    RequestStop();
    if (wait) {
        worker_.join();
        return;
    }
    std::unique_lock lock(doneMutex_);
    if (doneChanged_.wait_for(lock, kStopWait, [this] { return workerDone_.load(); })) {
        lock.unlock();
        worker_.join();
    }
}

void FFEncoder::RunJobs(std::vector<Job> jobs) {
    for (Job& job : jobs) {
        RunOneJob(job);
    }
    {
        std::lock_guard lock(doneMutex_);
        workerDone_.store(true);
    }
    doneChanged_.notify_all();
}

void FFEncoder::RunOneJob(Job& job) {
    // A conversion opens its inputs its own way; the check's file is not held meanwhile.
    AnalysedInput first = job.Plan->Copy ? std::move(job.FirstInput) : AnalysedInput{};
    job.FirstInput = {};
    const auto announce = [this](JoinStage stage) {
        if (stageObserver_) {
            stageObserver_(stage);
        }
    };
    announce(JoinStage::BeforeTemporaryFile);
    if (cancel_.load()) {
        PostTerminated(AVERROR_EXIT, false, false, StoppedStatus().Message());
        return;
    }
    const Result<QString> created = encoder_output_file::TemporaryPathFor(job.OutputPath);
    if (!created.Ok()) {
        PostTerminated(created.Code(), false, true, created.Message());
        return;
    }
    const QString& temporary = *created;
    announce(JoinStage::TemporaryFileCreated);
    const auto checkRoom = [&job, this](std::int64_t totalUs) {
        return CheckOutputSpace(EstimateOutputBytes(*job.Plan, job.Inputs, totalUs), job.OutputPath,
                                freeSpace_);
    };
    const JoinTask task{job.Inputs, temporary, *job.Plan, stageObserver_, checkRoom};
    std::int64_t lastTotal = 0;
    // The joiners throttle their reports (ProgressThrottle); each one goes out as it comes.
    const JoinProgressFn progress = [&](std::int64_t bytes, std::int64_t positionUs,
                                        std::int64_t totalUs) {
        lastTotal = totalUs;
        PostProgress(job.Handle, bytes, positionUs, totalUs);
    };
    // From here on every way out but the rename removes the temporary file.
    if (cancel_.load()) {
        QFile::remove(temporary);
        PostTerminated(AVERROR_EXIT, false, false, StoppedStatus().Message());
        return;
    }
    const auto convert = [&]() -> Result<JoinOutcome> {
        const Result<const ConvertModule*> module = convertModule_.Load();
        if (!module.Ok()) {
            return module.GetStatus();
        }
        return (*module)->Join(task, cancel_, progress);
    };
    const Result<JoinOutcome> outcome =
        job.Plan->Copy ? JoinByCopy(task, cancel_, progress, std::move(first)) : convert();
    if (cancel_.load()) {
        QFile::remove(temporary);
        PostTerminated(AVERROR_EXIT, false, false, StoppedStatus().Message());
        return;
    }
    if (!outcome.Ok()) {
        QFile::remove(temporary);
        PostTerminated(outcome.Code(), false, true, outcome.Message());
        return;
    }
    // A stop seen before the rename wins: the finished output is dropped and any file of the
    // output's name stays as it was. One that comes later finds the join complete.
    announce(JoinStage::Renaming);
    if (cancel_.load()) {
        QFile::remove(temporary);
        PostTerminated(AVERROR_EXIT, false, false, StoppedStatus().Message());
        return;
    }
    if (const Status committed = encoder_output_file::Commit(temporary, job.OutputPath);
        !committed.Ok()) {
        QFile::remove(temporary);
        PostTerminated(-1, false, true,
                       QStringLiteral("Cannot save %1: %2")
                           .arg(QFileInfo(job.OutputPath).fileName(), committed.Message()));
        return;
    }
    announce(JoinStage::Renamed);
    // The output is the user's now, whatever its check finds; the check's line joins the note.
    const QString checked = CheckJoinedOutput(job.OutputPath, *outcome, job.Inputs.size());
    const QString note =
        outcome->Note.isEmpty() ? checked : outcome->Note + QLatin1Char('\n') + checked;
    // The last report shows the whole output and the whole timeline.
    PostProgress(job.Handle, QFileInfo(job.OutputPath).size(), lastTotal, lastTotal);
    PostTerminated(0, true, false, note);
}

void FFEncoder::PostProgress(int handle, qint64 bytes, qint64 positionUs, qint64 totalUs) {
    // Runs on the owner's thread; dropped with the object if it is gone by then.
    QMetaObject::invokeMethod(
        this,
        [this, handle, bytes, positionUs, totalUs] {
            emit JobProgress(handle, bytes, positionUs, totalUs);
        },
        Qt::QueuedConnection);
}

void FFEncoder::PostTerminated(int code, bool completed, bool failed, const QString& message) {
    QMetaObject::invokeMethod(
        this,
        [this, code, completed, failed, message] {
            if (unreported_ > 0) {
                --unreported_;
            }
            emit JobTerminated(code, completed, failed, message);
        },
        Qt::QueuedConnection);
}

}  // namespace veltrano
