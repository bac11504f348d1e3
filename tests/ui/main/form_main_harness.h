#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <map>
#include <memory>

#include "app/join/join_runner.h"
#include "app/probe/file_chooser.h"
#include "app/probe/media_prober.h"
#include "core/list/join_list.h"
#include "engine/api/media_decoder.h"
#include "tests/app/join/join_runner_test_fakes.h"
#include "tests/support/recording_messages.h"
#include "ui/main/form_main.h"
#include "ui/main/window_probe_feedback.h"

namespace veltrano::testing_ui {

// The test binary's one application, made by the global test environment
// (ui_test_application.cpp) and destroyed before the program exits.
inline QApplication& App() {
    return *qApp;
}

// Opens any existing file; its duration is its size in seconds, so tests choose it.
class SizeAsDurationDecoder : public MediaDecoder {
public:
    bool OpenMedia(const QString& path, const QString&) override {
        const QFileInfo info(path);
        if (!info.isFile() || info.fileName().startsWith(QLatin1String("broken"))) {
            error_ = QStringLiteral("Invalid data found when processing input");
            return false;
        }
        durationUs_ = info.size() * 1'000'000;
        return true;
    }
    void CloseMedia() override {}
    QString LastErrorText() const override { return error_; }
    int AudioStreamIndex() const override { return 1; }
    int VideoStreamIndex() const override { return 0; }
    QString AudioCodecName(int) const override { return QStringLiteral("aac"); }
    QString VideoCodecName(int) const override { return QStringLiteral("h264"); }
    int VideoWidth(int) const override { return 640; }
    int VideoHeight(int) const override { return 480; }
    std::int64_t Duration() const override { return durationUs_; }

private:
    QString error_;
    std::int64_t durationUs_ = 0;
};

class ScriptedChooser : public FileChooser {
public:
    QStringList ChooseFiles(const FileChoiceRequest& request) override {
        ++calls;
        lastRequest = request;
        return answer;
    }
    int calls = 0;
    FileChoiceRequest lastRequest;
    QStringList answer;  // empty: the user cancels
};

class RecordingOpeners : public WindowOpeners {
public:
    void OpenOutputSettings(QWidget* owner) override {
        calls << QStringLiteral("OutputSettings");
        lastOwner = owner;
    }
    void OpenPlayer(QWidget* owner, const QString& path) override {
        calls << QStringLiteral("Player ") + path;
        lastOwner = owner;
    }
    void OpenAbout(QWidget* owner) override {
        calls << QStringLiteral("About");
        lastOwner = owner;
    }
    QStringList calls;
    QWidget* lastOwner = nullptr;
};

class RecordingLinks : public LinkOpener {
public:
    void OpenLink(const QUrl& url) override { opened << url; }
    QList<QUrl> opened;
};

// The main window over fakes of everything that would block or reach outside.
struct MainWindowHarness {
    MainWindowHarness() {
        App();
        form = std::make_unique<FormMain>(
            FormMainParts{{list, prober, chooser, messages, runner, encoder, settings, request,
                           ProgramFolder::FirstExisting({programDir.path()})},
                          openers,
                          links});
        feedback.SetOwner(form.get());
    }
    ~MainWindowHarness() {
        feedback.CloseWaitWindow();
        form.reset();
    }

    // A file of `seconds` bytes, which the decoder reads as `seconds` long.
    QString MakeFile(const QString& name, int seconds = 1) {
        const QString path = files.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(seconds, 'x'));
        return path;
    }
    // Rows named 0.mp4, 1.mp4, ... appended through the prober.
    void AddRows(int count) {
        for (int i = 0; i < count; ++i) {
            prober.ProbeFile(MakeFile(QString::number(list.Count()) + QStringLiteral(".mp4")));
        }
    }

    QTemporaryDir programDir;
    QTemporaryDir files;
    SizeAsDurationDecoder decoder;
    FakeEncoder encoder;
    FakeSettings settings;
    FakeClock clock;
    JoinList list;
    JoinRequest request;
    RecordingMessages messages;
    ScriptedChooser chooser;
    WindowProbeFeedback feedback{clock};
    MediaProber prober{decoder, list, messages, feedback};
    JoinRunner runner{encoder, messages, settings, clock};
    RecordingOpeners openers;
    RecordingLinks links;
    std::unique_ptr<FormMain> form;
};

}  // namespace veltrano::testing_ui
