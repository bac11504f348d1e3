// Shows the progress window during and after a join, the completion notice and the about
// window, and saves a PNG of each into the folder given as the first argument. The join is
// played by a scripted encoder, so no media is needed. scripts/screenshots-progress.sh runs it
// under Xvfb.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/join/join_runner.h"
#include "app/join/seconds_clock.h"
#include "core/settings_store.h"
#include "core/user_messages.h"
#include "engine/api/media_encoder.h"
#include "ui/about/form_flash.h"
#include "ui/common/one_shot_timer.h"
#include "ui/progress/close_button_strip.h"
#include "ui/progress/completion_notice.h"
#include "ui/progress/form_converting.h"

namespace veltrano {
namespace {

constexpr int kHandle = 1;
constexpr qint64 kSecond = 1'000'000;

// Accepts every call; the events are emitted by the script below.
class ScriptedEncoder : public MediaEncoder {
public:
    bool IsEngineLoaded() override { return true; }
    bool LoadEngine(const QString&) override { return true; }
    QString LastErrorText() const override { return {}; }
    void ClearJobs() override {}
    int CreateJob(const QString&, const QString&) override { return kHandle; }
    int AddJobInput(int, const QString&, const QString&) override { return 0; }
    int SetJobOutput(int, const QString&, const QString&) override { return 0; }
    void RemoveJob(int) override {}
    void StartJobs(int) override {}
    void StopJobs(bool) override {}
};

class PrintedMessages : public UserMessages {
public:
    void Show(const QString& text, const QString& title, Icon) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool AskYesNo(const QString&, const QString&) override { return false; }
};

class MemorySettings : public SettingsStore {
public:
    QString ReadSetting(const QString&) const override { return {}; }
    void WriteSetting(const QString&, const QString&) override {}
};

class ScriptClock : public SecondsClock {
public:
    double Now() const override { return now; }
    double now = 0.0;
};

class NoTaskbar : public TaskbarProgress {
public:
    void SetProgress(int) override {}
    void Clear() override {}
};

class NoSound : public CompletionSound {
public:
    void Play() override {}
};

class NoFolderOpener : public FolderOpener {
public:
    void Open(const QString&) override {}
};

// Lets the windows paint (and the notice fade in) before a picture is taken.
void Settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Save(const QPixmap& picture, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

int Run(const QDir& folder) {
    ScriptedEncoder encoder;
    PrintedMessages messages;
    MemorySettings settings;
    ScriptClock clock;
    JoinRunner runner(encoder, messages, settings, clock);
    NoTaskbar taskbar;
    NoSound sound;
    NoFolderOpener folderOpener;
    CompletionNotice notice(folderOpener, std::make_unique<QtOneShotTimer>());

    FormConverting window(nullptr, runner, taskbar, sound, notice);
    JoinRequest request;
    request.OutputFolder = QStringLiteral("/home/user/Videos/");
    request.OutputName = QStringLiteral("holiday");
    request.OutputExtension = QStringLiteral("mp4");
    request.EngineParameters = QStringLiteral("-f mp4 -join");
    runner.RunJoin(window,
                   {QStringLiteral("/home/user/Videos/beach.mp4"),
                    QStringLiteral("/home/user/Videos/harbour.mp4")},
                   request);
    window.move(120, 100);
    window.show();
    clock.now = 10.0;
    emit encoder.JobProgress(kHandle, 0, 0, 240 * kSecond);
    clock.now = 80.0;
    emit encoder.JobProgress(kHandle, 11'534'336, 70 * kSecond, 240 * kSecond);
    Settle(300);
    bool saved = Save(window.grab(), folder, "progress-running.png");

    clock.now = 250.0;
    emit encoder.JobTerminated(0, true, false, QString());
    Settle(600);
    saved = Save(window.grab(), folder, "progress-finished.png") && saved;
    saved = Save(notice.grab(), folder, "completion-notice.png") && saved;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        saved = Save(screen->grabWindow(0), folder, "progress-desktop.png") && saved;
    }
    // The close button's three looks, four times enlarged.
    saved = Save(CloseButtonStrip::Render(4.0), folder, "notice-close-button.png") && saved;
    window.BtnStop()->click();
    notice.hide();

    FormFlash about(nullptr, std::make_unique<QtOneShotTimer>());
    about.move(120, 100);
    about.show();
    Settle(300);
    saved = Save(about.grab(), folder, "about.png") && saved;
    about.close();
    return saved ? 0 : 1;
}

}  // namespace
}  // namespace veltrano

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    return veltrano::Run(folder);
}
