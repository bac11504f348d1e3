#pragma once

#include <QString>

namespace veltrano {

// Texts of the messages that probing and the join runner show. Line breaks are "\r\n" as in
// every message of the program.
namespace engine_messages {

// A file the engine cannot open, with the engine's reason.
inline QString CannotOpenFile(const QString& path, const QString& errorText) {
    return QStringLiteral("Can not open file: ") + QStringLiteral("\r\n") + path +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Error: ") + QStringLiteral("\r\n") +
           errorText;
}

// An output the encoder refuses (path or parameters).
inline QString CannotConvert(const QString& errorText) {
    return QStringLiteral("Cannot convert.") + QStringLiteral("\r\n") + QStringLiteral("Error: ") +
           errorText + QStringLiteral("\r\n") +
           QStringLiteral("Please try to convert it to another format");
}

}  // namespace engine_messages

}  // namespace veltrano
