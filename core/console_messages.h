#pragma once

#include <QString>
#include <cstdio>

#include "core/user_messages.h"

namespace veltrano {

// Message boxes as lines on standard error, for the command line and the window program's
// --print-list. A Yes/No question is answered by the command line (--yes) instead of a person.
class ConsoleMessages : public UserMessages {
public:
    explicit ConsoleMessages(bool answerYes, std::FILE* stream = stderr)
        : answerYes_(answerYes), stream_(stream) {}

    void Show(const QString& text, const QString& title, Icon icon) override;
    bool AskYesNo(const QString& text, const QString& title) override;

    int MessagesShown() const { return shown_; }

private:
    bool answerYes_;
    std::FILE* stream_;
    int shown_ = 0;
};

}  // namespace veltrano
