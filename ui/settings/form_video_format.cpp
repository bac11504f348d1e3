#include "ui/settings/form_video_format.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QShowEvent>

#include "core/product.h"
#include "profiles/output_dialog_texts.h"
#include "profiles/output_name.h"
#include "ui/common/caption_fit.h"
#include "ui/common/window_icon.h"

namespace veltrano {

namespace {

namespace Texts = OutputDialogTexts;

// The client area is 12180 x 6405 twips when wide; the outer widths of the two states include
// a frame of 90 twips.
constexpr int kFrameWidthTwips = 12270 - 12180;
constexpr int kClientHeightTwips = 6405;
constexpr int kDialogPointSize = 9;

void SetTextIfChanged(QLineEdit* box, const QString& text) {
    if (box->text() != text) {
        box->setText(text);
    }
}

bool IsDialogKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
           key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete;
}

}  // namespace

FormVideoFormat::FormVideoFormat(const ProfileCatalogue& catalogue, const JoinList& list,
                                 JoinRequest& request, UserMessages& messages,
                                 FolderBrowser& browser, QString initialOutputFolder,
                                 std::function<void()> showProgressWindow, QWidget* owner)
    : QDialog(owner),
      catalogue_(catalogue),
      list_(list),
      request_(request),
      messages_(messages),
      browser_(browser),
      showProgressWindow_(std::move(showProgressWindow)) {
    setObjectName(QStringLiteral("FormVideoFormat"));
    setWindowTitle(QCoreApplication::translate("Settings", "Output Settings"));
    setAccessibleName(QCoreApplication::translate("Settings", "Output Settings"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont dialogFont = font();
    dialogFont.setPointSize(kDialogPointSize);
    // The layout was drawn for a narrow sans face; the condensed cut of the default sans face
    // keeps the captions inside their controls at the same point size.
    dialogFont.setStretch(QFont::SemiCondensed);
    setFont(dialogFont);

    CreateControls();
    // The skin's style sheet over the owner stops fonts passing from parent to child: every
    // control gets the dialog's face itself, keeping the weight it chose (the bold name box).
    for (QWidget* child : findChildren<QWidget*>()) {
        QFont childFont = dialogFont;
        childFont.setWeight(child->font().weight());
        child->setFont(childFont);
    }
    FitTranslatedCaptions();

    // Loading: the default profile without a reset, the last output folder, and the grid
    // collapsed by one run of the "More" toggle from the expanded state.
    settings_.FolderText = std::move(initialOutputFolder);
    settings_.AdvancedExpanded = true;
    settings_.ToggleAdvanced();

    ConnectControls();
    Render();
    ApplyWindowIcon(this);
    // The first control takes the initial focus, which selects direct stream copy.
    option1_->setFocus(Qt::OtherFocusReason);
}

void FormVideoFormat::OpenModal() {
    exec();
}

QPoint FormVideoFormat::FormatMenuPosition() const {
    return comboFormat_->mapToGlobal(QPoint(0, comboFormat_->height()));
}

void FormVideoFormat::FocusFileName() {
    textFileName_->setFocus(Qt::OtherFocusReason);
}

void FormVideoFormat::FocusFolder() {
    textFolder_->setFocus(Qt::OtherFocusReason);
}

void FormVideoFormat::HideDialog() {
    Render();
    hide();
}

void FormVideoFormat::ShowProgressWindow() {
    if (showProgressWindow_) {
        showProgressWindow_();
    }
}

void FormVideoFormat::showEvent(QShowEvent* event) {
    // Every opening proposes the name afresh from the list's first file.
    if (!event->spontaneous() && list_.Count() > 0) {
        settings_.ProposeOutputName(list_.Row(0).SourcePath);
        Render();
    }
    QDialog::showEvent(event);
}

void FormVideoFormat::ConnectControls() {
    connect(option1_, &QRadioButton::toggled, this, &FormVideoFormat::OnJoinMode);
    connect(option2_, &QRadioButton::toggled, this, &FormVideoFormat::OnJoinMode);
    connect(comboFormat_, &FormatComboBox::PopupRequested, this,
            &FormVideoFormat::OnFormatPopupRequested);
    connect(formatMenu_, &FormatMenu::ProfileChosen, this, &FormVideoFormat::OnProfileChosen);
    connect(comboSize_, &QComboBox::currentIndexChanged, this, &FormVideoFormat::OnSizeRow);
    connect(comboVideoQ_, &QComboBox::currentIndexChanged, this, &FormVideoFormat::OnVideoQuality);
    connect(comboAudioQ_, &QComboBox::currentIndexChanged, this, &FormVideoFormat::OnAudioQuality);
    // textChanged, not textEdited: a screen reader or dictation tool sets a box's text
    // without typing, and that is the user's entry too. Render writes back what it read.
    connect(textW_, &QLineEdit::textChanged, this,
            [this](const QString& text) { settings_.Width = text; });
    connect(textH_, &QLineEdit::textChanged, this,
            [this](const QString& text) { settings_.Height = text; });
    textW_->installEventFilter(this);
    textH_->installEventFilter(this);
    connect(btnMore_, &QPushButton::clicked, this, &FormVideoFormat::OnMore);

    connect(textFileName_, &QLineEdit::textChanged, this, &FormVideoFormat::OnFileNameChanged);
    textFileName_->installEventFilter(this);
    connect(textFolder_, &QLineEdit::textChanged, this,
            [this](const QString& text) { settings_.FolderText = text; });
    connect(btnBrowse_, &QPushButton::clicked, this, [this] {
        BrowseForFolder(settings_, browser_);
        Render();
    });
    connect(btnJoin_, &QPushButton::clicked, this, &FormVideoFormat::OnJoin);
    connect(btnCancel_, &QPushButton::clicked, this, &FormVideoFormat::hide);

    connect(propertyGrid1_, &PropertyGrid::TextEdited, this,
            [this](GridItem item, const QString& text) {
                settings_.EditGridText(item, text);
                Render();
            });
    connect(propertyGrid1_, &PropertyGrid::ChannelsChosen, this, [this](int channels) {
        settings_.EditChannels(channels);
        Render();
    });
    connect(propertyGrid1_, &PropertyGrid::RemoveAudioToggled, this, [this](bool remove) {
        settings_.EditRemoveAudio(remove);
        Render();
    });
}

void FormVideoFormat::Render() {
    const bool wasRendering = rendering_;
    rendering_ = true;

    if (settings_.Mode == JoinMode::DirectCopy) {
        option1_->setChecked(true);
    } else {
        option2_->setChecked(true);
    }

    const QString caption = FormatMenu::ProfileText(settings_.FormatCaption);
    if (comboFormat_->count() != 1 || comboFormat_->itemText(0) != caption) {
        comboFormat_->clear();
        comboFormat_->addItem(caption);
    }
    comboFormat_->setCurrentIndex(0);
    comboSize_->setCurrentIndex(settings_.SizeChoice);
    SetTextIfChanged(textW_, settings_.Width);
    SetTextIfChanged(textH_, settings_.Height);
    textW_->setEnabled(settings_.SizeBoxesEnabled());
    textH_->setEnabled(settings_.SizeBoxesEnabled());
    comboVideoQ_->setCurrentIndex(settings_.VideoQuality);
    comboAudioQ_->setCurrentIndex(settings_.AudioQuality);

    const bool convert = settings_.ConvertControlsEnabled();
    for (QWidget* control : std::initializer_list<QWidget*>{comboFormat_, comboSize_, comboVideoQ_,
                                                            comboAudioQ_, btnMore_, frame1_}) {
        control->setEnabled(convert);
    }
    const QString more =
        QCoreApplication::translate("Settings", settings_.MoreButtonCaption().toUtf8().constData());
    if (btnMore_->text() != more) {
        btnMore_->setText(more);
        caption_fit::NoteSource(*btnMore_, settings_.MoreButtonCaption().toUtf8().constData());
        FitMoreButton();
        btnMore_->setAccessibleName(btnMore_->text());
    }
    propertyGrid1_->setVisible(settings_.GridVisible());
    propertyGrid1_->Render(settings_);
    const int frameWidth = kFrameWidthTwips / kTwipsPerPixel;
    setFixedSize(settings_.DialogWidthPixels() - frameWidth + extraWidth_,
                 kClientHeightTwips / kTwipsPerPixel);

    SetTextIfChanged(textFileName_, settings_.FileNameText);
    SetTextIfChanged(textFolder_, settings_.FolderText);

    rendering_ = wasRendering;
}

void FormVideoFormat::ApplyFocus(DialogFocus focus) {
    if (focus == DialogFocus::WidthBox) {
        textW_->setFocus(Qt::OtherFocusReason);
    }
}

void FormVideoFormat::OnFormatPopupRequested() {
    formatMenu_->popup(FormatMenuPosition());
}

void FormVideoFormat::OnProfileChosen(int commandId) {
    const OutputProfile* profile = catalogue_.FindByCommandId(commandId);
    if (profile == nullptr) {
        return;
    }
    const DialogFocus focus = settings_.ApplyProfile(*profile);
    Render();
    ApplyFocus(focus);
}

void FormVideoFormat::OnSizeRow(int row) {
    if (rendering_) {
        return;
    }
    const DialogFocus focus = settings_.SelectSizeRow(row);
    Render();
    ApplyFocus(focus);
}

void FormVideoFormat::OnVideoQuality(int row) {
    if (rendering_ || row < 0) {
        return;
    }
    settings_.SelectVideoQuality(row);
    Render();
}

void FormVideoFormat::OnAudioQuality(int row) {
    if (rendering_ || row < 0) {
        return;
    }
    settings_.SelectAudioQuality(row);
    Render();
}

void FormVideoFormat::OnMore() {
    settings_.ToggleAdvanced();
    Render();
}

void FormVideoFormat::OnJoinMode() {
    if (rendering_) {
        return;
    }
    settings_.SelectJoinMode(option1_->isChecked() ? JoinMode::DirectCopy : JoinMode::Convert);
    Render();
}

void FormVideoFormat::OnFileNameChanged(const QString& text) {
    if (rendering_) {
        return;
    }
    settings_.SetFileNameText(text);
    if (settings_.FileNameText == text) {
        return;
    }
    // The caret stays after the same kept characters it followed before the filter ran.
    const int caret = textFileName_->cursorPosition();
    const int keptBeforeCaret = static_cast<int>(FilterFileName(text.left(caret)).size());
    Render();
    textFileName_->setCursorPosition(keptBeforeCaret);
}

void FormVideoFormat::OnJoin() {
    JoinAction action(settings_, request_, messages_, *this, browser_);
    const std::vector<MediaItem> rows = JoinListRows(list_);
    action.Run(rows, list_.FirstCopyNote());
    Render();
}

bool FormVideoFormat::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textW_ || watched == textH_) {
        if (event->type() == QEvent::KeyPress) {
            return FilterDimensionKeyPress(watched, event);
        }
        if (event->type() == QEvent::FocusOut) {
            OnDimensionFocusOut(watched, event);
        }
    } else if (watched == textFileName_ && event->type() == QEvent::KeyPress) {
        return FilterNameKeyPress(event);
    }
    return QDialog::eventFilter(watched, event);
}

bool FormVideoFormat::FilterDimensionKeyPress(QObject*, QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keys without a character (arrows, Home) and the dialog's own keys always work; copy and
    // paste shortcuts too, since pasted text is normalised when the box loses the focus.
    if (key->text().isEmpty() || IsDialogKey(key->key()) ||
        key->modifiers().testFlag(Qt::ControlModifier)) {
        return false;
    }
    for (QChar c : key->text()) {
        if (!FilterDimensionKey(c)) {
            return true;  // swallowed
        }
    }
    return false;
}

bool FormVideoFormat::FilterNameKeyPress(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    for (QChar c : key->text()) {
        if (!FilterFileNameKey(c)) {
            return true;  // swallowed
        }
    }
    return false;
}

void FormVideoFormat::OnDimensionFocusOut(QObject* watched, QEvent* event) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A context menu or a switch to another program is no move to another control; a box that
    // was just disabled (size "Auto") holds nothing to normalise.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
        !settings_.SizeBoxesEnabled()) {
        return;
    }
    settings_.NormalizeDimension(watched == textW_ ? DimensionBox::Width : DimensionBox::Height);
    Render();
}

}  // namespace veltrano
