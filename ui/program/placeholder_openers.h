#pragma once

#include "core/user_messages.h"
#include "ui/main/window_openers.h"

namespace veltrano {

// The windows that the main window opens and that are not part of the program yet: each
// command says so in an information box instead of pretending.
class PlaceholderOpeners : public WindowOpeners {
public:
    explicit PlaceholderOpeners(UserMessages& messages) : messages_(messages) {}

    void OpenOutputSettings(QWidget* owner) override;
    void OpenPlayer(QWidget* owner, const QString& path) override;
    void OpenAbout(QWidget* owner) override;

private:
    void NotBuiltYet(const QString& window);

    UserMessages& messages_;
};

}  // namespace veltrano
