#pragma once

#include <QString>

namespace veltrano {

// What Join Now hands to the join job. One program-wide instance lives for the whole run; the
// Join action overwrites its fields as it passes each step, and the job reads it afterwards.
struct JoinRequest {
    QString OutputFolder;      // trimmed, ends with the path separator; also stored as OutPath
    QString OutputName;        // trimmed, without extension
    QString OutputExtension;   // lower case, without the dot
    QString EngineParameters;  // always ends with "-join"

    // OutputFolder + OutputName + "." + OutputExtension; no dot without an extension (a stream
    // copy of files that have none).
    QString OutputPath() const { return PathOf(OutputFolder, OutputName, OutputExtension); }

    static QString PathOf(const QString& folder, const QString& name, const QString& extension) {
        return extension.isEmpty() ? folder + name : folder + name + QLatin1Char('.') + extension;
    }
};

}  // namespace veltrano
