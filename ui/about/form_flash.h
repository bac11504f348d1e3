#pragma once

#include <QDialog>
#include <QImage>
#include <memory>

#include "ui/common/one_shot_timer.h"

class QLabel;

namespace veltrano {

// The about window: the product's artwork with its version. Topmost and modal; it closes by
// itself 10 seconds after it appears, or at once when the user clicks its surface (a click on
// one of its texts does nothing). A fresh window is made each time.
class FormFlash : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDisplayMs = 10000;

    FormFlash(QWidget* owner, std::unique_ptr<OneShotTimer> timer);
    ~FormFlash() override;

    QLabel* LabelVer() const { return labelVer_; }
    QLabel* NoticeLabel() const { return labelNotice_; }

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<OneShotTimer> timer_;
    QImage artwork_;
    QLabel* labelVer_ = nullptr;
    QLabel* labelNotice_ = nullptr;
};

// Opens a fresh about window, modally over `owner`, and returns when it has closed.
void ShowAbout(QWidget* owner);

}  // namespace veltrano
