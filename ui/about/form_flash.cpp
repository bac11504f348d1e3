#include "ui/about/form_flash.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/about/flash_artwork.h"
#include "ui/common/window_icon.h"

namespace veltrano {

namespace {

QLabel* MakeWhiteLabel(QWidget* parent, const QString& text, QRect geometry, bool bold) {
    auto* label = new QLabel(text, parent);
    QFont labelFont = label->font();
    labelFont.setBold(bold);
    label->setFont(labelFont);
    QPalette white = label->palette();
    white.setColor(QPalette::WindowText, QColor(255, 255, 255));
    label->setPalette(white);
    // The place is kept; a text wider than its box (the desktop's sans runs wider than the
    // font the box was measured for) grows it rightwards rather than being cut.
    const QFontMetrics metrics(labelFont);
    geometry.setWidth(std::max(geometry.width(), metrics.horizontalAdvance(text) + 2));
    geometry.setHeight(std::max(geometry.height(), metrics.height()));
    label->setGeometry(geometry);
    // Only the window's own surface closes it: clicks on the texts stop here.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

}  // namespace

FormFlash::FormFlash(QWidget* owner, std::unique_ptr<OneShotTimer> timer)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint), timer_(std::move(timer)) {
    setObjectName(QStringLiteral("FormFlash"));
    setAccessibleName(QStringLiteral("About Veltrano Video Joiner"));
    setWindowTitle(QStringLiteral("Veltrano Video Joiner"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    QFont windowFont = font();
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);
    setFixedSize(FlashArtwork::Size());
    ApplyWindowIcon(this);

    labelVer_ = MakeWhiteLabel(this, QStringLiteral("Version 5.0"), QRect(349, 12, 54, 13), false);
    labelVer_->setObjectName(QStringLiteral("LabelVer"));
    labelVer_->setAccessibleName(labelVer_->text());
    labelNotice_ =
        MakeWhiteLabel(this, QStringLiteral("\u00A9 2026 Veltrano Software. All rights reserved."),
                       QRect(28, 181, 359, 13), true);
    labelNotice_->setObjectName(QStringLiteral("LabelNotice"));
    labelNotice_->setAccessibleName(labelNotice_->text());
}

FormFlash::~FormFlash() = default;

void FormFlash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Ten seconds from when the window appears, counted once.
    timer_->Stop();
    timer_->Start(kDisplayMs, [this] { close(); });
}

void FormFlash::done(int result) {
    timer_->Stop();
    QDialog::done(result);
}

void FormFlash::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (artwork_.isNull() || artwork_.devicePixelRatio() != ratio) {
        artwork_ = FlashArtwork::Render(ratio);
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), artwork_);
}

void FormFlash::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        close();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void ShowAbout(QWidget* owner) {
    FormFlash window(owner, std::make_unique<QtOneShotTimer>());
    window.exec();
}

}  // namespace veltrano
