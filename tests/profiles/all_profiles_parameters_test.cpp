// Every catalogue profile, applied as the dialog applies it, must give exactly the option string
// the format templates describe. The templates, bitrate bases and automatic audio values are
// stated here a second time, independently of the builder's own tables, and the string is
// checked fragment by fragment so that a failure names the fragment that went wrong.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cfenv>
#include <cmath>
#include <map>

#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/parameter_builder.h"

namespace veltrano {

namespace {

struct KeyFacts {
    const char* Extension;
    int Base;  // 0: fixed "vob" bitrates
    std::array<const char*, 3> AudioBitrate;
    std::array<const char*, 3> SampleRate;
    const char* Format;  // {vb} {ab} {ar} {size} {preset} stand for the worked-out values
};

const std::map<QString, KeyFacts>& Facts() {
    static const std::array<const char*, 3> kNoRate = {"", "", ""};
    static const std::array<const char*, 3> kStdRate = {"44100", "44100", "22050"};
    static const std::map<QString, KeyFacts> facts = {
        {"3gp",
         {"3gp",
          330,
          {"12200", "6700", "4750"},
          kNoRate,
          "-vb {vb} -ab {ab} -ac 1 -ar 8000{size} -join"}},
        {"avi",
         {"avi",
          847,
          {"320k", "128k", "64k"},
          kStdRate,
          "-vcodec libxvid -vb {vb} -acodec libmp3lame -ab {ab} -ar {ar}{size} -join"}},
        {"asf",
         {"asf",
          512,
          {"256k", "128k", "64k"},
          kStdRate,
          "-vcodec msmpeg4v2 -vb {vb} -acodec wmav2 -ab {ab} -ar {ar}{size} -join"}},
        {"wmv",
         {"wmv",
          512,
          {"256k", "128k", "64k"},
          kStdRate,
          "-vcodec wmv2 -vb {vb} -acodec wmav2 -ab {ab} -ar {ar}{size} -join"}},
        {"flv",
         {"flv", 512, {"128k", "64k", "32k"}, kStdRate, "-vb {vb} -ab {ab} -ar {ar}{size} -join"}},
        {"swf",
         {"swf", 512, {"128k", "64k", "32k"}, kStdRate, "-vb {vb} -ab {ab} -ar {ar}{size} -join"}},
        {"f4v",
         {"f4v",
          512,
          {"256k", "128k", "64k"},
          kStdRate,
          "-vcodec libx264 -vpre {preset} -f flv -vb {vb} -acodec libfaac -ab {ab} -ar "
          "{ar} -ac 2{size} -join"}},
        {"mkv",
         {"mkv",
          512,
          {"320k", "128k", "64k"},
          kStdRate,
          "-vcodec libx264 -vpre {preset} -vb {vb}  -acodec libmp3lame -ab {ab} -ar "
          "{ar}{size} -join"}},
        {"mov",
         {"mov", 512, {"320k", "256k", "96k"}, kStdRate, "-vb {vb} -ab {ab} -ar {ar}{size} -join"}},
        {"mp4",
         {"mp4", 512, {"256k", "128k", "96k"}, kStdRate, "-vb {vb} -ab {ab} -ar {ar}{size} -join"}},
        {"mp4h264",
         {"mp4",
          512,
          {"256k", "128k", "96k"},
          kStdRate,
          "-vcodec libx264 -vpre {preset} -vb {vb} -ab {ab} -ar {ar}{size} -join"}},
        {"mpg",
         {"mpg", 512, {"256k", "128k", "96k"}, kStdRate, "-vb {vb} -ab {ab} -ar {ar}{size} -join"}},
        {"mpg2",
         {"mpg",
          512,
          {"256k", "128k", "96k"},
          kStdRate,
          "-vcodec mpeg2video -vb {vb} -ab {ab} -ar {ar}{size} -join"}},
        {"ntsc-vcd",
         {"mpg",
          512,
          {"256k", "128k", "96k"},
          kStdRate,
          "-target ntsc-vcd -vb 1150k -ab 224k -ar 44100{size} -join"}},
        {"pal-vcd",
         {"mpg",
          512,
          {"256k", "128k", "96k"},
          kStdRate,
          "-target pal-vcd -vb 1150k -ab 224k -ar 44100{size} -join"}},
        {"ntsc-dvd",
         {"mpg",
          512,
          {"256k", "128k", "96k"},
          kStdRate,
          "-target ntsc-dvd -ab {ab} -ar {ar}{size} -join"}},
        {"pal-dvd",
         {"mpg",
          512,
          {"256k", "128k", "96k"},
          kStdRate,
          "-target pal-dvd -ab {ab} -ar {ar}{size} -join"}},
        {"rm",
         {"rm",
          512,
          {"256k", "128k", "96k"},
          kStdRate,
          "-vcodec rv20 -vb {vb} -ab {ab} -ar {ar}{size} -join"}},
        {"vob",
         {"vob",
          0,
          {"320k", "192k", "96k"},
          {"48000", "48000", "44100"},
          "-target dvd -vb {vb} -ab {ab} -ar {ar}{size} -join"}},
    };
    return facts;
}

// The platform's round-to-nearest mode breaks ties to even.
long long EvenRound(double value) {
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    return std::llrint(value);
}

// Splits a template into literal pieces and {placeholders}, substituting the placeholders.
std::vector<QString> Fragments(const QString& format, const std::map<QString, QString>& values) {
    std::vector<QString> fragments;
    static const QRegularExpression placeholder(QStringLiteral("\\{(\\w+)\\}"));
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(format); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        fragments.push_back(format.mid(at, match.capturedStart() - at));
        fragments.push_back(values.at(match.captured(1)));
        at = match.capturedEnd();
    }
    fragments.push_back(format.mid(at));
    std::erase_if(fragments, [](const QString& f) { return f.isEmpty(); });
    return fragments;
}

const std::vector<MediaItem>& ListRows() {
    static const std::vector<MediaItem> rows = [] {
        MediaItem big;
        big.SourcePath = QStringLiteral("/clips/big.avi");
        big.VideoSizeText = QStringLiteral("640 X 480");
        MediaItem small = big;
        small.SourcePath = QStringLiteral("/clips/small.avi");
        small.VideoSizeText = QStringLiteral("320 X 240");
        return std::vector<MediaItem>{big, small};
    }();
    return rows;
}

class EveryProfile : public testing::TestWithParam<std::tuple<int, int, int>> {
protected:
    static const ProfileCatalogue& Catalogue() {
        static const ProfileCatalogue catalogue;
        return catalogue;
    }
};

TEST_P(EveryProfile, BuildsTheTemplateFragmentByFragment) {
    const auto [index, videoQuality, audioQuality] = GetParam();
    const OutputProfile& profile = Catalogue().Profiles().at(static_cast<size_t>(index));
    const bool defaultQualities = videoQuality == 1 && audioQuality == 1;

    OutputSettings settings;
    settings.SelectJoinMode(JoinMode::Convert);
    settings.ApplyProfile(profile);
    if (!defaultQualities) {  // as the user would, after choosing the profile
        settings.SelectVideoQuality(videoQuality);
        settings.SelectAudioQuality(audioQuality);
    }
    const BuiltParameters built = BuildEngineParameters(settings, ListRows());

    const KeyFacts& facts = Facts().at(profile.FormatKey);
    const size_t vq = static_cast<size_t>(videoQuality);
    const size_t aq = static_cast<size_t>(audioQuality);

    QString size;
    long long pixels = 0;
    if (profile.Size) {
        size = QStringLiteral(" -s %1x%2").arg(profile.Size->Width, profile.Size->Height);
        pixels = profile.Size->Width.toLongLong() * profile.Size->Height.toLongLong();
    } else if (profile.FormatKey == QLatin1String("3gp")) {
        size = QStringLiteral(" -s 176x144");
        pixels = 176 * 144;
    } else {
        size = QStringLiteral(" -s 320x240");  // the second, smaller row of the list
        pixels = 320 * 240;
    }

    QString videoBitrate;
    if (facts.Base == 0) {
        videoBitrate = QString::fromUtf8(std::array{"3800k", "3300k", "768k"}[vq]);
    } else {
        const long long r = EvenRound(static_cast<double>(pixels) / 76800.0 * facts.Base);
        const long long k = videoQuality == 0   ? EvenRound(static_cast<double>(r) * 1.5)
                            : videoQuality == 1 ? r
                                                : EvenRound(static_cast<double>(r) / 1.5);
        videoBitrate = QString::number(k) + "k";
        if (profile.FormatKey == QLatin1String("rm") && k > 1000) {
            videoBitrate = QStringLiteral("1000k");
        }
    }
    const QString audioBitrate = defaultQualities && profile.AudioBitrate
                                     ? *profile.AudioBitrate
                                     : QString::fromUtf8(facts.AudioBitrate[aq]);
    const QString preset = QString::fromUtf8(
        std::array{"libx264-default", "libx264-veryfast", "libx264-ultrafast"}[vq]);

    std::vector<QString> expected;
    if (profile.FrameRate) {
        expected.push_back(QStringLiteral("-r %1 ").arg(*profile.FrameRate));
    } else if (profile.FormatKey == QLatin1String("mov") ||
               profile.FormatKey == QLatin1String("mp4")) {
        expected.push_back(QStringLiteral("-r 29.97 "));
    }
    expected.push_back(QStringLiteral("-ac 2 "));
    const std::vector<QString> format =
        Fragments(QString::fromUtf8(facts.Format), {{"vb", videoBitrate},
                                                    {"ab", audioBitrate},
                                                    {"ar", QString::fromUtf8(facts.SampleRate[aq])},
                                                    {"size", size},
                                                    {"preset", preset}});
    expected.insert(expected.end(), format.begin(), format.end());

    const QString actual = built.EngineParameters;
    qsizetype at = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(actual.mid(at, expected[i].size()), expected[i])
            << "fragment " << i << " of " << profile.CommandName.toStdString() << " in '"
            << actual.toStdString() << "'";
        at += expected[i].size();
    }
    EXPECT_EQ(at, actual.size()) << "unexpected tail: '" << actual.mid(at).toStdString() << "'";
    EXPECT_EQ(built.OutputExtension, QString::fromUtf8(facts.Extension));
}

std::string ProfileTestName(const testing::TestParamInfo<std::tuple<int, int, int>>& info) {
    static const ProfileCatalogue catalogue;
    const auto [index, vq, aq] = info.param;
    return catalogue.Profiles().at(static_cast<size_t>(index)).CommandName.toStdString() + "_v" +
           std::to_string(vq) + "_a" + std::to_string(aq);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryProfile,
                         testing::Combine(testing::Range(0, 126), testing::Values(1, 0, 2),
                                          testing::Values(1, 0, 2)),
                         ProfileTestName);

TEST(EveryProfile, CoversTheWholeCatalogue) {
    const ProfileCatalogue catalogue;
    EXPECT_EQ(catalogue.Profiles().size(), 126u);
    for (const OutputProfile& profile : catalogue.Profiles()) {
        EXPECT_EQ(Facts().count(profile.FormatKey), 1u) << profile.FormatKey.toStdString();
    }
}

}  // namespace

}  // namespace veltrano
