// A stream copy into a name without extension writes the first input's own container.
#include <gtest/gtest.h>

#include "engine/plan/output_plan_resolver.h"
#include "engine/plan/output_rules.h"

namespace veltrano {

namespace {

const QString kCopy = QStringLiteral("-vcodec copy -acodec copy -join");
const QString kMp4Family = QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2");

FirstInputFacts ReadBy(const QString& demuxer, const QString& brand = {}) {
    FirstInputFacts facts;
    facts.Container = demuxer;
    facts.MajorBrand = brand;
    return facts;
}

QString CopyMuxer(const QString& outputPath, const FirstInputFacts& facts) {
    const Result<OutputPlan> plan = ParseEncodeOptions(kCopy, outputPath, facts);
    EXPECT_TRUE(plan.Ok()) << plan.Message().toStdString();
    return plan.Ok() ? plan->MuxerName : QString();
}

TEST(CopyOutputFormat, TheMp4FamilyIsToldApartByItsBrand) {
    EXPECT_EQ(MuxerForInputContainer(kMp4Family, QStringLiteral("isom")), QStringLiteral("mp4"));
    EXPECT_EQ(MuxerForInputContainer(kMp4Family, QStringLiteral("mp42")), QStringLiteral("mp4"));
    EXPECT_EQ(MuxerForInputContainer(kMp4Family, {}), QStringLiteral("mp4"));
    EXPECT_EQ(MuxerForInputContainer(kMp4Family, QStringLiteral("qt  ")), QStringLiteral("mov"));
    EXPECT_EQ(MuxerForInputContainer(kMp4Family, QStringLiteral("3gp5")), QStringLiteral("3gp"));
    EXPECT_EQ(MuxerForInputContainer(kMp4Family, QStringLiteral("3g2a")), QStringLiteral("3g2"));
    EXPECT_EQ(MuxerForInputContainer(QStringLiteral("matroska,webm"), {}),
              QStringLiteral("matroska"));
    EXPECT_EQ(MuxerForInputContainer(QStringLiteral("mpegts"), {}), QStringLiteral("mpegts"));
    EXPECT_EQ(MuxerForInputContainer(QStringLiteral("mpeg"), {}), QStringLiteral("mpeg"));
    EXPECT_EQ(MuxerForInputContainer(QStringLiteral("h264"), {}), QString());
}

TEST(CopyOutputFormat, ANameWithoutExtensionTakesTheFirstInputsContainer) {
    // "Join." is what a proposal without extension used to become; "Join" what it is now.
    for (const QString& name : {QStringLiteral("/tmp/Join"), QStringLiteral("/tmp/Join.")}) {
        EXPECT_EQ(CopyMuxer(name, ReadBy(kMp4Family, QStringLiteral("isom"))),
                  QStringLiteral("mp4"));
        EXPECT_EQ(CopyMuxer(name, ReadBy(kMp4Family, QStringLiteral("qt  "))),
                  QStringLiteral("mov"));
        EXPECT_EQ(CopyMuxer(name, ReadBy(QStringLiteral("matroska,webm"))),
                  QStringLiteral("matroska"));
        EXPECT_EQ(CopyMuxer(name, ReadBy(QStringLiteral("mpegts"))), QStringLiteral("mpegts"));
        EXPECT_EQ(CopyMuxer(name, ReadBy(QStringLiteral("avi"))), QStringLiteral("avi"));
        // Not in the table: the muxer libavformat names like the demuxer.
        EXPECT_EQ(CopyMuxer(name, ReadBy(QStringLiteral("nut"))), QStringLiteral("nut"));
    }
}

TEST(CopyOutputFormat, AnExtensionStillDecides) {
    EXPECT_EQ(CopyMuxer(QStringLiteral("/tmp/Join.mkv"), ReadBy(kMp4Family)),
              QStringLiteral("matroska"));
    // A program stream's plain name is written as .mpg is.
    EXPECT_EQ(CopyMuxer(QStringLiteral("/tmp/Join.ps"), ReadBy(QStringLiteral("mpeg"))),
              QStringLiteral("mpeg"));
    // An extension nobody knows is refused, whatever the input was.
    const Result<OutputPlan> unknown =
        ParseEncodeOptions(kCopy, QStringLiteral("/tmp/Join.xyz"), ReadBy(kMp4Family));
    ASSERT_FALSE(unknown.Ok());
    EXPECT_TRUE(unknown.Message().startsWith(QStringLiteral("Cannot tell the output format")));
}

TEST(CopyOutputFormat, WithoutExtensionOrKnownContainerTheNameIsRefused) {
    for (const FirstInputFacts& facts : {FirstInputFacts{}, ReadBy(QStringLiteral("nosuch"))}) {
        const Result<OutputPlan> plan =
            ParseEncodeOptions(kCopy, QStringLiteral("/tmp/Join"), facts);
        ASSERT_FALSE(plan.Ok());
        EXPECT_EQ(plan.Message().toStdString(),
                  "Cannot tell the output format from the file name \"Join\".");
    }
}

}  // namespace

}  // namespace veltrano
