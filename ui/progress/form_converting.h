#pragma once

#include <QDialog>
#include <QString>

#include "app/join/join_runner.h"
#include "app/join/progress_view.h"
#include "ui/progress/completion_notice.h"
#include "ui/progress/completion_sound.h"
#include "ui/progress/taskbar_progress.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace veltrano {

// The progress window of one join. It renders what JoinRunner decides and forwards its button
// and its closing to the runner; a fresh window is made for every join. Once closed it shows
// nothing more, whatever arrives late.
class FormConverting : public QDialog, public ProgressView {
    Q_OBJECT

public:
    FormConverting(QWidget* owner, JoinRunner& runner, TaskbarProgress& taskbar,
                   CompletionSound& sound, CompletionNotice& notice);
    ~FormConverting() override;

    // True once the window has closed by any path, also before it was ever shown.
    bool IsClosed() const { return closed_; }

    QProgressBar* ProgressBar1() const { return progressBar1_; }
    QLineEdit* Text1() const { return text1_; }
    QLineEdit* Text2() const { return text2_; }
    QLineEdit* Text3() const { return text3_; }
    QPushButton* BtnStop() const { return btnStop_; }
    // Hidden until a finished join brings a note.
    QLabel* NoteLabel() const { return noteLabel_; }

    // ProgressView
    void SetCaption(const QString& caption) override;
    void SetButtonCaption(const QString& caption) override;
    void SetElapsedText(const QString& text) override;
    void SetRemainingText(const QString& text) override;
    void SetSizeText(const QString& text) override;
    void SetProgress(int percent) override;
    void SetTaskbarProgress(int percent) override;
    void ClearTaskbarProgress() override;
    void PlayCompletionSound() override;
    void ShowCompletionNotice(const QString& outputFolder, const QString& note) override;
    void CloseWindow() override;
    void ProcessPendingEvents() override;

    // Every path that closes the dialog (button, close box, Escape, CloseWindow) ends here.
    void done(int result) override;

private:
    void BuildControls();
    void FitTranslatedWidth();
    void SetTitle(const QString& caption);
    void ReportClosed();

    JoinRunner& runner_;
    TaskbarProgress& taskbar_;
    CompletionSound& sound_;
    CompletionNotice& notice_;
    bool closed_ = false;

    QProgressBar* progressBar1_ = nullptr;
    QGroupBox* groupBox1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QPushButton* btnStop_ = nullptr;
    QLabel* noteLabel_ = nullptr;
};

}  // namespace veltrano
