#include "profiles/parameter_builder.h"

#include <gtest/gtest.h>

#include "profiles/catalogue/profile_catalogue.h"

namespace veltrano {

namespace {

MediaItem SizedRow(const QString& size, const QString& path = QStringLiteral("/clips/a.avi")) {
    MediaItem item;
    item.SourcePath = path;
    item.VideoSizeText = size;
    return item;
}

OutputSettings Convert(const char* key) {
    OutputSettings s;
    s.SelectJoinMode(JoinMode::Convert);
    s.FormatKey = QString::fromUtf8(key);
    return s;
}

void SetExplicitSize(OutputSettings& s, const char* width, const char* height) {
    s.SelectSizeRow(15);
    s.Width = QString::fromUtf8(width);
    s.Height = QString::fromUtf8(height);
}

// --- The worked examples ------------------------------------------------------------------

TEST(WorkedExample, One_Mp4H264SmallestListSize) {
    OutputSettings s = Convert("mp4h264");
    const std::vector<MediaItem> rows = {SizedRow("640 X 480"), SizedRow("320 X 240")};
    EXPECT_EQ(BuildEngineParameters(s, rows),
              (BuiltParameters{"-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 512k -ab 128k "
                               "-ar 44100 -s 320x240 -join",
                               "mp4"}));
}

TEST(WorkedExample, Two_3gpForcedSmallSize) {
    OutputSettings s = Convert("3gp");
    s.SelectVideoQuality(0);
    s.SelectAudioQuality(2);
    const std::vector<MediaItem> rows = {SizedRow("640 X 480"), SizedRow("320 X 240")};
    EXPECT_EQ(BuildEngineParameters(s, rows),
              (BuiltParameters{"-ac 2 -vb 164k -ab 4750 -ac 1 -ar 8000 -s 176x144 -join", "3gp"}));
}

TEST(WorkedExample, Three_PalDvdWithPrefixes) {
    OutputSettings s = Convert("pal-dvd");
    SetExplicitSize(s, "720", "576");
    ASSERT_TRUE(s.EditGridText(GridItem::FrameRate, "25"));
    ASSERT_TRUE(s.EditGridText(GridItem::AspectRate, "16:9"));
    ASSERT_TRUE(s.EditChannels(2));
    s.SelectAudioQuality(0);
    EXPECT_EQ(BuildEngineParameters(s, {}),
              (BuiltParameters{
                  "-r 25 -aspect 16:9 -ac 2 -target pal-dvd -ab 256k -ar 44100 -s 720x576 -join",
                  "mpg"}));
}

TEST(WorkedExample, Four_RmCappedWithAudioRemoved) {
    OutputSettings s = Convert("rm");
    SetExplicitSize(s, "640", "480");
    s.SelectVideoQuality(0);
    s.SelectAudioQuality(1);
    s.EditRemoveAudio(true);
    EXPECT_EQ(BuildEngineParameters(s, {}),
              (BuiltParameters{
                  "-an -ac 2 -vcodec rv20 -vb 1000k -ab 128k -ar 44100 -s 640x480 -join", "rm"}));
}

TEST(WorkedExample, Five_MovOneRowNoSizeOption) {
    OutputSettings s = Convert("mov");
    const std::vector<MediaItem> rows = {SizedRow("1280 X 720")};
    EXPECT_EQ(BuildEngineParameters(s, rows),
              (BuiltParameters{"-r 29.97 -ac 2 -vb 6144k -ab 256k -ar 44100 -join", "mov"}));
}

TEST(WorkedExample, Six_DirectCopy) {
    OutputSettings s;
    s.SelectJoinMode(JoinMode::DirectCopy);
    const std::vector<MediaItem> rows = {SizedRow("640 X 480", "/clips/part1.AVI"),
                                         SizedRow("640 X 480", "/clips/part2.AVI")};
    EXPECT_EQ(BuildEngineParameters(s, rows),
              (BuiltParameters{"-vcodec copy -acodec copy -join", "avi"}));
}

TEST(AutoVideoBitrate, RoundsEachStepHalfToEven) {
    // 150 x 107 at base 512 gives r = 107 exactly; High is 160.5, which rounds down to 160.
    EXPECT_EQ(AutoVideoBitrate(150 * 107, 512, 0), QStringLiteral("160k"));
    EXPECT_EQ(AutoVideoBitrate(150 * 107, 512, 1), QStringLiteral("107k"));
    EXPECT_EQ(AutoVideoBitrate(150 * 107, 512, 2), QStringLiteral("71k"));
    // 15 x 5 at base 512 gives r = 0.5, which rounds to 0.
    EXPECT_EQ(AutoVideoBitrate(15 * 5, 512, 1), QStringLiteral("0k"));
    // 64 x 60 at base 330 gives r = 16.5, which rounds to 16.
    EXPECT_EQ(AutoVideoBitrate(64 * 60, 330, 1), QStringLiteral("16k"));
    EXPECT_EQ(AutoVideoBitrate(76800, 847, 1), QStringLiteral("847k"));
    EXPECT_EQ(AutoVideoBitrate(76800, 512, 3), QString());
    EXPECT_EQ(AutoVideoBitrate(76800, 512, -1), QString());
}

TEST(AutoVideoBitrate, TieReachesTheParameterString) {
    OutputSettings s = Convert("mp4h264");
    SetExplicitSize(s, "150", "107");
    s.SelectVideoQuality(0);
    EXPECT_EQ(BuildEngineParameters(s, {}).EngineParameters,
              QStringLiteral("-ac 2 -vcodec libx264 -vpre libx264-default -vb 160k -ab 128k "
                             "-ar 44100 -s 150x107 -join"));
}

// --- SmallestListSize -----------------------------------------------------------------------

std::vector<MediaItem> Rows(std::initializer_list<const char*> sizes) {
    std::vector<MediaItem> rows;
    for (const char* size : sizes) {
        rows.push_back(SizedRow(QString::fromUtf8(size)));
    }
    return rows;
}

TEST(SmallestListSize, WritesSizeOnlyWhenALaterRowIsStrictlySmaller) {
    struct Case {
        std::vector<MediaItem> Rows;
        ListSize Expected;
    };
    const std::vector<Case> cases = {
        {Rows({}), {"", 0}},
        {Rows({"320 X 240", "640 X 480"}), {"", 76800}},   // first row is the smallest
        {Rows({"640 X 480", "640 X 480"}), {"", 307200}},  // all one size
        {Rows({"640 X 480", "320 X 240"}), {" -s 320x240", 76800}},
        {Rows({"640 X 480", "320 X 240", "240 X 320"}), {" -s 320x240", 76800}},  // tie: earlier
        {Rows({"1280 X 720", "640 X 480", "320 X 240"}), {" -s 320x240", 76800}},
        {Rows({"640x480", "352 x 288"}), {" -s 352x288", 101376}},  // any case of "x"
        {Rows({"", "unknown", "640 X 480", "320 X 240"}), {" -s 320x240", 76800}},
        {Rows({"", "none"}), {"", 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SmallestListSize(c.Rows), c.Expected)
            << (c.Rows.empty() ? std::string("(none)") : c.Rows.back().VideoSizeText.toStdString());
    }
}

// An audio-only file shows "0 X 0". Counting it would make the size " -s 0x0" and the
// automatic bitrate "0k"; it is skipped like a row without a size.
TEST(SmallestListSize, SkipsRowsWithoutAPicture) {
    EXPECT_EQ(SmallestListSize(Rows({"640 X 480", "0 X 0"})), (ListSize{"", 307200}));
    EXPECT_EQ(SmallestListSize(Rows({"0 X 0", "640 X 480", "320 X 240"})),
              (ListSize{" -s 320x240", 76800}));
    EXPECT_EQ(SmallestListSize(Rows({"640 X 0", "0 X 480"})), (ListSize{"", 0}));

    OutputSettings s = Convert("mp4h264");
    const BuiltParameters built = BuildEngineParameters(s, Rows({"640 X 480", "0 X 0"}));
    EXPECT_EQ(built.EngineParameters.indexOf(QLatin1String("-s 0x0")), -1);
    EXPECT_TRUE(built.EngineParameters.contains(QLatin1String(" -vb 2048k ")));
}

TEST(SmallestListSize, NoSizedRowGivesZeroBitrateExceptVob) {
    OutputSettings s = Convert("flv");
    EXPECT_EQ(BuildEngineParameters(s, Rows({"", ""})).EngineParameters,
              QStringLiteral("-ac 2 -vb 0k -ab 64k -ar 44100 -join"));
    s.FormatKey = "vob";
    EXPECT_EQ(BuildEngineParameters(s, Rows({"", ""})).EngineParameters,
              QStringLiteral("-ac 2 -target dvd -vb 3300k -ab 192k -ar 48000 -join"));
}

// --- Per-key rules and edge cases ----------------------------------------------------------

TEST(BuildEngineParameters, DirectCopyIgnoresEveryOtherChoice) {
    OutputSettings s = Convert("rm");
    SetExplicitSize(s, "640", "480");
    ASSERT_TRUE(s.EditGridText(GridItem::FrameRate, "25"));
    s.EditRemoveAudio(true);
    s.SelectJoinMode(JoinMode::DirectCopy);
    const std::vector<MediaItem> rows = {SizedRow("640 X 480", "/clips/a.Mp4")};
    EXPECT_EQ(BuildEngineParameters(s, rows),
              (BuiltParameters{"-vcodec copy -acodec copy -join", "mp4"}));
}

TEST(BuildEngineParameters, DirectCopyWithoutExtensionGivesEmptyExtension) {
    OutputSettings s;
    const std::vector<MediaItem> rows = {SizedRow("640 X 480", "/clips.d/clip")};
    EXPECT_EQ(BuildEngineParameters(s, rows).OutputExtension, QString());
    EXPECT_EQ(BuildEngineParameters(s, {}).OutputExtension, QString());
}

TEST(BuildEngineParameters, ThreeGpCarriesBothChannelParts) {
    OutputSettings s = Convert("3gp");
    const QString text = BuildEngineParameters(s, {}).EngineParameters;
    const qsizetype prefix = text.indexOf(QLatin1String("-ac 2 "));
    const qsizetype fixed = text.indexOf(QLatin1String(" -ac 1 -ar 8000"));
    EXPECT_EQ(prefix, 0);
    EXPECT_GT(fixed, prefix);
    EXPECT_EQ(text, QStringLiteral("-ac 2 -vb 109k -ab 6700 -ac 1 -ar 8000 -s 176x144 -join"));
}

TEST(BuildEngineParameters, ThreeGpKeepsAnExplicitSize) {
    OutputSettings s = Convert("3gp");
    SetExplicitSize(s, "352", "288");
    EXPECT_EQ(BuildEngineParameters(s, {}).EngineParameters,
              QStringLiteral("-ac 2 -vb 436k -ab 6700 -ac 1 -ar 8000 -s 352x288 -join"));
}

TEST(BuildEngineParameters, ExplicitSizeWithEmptyHeight) {
    OutputSettings s = Convert("flv");
    s.SelectSizeRow(0);
    s.SelectSizeRow(15);
    s.Width = "1";
    s.NormalizeDimension(DimensionBox::Width);
    EXPECT_EQ(BuildEngineParameters(s, Rows({"640 X 480"})).EngineParameters,
              QStringLiteral("-ac 2 -vb 0k -ab 64k -ar 44100 -s 16x0 -join"));
}

TEST(BuildEngineParameters, RmCapsBitratesAbove1000) {
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"800000", "1000k"}, {"1200k", "1000k"}, {"1001", "1000k"},
        {"1000k", "1000k"},  {"900k", "900k"},   {"k", "k"}};
    for (const auto& [typed, written] : cases) {
        OutputSettings s = Convert("rm");
        SetExplicitSize(s, "320", "240");
        ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, QString::fromUtf8(typed)));
        EXPECT_EQ(BuildEngineParameters(s, {}).EngineParameters,
                  QStringLiteral("-ac 2 -vcodec rv20 -vb %1 -ab 128k -ar 44100 -s 320x240 -join")
                      .arg(QString::fromUtf8(written)))
            << typed;
    }
}

TEST(BuildEngineParameters, TypedBitratesAreWrittenAsTyped) {
    OutputSettings s = Convert("flv");
    ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, "800000"));
    ASSERT_TRUE(s.EditGridText(GridItem::AudioBitrate, "96K"));
    ASSERT_TRUE(s.EditGridText(GridItem::SampleRate, "22050"));
    EXPECT_EQ(BuildEngineParameters(s, Rows({"640 X 480"})).EngineParameters,
              QStringLiteral("-ac 2 -vb 800000 -ab 96K -ar 22050 -join"));
    ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, "1200K"));
    EXPECT_TRUE(BuildEngineParameters(s, {}).EngineParameters.contains(" -vb 1200K "));
}

TEST(BuildEngineParameters, ExplicitFrameRateReplacesTheMovAndMp4Default) {
    for (const char* key : {"mov", "mp4"}) {
        OutputSettings s = Convert(key);
        EXPECT_TRUE(BuildEngineParameters(s, {}).EngineParameters.startsWith("-r 29.97 -ac 2 "));
        ASSERT_TRUE(s.EditGridText(GridItem::FrameRate, "25"));
        const QString text = BuildEngineParameters(s, {}).EngineParameters;
        EXPECT_TRUE(text.startsWith("-r 25 -ac 2 ")) << text.toStdString();
        EXPECT_FALSE(text.contains("29.97"));
    }
}

TEST(BuildEngineParameters, VideoQualityPicksThePresetEvenWithATypedBitrate) {
    const std::vector<std::pair<int, const char*>> presets = {
        {0, "libx264-default"}, {1, "libx264-veryfast"}, {2, "libx264-ultrafast"}};
    for (const auto& [quality, preset] : presets) {
        OutputSettings s = Convert("mkv");
        s.SelectVideoQuality(quality);
        ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, "700k"));
        EXPECT_EQ(BuildEngineParameters(s, Rows({"320 X 240"})).EngineParameters,
                  QStringLiteral("-ac 2 -vcodec libx264 -vpre %1 -vb 700k  -acodec libmp3lame "
                                 "-ab 128k -ar 44100 -join")
                      .arg(QString::fromUtf8(preset)));
    }
}

TEST(BuildEngineParameters, QualityOutsideTheListLeavesValuesEmpty) {
    OutputSettings s = Convert("f4v");
    s.VideoQuality = 5;
    s.AudioQuality = -1;
    EXPECT_EQ(BuildEngineParameters(s, Rows({"320 X 240"})).EngineParameters,
              QStringLiteral("-ac 2 -vcodec libx264 -vpre  -f flv -vb  -acodec libfaac -ab  -ar "
                             " -ac 2 -join"));
}

TEST(BuildEngineParameters, VcdAndDvdTargetsIgnoreValuesTheyDoNotWrite) {
    OutputSettings s = Convert("ntsc-vcd");
    ASSERT_TRUE(s.EditGridText(GridItem::VideoBitrate, "2000k"));
    ASSERT_TRUE(s.EditGridText(GridItem::AudioBitrate, "64k"));
    ASSERT_TRUE(s.EditGridText(GridItem::SampleRate, "8000"));
    EXPECT_EQ(BuildEngineParameters(s, {}).EngineParameters,
              QStringLiteral("-ac 2 -target ntsc-vcd -vb 1150k -ab 224k -ar 44100 -join"));
    s.FormatKey = "ntsc-dvd";
    EXPECT_EQ(BuildEngineParameters(s, {}).EngineParameters,
              QStringLiteral("-ac 2 -target ntsc-dvd -ab 64k -ar 8000 -join"));
}

TEST(BuildEngineParameters, ChannelsAndRemovedAudioValuesStillWritten) {
    OutputSettings s = Convert("avi");
    ASSERT_TRUE(s.EditGridText(GridItem::AudioBitrate, "64k"));
    ASSERT_TRUE(s.EditChannels(1));
    s.EditRemoveAudio(true);
    EXPECT_EQ(BuildEngineParameters(s, Rows({"320 X 240"})).EngineParameters,
              QStringLiteral("-an -ac 1 -vcodec libxvid -vb 847k -acodec libmp3lame -ab 64k -ar "
                             "44100 -join"));
}

TEST(BuildEngineParameters, ExtensionsAgreeWithTheCatalogueRule) {
    for (const char* key :
         {"3gp", "asf", "avi", "f4v", "flv", "mkv", "mov", "mp4h264", "mp4", "mpg", "mpg2", "rm",
          "swf", "vob", "wmv", "ntsc-dvd", "pal-dvd", "ntsc-vcd", "pal-vcd"}) {
        OutputSettings s = Convert(key);
        EXPECT_TRUE(IsKnownFormatKey(s.FormatKey));
        const BuiltParameters built = BuildEngineParameters(s, {});
        EXPECT_EQ(built.OutputExtension, ExtensionForFormatKey(s.FormatKey)) << key;
        EXPECT_TRUE(built.EngineParameters.endsWith(QLatin1String(" -join"))) << key;
    }
}

TEST(BuildEngineParameters, UnknownKeyGivesEmptyResult) {
    OutputSettings s = Convert("webm");
    EXPECT_FALSE(IsKnownFormatKey(s.FormatKey));
    EXPECT_EQ(BuildEngineParameters(s, {}), BuiltParameters{});
}

}  // namespace

}  // namespace veltrano
