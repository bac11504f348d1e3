#include "ui/about/form_flash.h"
#include <QCoreApplication>

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "core/product.h"
#include "ui/about/flash_artwork.h"
#include "ui/common/window_icon.h"

namespace veltrano {

namespace {

// The boxes were measured for a narrower face than the desktop's sans: a text that does not
// fit its box takes the condensed cut, then a smaller size, so the box keeps its place and size.
QFont FittingFont(QFont face, const QString& text, QSize box) {
    constexpr qreal kSmallestPoints = 6.0;
    constexpr qreal kStepPoints = 0.25;
    auto fits = [&] {
        const QFontMetrics metrics(face);
        return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height();
    };
    if (!fits()) {
        face.setStretch(QFont::SemiCondensed);
    }
    while (!fits() && face.pointSizeF() - kStepPoints >= kSmallestPoints) {
        face.setPointSizeF(face.pointSizeF() - kStepPoints);
    }
    return face;
}

QLabel* MakeWhiteLabel(QWidget* parent, const QString& text, QRect geometry, bool bold) {
    auto* label = new QLabel(text, parent);
    // The window's face is given to the label itself: a style sheet over the owner (the skin)
    // stops fonts passing from the window to its children.
    QFont labelFont = parent->font();
    labelFont.setBold(bold);
    label->setFont(FittingFont(labelFont, text, geometry.size()));
    QPalette white = label->palette();
    white.setColor(QPalette::WindowText, QColor(255, 255, 255));
    label->setPalette(white);
    label->setGeometry(geometry);
    // Only the window's own surface closes it: clicks on the texts stop here.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

}  // namespace

FormFlash::FormFlash(QWidget* owner, std::unique_ptr<OneShotTimer> timer)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint), timer_(std::move(timer)) {
    setObjectName(QStringLiteral("FormFlash"));
    //: The about window's accessible name; %1 is the product name.
    setAccessibleName(
        QCoreApplication::translate("About", "About %1").arg(QString::fromLatin1(kProductName)));
    setWindowTitle(QString::fromLatin1(kProductName));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    QFont windowFont = font();
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);
    setFixedSize(FlashArtwork::Size());
    ApplyWindowIcon(this);

    labelVer_ = MakeWhiteLabel(this, QCoreApplication::translate("About", "Version 5.0"),
                               QRect(349, 12, 54, 13), false);
    labelVer_->setObjectName(QStringLiteral("LabelVer"));
    labelVer_->setAccessibleName(labelVer_->text());
    // Free software: the licence is named where users look for it (GPL-3.0-or-later).
    labelNotice_ = MakeWhiteLabel(
        this,
        //: %1 is the company name; keep "GNU GPL v3".
        QCoreApplication::translate("About", "\u00A9 2026 %1 \u00B7 GNU GPL v3 or later")
            .arg(QString::fromLatin1(kCompanyName)),
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
