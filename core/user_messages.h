#pragma once

#include <QString>

namespace veltrano {

// Message boxes go through this interface so that logic can be tested without a window.
// Texts, titles and icons are the program's own; multi-line texts use "\r\n".
class UserMessages {
public:
    enum class Icon { Information, Warning, Error, Question };

    virtual ~UserMessages() = default;
    // A box with one OK button.
    virtual void Show(const QString& text, const QString& title, Icon icon) = 0;
    // A box with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& title) = 0;
};

}  // namespace veltrano
