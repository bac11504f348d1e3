#pragma once

#include <QList>
#include <QString>

#include "core/user_messages.h"

namespace veltrano {

// Records every message box instead of showing it; answers questions from a script.
class RecordingMessages : public UserMessages {
public:
    struct Box {
        QString Text;
        QString Title;
        UserMessages::Icon Icon;
    };

    void Show(const QString& text, const QString& title, Icon icon) override {
        Shown.append({text, title, icon});
    }
    bool AskYesNo(const QString& text, const QString& title) override {
        Shown.append({text, title, Icon::Question});
        return Answers.isEmpty() ? false : Answers.takeFirst();
    }

    QList<Box> Shown;
    QList<bool> Answers;  // answers to AskYesNo, in order; No once exhausted
};

}  // namespace veltrano
