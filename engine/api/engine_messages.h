#pragma once

#include <QString>

namespace veltrano {

// Texts of the messages that probing, the joiners and the join runner show. Line breaks are "\r\n"
// as in every message of the program.
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

// Why an input gave a join nothing to decode, as far as it can be told.
enum class UndecodableCause { Encrypted, CutShort, Damaged };

// An input of which no picture and no sound could be decoded: the join fails rather than
// write an output without it.
inline QString NothingDecodable(const QString& path, UndecodableCause cause) {
    const char* why = cause == UndecodableCause::Encrypted  ? "it is encrypted"
                      : cause == UndecodableCause::CutShort ? "it is cut short"
                                                            : "it is damaged";
    return path + QStringLiteral(" holds no picture or sound that can be decoded: ") +
           QLatin1String(why) + QLatin1Char('.');
}

}  // namespace engine_messages

}  // namespace veltrano
