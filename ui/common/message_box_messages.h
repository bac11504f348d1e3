#pragma once

#include <QPointer>
#include <QWidget>

#include "core/user_messages.h"

namespace veltrano {

// UserMessages over QMessageBox: every window's message boxes, owned by one window so they
// stay in front of it.
class MessageBoxMessages : public UserMessages {
public:
    explicit MessageBoxMessages(QWidget* owner = nullptr) : owner_(owner) {}

    // The window the boxes belong to; may change once that window exists.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void Show(const QString& text, const QString& title, Icon icon) override;
    bool AskYesNo(const QString& text, const QString& title) override;

    // The messages carry "\r\n" line breaks; a label here wants "\n".
    static QString DisplayText(const QString& text);

private:
    QPointer<QWidget> owner_;
};

}  // namespace veltrano
