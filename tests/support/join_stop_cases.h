#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/plan/join_task.h"
#include "tests/support/media_tools.h"

namespace veltrano {

// A stop made to arrive at one point of a job, for a copy or a conversion; the engine's stage
// observer says when that point is reached. Header-only: the engine's and the command line's
// stop tests share it.
struct StopCase {
    JoinStage Stage;
    bool Copy;
};

inline const std::vector<JoinStage>& EveryJoinStage() {
    static const std::vector<JoinStage> stages{JoinStage::BeforeTemporaryFile,
                                               JoinStage::TemporaryFileCreated,
                                               JoinStage::OpeningInputs,
                                               JoinStage::Writing,
                                               JoinStage::WritingTrailer,
                                               JoinStage::Renaming,
                                               JoinStage::Renamed};
    return stages;
}

inline const char* StageName(JoinStage stage) {
    switch (stage) {
        case JoinStage::BeforeTemporaryFile:
            return "BeforeTemporaryFile";
        case JoinStage::TemporaryFileCreated:
            return "TemporaryFileCreated";
        case JoinStage::OpeningInputs:
            return "OpeningInputs";
        case JoinStage::Writing:
            return "Writing";
        case JoinStage::WritingTrailer:
            return "WritingTrailer";
        case JoinStage::Renaming:
            return "Renaming";
        case JoinStage::Renamed:
            return "Renamed";
    }
    return "?";
}

// Every stage, for a copy and then for a conversion.
inline std::vector<StopCase> EveryStopCase() {
    std::vector<StopCase> cases;
    for (const bool copy : {true, false}) {
        for (const JoinStage stage : EveryJoinStage()) {
            cases.push_back({stage, copy});
        }
    }
    return cases;
}

// The test's name part: "CopyWriting", "ConvertRenamed".
inline std::string StopCaseName(const StopCase& stop) {
    return std::string(stop.Copy ? "Copy" : "Convert") + StageName(stop.Stage);
}

inline void PrintTo(const StopCase& stop, std::ostream* out) {
    *out << (stop.Copy ? "copy, stop at " : "conversion, stop at ") << StageName(stop.Stage);
}

// The short clip every stop case joins with itself.
inline bool MakeStopClip(const QString& path) {
    return media_tools::MakeClip(
        path, 0.5, 160, 120, QStringLiteral("25"),
        {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
         QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")});
}

// Every file of `folder` (hidden ones too) with its content: what a stop must leave unchanged.
inline std::map<QString, QByteArray> FolderContents(const QString& folder) {
    std::map<QString, QByteArray> contents;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(dir.filePath(name));
        contents[name] =
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    return contents;
}

// A test stopping a join at each stage: one short clip for the whole suite, a fresh output folder
// for each case, and the folder's contents to compare before and after.
class JoinStopTest : public ::testing::TestWithParam<StopCase> {
protected:
    static void SetUpTestSuite() {
        // Queued signals and the engine's timers need an application object.
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "join_stop_test";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);
        }
        clips_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(MakeStopClip(Input()));
    }
    static void TearDownTestSuite() { clips_.reset(); }
    static QString Input() { return clips_->filePath(QStringLiteral("a.mp4")); }
    static QString ClipFolder() { return clips_->path(); }

    std::map<QString, QByteArray> FolderContents() const {
        return veltrano::FolderContents(out_.path());
    }

    QTemporaryDir out_;

private:
    static inline std::unique_ptr<QTemporaryDir> clips_;
};

}  // namespace veltrano
