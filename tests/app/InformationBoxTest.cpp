#include "app/InformationBox.h"

#include "widgets/DialogFont.h"
#include "support/QtTestEnvironment.h"

#include "support/ModalRun.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QAbstractButton* Button(const InformationBox& box, int id)
{
    return qobject_cast<QAbstractButton*>(box.Control(id));
}

QCheckBox* CheckBox(const InformationBox& box)
{
    return qobject_cast<QCheckBox*>(box.Control(InformationBox::kOptionId));
}

class InformationBoxTest : public testing::Test
{
protected:
    void TearDown() override { InformationBox::ClearNextAnswer(); }
};

} // namespace

TEST_F(InformationBoxTest, NoticeShowsOnlyTheContinueButton)
{
    int option = 0;
    InformationBox box(InformationBox::kNotice, 186, option);
    const int result = RunModal(box, [&] {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Information"));
        EXPECT_EQ(qobject_cast<QLabel*>(box.Control(InformationBox::kMessageId))->text(),
                  QStringLiteral("Sie haben Fehler gemacht."));
        EXPECT_TRUE(Button(box, InformationBox::kContinueId)->isVisible());
        EXPECT_EQ(Button(box, InformationBox::kContinueId)->text(), QStringLiteral("&Wir gehen weiter"));
        EXPECT_FALSE(Button(box, InformationBox::kYesId)->isVisible());
        EXPECT_FALSE(Button(box, InformationBox::kNoId)->isVisible());
        EXPECT_FALSE(CheckBox(box)->isVisible());
        for (int id : {InformationBox::kMessageId, InformationBox::kYesId, InformationBox::kNoId,
                       InformationBox::kContinueId, InformationBox::kOptionId})
            EXPECT_EQ(box.Control(id)->font(), DialogFont::Font()) << id;
        QTest::mouseClick(Button(box, InformationBox::kContinueId), Qt::LeftButton);
    });
    EXPECT_EQ(result, InformationBox::kResultNo);
    EXPECT_EQ(option, 0);
    EXPECT_EQ(box.Control(4711), nullptr);
}

TEST_F(InformationBoxTest, ClearingTheTickedBoxOfTheErrorNoticeClearsTheOption)
{
    int option = 1;
    InformationBox box(InformationBox::kNotice, 186, option);
    const int result = RunModal(box, [&] {
        QCheckBox* check = CheckBox(box);
        EXPECT_TRUE(check->isVisible());
        EXPECT_TRUE(check->isChecked());
        EXPECT_EQ(check->text(), QStringLiteral("Das Fenster andernorts aufrufen?"));
        QTest::mouseClick(check, Qt::LeftButton);
        EXPECT_FALSE(check->isChecked());
        EXPECT_EQ(option, 1); // taken over only when the dialog closes
        QTest::mouseClick(Button(box, InformationBox::kContinueId), Qt::LeftButton);
    });
    EXPECT_EQ(result, InformationBox::kResultNo);
    EXPECT_EQ(option, 0);
}

TEST_F(InformationBoxTest, EscapeAndTheCloseBoxAnswerTwoAndTakeTheCheckBox)
{
    int option = 1;
    InformationBox escaped(InformationBox::kQuestion, QStringLiteral("Weiter?"), option);
    EXPECT_EQ(RunModal(escaped,
                       [&] {
                           QTest::mouseClick(CheckBox(escaped), Qt::LeftButton);
                           QTest::keyClick(&escaped, Qt::Key_Escape);
                       }),
              InformationBox::kResultNo);
    EXPECT_EQ(option, 0);

    // A ticked box keeps the option's own non-zero value.
    option = 5;
    InformationBox closed(InformationBox::kNotice, QStringLiteral("Hinweis"), option);
    EXPECT_EQ(RunModal(closed, [&] { closed.close(); }), InformationBox::kResultNo);
    EXPECT_EQ(option, 5);
}

TEST_F(InformationBoxTest, QuestionWithoutOptionOnlyJaGivesOne)
{
    int option = 0;
    InformationBox yes(InformationBox::kQuestion, 192, option);
    EXPECT_EQ(RunModal(yes,
                       [&] {
                           EXPECT_TRUE(Button(yes, InformationBox::kYesId)->isVisible());
                           EXPECT_TRUE(Button(yes, InformationBox::kNoId)->isVisible());
                           EXPECT_EQ(Button(yes, InformationBox::kYesId)->text(), QStringLiteral("Ja"));
                           EXPECT_EQ(Button(yes, InformationBox::kNoId)->text(), QStringLiteral("Nein"));
                           EXPECT_FALSE(Button(yes, InformationBox::kContinueId)->isVisible());
                           EXPECT_FALSE(CheckBox(yes)->isVisible());
                           QTest::mouseClick(Button(yes, InformationBox::kYesId), Qt::LeftButton);
                       }),
              InformationBox::kResultYes);

    InformationBox no(InformationBox::kQuestion, 192, option);
    EXPECT_EQ(RunModal(no, [&] { QTest::mouseClick(Button(no, InformationBox::kNoId), Qt::LeftButton); }),
              InformationBox::kResultNo);

    // Enter answers with the default button, "Ja".
    InformationBox enter(InformationBox::kQuestion, 192, option);
    EXPECT_EQ(RunModal(enter, [&] { QTest::keyClick(&enter, Qt::Key_Return); }), InformationBox::kResultYes);
    EXPECT_EQ(option, 0);
}

TEST_F(InformationBoxTest, NeinLeavesTheOptionJaTakesIt)
{
    int option = 1;
    InformationBox no(InformationBox::kQuestion, QStringLiteral("Frage"), option);
    RunModal(no, [&] {
        QTest::mouseClick(CheckBox(no), Qt::LeftButton);
        QTest::mouseClick(Button(no, InformationBox::kNoId), Qt::LeftButton);
    });
    EXPECT_EQ(option, 1);

    InformationBox yes(InformationBox::kQuestion, QStringLiteral("Frage"), option);
    RunModal(yes, [&] {
        QTest::mouseClick(CheckBox(yes), Qt::LeftButton);
        QTest::mouseClick(Button(yes, InformationBox::kYesId), Qt::LeftButton);
    });
    EXPECT_EQ(option, 0);
}

TEST_F(InformationBoxTest, MessagesAreShownAsPlainTextWithPlainLineEnds)
{
    int option = 0;
    InformationBox markup(InformationBox::kNotice, QStringLiteral("<b>Datei</b> & \"a\"\r\nZeile"), option);
    InformationBox::SetNextAnswer(InformationBox::kContinueId);
    markup.exec();
    auto* label = qobject_cast<QLabel*>(markup.Control(InformationBox::kMessageId));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), QStringLiteral("<b>Datei</b> & \"a\"\nZeile"));

    InformationBox pause(InformationBox::kNotice, 185, option);
    InformationBox::SetNextAnswer(InformationBox::kContinueId);
    pause.exec();
    EXPECT_FALSE(
        qobject_cast<QLabel*>(pause.Control(InformationBox::kMessageId))->text().contains(QLatin1Char('\r')));
}

TEST_F(InformationBoxTest, ScriptedAnswerIsUsedOnceWithoutShowingTheDialog)
{
    int option = 1;
    InformationBox::SetNextAnswer(InformationBox::kYesId, false);
    EXPECT_TRUE(InformationBox::HasNextAnswer());
    InformationBox yes(InformationBox::kQuestion, 191, option);
    EXPECT_EQ(yes.exec(), InformationBox::kResultYes);
    EXPECT_FALSE(yes.isVisible());
    EXPECT_FALSE(InformationBox::HasNextAnswer());
    EXPECT_EQ(option, 0);

    option = 1;
    InformationBox::SetNextAnswer(InformationBox::kNoId, false);
    InformationBox no(InformationBox::kQuestion, 191, option);
    EXPECT_EQ(no.exec(), InformationBox::kResultNo);
    EXPECT_EQ(option, 1);

    // "Ja" is not offered by a notice: it counts as Escape, which takes the check box.
    InformationBox::SetNextAnswer(InformationBox::kYesId, false);
    InformationBox notice(InformationBox::kNotice, 186, option);
    EXPECT_EQ(notice.exec(), InformationBox::kResultNo);
    EXPECT_EQ(option, 0);

    // Without the check box its scripted state changes nothing.
    InformationBox::SetNextAnswer(InformationBox::kContinueId, true);
    InformationBox plain(InformationBox::kNotice, 186, option);
    EXPECT_EQ(plain.exec(), InformationBox::kResultNo);
    EXPECT_EQ(option, 0);
}
