#pragma once

#include <QLabel>
#include <QWidget>

namespace veltrano {

// The wait window FormWait, shown without blocking while a batch of files is probed. The user
// cannot close it; the program closes it with CloseByProgram.
class FormWait : public QWidget {
    Q_OBJECT

public:
    explicit FormWait(QWidget* owner = nullptr);

    void CloseByProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* label3_ = nullptr;
    bool programClose_ = false;
};

}  // namespace veltrano
