#include "ui/progress/completion_notice.h"
#include <QCoreApplication>

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "core/product.h"
#include "ui/common/accessible_text.h"
#include "ui/progress/close_button_strip.h"

namespace veltrano {

namespace {

using Layout = CompletionNoticeLayout;

const QColor kBackground(255, 255, 225);
const QColor kLinkHover(0, 51, 153);
const char* const kMessage =
    QT_TRANSLATE_NOOP("Notice", "Join Finished. Click here to open the output folder");

// Screen readers read the notice as a notification, the way they read the desktop's own.
QAccessibleInterface* NoticeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("veltrano::CompletionNotice") && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

}  // namespace

CompletionNotice::CompletionNotice(FolderOpener& folderOpener,
                                   std::unique_ptr<OneShotTimer> displayTimer)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      folderOpener_(folderOpener),
      displayTimer_(std::move(displayTimer)) {
    setObjectName(QStringLiteral("CompletionNotice"));
    QAccessible::installFactory(NoticeAccessible);  // once per process: Qt skips a repeat
    setAccessibleName(QCoreApplication::translate("Notice", kMessage));
    setAccessibleDescription(
        QCoreApplication::translate("Notice", "Join finished notice. Escape closes it."));
    // It never takes the focus on its own; a keyboard user who switches to it works it with
    // Enter or Space (the folder) and Escape (close).
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setFixedSize(Layout::Size());
    QFont noticeFont = font();
    noticeFont.setPointSizeF(9.0);
    setFont(noticeFont);
    fadeIn_ = new QPropertyAnimation(this, "windowOpacity", this);
    fadeIn_->setDuration(Layout::kAnimationMs);
    fadeIn_->setStartValue(0.0);
    fadeIn_->setEndValue(1.0);
}

CompletionNotice::~CompletionNotice() = default;

void CompletionNotice::ShowNotice(const QString& outputFolder, const QString& note,
                                  const QScreen* screen) {
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    SetNote(note);  // first: the note decides the notice's height, and so its place
    ShowNoticeAt(outputFolder, note, Layout::PlacementIn(available, size()));
}

void CompletionNotice::SetNote(const QString& note) {
    note_ = note;
    noteRect_ = QRect();
    setToolTip(note);
    if (note.isEmpty()) {
        setFixedSize(Layout::Size());
        return;
    }
    // A band under the notice's own items, as wide as the notice, a few lines at most; the
    // whole note is also the notice's tool tip.
    constexpr int kMargin = 6;
    constexpr int kMostLines = 4;
    const QFontMetrics metrics(NoteFont());
    const QRect band(kMargin, Layout::Size().height(), Layout::Size().width() - 2 * kMargin,
                     kMostLines * metrics.lineSpacing());
    const int height = std::min(
        band.height(), metrics.boundingRect(band, Qt::AlignLeft | Qt::TextWordWrap, note).height());
    noteRect_ = QRect(band.topLeft(), QSize(band.width(), height));
    setFixedSize(Layout::Size().width(), noteRect_.bottom() + 1 + kMargin);
}

QFont CompletionNotice::NoteFont() const {
    QFont noteFont = font();
    noteFont.setPointSizeF(8.0);
    return noteFont;
}

void CompletionNotice::ShowNoticeAt(const QString& outputFolder, const QString& note,
                                    QPoint position) {
    // A notice raised while another is up replaces it and starts its time afresh.
    displayTimer_->Stop();
    fadeIn_->stop();
    outputFolder_ = outputFolder;
    SetNote(note);
    hoveredItem_ = Layout::kNoItem;
    pressedItem_ = Layout::kNoItem;
    const qreal ratio = devicePixelRatioF();
    if (closeButtonStrip_.isNull() || closeButtonStrip_.devicePixelRatio() != ratio) {
        closeButtonStrip_ = CloseButtonStrip::Render(ratio);
    }
    move(position);
    setWindowOpacity(0.0);
    show();
    raise();
    update();
    fadeIn_->start();
    AnnounceAlert(*this);
    // The display time counts from the end of the fade-in.
    displayTimer_->Start(Layout::kAnimationMs + Layout::kDisplayMs, [this] { CloseNotice(); });
}

void CompletionNotice::CloseNotice() {
    displayTimer_->Stop();
    fadeIn_->stop();
    hide();
}

void CompletionNotice::HandleItemClick(int itemId) {
    switch (Layout::ActionFor(itemId)) {
        case Layout::ClickAction::None:
            return;
        case Layout::ClickAction::Close:
            CloseNotice();
            return;
        case Layout::ClickAction::CloseAndOpenFolder:
            CloseNotice();
            folderOpener_.Open(outputFolder_);
            return;
    }
}

void CompletionNotice::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect bounds = Layout::BackgroundRect();
    // The background reaches under the note's band when there is one.
    painter.fillRect(rect(), kBackground);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!note_.isEmpty()) {
        painter.setFont(NoteFont());
        painter.drawText(noteRect_, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note_);
    }

    const bool messageHovered = hoveredItem_ == Layout::kMessageItem;
    QFont messageFont = font();
    messageFont.setUnderline(messageHovered);
    painter.setFont(messageFont);
    painter.setPen(messageHovered ? kLinkHover : QColor(Qt::black));
    painter.setClipRect(bounds.adjusted(1, 1, -1, -1));
    painter.drawText(Layout::MessageRect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QCoreApplication::translate("Notice", kMessage));
    if (hasFocus()) {
        painter.setClipping(false);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        // Only a keyboard user focuses the notice (a click closes it): always show where.
        focus.state |= QStyle::State_KeyboardFocusChange;
        focus.rect = Layout::MessageRect().intersected(bounds.adjusted(2, 2, -2, -2));
        focus.backgroundColor = kBackground;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }

    QFont titleFont = font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const QRect title = Layout::TitleRect();
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(QString::fromLatin1(kProductName),
                                                      Qt::ElideRight, title.width()));

    CloseButtonStrip::Look look = CloseButtonStrip::Look::Normal;
    if (pressedItem_ == Layout::kCloseItem && hoveredItem_ == Layout::kCloseItem) {
        look = CloseButtonStrip::Look::Pressed;
    } else if (hoveredItem_ == Layout::kCloseItem) {
        look = CloseButtonStrip::Look::Highlighted;
    }
    // The source rectangle is in the strip's device pixels.
    const qreal ratio = closeButtonStrip_.devicePixelRatio();
    const QRectF source = CloseButtonStrip::SourceRect(look).toRectF();
    painter.drawPixmap(QRectF(Layout::CloseButtonRect()), closeButtonStrip_,
                       QRectF(source.topLeft() * ratio, source.size() * ratio));
}

void CompletionNotice::SetHoveredItem(int itemId) {
    if (itemId == hoveredItem_) {
        return;
    }
    hoveredItem_ = itemId;
    setCursor(itemId == Layout::kMessageItem ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void CompletionNotice::mouseMoveEvent(QMouseEvent* event) {
    SetHoveredItem(Layout::ItemAt(event->position().toPoint()));
}

void CompletionNotice::leaveEvent(QEvent*) {
    SetHoveredItem(Layout::kNoItem);
}

void CompletionNotice::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressedItem_ = Layout::ItemAt(event->position().toPoint());
    SetHoveredItem(pressedItem_);
    update();
}

void CompletionNotice::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            HandleItemClick(Layout::kCloseItem);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            HandleItemClick(Layout::kMessageItem);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void CompletionNotice::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int pressed = pressedItem_;
    pressedItem_ = Layout::kNoItem;
    update();
    // A click counts where it started and ended on the same item, as with a button.
    if (pressed != Layout::kNoItem && Layout::ItemAt(event->position().toPoint()) == pressed) {
        HandleItemClick(pressed);
    }
}

}  // namespace veltrano
