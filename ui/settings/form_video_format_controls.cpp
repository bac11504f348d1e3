// Construction of the output settings dialog's controls: kinds, captions, containers,
// positions and keyboard order.
#include <QCoreApplication>
#include <QFont>

#include "core/product.h"
#include "profiles/output_dialog_texts.h"
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
    // Captions a little wider than their box stay whole, as the original labels did.
    label->setWordWrap(false);
    return Place(label, name, left, top, width, height);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
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
    option2_ = Place(
        new QRadioButton(QCoreApplication::translate("Settings", Texts::kOptionConvert), this),
        "Option2", 210, 660, 2595, 270);

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
    btnMore_ = MakeButton(frame1_, "BtnMore",
                          QCoreApplication::translate("Settings", Texts::kMoreCollapsed), 4980,
                          3105, 1455, 360);

    textFileName_ = Place(new QLineEdit(this), "TextFileName", 1320, 4800, 5655, 315);
    QFont bold = textFileName_->font();
    bold.setBold(true);
    textFileName_->setFont(bold);
    textFolder_ = Place(new QLineEdit(this), "TextFolder", 1320, 5280, 4320, 315);
    btnBrowse_ = MakeButton(this, "BtnBrowse", QCoreApplication::translate("Settings", "Browse..."),
                            5730, 5250, 1260, 360);
    btnJoin_ = MakeButton(this, "BtnJoin", QCoreApplication::translate("Settings", "Join Now"),
                          2880, 5820, 1455, 360);
    btnCancel_ = MakeButton(this, "BtnCancel", QCoreApplication::translate("Settings", "Cancel"),
                            4605, 5820, 1455, 360);

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
