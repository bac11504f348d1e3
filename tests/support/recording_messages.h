#pragma once

#include <QList>
#include <QString>

#include "core/user_messages.h"

namespace veltrano {

// Records every message box instead of showing it; answers questions from a script.
class RecordingMessages : public UserMessages {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
    };

    void Show(const QString& text, const QString& title, Icon icon) override {
        shown.append({text, title, icon});
    }
    bool AskYesNo(const QString& text, const QString& title) override {
        shown.append({text, title, Icon::Question});
        return answers.isEmpty() ? false : answers.takeFirst();
    }

    QList<Shown> shown;
    QList<bool> answers;  // answers to AskYesNo, in order; No once exhausted
};

}  // namespace veltrano
