#include "app/join/join_action.h"
#include <QCoreApplication>

#include <QDir>
#include <QFileInfo>

#include "app/join/copy_check.h"
#include "core/list/join_list.h"
#include "core/user_messages.h"
#include "profiles/output_dialog_texts.h"
#include "profiles/output_name.h"
#include "profiles/parameter_builder.h"
#include "profiles/same_format_check.h"
#include "profiles/trim_spaces.h"

namespace veltrano {

namespace Texts = OutputDialogTexts;

namespace {

QString ComparablePath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

void BrowseForFolder(OutputSettings& settings, FolderBrowser& browser) {
    if (const std::optional<QString> folder = browser.ChooseFolder()) {
        settings.FolderText = *folder;
    }
}

std::vector<MediaItem> JoinListRows(const JoinList& list) {
    std::vector<MediaItem> rows;
    rows.reserve(static_cast<size_t>(list.Count()));
    for (int row = 0; row < list.Count(); ++row) {
        rows.push_back(list.Row(row));
    }
    return rows;
}

bool IsOneOfSourceFiles(const QString& outputPath, std::span<const MediaItem> rows) {
    const QString output = ComparablePath(outputPath);
    for (const MediaItem& row : rows) {
        if (!row.SourcePath.isEmpty() && ComparablePath(row.SourcePath) == output) {
            return true;
        }
    }
    return false;
}

JoinAction::JoinAction(OutputSettings& settings, JoinRequest& request, UserMessages& messages,
                       JoinDialogView& view, FolderBrowser& browser)
    : settings_(settings), request_(request), messages_(messages), view_(view), browser_(browser) {}

JoinActionResult JoinAction::Run(std::span<const MediaItem> rows, const QString& copyNote) {
    const QString errorTitle = QCoreApplication::translate("Settings", Texts::kErrorTitle);

    settings_.FileNameText = TrimSpaces(settings_.FileNameText);
    const std::optional<QString> name = ValidateOutputName(settings_.FileNameText);
    if (!name) {
        messages_.Show(QCoreApplication::translate("Settings", Texts::kInvalidFileName), errorTitle,
                       UserMessages::Icon::Error);
        view_.FocusFileName();
        return JoinActionResult::InvalidName;
    }
    request_.OutputName = *name;

    settings_.FolderText = NormalizeFolderText(settings_.FolderText);
    if (!IsFolderTextValid(settings_.FolderText)) {
        messages_.Show(QCoreApplication::translate("Settings", Texts::kInvalidPath), errorTitle,
                       UserMessages::Icon::Error);
        view_.FocusFolder();
        BrowseForFolder(settings_, browser_);
        return JoinActionResult::InvalidFolder;
    }
    request_.OutputFolder = settings_.FolderText;

    if (settings_.Mode == JoinMode::DirectCopy && !SameFormatCheck(rows)) {
        messages_.Show(
            WithCopyNote(QCoreApplication::translate("Settings", Texts::kNotSameFormat), copyNote),
            QCoreApplication::translate("Settings", Texts::kNotSameFormatTitle),
            UserMessages::Icon::Information);
        settings_.SelectJoinMode(JoinMode::Convert);
        return JoinActionResult::NotSameFormat;
    }
    const BuiltParameters built = BuildEngineParameters(settings_, rows);

    // Writing into one of the inputs would destroy it while it is still being read.
    const QString outputPath =
        JoinRequest::PathOf(request_.OutputFolder, request_.OutputName, built.OutputExtension);
    if (IsOneOfSourceFiles(outputPath, rows)) {
        messages_.Show(QCoreApplication::translate("Settings", Texts::kOutputIsSource), errorTitle,
                       UserMessages::Icon::Error);
        view_.FocusFileName();
        return JoinActionResult::OutputIsSource;
    }
    if (QFileInfo::exists(outputPath) &&
        !messages_.AskYesNo(QCoreApplication::translate("Settings", Texts::kReplaceOutput),
                            QCoreApplication::translate("Settings", Texts::kReplaceOutputTitle))) {
        return JoinActionResult::ReplaceDeclined;
    }

    request_.EngineParameters = built.EngineParameters;
    request_.OutputExtension = built.OutputExtension;
    view_.HideDialog();
    view_.ShowProgressWindow();
    return JoinActionResult::Started;
}

}  // namespace veltrano
