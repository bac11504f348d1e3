#include "ui/progress/form_converting.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/product.h"
#include "ui/common/accessible_text.h"
#include "ui/common/caption_fit.h"
#include "ui/common/window_icon.h"

namespace veltrano {

namespace {

// Positions are laid out in twips.
QRect FromTwips(int left, int top, int width, int height) {
    auto px = [](int twips) {
        return static_cast<int>(twips / static_cast<double>(kTwipsPerPixel) + 0.5);
    };
    return QRect(px(left), px(top), px(width), px(height));
}

QLabel* MakeCaptionLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setGeometry(geometry);
    return label;
}

QLineEdit* MakeField(QWidget* parent, const char* name, QRect geometry, QLabel* buddy) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    // Named by its caption and, once there is one, its figure.
    field->setAccessibleName(NameWithValue(buddy->text(), QString()));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setGeometry(geometry);
    buddy->setBuddy(field);
    return field;
}

// The captions were measured for a narrower font than the desktop's sans: a caption that
// does not fit grows, and the three fields give up room on their left, all by the same amount,
// so that the figures stay in one column.
void FitCaptions(const std::vector<std::pair<QLabel*, QLineEdit*>>& rows) {
    constexpr int kGap = 6;
    int fieldsLeft = 0;
    for (const auto& [label, field] : rows) {
        label->ensurePolished();  // the skin's style sheet may change the face
        const QFontMetrics metrics = label->fontMetrics();
        const int textWidth = metrics.horizontalAdvance(label->text().trimmed()) + 2;
        label->resize(std::max(label->width(), textWidth),
                      std::max(label->height(), metrics.height()));
        fieldsLeft = std::max({fieldsLeft, field->x(), label->geometry().right() + 1 + kGap});
    }
    for (const auto& [label, field] : rows) {
        const int right = field->geometry().right();
        field->setGeometry(fieldsLeft, field->y(), right - fieldsLeft + 1, field->height());
    }
}

}  // namespace

FormConverting::FormConverting(QWidget* owner, JoinRunner& runner, TaskbarProgress& taskbar,
                               CompletionSound& sound, CompletionNotice& notice)
    : QDialog(owner), runner_(runner), taskbar_(taskbar), sound_(sound), notice_(notice) {
    setObjectName(QStringLiteral("FormConverting"));
    setAccessibleDescription(QCoreApplication::translate("Progress", "Join progress"));
    // Blocks the main window only: the completion notice, a window of its own, must stay
    // clickable while this window waits for "Close".
    setWindowModality(Qt::WindowModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont windowFont = font();
    windowFont.setPointSizeF(9.0);
    setFont(windowFont);
    setFixedSize(294, 197);
    BuildControls();
    ApplyWindowIcon(this);
    // The runner writes the first caption; until then the window still has one.
    SetTitle(QCoreApplication::translate("Progress", "Please wait..."));
}

void FormConverting::FitTranslatedWidth() {
    // A field keeps room for a long figure ("100:00:00"); when the translated captions leave
    // less, the window widens rather than cutting the figures.
    constexpr int kFieldMargins = 12;
    const int needed =
        text1_->fontMetrics().horizontalAdvance(QStringLiteral("100:00:00")) + kFieldMargins;
    const int extra =
        std::max(0, needed - std::min({text1_->width(), text2_->width(), text3_->width()}));
    if (extra > 0) {
        setFixedSize(width() + extra, height());
        for (QWidget* grown :
             std::initializer_list<QWidget*>{progressBar1_, groupBox1_, text1_, text2_, text3_}) {
            grown->resize(grown->width() + extra, grown->height());
        }
    }
    const bool translated = caption_fit::ShowsTranslation(*btnStop_);
    if (translated) {
        caption_fit::Grow(*btnStop_, caption_fit::Keep::Centre);
    }
    if (translated || extra > 0) {
        btnStop_->move((width() - btnStop_->width()) / 2, btnStop_->y());
    }
}

FormConverting::~FormConverting() {
    // A window destroyed without being closed (its owner went away) still ends its job.
    ReportClosed();
}

void FormConverting::BuildControls() {
    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setAccessibleName(QCoreApplication::translate("Progress", "Percent done"));
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    progressBar1_->setGeometry(FromTwips(180, 180, 4050, 315));

    groupBox1_ = new QGroupBox(this);
    groupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    groupBox1_->setAccessibleName(QCoreApplication::translate("Progress", "Join figures"));
    groupBox1_->setGeometry(FromTwips(180, 570, 4020, 1620));

    label3_ = MakeCaptionLabel(groupBox1_, "Label3",
                               QCoreApplication::translate("Progress", "Time Elapsed: "),
                               FromTwips(180, 330, 1290, 210));
    text1_ = MakeField(groupBox1_, "Text1", FromTwips(1800, 255, 2040, 330), label3_);
    label4_ = MakeCaptionLabel(groupBox1_, "Label4",
                               QCoreApplication::translate("Progress", "Remaining Time:"),
                               FromTwips(180, 750, 1500, 210));
    text2_ = MakeField(groupBox1_, "Text2", FromTwips(1800, 675, 2040, 330), label4_);
    label5_ = MakeCaptionLabel(groupBox1_, "Label5",
                               QCoreApplication::translate("Progress", "Estimated Size: "),
                               FromTwips(180, 1185, 1455, 210));
    text3_ = MakeField(groupBox1_, "Text3", FromTwips(1800, 1110, 2040, 330), label5_);

    FitCaptions({{label3_, text1_}, {label4_, text2_}, {label5_, text3_}});

    btnStop_ = new QPushButton(QCoreApplication::translate("Progress", "Cancel"), this);
    caption_fit::NoteSource(*btnStop_, "Cancel");
    btnStop_->setObjectName(QStringLiteral("BtnStop"));
    btnStop_->setAccessibleName(QCoreApplication::translate("Progress", "Cancel"));
    btnStop_->setAutoDefault(false);
    btnStop_->setGeometry(FromTwips(1478, 2370, 1455, 405));
    FitTranslatedWidth();

    noteLabel_ = new QLabel(this);
    noteLabel_->setObjectName(QStringLiteral("NoteLabel"));
    noteLabel_->setAccessibleDescription(QCoreApplication::translate("Progress", "Join note"));
    noteLabel_->setWordWrap(true);
    noteLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    noteLabel_->hide();
    connect(btnStop_, &QPushButton::clicked, this, [this] {
        if (closed_) {
            return;
        }
        // The runner closes the window through CloseWindow; a window it no longer knows
        // (its job already over) must still close when its button says so. A job that the
        // stop found complete keeps its window, now showing the completion.
        if (runner_.Stop() && !closed_) {
            CloseWindow();
        }
    });
}

void FormConverting::SetCaption(const QString& caption) {
    if (!closed_) {
        SetTitle(caption);
    }
}

void FormConverting::SetTitle(const QString& caption) {
    setWindowTitle(caption);
    // A new title alone reaches no screen reader; a new name is announced.
    setAccessibleName(caption);
}

void FormConverting::SetButtonCaption(const QString& caption) {
    if (!closed_) {
        btnStop_->setText(caption);
        btnStop_->setAccessibleName(caption);
    }
}

void FormConverting::SetElapsedText(const QString& text) {
    if (!closed_) {
        text1_->setText(text);
        SetNameWithValue(*text1_, label3_->text(), text);
    }
}

void FormConverting::SetRemainingText(const QString& text) {
    if (!closed_) {
        text2_->setText(text);
        SetNameWithValue(*text2_, label4_->text(), text);
    }
}

void FormConverting::SetSizeText(const QString& text) {
    if (!closed_) {
        text3_->setText(text);
        SetNameWithValue(*text3_, label5_->text(), text);
    }
}

void FormConverting::SetProgress(int percent) {
    if (!closed_) {
        progressBar1_->setValue(percent);
    }
}

void FormConverting::SetTaskbarProgress(int percent) {
    if (!closed_) {
        taskbar_.SetProgress(percent);
    }
}

void FormConverting::ClearTaskbarProgress() {
    // Also while closing: a closed window must never leave progress on the taskbar.
    taskbar_.Clear();
}

void FormConverting::PlayCompletionSound() {
    if (!closed_) {
        sound_.Play();
    }
}

void FormConverting::ShowCompletionNotice(const QString& outputFolder, const QString& note) {
    if (!closed_ && !note.isEmpty()) {
        // The window stays open until "Close": the note goes under the button, the window
        // growing to hold it.
        constexpr int kMargin = 12;
        const int width = this->width() - 2 * kMargin;
        noteLabel_->setText(note);
        const int height = noteLabel_->heightForWidth(width);
        noteLabel_->setGeometry(kMargin, this->height(), width, height);
        setFixedSize(this->width(), this->height() + height + kMargin);
        noteLabel_->show();
    }
    if (!closed_) {
        // On the screen the user watches the join on.
        notice_.ShowNotice(outputFolder, note, screen());
    }
}

void FormConverting::CloseWindow() {
    if (!closed_) {
        done(QDialog::Rejected);
    }
}

void FormConverting::ProcessPendingEvents() {
    // Queued work (paints, the engine's first events) runs; the user's clicks and keys wait
    // until this window blocks its owner, so nothing can start a second join meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FormConverting::done(int result) {
    ReportClosed();
    QDialog::done(result);
}

void FormConverting::ReportClosed() {
    if (closed_) {
        return;
    }
    closed_ = true;
    runner_.ProgressWindowClosed();
}

}  // namespace veltrano
