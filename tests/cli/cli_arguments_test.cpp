#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

namespace veltrano {

namespace {

CliArguments Parsed(const QStringList& args) {
    const Result<CliArguments> result = ParseCliArguments(args);
    EXPECT_TRUE(result.Ok()) << result.Message().toStdString();
    return result.Ok() ? *result : CliArguments{};
}

QString ErrorOf(const QStringList& args) {
    const Result<CliArguments> result = ParseCliArguments(args);
    EXPECT_FALSE(result.Ok());
    return result.Message();
}

TEST(CliArgumentsTest, CommandsAndFiles) {
    EXPECT_EQ(Parsed({"profiles"}).Command, CliCommand::Profiles);
    const CliArguments probe = Parsed({"probe", "--json", "a.mp4", "b.mp4"});
    EXPECT_EQ(probe.Command, CliCommand::Probe);
    EXPECT_TRUE(probe.Json);
    EXPECT_EQ(probe.Files, (QStringList{"a.mp4", "b.mp4"}));
    EXPECT_EQ(Parsed({"--help"}).Command, CliCommand::Help);
    EXPECT_EQ(Parsed({"join", "--help"}).Command, CliCommand::Help);
    // After "--" everything is a file, even what looks like an option.
    EXPECT_EQ(Parsed({"params", "--", "--copy", "-x.mp4"}).Files,
              (QStringList{"--copy", "-x.mp4"}));
}

TEST(CliArgumentsTest, ValuesAsNextArgumentOrAfterEquals) {
    const CliArguments a = Parsed({"join", "--video-bitrate", "1200k", "--name= spaced ",
                                   "--folder=/tmp/out", "--profile", "ID_MPH", "x.mp4", "y.mp4"});
    EXPECT_EQ(a.Settings.VideoBitrate, QStringLiteral("1200k"));
    EXPECT_EQ(a.Name, QStringLiteral(" spaced ")) << "the = form keeps spaces";
    EXPECT_EQ(a.Folder, QStringLiteral("/tmp/out"));
    EXPECT_EQ(a.Settings.Profile, QStringLiteral("ID_MPH"));
    EXPECT_EQ(Parsed({"params", "--aspect=", "x"}).Settings.Aspect, QString());
}

TEST(CliArgumentsTest, QualitiesChannelsAndSizes) {
    const CliArguments a = Parsed({"params", "--video-quality", "HIGH", "--audio-quality=2",
                                   "--channels", "auto", "--size", "7", "f"});
    EXPECT_EQ(a.Settings.VideoQuality, 0);
    EXPECT_EQ(a.Settings.AudioQuality, 2);
    EXPECT_EQ(a.Settings.Channels, 0);
    EXPECT_EQ(a.Settings.Size, QStringLiteral("7"));
    EXPECT_EQ(Parsed({"params", "--size=640x480", "--channels=1", "f"}).Settings.Channels, 1);
    EXPECT_TRUE(ErrorOf({"params", "--size", "16", "f"}).contains("--size"));
    EXPECT_TRUE(ErrorOf({"params", "--size", "640*480", "f"}).contains("--size"));
    EXPECT_TRUE(ErrorOf({"params", "--video-quality", "best", "f"}).contains("--video-quality"));
    EXPECT_TRUE(ErrorOf({"params", "--channels", "3", "f"}).contains("--channels"));
}

TEST(CliArgumentsTest, ErrorsNameTheOption) {
    EXPECT_TRUE(ErrorOf({"params", "--bogus", "f"}).contains("--bogus"));
    EXPECT_TRUE(ErrorOf({"params", "--video-bitrate"}).contains("--video-bitrate"));
    EXPECT_TRUE(ErrorOf({"params", "--copy=yes", "f"}).contains("--copy"));
    // Options belong to their commands.
    EXPECT_TRUE(ErrorOf({"probe", "--copy", "f"}).contains("--copy"));
    EXPECT_TRUE(ErrorOf({"params", "--name", "n", "f"}).contains("--name"));
    EXPECT_TRUE(ErrorOf({"params", "--json", "f"}).contains("--json"));
    EXPECT_FALSE(ErrorOf({"frobnicate"}).isEmpty());
    EXPECT_FALSE(ErrorOf({}).isEmpty());
}

TEST(CliArgumentsTest, VersionStandsAlone) {
    EXPECT_EQ(Parsed({"--version"}).Command, CliCommand::Version);
    EXPECT_EQ(CliVersionText(), QStringLiteral("veltrano-join 5.0.0"));
    // Anything after --version is a mistake worth reporting, not silently ignored.
    EXPECT_TRUE(ErrorOf({"--version", "extra"}).contains("--version"));
    // Within a command it is not an option.
    EXPECT_TRUE(ErrorOf({"probe", "--version", "f"}).contains("--version"));
}

TEST(CliArgumentsTest, FileCounts) {
    EXPECT_FALSE(ErrorOf({"probe"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"params"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"join", "one.mp4"}).isEmpty());
    EXPECT_FALSE(ErrorOf({"profiles", "extra"}).isEmpty());
}

TEST(CliArgumentsTest, UsageDocumentsTheInterface) {
    const QString usage = CliUsageText();
    for (const char* text :
         {"veltrano-join profiles", "veltrano-join probe [--json] FILE...",
          "veltrano-join params [SETTINGS] FILE...", "veltrano-join check [--json] FILE...",
          "veltrano-join join [SETTINGS] [--name NAME] [--folder DIR] [--yes] [--no-chapters] "
          "FILE...",
          "--video-bitrate", "--remove-audio", "--channels auto|1|2"}) {
        EXPECT_TRUE(usage.contains(QString::fromLatin1(text))) << text;
    }
}

}  // namespace

}  // namespace veltrano
