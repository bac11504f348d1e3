// Probing through a scripted decoder: the row's columns, the decoder's call order, the Add
// Files dialog's request, and the dialog's effects on the list.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <set>
#include <string>

#include "app/probe/file_chooser.h"
#include "app/probe/media_prober.h"
#include "app/probe/probe_feedback.h"
#include "core/list/join_list.h"
#include "engine/api/media_decoder.h"
#include "tests/support/probe_test_printers.h"
#include "tests/support/recording_messages.h"

namespace veltrano {

namespace {

// Answers what it is told and records the calls a probe makes.
class ScriptedDecoder : public MediaDecoder {
public:
    bool OpenMedia(const QString& path, const QString& options) override {
        Calls << QStringLiteral("OpenMedia %1 [%2]").arg(path, options);
        return !Refused.count(path);
    }
    void CloseMedia() override { Calls << QStringLiteral("CloseMedia"); }
    QString LastErrorText() const override {
        Calls << QStringLiteral("LastErrorText");
        return Error;
    }
    int AudioStreamIndex() const override {
        Calls << QStringLiteral("AudioStreamIndex");
        return Audio;
    }
    int VideoStreamIndex() const override {
        Calls << QStringLiteral("VideoStreamIndex");
        return Video;
    }
    QString AudioCodecName(int index) const override {
        Calls << QStringLiteral("AudioCodecName %1").arg(index);
        return index == Audio ? QStringLiteral("mp3") : QString();
    }
    QString VideoCodecName(int index) const override {
        Calls << QStringLiteral("VideoCodecName %1").arg(index);
        return index == Video ? QStringLiteral("mpeg4") : QString();
    }
    int VideoWidth(int index) const override {
        Calls << QStringLiteral("VideoWidth %1").arg(index);
        return index == Video ? 720 : 0;
    }
    int VideoHeight(int index) const override {
        Calls << QStringLiteral("VideoHeight %1").arg(index);
        return index == Video ? 576 : 0;
    }
    std::int64_t Duration() const override {
        Calls << QStringLiteral("Duration");
        return DurationUs;
    }

    mutable QStringList Calls;
    std::set<QString> Refused;
    QString Error = QStringLiteral("Cannot open file: Invalid data found when processing input");
    int Audio = 1;
    int Video = 0;
    std::int64_t DurationUs = 3'723'400'000;  // 3,723.4 s
};

class RecordingFeedback : public ProbeFeedback {
public:
    void ShowBusyPointer() override { Log << QStringLiteral("Busy"); }
    void RestoreNormalPointer() override { Log << QStringLiteral("Normal"); }
    void ShowWaitWindow() override { Log << QStringLiteral("WaitShown"); }
    void CloseWaitWindow() override { Log << QStringLiteral("WaitClosed"); }
    void ProcessPendingEvents() override { ++Repaints; }
    QStringList Log;
    int Repaints = 0;
};

class ScriptedChooser : public FileChooser {
public:
    QStringList ChooseFiles(const FileChoiceRequest& request) override {
        Requests.push_back(request);
        return Answers.isEmpty() ? QStringList() : Answers.takeFirst();
    }
    std::vector<FileChoiceRequest> Requests;
    QList<QStringList> Answers;  // one per dialog; an empty list is a cancel
};

class ProbeAddFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        prober_.SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    // A (sparse) file of the given size.
    QString MakeFile(const QString& relative, qint64 size = 10) {
        const QString path = dir_.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.resize(size));
        return path;
    }

    QTemporaryDir dir_;
    ScriptedDecoder decoder_;
    JoinList list_;
    RecordingMessages messages_;
    RecordingFeedback feedback_;
    ScriptedChooser chooser_;
    MediaProber prober_{decoder_, list_, messages_, feedback_};
};

TEST_F(ProbeAddFilesTest, AProbeAsksTheDecoderInOrderAndFillsEveryColumn) {
    const QString path = MakeFile(QStringLiteral("clip.avi"), 1'048'576);
    const QDateTime modified(QDate(2021, 3, 4), QTime(5, 6, 7));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(prober_.ProbeFile(path));

    EXPECT_EQ(decoder_.Calls,
              (QStringList{QStringLiteral("OpenMedia %1 []").arg(path),
                           QStringLiteral("AudioStreamIndex"), QStringLiteral("VideoStreamIndex"),
                           QStringLiteral("AudioCodecName 1"), QStringLiteral("VideoCodecName 0"),
                           QStringLiteral("Duration"), QStringLiteral("Duration"),
                           QStringLiteral("VideoWidth 0"), QStringLiteral("VideoHeight 0"),
                           QStringLiteral("CloseMedia")}));
    ASSERT_EQ(list_.Count(), 1);
    const MediaItem& row = list_.Row(0);
    EXPECT_EQ(row.SourcePath, path);
    EXPECT_EQ(row.TypeText, QStringLiteral("AVI"));
    EXPECT_EQ(row.DurationText, QStringLiteral("01:02:03"));
    EXPECT_DOUBLE_EQ(row.DurationSeconds, 3723.4);
    EXPECT_EQ(row.VideoSizeText, QStringLiteral("720 X 576"));
    EXPECT_EQ(row.FileSizeText, QStringLiteral("1.0 MB"));
    EXPECT_EQ(row.ModifiedText, QStringLiteral("2021/03/04 05:06:07"));
    EXPECT_EQ(row.VideoCodec, QStringLiteral("mpeg4"));
    EXPECT_EQ(row.AudioCodec, QStringLiteral("mp3"));
}

struct ColumnCase {
    const char* Name;
    const char* RelativePath;
    qint64 Size;
    const char* Type;
    const char* SizeText;

    friend void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.Name; }
};

class ProbeColumnTest : public ProbeAddFilesTest,
                        public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(ProbeColumnTest, TypeAndSizeColumns) {
    const ColumnCase c = GetParam();
    ASSERT_TRUE(prober_.ProbeFile(MakeFile(QString::fromLatin1(c.RelativePath), c.Size)));
    EXPECT_EQ(list_.Row(0).TypeText, QString::fromLatin1(c.Type));
    EXPECT_EQ(list_.Row(0).FileSizeText, QString::fromLatin1(c.SizeText));
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProbeColumnTest,
    ::testing::Values(ColumnCase{"NoExtension", "noext", 0, "", "0.0 MB"},
                      ColumnCase{"DotInFolderOnly", "a.b/clip", 1'048'576, "", "1.0 MB"},
                      ColumnCase{"Grouped", "big.mkv", 1'288'490'189, "MKV", "1,228.8 MB"},
                      ColumnCase{"Rounded", "lower.mp4", 104'858, "MP4", "0.1 MB"},
                      ColumnCase{"PastFourGiB", "huge.ts", 5'000'000'000, "TS", "4,768.4 MB"}),
    [](const ::testing::TestParamInfo<ColumnCase>& info) { return std::string(info.param.Name); });
;

TEST_F(ProbeAddFilesTest, AFileTheDecoderRefusesIsExplainedAndNotListed) {
    const QString path = MakeFile(QStringLiteral("bad.mp4"));
    decoder_.Refused.insert(path);
    EXPECT_FALSE(prober_.ProbeFile(path));
    EXPECT_EQ(list_.Count(), 0);
    EXPECT_EQ(decoder_.Calls, (QStringList{QStringLiteral("OpenMedia %1 []").arg(path),
                                           QStringLiteral("LastErrorText")}));
    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text,
              QStringLiteral("Can not open file: \r\n") + path +
                  QStringLiteral("\r\n\r\nError: \r\nCannot open file: Invalid data found when "
                                 "processing input"));
    EXPECT_EQ(messages_.Shown[0].Title, QStringLiteral("Veltrano Video Joiner"));
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Error);
}

TEST_F(ProbeAddFilesTest, TheDialogGetsTheFilterRowsAndTheLastFolder) {
    const QString first = MakeFile(QStringLiteral("one/a.mp4"));
    const QString second = MakeFile(QStringLiteral("two/b.mp4"));
    chooser_.Answers = {{first}, {second}};
    EXPECT_EQ(prober_.LastAddFolder(), QString());

    prober_.AddFiles(chooser_);
    prober_.AddFiles(chooser_);

    ASSERT_EQ(chooser_.Requests.size(), 2u);
    const FileChoiceRequest& request = chooser_.Requests[0];
    EXPECT_EQ(request.Filters, AddFilesFilters());
    EXPECT_EQ(request.Filters.size(), 17u);
    EXPECT_EQ(request.SelectedFilter, 0);
    EXPECT_TRUE(request.MultipleSelection);
    EXPECT_EQ(request.InitialFolder, QString());  // the platform's default the first time
    EXPECT_EQ(chooser_.Requests[1].InitialFolder, dir_.filePath(QStringLiteral("one")) + "/");
    EXPECT_EQ(prober_.LastAddFolder(), dir_.filePath(QStringLiteral("two")) + "/");
    // One file at a time: busy pointer, no wait window.
    EXPECT_EQ(feedback_.Log, (QStringList{"Busy", "Normal", "Busy", "Normal"}));
}

TEST_F(ProbeAddFilesTest, SeveralFilesAreProbedInRecordingOrderAndTheLastIsSelected) {
    const QString c = MakeFile(QStringLiteral("clip10.mp4"));
    const QString a = MakeFile(QStringLiteral("clip1.mp4"));
    const QString b = MakeFile(QStringLiteral("clip2.mp4"));
    decoder_.Refused.insert(a);  // a failure does not stop the batch
    chooser_.Answers = {{c, a, b}};
    prober_.AddFiles(chooser_);

    ASSERT_EQ(list_.Count(), 2);
    EXPECT_EQ(list_.Row(0).SourcePath, b);
    EXPECT_EQ(list_.Row(1).SourcePath, c);
    EXPECT_EQ(messages_.Shown.size(), 1);
    EXPECT_FALSE(list_.IsSelected(0));
    EXPECT_TRUE(list_.IsSelected(1));
    EXPECT_EQ(feedback_.Log, (QStringList{"Busy", "WaitShown", "WaitClosed", "Normal"}));
    EXPECT_GE(feedback_.Repaints, 3);
    EXPECT_EQ(prober_.LastAddFolder(), dir_.path() + "/");
}

TEST_F(ProbeAddFilesTest, ACancelStillSelectsOnlyTheLastRow) {
    for (const char* name : {"x.mp4", "y.mp4", "z.mp4"}) {
        ASSERT_TRUE(prober_.ProbeFile(MakeFile(QString::fromLatin1(name))));
    }
    list_.SetSelected(0, true);
    list_.SetSelected(1, true);
    chooser_.Answers = {{}};
    prober_.AddFiles(chooser_);

    EXPECT_EQ(list_.Count(), 3);
    EXPECT_FALSE(list_.IsSelected(0));
    EXPECT_FALSE(list_.IsSelected(1));
    EXPECT_TRUE(list_.IsSelected(2));
    EXPECT_TRUE(feedback_.Log.isEmpty());  // no busy pointer for a cancel
    EXPECT_EQ(prober_.LastAddFolder(), QString());
}

TEST_F(ProbeAddFilesTest, FilesInTheRootFolderKeepASingleSlash) {
    chooser_.Answers = {{QStringLiteral("/clip.mp4")}};
    prober_.AddFiles(chooser_);
    EXPECT_EQ(prober_.LastAddFolder(), QStringLiteral("/"));
    EXPECT_EQ(list_.Row(0).SourcePath, QStringLiteral("/clip.mp4"));
}

TEST(AddFilesFiltersTest, SeventeenRowsInOrder) {
    const std::vector<FileFilter> filters = AddFilesFilters();
    const QStringList descriptions{"All Supported Video Files",
                                   "3GPP files (*.3gp;*.3g2;*.3gpp;*.3g;*.k3g;*.3gp2)",
                                   "AMV files (*.amv)",
                                   "AVI Files (*.avi)",
                                   "Digital Video Files (*.dv)",
                                   "DVD Video Files (*.vob)",
                                   "Flash Video (*.flv,*.f4v)",
                                   "Matroska Video (*.mkv)",
                                   "MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)",
                                   "MPEG-4 files(*.mp4,*.m4v)",
                                   "NDS DPG Files (*.dpg)",
                                   "QuickTime Files (*.mov,*.qt)",
                                   "RealMedia file (*.rm,*.rmvb)",
                                   "VCD Movie Files (*.dat)",
                                   "WebM Video Files (*.webm)",
                                   "Windows Media Video Files (*.wmv,*.asf)",
                                   "All Files (*.*)"};
    ASSERT_EQ(filters.size(), 17u);
    for (size_t i = 0; i < filters.size(); ++i) {
        EXPECT_EQ(filters[i].Description, descriptions[static_cast<qsizetype>(i)]) << i;
    }
    EXPECT_EQ(filters[1].Patterns, QStringLiteral("*.3gp;*.3g2;*.3gpp;*.3g;*.k3g;*.3gp2"));
    EXPECT_EQ(filters[6].Patterns, QStringLiteral("*.flv;*.f4v"));
    EXPECT_EQ(filters[16].Patterns, QStringLiteral("*.*"));
    // Row 1 offers exactly the patterns of rows 2 to 16.
    QStringList all;
    for (size_t i = 1; i <= 15; ++i) {
        all += filters[i].PatternList();
    }
    QStringList supported = filters[0].PatternList();
    EXPECT_EQ(supported.size(), 31);
    all.sort();
    supported.sort();
    EXPECT_EQ(supported, all);
}

TEST(AddFilesFiltersTest, NameFiltersCarryPatternsQtCanRead) {
    const std::vector<FileFilter> filters = AddFilesFilters();
    EXPECT_EQ(filters[3].ToNameFilter(), QStringLiteral("AVI Files (*.avi) (*.avi)"));
    EXPECT_EQ(filters[6].ToNameFilter(), QStringLiteral("Flash Video (*.flv,*.f4v) (*.flv *.f4v)"));
    EXPECT_EQ(filters[1].ToNameFilter(),
              QStringLiteral("3GPP files (*.3gp;*.3g2;*.3gpp;*.3g;*.k3g;*.3gp2) "
                             "(*.3gp *.3g2 *.3gpp *.3g *.k3g *.3gp2)"));
    EXPECT_EQ(filters[16].ToNameFilter(), QStringLiteral("All Files (*.*) (*)"));
}

// Qt reads the patterns of the last parentheses; "All Files" must also match a name without
// a dot, as it does where "*.*" comes from.
TEST(AddFilesFiltersTest, AllFilesMatchesNamesWithoutExtension) {
    const std::vector<FileFilter> filters = AddFilesFilters();
    const QString allFiles = filters[16].ToNameFilter();
    const QString patterns = allFiles.mid(allFiles.lastIndexOf(QLatin1Char('(')) + 1).chopped(1);
    const QRegularExpression any(QRegularExpression::wildcardToRegularExpression(patterns));
    EXPECT_TRUE(any.match(QStringLiteral("clip")).hasMatch());
    EXPECT_TRUE(any.match(QStringLiteral("clip.mp4")).hasMatch());
    const QString avi = filters[3].ToNameFilter();
    const QRegularExpression aviOnly(QRegularExpression::wildcardToRegularExpression(
        avi.mid(avi.lastIndexOf(QLatin1Char('(')) + 1).chopped(1)));
    EXPECT_FALSE(aviOnly.match(QStringLiteral("clip")).hasMatch());
    EXPECT_TRUE(aviOnly.match(QStringLiteral("clip.avi")).hasMatch());
}

}  // namespace

}  // namespace veltrano
