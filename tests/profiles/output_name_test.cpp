#include "profiles/output_name.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "profiles/output_settings.h"

namespace veltrano {

namespace {

TEST(DefaultOutputName, ProposesBaseNameWithJoinSuffix) {
    EXPECT_EQ(DefaultOutputName("/video/holiday.avi"), QStringLiteral("holiday-join"));
    EXPECT_EQ(DefaultOutputName("/clips/a.b.mp4"), QStringLiteral("a.b-join"));
    EXPECT_EQ(DefaultOutputName("relative.mkv"), QStringLiteral("relative-join"));
    EXPECT_EQ(DefaultOutputName("/clips/.hidden"), QStringLiteral("-join"));
}

TEST(DefaultOutputName, NoProposalWithoutExtension) {
    EXPECT_FALSE(DefaultOutputName("/clips/clip").has_value());
    EXPECT_FALSE(DefaultOutputName("/v.1/clip").has_value());
    EXPECT_FALSE(DefaultOutputName("").has_value());
}

TEST(ProposeOutputName, ReplacesTheBoxThroughTheChangeFilter) {
    OutputSettings s;
    s.SetFileNameText("typed earlier");
    s.ProposeOutputName("/clips/my@clip.mp4");
    EXPECT_EQ(s.FileNameText, QStringLiteral("myclip-join"));
}

TEST(ProposeOutputName, KeepsTheBoxWhenTheFirstRowHasNoExtension) {
    OutputSettings s;
    s.ProposeOutputName("/clips/clip");
    EXPECT_EQ(s.FileNameText, QStringLiteral("Join"));
    s.SetFileNameText("mine");
    s.ProposeOutputName("/v.1/clip");
    EXPECT_EQ(s.FileNameText, QStringLiteral("mine"));
}

TEST(FilterFileName, RefusesTheTenCharactersInOrder) {
    const std::array<char16_t, 10> expected = {u'*', u'/', u':',  u'?', u'<',
                                               u'>', u'|', u'\\', u'@', u'"'};
    EXPECT_EQ(kRefusedNameCharacters, expected);
    for (char16_t c : expected) {
        EXPECT_TRUE(IsRefusedNameCharacter(QChar(c)));
        EXPECT_FALSE(FilterFileNameKey(QChar(c)).has_value());
    }
    for (QChar c : QStringLiteral("aZ9 .-_()[]é'")) {
        EXPECT_FALSE(IsRefusedNameCharacter(c));
        EXPECT_EQ(FilterFileNameKey(c), c);
    }
}

TEST(FilterFileName, ChangeFilterRemovesEveryRefusedCharacter) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"my:clip?", "myclip"},
        {"a<b>c", "abc"},
        {"*/:?<>|\\@\"", ""},
        {"keep. these - chars_(1) é", "keep. these - chars_(1) é"},
        {"a**b//c", "abc"}};
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(FilterFileName(in), out) << in.toStdString();
    }
}

TEST(FilterFileName, PastedTextIsFilteredByTheBox) {
    OutputSettings s;
    s.SetFileNameText("a<b>c");
    EXPECT_EQ(s.FileNameText, QStringLiteral("abc"));
}

TEST(ValidateOutputName, TrimsBlanksAndRefusesEmptyNames) {
    EXPECT_FALSE(ValidateOutputName("").has_value());
    EXPECT_FALSE(ValidateOutputName("    ").has_value());
    EXPECT_EQ(ValidateOutputName("  clip  "), QStringLiteral("clip"));
    EXPECT_EQ(ValidateOutputName("two words"), QStringLiteral("two words"));
}

TEST(FolderValidation, NormalisesTextWithTrailingSeparator) {
    EXPECT_EQ(NormalizeFolderText("  /tmp/out  "), QStringLiteral("/tmp/out/"));
    EXPECT_EQ(NormalizeFolderText("/tmp/out/"), QStringLiteral("/tmp/out/"));
    EXPECT_EQ(NormalizeFolderText(""), QStringLiteral("/"));
}

TEST(FolderValidation, AcceptsExistingFoldersOfThreeCharactersOrMore) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cwd = QDir::currentPath();
    EXPECT_TRUE(IsFolderTextValid(NormalizeFolderText(dir.path())));
    EXPECT_EQ(QDir::currentPath(), cwd);  // the check never moves the working directory

    EXPECT_FALSE(IsFolderTextValid(NormalizeFolderText(dir.path() + "/missing")));
    QFile file(dir.path() + "/file.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(IsFolderTextValid(NormalizeFolderText(file.fileName())));
}

TEST(FolderValidation, RefusesTheBareRoot) {
    // "/" exists but is shorter than three characters.
    EXPECT_FALSE(IsFolderTextValid(NormalizeFolderText("/")));
    EXPECT_FALSE(IsFolderTextValid(NormalizeFolderText("  /  ")));
    EXPECT_FALSE(IsFolderTextValid("//"));
}

}  // namespace

}  // namespace veltrano
