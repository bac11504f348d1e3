#include "ui/player/qt_player_messages.h"

#include <QMessageBox>

namespace veltrano {

void QtPlayerMessages::ShowPlain(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

void QtPlayerMessages::ShowCritical(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace veltrano
