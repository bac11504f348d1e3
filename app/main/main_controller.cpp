#include "app/main/main_controller.h"
#include <QCoreApplication>

#include <QFile>
#include <optional>

#include "core/product.h"

namespace veltrano {

namespace {

// The help pages' start, inside the program folder.
constexpr const char* kHelpIndexFile = "help/index.html";

QString ProductName() {
    return QString::fromLatin1(kProductName);
}

}  // namespace

MainController::MainController(const MainControllerParts& parts, MainView& view,
                               MainOpeners& openers)
    : parts_(parts), view_(view), openers_(openers) {}

bool MainController::Load() {
    // Without a readable skin the platform's own look stays, and nobody is told.
    QFile skin(parts_.Folder.FilePath(QStringLiteral("skin.qss")));
    if (skin.open(QIODevice::ReadOnly)) {
        view_.ApplyStyleSheet(QString::fromUtf8(skin.readAll()));
    }
    view_.SetUpStatusBar();
    if (!parts_.Runner.EngineSetup(parts_.Folder.Path())) {
        return false;
    }
    // The program-wide output folder starts as the stored one.
    parts_.Request.OutputFolder = parts_.Runner.OutputFolder();
    view_.ApplyProgramIcon();
    return true;
}

void MainController::AddFiles() {
    parts_.Prober.AddFiles(parts_.Chooser);
}

void MainController::AddDroppedFiles(const QStringList& paths) {
    parts_.Prober.AddDroppedFiles(paths);
}

bool MainController::HasEnoughFiles() {
    if (parts_.List.Count() >= 2) {
        return true;
    }
    parts_.Messages.Show(QCoreApplication::translate("Main", "Please add more file to the list."),
                         ProductName(), UserMessages::Icon::Information);
    AddFiles();
    return false;
}

void MainController::Join() {
    if (!HasEnoughFiles()) {
        return;
    }
    openers_.OpenOutputSettings();
}

void MainController::Exit() {
    // Exit ends the program through the same closing steps as the close box, so the output
    // folder is stored on this path too.
    if (parts_.Messages.AskYesNo(QCoreApplication::translate("Main", "Do you want to exit?"),
                                 ProductName())) {
        view_.CloseWindow();
    }
}

void MainController::Play() {
    const std::optional<int> focused = parts_.List.FocusedRow();
    if (!focused || parts_.List.Row(*focused).SourcePath.isEmpty()) {
        return;
    }
    openers_.OpenPlayer(parts_.List.Row(*focused).SourcePath);
}

void MainController::ShowHelp() {
    openers_.OpenLink(
        QUrl::fromLocalFile(parts_.Folder.FilePath(QString::fromLatin1(kHelpIndexFile))));
}

void MainController::OpenWebsite() {
    openers_.OpenLink(QUrl(QString::fromLatin1(kProductPageAddress)));
}

void MainController::Closing() {
    // Any job stops, and the output folder is stored, also empty.
    parts_.Encoder.StopJobs(false);
    parts_.Settings.WriteSetting(QString::fromLatin1(SettingsStore::kOutPath),
                                 parts_.Request.OutputFolder);
}

}  // namespace veltrano
