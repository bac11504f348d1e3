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

    // OutputFolder + OutputName + "." + OutputExtension.
    QString OutputPath() const {
        return OutputFolder + OutputName + QLatin1Char('.') + OutputExtension;
    }
};

}  // namespace veltrano
