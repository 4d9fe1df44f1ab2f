#include "app/AboutDialog.h"

#include "widgets/DialogFont.h"
#include "widgets/LinkLabel.h"
#include "support/QtTestEnvironment.h"

#include "support/ModalRun.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <vector>

namespace {

QIcon RedIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

class AboutDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // No mail program or browser may start from a test.
        LinkLabel::SetUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
    }
    void TearDown() override
    {
        LinkLabel::SetUrlOpener({});
        AboutDialog::ClearNextAnswer();
    }

    QString Text(int id) const { return qobject_cast<QLabel*>(dialog.Control(id))->text(); }
    LinkLabel* Link(int id) const { return qobject_cast<LinkLabel*>(dialog.Control(id)); }
    QPushButton* Ok() const { return qobject_cast<QPushButton*>(dialog.Control(AboutDialog::kOkId)); }

    std::vector<QUrl> opened;
    AboutDialog dialog{RedIcon()};
};

} // namespace

TEST_F(AboutDialogTest, ShowsNameVersionPurposeLicenceAndBothAddresses)
{
    const int result = RunModal(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tippwerk"));
        EXPECT_EQ(Text(AboutDialog::kVersionId), QStringLiteral("Tippwerk Version 4.0"));
        EXPECT_EQ(Text(AboutDialog::kPurposeId),
                  QStringLiteral("Ein Lernprogramm für das Zehnfingersystem."));
        EXPECT_TRUE(Text(AboutDialog::kLicenceId).contains(QStringLiteral("GNU General Public License")));
        EXPECT_EQ(Text(AboutDialog::kMailLinkId), QStringLiteral("kontakt@tippwerk.org"));
        EXPECT_EQ(Text(AboutDialog::kWebLinkId), QStringLiteral("https://tippwerk.org"));
        EXPECT_EQ(Ok()->text(), QStringLiteral("OK"));
        EXPECT_TRUE(Ok()->isDefault());
        EXPECT_EQ(dialog.Control(4711), nullptr);
        for (int id : {AboutDialog::kVersionId, AboutDialog::kMailLinkId, AboutDialog::kOkId})
            EXPECT_EQ(dialog.Control(id)->font(), DialogFont::Font()) << id;
        // The program icon stands beside the texts.
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        const bool iconShown = std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
            const QPixmap pixmap = label->pixmap();
            return !pixmap.isNull() && pixmap.toImage().pixelColor(8, 8) == QColor(Qt::red);
        });
        EXPECT_TRUE(iconShown);
        // Everything fits without being cut off.
        for (QLabel* label : labels)
            EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
        QTest::mouseClick(Ok(), Qt::LeftButton);
    });
    EXPECT_EQ(result, AboutDialog::kResultOk);
}

TEST_F(AboutDialogTest, ClickingTheAddressesOpensAMailAndTheWebSite)
{
    RunModal(dialog, [&] {
        QTest::mouseClick(Link(AboutDialog::kMailLinkId), Qt::LeftButton);
        QTest::mouseClick(Link(AboutDialog::kWebLinkId), Qt::LeftButton);
        // Opening a link leaves the box open.
        EXPECT_TRUE(dialog.isVisible());
        dialog.accept();
    });
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[0].path(), QStringLiteral("kontakt@tippwerk.org"));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("https://tippwerk.org")));
    EXPECT_EQ(Link(AboutDialog::kMailLinkId)->linkColor(), LinkLabel::kVisitedColor);
}

TEST_F(AboutDialogTest, EnterClosesWithOkAndEscapeWithCancel)
{
    EXPECT_EQ(RunModal(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); }), AboutDialog::kResultOk);
    EXPECT_EQ(RunModal(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }),
              AboutDialog::kResultCancel);
    EXPECT_TRUE(opened.empty());
}

TEST_F(AboutDialogTest, AScriptedAnswerClosesItOnceWithoutWaiting)
{
    AboutDialog::SetNextAnswer();
    EXPECT_TRUE(AboutDialog::HasNextAnswer());
    EXPECT_EQ(dialog.exec(), AboutDialog::kResultOk);
    EXPECT_FALSE(AboutDialog::HasNextAnswer());
    EXPECT_FALSE(dialog.isVisible());

    AboutDialog::SetNextAnswer(AboutDialog::kResultCancel);
    EXPECT_EQ(dialog.exec(), AboutDialog::kResultCancel);
    // The next run waits for a person again.
    EXPECT_EQ(RunModal(dialog, [&] { QTest::mouseClick(Ok(), Qt::LeftButton); }), AboutDialog::kResultOk);
}
