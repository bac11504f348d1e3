#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "app/join/join_request.h"
#include "core/list/join_list.h"
#include "core/list/media_item.h"
#include "core/user_messages.h"
#include "profiles/output_settings.h"

namespace veltrano {

// What the Join action needs from the dialog window and the program around it.
class JoinDialogView {
public:
    virtual ~JoinDialogView() = default;
    virtual void FocusFileName() = 0;
    virtual void FocusFolder() = 0;
    // Hides the dialog; it is never unloaded, so every choice stays for the next opening.
    virtual void HideDialog() = 0;
    // Shows the progress window modally, owned by the main window; opening it starts the join.
    virtual void ShowProgressWindow() = 0;
};

// The platform folder browser.
class FolderBrowser {
public:
    virtual ~FolderBrowser() = default;
    // The chosen folder as the browser returns it; nullopt when the user cancels.
    virtual std::optional<QString> ChooseFolder() = 0;
};

// Browse action: a chosen folder replaces the folder box text; cancelling changes nothing.
void BrowseForFolder(OutputSettings& settings, FolderBrowser& browser);

// How a press of Join Now ended.
enum class JoinActionResult {
    Started,
    InvalidName,
    InvalidFolder,
    NotSameFormat,
    OutputIsSource,   // the output would overwrite one of the files to join
    ReplaceDeclined,  // the output exists and the user chose not to replace it
};

// Join Now: validates the name and folder, checks direct copy, builds the parameters and
// starts the job, writing the program-wide JoinRequest step by step. A stop leaves the dialog
// open; a stop at the folder check has already written OutputName, a later stop also
// OutputFolder, while OutputExtension and EngineParameters are only written by a join that
// starts. Runs on the user-interface thread.
class JoinAction {
public:
    JoinAction(OutputSettings& settings, JoinRequest& request, UserMessages& messages,
               JoinDialogView& view, FolderBrowser& browser);

    // `copyNote`: why the first row that differs cannot be stream-copied (the list's
    // FirstCopyNote), shown below "Not same format"; empty when unknown.
    JoinActionResult Run(std::span<const MediaItem> rows, const QString& copyNote = {});

private:
    OutputSettings& settings_;
    JoinRequest& request_;
    UserMessages& messages_;
    JoinDialogView& view_;
    FolderBrowser& browser_;
};

// The rows of the join list in join order, as the Join action and the builder read them.
std::vector<MediaItem> JoinListRows(const JoinList& list);

// True when outputPath names the same file as one of the rows' source paths (canonical
// paths when the files exist, cleaned absolute paths otherwise).
bool IsOneOfSourceFiles(const QString& outputPath, std::span<const MediaItem> rows);

}  // namespace veltrano
