#include "widgets/LinkLabel.h"

#include "support/QtTestEnvironment.h"

#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what the labels would open instead of starting a browser.
class LinkLabelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        LinkLabel::SetUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return openSucceeds;
        });
    }
    void TearDown() override { LinkLabel::SetUrlOpener({}); }

    std::vector<QUrl> opened;
    bool openSucceeds = true;
};

} // namespace

TEST_F(LinkLabelTest, LooksLikeALinkWithAHandCursor)
{
    LinkLabel label(QStringLiteral("www.tippwerk.de"), nullptr);
    EXPECT_EQ(label.text(), QStringLiteral("www.tippwerk.de"));
    EXPECT_EQ(label.linkColor(), QColor(50, 28, 255));
    EXPECT_EQ(label.palette().color(QPalette::Active, QPalette::WindowText), QColor(50, 28, 255));
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(label.autoFillBackground());
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
}

TEST_F(LinkLabelTest, MailAddressOpensAsMailtoAndWebAddressUnchanged)
{
    LinkLabel mail(QStringLiteral("hilfe@tippwerk.de"), nullptr);
    EXPECT_EQ(mail.Target(), QStringLiteral("mailto:hilfe@tippwerk.de"));
    EXPECT_EQ(mail.text(), QStringLiteral("hilfe@tippwerk.de"));
    LinkLabel web(QStringLiteral("https://www.tippwerk.de/hilfe"), nullptr);
    EXPECT_EQ(web.Target(), QStringLiteral("https://www.tippwerk.de/hilfe"));

    QTest::mouseClick(&mail, Qt::LeftButton);
    QTest::mouseClick(&web, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[0].path(), QStringLiteral("hilfe@tippwerk.de"));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("https://www.tippwerk.de/hilfe")));
}

TEST_F(LinkLabelTest, StringTableEntryIsShownAndLinked)
{
    LinkLabel label(128, nullptr);
    EXPECT_EQ(label.text(), QStringLiteral("Tippwerk"));
    EXPECT_EQ(label.Target(), QStringLiteral("Tippwerk"));
}

TEST_F(LinkLabelTest, OpenedLinkTurnsPurpleAndOnlyTheLeftButtonOpens)
{
    LinkLabel label(QStringLiteral("www.tippwerk.de"), nullptr);
    QTest::mouseClick(&label, Qt::RightButton);
    QTest::mouseClick(&label, Qt::MiddleButton);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(label.linkColor(), LinkLabel::kLinkColor);

    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    // A bare "www." address is a web address.
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("http"));
    EXPECT_EQ(opened[0].host(), QStringLiteral("www.tippwerk.de"));
    EXPECT_EQ(label.linkColor(), QColor(128, 0, 128));
    EXPECT_EQ(label.palette().color(QPalette::Active, QPalette::WindowText), QColor(128, 0, 128));
}

TEST_F(LinkLabelTest, FailedOpenKeepsTheColour)
{
    openSucceeds = false;
    LinkLabel label(QStringLiteral("www.tippwerk.de"), nullptr);
    EXPECT_FALSE(label.OpenLink());
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(label.linkColor(), LinkLabel::kLinkColor);
}

TEST_F(LinkLabelTest, WithoutTargetTheTextIsOpenedAndAnEmptyLabelOpensNothing)
{
    LinkLabel label;
    EXPECT_FALSE(label.OpenLink());
    EXPECT_TRUE(opened.empty());

    label.setText(QStringLiteral("https://example.org/"));
    EXPECT_TRUE(label.OpenLink());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://example.org/")));
}
