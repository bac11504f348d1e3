#pragma once

#include <QString>
#include <cstdio>
#include <functional>

#include "app/join/progress_view.h"

namespace veltrano {

// The progress window of a join as one line on standard error: percent, elapsed, remaining
// and estimated size. On a terminal the line is redrawn in place; otherwise a plain line is
// written each time the percentage changes.
class TerminalProgressView : public ProgressView {
public:
    enum class Outcome { Running, Completed, Closed };

    TerminalProgressView(bool isTerminal, std::function<void()> onEnded,
                         std::FILE* stream = stderr);

    void SetCaption(const QString& caption) override;
    void SetButtonCaption(const QString&) override {}
    void SetElapsedText(const QString& text) override { elapsed_ = text; }
    void SetRemainingText(const QString& text) override { remaining_ = text; }
    void SetSizeText(const QString& text) override { size_ = text; }
    void SetProgress(int percent) override;
    void SetTaskbarProgress(int) override {}
    void ClearTaskbarProgress() override {}
    void PlayCompletionSound() override {}
    void ShowCompletionNotice(const QString& outputFolder, const QString& note) override;
    void CloseWindow() override;
    void ProcessPendingEvents() override;

    Outcome State() const { return outcome_; }
    // The line as it was last drawn.
    QString Line() const;

private:
    void Draw();
    void EndLine();

    bool isTerminal_;
    std::function<void()> onEnded_;
    std::FILE* stream_;
    QString caption_;
    QString elapsed_;
    QString remaining_;
    QString size_;
    int percent_ = -1;
    bool lineOpen_ = false;
    Outcome outcome_ = Outcome::Running;
};

}  // namespace veltrano
