#pragma once

#include <QComboBox>

namespace veltrano {

// The format box: opening its drop-down asks for the profile menu instead of a list, so the
// box only ever shows the chosen profile's caption.
class FormatComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit FormatComboBox(QWidget* parent = nullptr);

    void showPopup() override;

signals:
    void PopupRequested();
};

}  // namespace veltrano
