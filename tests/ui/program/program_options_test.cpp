// The window program's command line and its placeholder windows.
#include <gtest/gtest.h>

#include "tests/support/recording_messages.h"
#include "ui/program/placeholder_openers.h"
#include "ui/program/program_options.h"

namespace {

using namespace veltrano;

TEST(ProgramOptionsTest, FilesKeepTheirOrderAndOptionsAreRecognisedAnywhere) {
    const ProgramOptions options =
        ParseProgramOptions({"b.mp4", "--print-list", "a.mp4", "-", "--", "--odd.mp4", "-h"});
    EXPECT_TRUE(options.Error.isEmpty());
    EXPECT_TRUE(options.PrintList);
    EXPECT_FALSE(options.Help) << "after -- everything is a file";
    EXPECT_EQ(options.Files, (QStringList{"b.mp4", "a.mp4", "-", "--odd.mp4", "-h"}));
}

TEST(ProgramOptionsTest, HelpAndUnknownOptions) {
    EXPECT_TRUE(ParseProgramOptions({"--help"}).Help);
    EXPECT_TRUE(ParseProgramOptions({"-h", "a.mp4"}).Help);
    const ProgramOptions none = ParseProgramOptions({});
    EXPECT_FALSE(none.Help || none.PrintList);
    EXPECT_TRUE(none.Files.isEmpty());
    const ProgramOptions bad = ParseProgramOptions({"a.mp4", "--print", "--nope"});
    EXPECT_EQ(bad.Error, QStringLiteral("unknown option: --print"));
    EXPECT_TRUE(ProgramUsageText().contains(QLatin1String("--print-list")));
    EXPECT_TRUE(ProgramUsageText().contains(QLatin1String("--help")));
}

TEST(PlaceholderOpenersTest, EachWindowNotBuiltYetSaysSo) {
    RecordingMessages messages;
    PlaceholderOpeners openers(messages);
    openers.OpenOutputSettings(nullptr);
    openers.OpenPlayer(nullptr, QStringLiteral("/videos/a.mp4"));
    openers.OpenAbout(nullptr);
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("The output settings window is not built yet."));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("The player window is not built yet."));
    EXPECT_EQ(messages.shown[2].text, QStringLiteral("The about window is not built yet."));
    for (const auto& shown : messages.shown) {
        EXPECT_EQ(shown.title, QStringLiteral("Veltrano Video Joiner"));
        EXPECT_EQ(shown.icon, UserMessages::Icon::Information);
    }
}

}  // namespace
