#include "app/HelpWindow.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

QString readPage(const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList helpPages() {
    initHelpResources();
    QStringList pages;
    QDirIterator it(QStringLiteral(":/help"), {QStringLiteral("*.html")});
    while (it.hasNext())
        pages << it.next();
    return pages;
}

class HelpWindowTest : public ::testing::Test {
protected:
    QTextBrowser* browser() { return window.findChild<QTextBrowser*>(QStringLiteral("helpBrowser")); }
    QAction* action(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }

    HelpWindow window;
};

TEST_F(HelpWindowTest, EachHelpContextOpensItsPage) {
    const QStringList titles{QStringLiteral("Contents"), QStringLiteral("Theory Help"),
                             QStringLiteral("Program Help")};
    for (int context = 1; context <= 3; ++context) {
        ASSERT_TRUE(window.showContext(context));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.currentPage(), HelpWindow::pageForContext(context));
        EXPECT_EQ(browser()->documentTitle(), titles[context - 1]);
        EXPECT_FALSE(browser()->toPlainText().trimmed().isEmpty());
    }
}

TEST_F(HelpWindowTest, TheHelpMenuOpensContentsThenTheThreeContexts) {
    ASSERT_TRUE(window.showForHelpMenuItem(0));
    EXPECT_EQ(window.currentPage(), HelpWindow::pageForContext(HelpWindow::ContentsContext));
    for (int item = 1; item <= 3; ++item) {
        ASSERT_TRUE(window.showForHelpMenuItem(item));
        EXPECT_EQ(window.currentPage(), HelpWindow::pageForContext(item));
    }
}

TEST_F(HelpWindowTest, AnUnknownContextShowsNothing) {
    EXPECT_FALSE(window.showContext(0));
    EXPECT_FALSE(window.showContext(4));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(HelpWindowTest, BackForwardAndContentsNavigate) {
    window.showContents();
    QAction* back = action("helpBack");
    QAction* forward = action("helpForward");
    ASSERT_TRUE(back && forward && action("helpContents"));
    EXPECT_FALSE(back->isEnabled());
    browser()->setSource(QUrl(QStringLiteral("qrc:/help/keys.html")));
    EXPECT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_EQ(window.currentPage(), HelpWindow::pageForContext(HelpWindow::ContentsContext));
    EXPECT_TRUE(forward->isEnabled());
    forward->trigger();
    EXPECT_EQ(window.currentPage().fileName(), QStringLiteral("keys.html"));
    action("helpTheory")->trigger();
    EXPECT_EQ(window.currentPage(), HelpWindow::pageForContext(HelpWindow::TheoryContext));
    action("helpContents")->trigger();
    EXPECT_EQ(window.currentPage(), HelpWindow::pageForContext(HelpWindow::ContentsContext));
}

TEST(HelpPages, EveryLinkLeadsToAnExistingPageAndAnchor) {
    const QStringList pages = helpPages();
    ASSERT_GE(pages.size(), 3);
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    QSet<QString> linkedPages;
    for (const QString& page : pages) {
        const QUrl base(QStringLiteral("qrc") + page);
        auto matches = link.globalMatch(readPage(page));
        while (matches.hasNext()) {
            const QString href = matches.next().captured(1);
            const QUrl target = base.resolved(QUrl(href));
            ASSERT_EQ(target.scheme(), QStringLiteral("qrc"))
                << page.toStdString() << ": " << href.toStdString();
            const QString targetPath = QLatin1Char(':') + target.path();
            ASSERT_TRUE(QFile::exists(targetPath)) << page.toStdString() << ": " << href.toStdString();
            linkedPages.insert(targetPath);
            if (target.hasFragment()) {
                const QString anchor = QStringLiteral("name=\"%1\"").arg(target.fragment());
                EXPECT_TRUE(readPage(targetPath).contains(anchor))
                    << page.toStdString() << ": " << href.toStdString();
            }
        }
    }
    // Every page can be reached by following links from the others.
    for (const QString& page : pages)
        EXPECT_TRUE(linkedPages.contains(page)) << page.toStdString() << " is linked from nowhere";
}

TEST(HelpPages, EveryPageHasATitle) {
    const QRegularExpression title(QStringLiteral("<title>[^<]+</title>"));
    for (const QString& page : helpPages())
        EXPECT_TRUE(title.match(readPage(page)).hasMatch()) << page.toStdString();
}

} // namespace
} // namespace tonalyst
