#include "app/join/copy_check.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "core/list/media_item.h"
#include "profiles/output_settings.h"
#include "profiles/parameter_builder.h"

namespace veltrano {

namespace {

// The first file is reported only when it cannot lead the copy itself.
bool Reported(const std::vector<Status>& verdicts, std::size_t index) {
    return index > 0 || !verdicts[index].Ok();
}

}  // namespace

Result<std::vector<Status>> CheckDirectCopy(CopyChecker& checker, const std::vector<QString>& files,
                                            const std::atomic<bool>& cancel) {
    OutputSettings settings;
    settings.Mode = JoinMode::DirectCopy;
    MediaItem first;
    if (!files.empty()) {
        first.SourcePath = files.front();
    }
    const BuiltParameters built = BuildEngineParameters(settings, {&first, 1});
    return checker.CheckCopy(files, built.EngineParameters, built.OutputExtension, cancel);
}

QString WithCopyNote(const QString& text, const QString& note) {
    if (note.isEmpty() || text.contains(note)) {
        return text;
    }
    return text + QStringLiteral("\n\n") + note;
}

bool AllCopyable(const std::vector<Status>& verdicts) {
    return std::all_of(verdicts.begin(), verdicts.end(),
                       [](const Status& verdict) { return verdict.Ok(); });
}

QByteArray CopyVerdictsAsText(const std::vector<QString>& files,
                              const std::vector<Status>& verdicts) {
    QByteArray out;
    for (std::size_t i = 0; i < verdicts.size() && i < files.size(); ++i) {
        if (Reported(verdicts, i)) {
            const QString said = verdicts[i].Ok() ? QStringLiteral("ok") : verdicts[i].Message();
            out += (files[i] + QLatin1Char('\t') + said).toUtf8() + '\n';
        }
    }
    return out;
}

QByteArray CopyVerdictsAsJson(const std::vector<QString>& files,
                              const std::vector<Status>& verdicts) {
    QJsonArray array;
    for (std::size_t i = 0; i < verdicts.size() && i < files.size(); ++i) {
        if (Reported(verdicts, i)) {
            array.append(QJsonObject{{QStringLiteral("file"), files[i]},
                                     {QStringLiteral("ok"), verdicts[i].Ok()},
                                     {QStringLiteral("reason"), verdicts[i].Message()}});
        }
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

}  // namespace veltrano
