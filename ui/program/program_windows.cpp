#include "ui/program/program_windows.h"

#include "ui/about/form_flash.h"
#include "ui/player/form_player.h"
#include "ui/player/qt_player_messages.h"

namespace veltrano {

ProgramWindows::~ProgramWindows() {
    if (outputSettings_ && outputSettings_->parent() == nullptr) {
        delete outputSettings_.data();  // opened without an owner: nobody else deletes it
    }
}

void ProgramWindows::Attach(const Parts& parts) {
    parts_ = std::make_unique<Parts>(parts);
}

ProgressWindows* ProgramWindows::Progress() {
    if (parts_ && !progress_) {
        const Result<EngineParts*> engine = parts_->Engine.Parts();
        progress_ = std::make_unique<ProgressWindows>(
            parts_->Runner, engine.Ok()
                                ? (*engine)->NewSoundEffect(parts_->Folder.FilePath(
                                      QString::fromLatin1(ProgressWindows::kCompletionSoundFile)))
                                : nullptr);
    }
    return progress_.get();
}

void ProgramWindows::OpenOutputSettings(QWidget* owner) {
    if (!parts_) {
        return;
    }
    if (!outputSettings_) {
        folderBrowser_ = std::make_unique<QtFolderBrowser>(owner);
        // The folder box starts from the stored output folder that start-up read.
        outputSettings_ = new FormVideoFormat(
            parts_->Catalogue, parts_->List, parts_->Request, parts_->Messages, *folderBrowser_,
            parts_->Request.OutputFolder, [this, owner] { ShowProgressWindow(owner); }, owner);
    }
    outputSettings_->OpenModal();
}

void ProgramWindows::ShowProgressWindow(QWidget* owner) {
    Progress()->RunJoin(owner, parts_->List.SourcePaths(), parts_->Request);
}

void ProgramWindows::OpenPlayer(QWidget* owner, const QString& path) {
    if (!parts_) {
        return;
    }
    // The list row's duration goes behind the position while the engine has not said its own.
    QString durationText;
    const std::optional<int> focused = parts_->List.FocusedRow();
    if (focused && parts_->List.Row(*focused).SourcePath == path) {
        durationText = parts_->List.Row(*focused).DurationText;
    }
    // The engine passed its check at start-up, or no window would be open.
    const Result<EngineParts*> engine = parts_->Engine.Parts();
    if (!engine.Ok()) {
        return;
    }
    const std::unique_ptr<MediaPlayer> player = (*engine)->NewPlayer();
    QtPlayerMessages messages(owner);
    FormPlayer window(*player, messages, parts_->Folder.Path(), owner);
    window.PlayModal(path, durationText);
}

void ProgramWindows::OpenAbout(QWidget* owner) {
    ShowAbout(owner);
}

}  // namespace veltrano
