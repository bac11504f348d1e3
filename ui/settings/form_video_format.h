#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "app/join/join_action.h"
#include "app/join/join_request.h"
#include "core/list/join_list.h"
#include "core/user_messages.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/output_settings.h"
#include "ui/settings/format_combo_box.h"
#include "ui/settings/format_menu.h"
#include "ui/settings/property_grid.h"

namespace veltrano {

// The output settings dialog "Output Settings": join mode, profile, size and quality, the
// advanced grid, output name and folder, and Join Now. It keeps one OutputSettings, renders it
// into the controls in one place (Render) and forwards every user action to the rules of
// OutputSettings and JoinAction. Runs on the user-interface thread.
class FormVideoFormat : public QDialog, public JoinDialogView {
    Q_OBJECT

public:
    // Built once by the program and only hidden afterwards, so every choice persists for the
    // run. `showProgressWindow` is called by Join Now after the dialog has hidden itself; it
    // opens the progress window (modally, owned by the main window) for the JoinRequest the
    // action wrote. `initialOutputFolder` fills the folder box once, at loading.
    FormVideoFormat(const ProfileCatalogue& catalogue, const JoinList& list, JoinRequest& request,
                    UserMessages& messages, FolderBrowser& browser, QString initialOutputFolder,
                    std::function<void()> showProgressWindow, QWidget* owner);

    // Proposes the name afresh, shows modally, returns when hidden.
    void OpenModal();

    const OutputSettings& Settings() const { return settings_; }
    FormatMenu* ProfileMenu() const { return formatMenu_; }
    PropertyGrid* Grid() const { return propertyGrid1_; }
    // Where the profile menu opens: the format box's lower-left corner, in global pixels.
    QPoint FormatMenuPosition() const;

    // JoinDialogView.
    void FocusFileName() override;
    void FocusFolder() override;
    void HideDialog() override;
    void ShowProgressWindow() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (form_video_format_controls.cpp).
    void CreateControls();
    // Translated captions get the room they need; the English layout stays as drawn.
    void FitTranslatedCaptions();
    void FitMoreButton();
    void SetTabOrder();
    void SetAccessibleNames();

    void ConnectControls();
    // Writes every control from settings_; the only place that does.
    void Render();
    void ApplyFocus(DialogFocus focus);

    void OnFormatPopupRequested();
    void OnProfileChosen(int commandId);
    void OnSizeRow(int row);
    void OnVideoQuality(int row);
    void OnAudioQuality(int row);
    void OnMore();
    void OnJoinMode();
    void OnFileNameChanged(const QString& text);
    void OnJoin();
    bool FilterDimensionKeyPress(QObject* watched, QEvent* event);
    bool FilterNameKeyPress(QEvent* event);
    void OnDimensionFocusOut(QObject* watched, QEvent* event);

    const ProfileCatalogue& catalogue_;
    const JoinList& list_;
    JoinRequest& request_;
    UserMessages& messages_;
    FolderBrowser& browser_;
    std::function<void()> showProgressWindow_;

    OutputSettings settings_;
    bool rendering_ = false;  // control writes of Render are no user actions
    int extraWidth_ = 0;      // what translated captions need beyond the drawn width

    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    FormatComboBox* comboFormat_ = nullptr;
    QComboBox* comboSize_ = nullptr;
    QLineEdit* textW_ = nullptr;
    QLineEdit* textH_ = nullptr;
    QComboBox* comboVideoQ_ = nullptr;
    QComboBox* comboAudioQ_ = nullptr;
    QPushButton* btnMore_ = nullptr;
    QLineEdit* textFileName_ = nullptr;
    QLineEdit* textFolder_ = nullptr;
    QPushButton* btnBrowse_ = nullptr;
    QPushButton* btnJoin_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* label7_ = nullptr;
    QLabel* label8_ = nullptr;
    PropertyGrid* propertyGrid1_ = nullptr;
    FormatMenu* formatMenu_ = nullptr;
};

}  // namespace veltrano
