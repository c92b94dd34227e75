#include "platform/Help.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

TEST(Help, ContextsOpenTheirPageOrTheContents)
{
    struct Case {
        int context;
        const char* page;
    };
    const Case cases[] = {
        {4010, "qrc:/help/context-4010.html"},
        {0, "qrc:/help/index.html"},
        {99999, "qrc:/help/index.html"},
    };
    for (const Case& c : cases) {
        help::showContext(c.context);
        EXPECT_EQ(help::lastOpened(), QString::fromLatin1(c.page)) << c.context;
    }
    help::showKeywordSearch(QString());
    EXPECT_EQ(help::lastOpened(), QStringLiteral("qrc:/help/keyword.html"));
    help::showContents();
    EXPECT_EQ(help::lastOpened(), QStringLiteral("qrc:/help/index.html"));
    help::openHomePage();
    EXPECT_TRUE(help::lastOpened().startsWith(QStringLiteral("https://")));
}

TEST(Help, EveryLinkOfThePagesIsShipped)
{
    help::showContents();  // makes the pages available
    const QString pages[] = {QStringLiteral("index.html"), QStringLiteral("keyword.html"),
                             QStringLiteral("context-4010.html")};
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)\""));
    for (const QString& page : pages) {
        QFile f(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
        QString html = QString::fromUtf8(f.readAll());
        for (const QRegularExpressionMatch& m : href.globalMatch(html))
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + m.captured(1)))
                << page.toStdString() << " -> " << m.captured(1).toStdString();
    }
}

}  // namespace
