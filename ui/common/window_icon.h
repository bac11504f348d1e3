#pragma once

#include <QIcon>

class QWidget;

namespace veltrano {

// The program's own icon, from the built-in resources.
QIcon ProgramIcon();
// Gives a window the program's icon; every window calls it once while loading.
void ApplyWindowIcon(QWidget* window);

}  // namespace veltrano
