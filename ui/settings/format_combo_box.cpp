#include "ui/settings/format_combo_box.h"

namespace veltrano {

FormatComboBox::FormatComboBox(QWidget* parent) : QComboBox(parent) {}

void FormatComboBox::showPopup() {
    emit PopupRequested();
}

}  // namespace veltrano
