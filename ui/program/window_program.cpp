#include "ui/program/window_program.h"

#include <QFileInfo>

namespace veltrano {

WindowProgram::WindowProgram(EngineModuleLoader& engine, const ProgramFolder& programFolder,
                             WindowOpeners& openers, UserMessages* messages)
    : engine_(engine),
      programFolder_(programFolder),
      messages_(messages != nullptr ? *messages : boxMessages_),
      prober_(decoder_, list_, messages_, feedback_),
      runner_(encoder_, messages_, settings_, clock_) {
    formMain_ =
        std::make_unique<FormMain>(FormMainParts{{list_, prober_, chooser_, messages_, runner_,
                                                  encoder_, settings_, request_, programFolder_},
                                                 openers,
                                                 links_});
    runner_.SetCopyNoteSource([this] { return list_.FirstCopyNote(); });
    boxMessages_.SetOwner(formMain_.get());
    chooser_.SetOwner(formMain_.get());
    feedback_.SetOwner(formMain_.get());
}

WindowProgram::~WindowProgram() {
    // The wait window is the main window's child: close it while its owner exists.
    feedback_.CloseWaitWindow();
}

bool WindowProgram::Start() {
    return formMain_->Load();
}

void WindowProgram::AddFiles(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    QStringList absolute;
    for (const QString& path : paths) {
        absolute << QFileInfo(path).absoluteFilePath();
    }
    formMain_->AddDroppedFiles(absolute);
}

}  // namespace veltrano
