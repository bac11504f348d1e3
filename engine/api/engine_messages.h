#pragma once

#include <QCoreApplication>
#include <QString>

namespace veltrano {

// Texts of the messages that probing, the joiners and the join runner show. Line breaks are "\r\n"
// as in every message of the program. The window program translates them (context "Engine"); the
// command line installs no translator, so it prints them in English.
namespace engine_messages {

// A file the engine cannot open, with the engine's reason.
inline QString CannotOpenFile(const QString& path, const QString& errorText) {
    return QCoreApplication::translate("Engine", "Can not open file: ") + QStringLiteral("\r\n") +
           path + QStringLiteral("\r\n\r\n") + QCoreApplication::translate("Engine", "Error: ") +
           QStringLiteral("\r\n") + errorText;
}

// An output the encoder refuses (path or parameters).
inline QString CannotConvert(const QString& errorText) {
    return QCoreApplication::translate("Engine", "Cannot convert.") + QStringLiteral("\r\n") +
           QCoreApplication::translate("Engine", "Error: ") + errorText + QStringLiteral("\r\n") +
           QCoreApplication::translate("Engine", "Please try to convert it to another format");
}

// Why an input gave a join nothing to decode, as far as it can be told.
enum class UndecodableCause { Encrypted, CutShort, Damaged };

// An input of which no picture and no sound could be decoded: the join fails rather than
// write an output without it.
inline QString NothingDecodable(const QString& path, UndecodableCause cause) {
    // Whole sentences: in many languages the reason's words agree with the rest of the sentence.
    switch (cause) {
        case UndecodableCause::Encrypted:
            //: %1 is the file's path.
            return QCoreApplication::translate(
                       "Engine",
                       "%1 holds no picture or sound that can be decoded: it is encrypted.")
                .arg(path);
        case UndecodableCause::CutShort:
            //: %1 is the file's path.
            return QCoreApplication::translate(
                       "Engine",
                       "%1 holds no picture or sound that can be decoded: it is cut short.")
                .arg(path);
        case UndecodableCause::Damaged:
            break;
    }
    //: %1 is the file's path.
    return QCoreApplication::translate(
               "Engine", "%1 holds no picture or sound that can be decoded: it is damaged.")
        .arg(path);
}

}  // namespace engine_messages

}  // namespace veltrano
