#include "cli/terminal_progress_view.h"

#include <QCoreApplication>

namespace veltrano {

TerminalProgressView::TerminalProgressView(bool isTerminal, std::function<void()> onEnded,
                                           std::FILE* stream)
    : isTerminal_(isTerminal), onEnded_(std::move(onEnded)), stream_(stream) {}

QString TerminalProgressView::Line() const {
    const auto orDash = [](const QString& text) {
        return text.isEmpty() ? QStringLiteral("--:--:--") : text;
    };
    return QStringLiteral("%1%  elapsed %2  remaining %3  estimated size %4")
        .arg(QString::number(qMax(percent_, 0)).rightJustified(3), orDash(elapsed_),
             orDash(remaining_), size_.isEmpty() ? QStringLiteral("-") : size_);
}

void TerminalProgressView::SetCaption(const QString& caption) {
    caption_ = caption;
}

void TerminalProgressView::SetProgress(int percent) {
    const bool changed = percent != percent_;
    percent_ = percent;
    if (isTerminal_ || changed) {
        Draw();
    }
}

void TerminalProgressView::Draw() {
    const QByteArray line = Line().toLocal8Bit();
    if (isTerminal_) {
        std::fprintf(stream_, "\r%s\x1b[K", line.constData());
        lineOpen_ = true;
    } else {
        std::fprintf(stream_, "%s\n", line.constData());
    }
    std::fflush(stream_);
}

void TerminalProgressView::EndLine() {
    if (lineOpen_) {
        std::fprintf(stream_, "\n");
        std::fflush(stream_);
        lineOpen_ = false;
    }
}

void TerminalProgressView::ShowCompletionNotice(const QString&, const QString& note) {
    // The bar already went to 100 and was drawn; only the line needs ending.
    EndLine();
    if (!note.isEmpty()) {
        std::fprintf(stream_, "%s\n", note.toLocal8Bit().constData());
        std::fflush(stream_);
    }
    outcome_ = Outcome::Completed;
    if (onEnded_) {
        onEnded_();
    }
}

void TerminalProgressView::CloseWindow() {
    EndLine();
    if (outcome_ == Outcome::Running) {
        outcome_ = Outcome::Closed;
        if (onEnded_) {
            onEnded_();
        }
    }
}

void TerminalProgressView::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

}  // namespace veltrano
