#include <gtest/gtest.h>

extern "C" {
#include <libavformat/avformat.h>
}

#include "engine/plan/engine_check.h"

namespace veltrano {

namespace {

TEST(EngineCheckTest, TheLinkedLibrariesCarryEverythingTheProfilesNeed) {
    EngineCheck check;
    EXPECT_TRUE(check.IsEngineLoaded()) << check.LastErrorText().toStdString();
    EXPECT_TRUE(check.LoadEngine(QStringLiteral("/nowhere/LibAV")));
    EXPECT_TRUE(check.LastErrorText().isEmpty());
}

TEST(EngineCheckTest, TheProfileListNamesTheEncodersAndMuxersOfEveryFormat) {
    const EngineRequirements requirements = EngineRequirements::ForProfiles();
    for (const char* encoder :
         {"libx264", "mpeg4", "libxvid", "h263", "flv", "wmv2", "msmpeg4v2", "mpeg1video",
          "mpeg2video", "rv20", "aac", "libmp3lame", "mp2", "ac3", "wmav2"}) {
        EXPECT_TRUE(requirements.Encoders.contains(QString::fromLatin1(encoder))) << encoder;
    }
    for (const char* muxer : {"mp4", "mov", "3gp", "flv", "swf", "matroska", "avi", "asf", "mpeg",
                              "vcd", "dvd", "vob", "rm"}) {
        EXPECT_TRUE(requirements.Muxers.contains(QString::fromLatin1(muxer))) << muxer;
    }
    EXPECT_EQ(requirements.Libraries.size(), 3u);
}

TEST(EngineCheckTest, MissingEncodersAndMuxersAreNamed) {
    EngineRequirements requirements = EngineRequirements::ForProfiles();
    requirements.Encoders << QStringLiteral("no_such_encoder") << QStringLiteral("another_missing");
    requirements.Muxers << QStringLiteral("no_such_muxer");
    EngineCheck check(requirements);
    EXPECT_FALSE(check.IsEngineLoaded());
    EXPECT_FALSE(check.LoadEngine(QStringLiteral("/opt/veltrano/LibAV")));
    const QString text = check.LastErrorText();
    EXPECT_TRUE(text.contains(QStringLiteral("no_such_encoder"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("another_missing"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("no_such_muxer"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("libx264"))) << text.toStdString();
}

TEST(EngineCheckTest, ALibraryOfAnotherMajorVersionIsRefused) {
    EngineRequirements requirements = EngineRequirements::ForProfiles();
    requirements.Libraries.push_back(
        {QStringLiteral("libavformat"), LIBAVFORMAT_VERSION_MAJOR + 1, avformat_version()});
    EngineCheck check(requirements);
    EXPECT_FALSE(check.IsEngineLoaded());
    EXPECT_TRUE(check.LastErrorText().contains(QStringLiteral("libavformat")))
        << check.LastErrorText().toStdString();
}

TEST(EngineCheckTest, NothingRequiredIsNothingMissing) {
    EngineCheck check(EngineRequirements{});
    EXPECT_TRUE(check.IsEngineLoaded());
}

}  // namespace

}  // namespace veltrano
