#pragma once

#include <QString>

namespace veltrano {

// Plays `clip` (a flash picture and a beep at the start of every second) on the default
// sound device while recording that device's monitor with parec, and prints the time to
// motion, the offset between each flash shown and its beep heard, and the drift.
int BenchLipSync(const QString& clip);

}  // namespace veltrano
