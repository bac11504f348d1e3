#pragma once

#include <QString>
#include <QStringList>

namespace veltrano {

// The order in which files chosen together were most likely filmed. A file dialog hands its
// selection back in its own order (often the order of clicks), which says nothing about the
// footage. Names compare naturally ("clip2" before "clip10", case ignored), and the parts a
// camera splits one recording into stay together in recording order: GoPro's GH/GX files
// (GH01xxxx, GH02xxxx, ...) and the older GOPRxxxx followed by GP01xxxx, GP02xxxx, ....
// Dated or numbered names of phones and drones sort correctly by the natural order alone.
bool RecordingOrderLess(const QString& pathA, const QString& pathB);
QStringList InRecordingOrder(QStringList paths);

}  // namespace veltrano
