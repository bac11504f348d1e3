#pragma once

#include <QWidget>

#include "app/player/player_controller.h"

namespace veltrano {

// The player window's boxes as platform message boxes over a parent window.
class QtPlayerMessages : public PlayerMessages {
public:
    explicit QtPlayerMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void ShowPlain(const QString& text, const QString& title) override;
    void ShowCritical(const QString& text, const QString& title) override;

private:
    QWidget* parent_;
};

}  // namespace veltrano
