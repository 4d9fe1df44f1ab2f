#include "app/LimitDialog.h"

#include "app/ProgramMessage.h"
#include "widgets/DialogFont.h"

#include "support/ModalRun.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

class LimitDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ProgramMessage::SetObserverForTesting([this](const QString& text) { messages << text; });
    }
    void TearDown() override
    {
        ProgramMessage::SetObserverForTesting({});
        LimitDialog::ClearNextAnswer();
    }

    QLineEdit* Field(int id) { return qobject_cast<QLineEdit*>(m_dialog.Control(id)); }
    void Press(int id) { qobject_cast<QAbstractButton*>(m_dialog.Control(id))->click(); }
    void Type(const QString& speed, const QString& error, const QString& minutes)
    {
        Field(LimitDialog::kSpeedId)->setText(speed);
        Field(LimitDialog::kErrorId)->setText(error);
        Field(LimitDialog::kMinutesId)->setText(minutes);
    }

    LimitDialog m_dialog;
    QStringList messages;
};

bool SameValues(const LimitValues& a, const LimitValues& b)
{
    return a.speedLimit == b.speedLimit && a.errorLimit == b.errorLimit && a.minutes == b.minutes;
}

} // namespace

TEST_F(LimitDialogTest, OpensWithTheValuesInItsFontAndTakesCommaOrPoint)
{
    LimitValues values;
    bool edited = false;
    RunModal(
        m_dialog,
        [&] {
            EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("Das Limit eingeben"));
            EXPECT_EQ(Field(LimitDialog::kSpeedId)->text(), QStringLiteral("120"));
            EXPECT_EQ(Field(LimitDialog::kErrorId)->text(), QStringLiteral("1"));
            EXPECT_EQ(Field(LimitDialog::kMinutesId)->text(), QStringLiteral("30"));
            EXPECT_EQ(Field(LimitDialog::kErrorId)->font().family(), DialogFont::Font().family());
            Type(QStringLiteral("150,5"), QStringLiteral(" 2.25 "), QStringLiteral("45"));
            Press(LimitDialog::kConfirmId);
        },
        [&] {
            edited = m_dialog.Edit(values);
            return 0;
        });
    EXPECT_TRUE(edited);
    EXPECT_TRUE(m_dialog.WasConfirmed());
    EXPECT_EQ(values.speedLimit, 150.5);
    EXPECT_EQ(values.errorLimit, 2.25);
    EXPECT_EQ(values.minutes, 45);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LimitDialogTest, ARefusedFieldKeepsTheDialogOpenWithTheFrameworkMessage)
{
    LimitValues values;
    bool edited = false;
    RunModal(
        m_dialog,
        [&] {
            // Fields are checked in their order; text that is no number gets its range.
            Type(QStringLiteral("schnell"), QStringLiteral("20"), QStringLiteral("61"));
            Press(LimitDialog::kConfirmId);
            Type(QStringLiteral("999"), QStringLiteral("0,05"), QStringLiteral("61"));
            Press(LimitDialog::kConfirmId);
            Type(QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("1.5"));
            Press(LimitDialog::kConfirmId);
            EXPECT_TRUE(m_dialog.isVisible());
            EXPECT_EQ(m_dialog.focusWidget(), Field(LimitDialog::kMinutesId));
            Type(QStringLiteral("20"), QStringLiteral("10"), QStringLiteral("60"));
            Press(LimitDialog::kConfirmId);
        },
        [&] {
            edited = m_dialog.Edit(values);
            return 0;
        });
    EXPECT_EQ(messages, (QStringList{QStringLiteral("Please enter a number between 20 and 999."),
                                     QStringLiteral("Please enter a number between 0.1 and 10."),
                                     QStringLiteral("Please enter an integer between 1 and 60.")}));
    EXPECT_TRUE(edited);
    EXPECT_EQ(values.speedLimit, 20.0);
    EXPECT_EQ(values.errorLimit, 10.0);
    EXPECT_EQ(values.minutes, 60);
}

TEST_F(LimitDialogTest, ZurueckLeavesTheValuesAlone)
{
    LimitValues values;
    values.speedLimit = 77;
    const LimitValues before = values;
    RunModal(
        m_dialog,
        [&] {
            Type(QStringLiteral("300"), QStringLiteral("5"), QStringLiteral("5"));
            Press(LimitDialog::kCancelId);
        },
        [&] { return m_dialog.Edit(values) ? 1 : 0; });
    EXPECT_FALSE(m_dialog.WasConfirmed());
    EXPECT_TRUE(SameValues(values, before));
}

TEST_F(LimitDialogTest, ScriptedAnswersAreCheckedAsTypedOnes)
{
    LimitValues values;
    LimitDialog::Answer answer;
    answer.values.speedLimit = 250;
    answer.values.errorLimit = 0.5;
    answer.values.minutes = 12;
    LimitDialog::SetNextAnswer(answer);
    ASSERT_TRUE(m_dialog.Edit(values));
    EXPECT_FALSE(LimitDialog::HasNextAnswer());
    EXPECT_TRUE(SameValues(values, answer.values));

    // Nobody can correct a refused script: its message shows and it counts as "Zurück".
    const LimitValues before = values;
    answer.values.minutes = 0;
    LimitDialog::SetNextAnswer(answer);
    EXPECT_FALSE(m_dialog.Edit(values));
    EXPECT_FALSE(m_dialog.WasConfirmed());
    EXPECT_EQ(messages, QStringList{QStringLiteral("Please enter an integer between 1 and 60.")});
    EXPECT_TRUE(SameValues(values, before));

    answer.values.minutes = 5;
    answer.confirm = false;
    LimitDialog::SetNextAnswer(answer);
    EXPECT_FALSE(m_dialog.Edit(values));
    EXPECT_TRUE(SameValues(values, before));
}

TEST_F(LimitDialogTest, NumbersReadBackExactlyAsShown)
{
    for (const double value : {120.0, 0.1, 1.0 / 3.0, 998.9999999999999, 2.5e-1})
        EXPECT_EQ(LimitDialog::ReadNumber(LimitDialog::NumberText(value)), value);
    EXPECT_EQ(LimitDialog::ReadNumber(QStringLiteral("1,5")), 1.5);
    EXPECT_FALSE(LimitDialog::ReadNumber(QStringLiteral("1,5,0")).has_value());
    EXPECT_FALSE(LimitDialog::ReadNumber(QString()).has_value());
    EXPECT_FALSE(LimitDialog::ReadInteger(QStringLiteral("3,0")).has_value());

    // Unchanged fields confirm the very values they were opened with.
    LimitValues values;
    values.errorLimit = 1.0 / 3.0;
    const LimitValues before = values;
    LimitDialog::Answer unchanged{values, true};
    LimitDialog::SetNextAnswer(unchanged);
    ASSERT_TRUE(m_dialog.Edit(values));
    EXPECT_TRUE(SameValues(values, before));
}
