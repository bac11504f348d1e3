#include "profiles/advanced_grid.h"

#include <gtest/gtest.h>

#include "profiles/output_settings.h"
#include "tests/support/test_text.h"

namespace veltrano {

namespace {

const QString kAuto = QStringLiteral("Auto");

TEST(AdvancedGridLayout, CategoriesAndItemsInDisplayOrder) {
    const std::vector<GridCategorySpec> layout = AdvancedGridLayout();
    ASSERT_EQ(layout.size(), 3u);
    EXPECT_EQ(layout[0].Caption, QStringLiteral("Output File"));
    EXPECT_EQ(layout[1].Caption, QStringLiteral("Video Settings"));
    EXPECT_EQ(layout[2].Caption, QStringLiteral("Audio Settings"));

    const std::vector<std::vector<QString>> captions = {
        {"Filename Extension"},
        {"Video Bitrate", "Frame Rate (FPS)", "Aspect Rate"},
        {"Audio Bitrate", "Sample Rate", "Channels", "Remove Audio"}};
    for (size_t c = 0; c < captions.size(); ++c) {
        ASSERT_EQ(layout[c].Items.size(), captions[c].size());
        for (size_t i = 0; i < captions[c].size(); ++i) {
            EXPECT_EQ(layout[c].Items[i].Caption, captions[c][i]);
        }
    }
}

TEST(AdvancedGridLayout, HelpTextsKindsAndInitialValues) {
    struct Expected {
        GridItem Item;
        const char* Help;
        GridItemKind Kind;
        const char* Initial;
    };
    const std::vector<Expected> expected = {
        {GridItem::FilenameExtension, "", GridItemKind::ReadOnlyText, ""},
        {GridItem::VideoBitrate, "Set the video bit rate in bps (Bit Per Second)",
         GridItemKind::EditableList, "Auto"},
        {GridItem::FrameRate,
         "Set how many frames should be displayed per second. Higher frame rate increases the "
         "smoothness when played back",
         GridItemKind::EditableList, "Auto"},
        {GridItem::AspectRate,
         "Set width to height ratio according to the screen aspect of your playback device",
         GridItemKind::EditableList, "Auto"},
        {GridItem::AudioBitrate, "Set the audio bitrate in bps(Bit Per Second)",
         GridItemKind::EditableList, "Auto"},
        {GridItem::SampleRate,
         "Set the audio sampling frequency (the number of samples per second)",
         GridItemKind::EditableList, "Auto"},
        {GridItem::Channels, "Set number of audio channels. 1 - Mono, 2 - Stereo",
         GridItemKind::ChoiceList, "Auto"},
        {GridItem::RemoveAudio, "", GridItemKind::CheckBox, "False"}};
    for (const Expected& e : expected) {
        const GridItemSpec info = GridItemInfo(e.Item);
        EXPECT_EQ(info.Item, e.Item);
        EXPECT_EQ(info.HelpText, QString::fromUtf8(e.Help)) << info.Caption.toStdString();
        EXPECT_EQ(info.Kind, e.Kind) << info.Caption.toStdString();
        EXPECT_EQ(info.InitialValue, QString::fromUtf8(e.Initial)) << info.Caption.toStdString();
        EXPECT_EQ(info.Id.has_value(), e.Item == GridItem::RemoveAudio);
    }
    EXPECT_EQ(GridItemInfo(GridItem::RemoveAudio).Id, 100);
}

TEST(AdvancedGridLayout, ValueLists) {
    EXPECT_EQ(
        GridItemInfo(GridItem::VideoBitrate).Values,
        QStringList({"Auto",  "64k",   "96k",   "128k",  "160k",  "192k",  "256k",  "320k",
                     "384k",  "448k",  "512k",  "640k",  "768k",  "1000k", "1200k", "1500k",
                     "1800k", "2000k", "2200k", "2500k", "2800k", "3000k", "3500k", "4000k"}));
    EXPECT_EQ(GridItemInfo(GridItem::FrameRate).Values,
              QStringList({"Auto", "10", "12", "15", "20", "23.97", "24", "25", "29.97", "30", "50",
                           "60"}));
    EXPECT_EQ(GridItemInfo(GridItem::AspectRate).Values, QStringList({"Auto", "4:3", "16:9"}));
    EXPECT_EQ(GridItemInfo(GridItem::AudioBitrate).Values,
              QStringList({"Auto", "32k", "40k", "48k", "56k", "64k", "80k", "96k", "112k", "128k",
                           "160k", "192k", "224k", "256k", "320k"}));
    EXPECT_EQ(GridItemInfo(GridItem::SampleRate).Values,
              QStringList({"Auto", "8000", "11025", "16000", "22050", "32000", "44100", "48000"}));
    const std::vector<GridChoice> choices = GridItemInfo(GridItem::Channels).Choices;
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].Caption, kAuto);
    EXPECT_EQ(choices[0].Value, 0);
    EXPECT_EQ(choices[1].Caption, QStringLiteral("1"));
    EXPECT_EQ(choices[1].Value, 1);
    EXPECT_EQ(choices[2].Caption, QStringLiteral("2"));
    EXPECT_EQ(choices[2].Value, 2);
}

// Every suggested value must survive its own item's rule.
TEST(AdvancedGridLayout, SuggestedValuesSurviveNormalisation) {
    for (GridItem item : kFreeTextItems) {
        for (const QString& value : GridItemInfo(item).Values) {
            OutputSettings s;
            ASSERT_TRUE(s.EditGridText(item, value));
            EXPECT_EQ(s.GridText(item), value);
        }
    }
}

struct EditCase {
    GridItem Item;
    const char* Typed;
    const char* Kept;

    friend void PrintTo(const EditCase& c, std::ostream* os) {
        *os << GridItemInfo(c.Item).Caption.toStdString() << " typed '" << c.Typed << "'";
    }
};

class GridEdit : public testing::TestWithParam<EditCase> {};

TEST_P(GridEdit, NormalisesTheTypedValue) {
    const EditCase& c = GetParam();
    OutputSettings s;
    ASSERT_TRUE(s.EditGridText(c.Item, QString::fromUtf8(c.Typed)));
    EXPECT_EQ(s.GridText(c.Item), QString::fromUtf8(c.Kept)) << "typed '" << c.Typed << "'";
}

INSTANTIATE_TEST_SUITE_P(Rules, GridEdit,
                         testing::Values(EditCase{GridItem::VideoBitrate, "", "Auto"},
                                         EditCase{GridItem::VideoBitrate, "   ", "Auto"},
                                         EditCase{GridItem::VideoBitrate, " 1500k ", "1500k"},
                                         EditCase{GridItem::VideoBitrate, "1200K", "1200K"},
                                         EditCase{GridItem::VideoBitrate, "800000", "800000"},
                                         EditCase{GridItem::VideoBitrate, "k", "k"},
                                         EditCase{GridItem::VideoBitrate, "1500kb", "Auto"},
                                         EditCase{GridItem::VideoBitrate, "1,500k", "Auto"},
                                         EditCase{GridItem::VideoBitrate, "1.2M", "Auto"},
                                         EditCase{GridItem::VideoBitrate, "128 k", "Auto"},
                                         EditCase{GridItem::VideoBitrate, "kbps", "Auto"},
                                         EditCase{GridItem::VideoBitrate, "auto", "Auto"},
                                         EditCase{GridItem::VideoBitrate, "kk", "Auto"},
                                         EditCase{GridItem::AudioBitrate, "128K", "128K"},
                                         EditCase{GridItem::AudioBitrate, "-128k", "Auto"},
                                         EditCase{GridItem::SampleRate, "44100", "44100"},
                                         EditCase{GridItem::SampleRate, "44.1", "Auto"},
                                         EditCase{GridItem::SampleRate, "44.1k", "Auto"},
                                         EditCase{GridItem::SampleRate, "44100Hz", "Auto"},
                                         EditCase{GridItem::SampleRate, "44100k", "Auto"},
                                         EditCase{GridItem::FrameRate, "23.976", "23.976"},
                                         EditCase{GridItem::FrameRate, "25", "25"},
                                         EditCase{GridItem::FrameRate, " 29.97 ", "29.97"},
                                         EditCase{GridItem::FrameRate, "pal", "Auto"},
                                         EditCase{GridItem::FrameRate, "25fps", "Auto"},
                                         EditCase{GridItem::FrameRate, "1.2.3", "Auto"},
                                         EditCase{GridItem::FrameRate, ".", "Auto"},
                                         EditCase{GridItem::AspectRate, "16:9", "16:9"},
                                         EditCase{GridItem::AspectRate, "2:1", "2:1"},
                                         EditCase{GridItem::AspectRate, ":9", ":9"},
                                         EditCase{GridItem::AspectRate, "16:", "16:"},
                                         EditCase{GridItem::AspectRate, "16:9:1", "Auto"},
                                         EditCase{GridItem::AspectRate, "16/9", "Auto"},
                                         EditCase{GridItem::AspectRate, "wide", "Auto"},
                                         EditCase{GridItem::AspectRate, "16 :9", "Auto"}),
                         // Blank and spaced entries differ only in what the name drops: the
                         // index keeps the names apart.
                         [](const testing::TestParamInfo<EditCase>& info) {
                             return std::to_string(info.index) + "_" +
                                    TestNamePart(
                                        GridItemInfo(info.param.Item).Caption.toStdString()) +
                                    "_" + TestNamePart(info.param.Typed);
                         });

TEST(NormalizeGridValue, OneEditPassesAllFiveItemsThroughTheirRules) {
    OutputSettings s;
    // Values that could only arrive from outside the grid's own edits.
    s.VideoBitrate = "fast";
    s.AudioBitrate = "1.5k";
    s.SampleRate = "44.1";
    s.FrameRate = "pal";
    s.AspectRate = "16/9";
    ASSERT_TRUE(s.EditGridText(GridItem::AspectRate, "4:3"));
    EXPECT_EQ(s.VideoBitrate, kAuto);
    EXPECT_EQ(s.AudioBitrate, kAuto);
    EXPECT_EQ(s.SampleRate, kAuto);
    EXPECT_EQ(s.FrameRate, kAuto);
    EXPECT_EQ(s.AspectRate, QStringLiteral("4:3"));

    // The channel choice and the audio removal are edits too.
    s.VideoBitrate = "bad";
    ASSERT_TRUE(s.EditChannels(2));
    EXPECT_EQ(s.VideoBitrate, kAuto);
    s.FrameRate = "bad";
    s.EditRemoveAudio(true);
    EXPECT_EQ(s.FrameRate, kAuto);
}

TEST(NormalizeGridValue, OtherItemsAreNotTrimmed) {
    OutputSettings s;
    s.VideoBitrate = "512k";
    s.FrameRate = "25";
    ASSERT_TRUE(s.EditGridText(GridItem::SampleRate, " 48000 "));
    EXPECT_EQ(s.SampleRate, QStringLiteral("48000"));
    EXPECT_EQ(s.VideoBitrate, QStringLiteral("512k"));
    EXPECT_EQ(s.FrameRate, QStringLiteral("25"));
}

TEST(AudioLock, RemoveAudioLocksTheThreeAudioItemsWithoutChangingThem) {
    OutputSettings s;
    ASSERT_TRUE(s.EditGridText(GridItem::AudioBitrate, "192k"));
    ASSERT_TRUE(s.EditGridText(GridItem::SampleRate, "48000"));
    ASSERT_TRUE(s.EditChannels(1));

    s.EditRemoveAudio(true);
    EXPECT_TRUE(s.RemoveAudio);
    EXPECT_EQ(s.GridText(GridItem::RemoveAudio), QStringLiteral("True"));
    for (GridItem item : {GridItem::AudioBitrate, GridItem::SampleRate, GridItem::Channels}) {
        EXPECT_TRUE(s.IsGridItemLocked(item));
    }
    EXPECT_FALSE(s.EditGridText(GridItem::AudioBitrate, "64k"));
    EXPECT_FALSE(s.EditGridText(GridItem::SampleRate, "8000"));
    EXPECT_FALSE(s.EditChannels(2));
    EXPECT_EQ(s.AudioBitrate, QStringLiteral("192k"));
    EXPECT_EQ(s.SampleRate, QStringLiteral("48000"));
    EXPECT_EQ(s.Channels, 1);

    // The video items stay editable.
    EXPECT_FALSE(s.IsGridItemLocked(GridItem::VideoBitrate));
    EXPECT_TRUE(s.EditGridText(GridItem::VideoBitrate, "900k"));

    s.EditRemoveAudio(false);
    EXPECT_FALSE(s.IsGridItemLocked(GridItem::AudioBitrate));
    EXPECT_EQ(s.AudioBitrate, QStringLiteral("192k"));
    EXPECT_TRUE(s.EditGridText(GridItem::AudioBitrate, "64k"));
    EXPECT_TRUE(s.EditChannels(2));
}

TEST(GridEdits, RefuseItemsThatAreNotFreeText) {
    OutputSettings s;
    EXPECT_FALSE(s.EditGridText(GridItem::FilenameExtension, "avi"));
    EXPECT_EQ(s.FilenameExtension, QStringLiteral("mp4"));
    EXPECT_FALSE(s.EditGridText(GridItem::Channels, "2"));
    EXPECT_FALSE(s.EditGridText(GridItem::RemoveAudio, "True"));
    EXPECT_FALSE(s.EditChannels(3));
    EXPECT_FALSE(s.EditChannels(-1));
    EXPECT_EQ(s.Channels, 0);
    EXPECT_EQ(s.GridText(GridItem::Channels), kAuto);
}

}  // namespace

}  // namespace veltrano
