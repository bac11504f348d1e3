// The help pages: every link leads somewhere, and the names they teach are the program's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "core/list/join_list.h"
#include "core/list/join_list_model.h"
#include "profiles/advanced_grid.h"
#include "profiles/catalogue/profile_catalogue.h"

namespace veltrano {
namespace {

const QString kHelpDir = QStringLiteral(VELTRANO_HELP_DIR);

QString Page(const QString& name) {
    QFile file(kHelpDir + QLatin1Char('/') + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QStringList PageNames() {
    return QDir(kHelpDir).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

TEST(HelpPagesTest, EveryLinkLeadsToAFileOfTheHelp) {
    const QStringList pages = PageNames();
    ASSERT_TRUE(pages.contains(QStringLiteral("index.html")));
    const QString index = Page(QStringLiteral("index.html"));
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#]*)[^\"]*\""));
    for (const QString& name : pages) {
        const QString page = Page(name);
        EXPECT_TRUE(page.contains(QStringLiteral("href=\"help.css\""))) << name.toStdString();
        if (name != QStringLiteral("index.html")) {
            EXPECT_TRUE(index.contains(QStringLiteral("href=\"%1\"").arg(name)))
                << name.toStdString() << " is not reachable from the contents";
        }
        for (const auto& match : link.globalMatch(page)) {
            const QString target = match.captured(1);
            if (target.isEmpty() || target.contains(QStringLiteral("://"))) {
                continue;
            }
            EXPECT_TRUE(QFile::exists(kHelpDir + QLatin1Char('/') + target))
                << name.toStdString() << " links to a missing " << target.toStdString();
        }
    }
}

TEST(HelpPagesTest, ProfilesPageListsTheWholeCatalogue) {
    const QString page = Page(QStringLiteral("profiles.html"));
    const ProfileCatalogue catalogue;
    ASSERT_EQ(catalogue.Profiles().size(), 126u);
    for (const OutputProfile& profile : catalogue.Profiles()) {
        // The caption ends the entry or is followed by the extension.
        const QString entry = QStringLiteral("<li>") + Escaped(profile.Caption);
        EXPECT_TRUE(page.contains(entry + QStringLiteral("</li>")) ||
                    page.contains(entry + QStringLiteral(" <span")))
            << profile.Caption.toStdString();
        EXPECT_TRUE(page.contains(QStringLiteral("<h3>") + Escaped(profile.Group) +
                                  QStringLiteral("</h3>")))
            << profile.Group.toStdString();
    }
}

TEST(HelpPagesTest, NamesTheListColumnsAndAdvancedSettingsAsTheProgramDoes) {
    const QString list = Page(QStringLiteral("list.html"));
    JoinList rows;
    const JoinListModel model(rows);
    ASSERT_EQ(model.columnCount(), 8);
    for (int column = 0; column < model.columnCount(); ++column) {
        const QString caption = model.headerData(column, Qt::Horizontal).toString();
        EXPECT_TRUE(list.contains(QStringLiteral("<td>%1</td>").arg(Escaped(caption))))
            << caption.toStdString();
    }
    const QString advanced = Page(QStringLiteral("advanced.html"));
    for (const GridCategorySpec& category : AdvancedGridLayout()) {
        for (const GridItemSpec& item : category.Items) {
            EXPECT_TRUE(advanced.contains(QStringLiteral("<td>%1</td>").arg(Escaped(item.Caption))))
                << item.Caption.toStdString();
        }
    }
}

}  // namespace
}  // namespace veltrano
