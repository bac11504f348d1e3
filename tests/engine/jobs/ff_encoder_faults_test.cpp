// Faults from outside the program while a join runs: the output's folder or file system, the
// inputs, the open-file limit. Each event arrives at an exact stage through the encoder's
// stage observer, never by a timer. Every case ends with a reason, nothing left behind, the
// inputs as they were and a second join that succeeds.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "engine/av/opened_input_record.h"
#include "engine/jobs/ff_encoder.h"
#include "engine/probe/ff_decoder.h"
#include "tests/support/media_tools.h"

namespace veltrano {
namespace {

// Only bounds a hung job; nothing here measures speed.
constexpr int kGenerousMs = 300'000;

const QString kCopy = QStringLiteral("-vcodec copy -acodec copy -join");
const QString kConvert = QStringLiteral(
    "-ac 2 -vcodec libx264 -vpre libx264-ultrafast -vb 200k -acodec libmp3lame -ab 64k -ar 44100 "
    "-s 160x120 -join");

struct Outcome {
    bool Completed = false;
    bool Failed = false;
    QString Message;
};

QByteArray Checksum(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "(unreadable)";
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

std::map<QString, QByteArray> Checksums(const QString& folder) {
    std::map<QString, QByteArray> sums;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
        sums[name] = Checksum(dir.filePath(name));
    }
    return sums;
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

bool MakeTinyClip(const QString& path, double seconds) {
    return media_tools::MakeClip(
        path, seconds, 160, 120, QStringLiteral("25"),
        {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
         QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")});
}

// Prepares and runs one job on `encoder`; a refusal before the start is a failed outcome.
Outcome Join(FFEncoder& encoder, const std::vector<QString>& inputs, const QString& output,
             const QString& parameters) {
    encoder.ClearJobs();
    const int job = encoder.CreateJob(inputs.front(), QString());
    if (job < 0) {
        return {false, true, encoder.LastErrorText()};
    }
    for (std::size_t i = 1; i < inputs.size(); ++i) {
        if (encoder.AddJobInput(job, inputs[i], QString()) < 0) {
            return {false, true, encoder.LastErrorText()};
        }
    }
    if (encoder.SetJobOutput(job, output, parameters) < 0) {
        return {false, true, encoder.LastErrorText()};
    }
    QSignalSpy terminated(&encoder, &MediaEncoder::JobTerminated);
    encoder.StartJobs(1);
    if (!terminated.wait(kGenerousMs)) {
        return {false, true, QStringLiteral("the job never ended")};
    }
    encoder.StopJobs(true);  // the worker has ended: nothing more changes the folders
    const QList<QVariant> event = terminated.takeFirst();
    return {event.at(1).toBool(), event.at(2).toBool(), event.at(3).toString()};
}

// A tmpfs of its own, so the output's file system can fill up or turn read-only without
// touching the machine's. Needs root (as the tests run here and in CI).
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& path) : path_(QFile::encodeName(path)) {
        if (::geteuid() != 0) {
            Why = "mounting a small tmpfs needs root";
        } else if (::mount("tmpfs", path_.constData(), "tmpfs", 0, "size=2m") != 0) {
            Why = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
        } else {
            Mounted = true;
        }
    }
    ~SmallFileSystem() {
        if (Mounted) {
            ::umount2(path_.constData(), MNT_DETACH);
        }
    }
    bool SetReadOnly(bool readOnly) {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return ::mount(nullptr, path_.constData(), nullptr, flags, nullptr) == 0;
    }

    bool Mounted = false;
    std::string Why;

private:
    QByteArray path_;
};

// Writes until the file system refuses: the next byte anyone writes there fails.
void FillUp(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    const std::vector<char> block(64 * 1024, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // Tail smaller than a block.
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

class FFEncoderFaults : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "engine_fault_media_tests";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);
        }
        clips_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(MakeTinyClip(A(), 0.5));
        ASSERT_TRUE(MakeTinyClip(B(), 0.5));
        ASSERT_TRUE(media_tools::MakeClip(
            Wide(), 0.5, 320, 240, QStringLiteral("25"),
            {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
             QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")}));
    }
    static void TearDownTestSuite() { clips_.reset(); }

    static QDir Clips() { return QDir(clips_->path()); }
    static QString A() { return Clips().filePath(QStringLiteral("a.mp4")); }
    static QString B() { return Clips().filePath(QStringLiteral("b.mp4")); }
    static QString Wide() { return Clips().filePath(QStringLiteral("wide.mp4")); }

    // The same encoder joins again into a fresh folder after the fault.
    void ExpectStillUsable(FFEncoder& encoder, const QString& parameters) {
        encoder.SetStageObserver({});
        const QString output = again_.filePath(QStringLiteral("again.mp4"));
        const Outcome outcome = Join(encoder, {A(), B()}, output, parameters);
        EXPECT_TRUE(outcome.Completed) << outcome.Message.toStdString();
        EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(output)), 1.0, 0.15);
    }

    QTemporaryDir again_;

private:
    static inline std::unique_ptr<QTemporaryDir> clips_;
};

enum class OutputFault { FolderRemoved, FolderReadOnly, FileSystemFull };

struct OutputFaultCase {
    OutputFault Fault;
    bool Copy;
};

std::string OutputFaultName(const ::testing::TestParamInfo<OutputFaultCase>& info) {
    static const char* const kNames[] = {"FolderRemoved", "FolderReadOnly", "FileSystemFull"};
    return std::string(info.param.Copy ? "Copy" : "Convert") +
           kNames[static_cast<int>(info.param.Fault)];
}

class FFEncoderOutputFaults : public FFEncoderFaults,
                              public ::testing::WithParamInterface<OutputFaultCase> {};

TEST_P(FFEncoderOutputFaults, FailsWithTheReasonAndLeavesNothing) {
    const OutputFaultCase fault = GetParam();
    const QString parameters = fault.Copy ? kCopy : kConvert;
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(folder));
    std::unique_ptr<SmallFileSystem> mounted;
    if (fault.Fault != OutputFault::FolderRemoved) {
        mounted = std::make_unique<SmallFileSystem>(folder);
        if (!mounted->Mounted) {
            GTEST_SKIP() << mounted->Why;
        }
    }
    const QString output = QDir(folder).filePath(QStringLiteral("joined.mp4"));
    const std::map<QString, QByteArray> inputsBefore = Checksums(Clips().path());

    FFEncoder encoder;
    bool injected = false;
    encoder.SetStageObserver([&](JoinStage stage) {
        switch (fault.Fault) {
            case OutputFault::FolderRemoved:
                // The temporary file is open for writing; it goes with its folder.
                if (stage == JoinStage::Writing) {
                    injected = QDir(folder).removeRecursively();
                }
                break;
            case OutputFault::FolderReadOnly:
                // Writable when the job was accepted, read-only once it runs.
                if (stage == JoinStage::BeforeTemporaryFile) {
                    injected = mounted->SetReadOnly(true);
                }
                break;
            case OutputFault::FileSystemFull:
                if (stage == JoinStage::Writing) {
                    FillUp(QDir(folder).filePath(QStringLiteral("filler")));
                    injected = true;
                }
                break;
        }
    });
    const Outcome outcome = Join(encoder, {A(), B()}, output, parameters);
    ASSERT_TRUE(injected) << "the fault was never injected";
    EXPECT_FALSE(outcome.Completed);
    EXPECT_TRUE(outcome.Failed);
    const std::string message = outcome.Message.toStdString();
    switch (fault.Fault) {
        case OutputFault::FolderRemoved:
            EXPECT_EQ(message, "Cannot save joined.mp4: No such file or directory");
            EXPECT_FALSE(QFileInfo::exists(folder)) << "the folder came back";
            break;
        case OutputFault::FolderReadOnly:
            EXPECT_EQ(outcome.Message,
                      QStringLiteral("Cannot create a file in the folder %1: Read-only file system")
                          .arg(folder));
            ASSERT_TRUE(mounted->SetReadOnly(false));
            break;
        case OutputFault::FileSystemFull:
            EXPECT_NE(message.find("No space left on device"), std::string::npos) << message;
            EXPECT_EQ(message.find(".vvj.part"), std::string::npos)
                << "names a file the user never sees: " << message;
            ASSERT_TRUE(QFile::remove(QDir(folder).filePath(QStringLiteral("filler"))));
            break;
    }
    if (QFileInfo::exists(folder)) {
        EXPECT_TRUE(Entries(folder).isEmpty()) << Entries(folder).join(' ').toStdString();
    }
    EXPECT_EQ(Checksums(Clips().path()), inputsBefore);
    ExpectStillUsable(encoder, parameters);
}

INSTANTIATE_TEST_SUITE_P(EveryFault, FFEncoderOutputFaults,
                         ::testing::Values(OutputFaultCase{OutputFault::FolderRemoved, true},
                                           OutputFaultCase{OutputFault::FolderRemoved, false},
                                           OutputFaultCase{OutputFault::FolderReadOnly, true},
                                           OutputFaultCase{OutputFault::FolderReadOnly, false},
                                           OutputFaultCase{OutputFault::FileSystemFull, true},
                                           OutputFaultCase{OutputFault::FileSystemFull, false}),
                         OutputFaultName);

// What happens to the second input after it was added (opened to check) and while the first
// one is being written.
enum class InputChange { Deleted, Emptied, CutShort, ReplacedByText, ReplacedByOtherSize };

struct InputChangeCase {
    InputChange Change;
    bool Copy;
};

std::string InputChangeName(const ::testing::TestParamInfo<InputChangeCase>& info) {
    static const char* const kNames[] = {"Deleted", "Emptied", "CutShort", "ReplacedByText",
                                         "ReplacedByOtherSize"};
    return std::string(info.param.Copy ? "Copy" : "Convert") +
           kNames[static_cast<int>(info.param.Change)];
}

class FFEncoderInputChanges : public FFEncoderFaults,
                              public ::testing::WithParamInterface<InputChangeCase> {};

TEST_P(FFEncoderInputChanges, AChangedInputIsNamedAndNothingIsLeft) {
    const InputChangeCase change = GetParam();
    const QString parameters = change.Copy ? kCopy : kConvert;
    QTemporaryDir work;
    const QString first = work.filePath(QStringLiteral("first.mp4"));
    const QString second = work.filePath(QStringLiteral("second.mp4"));
    ASSERT_TRUE(QFile::copy(A(), first));
    ASSERT_TRUE(QFile::copy(B(), second));
    const QString output = work.filePath(QStringLiteral("joined.mp4"));

    FFEncoder encoder;
    bool injected = false;
    encoder.SetStageObserver([&](JoinStage stage) {
        if (stage != JoinStage::Writing) {
            return;
        }
        injected = true;
        QFile file(second);
        switch (change.Change) {
            case InputChange::Deleted:
                injected = file.remove();
                break;
            case InputChange::Emptied:
                injected = file.resize(0);
                break;
            case InputChange::CutShort:
                injected = file.resize(file.size() / 2);
                break;
            case InputChange::ReplacedByText:
                injected = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                           file.write("not a video any more\n") > 0;
                break;
            case InputChange::ReplacedByOtherSize:
                injected = file.remove() && QFile::copy(Wide(), second);
                break;
        }
    });
    const Outcome outcome = Join(encoder, {first, second}, output, parameters);
    ASSERT_TRUE(injected) << "the input was never changed";
    // The folder as the change left it: the first input as it was, the second as changed.
    std::map<QString, QByteArray> expected{{QStringLiteral("first.mp4"), Checksum(A())}};
    if (change.Change != InputChange::Deleted) {
        expected[QStringLiteral("second.mp4")] = Checksum(second);
    }

    if (change.Change == InputChange::ReplacedByOtherSize && !change.Copy) {
        // A conversion scales what it finds: an honest join of the new file.
        EXPECT_TRUE(outcome.Completed) << outcome.Message.toStdString();
        expected[QStringLiteral("joined.mp4")] = Checksum(output);
    } else {
        EXPECT_FALSE(outcome.Completed);
        EXPECT_TRUE(outcome.Failed);
        if (change.Change == InputChange::ReplacedByOtherSize) {
            EXPECT_EQ(outcome.Message.toStdString(),
                      "Cannot join second.mp4: the file changed after it was checked.");
        }
        EXPECT_TRUE(outcome.Message.contains(QStringLiteral("second.mp4")))
            << "the message does not name the file: " << outcome.Message.toStdString();
    }
    EXPECT_EQ(Checksums(work.path()), expected) << Entries(work.path()).join(' ').toStdString();
    ExpectStillUsable(encoder, parameters);
}

INSTANTIATE_TEST_SUITE_P(EveryChange, FFEncoderInputChanges,
                         ::testing::Values(InputChangeCase{InputChange::Deleted, true},
                                           InputChangeCase{InputChange::Deleted, false},
                                           InputChangeCase{InputChange::Emptied, true},
                                           InputChangeCase{InputChange::Emptied, false},
                                           InputChangeCase{InputChange::CutShort, true},
                                           InputChangeCase{InputChange::CutShort, false},
                                           InputChangeCase{InputChange::ReplacedByText, true},
                                           InputChangeCase{InputChange::ReplacedByText, false},
                                           InputChangeCase{InputChange::ReplacedByOtherSize, true},
                                           InputChangeCase{InputChange::ReplacedByOtherSize,
                                                           false}),
                         InputChangeName);

// The copy pass reads the first input from the job check's open only while the path still names
// that file: one replaced before the join is read afresh and refused.
TEST_F(FFEncoderFaults, AFirstInputReplacedAfterTheCheckIsReadAfresh) {
    QTemporaryDir work;
    const QString first = work.filePath(QStringLiteral("first.mp4"));
    const QString second = work.filePath(QStringLiteral("second.mp4"));
    ASSERT_TRUE(QFile::copy(A(), first));
    ASSERT_TRUE(QFile::copy(B(), second));
    const QString output = work.filePath(QStringLiteral("joined.mp4"));
    FFEncoder encoder;
    bool injected = false;
    encoder.SetStageObserver([&](JoinStage stage) {
        if (stage == JoinStage::BeforeTemporaryFile && !injected) {
            injected = QFile::remove(first) && QFile::copy(Wide(), first);
        }
    });
    const Outcome outcome = Join(encoder, {first, second}, output, kCopy);
    ASSERT_TRUE(injected) << "the input was never replaced";
    EXPECT_FALSE(outcome.Completed);
    EXPECT_EQ(outcome.Message.toStdString(),
              "Cannot join first.mp4: the file changed after it was checked.");
    EXPECT_FALSE(QFile::exists(output));
}

// The job check takes the probe's open for an input only while the file is as the probe found it.
TEST_F(FFEncoderFaults, AnInputChangedSinceTheProbeIsOpenedAgain) {
    QTemporaryDir work;
    const QString first = work.filePath(QStringLiteral("first.mp4"));
    const QString second = work.filePath(QStringLiteral("second.mp4"));
    ASSERT_TRUE(QFile::copy(A(), first));
    ASSERT_TRUE(QFile::copy(B(), second));
    av::OpenedInputRecord opened;
    FFDecoder decoder(opened);
    ASSERT_TRUE(decoder.OpenMedia(first, QString()));
    ASSERT_TRUE(decoder.OpenMedia(second, QString()));
    decoder.CloseMedia();

    FFEncoder encoder(opened);
    const int job = encoder.CreateJob(first, QString());
    ASSERT_GT(job, 0) << encoder.LastErrorText().toStdString();
    ASSERT_EQ(encoder.AddJobInput(job, second, QString()), 0);
    QFile file(second);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_GT(file.write("not a video any more\n"), 0);
    file.close();
    EXPECT_LT(encoder.AddJobInput(job, second, QString()), 0);
    EXPECT_TRUE(encoder.LastErrorText().startsWith(QStringLiteral("Cannot open file")))
        << encoder.LastErrorText().toStdString();
}

// Sets the soft limit of open files for the test's process and puts it back afterwards.
class OpenFileLimit {
public:
    explicit OpenFileLimit(rlim_t files) {
        Set = ::getrlimit(RLIMIT_NOFILE, &saved_) == 0;
        rlimit lowered = saved_;
        lowered.rlim_cur = std::min<rlim_t>(files, saved_.rlim_max);
        Set = Set && ::setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~OpenFileLimit() { ::setrlimit(RLIMIT_NOFILE, &saved_); }

    bool Set = false;

private:
    rlimit saved_{};
};

class FFEncoderManyInputs : public FFEncoderFaults, public ::testing::WithParamInterface<bool> {};

// A join holds one input open at a time (a scan included): a thousand inputs fit in 64 files.
TEST_P(FFEncoderManyInputs, AThousandInputsJoinUnderALowOpenFileLimit) {
    const bool copy = GetParam();
    constexpr int kInputs = 1000;
    QTemporaryDir work;
    const QString tiny = work.filePath(QStringLiteral("tiny.mp4"));
    // Two pictures and no sound: each input then lasts exactly its pictures.
    ASSERT_TRUE(media_tools::MakeClip(tiny, 0.08, 160, 120, QStringLiteral("25"),
                                      {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                                       QStringLiteral("-preset"), QStringLiteral("ultrafast")},
                                      true, false));
    std::vector<QString> inputs;
    for (int i = 0; i < kInputs; ++i) {
        inputs.push_back(work.filePath(QStringLiteral("in%1.mp4").arg(i, 4, 10, QLatin1Char('0'))));
        ASSERT_EQ(::link(QFile::encodeName(tiny).constData(),
                         QFile::encodeName(inputs.back()).constData()),
                  0);
    }
    const QByteArray before = Checksum(tiny);
    const QString output = work.filePath(QStringLiteral("joined.mp4"));
    Outcome outcome;
    {
        FFEncoder encoder;
        OpenFileLimit limit(64);
        ASSERT_TRUE(limit.Set);
        outcome = Join(encoder, inputs, output, copy ? kCopy : kConvert);
    }
    ASSERT_TRUE(outcome.Completed) << outcome.Message.toStdString();
    const double one = media_tools::FormatDuration(media_tools::Probe(tiny));
    EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(output)), kInputs * one, 0.5);
    EXPECT_EQ(Checksum(tiny), before);
}

INSTANTIATE_TEST_SUITE_P(CopyAndConvert, FFEncoderManyInputs, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Copy" : "Convert");
                         });

}  // namespace
}  // namespace veltrano
