#include "core/console_messages.h"

namespace veltrano {

namespace {

// Message texts break lines with "\r\n"; a terminal wants plain line feeds.
QByteArray ForConsole(const QString& text) {
    QString copy = text;
    copy.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return copy.toLocal8Bit();
}

}  // namespace

void ConsoleMessages::Show(const QString& text, const QString&, Icon) {
    ++shown_;
    std::fprintf(stream_, "%s\n", ForConsole(text).constData());
    std::fflush(stream_);
}

bool ConsoleMessages::AskYesNo(const QString& text, const QString&) {
    if (answerYes_) {
        return true;
    }
    ++shown_;
    std::fprintf(stream_, "%s\nAnswering no; pass --yes to replace it.\n",
                 ForConsole(text).constData());
    std::fflush(stream_);
    return false;
}

}  // namespace veltrano
