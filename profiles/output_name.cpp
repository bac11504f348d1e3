#include "profiles/output_name.h"

#include <QDir>
#include <algorithm>

#include "core/value_format.h"
#include "profiles/output_dialog_texts.h"
#include "profiles/trim_spaces.h"

namespace veltrano {

QChar OutputPathSeparator() {
    return QDir::separator();
}

std::optional<QString> DefaultOutputName(const QString& firstRowPath) {
    const qsizetype separator = firstRowPath.lastIndexOf(OutputPathSeparator());
    const qsizetype dot = firstRowPath.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < separator) {
        return std::nullopt;
    }
    return firstRowPath.mid(separator + 1, dot - separator - 1) +
           QLatin1String(OutputDialogTexts::kProposedNameSuffix);
}

bool IsRefusedNameCharacter(QChar c) {
    return std::find(kRefusedNameCharacters.begin(), kRefusedNameCharacters.end(), c.unicode()) !=
           kRefusedNameCharacters.end();
}

std::optional<QChar> FilterFileNameKey(QChar key) {
    if (IsRefusedNameCharacter(key)) {
        return std::nullopt;
    }
    return key;
}

QString FilterFileName(const QString& text) {
    QString filtered = text;
    for (char16_t refused : kRefusedNameCharacters) {
        filtered.remove(QChar(refused));
    }
    return filtered;
}

std::optional<QString> ValidateOutputName(const QString& nameText) {
    QString trimmed = TrimSpaces(nameText);
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    return trimmed;
}

QString NormalizeFolderText(const QString& folderText) {
    QString folder = TrimSpaces(folderText);
    if (!folder.endsWith(OutputPathSeparator())) {
        folder += OutputPathSeparator();
    }
    return folder;
}

bool IsFolderTextValid(const QString& normalizedFolder) {
    return FolderExists(normalizedFolder) && normalizedFolder.size() >= 3;
}

}  // namespace veltrano
