#include "ui/main/form_wait.h"
#include <QCoreApplication>

#include <QCloseEvent>

#include "ui/common/window_icon.h"

namespace veltrano {

FormWait::FormWait(QWidget* owner) : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FormWait"));
    setWindowTitle(QCoreApplication::translate("Main", "Please wait..."));
    setAccessibleName(windowTitle());
    setAccessibleDescription(QCoreApplication::translate("Main", "Reading files"));
    setWindowModality(Qt::NonModal);
    setFixedSize(294, 61);
    QFont font = this->font();
    font.setPointSize(9);
    setFont(font);
    label3_ =
        new QLabel(QCoreApplication::translate("Main", "Reading files, please wait..."), this);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setAccessibleName(
        QCoreApplication::translate("Main", "Reading files, please wait..."));
    label3_->setGeometry(24, 20, 244, 19);
    ApplyWindowIcon(this);
}

void FormWait::CloseByProgram() {
    programClose_ = true;
    close();
    programClose_ = false;
}

void FormWait::closeEvent(QCloseEvent* event) {
    // The probing loop owns this window; closing it from outside would not stop the loop.
    if (!programClose_) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace veltrano
