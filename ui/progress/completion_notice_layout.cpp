#include "ui/progress/completion_notice_layout.h"

namespace veltrano {

int CompletionNoticeLayout::ItemAt(QPoint point) {
    if (!BackgroundRect().contains(point)) {
        return kNoItem;
    }
    // Topmost first: the close button lies over the background and is listed last.
    if (CloseButtonRect().contains(point)) {
        return kCloseItem;
    }
    if (MessageRect().contains(point)) {
        return kMessageItem;
    }
    return kNoItem;
}

CompletionNoticeLayout::ClickAction CompletionNoticeLayout::ActionFor(int itemId) {
    switch (itemId) {
        case 1:
        case kCloseItem:
            return ClickAction::Close;
        case kMessageItem:
            return ClickAction::CloseAndOpenFolder;
        default:
            return ClickAction::None;
    }
}

QPoint CompletionNoticeLayout::PlacementIn(const QRect& availableArea, QSize size) {
    // A small gap keeps the notice off the screen edge and any panel border.
    constexpr int kGap = 4;
    return QPoint(availableArea.right() + 1 - size.width() - kGap,
                  availableArea.bottom() + 1 - size.height() - kGap);
}

}  // namespace veltrano
