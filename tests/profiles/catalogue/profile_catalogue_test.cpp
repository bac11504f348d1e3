#include "profiles/catalogue/profile_catalogue.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include "profiles/advanced_grid.h"

namespace veltrano {

namespace {

TEST(ProfileCatalogue, HoldsAllProfilesWithUniqueIdentifiers) {
    const ProfileCatalogue catalogue;
    ASSERT_EQ(catalogue.Profiles().size(), 126u);
    QSet<int> ids;
    QSet<QString> names;
    QSet<QString> captions;
    for (const OutputProfile& profile : catalogue.Profiles()) {
        EXPECT_GE(profile.CommandId, 1028) << profile.Caption.toStdString();
        EXPECT_LE(profile.CommandId, 1182) << profile.Caption.toStdString();
        EXPECT_TRUE(profile.CommandName.startsWith(QLatin1String("ID_")));
        ids.insert(profile.CommandId);
        names.insert(profile.CommandName);
        captions.insert(profile.Caption);
    }
    EXPECT_EQ(ids.size(), 126);
    EXPECT_EQ(names.size(), 126);
    EXPECT_EQ(captions.size(), 126);
}

TEST(ProfileCatalogue, MenuTreeHasGroupsInDisplayOrder) {
    const ProfileCatalogue catalogue;
    const ProfileMenu& root = catalogue.FormatMenu();
    ASSERT_EQ(root.SubMenus.size(), 2u);
    EXPECT_TRUE(root.Entries.empty());

    const ProfileMenu& general = root.SubMenus[0];
    EXPECT_EQ(general.Caption, QStringLiteral("General Video Format"));
    EXPECT_EQ(general.Entries.size(), 15u);
    EXPECT_TRUE(general.SubMenus.empty());

    const ProfileMenu& device = root.SubMenus[1];
    EXPECT_EQ(device.Caption, QStringLiteral("Device"));
    EXPECT_TRUE(device.Entries.empty());
    const std::vector<std::pair<QString, size_t>> expected = {
        {"Android", 12},   {"Android Pad", 4},   {"Apple TV", 3}, {"BlackBerry", 14},
        {"HD Video", 8},   {"iPad", 4},          {"iPhone", 4},   {"iPod", 11},
        {"PS3", 6},        {"PMP", 14},          {"PSP", 4},      {"VCD/DVD", 4},
        {"Web Video", 12}, {"Windows Phone", 3}, {"Xbox", 8}};
    ASSERT_EQ(device.SubMenus.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(device.SubMenus[i].Caption, expected[i].first);
        EXPECT_EQ(device.SubMenus[i].Entries.size(), expected[i].second)
            << expected[i].first.toStdString();
        EXPECT_TRUE(device.SubMenus[i].SubMenus.empty());
        for (const OutputProfile* entry : device.SubMenus[i].Entries) {
            EXPECT_EQ(entry->Group, expected[i].first);
        }
    }
}

TEST(ProfileCatalogue, MenuWalkVisitsEveryProfileOnceInCatalogueOrder) {
    const ProfileCatalogue catalogue;
    std::vector<const OutputProfile*> walked;
    const ProfileMenu& root = catalogue.FormatMenu();
    for (const OutputProfile* entry : root.SubMenus[0].Entries) {
        walked.push_back(entry);
    }
    for (const ProfileMenu& menu : root.SubMenus[1].SubMenus) {
        walked.insert(walked.end(), menu.Entries.begin(), menu.Entries.end());
    }
    ASSERT_EQ(walked.size(), catalogue.Profiles().size());
    for (size_t i = 0; i < walked.size(); ++i) {
        EXPECT_EQ(walked[i], &catalogue.Profiles()[i]);
    }
}

TEST(ProfileCatalogue, GeneralFormatsInMenuOrder) {
    const ProfileCatalogue catalogue;
    const QStringList expected = {
        "3GP - 3GP Format (*.3gp)",         "ASF - Advanced Streaming Format (*.asf)",
        "AVI - AVI Xvid Format (*.avi)",    "F4V - Flash Video (*.f4v)",
        "FLV - Flash Video (*.flv)",        "MKV - Matroska Video (*.mkv)",
        "MOV - QuickTime Video (*.mov)",    "MP4 - H264 Video (*.mp4)",
        "MP4 - MPEG-4 Video (*.mp4)",       "MPG - MPEG-1 Video (*.mpg)",
        "MPG - MPEG-2 Video (*.mpg)",       "RM - Real Video (*.rm)",
        "SWF - Shock Wave Flash (*.swf)",   "VOB - DVD Video Object (*.vob)",
        "WMV - Windows Media Video (*.wmv)"};
    const auto& entries = catalogue.FormatMenu().SubMenus[0].Entries;
    ASSERT_EQ(entries.size(), static_cast<size_t>(expected.size()));
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(entries[static_cast<size_t>(i)]->Caption, expected[i]);
    }
}

TEST(ProfileCatalogue, CaptionsKeepTheirDoubleBlanks) {
    const ProfileCatalogue catalogue;
    const QStringList doubled = {"DVD NTSC - MPEG-2  Video", "BlackBerry Charm 7100  - MPEG4 Video",
                                 "BlackBerry Flip 8220/8230  - MPEG4 Video"};
    for (const QString& caption : doubled) {
        EXPECT_NE(catalogue.FindByCaption(caption), nullptr) << caption.toStdString();
        QString single = caption;
        single.replace(QLatin1String("  "), QLatin1String(" "));
        EXPECT_EQ(catalogue.FindByCaption(single), nullptr) << single.toStdString();
    }
    int withDoubleBlank = 0;
    for (const OutputProfile& profile : catalogue.Profiles()) {
        withDoubleBlank += profile.Caption.contains(QLatin1String("  ")) ? 1 : 0;
    }
    EXPECT_EQ(withDoubleBlank, 3);
}

struct ExpectedEntry {
    int Id;
    const char* Name;
    const char* Caption;
    const char* Group;
    const char* Key;
    const char* Width;  // nullptr: no size
    const char* Height;
    const char* FrameRate;
    const char* AudioBitrate;
    int Channels;  // 0: none

    friend void PrintTo(const ExpectedEntry& e, std::ostream* os) { *os << e.Id << " " << e.Name; }
};

class CatalogueEntry : public testing::TestWithParam<ExpectedEntry> {};

TEST_P(CatalogueEntry, LooksUpByIdNameAndCaptionWithItsDefaults) {
    const ExpectedEntry& e = GetParam();
    const ProfileCatalogue catalogue;
    const OutputProfile* profile = catalogue.FindByCommandId(e.Id);
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(catalogue.FindByCommandName(QString::fromUtf8(e.Name)), profile);
    EXPECT_EQ(catalogue.FindByCaption(QString::fromUtf8(e.Caption)), profile);
    EXPECT_EQ(profile->CommandName, QString::fromUtf8(e.Name));
    EXPECT_EQ(profile->Caption, QString::fromUtf8(e.Caption));
    EXPECT_EQ(profile->Group, QString::fromUtf8(e.Group));
    EXPECT_EQ(profile->FormatKey, QString::fromUtf8(e.Key));
    if (e.Width != nullptr) {
        ASSERT_TRUE(profile->Size.has_value());
        EXPECT_EQ(profile->Size->Width, QString::fromUtf8(e.Width));
        EXPECT_EQ(profile->Size->Height, QString::fromUtf8(e.Height));
    } else {
        EXPECT_FALSE(profile->Size.has_value());
    }
    EXPECT_EQ(profile->FrameRate.value_or("Auto"),
              e.FrameRate ? QString::fromUtf8(e.FrameRate) : QStringLiteral("Auto"));
    EXPECT_EQ(profile->AudioBitrate.value_or("Auto"),
              e.AudioBitrate ? QString::fromUtf8(e.AudioBitrate) : QStringLiteral("Auto"));
    EXPECT_EQ(profile->Channels.value_or(0), e.Channels);
}

INSTANTIATE_TEST_SUITE_P(
    SampledEntries, CatalogueEntry,
    testing::Values(
        ExpectedEntry{1046, "ID_GP", "3GP - 3GP Format (*.3gp)", "General Video Format", "3gp",
                      nullptr, nullptr, nullptr, nullptr, 0},
        ExpectedEntry{1057, "ID_MPH", "MP4 - H264 Video (*.mp4)", "General Video Format", "mp4h264",
                      nullptr, nullptr, nullptr, nullptr, 0},
        ExpectedEntry{1177, "ID_MPEGFORMATMPGa", "MPG - MPEG-2 Video (*.mpg)",
                      "General Video Format", "mpg2", nullptr, nullptr, nullptr, nullptr, 0},
        ExpectedEntry{1035, "ID_VOB", "VOB - DVD Video Object (*.vob)", "General Video Format",
                      "vob", "720", "480", nullptr, nullptr, 0},
        ExpectedEntry{1082, "ID_ANDROIDMPEGVIDEO", "Android - MPEG4 Video", "Android", "mp4",
                      nullptr, nullptr, nullptr, nullptr, 2},
        ExpectedEntry{1091, "ID_MOTOROLADROIDMPEGVIDEO", "Motorola Droid - MPEG4 Video", "Android",
                      "mp4", "480", "320", "23.97", "160k", 2},
        ExpectedEntry{1100, "ID_BLACKBERRYGPVIDEO", "BlackBerry - 3GP Video", "BlackBerry", "3gp",
                      "352", "288", "15", nullptr, 0},
        ExpectedEntry{1105, "ID_BLACKBERRYCHARMMPEGVIDEO", "BlackBerry Charm 7100  - MPEG4 Video",
                      "BlackBerry", "mp4", "240", "260", "15", "96k", 2},
        ExpectedEntry{1113, "ID_BLACKBERRYPLAYBOOKWMVVIDEO", "BlackBerry Playbook - WMV Video",
                      "BlackBerry", "wmv", "1024", "600", "29.97", nullptr, 2},
        ExpectedEntry{1161, "ID_HDRMVIDEO", "HD - RM Video", "HD Video", "rm", "1920", "1080",
                      nullptr, nullptr, 2},
        ExpectedEntry{1055, "ID_IPHONEHVIDEO", "iPhone - H.264 Video", "iPhone", "mp4h264", "480",
                      "320", "29.97", nullptr, 2},
        ExpectedEntry{1080, "ID_IPADTwoHHDVIDEO", "iPad2 - H264 HD Video", "iPad", "mp4h264",
                      "1280", "720", "29.97", nullptr, 2},
        ExpectedEntry{1153, "ID_CREATIVEZENXVIDVIDEO", "Creative ZEN - Xvid Video", "PMP", "avi",
                      "480", "272", "30", nullptr, 2},
        ExpectedEntry{1121, "ID_PSPHVIDEOFORFIRMWAREANDABOVE",
                      "PSP - H264 Video for firmware 2.0 and above", "PSP", "mp4h264", "368", "208",
                      nullptr, nullptr, 2},
        ExpectedEntry{1180, "ID_DVDNTSCVIDEO", "DVD NTSC - MPEG-2  Video", "VCD/DVD", "ntsc-dvd",
                      "720", "480", "29.97", nullptr, 0},
        ExpectedEntry{1182, "ID_DVDPALVIDEO", "DVD PAL - MPEG-2 Video", "VCD/DVD", "pal-dvd", "720",
                      "576", "25", nullptr, 0},
        ExpectedEntry{1179, "ID_VCDNTSCVIDEO", "VCD NTSC - MPEG-1 Video", "VCD/DVD", "ntsc-vcd",
                      "352", "240", "29.97", nullptr, 0},
        ExpectedEntry{1181, "ID_VCDPALVIDEO", "VCD PAL - MPEG-1 Video", "VCD/DVD", "pal-vcd", "352",
                      "288", "25", nullptr, 0},
        ExpectedEntry{1165, "ID_DAILYMOTIONHHDVIDEO", "Dailymotion - H264 HD Video", "Web Video",
                      "mp4h264", "1280", "720", nullptr, "192k", 2},
        ExpectedEntry{1176, "ID_YOUTUBEHHDVIDEO", "YOUTUBE - H264 HD Video", "Web Video", "mp4h264",
                      "1280", "720", nullptr, nullptr, 2},
        ExpectedEntry{1117, "ID_WINDOWSPHONEWMVVIDEO", "Windows Phone 7 - WMV Video",
                      "Windows Phone", "wmv", "800", "480", "29.97", nullptr, 2},
        ExpectedEntry{1138, "ID_XBOXXVIDHDVIDEO", "Xbox360 - Xvid HD Video", "Xbox", "avi", "1280",
                      "720", nullptr, nullptr, 2}),
    [](const testing::TestParamInfo<ExpectedEntry>& info) { return std::string(info.param.Name); });

TEST(ProfileCatalogue, UnknownLookupsFindNothing) {
    const ProfileCatalogue catalogue;
    EXPECT_EQ(catalogue.FindByCommandId(1031), nullptr);
    EXPECT_EQ(catalogue.FindByCommandId(0), nullptr);
    EXPECT_EQ(catalogue.FindByCommandName(QStringLiteral("ID_gp")), nullptr);
    EXPECT_EQ(catalogue.FindByCaption(QStringLiteral("3gp - 3gp format (*.3gp)")), nullptr);
}

TEST(ProfileCatalogue, DefaultProfileIsH264Mp4) {
    const ProfileCatalogue catalogue;
    EXPECT_EQ(catalogue.DefaultProfile().Caption, QStringLiteral("MP4 - H264 Video (*.mp4)"));
    EXPECT_EQ(catalogue.DefaultProfile().FormatKey, QStringLiteral("mp4h264"));
}

// Every profile value must be one the dialog can show: a key of the vocabulary, a frame rate
// and audio bitrate from the grid's lists, and a size the dimension rule leaves alone.
TEST(ProfileCatalogue, ValuesStayInsideTheirVocabularies) {
    const ProfileCatalogue catalogue;
    const QSet<QString> keys = {
        "3gp",  "asf", "avi", "f4v", "flv", "mkv",      "mov",     "mp4h264",  "mp4",    "mpg",
        "mpg2", "rm",  "swf", "vob", "wmv", "ntsc-dvd", "pal-dvd", "ntsc-vcd", "pal-vcd"};
    const QSet<QString> frameRates = {"15", "23.97", "25", "29.97", "30"};
    const QSet<QString> audioBitrates = {"96k", "160k", "192k"};
    const QStringList gridFrameRates = GridItemInfo(GridItem::FrameRate).Values;
    const QStringList gridAudioBitrates = GridItemInfo(GridItem::AudioBitrate).Values;
    QSet<QString> keysUsed;
    for (const OutputProfile& p : catalogue.Profiles()) {
        const std::string name = p.CommandName.toStdString();
        EXPECT_TRUE(keys.contains(p.FormatKey)) << name;
        keysUsed.insert(p.FormatKey);
        if (p.FrameRate) {
            EXPECT_TRUE(frameRates.contains(*p.FrameRate)) << name;
            EXPECT_TRUE(gridFrameRates.contains(*p.FrameRate)) << name;
        }
        if (p.AudioBitrate) {
            EXPECT_TRUE(audioBitrates.contains(*p.AudioBitrate)) << name;
            EXPECT_TRUE(gridAudioBitrates.contains(*p.AudioBitrate)) << name;
        }
        if (p.Channels) {
            EXPECT_EQ(*p.Channels, 2) << name;
        }
        if (p.Size) {
            for (const QString& side : {p.Size->Width, p.Size->Height}) {
                const int value = side.toInt();
                EXPECT_EQ(QString::number(value), side) << name;
                EXPECT_EQ(value % 2, 0) << name;
                EXPECT_GE(value, 16) << name;
                EXPECT_LE(value, 5000) << name;
            }
        }
    }
    EXPECT_EQ(keysUsed, keys);
}

TEST(ExtensionForFormatKey, FollowsTheKeyRule) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"3gp", "3gp"},
        {"asf", "asf"},
        {"avi", "avi"},
        {"f4v", "f4v"},
        {"flv", "flv"},
        {"mkv", "mkv"},
        {"mov", "mov"},
        {"mp4h264", "mp4"},
        {"mp4", "mp4"},
        {"mpg", "mpg"},
        {"mpg2", "mpg"},
        {"rm", "rm"},
        {"swf", "swf"},
        {"vob", "vob"},
        {"wmv", "wmv"},
        {"ntsc-dvd", "mpg"},
        {"pal-dvd", "mpg"},
        {"ntsc-vcd", "mpg"},
        {"pal-vcd", "mpg"},
        // Exact comparison: another spelling is just passed through.
        {"MP4H264", "MP4H264"},
        {"", ""}};
    for (const auto& [key, extension] : cases) {
        EXPECT_EQ(ExtensionForFormatKey(key), extension) << key.toStdString();
    }
}

}  // namespace

}  // namespace veltrano
