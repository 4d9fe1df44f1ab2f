#include "app/NoteDialog.h"

#include "widgets/DialogFont.h"
#include "support/QtTestEnvironment.h"

#include "support/ModalRun.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class NoteDialogTest : public testing::Test
{
protected:
    void TearDown() override { NoteDialog::ClearNextAnswer(); }

    QLabel* Text() const { return qobject_cast<QLabel*>(note.Control(NoteDialog::kTextId)); }
    QPushButton* Continue() const
    {
        return qobject_cast<QPushButton*>(note.Control(NoteDialog::kContinueId));
    }

    // Shows the pause note and does `act` while it is open.
    int Show(const std::function<void()>& act)
    {
        return RunModal(note, act, [this] {
            return note.ShowNote(
                QStringLiteral("\r\n Die Zeit wurde angehalten, da Sie aufgehört haben, zu schreiben."));
        });
    }

    NoteDialog note;
};

} // namespace

TEST_F(NoteDialogTest, ShowsItsTextWithoutCaptionAndOneButton)
{
    const int result = Show([&] {
        EXPECT_TRUE(note.windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(Text()->text(),
                  QStringLiteral("\n Die Zeit wurde angehalten, da Sie aufgehört haben, zu schreiben."));
        EXPECT_EQ(Text()->textFormat(), Qt::PlainText);
        EXPECT_TRUE(Continue()->isVisible());
        EXPECT_EQ(Continue()->text(), QStringLiteral("&Wir gehen weiter"));
        EXPECT_FALSE(note.Control(NoteDialog::kCancelId)->isVisible());
        EXPECT_EQ(Text()->font(), DialogFont::Font());
        EXPECT_EQ(Continue()->font(), DialogFont::Font());
        QTest::mouseClick(Continue(), Qt::LeftButton);
    });
    EXPECT_EQ(result, NoteDialog::kResultContinue);
}

TEST_F(NoteDialogTest, AnyLeftOrRightClickContinues)
{
    EXPECT_EQ(Show([&] { QTest::mouseClick(&note, Qt::LeftButton, {}, QPoint(4, 4)); }),
              NoteDialog::kResultContinue);
    EXPECT_EQ(Show([&] { QTest::mouseClick(&note, Qt::RightButton, {}, QPoint(note.width() - 4, 4)); }),
              NoteDialog::kResultContinue);
    // Clicks on the text reach the note.
    EXPECT_EQ(Show([&] { QTest::mouseClick(Text(), Qt::RightButton); }), NoteDialog::kResultContinue);
    EXPECT_EQ(Show([&] { QTest::mouseClick(Text(), Qt::LeftButton); }), NoteDialog::kResultContinue);
    EXPECT_EQ(Show([&] { QTest::mouseClick(Continue(), Qt::RightButton); }), NoteDialog::kResultContinue);
}

TEST_F(NoteDialogTest, KeysContinueOrCancelAndOthersAreIgnored)
{
    EXPECT_EQ(Show([&] { QTest::keyClick(&note, Qt::Key_Return); }), NoteDialog::kResultContinue);
    EXPECT_EQ(Show([&] { QTest::keyClick(&note, Qt::Key_W); }), NoteDialog::kResultContinue);
    EXPECT_EQ(Show([&] { QTest::keyClick(&note, Qt::Key_W, Qt::AltModifier); }), NoteDialog::kResultContinue);
    EXPECT_EQ(Show([&] { QTest::keyClick(&note, Qt::Key_Escape); }), NoteDialog::kResultCancel);
    EXPECT_EQ(Show([&] {
                  QTest::keyClick(&note, Qt::Key_X);
                  QTest::keyClick(&note, Qt::Key_W, Qt::ControlModifier);
                  QTest::mouseClick(&note, Qt::MiddleButton, {}, QPoint(4, 4));
                  EXPECT_TRUE(note.isVisible());
                  QTest::mouseClick(&note, Qt::LeftButton, {}, QPoint(4, 4));
              }),
              NoteDialog::kResultContinue);
}

TEST_F(NoteDialogTest, ScriptedAnswerIsUsedOnceWithoutShowingTheNote)
{
    NoteDialog::SetNextAnswer();
    EXPECT_EQ(note.ShowNote(QStringLiteral("Bemerkung")), NoteDialog::kResultContinue);
    EXPECT_FALSE(note.isVisible());
    EXPECT_FALSE(NoteDialog::HasNextAnswer());
    EXPECT_EQ(Text()->text(), QStringLiteral("Bemerkung"));

    NoteDialog::SetNextAnswer(NoteDialog::kResultCancel);
    EXPECT_EQ(note.ShowNote(QStringLiteral("Bemerkung")), NoteDialog::kResultCancel);
    NoteDialog::SetNextAnswer(42);
    EXPECT_EQ(note.exec(), NoteDialog::kResultContinue);
}
