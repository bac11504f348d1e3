// The manual page of veltrano-join and its --help text describe the same interface.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <set>

#include "cli/cli_arguments.h"

namespace veltrano {
namespace {

using Names = std::set<QString>;

// The manual page as a reader sees it: roff's escaped hyphens and font changes removed.
QString ManPageText() {
    QFile file(QStringLiteral(VELTRANO_MAN_PAGE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << VELTRANO_MAN_PAGE;
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    return text;
}

// The lines of the manual page's section `name` (".SH name" up to the next ".SH").
QStringList ManSection(const QString& page, const QString& name) {
    QStringList lines;
    bool inside = false;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral(".SH "))) {
            inside = line.mid(4).trimmed() == name;
        } else if (inside) {
            lines << line;
        }
    }
    return lines;
}

// The lines of the usage block headed `heading` up to the next empty line.
QStringList UsageBlock(const QString& usage, const QString& heading) {
    QStringList lines;
    bool inside = false;
    for (const QString& line : usage.split(QLatin1Char('\n'))) {
        if (line == heading) {
            inside = true;
        } else if (inside && line.trimmed().isEmpty()) {
            break;
        } else if (inside) {
            lines << line;
        }
    }
    return lines;
}

// Every option named in the text: "--name" or "-h", not the hyphen inside a word.
Names OptionsIn(const QString& text) {
    Names names;
    static const QRegularExpression option(QStringLiteral("(?<![\\w<>-])--?[a-z][a-z-]*"));
    for (const auto& match : option.globalMatch(text)) {
        names.insert(match.captured());
    }
    return names;
}

QString Joined(const Names& names) {
    return QStringList(names.begin(), names.end()).join(QLatin1Char(' '));
}

TEST(ManPageTest, SynopsisIsTheUsageOfHelp) {
    QStringList synopsis;
    for (const QString& line : ManSection(ManPageText(), QStringLiteral("SYNOPSIS"))) {
        if (!line.startsWith(QLatin1Char('.'))) {
            synopsis << line.trimmed();
        }
    }
    QStringList usage;
    for (const QString& line : UsageBlock(CliUsageText(), QStringLiteral("Usage:"))) {
        usage << line.trimmed();
    }
    EXPECT_FALSE(usage.isEmpty());
    EXPECT_EQ(synopsis.join(QLatin1Char('\n')).toStdString(),
              usage.join(QLatin1Char('\n')).toStdString());
}

TEST(ManPageTest, SameCommandsDescribed) {
    Names manCommands;
    const QStringList section = ManSection(ManPageText(), QStringLiteral("COMMANDS"));
    for (qsizetype i = 0; i + 1 < section.size(); ++i) {
        if (section.at(i) == QStringLiteral(".TP")) {
            manCommands.insert(section.at(i + 1).mid(3).trimmed());  // after ".B "
        }
    }
    Names helpCommands;
    static const QRegularExpression entry(QStringLiteral("^  (\\S+)  "));
    for (const QString& line : UsageBlock(CliUsageText(), QStringLiteral("Commands:"))) {
        const auto match = entry.match(line);
        if (match.hasMatch()) {
            helpCommands.insert(match.captured(1));
        }
    }
    EXPECT_EQ(helpCommands.size(), 7u) << Joined(helpCommands).toStdString();
    EXPECT_TRUE(manCommands == helpCommands) << "manual: " << Joined(manCommands).toStdString()
                                             << "\nhelp: " << Joined(helpCommands).toStdString();
}

TEST(ManPageTest, SameOptionsNamed) {
    const Names manOptions = OptionsIn(ManPageText());
    const Names helpOptions = OptionsIn(CliUsageText());
    EXPECT_GE(helpOptions.size(), 18u) << Joined(helpOptions).toStdString();
    EXPECT_TRUE(manOptions == helpOptions) << "manual: " << Joined(manOptions).toStdString()
                                           << "\nhelp: " << Joined(helpOptions).toStdString();
}

// Documented options that the parser would refuse are worse than undocumented ones.
TEST(ManPageTest, EveryDocumentedOptionIsAccepted) {
    for (const QString& option : OptionsIn(ManPageText())) {
        if (option == QStringLiteral("--help") || option == QStringLiteral("-h") ||
            option == QStringLiteral("--version")) {
            EXPECT_TRUE(ParseCliArguments({option}).Ok()) << option.toStdString();
            continue;
        }
        bool accepted = false;
        for (const char* command : {"probe", "params", "join"}) {
            const Result<CliArguments> result =
                ParseCliArguments({QString::fromLatin1(command), option, QStringLiteral("1"),
                                   QStringLiteral("a"), QStringLiteral("b")});
            accepted = accepted || !result.Message().contains(QStringLiteral("unknown option"));
        }
        EXPECT_TRUE(accepted) << option.toStdString();
    }
}

}  // namespace
}  // namespace veltrano
