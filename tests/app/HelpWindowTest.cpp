#include "app/HelpWindow.h"

#include "app/HelpBrowser.h"
#include "support/QtTestEnvironment.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Two small pages: the start page with every kind of link, and a long second page whose
// section "teil" lies below the fold.
class HelpWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Write("index.html", "<html><body><h1>Start</h1><p><a href=\"zwei.html#teil\">Zwei</a> "
                            "<a href=\"https://tippwerk.org/\">Netz</a> "
                            "<a href=\"mailto:kontakt@tippwerk.org\">Post</a> "
                            "<a href=\"fehlt.html\">Fehlt</a></p></body></html>");
        QByteArray filler;
        for (int i = 0; i < 200; ++i)
            filler += "<p>Zeile " + QByteArray::number(i) + "</p>";
        Write("zwei.html",
              "<html><body><h1>Zwei</h1>" + filler + "<h2 id=\"teil\">Teil</h2>" + filler + "</body></html>");
        HelpWindow::SetUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return openSucceeds;
        });
    }
    void TearDown() override { HelpWindow::SetUrlOpener({}); }

    void Write(const char* name, const QByteArray& html)
    {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
    }
    QString Page(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static QString Shown(const HelpWindow& window)
    {
        return QFileInfo(window.Source().toLocalFile()).fileName();
    }

    // Clicks the link `href` of the page shown, as a person would.
    static void ClickLink(HelpWindow& window, const QString& href)
    {
        QTextBrowser* browser = window.Browser();
        QTextDocument* document = browser->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorHref() == href) {
                    QTextCursor cursor(document);
                    cursor.setPosition(it.fragment().position() + 1);
                    const QPoint point = browser->cursorRect(cursor).center();
                    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
                    return;
                }
        ADD_FAILURE() << "no link " << href.toStdString();
    }

    QTemporaryDir dir;
    std::vector<QUrl> opened;
    bool openSucceeds = true;
};

} // namespace

TEST_F(HelpWindowTest, OpensTheStartPageUnderItsTitleWithGermanButtons)
{
    HelpWindow window(Page("index.html"));
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tippwerk – Hilfe"));
    EXPECT_EQ(Shown(window), QStringLiteral("index.html"));
    EXPECT_TRUE(window.Browser()->toPlainText().startsWith(QStringLiteral("Start")));
    EXPECT_EQ(window.BackAction()->text(), QStringLiteral("Zurück"));
    EXPECT_EQ(window.ForwardAction()->text(), QStringLiteral("Vor"));
    EXPECT_EQ(window.HomeAction()->text(), QStringLiteral("Inhalt"));
    EXPECT_FALSE(window.BackAction()->isEnabled());
    EXPECT_FALSE(window.ForwardAction()->isEnabled());
}

TEST_F(HelpWindowTest, PageLinksAreFollowedInsideWithBackForwardAndStartPage)
{
    HelpWindow window(Page("index.html"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ClickLink(window, QStringLiteral("zwei.html#teil"));
    EXPECT_EQ(Shown(window), QStringLiteral("zwei.html"));
    EXPECT_EQ(window.Source().fragment(), QStringLiteral("teil"));
    // The section is scrolled into view, not the top of the page.
    EXPECT_GT(window.Browser()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(opened.empty());

    ASSERT_TRUE(window.BackAction()->isEnabled());
    window.BackAction()->trigger();
    EXPECT_EQ(Shown(window), QStringLiteral("index.html"));
    ASSERT_TRUE(window.ForwardAction()->isEnabled());
    window.ForwardAction()->trigger();
    EXPECT_EQ(Shown(window), QStringLiteral("zwei.html"));
    EXPECT_FALSE(window.ForwardAction()->isEnabled());

    window.HomeAction()->trigger();
    EXPECT_EQ(Shown(window), QStringLiteral("index.html"));
    EXPECT_EQ(window.Browser()->verticalScrollBar()->value(), 0);
    // The start page is one more step: back leads to where the reader was.
    window.BackAction()->trigger();
    EXPECT_EQ(Shown(window), QStringLiteral("zwei.html"));
}

TEST_F(HelpWindowTest, WebAndMailLinksGoToTheDesktopAndTheWindowStays)
{
    HelpWindow window(Page("index.html"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ClickLink(window, QStringLiteral("https://tippwerk.org/"));
    ClickLink(window, QStringLiteral("mailto:kontakt@tippwerk.org"));
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://tippwerk.org/")));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("mailto:kontakt@tippwerk.org")));
    EXPECT_EQ(Shown(window), QStringLiteral("index.html"));
    EXPECT_FALSE(window.BackAction()->isEnabled());

    // Neither a link the desktop cannot open nor one to a missing page changes the page.
    openSucceeds = false;
    window.FollowLink(QUrl(QStringLiteral("https://tippwerk.org/neu")));
    EXPECT_EQ(opened.size(), 3u);
    ClickLink(window, QStringLiteral("fehlt.html"));
    EXPECT_EQ(opened.size(), 3u);
    EXPECT_EQ(Shown(window), QStringLiteral("index.html"));
    EXPECT_TRUE(window.Browser()->toPlainText().startsWith(QStringLiteral("Start")));
    EXPECT_FALSE(window.BackAction()->isEnabled());
}

TEST_F(HelpWindowTest, AnOwnerHasOneHelpWindowThatComesBackWhereItWas)
{
    QWidget owner;
    owner.show();
    HelpWindow* first = HelpWindow::ShowFor(&owner, Page("index.html"));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isWindow());
    EXPECT_EQ(first->parentWidget(), &owner);
    first->FollowLink(QUrl(QStringLiteral("zwei.html")));

    first->showMinimized();
    EXPECT_EQ(HelpWindow::ShowFor(&owner, Page("index.html")), first);
    EXPECT_FALSE(first->windowState() & Qt::WindowMinimized);
    first->close();
    EXPECT_EQ(HelpWindow::ShowFor(&owner, Page("index.html")), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(Shown(*first), QStringLiteral("zwei.html"));
    EXPECT_EQ(owner.findChildren<HelpWindow*>().size(), 1);

    QWidget other;
    HelpWindow* second = HelpWindow::ShowFor(&other, Page("index.html"));
    EXPECT_NE(second, first);
    EXPECT_EQ(Shown(*second), QStringLiteral("index.html"));
}

TEST_F(HelpWindowTest, MissingHelpOpensNoWindowAndNamesTheFile)
{
    QWidget owner;
    const QString missing = dir.filePath(QStringLiteral("nichts/index.html"));
    EXPECT_EQ(HelpWindow::ShowFor(&owner, missing), nullptr);
    EXPECT_EQ(HelpWindow::ShowFor(&owner, dir.path()), nullptr);
    EXPECT_TRUE(owner.findChildren<HelpWindow*>().isEmpty());

    const QString text = HelpWindow::MissingHelpText(missing);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Die Hilfe ist nicht installiert.")));
    EXPECT_TRUE(text.contains(missing));
    EXPECT_EQ(HelpWindow::MissingHelpText({}), QStringLiteral("Die Hilfe ist nicht installiert."));
}

TEST(HelpBrowser, SectionElementsBecomeMarkedBlocksAndTheRestStays)
{
    const struct
    {
        const char* page;
        const char* shown;
    } cases[] = {
        {"<nav class=\"navigation\" aria-label=\"Inhalt\"><a href=\"a.html\">A</a></nav>",
         "<div data-element=\"nav\" class=\"navigation\" aria-label=\"Inhalt\"><a "
         "href=\"a.html\">A</a></div>"},
        {"<MAIN>\n<h1>Ü</h1>\n</Main >", "<div data-element=\"MAIN\">\n<h1>Ü</h1>\n</div>"},
        {"<footer><a href=\"x\">→</a></footer>", "<div data-element=\"footer\"><a href=\"x\">→</a></div>"},
        // Words that only begin like a section element are left alone.
        {"<navigation>x</navigation><mainly>", "<navigation>x</navigation><mainly>"},
        {"<p>nav main footer</p>", "<p>nav main footer</p>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpBrowser::WithSectionsAsBlocks(QByteArray(c.page)), QByteArray(c.shown)) << c.page;
}

TEST_F(HelpWindowTest, TheNavigationBarIsABlockOfItsOwn)
{
    Write("bar.html", "<html><body><nav><a href=\"index.html\">Start</a></nav><main><p>Text</p></main>"
                      "</body></html>");
    HelpWindow window(Page("bar.html"));
    // A bar across the page, not a background behind each word.
    const QTextBlock bar = window.Browser()->document()->begin();
    EXPECT_EQ(bar.text(), QStringLiteral("Start"));
    EXPECT_TRUE(bar.blockFormat().hasProperty(QTextFormat::BackgroundBrush));
    EXPECT_EQ(bar.next().text(), QStringLiteral("Text"));
    EXPECT_FALSE(bar.next().blockFormat().hasProperty(QTextFormat::BackgroundBrush));
}

TEST_F(HelpWindowTest, ANewWindowStandsBesideItsOwnerAndOnTheScreen)
{
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    const struct
    {
        QRect owner;
        bool roomBeside;
    } cases[] = {
        {QRect(room.left(), room.top(), 60, 60), true},
        {QRect(room.right() - 160, room.bottom() - 120, 150, 100), false},
    };
    for (const auto& c : cases) {
        QWidget owner;
        owner.setGeometry(c.owner);
        owner.show();
        HelpWindow* window = HelpWindow::ShowFor(&owner, Page("index.html"));
        ASSERT_NE(window, nullptr);
        const QRect placed = window->frameGeometry();
        EXPECT_TRUE(room.contains(placed))
            << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
        if (c.roomBeside) {
            EXPECT_GT(placed.left(), owner.frameGeometry().right());
        }
    }
}
