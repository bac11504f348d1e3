#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace veltrano {

// Where the completion notice's items lie and what a click on each does, in pixels of the
// notice. Items are stacked in the order they are listed; a later one lies on top.
class CompletionNoticeLayout {
public:
    // Item ids that a click reports; the background and the title have none.
    static constexpr int kNoItem = 0;
    static constexpr int kCloseItem = 2;
    static constexpr int kMessageItem = 3;

    enum class ClickAction { None, Close, CloseAndOpenFolder };

    static constexpr int kAnimationMs = 256;
    static constexpr int kDisplayMs = 5000;

    static QSize Size() { return {220, 70}; }
    static QRect BackgroundRect() { return FromEdges(0, 0, 220, 70); }
    // Reaches below the notice's bottom edge; what lies outside the notice is never drawn.
    static QRect MessageRect() { return FromEdges(20, 30, 200, 100); }
    static QRect TitleRect() { return FromEdges(5, 0, 170, 25); }
    static QRect CloseButtonRect() { return FromEdges(200, 2, 218, 20); }

    // The id of the topmost item with an id at `point`, or kNoItem.
    static int ItemAt(QPoint point);
    // Ids 1 and 2 close the notice, 3 also opens the output folder.
    static ClickAction ActionFor(int itemId);
    // Top-left corner that puts a notice of `size` in the bottom-right corner of
    // `availableArea`.
    static QPoint PlacementIn(const QRect& availableArea, QSize size = Size());

private:
    // Rectangles are given by their edges (left, top, right, bottom), right and bottom
    // exclusive.
    static QRect FromEdges(int left, int top, int right, int bottom) {
        return QRect(left, top, right - left, bottom - top);
    }
};

}  // namespace veltrano
