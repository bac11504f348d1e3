// Construction of the output settings dialog's controls: kinds, captions, containers,
// positions and keyboard order.
#include <QCoreApplication>
#include <QFont>
#include <algorithm>
#include <utility>

#include "core/product.h"
#include "profiles/output_dialog_texts.h"
#include "ui/common/caption_fit.h"
#include "ui/settings/form_video_format.h"

namespace veltrano {

namespace {

namespace Texts = OutputDialogTexts;

// The dialog's layout is drawn in twips; 15 twips make one pixel at 96 dpi.
int Px(int twips) {
    return twips / kTwipsPerPixel;
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(Px(left), Px(top), Px(width), Px(height));
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int left, int top,
                  int width, int height) {
    auto* label = new QLabel(QCoreApplication::translate("Settings", caption), parent);
    caption_fit::NoteSource(*label, caption);
    // Captions a little wider than their box stay whole, as the original labels did.
    label->setWordWrap(false);
    return Place(label, name, left, top, width, height);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left, int top,
                        int width, int height) {
    auto* button = new QPushButton(QCoreApplication::translate("Settings", caption), parent);
    caption_fit::NoteSource(*button, caption);
    // No button answers Enter on its own: Join only runs when it is pressed.
    button->setAutoDefault(false);
    button->setDefault(false);
    return Place(button, name, left, top, width, height);
}

QComboBox* FillList(QComboBox* combo, const auto& rows) {
    for (const char* row : rows) {
        combo->addItem(QCoreApplication::translate("Settings", row));
    }
    return combo;
}

}  // namespace

void FormVideoFormat::CreateControls() {
    option1_ = Place(
        new QRadioButton(QCoreApplication::translate("Settings", Texts::kOptionDirectCopy), this),
        "Option1", 210, 315, 6435, 270);
    caption_fit::NoteSource(*option1_, Texts::kOptionDirectCopy);
    option2_ = Place(
        new QRadioButton(QCoreApplication::translate("Settings", Texts::kOptionConvert), this),
        "Option2", 210, 660, 2595, 270);
    caption_fit::NoteSource(*option2_, Texts::kOptionConvert);

    frame1_ = Place(new QGroupBox(this), "Frame1", 225, 990, 6750, 3660);
    comboFormat_ = Place(new FormatComboBox(frame1_), "ComboFormat", 1755, 360, 4785, 330);
    comboSize_ = Place(FillList(new QComboBox(frame1_), Texts::kSizeRows), "ComboSize", 1755, 937,
                       4785, 330);
    comboSize_->setMaxVisibleItems(static_cast<int>(Texts::kSizeRows.size()));
    textW_ = Place(new QLineEdit(frame1_), "TextW", 2460, 1514, 1005, 315);
    textH_ = Place(new QLineEdit(frame1_), "TextH", 4500, 1514, 1005, 315);
    comboVideoQ_ = Place(FillList(new QComboBox(frame1_), Texts::kQualityRows), "ComboVideoQ", 1755,
                         2076, 4785, 330);
    comboAudioQ_ = Place(FillList(new QComboBox(frame1_), Texts::kQualityRows), "ComboAudioQ", 1755,
                         2655, 4785, 330);
    btnMore_ = MakeButton(frame1_, "BtnMore", Texts::kMoreCollapsed, 4980, 3105, 1455, 360);

    textFileName_ = Place(new QLineEdit(this), "TextFileName", 1320, 4800, 5655, 315);
    QFont bold = textFileName_->font();
    bold.setBold(true);
    textFileName_->setFont(bold);
    textFolder_ = Place(new QLineEdit(this), "TextFolder", 1320, 5280, 4320, 315);
    btnBrowse_ = MakeButton(this, "BtnBrowse", QT_TRANSLATE_NOOP("Settings", "Browse..."), 5730,
                            5250, 1260, 360);
    btnJoin_ = MakeButton(this, "BtnJoin", QT_TRANSLATE_NOOP("Settings", "Join Now"), 2880, 5820,
                          1455, 360);
    btnCancel_ = MakeButton(this, "BtnCancel", QT_TRANSLATE_NOOP("Settings", "Cancel"), 4605, 5820,
                            1455, 360);

    label1_ = MakeLabel(frame1_, "Label1", QT_TRANSLATE_NOOP("Settings", "Output Format:"), 210,
                        390, 1290, 210);
    label2_ = MakeLabel(this, "Label2", QT_TRANSLATE_NOOP("Settings", "Destination:"), 285, 5325,
                        975, 210);
    label3_ = MakeLabel(frame1_, "Label3", QT_TRANSLATE_NOOP("Settings", "Video Size:"), 210, 960,
                        900, 210);
    label4_ = MakeLabel(frame1_, "Label4", QT_TRANSLATE_NOOP("Settings", "Height:"), 3810, 1560,
                        600, 210);
    label5_ = MakeLabel(frame1_, "Label5", QT_TRANSLATE_NOOP("Settings", "Video Quality:"), 210,
                        2130, 1140, 210);
    label6_ = MakeLabel(frame1_, "Label6", QT_TRANSLATE_NOOP("Settings", "Audio Quality:"), 195,
                        2670, 1140, 210);
    label7_ =
        MakeLabel(frame1_, "Label7", QT_TRANSLATE_NOOP("Settings", "Width:"), 1800, 1560, 555, 210);
    label8_ =
        MakeLabel(this, "Label8", QT_TRANSLATE_NOOP("Settings", "File Name:"), 285, 4845, 840, 210);

    propertyGrid1_ = Place(new PropertyGrid(this), "PropertyGrid1", 7080, 1095, 4920, 4020);

    formatMenu_ = new FormatMenu(catalogue_.FormatMenu(), this);

    // Labels name the box beside them for screen readers.
    label1_->setBuddy(comboFormat_);
    label2_->setBuddy(textFolder_);
    label3_->setBuddy(comboSize_);
    label4_->setBuddy(textH_);
    label5_->setBuddy(comboVideoQ_);
    label6_->setBuddy(comboAudioQ_);
    label7_->setBuddy(textW_);
    label8_->setBuddy(textFileName_);

    SetTabOrder();
    SetAccessibleNames();
}

void FormVideoFormat::FitTranslatedCaptions() {
    using caption_fit::Keep;
    constexpr int kGap = 6;
    const auto leftPartRight = [this] {
        int right = 0;
        for (QWidget* control : std::initializer_list<QWidget*>{frame1_, option1_, option2_,
                                                                btnBrowse_, btnJoin_, btnCancel_}) {
            right = std::max(right, control->geometry().right());
        }
        return right;
    };
    const int drawnRight = leftPartRight();
    auto grow = [](QWidget* control, Keep keep) {
        return caption_fit::ShowsTranslation(*control) ? caption_fit::Grow(*control, keep) : 0;
    };
    grow(option1_, Keep::Left);
    grow(option2_, Keep::Left);
    // A caption that grows pushes its box's left edge, all boxes of a column alike.
    const auto fitColumn = [&](std::initializer_list<std::pair<QLabel*, QWidget*>> rows) {
        int left = 0;
        for (const auto& [label, box] : rows) {
            if (grow(label, Keep::Left) > 0) {
                left = std::max(left, label->geometry().right() + 1 + kGap);
            }
        }
        for (const auto& [label, box] : rows) {
            if (box->x() < left) {
                box->setGeometry(left, box->y(), box->geometry().right() + 1 - left, box->height());
            }
        }
    };
    fitColumn({{label1_, comboFormat_},
               {label3_, comboSize_},
               {label5_, comboVideoQ_},
               {label6_, comboAudioQ_}});
    fitColumn({{label7_, textW_}});
    fitColumn({{label4_, textH_}});
    fitColumn({{label8_, textFileName_}, {label2_, textFolder_}});
    // Browse grows to its left, the folder box gives way; Join and Cancel stay a centred pair.
    if (grow(btnBrowse_, Keep::Right) > 0) {
        QRect folder = textFolder_->geometry();
        folder.setRight(std::min(folder.right(), btnBrowse_->x() - kGap - 1));
        textFolder_->setGeometry(folder);
    }
    const int centre = (btnJoin_->x() + btnCancel_->geometry().right() + 1) / 2;
    const int between = btnCancel_->x() - btnJoin_->geometry().right() - 1;
    if (grow(btnJoin_, Keep::Left) + grow(btnCancel_, Keep::Left) > 0) {
        const int pair = btnJoin_->width() + between + btnCancel_->width();
        btnJoin_->move(centre - pair / 2, btnJoin_->y());
        btnCancel_->move(btnJoin_->geometry().right() + 1 + between, btnCancel_->y());
    }
    FitMoreButton();
    // The dialog widens by what the left part needs beyond its drawn width.
    extraWidth_ = std::max(0, leftPartRight() - drawnRight);
    propertyGrid1_->move(propertyGrid1_->x() + extraWidth_, propertyGrid1_->y());
}

void FormVideoFormat::FitMoreButton() {
    // Either caption fits: the button grows to its left inside the frame.
    if (caption_fit::ShowsTranslation(*btnMore_)) {
        caption_fit::Grow(*btnMore_, caption_fit::Keep::Right);
    }
}

void FormVideoFormat::SetTabOrder() {
    // Labels and the caption-less group take no focus; the rest follow the keyboard order.
    QWidget* const order[] = {option1_, option2_,      comboFormat_,          comboSize_,
                              textW_,   textH_,        comboVideoQ_,          comboAudioQ_,
                              btnMore_, textFileName_, textFolder_,           btnBrowse_,
                              btnJoin_, btnCancel_,    propertyGrid1_->Tree()};
    for (size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void FormVideoFormat::SetAccessibleNames() {
    // Each name holds the caption the user sees, so voice control finds the control by what
    // it says; the longer explanations are descriptions.
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             option1_, option2_, btnMore_, btnBrowse_, btnJoin_, btnCancel_}) {
        button->setAccessibleName(button->text());
    }
    for (QLabel* label : {label1_, label2_, label3_, label4_, label5_, label6_, label7_, label8_}) {
        label->setAccessibleName(label->text());
    }
    option1_->setAccessibleDescription(
        QCoreApplication::translate("Settings", "Join without converting"));
    btnMore_->setAccessibleDescription(
        QCoreApplication::translate("Settings", "Show or hide advanced settings"));
    btnBrowse_->setAccessibleDescription(
        QCoreApplication::translate("Settings", "Browse for the destination folder"));
    frame1_->setAccessibleName(QCoreApplication::translate("Settings", "Conversion settings"));
    comboFormat_->setAccessibleName(QCoreApplication::translate("Settings", "Output format"));
    comboFormat_->setAccessibleDescription(
        QCoreApplication::translate("Settings", "Opens the menu of output profiles"));
    comboSize_->setAccessibleName(QCoreApplication::translate("Settings", "Video size"));
    textW_->setAccessibleName(QCoreApplication::translate("Settings", "Video width"));
    textH_->setAccessibleName(QCoreApplication::translate("Settings", "Video height"));
    comboVideoQ_->setAccessibleName(QCoreApplication::translate("Settings", "Video quality"));
    comboAudioQ_->setAccessibleName(QCoreApplication::translate("Settings", "Audio quality"));
    textFileName_->setAccessibleName(QCoreApplication::translate("Settings", "Output file name"));
    textFolder_->setAccessibleName(QCoreApplication::translate("Settings", "Destination folder"));
    propertyGrid1_->setAccessibleName(QCoreApplication::translate("Settings", "Advanced settings"));
}

}  // namespace veltrano
