#pragma once

#include <QString>
#include <QWidget>

namespace veltrano {

// The windows the main window's commands open. The window program wires the real ones; tests
// use fakes.
class WindowOpeners {
public:
    virtual ~WindowOpeners() = default;
    virtual void OpenOutputSettings(QWidget* owner) = 0;               // Join, with enough rows
    virtual void OpenPlayer(QWidget* owner, const QString& path) = 0;  // Play, on the focused row
    virtual void OpenAbout(QWidget* owner) = 0;                        // About
};

}  // namespace veltrano
