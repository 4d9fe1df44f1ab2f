#include "widgets/DialogFont.h"
#include "widgets/DialogText.h"

#include "support/QtTestEnvironment.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(DialogFont, IsTwelvePixelSansMadeOnce)
{
    const QFont& font = DialogFont::Font();
    EXPECT_EQ(&font, &DialogFont::Font());
    EXPECT_EQ(font.pixelSize(), 12);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.bold());
    if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    }
}

TEST(DialogFont, ReachesEveryControlAlsoInsideGroups)
{
    QDialog dialog;
    auto* label = new QLabel(QStringLiteral("Text"), &dialog);
    auto* group = new QGroupBox(&dialog);
    auto* check = new QCheckBox(group);
    QFont odd(QStringLiteral("Liberation Mono"));
    odd.setPixelSize(30);
    check->setFont(odd); // an explicit font of its own is replaced as well
    auto* button = new QPushButton(&dialog);

    DialogFont::Apply(&dialog);
    for (QWidget* w : std::initializer_list<QWidget*>{&dialog, label, group, check, button})
        EXPECT_EQ(w->font(), DialogFont::Font()) << w->metaObject()->className();
    DialogFont::Apply(nullptr); // harmless
}

TEST(DialogText, TableEntriesGetPlainLineEnds)
{
    // 185 starts with CR LF.
    const QString pause = DialogText::FromTable(185);
    EXPECT_TRUE(pause.startsWith(QStringLiteral("\n Die Zeit wurde angehalten")));
    EXPECT_FALSE(pause.contains(QLatin1Char('\r')));
    EXPECT_EQ(DialogText::FromTable(506),
              QStringLiteral("Diese Datei beinhaltet nicht das korrekte Dateiformat "
                             "oder ist beschädigt."));
    EXPECT_TRUE(DialogText::FromTable(99999).isEmpty());
    EXPECT_EQ(DialogText::ForLabel(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
}
