#include "cli/terminal_progress_view.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace veltrano {

namespace {

QByteArray Written(std::FILE* file) {
    std::fflush(file);
    const long size = std::ftell(file);
    std::rewind(file);
    QByteArray bytes(size, '\0');
    const size_t read = std::fread(bytes.data(), 1, static_cast<size_t>(size), file);
    bytes.resize(static_cast<qsizetype>(read));
    return bytes;
}

TEST(TerminalProgressViewTest, PlainLinesOnlyWhenThePercentChanges) {
    std::FILE* file = std::tmpfile();
    int ended = 0;
    TerminalProgressView view(
        false, [&ended] { ++ended; }, file);
    view.SetElapsedText(QStringLiteral("00:00:10"));
    view.SetRemainingText(QStringLiteral("00:00:30"));
    view.SetSizeText(QStringLiteral("12.5 MB"));
    view.SetProgress(25);
    view.SetProgress(25);
    view.SetProgress(26);
    const QByteArray out = Written(file);
    EXPECT_EQ(out.count('\n'), 2);
    EXPECT_TRUE(
        out.startsWith(" 25%  elapsed 00:00:10  remaining 00:00:30  estimated size 12.5 MB\n"))
        << out.constData();
    EXPECT_EQ(ended, 0);
    view.ShowCompletionNotice(QStringLiteral("/tmp/"), QString());
    EXPECT_EQ(view.State(), TerminalProgressView::Outcome::Completed);
    view.CloseWindow();  // closing after completion changes nothing
    EXPECT_EQ(view.State(), TerminalProgressView::Outcome::Completed);
    EXPECT_EQ(ended, 1);
    std::fclose(file);
}

TEST(TerminalProgressViewTest, ACompletedJobsNoteFollowsTheLastLine) {
    std::FILE* file = std::tmpfile();
    TerminalProgressView view(true, {}, file);
    view.SetProgress(100);
    view.ShowCompletionNotice(
        QStringLiteral("/tmp/"),
        QStringLiteral("Left out: subtitles 1 (eng) \u2014 not in every file."));
    EXPECT_TRUE(Written(file).endsWith(
        "\x1b[K\nLeft out: subtitles 1 (eng) \xe2\x80\x94 not in every file.\n"))
        << Written(file).constData();
    EXPECT_EQ(view.State(), TerminalProgressView::Outcome::Completed);
    std::fclose(file);
}

TEST(TerminalProgressViewTest, TerminalRedrawsInPlaceAndEndsTheLineOnClose) {
    std::FILE* file = std::tmpfile();
    int ended = 0;
    TerminalProgressView view(
        true, [&ended] { ++ended; }, file);
    view.SetProgress(1);
    view.SetProgress(1);
    view.CloseWindow();
    const QByteArray out = Written(file);
    EXPECT_EQ(out.count('\r'), 2);
    EXPECT_TRUE(out.endsWith('\n'));
    EXPECT_EQ(view.State(), TerminalProgressView::Outcome::Closed);
    EXPECT_EQ(ended, 1);
    std::fclose(file);
}

}  // namespace

}  // namespace veltrano
