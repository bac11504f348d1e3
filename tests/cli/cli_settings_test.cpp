#include "cli/cli_settings.h"

#include <gtest/gtest.h>

#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/output_settings.h"

namespace veltrano {

namespace {

class CliSettingsTest : public testing::Test {
protected:
    OutputSettings Applied(const CliSettings& cli) {
        OutputSettings settings;
        const Status applied = ApplyCliSettings(settings, cli, catalogue_);
        EXPECT_TRUE(applied.Ok()) << applied.Message().toStdString();
        return settings;
    }
    ProfileCatalogue catalogue_;
};

TEST_F(CliSettingsTest, ProfileByIdentifierNameOrCaption) {
    ASSERT_NE(FindProfile(catalogue_, QStringLiteral("1057")), nullptr);
    EXPECT_EQ(FindProfile(catalogue_, QStringLiteral("1057")),
              FindProfile(catalogue_, QStringLiteral("ID_MPH")));
    EXPECT_EQ(FindProfile(catalogue_, QStringLiteral("MP4 - H264 Video (*.mp4)")),
              FindProfile(catalogue_, QStringLiteral("ID_MPH")));
    // Double blanks are part of the caption.
    EXPECT_NE(FindProfile(catalogue_, QStringLiteral("DVD NTSC - MPEG-2  Video")), nullptr);
    EXPECT_EQ(FindProfile(catalogue_, QStringLiteral("DVD NTSC - MPEG-2 Video")), nullptr);
    EXPECT_EQ(FindProfile(catalogue_, QStringLiteral("9999")), nullptr);

    OutputSettings settings;
    CliSettings cli;
    cli.Profile = QStringLiteral("nonsense");
    const Status applied = ApplyCliSettings(settings, cli, catalogue_);
    EXPECT_FALSE(applied.Ok());
    EXPECT_TRUE(applied.Message().contains("--profile"));
}

TEST_F(CliSettingsTest, WithoutProfileTheInitialStateHoldsInConversion) {
    const OutputSettings settings = Applied({});
    EXPECT_EQ(settings.Mode, JoinMode::Convert);
    EXPECT_EQ(settings.FormatKey, QStringLiteral("mp4h264"));
    EXPECT_EQ(settings.SizeChoice, 0);
    CliSettings copy;
    copy.Copy = true;
    EXPECT_EQ(Applied(copy).Mode, JoinMode::DirectCopy);
}

// The profile's reset runs before the explicit values, whatever the command line's order.
TEST_F(CliSettingsTest, ExplicitValuesWinOverTheProfile) {
    CliSettings cli;
    cli.FrameRate = QStringLiteral("25");
    cli.Profile = QStringLiteral("ID_IPHONEHVIDEO");  // sets 480 x 320 at 29.97, 2 channels
    cli.Size = QStringLiteral("7");
    cli.Channels = 1;
    const OutputSettings settings = Applied(cli);
    EXPECT_EQ(settings.FrameRate, QStringLiteral("25"));
    EXPECT_EQ(settings.SizeChoice, 7);
    EXPECT_EQ(settings.Width, QStringLiteral("640"));
    EXPECT_EQ(settings.Channels, 1);
}

// A quality choice resets the bitrate it governs; a typed bitrate comes after it and stands.
TEST_F(CliSettingsTest, TypedBitratesComeAfterTheQualityLists) {
    CliSettings cli;
    cli.VideoBitrate = QStringLiteral("1200K");
    cli.AudioBitrate = QStringLiteral("96k");
    cli.SampleRate = QStringLiteral("22050");
    cli.VideoQuality = 0;
    cli.AudioQuality = 2;
    const OutputSettings settings = Applied(cli);
    EXPECT_EQ(settings.VideoBitrate, QStringLiteral("1200K"));
    EXPECT_EQ(settings.AudioBitrate, QStringLiteral("96k"));
    EXPECT_EQ(settings.SampleRate, QStringLiteral("22050"));
    EXPECT_EQ(settings.VideoQuality, 0);
    EXPECT_EQ(settings.AudioQuality, 2);
}

TEST_F(CliSettingsTest, TypedValuesAreNormalisedLikeTheGrid) {
    CliSettings cli;
    cli.VideoBitrate = QStringLiteral(" 1500k ");
    cli.FrameRate = QStringLiteral("25fps");
    cli.Aspect = QStringLiteral("16:9");
    cli.SampleRate = QStringLiteral("44.1k");
    const OutputSettings settings = Applied(cli);
    EXPECT_EQ(settings.VideoBitrate, QStringLiteral("1500k"));
    EXPECT_EQ(settings.FrameRate, QStringLiteral("Auto"));
    EXPECT_EQ(settings.AspectRate, QStringLiteral("16:9"));
    EXPECT_EQ(settings.SampleRate, QStringLiteral("Auto"));
}

TEST_F(CliSettingsTest, CustomSizeIsNormalisedAsWhenTheBoxesLoseFocus) {
    CliSettings cli;
    cli.Size = QStringLiteral("641x7");
    const OutputSettings settings = Applied(cli);
    EXPECT_EQ(settings.SizeChoice, 15);
    EXPECT_EQ(settings.Width, QStringLiteral("642"));
    EXPECT_EQ(settings.Height, QStringLiteral("16"));
}

// Removing the audio locks the audio items, but only after every typed value went in.
TEST_F(CliSettingsTest, RemoveAudioComesLast) {
    CliSettings cli;
    cli.RemoveAudio = true;
    cli.AudioBitrate = QStringLiteral("64k");
    cli.Channels = 1;
    const OutputSettings settings = Applied(cli);
    EXPECT_TRUE(settings.RemoveAudio);
    EXPECT_EQ(settings.AudioBitrate, QStringLiteral("64k"));
    EXPECT_EQ(settings.Channels, 1);
}

}  // namespace

}  // namespace veltrano
