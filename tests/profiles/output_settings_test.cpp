#include "profiles/output_settings.h"

#include <gtest/gtest.h>

#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/output_dialog_texts.h"

namespace veltrano {

namespace {

const QString kAuto = QStringLiteral("Auto");

void ExpectAdvancedValuesReset(const OutputSettings& s) {
    EXPECT_EQ(s.VideoBitrate, kAuto);
    EXPECT_EQ(s.FrameRate, kAuto);
    EXPECT_EQ(s.AspectRate, kAuto);
    EXPECT_EQ(s.AudioBitrate, kAuto);
    EXPECT_EQ(s.SampleRate, kAuto);
    EXPECT_EQ(s.Channels, 0);
    EXPECT_FALSE(s.RemoveAudio);
}

// Puts a manual change into every value a profile choice resets.
void MakeManualChanges(OutputSettings& s) {
    s.SelectSizeRow(13);
    s.SelectVideoQuality(0);
    s.SelectAudioQuality(2);
    ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, "2000k"));
    ASSERT_TRUE(s.EditGridText(GridItem::FrameRate, "60"));
    ASSERT_TRUE(s.EditGridText(GridItem::AspectRate, "4:3"));
    ASSERT_TRUE(s.EditGridText(GridItem::AudioBitrate, "320k"));
    ASSERT_TRUE(s.EditGridText(GridItem::SampleRate, "48000"));
    ASSERT_TRUE(s.EditChannels(1));
    s.EditRemoveAudio(true);
}

TEST(OutputSettings, StartsAsAFreshlyLoadedDialog) {
    const OutputSettings s;
    EXPECT_EQ(s.FormatKey, QStringLiteral("mp4h264"));
    EXPECT_EQ(s.FormatCaption, QStringLiteral("MP4 - H264 Video (*.mp4)"));
    EXPECT_EQ(s.FilenameExtension, QStringLiteral("mp4"));
    EXPECT_EQ(s.SizeChoice, 0);
    EXPECT_TRUE(s.Width.isEmpty());
    EXPECT_TRUE(s.Height.isEmpty());
    EXPECT_FALSE(s.SizeBoxesEnabled());
    EXPECT_EQ(s.VideoQuality, 1);
    EXPECT_EQ(s.AudioQuality, 1);
    ExpectAdvancedValuesReset(s);
    EXPECT_FALSE(s.AdvancedExpanded);
    EXPECT_FALSE(s.GridVisible());
    EXPECT_EQ(s.MoreButtonCaption(), QStringLiteral("More >>"));
    EXPECT_EQ(s.Mode, JoinMode::DirectCopy);
    EXPECT_FALSE(s.ConvertControlsEnabled());
    EXPECT_EQ(s.FileNameText, QStringLiteral("Join"));
    EXPECT_TRUE(s.FolderText.isEmpty());
}

TEST(OutputSettings, ExposesListCaptionsForTheWindow) {
    ASSERT_EQ(OutputDialogTexts::kSizeRows.size(), 16u);
    EXPECT_STREQ(OutputDialogTexts::kSizeRows[0], "Auto");
    EXPECT_STREQ(OutputDialogTexts::kSizeRows[1], "128 x 96 (sqcif)");
    EXPECT_STREQ(OutputDialogTexts::kSizeRows[15], "Custom...");
    EXPECT_STREQ(OutputDialogTexts::kQualityRows[0], "High (larger file size)");
    EXPECT_STREQ(OutputDialogTexts::kQualityRows[1], "Normal");
    EXPECT_STREQ(OutputDialogTexts::kQualityRows[2], "Low (smaller file size)");
    EXPECT_STREQ(OutputDialogTexts::kOptionDirectCopy,
                 "Direct stream copy. Keep original format. (All files must be same format)");
    EXPECT_STREQ(OutputDialogTexts::kOptionConvert, "Convert to another format");
}

TEST(SelectSizeRow, FixedRowsFillAndDisableTheBoxes) {
    const std::vector<std::tuple<int, const char*, const char*>> rows = {
        {1, "128", "96"},    {2, "176", "144"},   {3, "320", "240"},  {4, "352", "240"},
        {5, "352", "288"},   {6, "480", "320"},   {7, "640", "480"},  {8, "720", "480"},
        {9, "704", "576"},   {10, "720", "576"},  {11, "800", "600"}, {12, "1024", "576"},
        {13, "1280", "720"}, {14, "1920", "1080"}};
    for (const auto& [row, width, height] : rows) {
        OutputSettings s;
        EXPECT_EQ(s.SelectSizeRow(row), DialogFocus::None);
        EXPECT_EQ(s.SizeChoice, row);
        EXPECT_EQ(s.Width, QString::fromUtf8(width)) << row;
        EXPECT_EQ(s.Height, QString::fromUtf8(height)) << row;
        EXPECT_FALSE(s.SizeBoxesEnabled());
    }
}

TEST(SelectSizeRow, AutoEmptiesAndCustomKeepsTheBoxes) {
    OutputSettings s;
    s.SelectSizeRow(13);
    EXPECT_EQ(s.SelectSizeRow(15), DialogFocus::WidthBox);
    EXPECT_TRUE(s.SizeBoxesEnabled());
    EXPECT_EQ(s.Width, QStringLiteral("1280"));
    EXPECT_EQ(s.Height, QStringLiteral("720"));

    s.SelectSizeRow(0);
    EXPECT_TRUE(s.Width.isEmpty());
    EXPECT_TRUE(s.Height.isEmpty());
    EXPECT_FALSE(s.SizeBoxesEnabled());
    s.SelectSizeRow(15);
    EXPECT_TRUE(s.Width.isEmpty());
    EXPECT_TRUE(s.Height.isEmpty());
}

TEST(SelectSizeRow, IgnoresRowsOutsideTheList) {
    OutputSettings s;
    s.SelectSizeRow(7);
    EXPECT_EQ(s.SelectSizeRow(16), DialogFocus::None);
    EXPECT_EQ(s.SelectSizeRow(-1), DialogFocus::None);
    EXPECT_EQ(s.SizeChoice, 7);
    EXPECT_EQ(s.Width, QStringLiteral("640"));
}

TEST(FilterDimensionKey, PassesDigitsAndBackspaceOnly) {
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_EQ(FilterDimensionKey(QLatin1Char(c)), QChar(QLatin1Char(c)));
    }
    EXPECT_EQ(FilterDimensionKey(QChar(0x08)), QChar(0x08));
    for (char c : {'a', 'x', '-', '.', ' ', '+', ','}) {
        EXPECT_FALSE(FilterDimensionKey(QLatin1Char(c)).has_value()) << c;
    }
    EXPECT_FALSE(FilterDimensionKey(QChar(0x0663)).has_value());  // Arabic-Indic three
}

TEST(NormalizeDimension, ClampsToEvenValuesFrom16To5000) {
    const std::vector<std::pair<QString, QString>> cases = {{"", "16"},
                                                            {"0", "16"},
                                                            {"7", "16"},
                                                            {"15", "16"},
                                                            {"16", "16"},
                                                            {"17", "18"},
                                                            {"640", "640"},
                                                            {"4999", "5000"},
                                                            {"5000", "5000"},
                                                            {"5001", "5000"},
                                                            {"9000", "5000"},
                                                            {"0100", "0100"},
                                                            {"120abc", "120"},
                                                            {"121abc", "122"},
                                                            {"12abc", "16"},
                                                            {"abc", "16"},
                                                            {"99999999999999999999", "5000"}};
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(NormalizeDimensionText(in), out) << in.toStdString();
    }
}

TEST(NormalizeDimension, WorksOnTheNamedBox) {
    OutputSettings s;
    s.SelectSizeRow(15);
    s.Width = "17";
    s.Height = "";
    s.NormalizeDimension(DimensionBox::Width);
    EXPECT_EQ(s.Width, QStringLiteral("18"));
    EXPECT_EQ(s.Height, QString());
    s.NormalizeDimension(DimensionBox::Height);
    EXPECT_EQ(s.Height, QStringLiteral("16"));
}

TEST(QualityChoice, VideoQualityResetsOnlyTheVideoBitrate) {
    OutputSettings s;
    ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, "2000k"));
    ASSERT_TRUE(s.EditGridText(GridItem::AudioBitrate, "192k"));
    s.SelectVideoQuality(0);
    EXPECT_EQ(s.VideoQuality, 0);
    EXPECT_EQ(s.VideoBitrate, kAuto);
    EXPECT_EQ(s.AudioBitrate, QStringLiteral("192k"));

    // Choosing the row that is already selected still resets.
    ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, "1500k"));
    s.SelectVideoQuality(0);
    EXPECT_EQ(s.VideoBitrate, kAuto);
}

TEST(QualityChoice, AudioQualityResetsBitrateAndSampleRateButNotChannels) {
    OutputSettings s;
    ASSERT_TRUE(s.EditGridText(GridItem::AudioBitrate, "192k"));
    ASSERT_TRUE(s.EditGridText(GridItem::SampleRate, "48000"));
    ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, "900k"));
    ASSERT_TRUE(s.EditChannels(1));
    s.SelectAudioQuality(1);
    EXPECT_EQ(s.AudioBitrate, kAuto);
    EXPECT_EQ(s.SampleRate, kAuto);
    EXPECT_EQ(s.Channels, 1);
    EXPECT_EQ(s.VideoBitrate, QStringLiteral("900k"));

    // An explicit bitrate entered after the quality choice stands.
    ASSERT_TRUE(s.EditGridText(GridItem::AudioBitrate, "64k"));
    EXPECT_EQ(s.AudioBitrate, QStringLiteral("64k"));
}

TEST(ResetToProfileDefaults, UndoesEveryManualChoice) {
    OutputSettings s;
    MakeManualChanges(s);
    s.ResetToProfileDefaults();
    EXPECT_EQ(s.SizeChoice, 0);
    EXPECT_TRUE(s.Width.isEmpty());
    EXPECT_TRUE(s.Height.isEmpty());
    EXPECT_EQ(s.VideoQuality, 1);
    EXPECT_EQ(s.AudioQuality, 1);
    ExpectAdvancedValuesReset(s);
    EXPECT_FALSE(s.IsGridItemLocked(GridItem::AudioBitrate));
}

TEST(ToggleAdvanced, SwitchesWidthAndButtonCaption) {
    OutputSettings s;
    s.ToggleAdvanced();
    EXPECT_TRUE(s.GridVisible());
    EXPECT_EQ(s.DialogWidthTwips(), 12270);
    EXPECT_EQ(s.DialogWidthPixels(), 818);
    EXPECT_EQ(s.MoreButtonCaption(), QStringLiteral("More <<"));
    s.ToggleAdvanced();
    EXPECT_FALSE(s.GridVisible());
    EXPECT_EQ(s.DialogWidthTwips(), 7305);
    EXPECT_EQ(s.DialogWidthPixels(), 487);
    EXPECT_EQ(s.MoreButtonCaption(), QStringLiteral("More >>"));
}

TEST(JoinModeChoice, DirectCopyDisablesControlsAndCollapsesTheGrid) {
    OutputSettings s;
    s.SelectJoinMode(JoinMode::Convert);
    EXPECT_TRUE(s.ConvertControlsEnabled());
    s.ToggleAdvanced();
    ASSERT_TRUE(s.GridVisible());

    s.SelectJoinMode(JoinMode::DirectCopy);
    EXPECT_FALSE(s.ConvertControlsEnabled());
    EXPECT_FALSE(s.GridVisible());
    EXPECT_EQ(s.MoreButtonCaption(), QStringLiteral("More >>"));
    EXPECT_EQ(s.DialogWidthTwips(), 7305);

    // Selecting direct copy again leaves the collapsed grid collapsed.
    s.SelectJoinMode(JoinMode::DirectCopy);
    EXPECT_FALSE(s.GridVisible());

    s.SelectJoinMode(JoinMode::Convert);
    EXPECT_TRUE(s.ConvertControlsEnabled());
    EXPECT_FALSE(s.GridVisible());  // stays collapsed until "More" is pressed
}

TEST(JoinModeChoice, KeepsTheValuesWhileDisabled) {
    OutputSettings s;
    s.SelectJoinMode(JoinMode::Convert);
    s.SelectSizeRow(7);
    ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, "1200k"));
    s.SelectJoinMode(JoinMode::DirectCopy);
    EXPECT_EQ(s.SizeChoice, 7);
    EXPECT_EQ(s.VideoBitrate, QStringLiteral("1200k"));
}

class ApplyProfileTest : public testing::Test {
protected:
    const OutputProfile& Profile(const char* name) {
        const OutputProfile* profile = catalogue_.FindByCommandName(QString::fromUtf8(name));
        EXPECT_NE(profile, nullptr) << name;
        return *profile;
    }
    ProfileCatalogue catalogue_;
};

TEST_F(ApplyProfileTest, SameProfileAgainStillResetsManualChanges) {
    OutputSettings s;
    s.ApplyProfile(Profile("ID_MPH"));
    MakeManualChanges(s);
    s.ApplyProfile(Profile("ID_MPH"));
    EXPECT_EQ(s.SizeChoice, 0);
    EXPECT_EQ(s.VideoQuality, 1);
    EXPECT_EQ(s.AudioQuality, 1);
    ExpectAdvancedValuesReset(s);
    EXPECT_EQ(s.FilenameExtension, QStringLiteral("mp4"));
}

TEST_F(ApplyProfileTest, AndroidMpeg4SetsOnlyTheChannels) {
    OutputSettings s;
    EXPECT_EQ(s.ApplyProfile(Profile("ID_ANDROIDMPEGVIDEO")), DialogFocus::None);
    EXPECT_EQ(s.FormatKey, QStringLiteral("mp4"));
    EXPECT_EQ(s.FormatCaption, QStringLiteral("Android - MPEG4 Video"));
    EXPECT_EQ(s.SizeChoice, 0);
    EXPECT_FALSE(s.SizeBoxesEnabled());
    EXPECT_EQ(s.FrameRate, kAuto);
    EXPECT_EQ(s.AudioBitrate, kAuto);
    EXPECT_EQ(s.Channels, 2);
    EXPECT_EQ(s.GridText(GridItem::Channels), QStringLiteral("2"));
}

TEST_F(ApplyProfileTest, SizedProfileUsesCustomRowAndFocusesWidth) {
    OutputSettings s;
    EXPECT_EQ(s.ApplyProfile(Profile("ID_BLACKBERRYGPVIDEO")), DialogFocus::WidthBox);
    EXPECT_EQ(s.SizeChoice, 15);
    EXPECT_TRUE(s.SizeBoxesEnabled());
    EXPECT_EQ(s.Width, QStringLiteral("352"));
    EXPECT_EQ(s.Height, QStringLiteral("288"));
    EXPECT_EQ(s.FrameRate, QStringLiteral("15"));
    EXPECT_EQ(s.Channels, 0);
    EXPECT_EQ(s.FilenameExtension, QStringLiteral("3gp"));
}

TEST_F(ApplyProfileTest, VobIsTheOnlySizedGeneralFormat) {
    OutputSettings s;
    s.ApplyProfile(Profile("ID_VOB"));
    EXPECT_EQ(s.SizeChoice, 15);
    EXPECT_EQ(s.Width, QStringLiteral("720"));
    EXPECT_EQ(s.Height, QStringLiteral("480"));
    EXPECT_EQ(s.FrameRate, kAuto);
    EXPECT_EQ(s.Channels, 0);
    int sized = 0;
    for (const OutputProfile* p : catalogue_.FormatMenu().SubMenus[0].Entries) {
        sized += p->Size ? 1 : 0;
    }
    EXPECT_EQ(sized, 1);
}

TEST_F(ApplyProfileTest, VcdAndDvdPairTheirStandardsSizeAndRate) {
    const std::vector<std::tuple<const char*, const char*, const char*, const char*>> cases = {
        {"ID_DVDNTSCVIDEO", "720", "480", "29.97"},
        {"ID_DVDPALVIDEO", "720", "576", "25"},
        {"ID_VCDNTSCVIDEO", "352", "240", "29.97"},
        {"ID_VCDPALVIDEO", "352", "288", "25"}};
    for (const auto& [name, width, height, rate] : cases) {
        OutputSettings s;
        s.ApplyProfile(Profile(name));
        EXPECT_EQ(s.Width, QString::fromUtf8(width)) << name;
        EXPECT_EQ(s.Height, QString::fromUtf8(height)) << name;
        EXPECT_EQ(s.FrameRate, QString::fromUtf8(rate)) << name;
        EXPECT_EQ(s.FilenameExtension, QStringLiteral("mpg")) << name;
        EXPECT_EQ(s.Channels, 0) << name;
    }
}

TEST_F(ApplyProfileTest, ExtensionFollowsTheKey) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"ID_MPH", "mp4"}, {"ID_MPEGFORMATMPGa", "mpg"}, {"ID_FV", "f4v"}, {"ID_RM", "rm"}};
    for (const auto& [name, extension] : cases) {
        OutputSettings s;
        s.ApplyProfile(Profile(name));
        EXPECT_EQ(s.FilenameExtension, QString::fromUtf8(extension)) << name;
        EXPECT_EQ(s.GridText(GridItem::FilenameExtension), QString::fromUtf8(extension));
    }
}

TEST_F(ApplyProfileTest, CaptionWithDoubleBlankIsShownAsStored) {
    OutputSettings s;
    s.ApplyProfile(Profile("ID_BLACKBERRYCHARMMPEGVIDEO"));
    EXPECT_EQ(s.FormatCaption, QStringLiteral("BlackBerry Charm 7100  - MPEG4 Video"));
}

TEST_F(ApplyProfileTest, EveryProfileSizeSurvivesLeavingTheBoxes) {
    for (const OutputProfile& profile : catalogue_.Profiles()) {
        OutputSettings s;
        s.ApplyProfile(profile);
        const QString width = s.Width;
        const QString height = s.Height;
        s.NormalizeDimension(DimensionBox::Width);
        s.NormalizeDimension(DimensionBox::Height);
        if (profile.Size) {
            EXPECT_EQ(s.Width, width) << profile.CommandName.toStdString();
            EXPECT_EQ(s.Height, height) << profile.CommandName.toStdString();
        }
    }
}

TEST_F(ApplyProfileTest, LiftsTheAudioLock) {
    OutputSettings s;
    s.EditRemoveAudio(true);
    ASSERT_TRUE(s.IsGridItemLocked(GridItem::SampleRate));
    s.ApplyProfile(Profile("ID_HDHVIDEO"));
    EXPECT_FALSE(s.RemoveAudio);
    EXPECT_FALSE(s.IsGridItemLocked(GridItem::SampleRate));
    EXPECT_EQ(s.AudioBitrate, QStringLiteral("192k"));
}

}  // namespace

}  // namespace veltrano
