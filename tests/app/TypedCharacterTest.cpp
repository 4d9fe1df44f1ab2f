#include "app/TypedCharacter.h"

#include <QString>
#include <gtest/gtest.h>

TEST(TypedCharacter, EnterAndPrintableCharactersBecomeWindows1250Bytes)
{
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_Return, QStringLiteral("\r")), 13);
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_Enter, QString()), 13);
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_A, QStringLiteral("a")), 'a');
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_Space, QStringLiteral(" ")), ' ');
    EXPECT_EQ(TypedCharacter::FromKey(0, QString::fromUtf8("\xC3\xB6")), 0xF6); // ö
    EXPECT_EQ(TypedCharacter::FromKey(0, QString::fromUtf8("\xC3\xA9")), 0xE9); // é, composed by a dead key
    EXPECT_EQ(TypedCharacter::FromKey(0, QString::fromUtf8("\xE2\x82\xAC")), 0x80); // €
}

TEST(TypedCharacter, EverythingElseIsNotTypeable)
{
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_Backspace, QStringLiteral("\b")), -1);
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_Tab, QStringLiteral("\t")), -1);
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_Delete, QStringLiteral("\x7F")), -1);
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_F1, QString()), -1);
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_Shift, QString()), -1);
    EXPECT_EQ(TypedCharacter::FromKey(0, QString::fromUtf8("\xE2\x86\x92")), -1);     // arrow
    EXPECT_EQ(TypedCharacter::FromKey(0, QString::fromUtf8("\xF0\x9F\x98\x80")), -1); // emoji
    EXPECT_EQ(TypedCharacter::FromKey(Qt::Key_A, QStringLiteral("ab")), -1);
}
