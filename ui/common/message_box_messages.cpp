#include "ui/common/message_box_messages.h"

#include <QMessageBox>

namespace veltrano {

namespace {

QMessageBox::Icon BoxIcon(UserMessages::Icon icon) {
    switch (icon) {
        case UserMessages::Icon::Information:
            return QMessageBox::Information;
        case UserMessages::Icon::Warning:
            return QMessageBox::Warning;
        case UserMessages::Icon::Error:
            return QMessageBox::Critical;
        case UserMessages::Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QString MessageBoxMessages::DisplayText(const QString& text) {
    QString display = text;
    display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return display;
}

void MessageBoxMessages::Show(const QString& text, const QString& title, Icon icon) {
    QMessageBox box(BoxIcon(icon), title, DisplayText(text), QMessageBox::Ok, owner_.data());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxMessages::AskYesNo(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, DisplayText(text),
                    QMessageBox::Yes | QMessageBox::No, owner_.data());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace veltrano
